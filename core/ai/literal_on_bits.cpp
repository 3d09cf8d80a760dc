#include "core/ai/literal_on_bits.h"

#include "core/ai/search.h"
#include "core/rules/bitboard.h"

namespace velmora {

namespace {

// searchMin and searchMax of search.cpp, step for step: level a holds the
// computer's moves in slot 0 and the opponent's in slot 1.
template <int N>
class LiteralOnBits {
  using G = Geometry<N>;
  using Word = typename G::Word;
  using Move = BitMove<N>;

 public:
  LiteralOnBits(Search& search, BitGenerator<N> generate)
      : search_(search), lists_(search.lists.of<Move>()), generate_(generate) {
    // The evaluation table by bit instead of by cell.
    for (int y = 0; y < N; ++y)
      for (int x = y % 2; x < N; x += 2)
        for (int colour = 0; colour < 2; ++colour)
          for (int kind = Man; kind <= King; ++kind)
            value_[colour][kind][G::square(x, y)] = search.table.value[colour][kind][y][x];
  }

  int root(const BitBoard<N>& board) { return searchMin(board, search_.task.depth, kInitialMaxBest); }

 private:
  // How the board's sum changes when `move` of `side` is played.
  int sumChange(const BitBoard<N>& b, const Move& move, int side) const {
    int change = value_[side][move.kindAfter()][move.to()] - value_[side][move.pieceKind()][move.from()];
    for (Word taken = move.captured; taken != 0; taken &= taken - 1)
      change -= value_[side ^ 1][(b.kings & taken & (0 - taken)) ? King : Man][lowestSquare(taken)];
    return change;
  }

  bool stopped() const { return search_.stopped(); }

  // Plays `move`, keeps the running sum in step, scores the child.
  template <class Score>
  int tryMove(const BitBoard<N>& b, const Move& move, int side, Score score) {
    if (stopped()) return 0;
    ++search_.nodes;
    const int change = sumChange(b, move, side);
    search_.runningSum += change;
    const int value = score(played(b, move, side));
    search_.runningSum -= change;
    return value;
  }

  int searchMin(const BitBoard<N>& b, int level, int bound) {
    const int side = search_.task.side;
    Move* moves = lists_[level][0];
    const int n = generate_(b, side, moves);
    if (n == 0) return kComputerStuck - level;
    const auto reply = [&](int best) {
      return [this, level, best](const BitBoard<N>& child) { return searchMax(child, level, best); };
    };

    if (level == search_.task.depth) {
      if (n == 1) {
        search_.rootIndex = 0;
        return 1;
      }
      int best = kInitialMinBest;
      for (int i = 0; i < n; ++i) {
        if (search_.task.progress && !search_.task.progress(search_.task.progressContext, i * 100 / n)) return 0;
        if (stopped()) return 0;
        const int v = tryMove(b, moves[i], side, reply(best));
        if (v < best) {  // strictly: ties keep the earliest move
          best = v;
          search_.rootIndex = i;
        }
      }
      search_.rootBest = best;
      return 1;
    }

    int best = kInitialMinBest;
    for (int i = 0; i < n; ++i) {
      const int v = tryMove(b, moves[i], side, reply(best));
      if (v < best) best = v;
      if (best <= bound) break;
    }
    return best;
  }

  int searchMax(const BitBoard<N>& b, int level, int bound) {
    const int side = search_.opponent();
    Move* moves = lists_[level][1];
    const int n = generate_(b, side, moves);
    if (n == 0) return kOpponentStuck - level;

    const int sign = search_.position.giveAway ? -1 : 1;
    int best = kInitialMaxBest;
    for (int i = 0; i < n; ++i) {
      int v;
      if (level > 0) {
        v = tryMove(b, moves[i], side, [&](const BitBoard<N>& child) { return searchMin(child, level - 1, best); });
      } else if (stopped()) {
        v = 0;
      } else {
        // A reply at level 0 is scored by the sum after it; the board
        // itself is not needed.
        ++search_.nodes;
        v = sign * (search_.runningSum + sumChange(b, moves[i], side));
      }
      if (v > best) best = v;
      if (best >= bound) break;
    }
    return best;
  }

  Search& search_;
  LevelLists<Move>& lists_;
  const BitGenerator<N> generate_;
  int value_[2][3][G::square(N - 1, N - 1) + 1] = {};
};

template <int N>
bool chooseOn(Search& search, int& result) {
  const Position& g = search.position;
  const BitGenerator<N> generate = bitGeneratorFor<N>(rulesOf(g));
  if (generate == nullptr) return false;
  for (int y = 0; y < N; ++y)
    for (int x = (y + 1) % 2; x < N; x += 2)
      if (g.board[y][x].kind != Empty) return false;
  LiteralOnBits<N> walk(search, generate);
  result = walk.root(readBitBoard<N>(g.board));
  return true;
}

}  // namespace

bool chooseOnBits(Search& search, int& result) {
  switch (search.position.boardSize) {
    case 8: return chooseOn<8>(search, result);
    case 10: return chooseOn<10>(search, result);
    case 12: return chooseOn<12>(search, result);
    default: return false;
  }
}

}  // namespace velmora
