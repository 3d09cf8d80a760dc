#pragma once
// The computer's static evaluation: a signed table of square values built
// once per computer move, summed over the pieces on the board.

#include <cstdint>

#include "core/rules/board.h"
#include "core/rules/move.h"

namespace velmora {

struct Position;

// A value for each colour, kind and square, fixed for one computer move;
// the Empty layer stays zero. It belongs to the search that built it.
struct EvalTable {
  std::int32_t value[2][3][kMaxBoardSize][kMaxBoardSize];
};

// Every square gets max(0, N - 1 - d), d the king-move distance to the nearest
// piece of `colour`.
void buildProximityMap(const Position& state, int colour, int out[12][12]);

// Fills the table from the board as it stands: negative is good for aiSide.
void buildEvalTable(const Position& state, int aiSide, EvalTable& table);

// Sum of the table over the pieces on the board, negated in a give-away game.
int evaluatePosition(const Position& state, const EvalTable& table);

// The sum over the pieces, without the give-away sign.
int boardSum(const Position& state, const EvalTable& table);

// How boardSum changes when `move` is played: the table is fixed for the whole
// search, so the sum after a move is the sum before it plus this.
int boardSumChange(const EvalTable& table, const MoveRecord& move);

}  // namespace velmora
