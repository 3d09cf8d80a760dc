#include "core/rules/board.h"

#include <cstring>

#include "core/rules/game_record.h"

namespace velmora {

namespace {

// clang-format off
constexpr PdnCorner BL = PdnCorner::BottomLeft, BR = PdnCorner::BottomRight, TL = PdnCorner::TopLeft;
constexpr VariantInfo kVariants[kVariantCount] = {
  //                                                                                                                       PDN:
  //  name               size  rows  set-up                  inverted  rules                        official                             code  own    swap   algebraic corner mirrored capture
    {"American",         8,    3,    SetUp::Diagonal,        false,    RuleFamily::American,        RuleFamily::AmericanOfficial,        {21,  true,  true,  false,    BR,    false,   'x'}},
    {"Brazilian",        8,    3,    SetUp::Diagonal,        false,    RuleFamily::International,   RuleFamily::InternationalOfficial,   {26,  true,  false, true,     BL,    false,   'x'}},
    {"Canadian",         12,   5,    SetUp::Diagonal,        false,    RuleFamily::International,   RuleFamily::InternationalOfficial,   {27,  true,  false, false,    TL,    false,   'x'}},
    {"Crowded",          10,   4,    SetUp::Diagonal,        false,    RuleFamily::American,        RuleFamily::American,                {21,  false, false, false,    TL,    false,   'x'}},
    {"Frisian",          10,   4,    SetUp::Diagonal,        false,    RuleFamily::Frisian,         RuleFamily::FrisianOfficial,         {40,  true,  false, false,    TL,    false,   'x'}},
    {"Gothic",           8,    2,    SetUp::EveryFromZero,   false,    RuleFamily::Gothic,          RuleFamily::Gothic,                  {30,  false, false, true,     BL,    false,   'x'}},
    {"International",    10,   4,    SetUp::Diagonal,        false,    RuleFamily::International,   RuleFamily::InternationalOfficial,   {20,  true,  false, false,    TL,    false,   'x'}},
    {"Italian",          8,    3,    SetUp::Diagonal,        true,     RuleFamily::Italian,         RuleFamily::ItalianOfficial,         {22,  true,  false, false,    TL,    true,    'x'}},
    {"Pool checkers",    8,    3,    SetUp::Diagonal,        false,    RuleFamily::PoolCheckers,    RuleFamily::PoolCheckersOfficial,    {23,  true,  false, true,     BL,    false,   'x'}},
    {"Russian",          8,    3,    SetUp::Diagonal,        false,    RuleFamily::Russian,         RuleFamily::RussianOfficial,         {25,  true,  false, true,     BL,    false,   ':'}},
    {"Spanish",          8,    3,    SetUp::Diagonal,        true,     RuleFamily::Spanish,         RuleFamily::SpanishOfficial,         {24,  true,  false, false,    BR,    true,    'x'}},
    {"Sparse checkers",  10,   3,    SetUp::Diagonal,        false,    RuleFamily::American,        RuleFamily::American,                {21,  false, false, false,    TL,    false,   'x'}},
    {"Thai",             8,    2,    SetUp::Diagonal,        false,    RuleFamily::Thai,            RuleFamily::Thai,                    {31,  true,  true,  false,    TL,    false,   'x'}},
    {"Turkish",          8,    2,    SetUp::EveryFromOne,    false,    RuleFamily::Turkish,         RuleFamily::Turkish,                 {30,  true,  false, true,     BL,    false,   'x'}},
};
// clang-format on

bool inTable(GameType type) { return type >= 0 && type < kVariantCount; }

void placeMan(Position& state, int x, int y, Side side) { state.board[y][x] = Cell{Man, side}; }

}  // namespace

const VariantInfo& variantInfo(GameType type) { return kVariants[inTable(type) ? type : American]; }

RuleFamily rulesOf(GameType type, bool official) {
  const VariantInfo& variant = variantInfo(type);
  return official ? variant.officialRules : variant.rules;
}

bool hasOfficialRules(GameType type) { return variantInfo(type).officialRules != variantInfo(type).rules; }

int boardSizeOf(GameType type) { return variantInfo(type).boardSize; }

int setUpBoard(Position& state, GameRecord& record, GameType type) {
  state.gameType = type;
  record.start.custom = 0;
  record.start.side = White;
  std::memset(state.board, 0, sizeof state.board);
  state.boardWritten();
  state.boardSize = boardSizeOf(type);
  const int n = state.boardSize;

  const VariantInfo& variant = variantInfo(type);
  state.invertSquareColours = variant.invertSquareColours ? 1 : 0;
  if (variant.setUp != SetUp::Diagonal) {
    // Every square of the rows is used; Turkish leaves the home rows empty.
    const int first = variant.setUp == SetUp::EveryFromOne ? 1 : 0;
    for (int x = 0; x < n; ++x)
      for (int r = first; r < first + variant.rowsOfMen; ++r) {
        placeMan(state, x, r, White);
        placeMan(state, x, n - 1 - r, Black);
      }
    return 1;
  }
  for (int r = 0; r < variant.rowsOfMen; ++r)
    for (int x = 0; x < n; ++x) {
      if ((x + r) % 2 == 0) placeMan(state, x, r, White);
      if ((x + n - 1 - r) % 2 == 0) placeMan(state, x, n - 1 - r, Black);
    }
  return 1;
}

void setUpStartOf(Position& state, GameRecord& record, GameType type, const StartPosition& start) {
  const StartPosition kept = start;  // a copy: setUpBoard resets the record's own
  setUpBoard(state, record, type);
  record.start = kept;
  if (kept.custom) {
    std::memcpy(state.board, kept.board, sizeof state.board);
    state.boardWritten();
  }
}

const char* gameTypeName(GameType type) { return inTable(type) ? kVariants[type].name : "Unknown"; }

GameType gameTypeFromName(const char* name) {
  if (name == nullptr) return -1;
  for (GameType t = 0; t < kVariantCount; ++t)
    if (std::strcmp(kVariants[t].name, name) == 0) return t;
  return -1;
}

bool playableSquare(GameType type, int x, int y) {
  const int n = boardSizeOf(type);
  if (x < 0 || y < 0 || x >= n || y >= n) return false;
  return variantInfo(type).setUp != SetUp::Diagonal || (x + y) % 2 == 0;
}

std::string squareName(int x, int y) { return static_cast<char>('a' + x) + std::to_string(y + 1); }

}  // namespace velmora
