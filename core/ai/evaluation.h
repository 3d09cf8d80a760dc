#pragma once
// The computer's static evaluation: a signed table of square values built
// once per computer move, summed over the pieces on the board.

#include "core/rules/move.h"

namespace velmora {

struct GameState;

// Every square gets max(0, N - 1 - d), d the king-move distance to the nearest
// piece of `colour`.
void buildProximityMap(const GameState& state, int colour, int out[12][12]);

// Fills evalTable from the board as it stands: negative is good for aiSide.
void buildEvalTable(GameState& state);

// Sum of evalTable over the pieces on the board, negated in a give-away game.
int evaluatePosition(const GameState& state);

// The sum over the pieces, without the give-away sign.
int boardSum(const GameState& state);

// How boardSum changes when `move` is played: the table is fixed for the whole
// search, so the sum after a move is the sum before it plus this.
int boardSumChange(const GameState& state, const MoveRecord& move);

}  // namespace velmora
