// FEN and the squares of each variant's PDN convention: the numbering pinned
// at its corners, positions read back as written in every variant, the
// lenient forms other programs write, and refusals that keep the game.

#include "core/records/fen.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "core/records/notation.h"
#include "core/records/pdn_board.h"
#include "core/rules/generate.h"
#include "core/rules/position_text.h"
#include "support/test_support.h"

namespace velmora {
namespace {

bool sameBoard(const GameState& a, const GameState& b) {
  for (int y = 0; y < a.boardSize; ++y)
    for (int x = 0; x < a.boardSize; ++x) {
      const Cell &p = a.board[y][x], &q = b.board[y][x];
      if (p.kind != q.kind || (p.kind != Empty && p.side != q.side)) return false;
    }
  return true;
}

TEST(PdnSquares, NumberingRunsFromEachVariantsCorner) {
  // Square 1 and the square of our a1, where our White's home row begins.
  struct Case {
    GameType type;
    const char* one;  // our name of PDN's square 1
    const char* a1;   // PDN's name of our a1
  } cases[] = {
      {International, "b10", "46"}, {Canadian, "b12", "67"},
      {American, "g1", "4"},  // the first mover is numbered 1-12 from its own side
      {Italian, "h8", "32"},  // mirrored: PDN's a1 is not a playing square
      {Spanish, "a1", "1"},         {Thai, "b8", "29"},
      {Russian, "a1", "a1"},
  };
  for (const Case& c : cases) {
    const auto one = readPdnSquare(c.type, "1");
    if (pdnConvention(c.type).algebraic) {
      EXPECT_FALSE(one) << gameTypeName(c.type);
    } else {
      ASSERT_TRUE(one) << gameTypeName(c.type);
      EXPECT_EQ(squareName(one->x, one->y), c.one) << gameTypeName(c.type);
    }
    EXPECT_EQ(pdnSquare(c.type, 0, 0), c.a1) << gameTypeName(c.type);
  }
  EXPECT_FALSE(readPdnSquare(International, "51"));
  EXPECT_FALSE(readPdnSquare(Russian, "b1"));  // a square that is never played on
  EXPECT_TRUE(readPdnSquare(Turkish, "b1"));   // every square is
}

TEST(Fen, StartPositionsInThePdnColours) {
  auto s = test::startPosition(American);
  EXPECT_EQ(writeFen(*s), "B:W21,22,23,24,25,26,27,28,29,30,31,32:B1,2,3,4,5,6,7,8,9,10,11,12");
  s = test::startPosition(Russian);
  EXPECT_EQ(writeFen(*s), "W:Wa1,c1,e1,g1,b2,d2,f2,h2,a3,c3,e3,g3:Bb6,d6,f6,h6,a7,c7,e7,g7,b8,d8,f8,h8");
  s = test::position(International,
                     "B:........../........../........../........../........../"
                     "........../........../........../........../W.........");
  EXPECT_EQ(writeFen(*s), "B:WK46:B");
}

TEST(Fen, EveryVariantReadsBackWhatItWrites) {
  std::mt19937 random(15);
  for (GameType type = 0; type < kVariantCount; ++type) {
    auto s = test::startPosition(type);
    auto back = std::make_unique<GameState>();
    for (int ply = 0; ply < 120; ++ply) {
      const std::string fen = writeFen(*s);
      ASSERT_FALSE(readFen(fen, type, *back)) << gameTypeName(type) << " " << fen;
      EXPECT_TRUE(sameBoard(*s, *back)) << gameTypeName(type) << " " << fen;
      EXPECT_EQ(back->sideToMove(), s->sideToMove()) << fen;
      EXPECT_EQ(back->start.custom, ply == 0 ? 0 : 1) << fen;  // only the set-up itself is no custom start
      generateMoves(s->legalMoves, *s, s->sideToMove());
      if (s->moveCount == 0) break;
      applyMove(s->legalMoves[random() % static_cast<unsigned>(s->moveCount)], s->gameRecord[s->plyCount], *s);
      ++s->plyCount;
    }
  }
}

TEST(Fen, LenientFormsOfOtherPrograms) {
  auto s = std::make_unique<GameState>();
  // Ranges, kings, the colours in either order, an empty colour, spaces,
  // quotes and a final full stop.
  ASSERT_FALSE(readFen(" \"B:B 1-3, K5 :W\". ", International, *s));
  EXPECT_EQ(writePosition(*s),
            "B:.b.b.b...B/........../........../........../........../"
            "........../........../........../........../..........");
  EXPECT_EQ(s->start.custom, 1);
  EXPECT_EQ(s->start.side, Black);
  ASSERT_FALSE(readFen("W:BA7,kH8:W", Russian, *s));  // letters in either case
  EXPECT_EQ(writePosition(*s), "W:.......B/b......./......../......../......../......../......../........");
  // American: PDN's White is our Black, and is to move.
  ASSERT_FALSE(readFen("W:W32:B1", American, *s));
  EXPECT_EQ(s->sideToMove(), Black);
  EXPECT_EQ(writePosition(*s), "B:.b....../......../......../......../......../......../......../......w.");
}

TEST(Fen, RefusalsSayWhatWasExpectedAndKeepTheGame) {
  auto s = test::startPosition(International);
  const std::string before = writePosition(*s);
  struct Case {
    const char* fen;
    const char* message;
  } cases[] = {
      {"", "FEN: expected the side to move, W or B, at the start, found \"\""},
      {"X:W1", "FEN: expected the side to move, W or B, at the start, found \"X\""},
      {"W:W51", "FEN, field 2: expected a square number from 1 to 50, found \"51\""},
      {"W:W1:B1", "FEN, field 3: square 1 is given twice"},
      {"W:W1:W2", "FEN: the colour W is given twice"},
      {"W:Q1", "FEN, field 2: expected W or B before a list of squares, found \"Q1\""},
      {"W:W9-3", "FEN, field 2: expected a square or a range such as 1-12, found \"9-3\""},
      {"W:W1,,2", "FEN, field 2: expected a square number from 1 to 50, found \"\""},
  };
  for (const Case& c : cases) {
    const auto error = readFen(c.fen, International, *s);
    ASSERT_TRUE(error) << c.fen;
    EXPECT_EQ(*error, c.message);
    EXPECT_EQ(writePosition(*s), before);
  }
  EXPECT_EQ(readFen("W:Wa1-c3", Russian, *s).value_or(""),
            "FEN, field 2: expected a square or a range such as 1-12, found \"a1-c3\"");
}

}  // namespace
}  // namespace velmora
