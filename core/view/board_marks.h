#pragma once
// What the board display and mouse entry keep beside the position: the
// marks of each square and the grip on a dragged piece.

#include <cstdint>

#include "core/rules/board.h"

namespace velmora {

struct SquareMarks {
  std::int32_t selected;    // the picked-up piece, and the waypoints clicked on its path
  std::int32_t moveTarget;  // final square of a legal move of the picked-up piece
  std::int32_t pathStep;    // intermediate landing square of such a move
  std::int32_t lastMove;    // a square of the move that led to the shown position
  std::int32_t blinkTicks;  // highlight countdown in 20 ms ticks
};

struct BoardMarks {
  SquareMarks marks[kMaxBoardSize][kMaxBoardSize] = {};  // marks[y][x], as the board
  std::int32_t grabOffsetX = 0;                          // where in its square the picked-up piece was grabbed
  std::int32_t grabOffsetY = 0;
  // Picked up from the keyboard: no pointer holds it, so it stays drawn on
  // its square instead of following the mouse.
  bool heldByKeys = false;
};

// Drops the picked-up piece and its waypoints: the `selected` mark of every
// square of a board of `boardSize` becomes 0.
inline void clearSelection(BoardMarks& marks, int boardSize) {
  for (int y = 0; y < boardSize; ++y)
    for (int x = 0; x < boardSize; ++x) marks.marks[y][x].selected = 0;
}

}  // namespace velmora
