#include "core/view/tiles.h"

#include "core/rules/position.h"
#include "core/view/appearance.h"
#include "core/view/board_marks.h"

namespace velmora {

namespace {

// 0 selects the dark tiles, 1 the light ones; Italian and Spanish swap them.
int parity(const Position& game, int x, int y) { return ((x + y) & 1) ^ (game.invertSquareColours ? 1 : 0); }

int pieceColumn(const Cell& c) { return c.kind == Empty ? 0 : c.kind + 2 * c.side; }

}  // namespace

Tile squareTile(const Position& game, const BoardMarks& marks, int x, int y, const AppearanceSettings& settings) {
  const Cell& cell = game.board[y][x];
  const SquareMarks& m = marks.marks[y][x];
  const int p = parity(game, x, y);
  Tile t{pieceColumn(cell), p == 0 ? 1 : 4};
  if (settings.dragShow != DragStays && m.selected && !marks.heldByKeys) t.column = 0;  // the piece is under the cursor
  if (m.selected || m.blinkTicks)
    t.row += 1;
  else if (m.lastMove)
    t.row += 2;
  if (cell.kind == Empty) {
    if (m.moveTarget) t = {p == 1 ? 2 : 0, 0};
    if (m.pathStep) t = {p == 1 ? 3 : 1, 0};
  }
  return t;
}

int pieceColumnOf(int kind, int side) { return pieceColumn(Cell{kind, side}); }

Tile draggedTile(const Position& game, int x, int y) {
  return {pieceColumn(game.board[y][x]), parity(game, x, y) == 1 ? 5 : 2};
}

int draggedPieceAlpha(int opacityPercent) { return opacityPercent * 255 / 100; }

int draggedShadowAlpha(int opacityPercent) { return ((opacityPercent - 50) / 5 + 10) * 255 / 100; }

}  // namespace velmora
