#pragma once
// How PDN and FEN name the squares and colours of each variant, by the
// conventions of the variant table.

#include <optional>
#include <string>
#include <string_view>

#include "core/rules/board.h"

namespace velmora {

const PdnConvention& pdnConvention(GameType type);

// The GameType tag in full: "21,B,8,8,N1,0" is code 21, PDN's Black moves
// first, 8 x 8, numbered from the corner 1, not mirrored.
std::string pdnGameTypeTag(GameType type);
// The GameType tag of a game by the federation's rules: its code alone, as
// the federations' files and other programs write it.
std::string officialGameTypeTag(GameType type);

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
