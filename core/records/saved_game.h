#pragma once
// Saved games: the .vlm file (a [HEADER] and a [MOVEMENTS] section), the
// folder that holds them, and the names the Save game dialog proposes.

#include <optional>
#include <string>
#include <vector>

namespace velmora {

struct RecordedGame;
struct MoveListing;

constexpr const char* kSavedGameExtension = ".vlm";
constexpr int kMaxSaveNameLength = 99;  // characters the Save game dialog takes

// The whole file for the first `moves` moves of the game record, CR LF after
// every line. "AI LEVEL" is written only when a player is the computer,
// "START POSITION" only for a game that began at a position of its own.
std::string savedGameText(const RecordedGame& game, int moves);

// Fills `state` from the text of a saved game: variant and start position, players,
// clocks, give-away, the computer's level when a player is the computer,
// and the moves up to the first one that is missing or not legal (at most
// 400). Never fails: whatever is missing or damaged reads as its default.
void loadGameText(RecordedGame& state, const std::string& text);
// The same from a file; a missing file reads as an empty text.
void loadGameFile(RecordedGame& state, const std::string& path);

// Why a text is no saved game at all (empty, not text, no variant this
// program plays), for a reader that must say so rather than play defaults.
std::optional<std::string> notASavedGame(const std::string& text);

// Which move the game of the text stops before, when `loadedMoves` were
// read and the file names a later one: the moves from there on are lost.
std::optional<std::string> lostMoves(const std::string& text, int loadedMoves);

// Where the saved games of `workDir` live: an existing folder whose name is
// "save" in any case, or "SAVE", which the first save creates.
std::string savedGamesFolder(const std::string& workDir);

// The path of the saved game `name` (without extension) in that folder; an
// existing file of that name in another case is that file.
std::string savedGamePath(const std::string& workDir, const std::string& name);

// The names, extension included, of the ordinary files *.vlm (in any case)
// of the folder, sorted without regard to case.
std::vector<std::string> listSavedGames(const std::string& workDir);

// Runs the Save command on a path from savedGamePath: asks before replacing
// a file, writes every move of the listing, creates the folder when it is
// missing, and says how it went. True when the file was written.
bool saveGameFile(const RecordedGame& game, const MoveListing& listing, const std::string& path);

// "[White]-[Black]-[date]-[RULES-variant]", each non-digit of the date as "_".
std::string proposedSaveName(const RecordedGame& game, const std::string& shortDate);

// Why a name typed in the Save game dialog cannot be saved under, if it
// cannot: empty, or holding a character that a file name cannot hold here
// or on the systems saved games travel to.
std::optional<std::string> saveNameProblem(const std::string& name);

}  // namespace velmora
