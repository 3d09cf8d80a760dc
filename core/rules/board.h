#pragma once
// The board, its pieces and the table of the fourteen variants.

#include <cstdint>

namespace velmora {

// Variant index: 0..13 in the alphabetical order of the names. Any other value
// is a variant outside the table, named "Unknown" and played as American.
using GameType = std::int32_t;

enum : GameType {
  American = 0,
  Brazilian = 1,
  Canadian = 2,
  Crowded = 3,
  Frisian = 4,
  Gothic = 5,
  International = 6,
  Italian = 7,
  PoolCheckers = 8,
  Russian = 9,
  Spanish = 10,
  SparseCheckers = 11,
  Thai = 12,
  Turkish = 13,
};
constexpr int kVariantCount = 14;

enum Side : std::int32_t { White = 0, Black = 1 };
enum PieceKind : std::int32_t { Empty = 0, Man = 1, King = 2 };

constexpr Side otherSide(int side) { return side == White ? Black : White; }

// `side` is meaningful only while `kind` is not Empty: a piece leaving a square
// resets only the kind, so every reader tests the kind first.
struct Cell {
  std::int32_t kind;
  std::int32_t side;
};

constexpr int kMaxBoardSize = 12;

// board[y][x]: row y (0 is White's home row), column x.
using Board = Cell[kMaxBoardSize][kMaxBoardSize];

struct GameState;

// Board size of a variant: 8, 10 or 12 (8 for values outside the table).
int boardSizeOf(GameType type);

// Drops the picked-up piece and its waypoints: the `selected` mark of every
// square of the board becomes 0.
void clearSelection(GameState& state);

// Clears the whole 12 x 12 grid and places the variant's men. Always returns 1.
int setUpBoard(GameState& state, GameType type);

// "Unknown" for values outside 0..13.
const char* gameTypeName(GameType type);

// Exact, case-sensitive match of a variant name; -1 when none matches.
GameType gameTypeFromName(const char* name);

}  // namespace velmora
