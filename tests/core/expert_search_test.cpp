// The Expert player: forced wins against a brute-force solver, captures
// played out past the horizon, the game's draws, the give-away evaluation,
// the budget, and a short match against the Easy level.

#include "core/ai/expert_search.h"

#include <gtest/gtest.h>

#include <random>

#include "core/ai/expert_eval.h"
#include "core/ai/match.h"
#include "core/records/notation.h"
#include "core/rules/generate.h"
#include "core/rules/position_text.h"
#include "support/test_support.h"

namespace velmora {
namespace {

// One search object for the whole file: its table is large, and a search
// depends on its position alone, not on what the table held before.
ExpertSearch& expert() {
  static ExpertSearch search(std::size_t{1} << 18);
  return search;
}

ExpertLimits depthOnly(int depth) {
  ExpertLimits limits;
  limits.maxDepth = depth;
  return limits;
}

std::string chosenText(GameState& s, const ExpertResult& r) {
  if (r.rootIndex < 0) return "-";
  generateMoves(s.legalMoves, s, s.sideToMove());
  return moveText(s.legalMoves[r.rootIndex]);
}

// Whether the side to move wins (+1) or loses (-1) by force within `plies`,
// 0 when neither is proved: a side without a move has lost.
int solve(GameState& s, int side, int plies) {
  MoveRecord list[kMaxMoves];
  generateMoves(list, s, side);
  const int n = s.moveCount;
  if (n == 0) return -1;
  if (plies == 0) return 0;
  int best = -1;
  for (int i = 0; i < n && best < 1; ++i) {
    MoveRecord slot;
    applyMove(list[i], slot, s);
    best = std::max(best, -solve(s, side ^ 1, plies - 1));
    undoMove(slot, s);
  }
  return best;
}

TEST(ExpertSearch, ProvesEveryWinAndLossTheSolverFindsWithinFivePlies) {
  std::mt19937 random(2026);
  int wins = 0, losses = 0;
  for (GameType type : {American, International, Russian, Turkish}) {
    for (int k = 0; k < test::sanitizedShare(60, 3); ++k) {
      auto s = test::position(type, test::randomPositionText(type, random, 10));
      const int side = s->sideToMove();
      const int truth = solve(*s, side, 5);
      if (truth == 0) continue;
      ExpertLimits limits = depthOnly(6);
      limits.scoreForcedMove = true;
      const ExpertResult r = expert().choose(*s, *s, limits);
      SCOPED_TRACE(std::string(gameTypeName(type)) + " position " + std::to_string(k) + " " + writePosition(*s));
      if (truth > 0) {
        ++wins;
        EXPECT_GT(r.score, kExpertWinFound);
        // The chosen move itself wins: the opponent loses by force after it.
        generateMoves(s->legalMoves, *s, side);
        ASSERT_GE(r.rootIndex, 0);
        MoveRecord slot;
        applyMove(s->legalMoves[r.rootIndex], slot, *s);
        EXPECT_EQ(solve(*s, side ^ 1, 4), -1);
        undoMove(slot, *s);
      } else {
        ++losses;
        EXPECT_LT(r.score, -kExpertWinFound);
      }
    }
  }
  // Enough of either kind that the comparison means something.
  EXPECT_GE(wins, test::sanitizedShare(20, 3));
  EXPECT_GE(losses, test::sanitizedShare(20, 3));
}

TEST(ExpertSearch, PlaysOutCapturesPastTheHorizon) {
  // White's man on c3 may go to b4 or d4; on d4, the centre, Black's man on
  // e5 takes it. A one-ply search sees that only because Black's capture is
  // played out.
  auto s = test::position(American, "W:.......b/......../......../....b.../......../..w...../......../w.......");
  const ExpertResult r = expert().choose(*s, *s, depthOnly(1));
  EXPECT_NE(chosenText(*s, r), "c3-d4");
  EXPECT_EQ(r.depth, 1);
  EXPECT_GT(r.score, -kManValue / 2);
}

TEST(ExpertSearch, ScoresAPendingCaptureByItsOutcome) {
  // Black's man on d4 is en prise and is the only black piece near: White
  // takes it, so the one-ply score counts a man more for White.
  auto s = test::position(American, "W:.......b/......../......../......../...b..../..w...../......../w.......");
  const ExpertResult r = expert().choose(*s, *s, depthOnly(1));
  EXPECT_EQ(chosenText(*s, r), "c3:e5");
  EXPECT_GT(r.score, kManValue / 2);
}

// Plays the move with this text; the test fails when there is none.
void play(GameState& s, const std::string& text) {
  generateMoves(s.legalMoves, s, s.sideToMove());
  for (int i = 0; i < s.moveCount; ++i)
    if (moveText(s.legalMoves[i]) == text) {
      const MoveRecord m = s.legalMoves[i];
      applyMove(m, s.gameRecord[s.plyCount], s);
      ++s.plyCount;
      return;
    }
  FAIL() << "no move " << text;
}

TEST(ExpertSearch, DoesNotRepeatThePositionWhenAhead) {
  // White is two kings up. Its best move, found first without a record, is
  // then made to bring back a position the record already holds: it would
  // count as a draw, so another move must be chosen.
  const char* text = "W:......../......../...B..../......../......../..W.W.../......../.......W";
  auto fresh = test::position(American, text);
  const ExpertResult first = expert().choose(*fresh, *fresh, depthOnly(6));
  const std::string best = chosenText(*fresh, first);
  ASSERT_GT(first.score, 2 * kManValue);
  generateMoves(fresh->legalMoves, *fresh, White);
  const MoveRecord bestMove = fresh->legalMoves[first.rootIndex];
  ASSERT_EQ(bestMove.pieceKind, King);
  ASSERT_EQ(bestMove.captureCount, 0);
  const std::string from = squareName(bestMove.fromX, bestMove.fromY);
  const std::string to = squareName(bestMove.finalStep().toX, bestMove.finalStep().toY);

  auto s = test::position(American, text);
  play(*s, best);
  play(*s, "d6-c7");
  play(*s, to + "-" + from);
  play(*s, "c7-d6");
  const ExpertResult again = expert().choose(*s, *s, depthOnly(6));
  EXPECT_NE(chosenText(*s, again), best);
  EXPECT_GT(again.score, 2 * kManValue);
}

TEST(ExpertSearch, SeesAPositionComeRoundAgainAfterSidewaysStepsOfMen) {
  // Turkish: White's lone man against a man and a king is lost, but the men
  // have stepped sideways and back, and stepping aside once more brings back
  // a position the record holds: the draw is White's best.
  auto s = test::position(Turkish, "W:B......./......../....b.../......../......../...w..../......../........");
  for (const char* text : {"d3-c3", "e6-f6", "c3-d3", "f6-e6"}) play(*s, text);
  const ExpertResult r = expert().choose(*s, *s, depthOnly(6));
  EXPECT_EQ(chosenText(*s, r), "d3-c3");
  EXPECT_EQ(r.score, -kExpertContempt);
}

TEST(ExpertSearch, CountsTheQuietRunOfTheRecordAsADraw) {
  // Kings only for 29 plies: the next quiet move ends the game drawn, so a
  // side that is a king up scores no more than a draw unless it captures.
  auto s = test::position(American, "W:......../......../......../...B..../......../..W...../......../.......W");
  const char* shuffle[] = {"h1-g2", "d5-e6", "g2-h1", "e6-d5"};
  for (int i = 0; i < 28; ++i) play(*s, shuffle[i % 4]);
  play(*s, "h1-g2");
  // Black to move at the last ply of the run: the draw, which the Expert
  // counts a little against itself.
  const ExpertResult r = expert().choose(*s, *s, depthOnly(4));
  EXPECT_EQ(r.score, -kExpertContempt);
}

TEST(ExpertEvaluation, InItalianTheSideAManUpGainsByEveryTrade) {
  // The same man ahead, with a pair of men more or less on the board: the
  // Italian score asks for the trade, the American one does not.
  const char* more = "W:......../......../.b...b../......../......../..w...w./.w...w../........";
  const char* fewer = "W:......../......../.b....../......../......../..w...../.w...w../........";
  const auto score = [](GameType type, const char* text) {
    auto s = test::position(type, text);
    return expertEvaluate(*s, White, 0, nullptr);
  };
  // The squares are scored alike in both by the hand-written terms (the
  // learned patterns differ by variant); the trade is what differs.
  const int italianGain = score(Italian, fewer) - score(Italian, more);
  const int americanGain = score(American, fewer) - score(American, more);
  EXPECT_GT(italianGain, americanGain);
  EXPECT_LT(italianGain - americanGain, kManValue / 4);
}

TEST(ExpertEvaluation, GiveAwayPrefersFewerPiecesNotTheNormalScoreNegated) {
  // White has one man against Black's three.
  auto s = test::position(American, "W:......../.b.b.b../......../......../......../......../..w...../........");
  EXPECT_GT(giveAwayEvaluate(*s, White), 0);
  EXPECT_LT(giveAwayEvaluate(*s, Black), 0);
  EXPECT_LT(expertEvaluate(*s, White, 0), 0);
  // A king is a worse burden than a man there, unlike in the normal game.
  auto king = test::position(American, "W:......../.b.b.b../......../......../......../......../..W...../........");
  EXPECT_LT(giveAwayEvaluate(*king, White), giveAwayEvaluate(*s, White));
  EXPECT_GT(expertEvaluate(*king, White, 0), expertEvaluate(*s, White, 0));
}

TEST(ExpertSearch, GiveAwayOffersAManWhereTheNormalGameKeepsIt) {
  // c3-d4 lets Black's man on e5 take; c3-b4 keeps the man.
  const std::string clean = "W:......../.b....../......../....b.../......../..w...../......../w.......";
  auto normal = test::position(American, clean);
  EXPECT_NE(chosenText(*normal, expert().choose(*normal, *normal, depthOnly(3))), "c3-d4");
  auto giveAway = test::position(American, clean);
  giveAway->giveAway = 1;
  EXPECT_EQ(chosenText(*giveAway, expert().choose(*giveAway, *giveAway, depthOnly(3))), "c3-d4");
}

TEST(ExpertSearch, NodeLimitIsKeptAndGivesTheSameAnswerEveryTime) {
  auto s = test::startPosition(International);
  ExpertLimits limits;
  limits.maxNodes = 30000;
  const ExpertResult a = expert().choose(*s, *s, limits);
  const ExpertResult b = expert().choose(*s, *s, limits);
  EXPECT_LE(a.nodes, limits.maxNodes);
  EXPECT_GE(a.nodes, limits.maxNodes - 1);
  EXPECT_GE(a.depth, 3);
  EXPECT_EQ(a.rootIndex, b.rootIndex);
  EXPECT_EQ(a.score, b.score);
  EXPECT_EQ(a.nodes, b.nodes);
}

TEST(ExpertSearch, AnswersAForcedMoveAtOnceWhateverTheBudget) {
  // White's only move is the capture: neither a depth nor a node budget is
  // spent on it, as the clock never was.
  auto s = test::position(International,
                          "W:.b.b.b.b.b/b.b.b.b.b./.b.b.b.b.b/b.b...b.../...b...b../......w.../.w.w.w.w.w/"
                          "w.w...w.w./.w.w.w.w.w/w.w.w.w.w.");
  generateMoves(s->legalMoves, *s, s->sideToMove());
  ASSERT_EQ(s->moveCount, 1);
  ExpertLimits limits = depthOnly(12);
  EXPECT_EQ(expert().choose(*s, *s, limits).depth, 1);
  limits.maxNodes = 1000000;
  EXPECT_LT(expert().choose(*s, *s, limits).nodes, 1000u);
  // Analysis wants the position's score, and gets the search it asks for.
  limits = depthOnly(8);
  limits.scoreForcedMove = true;
  EXPECT_EQ(expert().choose(*s, *s, limits).depth, 8);
}

// A clock that moves one millisecond each time it is read, so that the time
// a search takes is counted in reads, not measured.
struct TickingClock {
  static inline std::uint64_t reads = 0;
  static std::uint64_t now() { return ++reads; }
};

TEST(ExpertSearch, ReadsTheClockEveryFewNodesAndStopsAtTheBudget) {
  auto s = test::startPosition(International);
  ExpertLimits limits;
  limits.moveTimeMs = 40;
  limits.clock = TickingClock::now;
  TickingClock::reads = 0;
  const ExpertResult r = expert().choose(*s, *s, limits);
  // Stopped by the clock, not by running out of depth.
  EXPECT_LT(r.depth, kExpertMaxDepth);
  EXPECT_GE(r.rootIndex, 0);
  // One read per kExpertClockInterval nodes, and a few per iteration.
  EXPECT_LE(TickingClock::reads, r.nodes / kExpertClockInterval + 2 + static_cast<std::uint64_t>(r.depth) + 1);
  // The budget ran out at the 40th read: no more than an interval past it.
  EXPECT_LE(r.nodes, (40 + 1) * kExpertClockInterval);
  EXPECT_GE(TickingClock::reads, 20u);
}

struct Iterations {
  std::vector<int> depths;
  static void report(void* context, int depth, int) { static_cast<Iterations*>(context)->depths.push_back(depth); }
};

TEST(ExpertSearch, ReportsEachIterationAndObeysTheStopFlag) {
  auto s = test::startPosition(Russian);
  Iterations seen;
  ExpertLimits limits = depthOnly(5);
  limits.progress = Iterations::report;
  limits.progressContext = &seen;
  const ExpertResult r = expert().choose(*s, *s, limits);
  EXPECT_EQ(seen.depths, (std::vector<int>{1, 2, 3, 4, 5}));
  EXPECT_EQ(r.depth, 5);
  EXPECT_EQ(r.pvLength >= 5, true);

  std::atomic<bool> stop{true};
  limits.stop = &stop;
  seen.depths.clear();
  const ExpertResult stopped = expert().choose(*s, *s, limits);
  EXPECT_TRUE(seen.depths.empty() || seen.depths == std::vector<int>{1});
  EXPECT_GE(stopped.rootIndex, 0);  // still a legal move to play
  EXPECT_LT(stopped.nodes, 100u);
}

TEST(ExpertMatch, BeatsEasyAtAFixedDepth) {
  auto game = std::make_unique<GameState>();
  Engine engine(std::size_t{1} << 18);
  for (GameType type : {American, International}) {
    MatchSettings settings;
    settings.type = type;
    settings.expert.maxDepth = 6;
    double points = 0;
    int games = 0;
    for (std::uint64_t seed : {1u, 2u}) {
      const Opening opening = randomOpening(type, false, seed);
      EXPECT_GE(opening.plies, 2);
      const MatchGame asWhite = playMatchGame(*game, engine, engine, settings, opening, kExpertLevel, 0);
      const MatchGame asBlack = playMatchGame(*game, engine, engine, settings, opening, 0, kExpertLevel);
      points += asWhite.result == WhiteWins ? 1 : asWhite.result == Draw ? 0.5 : 0;
      points += asBlack.result == BlackWins ? 1 : asBlack.result == Draw ? 0.5 : 0;
      games += 2;
    }
    SCOPED_TRACE(gameTypeName(type));
    EXPECT_GE(points, 0.75 * games);
  }
}

}  // namespace
}  // namespace velmora
