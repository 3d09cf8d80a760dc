#include "core/rules/board.h"

#include <cstring>

#include "core/rules/game_state.h"

namespace velmora {

namespace {

const char* const kVariantNames[kVariantCount] = {
    "American", "Brazilian",     "Canadian", "Crowded", "Frisian",         "Gothic", "International",
    "Italian",  "Pool checkers", "Russian",  "Spanish", "Sparse checkers", "Thai",   "Turkish",
};

bool inTable(GameType type) { return type >= 0 && type < kVariantCount; }

// Rows of men per side in the diagonal variants.
int rowsOfMen(GameType type) {
  switch (type) {
    case Canadian: return 5;
    case Crowded:
    case Frisian:
    case International: return 4;
    case Thai: return 2;
    default: return 3;
  }
}

void placeMan(GameState& state, int x, int y, Side side) { state.board[y][x] = Cell{Man, side}; }

}  // namespace

int boardSizeOf(GameType type) {
  switch (type) {
    case Canadian: return 12;
    case Crowded:
    case Frisian:
    case International:
    case SparseCheckers: return 10;
    default: return 8;
  }
}

void clearSelection(GameState& state) {
  for (int y = 0; y < state.boardSize; ++y)
    for (int x = 0; x < state.boardSize; ++x) state.marks[y][x].selected = 0;
}

int setUpBoard(GameState& state, GameType type) {
  clearSelection(state);  // with the size of the board being left

  state.gameType = type;
  std::memset(state.board, 0, sizeof state.board);
  state.boardSize = boardSizeOf(type);
  const int n = state.boardSize;

  if (type == Turkish || type == Gothic) {
    // Every square is used; Turkish leaves the home rows empty.
    const int first = type == Turkish ? 1 : 0;
    for (int x = 0; x < n; ++x)
      for (int r = first; r < first + 2; ++r) {
        placeMan(state, x, r, White);
        placeMan(state, x, n - 1 - r, Black);
      }
    state.invertSquareColours = 0;
    return 1;
  }

  state.invertSquareColours = (type == Italian || type == Spanish) ? 1 : 0;
  for (int r = 0; r < rowsOfMen(type); ++r)
    for (int x = 0; x < n; ++x) {
      if ((x + r) % 2 == 0) placeMan(state, x, r, White);
      if ((x + n - 1 - r) % 2 == 0) placeMan(state, x, n - 1 - r, Black);
    }
  return 1;
}

const char* gameTypeName(GameType type) { return inTable(type) ? kVariantNames[type] : "Unknown"; }

GameType gameTypeFromName(const char* name) {
  if (name == nullptr) return -1;
  for (GameType t = 0; t < kVariantCount; ++t)
    if (std::strcmp(kVariantNames[t], name) == 0) return t;
  return -1;
}

}  // namespace velmora
