// The fixed arrays at their limits: the game record full before a search
// at the deepest level, a 12 x 12 board crowded with flying kings, and a
// capture longer than a record holds.

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

#include "core/ai/engine.h"
#include "core/game/game_state.h"
#include "core/rules/generate.h"
#include "core/rules/position_text.h"
#include "support/test_support.h"

namespace velmora {
namespace {

TEST(Limits, SearchAtAboveNormalAfterFourHundredMoves) {
  // Two Turkish men a side shuffle sideways for 400 moves.
  auto s = test::position(Turkish, "W:......../b......./......../......../......../......../w......./........");
  for (int ply = 0; ply < kMaxGameMoves; ++ply) {
    generateMoves(s->legalMoves, *s, s->sideToMove());
    int sideways = -1;
    for (int i = 0; i < s->moveCount && sideways < 0; ++i)
      if (s->legalMoves[i].steps[0].toY == s->legalMoves[i].fromY) sideways = i;
    ASSERT_GE(sideways, 0);
    applyMove(s->legalMoves[sideways], s->gameRecord[s->plyCount], *s);
    ++s->plyCount;
  }
  ASSERT_EQ(s->plyCount, kMaxGameMoves);
  // "Above normal", as the game asks it, and the Expert, which reads the
  // whole record for repetitions.
  Engine engine;
  engine.setPosition(*s, *s);
  EngineLimits limits;
  limits.level = 2;
  const EngineResult fast = engine.think(limits);
  limits.literal = true;
  const EngineResult literal = engine.think(limits);
  EXPECT_EQ(fast.result, 1);
  EXPECT_EQ(literal.result, 1);
  EXPECT_EQ(fast.rootIndex, literal.rootIndex);
  EngineLimits expert;
  expert.level = kExpertLevel;
  expert.maxDepth = 6;
  EXPECT_GE(engine.think(expert).rootIndex, 0);
  EXPECT_EQ(s->plyCount, kMaxGameMoves);  // the record as it was
}

// A 12 x 12 lattice: black men on every square of odd column and odd row
// but the edges, a white piece in the corner. Every landing square is empty,
// so the piece could take twenty-five men in one capture, and a king by
// hundreds of paths.
std::string lattice(char corner) {
  std::string text = "W:";
  for (int r = 0; r < 12; ++r) {
    const int y = 11 - r;
    for (int x = 0; x < 12; ++x) text += x % 2 == 1 && y % 2 == 1 && x < 11 && y < 11 ? 'b' : '.';
    if (r < 11) text += '/';
  }
  text[text.size() - 12] = corner;  // a1
  return text;
}

TEST(Limits, ACaptureLongerThanARecordHoldsStopsAtItsLimit) {
  auto s = test::position(Canadian, lattice('w'));
  generateMoves(s->legalMoves, *s, White);
  ASSERT_GT(s->moveCount, 0);
  int longest = 0;
  for (int i = 0; i < s->moveCount; ++i) longest = std::max<int>(longest, s->legalMoves[i].captureCount);
  EXPECT_EQ(longest, kMaxSteps);
  const std::string before = writePosition(*s);
  for (int i = 0; i < s->moveCount; ++i) {
    applyMove(s->legalMoves[i], s->gameRecord[0], *s);
    undoMove(s->gameRecord[0], *s);
  }
  EXPECT_EQ(writePosition(*s), before);
}

TEST(Limits, AFlyingKingsManyLongCapturesStayWithinTheList) {
  // Hundreds of twenty-capture paths, each cut at the record's limit.
  auto s = test::position(Canadian, lattice('W'));
  generateMoves(s->legalMoves, *s, White);
  EXPECT_GT(s->moveCount, 300);
  EXPECT_LE(s->moveCount, kMaxMoves);
  for (int i = 0; i < s->moveCount; ++i) EXPECT_LE(s->legalMoves[i].captureCount, kMaxSteps);
  // A search from here stays within its buffers too.
  test::LevelSearcher searcher;
  EXPECT_EQ(searcher.thinkFor(*s, White, -2, false).result, 1);
}

}  // namespace
}  // namespace velmora
