#pragma once
// Which skin tile each square shows. A skin is a grid of 6 x 7 tiles:
// row 0 holds the markers and the logo, rows 1-3 the dark squares (plain,
// selected, last move), rows 4-6 the light ones; the column is the piece,
// 0 for none, else kind + 2 x side.

namespace velmora {

struct Position;
struct BoardMarks;
struct AppearanceSettings;

constexpr int kSkinTile = 64;
constexpr int kSkinWidth = 6 * kSkinTile;   // 384
constexpr int kSkinHeight = 7 * kSkinTile;  // 448

struct Tile {
  int column;
  int row;
  bool operator==(const Tile&) const = default;
};

// The tile of board square (x, y); the marks must have been computed.
Tile squareTile(const Position& game, const BoardMarks& marks, int x, int y, const AppearanceSettings& settings);

// The column of `piece` in a skin's rows: 0 for none.
int pieceColumnOf(int kind, int side);

// The picked-up piece as drawn under the cursor: its selection-highlight tile.
Tile draggedTile(const Position& game, int x, int y);

// Constant alphas (0..255) of the dragged piece and of its shadow.
int draggedPieceAlpha(int opacityPercent);
int draggedShadowAlpha(int opacityPercent);

}  // namespace velmora
