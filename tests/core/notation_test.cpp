// Move text: writing a record, and reading a text back into the first legal
// move it names.

#include "core/records/notation.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "core/rules/generate.h"
#include "core/rules/position_text.h"
#include "support/test_support.h"

namespace velmora {
namespace {

TEST(Notation, SquareNamesCoverEveryBoardSize) {
  EXPECT_EQ(squareName(0, 0), "a1");
  EXPECT_EQ(squareName(7, 7), "h8");
  EXPECT_EQ(squareName(11, 11), "l12");
}

// c1 over d2, f4, f6 landing on e3, g5, e7.
const char* kThreeCaptures = "W:......../......../.....b../......../.....b../......../...b..../..w.....";

TEST(Notation, CaptureIsWrittenWithEveryLandingSquareAndReadBack) {
  auto s = test::position(American, kThreeCaptures);
  generateMoves(s->legalMoves, *s, White);
  ASSERT_EQ(s->moveCount, 1);
  applyMove(s->legalMoves[0], s->gameRecord[0], *s);
  EXPECT_EQ(formatMove(*s, 0), "c1:e3:g5:e7");

  auto replayed = test::position(American, kThreeCaptures);
  ASSERT_TRUE(playMoveText(*replayed, "c1:e3:g5:e7"));
  EXPECT_EQ(replayed->plyCount, 1);
  EXPECT_EQ(writePosition(*replayed), "B:......../....w.../......../......../......../......../......../........");
}

TEST(Notation, ReadingRulesOfTheText) {
  struct Case {
    const char* text;
    bool played;
  };
  const Case cases[] = {
      {"c3-d4", true},    {"c3-d4x", true},   // characters after the last number are ignored
      {"c03-d004", true}, {"c 3-d 4", true},  // leading white space and zeros
      {"c+3-d+4", true},  {"C3-D4", false},   // only lower-case columns
      {"i3-h4", false},   {"a9-b8", false},   // beyond an 8 x 8 board
      {"c3d4", false},    {"c3-", false},    {"", false},
      {"3c-d4", false},   {"c3-4", false},   {"c-3-d4", false},  // the start row reads as 0
  };
  for (const Case& c : cases) {
    auto s = test::startPosition(American);
    EXPECT_EQ(playMoveText(*s, c.text), c.played) << '"' << c.text << '"';
    EXPECT_EQ(s->plyCount, c.played ? 1 : 0) << c.text;
  }
}

TEST(Notation, CapturePathsMustBeWhole) {
  const char* diagram = "W:......../......../.....b../......../...b..../..w...../......../........";
  for (const char* text : {"c3:e5", "c3-e5", "c3:", "c3:e5:g7:", "c3:e5:g7:h"}) {
    auto s = test::position(American, diagram);
    const bool expected = std::string(text) == "c3:e5:g7:";  // a trailing ":" is ignored
    EXPECT_EQ(playMoveText(*s, text), expected) << text;
    EXPECT_EQ(s->moveCount, 1) << text;  // legal moves regenerated whatever the outcome
  }
}

TEST(Notation, PlainTextFailsWhileACaptureIsCompulsory) {
  auto s = test::position(American, "W:......../......../......../......../...b..../..w...../......../w.......");
  EXPECT_FALSE(playMoveText(*s, "a1-b2"));
  EXPECT_FALSE(playMoveText(*s, "c3-b4"));
  EXPECT_TRUE(playMoveText(*s, "c3:e5"));
}

TEST(Notation, TwelveByTwelveNamesAndOverlongTexts) {
  auto s = test::startPosition(Canadian);
  EXPECT_TRUE(playMoveText(*s, "a5-b6"));
  std::string longText = "c3";
  for (int i = 0; i < 21; ++i) longText += ":e5";
  EXPECT_FALSE(playMoveText(*s, longText));
  EXPECT_EQ(s->plyCount, 1);
}

TEST(Notation, GameRecordFullRefusesTheMove) {
  auto s = test::startPosition(American);
  s->plyCount = kMaxGameMoves;
  EXPECT_FALSE(playMoveText(*s, "c3-d4"));
  EXPECT_EQ(s->plyCount, kMaxGameMoves);
  EXPECT_EQ(s->board[2][2].kind, Man);
}

// Every legal move of many positions of every variant: its text plays that
// move, or an earlier one with the same squares.
TEST(Notation, EveryLegalMoveRoundTripsInEveryVariant) {
  std::mt19937 random(12345);
  auto game = std::make_unique<GameState>();
  auto copy = std::make_unique<GameState>();
  for (GameType type = 0; type < kVariantCount; ++type) {
    setUpBoard(*game, type);
    game->plyCount = 0;
    for (int ply = 0; ply < 120; ++ply) {
      generateMoves(game->legalMoves, *game, game->sideToMove());
      const int count = game->moveCount;
      if (count == 0) break;
      for (int i = 0; i < count; ++i) {
        *copy = *game;
        const std::string text = moveText(game->legalMoves[i]);
        ASSERT_TRUE(playMoveText(*copy, text)) << gameTypeName(type) << " " << text;
        EXPECT_EQ(moveText(copy->gameRecord[game->plyCount]), text);
        bool earlierOrSame = false;
        for (int j = 0; j <= i && !earlierOrSame; ++j)
          earlierOrSame = moveText(game->legalMoves[j]) == text &&
                          std::memcmp(&game->legalMoves[j], &copy->gameRecord[game->plyCount], 5) == 0;
        EXPECT_TRUE(earlierOrSame) << gameTypeName(type) << " " << text;
      }
      const int pick = static_cast<int>(random() % static_cast<unsigned>(count));
      applyMove(game->legalMoves[pick], game->gameRecord[game->plyCount], *game);
      ++game->plyCount;
    }
  }
}

}  // namespace
}  // namespace velmora
