#pragma once
// Going over a played game with the Expert: for each move, what the move
// played is worth, what the Expert would have played instead, and whether
// the move played gave away half a man (a mistake) or a whole one (a blunder).

#include <optional>
#include <vector>

#include "core/ai/endgame_set.h"
#include "core/ai/engine.h"

namespace velmora {

enum class MoveMark { None, Mistake, Blunder };

// Hundredths of a man the move played may give away before it is marked.
constexpr int kMistakeLoss = 50;
constexpr int kBlunderLoss = 100;

// The mark of a move that scores `playedScore` where the best scores
// `bestScore`, both for the side that moved.
MoveMark markOf(int bestScore, int playedScore);

// "?" for a mistake, "??" for a blunder, "" otherwise.
const char* markText(MoveMark mark);

struct PlyAnalysis {
  int played = -1;      // index of the move played in generateMoves order
  int best = -1;        // of the Expert's choice
  int playedScore = 0;  // for the side that moved
  int bestScore = 0;
  MoveMark mark = MoveMark::None;
};

// Called after each position is searched: how many of `total` are done.
using AnalysisProgress = void (*)(void* context, int done, int total);

// Analyses the first `plies` moves of the game's record from its start.
// Each position of the game is searched once within `limits`: the score of
// the move played is the next position's score seen from the other side.
// When the engine is stopped the result holds the moves finished so far.
// Runs on the calling thread: from an engine's job, on the engine's own.
std::vector<PlyAnalysis> analyseGame(const RecordedPosition& game, int plies, Engine& engine,
                                     const EngineLimits& limits, AnalysisProgress progress = nullptr,
                                     void* context = nullptr);

// A position of a game the endgame databases hold: the one after its first
// `plies` moves, with `side` to move, and what they know of it.
struct KnownPosition {
  int plies = 0;
  int side = 0;
  EndgameResult known{EndgameOutcome::Draw, 0};
};

// The first position of the game, from its start to the one after its first
// `plies` moves, that `endgames` hold; nothing when they hold none.
std::optional<KnownPosition> firstKnownPosition(const RecordedPosition& game, int plies, const EndgameSet& endgames);

}  // namespace velmora
