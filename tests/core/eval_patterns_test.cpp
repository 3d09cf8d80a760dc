// The learned pattern weights: their text, the two ways of reading a
// board's regions (cells and bits), and the weights built into the program.

#include "core/ai/eval_patterns.h"

#include <gtest/gtest.h>

#include <random>

#include "core/ai/expert_bit_eval.h"
#include "core/ai/expert_eval.h"
#include "core/ai/pattern_texts.h"
#include "core/rules/rule_family.h"
#include "support/test_support.h"

namespace velmora {
namespace {

PatternWeights randomWeights(GameType type, std::mt19937& random) {
  PatternWeights w;
  w.type = type;
  w.boardSize = boardSizeOf(type);
  w.scale = 120;
  w.weights.resize(static_cast<std::size_t>(w.regions() * kPatternIndices));
  for (auto& v : w.weights) v = static_cast<std::int16_t>(static_cast<int>(random() % 201) - 100);
  return w;
}

// The board turned round with the colours swapped: the same position for
// the other side.
std::unique_ptr<GameState> turnedRound(const GameState& s) {
  auto t = std::make_unique<GameState>(s);
  const int n = s.boardSize;
  for (int y = 0; y < n; ++y)
    for (int x = 0; x < n; ++x) {
      Cell c = s.board[n - 1 - y][n - 1 - x];
      if (c.kind != Empty) c.side ^= 1;
      t->board[y][x] = c;
    }
  return t;
}

TEST(PatternWeights, TextReadsBackAndFaultsAreRefusedByLine) {
  std::mt19937 random(3);
  const PatternWeights w = randomWeights(American, random);
  std::string error;
  const auto back = readPatternWeights(patternWeightsText(w, "made for a test\nsecond line"), &error);
  ASSERT_TRUE(back) << error;
  EXPECT_EQ(back->weights, w.weights);
  EXPECT_EQ(back->boardSize, 8);
  EXPECT_DOUBLE_EQ(back->scale, 120);

  const std::string head = "velmora-patterns 1\nvariant 0\nboard 8\nscale 100\n";
  for (const auto& [text, line] : std::vector<std::pair<std::string, std::string>>{
           {"velmora-patterns 2\n", "line 1"},
           {head + "9 0 5\n", "line 5"},                             // region beyond the board's nine
           {head + "0 6561 5\n", "line 5"},                          // index beyond 3 to the 8th
           {head + "0 1 40000\n", "line 5"},                         // weight beyond any score
           {head + "0 1\n", "line 5"},                               // a word short
           {"velmora-patterns 1\nvariant 13\nboard 8\n", "line 3"},  // Turkish plays on every square
           {"velmora-patterns 1\nvariant 6\nboard 8\n", "line 3"},   // International's board is 10
           {"velmora-patterns 1\nvariant 0\nboard 8\n", "missing"},  // no scale
       }) {
    error.clear();
    EXPECT_FALSE(readPatternWeights(text, &error)) << text;
    EXPECT_NE(error.find(line), std::string::npos) << text << ": " << error;
  }
}

template <int N>
void expectBitsAsCells(GameType type, std::mt19937& random) {
  const PatternWeights w = randomWeights(type, random);
  ExpertBitEval<DarkSquares<N>> eval;
  eval.setVariant(type);
  eval.setPatterns(&w);
  for (int round = 0; round < 200; ++round) {
    auto s = test::position(type, test::randomPositionText(type, random, 5 + random() % 70));
    const auto bits = DarkSquares<N>::read(s->board);
    for (int side : {White, Black}) {
      ASSERT_EQ(eval.evaluate(bits, side, 0), expertEvaluate(*s, side, 0, &w)) << gameTypeName(type) << round;
      // One table serves both sides: the position turned round scores the
      // same for the other side.
      ASSERT_EQ(patternScore(w, s->board, side), patternScore(w, turnedRound(*s)->board, side ^ 1)) << round;
    }
  }
}

TEST(PatternWeights, BitsAndCellsReadTheRegionsAlikeAndBothSidesByOneTable) {
  std::mt19937 random(17);
  expectBitsAsCells<8>(American, random);
  expectBitsAsCells<8>(Russian, random);
  expectBitsAsCells<10>(International, random);
}

TEST(PatternWeights, ARegionIsReadRowByRowWithKingsAsEmpty) {
  auto s = test::position(American, "W:......../......../......../......../......../......../.b.b..../w.W.....");
  // Region 0 holds a1 c1 b2 d2 a3 c3 b4 d4 in that order: a white man on
  // the first square (1), a king on the second (0), black men on the third
  // and fourth (2 * 9 + 2 * 27).
  const PatternIndices at = patternIndices(s->board, 8);
  EXPECT_EQ(at.count, 9);
  EXPECT_EQ(at.white[0], 1 + 2 * 9 + 2 * 27);
  // Black reads the same region as its far corner, the last of its table,
  // from the other end: the white man is its last square, an enemy.
  EXPECT_EQ(at.black[8], 2 * 2187 + 1 * 243 + 1 * 81);
}

TEST(PatternWeights, BuiltInWeightsReadAndWeighInTheScore) {
  std::mt19937 random(5);
  for (GameType type = 0; type < kVariantCount; ++type) {
    const PatternWeights* w = builtInPatterns(type);
    SCOPED_TRACE(gameTypeName(type));
    // A text the build embeds must read: one that does not would leave the
    // variant on the hand-written terms without a word.
    EXPECT_EQ(w != nullptr, !builtInPatternText(type).empty());
    if (w == nullptr) continue;
    EXPECT_EQ(w->type, type);
    int changed = 0;
    for (int round = 0; round < 20; ++round) {
      auto s = test::position(type, test::randomPositionText(type, random, 30));
      changed += expertEvaluate(*s, White, 0) != expertEvaluate(*s, White, 0, nullptr);
    }
    EXPECT_GT(changed, 10);
  }
}

}  // namespace
}  // namespace velmora
