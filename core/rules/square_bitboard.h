#pragma once
// The position of Turkish and Gothic, which play on every square of the
// 8 x 8 board, as bitboards. Square (x, y) is bit 8 * y + x: a step up or
// down is a shift by 8, sideways by 1, diagonally by 7 or 9, and a step that
// would leave the board at the side is masked off by column before it.

#include <cstdint>

#include "core/rules/bitboard.h"
#include "core/rules/board.h"

namespace velmora {

struct SquareBoard {
  std::uint64_t pieces[2];  // by side
  std::uint64_t kings;      // of both sides
};

// The compact move of the diagonal 8 x 8 board, its squares numbered
// 8 * y + x instead: the engine reads both alike.
using SquareMove = BitMove<8>;

constexpr int squareAt(int x, int y) { return 8 * y + x; }

// Plays `move` of `side`: copy-make. A capture may end on its own starting
// square, hence the order of the terms.
inline SquareBoard playedSquare(const SquareBoard& b, const SquareMove& move, int side) {
  const std::uint64_t from = std::uint64_t{1} << move.from(), to = std::uint64_t{1} << move.to();
  SquareBoard next;
  next.pieces[side] = (b.pieces[side] & ~from) | to;
  next.pieces[side ^ 1] = b.pieces[side ^ 1] & ~move.captured;
  next.kings = (b.kings & ~(move.captured | from)) | (move.kindAfter() == King ? to : 0);
  return next;
}

// The pieces of an 8 x 8 board, every square read.
SquareBoard readSquareBoard(const Board& board);

// Fills `list` (room for kMaxMoves) with the legal moves of `side` and
// returns their number, in the order `order` asks for. Allocates nothing.
// None for the families that keep to the dark squares.
using SquareGenerator = int (*)(const SquareBoard&, int side, SquareMove* list);
SquareGenerator squareGeneratorFor(RuleFamily family, MoveOrder order = MoveOrder::Listed);

}  // namespace velmora
