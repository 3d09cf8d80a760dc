// The Expert on bitboards against the Expert on move records: the same
// evaluation of every position, and the same tree, so the same choice,
// score, line and node count, in every variant, on the dark squares' bits
// and on every square's (Turkish, Gothic).

#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "core/ai/bench_positions.h"
#include "core/ai/expert_bit_eval.h"
#include "core/ai/expert_eval.h"
#include "core/ai/expert_search.h"
#include "core/records/notation.h"
#include "core/rules/generate.h"
#include "core/rules/rule_family.h"
#include "support/test_support.h"

namespace velmora {
namespace {

template <class Layout>
void expectSameEvaluation(GameType type, std::mt19937& random) {
  ExpertBitEval<Layout> eval;
  eval.setVariant(type);
  for (int round = 0; round < 300; ++round) {
    const unsigned percent = 5 + random() % 60;
    auto s = test::position(type, test::randomPositionText(type, random, percent));
    const typename Layout::Board bits = Layout::read(s->board);
    for (int side : {White, Black}) {
      for (int quiet : {0, 11, 24, 30})
        ASSERT_EQ(eval.evaluate(bits, side, quiet), expertEvaluate(*s, side, quiet))
            << gameTypeName(type) << " side " << side << " quiet " << quiet << " round " << round;
      ASSERT_EQ(eval.giveAway(bits, side), giveAwayEvaluate(*s, side)) << gameTypeName(type) << " round " << round;
    }
  }
}

TEST(ExpertOnBits, EvaluatesEveryPositionAsTheCellBoardDoes) {
  std::mt19937 random(41);
  for (GameType type = 0; type < kVariantCount; ++type) {
    if (!onDarkSquaresOnly(familyRulesOf(type)))
      expectSameEvaluation<EverySquare>(type, random);
    else if (boardSizeOf(type) == 8)
      expectSameEvaluation<DarkSquares<8>>(type, random);
    else if (boardSizeOf(type) == 10)
      expectSameEvaluation<DarkSquares<10>>(type, random);
    else
      expectSameEvaluation<DarkSquares<12>>(type, random);
  }
}

void expectSameSearch(GameState& s, int depth, const std::string& where) {
  static ExpertSearch bits(std::size_t{1} << 16), records(std::size_t{1} << 16);
  ExpertLimits limits;
  limits.maxDepth = depth;
  const ExpertResult a = bits.choose(s, s, limits);
  limits.onRecords = true;
  const ExpertResult b = records.choose(s, s, limits);
  ASSERT_EQ(a.rootIndex, b.rootIndex) << where;
  ASSERT_EQ(a.score, b.score) << where;
  ASSERT_EQ(a.depth, b.depth) << where;
  ASSERT_EQ(a.nodes, b.nodes) << where;
  ASSERT_EQ(a.pvLength, b.pvLength) << where;
  for (int k = 0; k < a.pvLength; ++k) ASSERT_EQ(moveText(a.pv[k]), moveText(b.pv[k])) << where << " ply " << k;
}

TEST(ExpertOnBits, SearchesTheBenchAsTheRecordsDo) {
  auto s = std::make_unique<GameState>();
  for (const auto& list : {benchPositions(), manyKingPositions()})
    for (const auto& p : list) {
      setUpBoard(*s, p.variant);
      s->plyCount = 0;
      std::istringstream texts(p.moves);
      for (std::string text; texts >> text;) ASSERT_TRUE(playMoveText(*s, text)) << text;
      expectSameSearch(*s, 7, std::string(gameTypeName(p.variant)) + " " + p.moves);
    }
}

// Random games long enough for kings, repetitions and long quiet runs, the
// give-away game among them: the draws of the record must count alike.
TEST(ExpertOnBits, SearchesRandomGamesAsTheRecordsDo) {
  std::mt19937 random(7);
  for (GameType type = 0; type < kVariantCount; ++type) {
    for (int game = 0; game < 4; ++game) {
      auto s = test::startPosition(type);
      s->giveAway = game == 3;
      const int plies = 20 + static_cast<int>(random() % 100);
      for (int ply = 0; ply < plies; ++ply) {
        generateMoves(s->legalMoves, *s, s->sideToMove());
        if (s->moveCount == 0) break;
        applyMove(s->legalMoves[random() % s->moveCount], s->gameRecord[s->plyCount], *s);
        ++s->plyCount;
      }
      expectSameSearch(*s, 6, std::string(gameTypeName(type)) + " game " + std::to_string(game));
    }
  }
}

}  // namespace
}  // namespace velmora
