// The rules of each variant: a position as a diagram and its complete move
// list in generator order ("<move> <captured squares> <kind after>").

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace velmora {
namespace {

using Lines = std::vector<std::string>;

Lines movesOf(GameType type, const std::string& diagram) { return test::moves(*test::position(type, diagram)); }

TEST(StartPositions, PlainMoveCountsForBothSides) {
  const std::pair<GameType, int> expected[] = {{American, 7},      {Crowded, 9}, {SparseCheckers, 9},
                                               {International, 9}, {Turkish, 8}, {Gothic, 22}};
  for (auto [type, count] : expected) {
    auto s = test::startPosition(type);
    EXPECT_EQ(test::moves(*s).size(), static_cast<size_t>(count)) << gameTypeName(type);
    s->plyCount = 1;
    EXPECT_EQ(test::moves(*s).size(), static_cast<size_t>(count)) << gameTypeName(type);
  }
}

TEST(American, ManCrownedByAJumpStopsThere) {
  // A king on e8 could go on over f7; the new king may not.
  EXPECT_EQ(movesOf(American, "W:......../...b.b../..w...../......../......../......../......../........"),
            (Lines{"c6:e8 d7 king"}));
}

TEST(American, ManNeverCapturesBackwardsButMayTakeAKing) {
  EXPECT_EQ(movesOf(American, "W:......../......../......../......../...B..../..w...../.b....../........"),
            (Lines{"c3:e5 d4 man"}));
}

TEST(American, KingJumpsOneSquareAtATimeRoundACircuit) {
  EXPECT_EQ(movesOf(American, "W:......../..b.b.../......../..b.b.../...W..../......../......../........"),
            (Lines{"d4:b6:d8:f6:d4 c5,c7,e7,e5 king", "d4:f6:d8:b6:d4 e5,e7,c7,c5 king"}));
}

TEST(International, MenCaptureBackwards) {
  EXPECT_EQ(movesOf(International,
                    "W:........../........../........../........../........../"
                    "....w...../...b....../........../........../.........."),
            (Lines{"e5:c3 d4 man"}));
}

TEST(International, ManPassingThePromotionRowStaysAMan) {
  EXPECT_EQ(movesOf(International,
                    "W:........../.b.b....../....w...../........../........../"
                    "........../........../........../........../.........."),
            (Lines{"e8:c10:a8 d9,b9 man"}));
  EXPECT_EQ(movesOf(International,
                    "W:........../.....b..../....w...../........../........../"
                    "........../........../........../........../.........."),
            (Lines{"e8:g10 f9 king"}));
}

TEST(International, KingLandsOnEverySquareBehindThePiece) {
  EXPECT_EQ(movesOf(International,
                    "W:........../........../........../......w.../........../"
                    "........../........../..b......./........../W........."),
            (Lines{"a1:d4 c3 king", "a1:e5 c3 king", "a1:f6 c3 king"}));
}

TEST(International, ThreeByAManBeatTwoByAKing) {
  EXPECT_EQ(movesOf(International,
                    "W:........../........../........../........../...b.b..../"
                    "........../...b....../......b.../.b.....W../w........."),
            (Lines{"a1:c3:e5:c7 b2,d4,d6 man", "a1:c3:e5:g7 b2,d4,f6 man"}));
}

TEST(PoolCheckers, ShortCapturesStayBesideLongOnes) {
  EXPECT_EQ(movesOf(PoolCheckers, "W:......../......../.....b../......../.b.b..../..w...../......../........"),
            (Lines{"c3:a5 b4 man", "c3:e5:g7 d4,f6 man"}));
}

TEST(Russian, KingsCapturesExcludeTheMens) {
  EXPECT_EQ(movesOf(Russian, "W:......../....b.../......../..b...../.w....../..b...../......../W......."),
            (Lines{"a1:d4:b6 c3,c5 king", "a1:d4:a7 c3,c5 king", "a1:f6:d8 c3,e7 king"}));
}

TEST(Russian, EveryJumpOfAManEndsAListedMove) {
  EXPECT_EQ(movesOf(Russian, "W:......../......../.....b../......../...b..../..w...../......../........"),
            (Lines{"c3:e5 d4 man", "c3:e5:g7 d4,f6 man"}));
}

TEST(Russian, CrownedManGoesOnAsAKing) {
  auto s = test::position(Russian, "W:......../...b..../..w...b./......../......../......../......../........");
  EXPECT_EQ(test::moves(*s), (Lines{"c6:e8:h5 d7,g6 king"}));
  const MoveRecord& m = s->legalMoves[0];
  EXPECT_EQ(m.pieceKind, Man);
  EXPECT_EQ(m.steps[0].kindAfter, King);
  EXPECT_EQ(m.steps[1].kindAfter, King);
}

TEST(Russian, CrownedManWithNothingMoreIsListedTwice) {
  EXPECT_EQ(movesOf(Russian, "W:......../...b..../..w...../......../......../......../......../........"),
            (Lines{"c6:e8 d7 king", "c6:e8 d7 king"}));
}

TEST(Italian, ManCannotTakeAKingButAKingCan) {
  EXPECT_EQ(movesOf(Italian, "W:......../......../......../......../...B..../..w...../......../........"),
            (Lines{"c3-b4 - man"}));
  EXPECT_EQ(movesOf(Italian, "W:......../......../......../......../...B..../..W...../......../........"),
            (Lines{"c3:e5 d4 king"}));
}

TEST(Italian, QualityPrefersKingsAndEarlierKings) {
  // Two men (200) against a man then a king (399).
  EXPECT_EQ(movesOf(Italian, "W:......../..b...B./......../..b.b.../...W..../......../......../........"),
            (Lines{"d4:f6:h8 e5,g7 king"}));
  // A king then a man (400) against a man then a king (399).
  EXPECT_EQ(movesOf(Italian, "W:......../..B...b./......../..b.B.../...W..../......../......../........"),
            (Lines{"d4:f6:h8 e5,g7 king"}));
}

TEST(Spanish, LongerCaptureWinsWhateverItTakes) {
  EXPECT_EQ(movesOf(Spanish, "W:......../......b./......../..B.b.../...W..../......../......../........"),
            (Lines{"d4:f6:h8 e5,g7 king"}));
}

TEST(Spanish, KingCapturesFromADistanceAndManTakesAKing) {
  EXPECT_EQ(movesOf(Spanish, "W:......../......../......../......../...b..../......../......../W......."),
            (Lines{"a1:e5 d4 king", "a1:f6 d4 king", "a1:g7 d4 king", "a1:h8 d4 king"}));
  EXPECT_EQ(movesOf(Spanish, "W:......../......../......../......../...B..../..w...../......../........"),
            (Lines{"c3:e5 d4 man"}));
}

TEST(Thai, KingLandsDirectlyBehindItsPiece) {
  EXPECT_EQ(movesOf(Thai, "W:......../......../......../......../...b..../......../......../W......."),
            (Lines{"a1:e5 d4 king"}));
}

TEST(Thai, EveryCaptureStays) {
  EXPECT_EQ(movesOf(Thai, "W:......../......../.b....../......../.b.b..../..w...../......../........"),
            (Lines{"c3:a5:c7 b4,b6 man", "c3:e5 d4 man"}));
}

TEST(Turkish, ManCapturesSidewaysAndForward) {
  EXPECT_EQ(movesOf(Turkish, "W:......../......../......../......../..b...../.b....../..bw..../........"),
            (Lines{"d2:b2:b4:d4 c2,b3,c4 man"}));
}

TEST(Turkish, KingLandsAnywhereBehindAndNeverRetakes) {
  EXPECT_EQ(movesOf(Turkish, "W:......../......../......../......../W.b...w./......../......../........"),
            (Lines{"a4:d4 c4 king", "a4:e4 c4 king", "a4:f4 c4 king"}));
  EXPECT_EQ(movesOf(Turkish, "W:......../......../......../......../......../b......./......../W......."),
            (Lines{"a1:a4 a3 king", "a1:a5 a3 king", "a1:a6 a3 king", "a1:a7 a3 king", "a1:a8 a3 king"}));
}

TEST(Turkish, ManEndingOnThePromotionRowIsCrowned) {
  EXPECT_EQ(movesOf(Turkish, "W:..b...../.b....../.w....../......../......../......../......../........"),
            (Lines{"b6:b8:d8 b7,c8 king"}));
}

TEST(Gothic, ManLeavingThePromotionRowSidewaysStaysAMan) {
  EXPECT_EQ(movesOf(Gothic, "W:..b...../.b....../.w....../......../......../......../......../........"),
            (Lines{"b6:b8:d8 b7,c8 man"}));
}

TEST(Gothic, KingGoesOneSquareInEightDirections) {
  EXPECT_EQ(movesOf(Gothic, "W:......../......../......../......../...W..../......../......../........"),
            (Lines{"d4-c4 - king", "d4-e4 - king", "d4-d5 - king", "d4-c5 - king", "d4-e5 - king", "d4-d3 - king",
                   "d4-c3 - king", "d4-e3 - king"}));
  EXPECT_EQ(movesOf(Gothic, "W:......../......../......../.....b../...Wb.../......../......../........"),
            (Lines{"d4:f4:f6 e4,f5 king"}));
}

TEST(Frisian, StraightCapturesOverPlayableSquares) {
  EXPECT_EQ(movesOf(Frisian,
                    "W:........../........../........../........../........../"
                    "....b...../........../....w...../........../.........."),
            (Lines{"e3:e7 e5 man"}));
  EXPECT_EQ(movesOf(Frisian,
                    "W:........../........../........../........../........../"
                    "..w.b...../........../........../........../w........."),
            (Lines{"c5:g5 e5 man"}));
  EXPECT_EQ(movesOf(Frisian,
                    "W:........../........../........../........../........../"
                    "W.....b.../........../........../........../.........."),
            (Lines{"a5:i5 g5 king"}));
}

TEST(Frisian, NoPlainMoveAlongARowOrColumn) {
  auto s = test::position(Frisian,
                          "W:........../........../........../........../........../"
                          "....W...../........../........../........../..........");
  test::moves(*s);
  EXPECT_EQ(s->moveCount, 17);
  for (int i = 0; i < s->moveCount; ++i) {
    const MoveRecord& m = s->legalMoves[i];
    EXPECT_NE(m.fromX, m.steps[0].toX);
    EXPECT_NE(m.fromY, m.steps[0].toY);
  }
}

TEST(Unknown, ValuesOutsideTheTablePlayAmerican) {
  const char* diagram = "W:......../......../.....b../......../.b.b..../..w...../......../........";
  EXPECT_EQ(movesOf(14, diagram), movesOf(American, diagram));
  EXPECT_EQ(movesOf(-7, diagram), movesOf(American, diagram));
}

}  // namespace
}  // namespace velmora
