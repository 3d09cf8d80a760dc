// The engine's generator, which keeps piece rows beside the board through
// applyMove and undoMove, and the bitboard generator of the diagonal
// variants, against the former one, which reads the board alone: the same
// moves in the same order, record for record, on random games of every
// variant and on random positions with kings.

#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "core/records/notation.h"
#include "core/rules/bitboard.h"
#include "core/rules/generate.h"
#include "support/reference_generator.h"
#include "support/test_support.h"

namespace velmora {
namespace {

struct Lists {
  MoveRecord engine[kMaxMoves];
  MoveRecord oracle[kMaxMoves];
};

template <int N>
BitMove<N> bitList[kMaxMoves];

// The compact moves of the bitboard generator against the oracle's records
// of the position on `copy`, in order, and each played on the bits against
// the record applied to the board. True when they agree.
template <int N>
bool sameBitMoves(GameState& copy, const MoveRecord* records, const std::string& where) {
  using G = Geometry<N>;
  const BitGenerator<N> generate = bitGeneratorFor<N>(rulesOf(copy));
  if (generate == nullptr) return true;
  const int side = copy.sideToMove();
  const BitBoard<N> board = readBitBoard<N>(copy.board);
  const int n = generate(board, side, bitList<N>);
  EXPECT_EQ(n, copy.moveCount) << where << " (bitboards)";
  if (n != copy.moveCount) return false;
  // The quick look at the position tells what the list holds.
  const int expected = n == 0 ? 0 : records[0].captureCount > 0 ? 2 : 1;
  EXPECT_EQ(bitLookFor<N>(rulesOf(copy))(board, side), expected) << where << " (look)";
  for (int i = 0; i < n; ++i) {
    const MoveRecord& r = records[i];
    const BitMove<N>& m = bitList<N>[i];
    typename G::Word captured = 0;
    for (int k = 0; k < r.captureCount; ++k) captured |= G::bit(G::square(r.steps[k].capturedX, r.steps[k].capturedY));
    const MoveStep& last = r.finalStep();
    const bool same = m.from() == G::square(r.fromX, r.fromY) && m.to() == G::square(last.toX, last.toY) &&
                      m.pieceKind() == r.pieceKind && m.side() == r.pieceSide && m.kindAfter() == last.kindAfter &&
                      m.captureCount() == r.captureCount && m.captured == captured &&
                      (r.captureCount == 0 || m.quality() == captureWorth(r, familyRules(rulesOf(copy)).choice));
    EXPECT_TRUE(same) << where << " bitboard move " << i << " differs from " << moveText(r);
    if (!same) return false;
    MoveRecord slot;
    applyMove(r, slot, copy);
    const BitBoard<N> after = readBitBoard<N>(copy.board), bitsAfter = played(board, m, side);
    undoMove(slot, copy);
    const bool samePlay = after.pieces[White] == bitsAfter.pieces[White] &&
                          after.pieces[Black] == bitsAfter.pieces[Black] && after.kings == bitsAfter.kings;
    EXPECT_TRUE(samePlay) << where << " bitboard move " << moveText(r) << " played differently";
    if (!samePlay) return false;
  }
  return true;
}

bool sameBitMoves(GameState& copy, const MoveRecord* records, const std::string& where) {
  switch (copy.boardSize) {
    case 10: return sameBitMoves<10>(copy, records, where);
    case 12: return sameBitMoves<12>(copy, records, where);
    default: return sameBitMoves<8>(copy, records, where);
  }
}

// The side to move's moves from the generators; true when they agree. The
// oracle runs on a copy, so it cannot repair what the engine relies on.
bool sameMoves(GameState& s, GameState& copy, Lists& lists, const std::string& where) {
  std::memcpy(copy.board, s.board, sizeof copy.board);
  copy.boardSize = s.boardSize;
  copy.gameType = s.gameType;
  copy.officialRules = s.officialRules;
  copy.plyCount = s.plyCount;
  copy.start.side = s.start.side;
  reference::generateMoves(lists.oracle, copy, s.sideToMove());
  if (!sameBitMoves(copy, lists.oracle, where)) return false;
  generateMoves(lists.engine, s, s.sideToMove());
  const int n = s.moveCount;
  EXPECT_EQ(n, copy.moveCount) << where;
  if (n != copy.moveCount) return false;
  for (int i = 0; i < n; ++i) {
    const MoveRecord &a = lists.engine[i], &b = lists.oracle[i];
    const bool same = a.captureCount == b.captureCount && std::memcmp(&a, &b, usedBytes(b)) == 0;
    EXPECT_TRUE(same) << where << " move " << i << ": " << moveText(a) << " instead of " << moveText(b);
    if (!same) return false;
  }
  return true;
}

// From the position of `s`, `plies` random moves; at each position the
// lists are compared there and after every move and its undo, so that the
// kept rows are checked after applyMove and after undoMove of every kind of
// move the position has.
void walkAndCompare(GameState& s, std::mt19937& random, int plies, const std::string& name, int& positions) {
  auto copy = std::make_unique<GameState>();
  auto lists = std::make_unique<Lists>();
  for (int ply = 0; ply < plies; ++ply) {
    const std::string where = name + " ply " + std::to_string(ply);
    if (!sameMoves(s, *copy, *lists, where)) return;
    const int n = s.moveCount;
    if (n == 0) return;
    MoveRecord moves[kMaxMoves];
    std::memcpy(moves, lists->engine, sizeof(MoveRecord) * static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
      applyMove(moves[i], s.gameRecord[s.plyCount], s);
      ++s.plyCount;
      const bool same = sameMoves(s, *copy, *lists, where + " after " + moveText(moves[i]));
      --s.plyCount;
      undoMove(s.gameRecord[s.plyCount], s);
      ++positions;
      if (!same) return;
    }
    if (!sameMoves(s, *copy, *lists, where + " after the undos")) return;
    applyMove(moves[random() % static_cast<unsigned>(n)], s.gameRecord[s.plyCount], s);
    ++s.plyCount;
  }
}

TEST(GeneratorOracle, RandomGamesOfEveryVariant) {
  int positions = 0;
  for (GameType type = 0; type < kVariantCount; ++type)
    for (unsigned seed = 1; seed <= 6; ++seed) {
      auto s = test::startPosition(type);
      std::mt19937 random(seed * 100 + static_cast<unsigned>(type));
      walkAndCompare(*s, random, 200, std::string(gameTypeName(type)) + " seed " + std::to_string(seed), positions);
    }
  EXPECT_GT(positions, 50000);
}

TEST(GeneratorOracle, RandomGamesByTheFederationsRules) {
  int positions = 0;
  for (GameType type = 0; type < kVariantCount; ++type) {
    if (!hasOfficialRules(type)) continue;
    for (unsigned seed = 1; seed <= 6; ++seed) {
      auto s = test::startPosition(type);
      s->officialRules = 1;
      std::mt19937 random(seed * 100 + static_cast<unsigned>(type));
      walkAndCompare(*s, random, 200, std::string(gameTypeName(type)) + " seed " + std::to_string(seed), positions);
    }
  }
  EXPECT_GT(positions, 20000);
}

// Kings from the start reach the flying and sideways captures that games
// reach only late.
void comparePositionsWithKings(bool official, int& positions, int& withCaptures) {
  for (GameType type = 0; type < kVariantCount; ++type) {
    if (official && !hasOfficialRules(type)) continue;
    std::mt19937 random(77 + static_cast<unsigned>(type));
    for (int k = 0; k < 40; ++k) {
      const std::string text = test::randomPositionText(type, random, 30);
      auto s = test::position(type, text);
      s->officialRules = official ? 1 : 0;
      generateMoves(s->legalMoves, *s, s->sideToMove());
      withCaptures += s->moveCount > 0 && s->legalMoves[0].captureCount > 0;
      walkAndCompare(*s, random, 30, std::string(gameTypeName(type)) + " " + text, positions);
    }
  }
}

TEST(GeneratorOracle, RandomPositionsWithKings) {
  int positions = 0, withCaptures = 0;
  comparePositionsWithKings(false, positions, withCaptures);
  EXPECT_GT(withCaptures, 100);
  EXPECT_GT(positions, 50000);
}

TEST(GeneratorOracle, RandomPositionsWithKingsByTheFederationsRules) {
  int positions = 0, withCaptures = 0;
  comparePositionsWithKings(true, positions, withCaptures);
  EXPECT_GT(withCaptures, 50);
  EXPECT_GT(positions, 30000);
}

// A board written directly, with the rows of an earlier position still kept,
// is read afresh once boardWritten says so.
TEST(GeneratorOracle, BoardWrittenDirectlyIsReadAfresh) {
  auto s = test::position(American, "W:......../......../......../......../......../......../......../w.......");
  generateMoves(s->legalMoves, *s, White);
  ASSERT_EQ(s->moveCount, 1);
  EXPECT_EQ(s->legalMoves[0].captureCount, 0);
  s->board[1][1] = Cell{Man, Black};
  s->boardWritten();
  generateMoves(s->legalMoves, *s, White);
  ASSERT_EQ(s->moveCount, 1);
  EXPECT_EQ(s->legalMoves[0].captureCount, 1);
}

}  // namespace
}  // namespace velmora
