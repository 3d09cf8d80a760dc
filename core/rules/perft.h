#pragma once
// Counting the leaves of the move tree: the rules engine's correctness and
// speed benchmark.

#include <cstdint>

namespace velmora {

struct Position;

constexpr int kMaxPerftDepth = 32;

// Leaves of the tree of `depth` plies from the position on the board, the side
// to move alternating from `side`; no game-end rules. The last ply's list is
// generated and counted in bulk. The diagonal variants are walked on
// bitboards of the dark squares, Turkish and Gothic on bitboards of every
// square. Depth is 1..kMaxPerftDepth.
std::uint64_t perft(Position& state, int side, int depth);

}  // namespace velmora
