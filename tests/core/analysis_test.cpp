// The Expert going over a game, what the window shows of a position, and the
// endings whose outcome theory knows.

#include "core/ai/analysis.h"

#include <gtest/gtest.h>

#include "core/ai/endings.h"
#include "core/game/game_state.h"
#include "core/game/hint.h"
#include "core/game/position_score.h"
#include "core/records/notation.h"
#include "core/rules/generate.h"
#include "core/rules/position_text.h"
#include "support/test_support.h"

namespace velmora {
namespace {

// One engine for the whole file: its table is large, and a search depends
// on its position alone, not on what the table held before.
Engine& engine() {
  static Engine shared(std::size_t{1} << 18);
  return shared;
}

// An American game in which Black's eighth move, h4-g3, gives a man away.
std::unique_ptr<GameState> gameWithABlunder() {
  auto game = test::startPosition(American);
  for (const char* text : {"c3-d4", "f6-g5", "b2-c3", "g5-h4", "d4-e5", "d6:f4", "g3:e5", "h4-g3", "h2:f4"})
    EXPECT_TRUE(playMoveText(*game, text)) << text;
  return game;
}

EngineLimits depth(int d) {
  EngineLimits limits;
  limits.level = kExpertLevel;
  limits.maxDepth = d;
  // The hand-written terms, which the games below were chosen by: new
  // pattern weights must not move a mark.
  limits.learnedPatterns = false;
  return limits;
}

// What the engine scores the position of `s` within `limits`.
PositionScore scoreOf(const GameState& s, const EngineLimits& limits) {
  engine().setPosition(s, s);
  return scorePosition(engine(), limits);
}

TEST(Analysis, MarksByHowMuchTheMovePlayedGaveAway) {
  EXPECT_EQ(markOf(20, -29), MoveMark::None);
  EXPECT_EQ(markOf(20, -30), MoveMark::Mistake);
  EXPECT_EQ(markOf(20, -79), MoveMark::Mistake);
  EXPECT_EQ(markOf(20, -80), MoveMark::Blunder);
  EXPECT_EQ(markOf(0, 40), MoveMark::None);  // better than the Expert's own choice
  // A won game thrown away is a blunder; a slower win is not.
  EXPECT_EQ(markOf(kExpertWin - 5, 0), MoveMark::Blunder);
  EXPECT_EQ(markOf(kExpertWin - 5, kExpertWin - 9), MoveMark::None);
  EXPECT_STREQ(markText(MoveMark::Mistake), "?");
  EXPECT_STREQ(markText(MoveMark::Blunder), "??");
  EXPECT_STREQ(markText(MoveMark::None), "");
}

TEST(Analysis, FindsTheMoveThatGivesAManAwayAndScoresTheOthersAsTheExpertsOwn) {
  auto game = gameWithABlunder();
  const auto moves = analyseGame(*game, game->plyCount, engine(), depth(6));
  ASSERT_EQ(moves.size(), 9u);
  for (std::size_t k = 0; k < moves.size(); ++k) {
    SCOPED_TRACE("ply " + std::to_string(k + 1));
    EXPECT_GE(moves[k].played, 0);  // every recorded move is found among the legal ones
    EXPECT_EQ(moves[k].mark, k == 7 ? MoveMark::Blunder : MoveMark::None);
    if (moves[k].played == moves[k].best) {
      EXPECT_EQ(moves[k].playedScore, moves[k].bestScore);
    }
  }
  EXPECT_LE(moves[7].playedScore, -80);
  // The captures were the only moves: the Expert chose them too.
  EXPECT_EQ(moves[5].played, moves[5].best);
  EXPECT_EQ(moves[6].played, moves[6].best);
  // The board is the game's as it was.
  EXPECT_EQ(game->plyCount, 9);
}

TEST(Analysis, AMovePlayedAgainWhereItWasPlayedBeforeIsJudgedTheSame) {
  // White, far ahead, shuffles its king a1-b2-a1 while Black's king does
  // h8-g7-h8: the later searches see the repetition draw coming.
  auto game = std::make_unique<GameState>();
  ASSERT_FALSE(
      readPosition("W:.......B/......../......../......../......../......../......../W...w.w.", American, *game));
  for (int round = 0; round < 3; ++round)
    for (const char* text : {"a1-b2", "h8-g7", "b2-a1", "g7-h8"}) ASSERT_TRUE(playMoveText(*game, text)) << text;
  const auto moves = analyseGame(*game, game->plyCount, engine(), depth(8));
  ASSERT_EQ(moves.size(), 12u);
  for (std::size_t k = 4; k < moves.size(); ++k)
    EXPECT_EQ(moves[k].mark, moves[k % 4].mark) << "ply " << k + 1 << " and ply " << k % 4 + 1;
}

struct StopAfter {
  int positions = 0;
  std::vector<int> seen;
  static void report(void* context, int done, int total) {
    auto* self = static_cast<StopAfter*>(context);
    self->seen.push_back(done * 100 + total);
    if (done == self->positions) engine().requestStop();
  }
};

TEST(Analysis, StoppedKeepsOnlyTheMovesWhoseScoresAreKnown) {
  auto game = gameWithABlunder();
  StopAfter stopper;
  stopper.positions = 3;
  const EngineLimits limits = depth(4);
  const auto moves = analyseGame(*game, game->plyCount, engine(), limits, StopAfter::report, &stopper);
  // Three positions searched: the first two moves have both their scores.
  EXPECT_EQ(moves.size(), 2u);
  EXPECT_EQ(stopper.seen, (std::vector<int>{110, 210, 310}));

  // Still stopped: nothing more is searched.
  EXPECT_TRUE(analyseGame(*game, game->plyCount, engine(), limits).empty());
  engine().resetStop();
}

TEST(PositionScore, ScoresInMenForWhiteAndWinsInMoves) {
  EXPECT_EQ(scoreText(125), "+1.25");
  EXPECT_EQ(scoreText(-40), "-0.40");
  EXPECT_EQ(scoreText(-7), "-0.07");
  EXPECT_EQ(scoreText(0), "0.00");
  EXPECT_EQ(scoreText(9000), "+90.00");
  // Seven plies are four moves of the winner; four plies two of each side.
  EXPECT_EQ(scoreText(kExpertWin - 7), "+win 4");
  EXPECT_EQ(scoreText(-(kExpertWin - 4)), "-win 2");
  // A win the databases know, nine plies away, is no score of men either.
  EXPECT_EQ(scoreText(kExpertDatabaseWin - 9), "+win 5");
  EXPECT_EQ(scoreText(-(kExpertDatabaseWin - 300)), "-win 150");
}

TEST(PositionScore, WhatTheDatabasesKnowReadsForTheSideToMoveOrByColour) {
  const EndgameResult winInSeven{EndgameOutcome::Win, 7}, lossInTwo{EndgameOutcome::Loss, 2},
      draw{EndgameOutcome::Draw, 0};
  EXPECT_EQ(endgameVerdict(winInSeven), "win in 4");
  EXPECT_EQ(endgameVerdict(lossInTwo), "loss in 1");
  EXPECT_EQ(endgameVerdict(draw), "draw");
  const PositionScore blackWins = knownPositionScore(winInSeven, Black);
  EXPECT_EQ(blackWins.score, "0-1");
  EXPECT_EQ(blackWins.line, "Black wins in 4");
  const PositionScore whiteWins = knownPositionScore(lossInTwo, Black);
  EXPECT_EQ(whiteWins.score, "1-0");
  EXPECT_EQ(whiteWins.line, "White wins in 1");
  EXPECT_EQ(knownPositionScore(draw, White).score, "1/2-1/2");
  EXPECT_TRUE(knownPositionScore(draw, White).found);
}

// The American tables of up to three pieces, made once for the file.
const EndgameSet& americanThreePieces() {
  static test::WorkDir dir;
  static EndgameSet set = [] {
    EndgameSet s;
    const std::atomic<bool> stop{false};
    const auto problem = fillEndgameSet(s, dir.path, 3, stop);
    EXPECT_FALSE(problem) << *problem;
    return s;
  }();
  return set;
}

TEST(EndgameKnowledge, TheHintedMoveKeepsTheQuickestWinTheDatabasesKnow) {
  const EndgameSet& set = americanThreePieces();
  // Two kings against one in the double corner.
  auto game = test::position(American, "W:.B....../......../......../......../...W.W../......../......../........");
  test::restartHere(*game);
  const auto before = set.probe(*game, White);
  ASSERT_TRUE(before);
  ASSERT_EQ(before->outcome, EndgameOutcome::Win);
  Engine expert(std::size_t{1} << 16);
  expert.setEndgames(set.board8.get(), nullptr);
  expert.setPosition(*game, *game);
  const EngineResult chosen = expert.think(depth(6));
  ASSERT_GE(chosen.rootIndex, 0);
  auto scratch = std::make_unique<GameState>(*game);
  EXPECT_EQ(outcomeAfterHint(*scratch, White, chosen.rootIndex, set), before);
  generateMoves(game->legalMoves, *game, White);
  scratch = std::make_unique<GameState>(*game);
  EXPECT_FALSE(outcomeAfterHint(*scratch, White, game->moveCount, set));
}

TEST(EndgameKnowledge, TheAnalysisFindsWhereTheDatabasesTakeTheGameOver) {
  const EndgameSet& set = americanThreePieces();
  // Four pieces: not held until White takes on d4.
  auto game = test::position(American, "W:.B....../......../......../......../...b..../..w...../......../W.......");
  test::restartHere(*game);
  EXPECT_FALSE(firstKnownPosition(*game, 0, set));
  ASSERT_TRUE(playMoveText(*game, "c3:e5"));
  const auto known = firstKnownPosition(*game, game->plyCount, set);
  ASSERT_TRUE(known);
  EXPECT_EQ(known->plies, 1);
  EXPECT_EQ(known->side, Black);
  EXPECT_EQ(known->known, set.probe(*game, Black));
  // A Russian game of the same pieces is another family's.
  auto russian = test::position(Russian, "W:.B....../......../......../......../...W.W../......../......../........");
  test::restartHere(*russian);
  EXPECT_FALSE(firstKnownPosition(*russian, 0, set));
}

TEST(PositionScore, AManUpForBlackReadsAsMinusForWhiteWithTheLineAhead) {
  // Black to move, a man up: the score is White's, so below zero.
  auto s = test::position(American, "B:.b.b.b.b/b.b.b.b./.b.b.b.b/......../......../w.w.w.w./.w.w.w.w/w.w.w...");
  const PositionScore shown = scoreOf(*s, depth(5));
  ASSERT_TRUE(shown.found);
  EXPECT_EQ(shown.score[0], '-');
  EXPECT_GE(std::stod(shown.score), -1.6);
  EXPECT_LE(std::stod(shown.score), -0.5);
  // The line starts with a legal move of Black's and has several moves.
  const std::string first = shown.line.substr(0, shown.line.find(' '));
  const auto legal = test::moveTexts(*s);
  EXPECT_NE(std::find(legal.begin(), legal.end(), first), legal.end()) << shown.line;
  EXPECT_GE(std::count(shown.line.begin(), shown.line.end(), ' '), 3);

  engine().requestStop();
  EXPECT_FALSE(scoreOf(*s, depth(5)).found);
  engine().resetStop();
}

TEST(Endings, TheExpertWinsTheWonAndDrawsTheDrawnOnBothSides) {
  auto game = std::make_unique<GameState>();
  EngineLimits limits;
  limits.level = kExpertLevel;
  limits.maxNodes = 40000;  // a move; no clock, so that the games are the same on every machine
  int won = 0, drawn = 0;
  for (const Ending& e : theoryEndings()) {
    SCOPED_TRACE(e.name);
    // Each needs playing: no capture is there to be taken at once.
    auto start = test::position(e.type, e.position);
    generateMoves(start->legalMoves, *start, start->sideToMove());
    ASSERT_GT(start->moveCount, 0);
    EXPECT_EQ(start->legalMoves[0].captureCount, 0);

    const EndingOutcome o = playEnding(e, *game, engine(), limits);
    EXPECT_TRUE(o.passed) << "result " << o.game.result << " after " << o.game.plies << " plies";
    (e.won ? won : drawn) += 1;
    if (e.won) {
      EXPECT_EQ(o.game.end, GameEnd::Rules);  // won by the rules, not by a limit
    }
  }
  EXPECT_GE(won, 5);
  EXPECT_GE(drawn, 5);
}

}  // namespace
}  // namespace velmora
