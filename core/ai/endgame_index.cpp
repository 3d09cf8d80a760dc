#include "core/ai/endgame_index.h"

#include <array>
#include <cassert>

namespace velmora {

namespace {

// Squares are counted densely here, row by row from White's back row: the
// bitboard's ghost bits left out, so that a set of squares is a 64-bit mask
// and the board turned half round is square kSquares - 1 - d.
template <int N>
struct Dense {
  static constexpr int kSquares = N * N / 2;
  static constexpr int kRow = N / 2;
  using G = Geometry<N>;
  using Word = typename G::Word;

  static constexpr int bitOf(int d) { return G::square(2 * (d % kRow) + (d / kRow) % 2, d / kRow); }
  static constexpr std::array<int, kSquares> kBits = [] {
    std::array<int, kSquares> a{};
    for (int d = 0; d < kSquares; ++d) a[static_cast<std::size_t>(d)] = bitOf(d);
    return a;
  }();
  static constexpr std::array<std::int8_t, 8 * sizeof(Word)> kDense = [] {
    std::array<std::int8_t, 8 * sizeof(Word)> a{};
    for (auto& v : a) v = -1;
    for (int d = 0; d < kSquares; ++d) a[static_cast<std::size_t>(bitOf(d))] = static_cast<std::int8_t>(d);
    return a;
  }();

  static std::uint64_t mask(Word w) {
    std::uint64_t m = 0;
    for (; w != 0; w &= w - 1) m |= std::uint64_t{1} << kDense[static_cast<std::size_t>(lowestSquare(w))];
    return m;
  }
  static Word word(std::uint64_t m) {
    Word w = 0;
    for (; m != 0; m &= m - 1) w |= G::bit(kBits[static_cast<std::size_t>(std::countr_zero(m))]);
    return w;
  }
};

constexpr int kMaxN = 64;
constexpr int kMaxK = kMaxEndgamePieces;

constexpr std::array<std::array<std::uint64_t, kMaxK + 1>, kMaxN + 1> kBinomial = [] {
  std::array<std::array<std::uint64_t, kMaxK + 1>, kMaxN + 1> c{};
  for (int n = 0; n <= kMaxN; ++n) {
    c[static_cast<std::size_t>(n)][0] = 1;
    for (int k = 1; k <= kMaxK && k <= n; ++k)
      c[static_cast<std::size_t>(n)][static_cast<std::size_t>(k)] =
          c[static_cast<std::size_t>(n - 1)][static_cast<std::size_t>(k - 1)] +
          (k < n ? c[static_cast<std::size_t>(n - 1)][static_cast<std::size_t>(k)] : 0);
  }
  return c;
}();

std::uint64_t choose(int n, int k) {
  if (n < 0 || k < 0 || k > n) return 0;
  return kBinomial[static_cast<std::size_t>(n)][static_cast<std::size_t>(k)];
}

constexpr std::uint64_t below(int d) { return (std::uint64_t{1} << d) - 1; }

// The colex rank of the squares of `set` counted from `base`, squares of
// `occupied` skipped: the number of each among the squares still free.
std::uint64_t rankOf(std::uint64_t set, std::uint64_t occupied, int base) {
  std::uint64_t r = 0;
  for (int i = 1; set != 0; set &= set - 1, ++i) {
    const int d = std::countr_zero(set);
    r += choose(d - base - std::popcount(occupied & below(d)), i);
  }
  return r;
}

// The inverse of rankOf for `count` squares among `free` ones.
std::uint64_t unrank(std::uint64_t r, int count, int free, std::uint64_t occupied, int base) {
  std::uint64_t set = 0;
  int c = free - 1;
  for (int i = count; i >= 1; --i) {
    while (choose(c, i) > r) --c;
    r -= choose(c, i);
    int d = base + c;
    for (std::uint64_t o = occupied; o != 0; o &= o - 1)
      if (std::countr_zero(o) <= d) ++d;
    set |= std::uint64_t{1} << d;
    --c;
  }
  return set;
}

}  // namespace

std::string materialName(const Material& m) {
  return "w" + std::to_string(m.whiteMen) + "m" + std::to_string(m.whiteKings) + "k-b" + std::to_string(m.blackMen) +
         "m" + std::to_string(m.blackKings) + "k";
}

template <int N>
BitBoard<N> flippedBoard(const BitBoard<N>& b) {
  using D = Dense<N>;
  const auto turn = [](std::uint64_t m) {
    std::uint64_t t = 0;
    for (; m != 0; m &= m - 1) t |= std::uint64_t{1} << (D::kSquares - 1 - std::countr_zero(m));
    return D::word(t);
  };
  return {{turn(D::mask(b.pieces[Black])), turn(D::mask(b.pieces[White]))}, turn(D::mask(b.kings))};
}

template <int N>
EndgameIndex<N>::EndgameIndex(const Material& m) : material_(m) {
  assert(m.pieces() <= kMaxEndgamePieces);
  constexpr int kMiddle = kSquares - 2 * kRow;
  const int men = m.men();
  std::uint64_t offset = 0;
  for (int k = 0; k <= m.whiteMen; ++k)
    for (int j = 0; j <= m.blackMen; ++j) {
      Block& b = blocks_[k][j];
      b.offset = offset;
      b.radix[0] = choose(kRow, k);
      b.radix[1] = choose(kMiddle, m.whiteMen - k);
      b.radix[2] = choose(kRow, j);
      b.radix[3] = choose(kMiddle - (m.whiteMen - k), m.blackMen - j);
      b.radix[4] = choose(kSquares - men, m.whiteKings);
      b.radix[5] = choose(kSquares - men - m.whiteKings, m.blackKings);
      std::uint64_t size = 1;
      for (std::uint64_t r : b.radix) size *= r;
      offset += size;
    }
  positions_ = offset;
}

template <int N>
std::uint64_t EndgameIndex<N>::index(const BitBoard<N>& b, int side) const {
  using D = Dense<N>;
  constexpr std::uint64_t kBack = below(kRow), kTop = below(kSquares) & ~below(kSquares - kRow);
  constexpr std::uint64_t kMiddle = below(kSquares) & ~kBack & ~kTop;
  const std::uint64_t whiteMen = D::mask(b.pieces[White] & ~b.kings), blackMen = D::mask(b.pieces[Black] & ~b.kings);
  const std::uint64_t whiteKings = D::mask(b.pieces[White] & b.kings), blackKings = D::mask(b.pieces[Black] & b.kings);
  const Block& block = blocks_[std::popcount(whiteMen & kBack)][std::popcount(blackMen & kTop)];
  const std::uint64_t men = whiteMen | blackMen;
  std::uint64_t r = rankOf(whiteMen & kBack, 0, 0);
  r = r * block.radix[1] + rankOf(whiteMen & kMiddle, 0, kRow);
  r = r * block.radix[2] + rankOf(blackMen & kTop, 0, kSquares - kRow);
  r = r * block.radix[3] + rankOf(blackMen & kMiddle, whiteMen & kMiddle, kRow);
  r = r * block.radix[4] + rankOf(whiteKings, men, 0);
  r = r * block.radix[5] + rankOf(blackKings, men | whiteKings, 0);
  return 2 * (block.offset + r) + static_cast<std::uint64_t>(side);
}

template <int N>
BitBoard<N> EndgameIndex<N>::board(std::uint64_t index) const {
  using D = Dense<N>;
  constexpr int kMiddle = kSquares - 2 * kRow;
  const Material& m = material_;
  std::uint64_t r = index / 2;
  int k = 0, j = 0;
  // The last block that starts at or before r; empty blocks start where the next one does.
  for (int kk = 0; kk <= m.whiteMen; ++kk)
    for (int jj = 0; jj <= m.blackMen; ++jj) {
      const Block& b = blocks_[kk][jj];
      std::uint64_t size = 1;
      for (std::uint64_t x : b.radix) size *= x;
      if (b.offset <= r && r < b.offset + size) k = kk, j = jj;
    }
  const Block& block = blocks_[k][j];
  r -= block.offset;
  std::uint64_t part[6];
  for (int i = 5; i >= 0; --i) {
    part[i] = r % block.radix[i];
    r /= block.radix[i];
  }
  const int men = m.men();
  const std::uint64_t whiteBack = unrank(part[0], k, kRow, 0, 0);
  const std::uint64_t whiteMiddle = unrank(part[1], m.whiteMen - k, kMiddle, 0, kRow);
  const std::uint64_t blackTop = unrank(part[2], j, kRow, 0, kSquares - kRow);
  const std::uint64_t blackMiddle = unrank(part[3], m.blackMen - j, kMiddle - (m.whiteMen - k), whiteMiddle, kRow);
  const std::uint64_t menSquares = whiteBack | whiteMiddle | blackTop | blackMiddle;
  const std::uint64_t whiteKings = unrank(part[4], m.whiteKings, kSquares - men, menSquares, 0);
  const std::uint64_t blackKings =
      unrank(part[5], m.blackKings, kSquares - men - m.whiteKings, menSquares | whiteKings, 0);
  BitBoard<N> b;
  b.pieces[White] = D::word(whiteBack | whiteMiddle | whiteKings);
  b.pieces[Black] = D::word(blackTop | blackMiddle | blackKings);
  b.kings = D::word(whiteKings | blackKings);
  return b;
}

template class EndgameIndex<8>;
template class EndgameIndex<10>;
template BitBoard<8> flippedBoard<8>(const BitBoard<8>&);
template BitBoard<10> flippedBoard<10>(const BitBoard<10>&);

}  // namespace velmora
