#pragma once
// What the searches know a position and a move by: random keys of (colour,
// kind, square), a position's key the exclusive or of its pieces' keys, so a
// move changes it by the keys of the squares it touches; and a move's
// identity for killer and history tables.

#include <array>
#include <cstdint>

#include "core/rules/move.h"
#include "core/rules/position.h"

namespace velmora {

constexpr std::uint64_t splitMix(std::uint64_t x) {
  x += 0x9e3779b97f4a7c15ull;
  x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ull;
  x = (x ^ (x >> 27)) * 0x94d049bb133111ebull;
  return x ^ (x >> 31);
}

constexpr int kBoardSquares = kMaxBoardSize * kMaxBoardSize;

// Kind 0 is never used.
inline constexpr auto kPieceKeys = [] {
  std::array<std::uint64_t, 2 * 3 * kBoardSquares> keys{};
  for (std::size_t i = 0; i < keys.size(); ++i) keys[i] = splitMix(i + 1);
  return keys;
}();

inline std::uint64_t pieceKey(int colour, int kind, int x, int y) {
  return kPieceKeys[static_cast<std::size_t>((colour * 3 + kind) * kBoardSquares + y * kMaxBoardSize + x)];
}

// The pieces of the board; the side to move is each search's own affair.
inline std::uint64_t boardKey(const Position& p) {
  std::uint64_t key = 0;
  for (int y = 0; y < p.boardSize; ++y)
    for (int x = 0; x < p.boardSize; ++x) {
      const Cell& c = p.board[y][x];
      if (c.kind != Empty) key ^= pieceKey(c.side & 1, c.kind, x, y);
    }
  return key;
}

// How boardKey changes when `move` is played.
inline std::uint64_t boardKeyChange(const MoveRecord& move) {
  const int side = move.pieceSide & 1;
  const MoveStep& last = move.finalStep();
  std::uint64_t change =
      pieceKey(side, move.pieceKind, move.fromX, move.fromY) ^ pieceKey(side, last.kindAfter, last.toX, last.toY);
  for (int k = 0; k < move.captureCount; ++k) {
    const MoveStep& s = move.steps[k];
    change ^= pieceKey(side ^ 1, s.capturedKind, s.capturedX, s.capturedY);
  }
  return change;
}

// A move as killer and history tables know it: origin, destination, and
// whether it captures. Distinct moves of one list may share an identity
// (two capture paths to the same square); that only weakens a hint.
inline int moveIdentity(const MoveRecord& move) {
  const MoveStep& last = move.finalStep();
  const int from = move.fromY * kMaxBoardSize + move.fromX;
  const int to = last.toY * kMaxBoardSize + last.toX;
  return (from * kBoardSquares + to) * 2 + (move.captureCount > 0);
}
constexpr int kMoveIdentities = kBoardSquares * kBoardSquares * 2;

}  // namespace velmora
