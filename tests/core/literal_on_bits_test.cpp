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
  int rootIndex = -1;
  int rootBest = 0;
  std::uint64_t nodes = 0;
  bool operator==(const Answer&) const = default;
};

// chooseComputerMove's set-up, then the bitboard search where it holds the
// position, or the record search alone.
Answer think(SearchLists& lists, GameState& s, int level, bool giveAway, bool onRecords) {
  s.giveAway = giveAway;
  LevelTask task;
  task.side = s.sideToMove();
  task.depth = level + 2;
  Search search{s, lists, task};
  Answer a;
  if (onRecords) {
    prepareSearch(search);
    a.result = searchMin(search, task.depth, kInitialMaxBest);
  } else {
    a.result = chooseComputerMove(search);
  }
  a.rootIndex = a.result == 1 ? search.rootIndex : -1;
  a.rootBest = search.rootBest;
  a.nodes = search.nodes;
  return a;
}

// Both searches at Easy, and at Normal where Easy stayed small, so that the
// test stays short; true when they agree and the bitboard search left the
// board as it found it.
int comparedAt[2];

bool agree(SearchLists& lists, GameState& s, bool giveAway, const std::string& where) {
  std::uint64_t nodes = 0;
  for (int level = 0; level <= 1 && nodes < 5000; ++level) {
    Board before;
    std::memcpy(before, s.board, sizeof before);
    const Answer bits = think(lists, s, level, giveAway, false);
    EXPECT_EQ(std::memcmp(before, s.board, sizeof before), 0) << where;
    const Answer records = think(lists, s, level, giveAway, true);
    EXPECT_TRUE(bits == records) << where << " level " << level << ": index " << bits.rootIndex << " vs "
                                 << records.rootIndex << ", score " << bits.rootBest << " vs " << records.rootBest
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
  auto lists = std::make_unique<SearchLists>();
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
          if (!agree(*lists, *s, giveAway, std::string(gameTypeName(type)) + " ply " + std::to_string(ply))) return;
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
  auto lists = std::make_unique<SearchLists>();
  for (GameType type = 0; type < kVariantCount; ++type) {
    if (!diagonal(type)) continue;
    std::mt19937 random(900 + static_cast<unsigned>(type));
    for (int k = 0; k < 8; ++k) {
      const std::string text = test::randomPositionText(type, random, 12);
      auto s = test::position(type, text);
      if (!agree(*lists, *s, k % 2 == 1, std::string(gameTypeName(type)) + " " + text)) return;
    }
  }
}

}  // namespace
}  // namespace velmora
