// Set-up of every variant, and the lookups between variant numbers and names.

#include <gtest/gtest.h>

#include "core/rules/position_text.h"
#include "support/test_support.h"

namespace velmora {
namespace {

int countPieces(const GameState& s, int side, int kind = Man) {
  int count = 0;
  for (int y = 0; y < kMaxBoardSize; ++y)
    for (int x = 0; x < kMaxBoardSize; ++x)
      if (s.board[y][x].kind == kind && s.board[y][x].side == side) ++count;
  return count;
}

TEST(SetUp, MenPerSideAndBoardSizeMatchTheVariantTable) {
  struct Expected {
    GameType type;
    int size;
    int men;
  };
  const Expected table[] = {
      {American, 8, 12}, {Brazilian, 8, 12},       {Canadian, 12, 30}, {Crowded, 10, 20},     {Frisian, 10, 20},
      {Gothic, 8, 16},   {International, 10, 20},  {Italian, 8, 12},   {PoolCheckers, 8, 12}, {Russian, 8, 12},
      {Spanish, 8, 12},  {SparseCheckers, 10, 15}, {Thai, 8, 8},       {Turkish, 8, 16},      {14, 8, 12},
      {-1, 8, 12}};
  for (const auto& e : table) {
    auto s = test::startPosition(e.type);
    EXPECT_EQ(s->boardSize, e.size) << e.type;
    EXPECT_EQ(countPieces(*s, White), e.men) << e.type;
    EXPECT_EQ(countPieces(*s, Black), e.men) << e.type;
    EXPECT_EQ(s->invertSquareColours, e.type == Italian || e.type == Spanish ? 1 : 0) << e.type;
  }
}

TEST(SetUp, StartPositionsReadAsDiagrams) {
  EXPECT_EQ(writePosition(*test::startPosition(American)),
            "W:.b.b.b.b/b.b.b.b./.b.b.b.b/......../......../w.w.w.w./.w.w.w.w/w.w.w.w.");
  EXPECT_EQ(writePosition(*test::startPosition(Thai)),
            "W:.b.b.b.b/b.b.b.b./......../......../......../......../.w.w.w.w/w.w.w.w.");
  EXPECT_EQ(writePosition(*test::startPosition(Turkish)),
            "W:......../bbbbbbbb/bbbbbbbb/......../......../wwwwwwww/wwwwwwww/........");
  EXPECT_EQ(writePosition(*test::startPosition(Gothic)),
            "W:bbbbbbbb/bbbbbbbb/......../......../......../......../wwwwwwww/wwwwwwww");
  EXPECT_EQ(writePosition(*test::startPosition(International)),
            "W:.b.b.b.b.b/b.b.b.b.b./.b.b.b.b.b/b.b.b.b.b./........../........../"
            ".w.w.w.w.w/w.w.w.w.w./.w.w.w.w.w/w.w.w.w.w.");
}

TEST(SetUp, SmallBoardAfterLargeOneLeavesNothingOutsideIt) {
  auto s = test::startPosition(Canadian);
  s->marks[11][11].selected = 1;
  s->marks[3][3].selected = 1;
  setUpBoard(*s, American);
  int outside = 0;
  for (int y = 0; y < kMaxBoardSize; ++y)
    for (int x = 0; x < kMaxBoardSize; ++x)
      if ((x >= 8 || y >= 8) && s->board[y][x].kind != Empty) ++outside;
  EXPECT_EQ(outside, 0);
  EXPECT_EQ(s->marks[3][3].selected, 0);
  EXPECT_EQ(s->board[0][0].kind, Man);
  EXPECT_EQ(s->board[7][7].side, Black);
}

TEST(SetUp, InvertedColoursAreClearedAfterItalian) {
  auto s = test::startPosition(Italian);
  for (GameType next : {Turkish, Gothic, American}) {
    setUpBoard(*s, Italian);
    setUpBoard(*s, next);
    EXPECT_EQ(s->invertSquareColours, 0) << next;
  }
}

TEST(VariantNames, LookupsBothWays) {
  EXPECT_STREQ(gameTypeName(American), "American");
  EXPECT_STREQ(gameTypeName(PoolCheckers), "Pool checkers");
  EXPECT_STREQ(gameTypeName(14), "Unknown");
  EXPECT_STREQ(gameTypeName(-1), "Unknown");
  for (GameType t = 0; t < kVariantCount; ++t) EXPECT_EQ(gameTypeFromName(gameTypeName(t)), t);
  EXPECT_EQ(gameTypeFromName("pool checkers"), -1);
  EXPECT_EQ(gameTypeFromName(""), -1);
  EXPECT_EQ(gameTypeFromName("Unknown"), -1);
}

TEST(PositionText, RefusesMalformedTexts) {
  auto s = std::make_unique<GameState>();
  const char* const bad[] = {
      "",
      "X:......../......../......../......../......../......../......../........",
      "W......../......../......../......../......../......../......../........",
      "W:......../......../......../......../......../......../........",                   // 7 rows
      "W:......../......../......../......../......../......../......../.......",           // short row
      "W:......../......../......../......../......../......../......../.......x",          // unknown piece
      "W:........./........./........./........./........./........./........./.........",  // 9 x 9
  };
  for (const char* text : bad) EXPECT_TRUE(readPosition(text, American, *s).has_value()) << text;
  // A 10 x 10 diagram does not fit an 8 x 8 variant, and the other way round.
  const std::string ten = writePosition(*test::startPosition(International));
  EXPECT_TRUE(readPosition(ten, American, *s).has_value());
  EXPECT_FALSE(readPosition(ten, Frisian, *s).has_value());
  EXPECT_EQ(s->sideToMove(), White);
  // Black to move: the record starts there, with no move of its own.
  EXPECT_FALSE(readPosition("B" + ten.substr(1), Frisian, *s).has_value());
  EXPECT_EQ(s->sideToMove(), Black);
  EXPECT_EQ(s->plyCount, 0);
  EXPECT_EQ(s->start.custom, 1);
}

// The diagonal variants play on the dark squares only (a1 is dark); a piece
// on a light one is refused by name. Turkish and Gothic use every square.
TEST(PositionText, PiecesOnLightSquaresAreNamed) {
  auto s = std::make_unique<GameState>();
  const auto light = [&](const std::string& text, GameType type) {
    EXPECT_EQ(readPosition(text, type, *s), std::nullopt) << text;
    return lightSquarePiece(s->board, type);
  };
  const std::string empty8 = "......../......../......../......../......../......../......../";
  EXPECT_EQ(light("W:" + empty8 + "w.......", American), std::nullopt);  // a1
  EXPECT_EQ(light("W:" + empty8 + ".w......", American),
            "a piece stands on b1, a light square; American is played on the dark squares");
  EXPECT_EQ(light("W:b......./" + empty8.substr(9) + "w.......", Russian),
            "a piece stands on a8, a light square; Russian is played on the dark squares");
  EXPECT_EQ(light("W:" + empty8 + ".w......", Turkish), std::nullopt);
  EXPECT_EQ(light("W:bbbbbbbbbb/bbbbbbbbbb/bbbbbbbbbb/bbbbbbbbbb/........../........../wwwwwwwwww/"
                  "wwwwwwwwww/wwwwwwwwww/wwwwwwwwww",
                  International),
            "a piece stands on a10, a light square; International is played on the dark squares");
  EXPECT_EQ(light(writePosition(*test::startPosition(International)), International), std::nullopt);
}

}  // namespace
}  // namespace velmora
