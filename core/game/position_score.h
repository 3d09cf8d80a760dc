#pragma once
// What the Expert thinks of a position, in words for the window and the
// command line: the score for White in men and the line it expects.

#include <atomic>
#include <string>

#include "core/ai/endgame_db.h"
#include "core/ai/engine.h"
#include "core/rules/game_result.h"

namespace velmora {

struct GameState;
struct MoveListing;

// The Expert's time for the evaluation shown beside the board: short, so
// that it follows the game move by move.
constexpr int kEvaluationTimeMs = 300;
// The Expert's time for each position of a game it goes over in the window.
constexpr int kAnalysisTimeMs = 500;
// Moves of the expected line shown.
constexpr int kEvaluationLineMoves = 6;

// A player counts a game's length in his own moves, not in plies: the
// moves of the side to move until the game is over.
constexpr int movesOfPlies(int plies) { return (plies + 1) / 2; }

// A score for White in men, two decimals and a sign: "+1.25", "-0.40",
// "0.00"; a win the search found, or the endgame databases know, as
// "+win 4" or "-win 4", in moves.
std::string scoreText(int whiteScore);

// What the endgame databases know of a position, for its side to move:
// "win in 4", "loss in 3" or "draw", in moves.
std::string endgameVerdict(const EndgameResult& known);

// `score` for the side to move of `game` as a score for White.
int whiteScore(const GameState& game, int score);

// The first `moves` moves of `line`, as the listing writes moves.
std::string lineText(const MoveRecord* line, int length, int moves);

struct PositionScore {
  bool found = false;  // false when stopped before the first iteration ended, or no move
  std::string score;   // scoreText
  std::string line;    // lineText
};

// Makes `search` (a copy of the game) the shown position of the listing,
// with its record up to there, ready for the Expert.
void preparePositionScore(GameState& search, const MoveListing& listing);

// A game that has ended is shown by its result, not by a search: "1-0",
// "0-1" or "1/2-1/2", and the outcome in words.
PositionScore finishedGameScore(GameResult result);

// A position the endgame databases hold is shown by what they know, as a
// game that has ended: "1-0" and "White wins in 4", or "1/2-1/2" and
// "Draw"; `sideToMove` is the side `known` is for.
PositionScore knownPositionScore(const EndgameResult& known, int sideToMove);

// The Expert searches the engine's position within `limits` and the outcome
// is put in words.
PositionScore scorePosition(Engine& engine, const EngineLimits& limits);

}  // namespace velmora
