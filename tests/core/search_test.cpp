// The computer's search: root rules, terminal scores, the give-away sign,
// progress and breaking off, the evaluation, and the pinned bench count. The
// root rules hold for the literal search and for the game's fast one alike.

#include "core/ai/search.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <sstream>

#include "core/ai/bench_positions.h"
#include "core/ai/evaluation.h"
#include "core/ai/fast_search.h"
#include "core/records/notation.h"
#include "core/rules/generate.h"
#include "support/test_support.h"

namespace velmora {
namespace {

struct Progress {
  std::vector<int> reported;
  GameState* game = nullptr;
  int breakAfter = -1;  // clears `thinking` on this report

  static void report(void* context, int percent) {
    auto* self = static_cast<Progress*>(context);
    self->reported.push_back(percent);
    if (static_cast<int>(self->reported.size()) == self->breakAfter) self->game->thinking = 0;
  }
};

using Chooser = int (*)(Search&);

// The computer plays the side to move at `level`, as the driver sets it up.
int think(GameState& s, int level, Progress* progress = nullptr, bool giveAway = false, std::uint64_t* nodes = nullptr,
          Chooser choose = chooseComputerMove) {
  s.aiSide = s.sideToMove();
  s.aiOpponent = s.aiSide ^ 1;
  s.searchDepth = level + 2;
  s.giveAway = giveAway;
  s.thinking = 1;
  s.bestRootIndex = -1;
  Search search{s, progress ? Progress::report : nullptr, progress};
  if (progress) progress->game = &s;
  const int result = choose(search);
  if (nodes) *nodes = search.nodes;
  return result;
}

std::string chosenMove(GameState& s) {
  generateMoves(s.legalMoves, s, s.aiSide);
  return moveText(s.legalMoves[s.bestRootIndex]);
}

class RootRules : public testing::TestWithParam<Chooser> {
 protected:
  int think(GameState& s, int level, Progress* progress = nullptr, bool giveAway = false,
            std::uint64_t* nodes = nullptr) {
    return velmora::think(s, level, progress, giveAway, nodes, GetParam());
  }
};

TEST_P(RootRules, SingleLegalMoveIsChosenWithoutSearchOrProgress) {
  auto s = test::position(American, "W:......../......../......../......../......../......../......../W.......");
  Progress progress;
  std::uint64_t nodes = 1;
  EXPECT_EQ(think(*s, 2, &progress, false, &nodes), 1);
  EXPECT_EQ(s->bestRootIndex, 0);
  EXPECT_TRUE(progress.reported.empty());
  EXPECT_EQ(nodes, 0u);
}

TEST_P(RootRules, ProgressCountsRootMovesAndNeverReachesAHundred) {
  auto s = test::startPosition(American);
  Progress progress;
  EXPECT_EQ(think(*s, 0, &progress), 1);
  EXPECT_EQ(progress.reported, (std::vector<int>{0, 14, 28, 42, 57, 71, 85}));
}

TEST_P(RootRules, BreakingOffAbandonsAtTheNextRootMoveAndRestoresTheBoard) {
  auto s = test::startPosition(International);
  Board before;
  std::memcpy(before, s->board, sizeof before);
  Progress progress;
  progress.breakAfter = 3;
  EXPECT_EQ(think(*s, 1, &progress), 0);
  EXPECT_EQ(progress.reported.size(), 3u);
  EXPECT_EQ(s->plyCount, 0);
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 10; ++x) {
      EXPECT_EQ(s->board[y][x].kind, before[y][x].kind);
      if (before[y][x].kind != Empty) {
        EXPECT_EQ(s->board[y][x].side, before[y][x].side);
      }
    }
}

TEST_P(RootRules, ComputerWithoutAMoveGetsALossAndNoChoice) {
  auto s = test::position(American, "B:......../......../......../......../......../......../.b....../w.w.....");
  EXPECT_EQ(think(*s, 2), kComputerStuck - 4);
  EXPECT_EQ(s->bestRootIndex, -1);
}

TEST_P(RootRules, EqualScoresKeepTheFirstRootMove) {
  // Black has nothing left: every White move scores the same win.
  auto s = test::position(American, "W:......../......../......../......../...W..../......../......../........");
  generateMoves(s->legalMoves, *s, White);
  ASSERT_GT(s->moveCount, 1);
  EXPECT_EQ(think(*s, 1), 1);
  EXPECT_EQ(s->bestRootIndex, 0);
}

TEST_P(RootRules, QuickestForcedWinIsPreferred) {
  // g6-h7 shuts Black's last man in at once; the other moves win later, if at all.
  auto s = test::position(American, "W:......b./.....w../....w.w./......../......../......../......../........");
  EXPECT_EQ(think(*s, 0), 1);
  EXPECT_EQ(chosenMove(*s), "g6-h7");
}

TEST_P(RootRules, GiveAwayTurnsTheEvaluationAround) {
  const char* diagram = "W:.......b/......../......../...b..../......../.....w../......../w.......";
  auto normal = test::position(American, diagram);
  EXPECT_EQ(think(*normal, 0), 1);
  EXPECT_NE(chosenMove(*normal), "f3-e4");
  auto table = std::make_unique<EvalTable>();
  buildEvalTable(*normal, *table);
  const int plain = evaluatePosition(*normal, *table);
  normal->giveAway = 1;
  EXPECT_NE(plain, 0);
  EXPECT_EQ(evaluatePosition(*normal, *table), -plain);

  auto giveAway = test::position(American, diagram);
  EXPECT_EQ(think(*giveAway, 0, nullptr, true), 1);
  EXPECT_EQ(chosenMove(*giveAway), "f3-e4");  // offers the man
}

INSTANTIATE_TEST_SUITE_P(Search, RootRules, testing::Values(chooseComputerMove, chooseComputerMoveFast),
                         [](const testing::TestParamInfo<Chooser>& param) {
                           return param.param == chooseComputerMove ? "Literal" : "Fast";
                         });

TEST(Evaluation, ProximityIsTheKingDistanceToTheNearestPiece) {
  auto s = test::position(International,
                          "W:........../........../........../........../........../"
                          "........../...b....../........../........../b.........");
  int map[12][12];
  buildProximityMap(*s, Black, map);
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 10; ++x) {
      const int d1 = std::max(std::abs(x - 3), std::abs(y - 3)), d2 = std::max(x, y);
      EXPECT_EQ(map[y][x], std::max(0, 9 - std::min(d1, d2))) << x << "," << y;
    }
}

TEST(Evaluation, TableValuesAndSigns) {
  auto s = test::position(American, "W:......../......../......../......../......../......../......../........");
  s->aiSide = Black;
  s->aiOpponent = White;
  s->board[0][0] = Cell{King, Black};
  EvalTable t;
  buildEvalTable(*s, t);
  EXPECT_EQ(t.value[White][Man][5][2], 1000 + 4 * 2);
  EXPECT_EQ(t.value[Black][Man][5][2], -(1000 + 4 * 5));
  EXPECT_EQ(t.value[White][King][1][1], 3000 + 6);  // one square from the black king
  EXPECT_EQ(t.value[Black][King][1][1], -3000);     // no white piece on the board
}

// The leaf scores come from the parent's sum plus each move's change; that
// must equal a fresh sum after the move, captures and promotions included.
TEST(Evaluation, SumAfterAMoveEqualsSumBeforePlusItsChange) {
  std::mt19937 random(99);
  auto s = std::make_unique<GameState>();
  EvalTable t;
  for (GameType type = 0; type < kVariantCount; ++type) {
    setUpBoard(*s, type);
    s->plyCount = 0;
    for (int ply = 0; ply < 150; ++ply) {
      s->aiSide = ply % 2;
      s->aiOpponent = s->aiSide ^ 1;
      buildEvalTable(*s, t);
      generateMoves(s->legalMoves, *s, s->sideToMove());
      if (s->moveCount == 0) break;
      const int before = boardSum(*s, t);
      for (int i = 0; i < s->moveCount; ++i) {
        applyMove(s->legalMoves[i], s->gameRecord[s->plyCount], *s);
        EXPECT_EQ(boardSum(*s, t), before + boardSumChange(t, s->legalMoves[i])) << gameTypeName(type);
        undoMove(s->gameRecord[s->plyCount], *s);
      }
      const int pick = static_cast<int>(random() % static_cast<unsigned>(s->moveCount));
      applyMove(s->legalMoves[pick], s->gameRecord[s->plyCount], *s);
      ++s->plyCount;
    }
  }
}

// Both searches are fixed-depth, and the fast one's table forgets earlier
// searches: their node counts over the bench change only when their behaviour
// does.
TEST(Search, BenchNodeCountsArePinned) {
  auto s = std::make_unique<GameState>();
  std::uint64_t total = 0, fastTotal = 0;
  for (const auto& p : benchPositions()) {
    setUpBoard(*s, p.variant);
    s->plyCount = 0;
    std::istringstream texts(p.moves);
    for (std::string text; texts >> text;) ASSERT_TRUE(playMoveText(*s, text)) << text;
    std::uint64_t nodes = 0;
    think(*s, 1, nullptr, false, &nodes);
    total += nodes;
    think(*s, 1, nullptr, false, &nodes, chooseComputerMoveFast);
    fastTotal += nodes;
  }
  EXPECT_EQ(total, 2711838u);
  EXPECT_EQ(fastTotal, 338720u);
}

}  // namespace
}  // namespace velmora
