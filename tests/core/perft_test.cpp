// Move-tree counts from the start positions, and apply/undo restoring the
// board at every node of a walk in every variant.

#include "core/rules/perft.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <random>

#include "core/rules/generate.h"
#include "support/test_support.h"

namespace velmora {
namespace {

std::vector<std::uint64_t> perftSeries(GameType type, int depth) {
  auto state = test::startPosition(type);
  std::vector<std::uint64_t> counts;
  for (int d = 1; d <= depth; ++d) counts.push_back(perft(*state, White, d));
  return counts;
}

// Published figures; paths taking the same pieces by different routes count
// separately, as the generator lists them.
TEST(Perft, InternationalMatchesPublishedFigures) {
  EXPECT_EQ(perftSeries(International, 7), (std::vector<std::uint64_t>{9, 81, 658, 4265, 27117, 167140, 1049442}));
}

TEST(Perft, BrazilianMatchesPublishedFigures) {
  EXPECT_EQ(perftSeries(Brazilian, 7), (std::vector<std::uint64_t>{7, 49, 302, 1469, 7473, 37628, 187302}));
}

// The leaves as the records count them, generateMoves, applyMove and
// undoMove at every node: what perft's bitboards must count too.
std::uint64_t recordLeaves(GameState& state, MoveRecord (*lists)[kMaxMoves], int side, int depth) {
  MoveRecord* list = lists[depth - 1];
  generateMoves(list, state, side);
  const int count = state.moveCount;
  if (depth == 1) return static_cast<std::uint64_t>(count);
  std::uint64_t leaves = 0;
  for (int i = 0; i < count; ++i) {
    MoveRecord slot;
    applyMove(list[i], slot, state);
    leaves += recordLeaves(state, lists, side ^ 1, depth - 1);
    undoMove(slot, state);
  }
  return leaves;
}

// From the start and from a middle game with kings of every variant, where
// the flying, Russian and Frisian captures are common.
TEST(Perft, CountsAsTheRecordsOfEveryVariantDo) {
  auto lists = std::make_unique<MoveRecord[][kMaxMoves]>(6);
  std::mt19937 random(25);
  for (GameType type = 0; type < kVariantCount; ++type) {
    auto start = test::startPosition(type);
    const int depth = type == Canadian || type == Gothic ? 4 : 5;
    EXPECT_EQ(perft(*start, White, depth), recordLeaves(*start, lists.get(), White, depth)) << gameTypeName(type);
    for (int k = 0; k < 3; ++k) {
      const std::string text = test::randomPositionText(type, random, 25);
      auto kings = test::position(type, text);
      const int side = kings->sideToMove();
      EXPECT_EQ(perft(*kings, side, 4), recordLeaves(*kings, lists.get(), side, 4))
          << gameTypeName(type) << " " << text;
    }
  }
}

bool samePieces(const Board& a, const Board& b) {
  for (int y = 0; y < kMaxBoardSize; ++y)
    for (int x = 0; x < kMaxBoardSize; ++x) {
      if (a[y][x].kind != b[y][x].kind) return false;
      if (a[y][x].kind != Empty && a[y][x].side != b[y][x].side) return false;
    }
  return true;
}

// Generation must leave the board byte for byte as it found it; undo must
// give back every piece the move took.
struct RestoreWalk {
  GameState& state;
  MoveRecord lists[8][kMaxMoves];
  int failures = 0;
  std::uint64_t nodes = 0;

  void walk(int side, int depth) {
    Board before;
    std::memcpy(before, state.board, sizeof before);
    MoveRecord* list = lists[depth];
    generateMoves(list, state, side);
    if (std::memcmp(before, state.board, sizeof before) != 0) ++failures;
    if (depth == 0) return;
    const int count = state.moveCount;
    for (int i = 0; i < count; ++i) {
      ++nodes;
      applyMove(list[i], state.gameRecord[depth], state);
      walk(side ^ 1, depth - 1);
      undoMove(state.gameRecord[depth], state);
      if (!samePieces(before, state.board)) ++failures;
    }
  }
};

TEST(Perft, ApplyThenUndoRestoresEveryNodeInEveryVariant) {
  for (GameType type = 0; type < kVariantCount; ++type) {
    auto state = test::startPosition(type);
    auto walker = std::make_unique<RestoreWalk>(RestoreWalk{*state, {}, 0, 0});
    const int depth = type == Canadian || type == Gothic ? 3 : 5;
    walker->walk(White, depth);
    EXPECT_EQ(walker->failures, 0) << gameTypeName(type);
    EXPECT_GT(walker->nodes, 100u) << gameTypeName(type);
  }
}

}  // namespace
}  // namespace velmora
