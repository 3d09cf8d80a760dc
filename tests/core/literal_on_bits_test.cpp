// The literal search on bitboards against the same search on move records:
// the same result, choice, root score and node count, on random games and
// on positions with kings of every diagonal variant, with and without
// give-away.

#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "core/ai/search.h"
#include "core/rules/generate.h"
#include "support/test_support.h"

namespace velmora {
namespace {

struct Answer {
  int result = 0;
  int bestRootIndex = -1;
  int rootBest = 0;
  std::uint64_t nodes = 0;
  bool operator==(const Answer&) const = default;
};

// chooseComputerMove's set-up, then the record search alone.
int chooseOnRecords(Search& search) {
  GameState& g = search.game;
  buildEvalTable(g, search.table);
  search.nodes = 0;
  search.rootBest = kInitialMinBest;
  search.runningSum = boardSum(g, search.table);
  return searchMin(search, g.searchDepth, kInitialMaxBest);
}

Answer think(GameState& s, int level, bool giveAway, int (*choose)(Search&)) {
  s.aiSide = s.sideToMove();
  s.aiOpponent = s.aiSide ^ 1;
  s.searchDepth = level + 2;
  s.giveAway = giveAway;
  s.thinking = 1;
  s.bestRootIndex = -1;
  Search search{s};
  Answer a;
  a.result = choose(search);
  a.bestRootIndex = s.bestRootIndex;
  a.rootBest = search.rootBest;
  a.nodes = search.nodes;
  return a;
}

// Both searches at Easy, and at Normal where Easy stayed small, so that the
// test stays short; true when they agree and the bitboard search left the
// board as it found it.
int comparedAt[2];

bool agree(GameState& s, bool giveAway, const std::string& where) {
  std::uint64_t nodes = 0;
  for (int level = 0; level <= 1 && nodes < 5000; ++level) {
    Board before;
    std::memcpy(before, s.board, sizeof before);
    const Answer bits = think(s, level, giveAway, chooseComputerMove);
    EXPECT_EQ(std::memcmp(before, s.board, sizeof before), 0) << where;
    const Answer records = think(s, level, giveAway, chooseOnRecords);
    EXPECT_TRUE(bits == records) << where << " level " << level << ": index " << bits.bestRootIndex << " vs "
                                 << records.bestRootIndex << ", score " << bits.rootBest << " vs " << records.rootBest
                                 << ", nodes " << bits.nodes << " vs " << records.nodes;
    if (!(bits == records)) return false;
    nodes = records.nodes;
    ++comparedAt[level];
  }
  return true;
}

bool diagonal(GameType type) { return type != Turkish && type != Gothic; }

TEST(LiteralOnBits, AgreesWithTheRecordsOnRandomGames) {
  int compared = 0;
  auto s = std::make_unique<GameState>();
  for (GameType type = 0; type < kVariantCount; ++type) {
    if (!diagonal(type)) continue;
    for (bool giveAway : {false, true}) {
      std::mt19937 random(static_cast<unsigned>(type * 2 + giveAway + 11));
      setUpBoard(*s, type);
      s->plyCount = 0;
      for (int ply = 0; ply < 200; ++ply) {
        generateMoves(s->legalMoves, *s, s->sideToMove());
        const int n = s->moveCount;
        if (n == 0 || ply % 9 == 4) {
          if (!agree(*s, giveAway, std::string(gameTypeName(type)) + " ply " + std::to_string(ply))) return;
          ++compared;
        }
        if (n == 0) break;
        const MoveRecord move = s->legalMoves[random() % static_cast<unsigned>(n)];
        applyMove(move, s->gameRecord[s->plyCount], *s);
        ++s->plyCount;
      }
    }
  }
  EXPECT_GT(compared, 200);
  EXPECT_GT(comparedAt[1], 100);
  std::printf("compared %d positions, %d at Normal\n", compared, comparedAt[1]);
}

TEST(LiteralOnBits, AgreesWithTheRecordsOnPositionsWithKings) {
  for (GameType type = 0; type < kVariantCount; ++type) {
    if (!diagonal(type)) continue;
    std::mt19937 random(900 + static_cast<unsigned>(type));
    for (int k = 0; k < 8; ++k) {
      const std::string text = test::randomPositionText(type, random, 12);
      auto s = test::position(type, text);
      if (!agree(*s, k % 2 == 1, std::string(gameTypeName(type)) + " " + text)) return;
    }
  }
}

}  // namespace
}  // namespace velmora
