#include "core/rules/perft.h"

#include "core/rules/generate.h"
#include "core/rules/position.h"

namespace velmora {

namespace {

// One move list per ply, so the walk allocates nothing.
MoveRecord perftLists[kMaxPerftDepth][kMaxMoves];

std::uint64_t walk(Position& state, int side, int depth) {
  MoveRecord* list = perftLists[depth - 1];
  generateMoves(list, state, side);
  const int count = state.moveCount;
  if (depth == 1) return static_cast<std::uint64_t>(count);
  std::uint64_t leaves = 0;
  MoveRecord slot;  // the record the walk does not keep
  for (int i = 0; i < count; ++i) {
    applyMove(list[i], slot, state);
    leaves += walk(state, side ^ 1, depth - 1);
    undoMove(list[i], state);
  }
  return leaves;
}

}  // namespace

std::uint64_t perft(Position& state, int side, int depth) {
  if (depth < 1 || depth > kMaxPerftDepth) return 0;
  return walk(state, side, depth);
}

}  // namespace velmora
