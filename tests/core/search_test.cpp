// The computer's search: root rules, terminal scores, the give-away sign,
// progress and breaking off, the evaluation, and the pinned bench count. The
// root rules hold for the literal search and for the game's fast one alike.

#include "core/ai/search.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <sstream>

#include "core/ai/bench_positions.h"
#include "core/ai/engine.h"
#include "core/ai/evaluation.h"
#include "core/records/notation.h"
#include "core/rules/generate.h"
#include "support/test_support.h"

namespace velmora {
namespace {

struct Progress {
  std::vector<int> reported;
  int breakAfter = -1;  // breaks off on this report

  bool report(int percent) {
    reported.push_back(percent);
    return static_cast<int>(reported.size()) != breakAfter;
  }
};

struct Answer {
  int result = 0;
  int rootIndex = -1;
  std::uint64_t nodes = 0;
};

// The computer plays the side to move at `level`, as the game asks it, by
// the literal search or the fast one.
Answer think(Engine& engine, GameState& s, int level, Progress* progress = nullptr, bool giveAway = false,
             bool literal = true) {
  s.giveAway = giveAway;
  EngineLimits limits;
  limits.level = level;
  limits.literal = literal;
  engine.setPosition(s, s);
  Engine::Progress report;
  if (progress) report = [progress](const EngineProgress& p) { return progress->report(p.percent); };
  const EngineResult r = engine.think(limits, report);
  return Answer{r.result, r.rootIndex, r.nodes};
}

std::string chosenMove(GameState& s, const Answer& answer) {
  generateMoves(s.legalMoves, s, s.sideToMove());
  return moveText(s.legalMoves[answer.rootIndex]);
}

class RootRules : public testing::TestWithParam<bool> {
 protected:
  Answer think(GameState& s, int level, Progress* progress = nullptr, bool giveAway = false) {
    return velmora::think(engine_, s, level, progress, giveAway, GetParam());
  }
  Engine engine_;
};

TEST_P(RootRules, SingleLegalMoveIsChosenWithoutSearchOrProgress) {
  auto s = test::position(American, "W:......../......../......../......../......../......../......../W.......");
  Progress progress;
  const Answer a = think(*s, 2, &progress);
  EXPECT_EQ(a.result, 1);
  EXPECT_EQ(a.rootIndex, 0);
  EXPECT_TRUE(progress.reported.empty());
  EXPECT_EQ(a.nodes, 0u);
}

TEST_P(RootRules, ProgressCountsRootMovesAndNeverReachesAHundred) {
  auto s = test::startPosition(American);
  Progress progress;
  EXPECT_EQ(think(*s, 0, &progress).result, 1);
  EXPECT_EQ(progress.reported, (std::vector<int>{0, 14, 28, 42, 57, 71, 85}));
}

TEST_P(RootRules, BreakingOffAbandonsAtTheNextRootMoveAndRestoresTheBoard) {
  auto s = test::startPosition(International);
  Board before;
  std::memcpy(before, s->board, sizeof before);
  Progress progress;
  progress.breakAfter = 3;
  EXPECT_EQ(think(*s, 1, &progress).result, 0);
  EXPECT_EQ(progress.reported.size(), 3u);
  // The engine searched its own copy and left it as it found it.
  const Position& searched = engine_.position();
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 10; ++x) {
      EXPECT_EQ(searched.board[y][x].kind, before[y][x].kind);
      if (before[y][x].kind != Empty) {
        EXPECT_EQ(searched.board[y][x].side, before[y][x].side);
      }
    }
}

TEST_P(RootRules, ComputerWithoutAMoveGetsALossAndNoChoice) {
  auto s = test::position(American, "B:......../......../......../......../......../......../.b....../w.w.....");
  const Answer a = think(*s, 2);
  EXPECT_EQ(a.result, kComputerStuck - 4);
  EXPECT_EQ(a.rootIndex, -1);
}

TEST_P(RootRules, EqualScoresKeepTheFirstRootMove) {
  // Black has nothing left: every White move scores the same win.
  auto s = test::position(American, "W:......../......../......../......../...W..../......../......../........");
  generateMoves(s->legalMoves, *s, White);
  ASSERT_GT(s->moveCount, 1);
  const Answer a = think(*s, 1);
  EXPECT_EQ(a.result, 1);
  EXPECT_EQ(a.rootIndex, 0);
}

TEST_P(RootRules, QuickestForcedWinIsPreferred) {
  // g6-h7 shuts Black's last man in at once; the other moves win later, if at all.
  auto s = test::position(American, "W:......b./.....w../....w.w./......../......../......../......../........");
  const Answer a = think(*s, 0);
  EXPECT_EQ(a.result, 1);
  EXPECT_EQ(chosenMove(*s, a), "g6-h7");
}

TEST_P(RootRules, GiveAwayTurnsTheEvaluationAround) {
  const char* diagram = "W:.......b/......../......../...b..../......../.....w../......../w.......";
  auto normal = test::position(American, diagram);
  const Answer plainAnswer = think(*normal, 0);
  EXPECT_EQ(plainAnswer.result, 1);
  EXPECT_NE(chosenMove(*normal, plainAnswer), "f3-e4");
  auto table = std::make_unique<EvalTable>();
  buildEvalTable(*normal, normal->sideToMove(), *table);
  const int plain = evaluatePosition(*normal, *table);
  normal->giveAway = 1;
  EXPECT_NE(plain, 0);
  EXPECT_EQ(evaluatePosition(*normal, *table), -plain);

  auto giveAway = test::position(American, diagram);
  const Answer offered = think(*giveAway, 0, nullptr, true);
  EXPECT_EQ(offered.result, 1);
  EXPECT_EQ(chosenMove(*giveAway, offered), "f3-e4");  // offers the man
}

INSTANTIATE_TEST_SUITE_P(Search, RootRules, testing::Values(true, false),
                         [](const testing::TestParamInfo<bool>& param) { return param.param ? "Literal" : "Fast"; });

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
  s->board[0][0] = Cell{King, Black};
  EvalTable t;
  buildEvalTable(*s, Black, t);
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
      buildEvalTable(*s, ply % 2, t);
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
  Engine engine;
  std::uint64_t total = 0, fastTotal = 0;
  for (const auto& p : benchPositions()) {
    setUpBoard(*s, p.variant);
    s->plyCount = 0;
    std::istringstream texts(p.moves);
    for (std::string text; texts >> text;) ASSERT_TRUE(playMoveText(*s, text)) << text;
    total += think(engine, *s, 1).nodes;
    fastTotal += think(engine, *s, 1, nullptr, false, false).nodes;
  }
  EXPECT_EQ(total, 2711838u);
  EXPECT_EQ(fastTotal, 338720u);
}

}  // namespace
}  // namespace velmora
