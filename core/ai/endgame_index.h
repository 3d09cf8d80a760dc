#pragma once
// A perfect numbering of the positions of one material on the dark squares
// of an N x N board: every number below size() is one position with its
// side to move, and every position of the material has one number. A man
// never stands on the row it would be crowned on.

#include <cstdint>
#include <string>

#include "core/rules/bitboard.h"

namespace velmora {

// The most pieces a table is built for; its numbers fit 64 bits with room.
constexpr int kMaxEndgamePieces = 8;

struct Material {
  int whiteMen = 0;
  int whiteKings = 0;
  int blackMen = 0;
  int blackKings = 0;

  int pieces() const { return whiteMen + whiteKings + blackMen + blackKings; }
  int men() const { return whiteMen + blackMen; }
  // The same pieces with the colours exchanged.
  Material flipped() const { return {blackMen, blackKings, whiteMen, whiteKings}; }
  bool operator==(const Material&) const = default;
};

// "w2m1k-b0m1k": two white men and a king against a black king.
std::string materialName(const Material& m);

// The pieces on `b`, whatever they are.
template <int N>
Material materialOf(const BitBoard<N>& b) {
  const auto wk = b.pieces[White] & b.kings, bk = b.pieces[Black] & b.kings;
  return {squareCount(b.pieces[White] ^ wk), squareCount(wk), squareCount(b.pieces[Black] ^ bk), squareCount(bk)};
}

// The board turned half round with the colours exchanged: the same game
// with the other side to move.
template <int N>
BitBoard<N> flippedBoard(const BitBoard<N>& b);

template <int N>
class EndgameIndex {
 public:
  static constexpr int kSquares = N * N / 2;
  static constexpr int kRow = N / 2;  // squares in a row

  // The material must hold at most kMaxEndgamePieces pieces.
  explicit EndgameIndex(const Material& m);

  const Material& material() const { return material_; }
  // Numbers of positions, both sides to move counted.
  std::uint64_t size() const { return 2 * positions_; }
  // `b` holds this material exactly, its men off their crowning rows.
  std::uint64_t index(const BitBoard<N>& b, int side) const;
  BitBoard<N> board(std::uint64_t index) const;
  static int side(std::uint64_t index) { return static_cast<int>(index & 1); }

 private:
  // The positions with k white men on White's back row and j black men on
  // Black's: each choice in turn among the squares the earlier ones left.
  struct Block {
    std::uint64_t offset;
    std::uint64_t radix[6];
  };
  Material material_;
  std::uint64_t positions_ = 0;
  Block blocks_[kMaxEndgamePieces + 1][kMaxEndgamePieces + 1] = {};
};

}  // namespace velmora
