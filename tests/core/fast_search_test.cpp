// The game's search against the literal one: the same choice and the same
// root score on positions from random games of every variant.

#include "core/ai/fast_search.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "core/ai/search.h"
#include "core/rules/generate.h"
#include "support/test_support.h"

namespace velmora {
namespace {

using test::LevelAnswer;

bool sameBoard(const GameState& a, const Board& b) {
  for (int y = 0; y < a.boardSize; ++y)
    for (int x = 0; x < a.boardSize; ++x) {
      const Cell &p = a.board[y][x], &q = b[y][x];
      if (p.kind != q.kind || (p.kind != Empty && p.side != q.side)) return false;
    }
  return true;
}

struct Coverage {
  int compared[3] = {}, singleMove = 0, noMove = 0, forcedWin = 0, forcedLoss = 0;
  std::uint64_t literalNodes = 0, fastNodes = 0;
};

// Both searches on the position of `s` at `level`, the fast one first; any
// difference is a fault of the fast one. The literal search costs some tens
// of times more: it is skipped, and false returned, where the fast one needs
// more than `fastNodes`, so that the test stays short.
bool compare(test::LevelSearcher& searcher, GameState& s, int level, bool giveAway, std::uint64_t fastNodes,
             Coverage& seen, const std::string& where) {
  Board before;
  std::memcpy(before, s.board, sizeof before);
  const int plyCount = s.plyCount;
  const LevelAnswer fast = searcher.think(s, level, giveAway, false);
  EXPECT_TRUE(sameBoard(s, before));
  EXPECT_EQ(s.plyCount, plyCount);
  if (fast.nodes > fastNodes) return false;
  const LevelAnswer literal = searcher.think(s, level, giveAway, true);
  SCOPED_TRACE(where + " level " + std::to_string(level) + (giveAway ? " give-away" : ""));
  EXPECT_EQ(fast.result, literal.result);
  EXPECT_EQ(fast.rootIndex, literal.rootIndex);
  EXPECT_EQ(fast.rootBest, literal.rootBest);

  ++seen.compared[level];
  seen.literalNodes += literal.nodes;
  seen.fastNodes += fast.nodes;
  if (literal.result == 1 && literal.nodes == 0) ++seen.singleMove;
  if (literal.result == kComputerStuck - (level + 2)) ++seen.noMove;
  if (literal.nodes > 0 && literal.rootBest <= kOpponentStuck) ++seen.forcedWin;
  if (literal.nodes > 0 && literal.rootBest >= kComputerStuck - kMaxSearchDepth) ++seen.forcedLoss;
  return true;
}

// Random games of all fourteen variants, with and without give-away. Every
// few moves, and where the game ends, the position is searched at Easy, and
// at the levels above while the searches stay small there. The searches
// follow one another as in a game, so the fast one's table holds entries of
// other positions, sides and evaluation tables as it would there.
TEST(FastSearch, AgreesWithTheLiteralSearchOnRandomGames) {
  const std::uint64_t kFastNodes = 3000;
  Coverage seen;
  test::LevelSearcher searcher;
  auto s = std::make_unique<GameState>();
  for (GameType type = 0; type < kVariantCount; ++type)
    for (bool giveAway : {false, true}) {
      std::mt19937 random(static_cast<unsigned>(type * 2 + giveAway + 1));
      setUpBoard(*s, type);
      s->plyCount = 0;
      for (int ply = 0; ply < 300; ++ply) {
        generateMoves(s->legalMoves, *s, s->sideToMove());
        const int n = s->moveCount;
        if (n == 0 || ply % 7 == 3) {
          const std::string where = std::string(gameTypeName(type)) + " ply " + std::to_string(ply);
          for (int level = 0; level <= 2; ++level)
            if (!compare(searcher, *s, level, giveAway, kFastNodes, seen, where)) break;
        }
        if (n == 0) break;
        generateMoves(s->legalMoves, *s, s->sideToMove());
        const MoveRecord move = s->legalMoves[random() % static_cast<unsigned>(n)];
        applyMove(move, s->gameRecord[s->plyCount], *s);
        ++s->plyCount;
      }
    }
  // The positions must include the root's special cases.
  EXPECT_GT(seen.singleMove, 0);
  EXPECT_GT(seen.noMove, 0);
  EXPECT_GT(seen.forcedWin, 0);
  EXPECT_GT(seen.forcedLoss, 0);
  for (int level = 0; level <= 2; ++level) EXPECT_GT(seen.compared[level], 100) << level;
  EXPECT_LT(seen.fastNodes * 10, seen.literalNodes);
  std::printf(
      "compared %d + %d + %d positions: single move %d, no move %d, forced win %d, forced loss %d; "
      "nodes %llu literal, %llu fast\n",
      seen.compared[0], seen.compared[1], seen.compared[2], seen.singleMove, seen.noMove, seen.forcedWin,
      seen.forcedLoss, static_cast<unsigned long long>(seen.literalNodes),
      static_cast<unsigned long long>(seen.fastNodes));
}

// The variants with a federation's rules by those: the bitboards' choices
// among captures and their merged routes must be the records'.
TEST(FastSearch, AgreesWithTheLiteralSearchByTheFederationsRules) {
  const std::uint64_t kFastNodes = 3000;
  Coverage seen;
  test::LevelSearcher searcher;
  auto s = std::make_unique<GameState>();
  for (GameType type = 0; type < kVariantCount; ++type) {
    if (!hasOfficialRules(type)) continue;
    std::mt19937 random(static_cast<unsigned>(type + 40));
    setUpBoard(*s, type);
    s->officialRules = 1;
    s->plyCount = 0;
    for (int ply = 0; ply < 200; ++ply) {
      generateMoves(s->legalMoves, *s, s->sideToMove());
      const int n = s->moveCount;
      if (n == 0 || ply % 4 == 1) {
        const std::string where = std::string(gameTypeName(type)) + " official ply " + std::to_string(ply);
        for (int level = 0; level <= 2; ++level)
          if (!compare(searcher, *s, level, false, kFastNodes, seen, where)) break;
      }
      if (n == 0) break;
      const MoveRecord move = s->legalMoves[random() % static_cast<unsigned>(n)];
      applyMove(move, s->gameRecord[s->plyCount], *s);
      ++s->plyCount;
    }
  }
  EXPECT_GT(seen.compared[0], 100);
  EXPECT_GT(seen.compared[1], 50);
}

// Positions with kings of both sides and few men: long sliding moves reach
// the same position by many paths, so the table answers many nodes, and
// cut-offs come from the entries of children as well as of nodes.
TEST(FastSearch, AgreesWithTheLiteralSearchOnPositionsWithKings) {
  const std::uint64_t kFastNodes = 20000;
  Coverage seen;
  test::LevelSearcher searcher;
  for (GameType type = 0; type < kVariantCount; ++type) {
    std::mt19937 random(500 + static_cast<unsigned>(type));
    for (int k = 0; k < 12; ++k) {
      const std::string text = test::randomPositionText(type, random, 12);
      auto s = test::position(type, text);
      for (int level = 0; level <= 2; ++level)
        if (!compare(searcher, *s, level, k % 2 == 1, kFastNodes, seen, std::string(gameTypeName(type)) + " " + text))
          break;
    }
  }
  EXPECT_GT(seen.compared[1], 60);
  EXPECT_GT(seen.compared[2], 20);
}

}  // namespace
}  // namespace velmora
