// The generator framework: scan order, compulsory capture, the choices among
// captures, apply and undo, and the limits of the fixed buffers.

#include "core/rules/generate.h"

#include <gtest/gtest.h>

#include <cstring>

#include "support/test_support.h"

namespace velmora {
namespace {

using Lines = std::vector<std::string>;

void playFirst(GameState& s, const std::string& text) {
  generateMoves(s.legalMoves, s, s.sideToMove());
  for (int i = 0; i < s.moveCount; ++i)
    if (test::moveTexts(s)[static_cast<size_t>(i)] == text) {
      applyMove(s.legalMoves[i], s.gameRecord[s.plyCount], s);
      ++s.plyCount;
      return;
    }
  FAIL() << text << " is not legal";
}

TEST(Generate, LoneKingInTheCornerHasOneMove) {
  auto s = test::position(American, "W:......../......../......../......../......../......../......../W.......");
  EXPECT_EQ(test::moves(*s), (Lines{"a1-b2 - king"}));
}

TEST(Generate, BlackStartMovesComeFromItsFrontRowInScanOrder) {
  auto s = test::startPosition(American);
  s->plyCount = 1;
  EXPECT_EQ(test::moveTexts(*s), (Lines{"b6-a5", "b6-c5", "d6-c5", "d6-e5", "f6-e5", "f6-g5", "h6-g5"}));
}

TEST(Generate, BlockedOrAbsentSidesHaveNoMove) {
  auto blocked = test::position(American, "W:......../......../......../......../......../..b...../.b....../w.......");
  EXPECT_TRUE(test::moves(*blocked).empty());
  auto none = test::position(International,
                             "W:........../........../........../........../........../"
                             "........../........../........../........../.b........");
  EXPECT_TRUE(test::moves(*none).empty());
}

TEST(Generate, CapturesAreCompulsoryAndTheLongestWinsWhereTheVariantSaysSo) {
  const char* diagram = "W:......../......../.....b../......../.b.b..../..w...../......../........";
  auto american = test::position(American, diagram);
  EXPECT_EQ(test::moves(*american), (Lines{"c3:e5:g7 d4,f6 man"}));
  auto pool = test::position(PoolCheckers, diagram);
  EXPECT_EQ(test::moves(*pool), (Lines{"c3:a5 b4 man", "c3:e5:g7 d4,f6 man"}));
}

TEST(Generate, PlainMoveWithPromotionIsUndoneToTheMan) {
  auto s = test::position(American, "W:......../......w./......../......../......../......../......../........");
  Board before;
  std::memcpy(before, s->board, sizeof before);
  generateMoves(s->legalMoves, *s, White);
  ASSERT_EQ(s->moveCount, 2);
  applyMove(s->legalMoves[0], s->gameRecord[0], *s);
  EXPECT_EQ(s->board[7][5].kind, King);
  EXPECT_EQ(s->board[6][6].kind, Empty);
  undoMove(s->gameRecord[0], *s);
  EXPECT_EQ(s->board[6][6].kind, Man);
  EXPECT_EQ(s->board[6][6].side, White);
  EXPECT_EQ(s->board[7][5].kind, Empty);
}

// A flying king can take four pieces round a diamond and stop where it began.
TEST(Generate, CaptureEndingOnItsStartSquareAppliesAndUndoes) {
  auto s = test::position(International,
                          "W:........../........../........../........../........../........../"
                          ".b.b....../W........./.b.b....../..........");
  EXPECT_EQ(test::moves(*s), (Lines{"a3:c5:e3:c1:a3 b4,d4,d2,b2 king", "a3:c1:e3:c5:a3 b2,d2,d4,b4 king"}));
  applyMove(s->legalMoves[0], s->gameRecord[0], *s);
  EXPECT_EQ(s->board[2][0].kind, King);
  EXPECT_EQ(s->board[2][0].side, White);
  for (auto [x, y] : {std::pair{1, 3}, {3, 3}, {3, 1}, {1, 1}}) EXPECT_EQ(s->board[y][x].kind, Empty);
  undoMove(s->gameRecord[0], *s);
  for (auto [x, y] : {std::pair{1, 3}, {3, 3}, {3, 1}, {1, 1}}) {
    EXPECT_EQ(s->board[y][x].kind, Man);
    EXPECT_EQ(s->board[y][x].side, Black);
  }
  EXPECT_EQ(s->board[2][0].kind, King);
}

TEST(Generate, QualityCountsMenAsHundredAndEarlierKingsHigher) {
  MoveRecord m{};
  m.captureCount = 2;
  m.steps[0].capturedKind = Man;
  m.steps[1].capturedKind = King;
  EXPECT_EQ(captureQuality(m), 100 + 299);
  m.steps[0].capturedKind = King;
  m.steps[1].capturedKind = Man;
  EXPECT_EQ(captureQuality(m), 300 + 100);
  m.steps[1].capturedKind = King;
  EXPECT_EQ(captureQuality(m), 300 + 299);
}

// Black men on every odd square of a 12 x 12 board: a man has capture paths
// of more than 20 pieces, and more of them than a list holds.
std::string latticePosition(bool fourMen) {
  std::string rows[12];
  for (int y = 11; y >= 0; --y) {
    std::string& row = rows[11 - y];
    row.assign(12, '.');
    for (int x = 0; x < 12; ++x)
      if (x % 2 == 1 && y % 2 == 1 && x <= 9 && y <= 9) row[static_cast<size_t>(x)] = 'b';
  }
  rows[11][0] = 'w';                                           // a1
  if (fourMen) rows[11][10] = rows[1][0] = rows[1][10] = 'w';  // k1, a11, k11
  std::string text = "W:";
  for (int i = 0; i < 12; ++i) text += rows[i] + (i < 11 ? "/" : "");
  return text;
}

TEST(Generate, LongCapturesStopAtTwentyStepsAndListsAtAThousand) {
  auto one = test::position(Canadian, latticePosition(false));
  generateMoves(one->legalMoves, *one, White);
  ASSERT_GT(one->moveCount, 0);
  EXPECT_EQ(one->legalMoves[0].captureCount, kMaxSteps);
  EXPECT_EQ(one->aiSide, Black);  // the fields after the scratch path are untouched

  // With four men the list fills during the first man's search: the other
  // men's paths, as long as his, are never recorded.
  auto four = test::position(Canadian, latticePosition(true));
  Board before;
  std::memcpy(before, four->board, sizeof before);
  generateMoves(four->legalMoves, *four, White);
  EXPECT_LE(four->moveCount, kMaxMoves);
  EXPECT_GT(four->moveCount, one->moveCount);
  for (int i = 0; i < four->moveCount; ++i) {
    EXPECT_EQ(four->legalMoves[i].captureCount, kMaxSteps);
    EXPECT_EQ(four->legalMoves[i].fromX, 0);
    EXPECT_EQ(four->legalMoves[i].fromY, 0);
  }
  EXPECT_EQ(std::memcmp(before, four->board, sizeof before), 0);
}

TEST(Generate, PlayedGameKeepsTheRecordAndSideToMove) {
  auto s = test::startPosition(American);
  playFirst(*s, "c3-d4");
  playFirst(*s, "f6-e5");
  playFirst(*s, "d4:f6");
  EXPECT_EQ(s->plyCount, 3);
  EXPECT_EQ(s->gameRecord[2].captureCount, 1);
  EXPECT_EQ(test::moveTexts(*s), (Lines{"e7:g5", "g7:e5"}));
}

}  // namespace
}  // namespace velmora
