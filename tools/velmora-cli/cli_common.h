#pragma once
// Shared pieces of the velmora-cli commands: argument reading and errors.

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/ai/endgame_db.h"
#include "core/ai/engine.h"
#include "core/rules/board.h"

namespace velmora {
struct GameState;
}

namespace velmora::cli {

// The exit status, one rule for every command: 0 it did what was asked;
// 1 it did its part, and the outcome is a "no" a caller acts on (the game
// had already ended, a file was not written, an ending failed, a network
// game ended otherwise than by the rules, a saved game read only in part);
// 2 it did nothing: the command line is wrong, or a variant, position, move,
// FEN, PDN file or saved game it names is missing or does not read.
constexpr int kNotDone = 2;
constexpr int kGameOver = 1;                  // the game had ended, or a network game ended otherwise
constexpr int kNotWritten = 1;                // a file exists (no --force) or could not be written
constexpr long kLongestMoveTimeMs = 3600000;  // an hour a move

// Prints "velmora-cli: <message>" to standard error and returns kNotDone.
int fail(const std::string& message);

// A variant name exactly as the table writes it, or its number in the
// table; nothing for any other text or number.
std::optional<GameType> readVariant(const std::string& arg);

// "unknown variant "ARG"", the argument cut short when it is long, as every
// message quotes what it was given.
std::string unknownVariant(const std::string& arg);

// Whether writing `path` must be refused because a file is there and
// `force` was not given; prints why when it is refused. One rule for every
// command that writes a file.
bool refuseToReplace(const std::string& path, bool force);

// How a saved game named on the command line read: whole, in part (its
// later moves were lost) or not at all.
enum class SavedGameRead { Whole, Partly, Not };
constexpr int kPartlyRead = 1;  // the exit status of a command that went over what was left

// Reads the saved game at `path` into `state`; says what is wrong with a
// file that reads in part or not at all.
SavedGameRead readSavedGame(GameState& state, const std::string& path);

// A whole decimal integer, nothing else.
std::optional<long> readInteger(const std::string& arg);

// A TCP port, 0 to 65535 (0: any free one, where listening).
std::optional<int> readPort(const std::string& text);

// Sets `state` up from POSITION, or the variant's start with White to move
// when `position` is null. Prints the error and returns false when refused.
bool setUpPosition(GameState& state, GameType type, const char* position);

// "--moves MOVE ..." wherever it begins: the moves are taken out of the
// arguments up to the last `keep`, which stay as the command's own. Nothing
// when there is no "--moves".
std::optional<std::vector<std::string>> takeMoves(int& argc, char** argv, int keep);

// Plays the moves on `state` as the keyboard reads a typed move: the
// listing's notation ("c3-d4", "e3:c5:e7") or, where the variant numbers
// its squares, their numbers ("32-28"). `keys`, when given, gets the key of
// each position, the one before the first move too. Prints which move is
// wrong and why and returns false; a move after the game's end is wrong.
bool playMoves(GameState& state, const std::vector<std::string>& moves, std::vector<std::uint64_t>* keys = nullptr);

// POSITION, or the variant's start when `position` is null, the give-away
// game or not, then the moves, as playMoves plays them.
bool setUpGame(GameState& state, GameType type, const char* position, bool giveAway,
               const std::vector<std::string>& moves, std::vector<std::uint64_t>* keys = nullptr);

// Why the rules have ended the game on `state` ("White wins, Black has no
// move"), or nothing while it goes on. Regenerates state.legalMoves.
std::optional<std::string> gameOver(GameState& state);

// Monotonic seconds, for the timings the commands print.
double secondsNow();

// "<count>/<seconds>" as a whole number per second.
long long perSecond(double count, double seconds);

// --movetime MS and --depth D (and --nodes N where `nodes`), wherever they
// stand, taken out of the arguments; a value out of range is a problem, as
// for every command that runs the Expert. A depth or a node limit alone is
// searched to whatever it takes; otherwise the Expert has `defaultMs` a move.
struct LimitOptions {
  EngineLimits limits;
  bool valid = true;
  std::string problem;
};
LimitOptions takeLimits(int& argc, char** argv, int defaultMs, bool nodes = true);

// --rules classic or --rules official, wherever it stands, taken out of the
// arguments: Velmora's classic rules unless the federation's are asked for.
struct RulesOption {
  bool official = false;
  bool given = false;  // --rules stood on the command line
  bool valid = true;
  std::string problem;
};
RulesOption takeRules(int& argc, char** argv);

// "NAME VALUE" wherever it stands, taken out of the arguments: the value,
// or nothing when NAME is not there (or has no value after it).
std::optional<std::string> takeOption(int& argc, char** argv, const char* name);

// The endgame databases of one game's rules, as the Expert is given them.
struct Endgames {
  std::unique_ptr<EndgameDb<8>> board8;
  std::unique_ptr<EndgameDb<10>> board10;
};
// Loads the databases of the rules and board of `state` that `folder` holds
// (made by velmora-cli egdb build); says why when there are none.
std::optional<std::string> loadEndgames(Endgames& endgames, const GameState& state, const std::string& folder);

// 0, 1 or 2 for the game's levels, "expert" for kExpertLevel.
std::optional<int> readPlayerLevel(const std::string& arg);

// Plays the texts from the variant's start; returns how many were played.
int replay(GameState& state, GameType type, const std::vector<std::string>& texts);

// The words of `text`, split at white space.
std::vector<std::string> splitWords(const char* text);

// Takes the flags among `names` out of the arguments, wherever they stand,
// and closes the gaps; each flag counts once, a repeat stays as an argument.
void takeFlags(int& argc, char** argv, std::initializer_list<std::pair<const char*, bool*>> names);

int perftCommand(int argc, char** argv);
int movesCommand(int argc, char** argv);
int resultCommand(int argc, char** argv);
int searchCommand(int argc, char** argv);
int replayCommand(int argc, char** argv);
int benchCommand(int argc, char** argv);
int expertBenchCommand(int argc, char** argv);
int selfplayCommand(int argc, char** argv);
int loadCommand(int argc, char** argv);
int saveCommand(int argc, char** argv);
int netCommand(int argc, char** argv);
int dxpCommand(int argc, char** argv);
int hubCommand(int argc, char** argv);
int pdnCommand(int argc, char** argv);
int fenCommand(int argc, char** argv);
int matchCommand(int argc, char** argv);
int analyseCommand(int argc, char** argv);
int endingsCommand(int argc, char** argv);
int bookCommand(int argc, char** argv);
int egdbCommand(int argc, char** argv);
int trainCommand(int argc, char** argv);

}  // namespace velmora::cli
