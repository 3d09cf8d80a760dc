#pragma once
// The two ways the Expert holds a board as bits: the dark squares of an
// N x N board (the diagonal variants) and every square of the 8 x 8 board
// (Turkish, Gothic). Each names its board, its compact move, how a square
// maps to a cell, and its generator, so that one evaluation and one way of
// playing serve both.

#include <cstdint>

#include "core/rules/bitboard.h"
#include "core/rules/square_bitboard.h"

namespace velmora {

template <int N>
struct DarkSquares {
  using G = Geometry<N>;
  using Word = typename G::Word;
  using Board = BitBoard<N>;
  using Move = BitMove<N>;
  using Generator = BitGenerator<N>;
  using Look = BitLook<N>;
  static constexpr int kSize = N;
  static constexpr bool kDarkSquares = true;
  static constexpr int kSquares = G::square(N - 1, N - 1) + 1;
  static constexpr Word kBoard = G::kBoard;

  static constexpr bool playable(int x, int y) { return (x + y) % 2 == 0; }
  static constexpr int square(int x, int y) { return G::square(x, y); }
  static constexpr int column(int s) { return G::column(s); }
  static constexpr int row(int s) { return G::row(s); }
  static constexpr Word bit(int s) { return G::bit(s); }

  static Board read(const ::velmora::Board& cells) { return readBitBoard<N>(cells); }
  static Board after(const Board& b, const Move& m) { return played(b, m, m.side()); }
  static Generator generatorFor(RuleFamily family) { return bitGeneratorFor<N>(family); }
  static Look lookFor(RuleFamily family) { return bitLookFor<N>(family); }
};

struct EverySquare {
  using Word = std::uint64_t;
  using Board = SquareBoard;
  using Move = SquareMove;
  using Generator = SquareGenerator;
  using Look = int (*)(const Board&, int side);
  static constexpr int kSize = 8;
  static constexpr bool kDarkSquares = false;
  static constexpr int kSquares = 64;
  static constexpr Word kBoard = ~Word{0};

  static constexpr bool playable(int, int) { return true; }
  static constexpr int square(int x, int y) { return squareAt(x, y); }
  static constexpr int column(int s) { return s % 8; }
  static constexpr int row(int s) { return s / 8; }
  static constexpr Word bit(int s) { return Word{1} << s; }

  static Board read(const ::velmora::Board& cells) { return readSquareBoard(cells); }
  static Board after(const Board& b, const Move& m) { return playedSquare(b, m, m.side()); }
  static Generator generatorFor(RuleFamily family) { return squareGeneratorFor(family); }
  // No quick look: the search lists the moves to see what they are.
  static Look lookFor(RuleFamily) { return nullptr; }
};

}  // namespace velmora
