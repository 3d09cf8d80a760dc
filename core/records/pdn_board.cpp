#include "core/records/pdn_board.h"

#include "core/platform/translation.h"
#include "core/records/notation.h"
#include "core/rules/board.h"

namespace velmora {

namespace {

bool everySquarePlays(GameType type) { return variantInfo(type).setUp != SetUp::Diagonal; }

bool isPlayingSquare(GameType type, int x, int y) {
  const int n = boardSizeOf(type);
  if (x < 0 || y < 0 || x >= n || y >= n) return false;
  return everySquarePlays(type) || (x + y) % 2 == 0;
}

// PDN's column of our column x.
int pdnColumn(GameType type, int x) { return pdnConvention(type).mirrored ? boardSizeOf(type) - 1 - x : x; }

int squareNumber(GameType type, int x, int y) {
  const int n = boardSizeOf(type);
  const PdnCorner corner = pdnConvention(type).corner;
  const int column = pdnColumn(type, x);
  const bool fromTop = corner == PdnCorner::TopLeft || corner == PdnCorner::TopRight;
  const bool fromRight = corner == PdnCorner::BottomRight || corner == PdnCorner::TopRight;
  const int row = fromTop ? n - 1 - y : y;
  const int along = fromRight ? n - 1 - column : column;
  return row * (n / 2) + along / 2 + 1;  // playing squares alternate along a row
}

}  // namespace

const PdnConvention& pdnConvention(GameType type) { return variantInfo(type).pdn; }

std::string pdnGameTypeTag(GameType type) {
  const PdnConvention& c = pdnConvention(type);
  const std::string size = std::to_string(boardSizeOf(type));
  return std::to_string(c.code) + (c.swapColours ? ",B," : ",W,") + size + "," + size + "," +
         (c.algebraic ? 'A' : 'N') + std::to_string(static_cast<int>(c.corner)) + (c.mirrored ? ",1" : ",0");
}

std::string officialGameTypeTag(GameType type) { return std::to_string(pdnConvention(type).code); }

int pdnColour(GameType type, int side) { return pdnConvention(type).swapColours ? side ^ 1 : side; }

std::string pdnSquare(GameType type, int x, int y) {
  if (pdnConvention(type).algebraic) return squareName(pdnColumn(type, x), y);
  return std::to_string(squareNumber(type, x, y));
}

std::optional<BoardSquare> readPdnSquare(GameType type, std::string_view name) {
  const int n = boardSizeOf(type);
  if (name.empty() || name.size() > 3) return std::nullopt;
  int number = 0;
  const size_t digitsFrom = pdnConvention(type).algebraic ? 1 : 0;
  if (name.size() <= digitsFrom) return std::nullopt;
  for (size_t i = digitsFrom; i < name.size(); ++i) {
    if (name[i] < '0' || name[i] > '9') return std::nullopt;
    number = number * 10 + (name[i] - '0');
  }
  if (pdnConvention(type).algebraic) {
    const char file = static_cast<char>(name[0] | 0x20);  // either case
    const int column = file - 'a';
    if (column < 0 || column >= n) return std::nullopt;
    const int x = pdnColumn(type, column), y = number - 1;
    if (!isPlayingSquare(type, x, y)) return std::nullopt;
    return BoardSquare{x, y};
  }
  for (int y = 0; y < n; ++y)
    for (int x = 0; x < n; ++x)
      if (isPlayingSquare(type, x, y) && squareNumber(type, x, y) == number) return BoardSquare{x, y};
  return std::nullopt;
}

std::string pdnSquareHint(GameType type) {
  const int n = boardSizeOf(type);
  if (pdnConvention(type).algebraic) return fillIn(say("a square from a1 to %1"), squareName(n - 1, n - 1));
  return fillIn(say("a square number from 1 to %1"), std::to_string(n * n / 2));
}

}  // namespace velmora
