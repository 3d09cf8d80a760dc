#pragma once
// Games between two computer players, for measuring one against the other:
// a short random opening, then each side's search to the end of the game.

#include <cstdint>
#include <vector>

#include "core/ai/engine.h"
#include "core/rules/board.h"
#include "core/rules/game_result.h"

namespace velmora {

constexpr int kMaxOpeningPlies = 4;

// An opening as the index of each ply's move in generateMoves order.
struct Opening {
  int plies = 0;
  int index[kMaxOpeningPlies] = {};
};

struct MatchSettings {
  GameType type = American;
  bool giveAway = false;
  bool official = false;  // the federation's rules
  EngineLimits expert;    // for the Expert, whichever side it plays
};

// Two to four random plies, the same for the same seed; fewer when a side
// runs out of moves.
Opening randomOpening(GameType type, bool giveAway, std::uint64_t seed);
Opening randomOpening(const MatchSettings& settings, std::uint64_t seed);

enum class GameEnd { Rules, Repetition, MoveLimit };

struct MatchGame {
  GameResult result = Draw;  // WhiteWins, BlackWins or Draw
  GameEnd end = GameEnd::Rules;
  int plies = 0;
};

// How a match scores the game on `game`: the rules' result (no move, the
// quiet run), or a draw once a position comes a third time (`seen` holds the
// key of each position of the game, the current one last) or the game has
// kMaxGameMoves plies; `end` says which. GameGoesOn while it goes on. Leaves
// the legal moves of the side to move in game.legalMoves.
GameResult matchResult(RecordedPosition& game, const std::vector<std::uint64_t>& seen, GameEnd& end);

// Plays the opening, then `whiteLevel` against `blackLevel` until the rules
// end the game (no move, the quiet run), a position comes a third time, or
// the game reaches kMaxGameMoves plies. `game` is the board it is played on;
// each side thinks with its own engine, which may be the same one.
MatchGame playMatchGame(RecordedPosition& game, Engine& white, Engine& black, const MatchSettings& settings,
                        const Opening& opening, int whiteLevel, int blackLevel);

// The same from the position `game` holds, with its side to move: the
// opening's plies first, then the two players. The game is played on it.
MatchGame playOnFrom(RecordedPosition& game, Engine& white, Engine& black, const MatchSettings& settings,
                     const Opening& opening, int whiteLevel, int blackLevel);

}  // namespace velmora
