#pragma once
// How PDN and FEN name the squares and colours of each variant, and how
// that maps onto our board, where White always moves first from rows 0 up
// and square a1 (0, 0) is always a playing square.

#include <optional>
#include <string>
#include <string_view>

#include "core/rules/board.h"

namespace velmora {

struct PdnConvention {
  const char* gameType;  // the GameType tag, in full
  bool hasCode;          // false: the code is borrowed, and a Variant tag names the variant
  // The first mover is PDN's Black (American, Thai): every colour and
  // result is swapped at the edge.
  bool swapColours;
  bool algebraic;  // a1-h8 rather than numbers
  char captureSeparator;
};

const PdnConvention& pdnConvention(GameType type);

// The PDN colour (0 White, 1 Black) of our side, and back: the same swap.
int pdnColour(GameType type, int side);

// The name of square (x, y): a number or a1-h8.
std::string pdnSquare(GameType type, int x, int y);

// The square a name stands for; nothing for a name that is not a playing
// square of the variant.
struct BoardSquare {
  int x;
  int y;
};
std::optional<BoardSquare> readPdnSquare(GameType type, std::string_view name);

// What the names look like, for messages: "a square number from 1 to 32".
std::string pdnSquareHint(GameType type);

}  // namespace velmora
