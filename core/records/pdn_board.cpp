#include "core/records/pdn_board.h"

#include "core/records/notation.h"
#include "core/rules/game_state.h"

namespace velmora {

namespace {

// Where numbering starts, as the GameType's notation digit says, with the
// first mover at the bottom: numbers run along the row from that corner,
// then row by row away from it.
enum Corner { BottomLeft = 0, BottomRight = 1, TopLeft = 2, TopRight = 3 };

struct Numbering {
  Corner corner;
  bool mirrored;  // PDN's a1 is not a playing square: its columns run opposite to ours
};

// clang-format off
constexpr PdnConvention kConventions[kVariantCount] = {
  //  GameType              code   swap   algebraic  capture
    {"21,B,8,8,N1,0",       true,  true,  false,     'x'},  // American
    {"26,W,8,8,A0,0",       true,  false, true,      'x'},  // Brazilian
    {"27,W,12,12,N2,0",     true,  false, false,     'x'},  // Canadian
    {"21,W,10,10,N2,0",     false, false, false,     'x'},  // Crowded
    {"40,W,10,10,N2,0",     true,  false, false,     'x'},  // Frisian
    {"30,W,8,8,A0,0",       false, false, true,      'x'},  // Gothic
    {"20,W,10,10,N2,0",     true,  false, false,     'x'},  // International
    {"22,W,8,8,N2,1",       true,  false, false,     'x'},  // Italian
    {"23,W,8,8,A0,0",       true,  false, true,      'x'},  // Pool checkers
    {"25,W,8,8,A0,0",       true,  false, true,      ':'},  // Russian
    {"24,W,8,8,N1,1",       true,  false, false,     'x'},  // Spanish
    {"21,W,10,10,N2,0",     false, false, false,     'x'},  // Sparse checkers
    {"31,B,8,8,N2,0",       true,  true,  false,     'x'},  // Thai
    {"30,W,8,8,A0,0",       true,  false, true,      'x'},  // Turkish
};
// clang-format on

GameType inTable(GameType type) { return type >= 0 && type < kVariantCount ? type : American; }

// The corner digit and the inversion flag, read from the GameType text.
Numbering numberingOf(GameType type) {
  const std::string_view tag = kConventions[inTable(type)].gameType;
  const size_t notation = tag.rfind(',', tag.size() - 3);  // "...,N2,0": the field before the last
  return {static_cast<Corner>(tag[notation + 2] - '0'), tag.back() == '1'};
}

bool everySquarePlays(GameType type) { return variantInfo(type).setUp != SetUp::Diagonal; }

bool isPlayingSquare(GameType type, int x, int y) {
  const int n = boardSizeOf(type);
  if (x < 0 || y < 0 || x >= n || y >= n) return false;
  return everySquarePlays(type) || (x + y) % 2 == 0;
}

// PDN's column of our column x.
int pdnColumn(GameType type, int x) { return numberingOf(type).mirrored ? boardSizeOf(type) - 1 - x : x; }

int squareNumber(GameType type, int x, int y) {
  const int n = boardSizeOf(type);
  const Corner corner = numberingOf(type).corner;
  const int column = pdnColumn(type, x);
  const int row = corner == TopLeft || corner == TopRight ? n - 1 - y : y;
  const int along = corner == BottomRight || corner == TopRight ? n - 1 - column : column;
  return row * (n / 2) + along / 2 + 1;  // playing squares alternate along a row
}

}  // namespace

const PdnConvention& pdnConvention(GameType type) { return kConventions[inTable(type)]; }

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
  std::string hint = pdnConvention(type).algebraic ? "a square from a1 to " : "a square number from 1 to ";
  if (pdnConvention(type).algebraic)
    hint += squareName(n - 1, n - 1);
  else
    hint += std::to_string(n * n / 2);
  return hint;
}

}  // namespace velmora
