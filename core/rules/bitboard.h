#pragma once
// The position of a diagonal variant as whole-board bitboards, and the
// compact move the engine works with inside its trees.
//
// Square (x, y), x + y even, is bit (stride * y + x) / 2 with stride N + 1:
// a step along a diagonal is then one shift of the whole board, by
// (stride + 1) / 2 or (stride - 1) / 2 bits. Every second row ends in a
// ghost bit that is no square, so a step off the left or right edge lands
// on a ghost (or off the word) and reads as neither empty nor a piece. 8 x 8
// and 10 x 10 fit one 64-bit word, 12 x 12 takes 78 bits of a 128-bit one.

#include <bit>
#include <cstdint>
#include <type_traits>

#include "core/rules/board.h"

namespace velmora {

__extension__ using Word128 = unsigned __int128;

template <int N>
struct Geometry {
  static_assert(N == 8 || N == 10 || N == 12);
  using Word = std::conditional_t<N <= 10, std::uint64_t, Word128>;
  static constexpr int kStride = N + 1;

  static constexpr int square(int x, int y) { return (kStride * y + x) / 2; }
  static constexpr int column(int s) { return 2 * s % kStride; }
  static constexpr int row(int s) { return 2 * s / kStride; }
  // The shift of a step (dx, dy) with dx + dy even: the bits move up for a
  // positive one.
  static constexpr int shift(int dx, int dy) { return (kStride * dy + dx) / 2; }

  static constexpr Word bit(int s) { return Word{1} << s; }
  template <int d>
  static constexpr Word shifted(Word w) {
    if constexpr (d >= 0)
      return w << d;
    else
      return w >> -d;
  }

  // The squares from which `steps` steps of (dx, dy) stay on the board.
  static constexpr Word reach(int dx, int dy, int steps) {
    Word w = 0;
    for (int y = 0; y < N; ++y)
      for (int x = y % 2; x < N; x += 2) {
        const int tx = x + steps * dx, ty = y + steps * dy;
        if (tx >= 0 && ty >= 0 && tx < N && ty < N) w |= bit(square(x, y));
      }
    return w;
  }
  static constexpr Word kBoard = reach(0, 0, 0);
  static constexpr Word rowMask(int y) { return reach(0, -y, 1) & reach(0, N - 1 - y, 1); }
  // The row a side's men are crowned on.
  static constexpr Word promotionRow(int side) { return rowMask(side == White ? N - 1 : 0); }
};

template <class Word>
inline int lowestSquare(Word w) {
  if constexpr (sizeof(Word) == 8) {
    return std::countr_zero(w);
  } else {
    const auto low = static_cast<std::uint64_t>(w);
    return low != 0 ? std::countr_zero(low) : 64 + std::countr_zero(static_cast<std::uint64_t>(w >> 64));
  }
}

// The x86-64 baseline has no instruction for it, and the library's function
// costs a call: the bits are added up in place instead.
inline int bitCount(std::uint64_t w) {
#if defined(__POPCNT__) || !(defined(__x86_64__) || defined(__i386__))
  return std::popcount(w);
#else
  w -= (w >> 1) & 0x5555555555555555ull;
  w = (w & 0x3333333333333333ull) + ((w >> 2) & 0x3333333333333333ull);
  w = (w + (w >> 4)) & 0x0f0f0f0f0f0f0f0full;
  return static_cast<int>((w * 0x0101010101010101ull) >> 56);
#endif
}

template <class Word>
inline int squareCount(Word w) {
  if constexpr (sizeof(Word) == 8)
    return bitCount(w);
  else
    return bitCount(static_cast<std::uint64_t>(w)) + bitCount(static_cast<std::uint64_t>(w >> 64));
}

template <int N>
struct BitBoard {
  using Word = typename Geometry<N>::Word;
  Word pieces[2];  // by side
  Word kings;      // of both sides
};

// A move as the engine plays it: enough to play it on the bits and to choose
// among captures, but not the path. The listing's record, with every step,
// comes from generateMoves. The small fields share one word, written with
// one store: the generator writes a move for every leaf of perft.
template <int N>
struct BitMove {
  using Word = typename Geometry<N>::Word;
  Word captured;  // the squares of the pieces taken
  std::uint64_t fields;

  static constexpr std::uint64_t pack(int from, int to, int pieceKind, int kindAfter, int captureCount = 0,
                                      int quality = 0) {
    return static_cast<std::uint64_t>(from) | static_cast<std::uint64_t>(to) << 8 |
           static_cast<std::uint64_t>(pieceKind) << 16 | static_cast<std::uint64_t>(kindAfter) << 24 |
           static_cast<std::uint64_t>(captureCount) << 32 | static_cast<std::uint64_t>(quality) << 48;
  }
  static constexpr std::uint64_t sideField(int side) { return static_cast<std::uint64_t>(side) << 40; }
  int from() const { return static_cast<int>(fields & 0xff); }
  int to() const { return static_cast<int>(fields >> 8 & 0xff); }
  int pieceKind() const { return static_cast<int>(fields >> 16 & 0xff); }  // before the move
  int kindAfter() const { return static_cast<int>(fields >> 24 & 0xff); }
  int captureCount() const { return static_cast<int>(fields >> 32 & 0xff); }
  int side() const { return static_cast<int>(fields >> 40 & 0xff); }
  int quality() const { return static_cast<int>(fields >> 48 & 0xffff); }  // captureQuality of the record
};

// Plays `move` of `side`: copy-make, the board given stays as it is. A
// capture may end on its own starting square, hence the order of the terms.
template <int N>
inline BitBoard<N> played(const BitBoard<N>& b, const BitMove<N>& move, int side) {
  using G = Geometry<N>;
  const auto from = G::bit(move.from()), to = G::bit(move.to());
  BitBoard<N> next;
  next.pieces[side] = (b.pieces[side] & ~from) | to;
  next.pieces[side ^ 1] = b.pieces[side ^ 1] & ~move.captured;
  next.kings = (b.kings & ~(move.captured | from)) | (move.kindAfter() == King ? to : 0);
  return next;
}

// The pieces of a board of size N: the rows of the cell board read once.
template <int N>
BitBoard<N> readBitBoard(const Board& board);

// Fills `list` (room for kMaxMoves) with the legal moves of `side` and
// returns their number. Allocates nothing. None for Turkish and Gothic,
// which play on every square.
template <int N>
using BitGenerator = int (*)(const BitBoard<N>&, int side, BitMove<N>* list);
// Listed: the order generateMoves lists the moves in. Any: the plain moves
// direction by direction, and side() left 0, for a walk that only counts them.
// Count: the right number, the plain moves not necessarily written, for the
// last ply of such a walk.
enum class MoveOrder { Listed, Any, Count };
template <int N>
BitGenerator<N> bitGeneratorFor(RuleFamily family, MoveOrder order = MoveOrder::Listed);

// What `side` can do on the board, without listing it: 0 no move at all,
// 1 plain moves only, 2 captures. None for Turkish and Gothic.
template <int N>
using BitLook = int (*)(const BitBoard<N>&, int side);
template <int N>
BitLook<N> bitLookFor(RuleFamily family);

}  // namespace velmora
