#pragma once
// The Expert player's static evaluation: a score in hundredths of a man for
// the side to move, from the board alone, with weights chosen per rules
// family. The give-away game has an evaluation of its own.

#include "core/ai/eval_patterns.h"
#include "core/rules/board.h"
#include "core/rules/position.h"

namespace velmora {

constexpr int kManValue = 100;

// What a king is worth against a man of 100: more where kings fly.
int expertKingValue(GameType type);

// The score of `position` for `side`, who is to move; `quietPlies` is the run
// of moves without a capture or a man's move, which ends in a draw at
// kQuietMovesForDraw. Positive is good for `side`.
int expertEvaluate(const Position& position, int side, int quietPlies);
// The same with the given pattern weights, or with none: the hand-written
// terms alone, which the weights are fitted on top of.
int expertEvaluate(const Position& position, int side, int quietPlies, const PatternWeights* patterns);

// The give-away game: the side that is left without a move wins, so fewer
// pieces and fewer free men are better.
int giveAwayEvaluate(const Position& position, int side);

}  // namespace velmora
