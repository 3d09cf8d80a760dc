// The bitboard generator of Turkish and Gothic against generateMoves: the
// same moves in the same order, each played on the bits as applyMove plays
// it on the board, for both sides of random positions, of random games from
// the start and of positions written for the rare cases.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <vector>

#include "core/records/notation.h"
#include "core/rules/generate.h"
#include "core/rules/square_bitboard.h"
#include "support/test_support.h"

namespace velmora {
namespace {

struct Lists {
  MoveRecord records[kMaxMoves];
  SquareMove moves[kMaxMoves];
  SquareMove anyOrder[kMaxMoves];
};

bool sameBoard(const SquareBoard& a, const SquareBoard& b) {
  return a.pieces[White] == b.pieces[White] && a.pieces[Black] == b.pieces[Black] && a.kings == b.kings;
}

// Compares the lists of `side` on `s`, move by move and played; returns the
// number of moves, -1 at the first difference. Also the perft order must be
// the same moves, in whatever order.
int compareSide(GameState& s, int side, Lists& lists, const std::string& where) {
  const RuleFamily family = rulesOf(s);
  generateMoves(lists.records, s, side);
  const int n = s.moveCount;
  const SquareBoard board = readSquareBoard(s.board);
  const int count = squareGeneratorFor(family)(board, side, lists.moves);
  EXPECT_EQ(count, n) << where;
  if (count != n) return -1;
  for (int i = 0; i < n; ++i) {
    const MoveRecord& r = lists.records[i];
    const SquareMove& m = lists.moves[i];
    const MoveStep& last = r.finalStep();
    std::uint64_t captured = 0;
    for (int k = 0; k < r.captureCount; ++k)
      captured |= std::uint64_t{1} << squareAt(r.steps[k].capturedX, r.steps[k].capturedY);
    const bool same = m.from() == squareAt(r.fromX, r.fromY) && m.to() == squareAt(last.toX, last.toY) &&
                      m.pieceKind() == r.pieceKind && m.kindAfter() == last.kindAfter && m.side() == side &&
                      m.captureCount() == r.captureCount && m.captured == captured &&
                      (r.captureCount == 0 || m.quality() == captureQuality(r));
    EXPECT_TRUE(same) << where << " move " << i << " differs from " << moveText(r);
    if (!same) return -1;
    MoveRecord slot;
    applyMove(r, slot, s);
    const SquareBoard applied = readSquareBoard(s.board);
    undoMove(slot, s);
    EXPECT_TRUE(sameBoard(playedSquare(board, m, side), applied)) << where << " " << moveText(r) << " played";
    if (!sameBoard(playedSquare(board, m, side), applied)) return -1;
  }
  const int unordered = squareGeneratorFor(family, MoveOrder::Any)(board, side, lists.anyOrder);
  const auto fieldsOf = [](const SquareMove* moves, int length, bool withSide) {
    std::vector<std::pair<std::uint64_t, std::uint64_t>> fields;
    for (int i = 0; i < length; ++i)
      fields.emplace_back(moves[i].captured, moves[i].fields & ~(withSide ? SquareMove::sideField(1) : 0));
    std::sort(fields.begin(), fields.end());
    return fields;
  };
  EXPECT_EQ(fieldsOf(lists.moves, n, true), fieldsOf(lists.anyOrder, unordered, false)) << where << " any order";
  return n;
}

// Both sides of the position on `s`; true when they agree.
bool compareBoth(GameState& s, Lists& lists, const std::string& where, int& captures) {
  for (int side = 0; side < 2; ++side) {
    const int n = compareSide(s, side, lists, where + (side == White ? " white" : " black"));
    if (n < 0) return false;
    captures += n > 0 && lists.records[0].captureCount > 0;
  }
  return true;
}

// `plies` random moves from the position on `s`, comparing at each.
void walk(GameState& s, std::mt19937& random, int plies, const std::string& name, Lists& lists, int& positions,
          int& captures) {
  for (int ply = 0; ply < plies; ++ply) {
    if (!compareBoth(s, lists, name + " ply " + std::to_string(ply), captures)) return;
    ++positions;
    generateMoves(s.legalMoves, s, s.sideToMove());
    if (s.moveCount == 0) return;
    applyMove(s.legalMoves[random() % static_cast<unsigned>(s.moveCount)], s.gameRecord[s.plyCount], s);
    ++s.plyCount;
  }
}

class SquareGenerator : public ::testing::TestWithParam<GameType> {
 protected:
  std::unique_ptr<Lists> lists_ = std::make_unique<Lists>();
  int positions_ = 0, captures_ = 0;
};

TEST_P(SquareGenerator, RandomGamesFromTheStart) {
  for (unsigned seed = 1; seed <= 40; ++seed) {
    auto s = test::startPosition(GetParam());
    std::mt19937 random(seed);
    walk(*s, random, 150, "seed " + std::to_string(seed), *lists_, positions_, captures_);
  }
  EXPECT_GT(positions_, 2000);
  EXPECT_GT(captures_, 500);
}

// Sparse boards give kings long lines, crowded ones long captures and full
// lists; men stand on their crowning rows too.
TEST_P(SquareGenerator, RandomPositionsOfEveryDensity) {
  std::mt19937 random(11 + static_cast<unsigned>(GetParam()));
  for (const unsigned percent : {5u, 15u, 30u, 50u, 75u, 95u, 100u})
    for (int k = 0; k < 150; ++k) {
      const std::string text = test::randomPositionText(GetParam(), random, percent);
      auto s = test::position(GetParam(), text);
      walk(*s, random, 12, text, *lists_, positions_, captures_);
    }
  EXPECT_GT(positions_, 5000);
  EXPECT_GT(captures_, 2000);
}

// The rare cases written out: a man on its crowning row, which stays a man
// stepping or taking sideways there; a man crowning by a capture; a king
// with nothing in its lines; and a king that takes many.
TEST_P(SquareGenerator, WrittenPositions) {
  const char* const texts[] = {
      "W:wb.b.w.w/......../......../......../......../......../......../........",
      "B:......../......../......../......../......../......../......../bw..bw.b",
      "W:......../..b.b.../......../..b.b.../...w..../......../......../........",
      "W:......../......../......../......../...W..../......../......../........",
      "B:B......./......../......../......../......../......../......../.......B",
      "W:......../.b.b.b../......../.b.b.b../......../.b.b.b../..W...../........",
      "W:......../.b.b.b../......../.b.b.b../......../.b.b.b../......../.W......",
      "W:......../.B.B.B../......../.B.b.B../......../.B.b.B../...W..../........",
      "W:bbbbbbbb/bbbbbbbb/bbbbbbbb/bbbbbbbb/wwwwwwww/wwwwwwww/wwwwwwww/wwwwwwww",
      "W:.bbbbbbb/b.bbbbbb/bb.bbbbb/bbbWbbbb/bbbb.bbb/bbbbb.bb/bbbbbb.b/bbbbbbb.",
  };
  for (const char* text : texts) {
    auto s = test::position(GetParam(), text);
    EXPECT_TRUE(compareBoth(*s, *lists_, text, captures_));
  }
  EXPECT_GE(captures_, 6);
}

INSTANTIATE_TEST_SUITE_P(EverySquare, SquareGenerator, ::testing::Values(Turkish, Gothic),
                         [](const testing::TestParamInfo<GameType>& param) {
                           return std::string(gameTypeName(param.param));
                         });

}  // namespace
}  // namespace velmora
