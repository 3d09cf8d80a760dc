#include "core/rules/perft.h"

#include "core/rules/bitboard.h"
#include "core/rules/generate.h"
#include "core/rules/position.h"
#include "core/rules/square_bitboard.h"

namespace velmora {

namespace {

// One move list per ply, so the walks allocate nothing.
MoveRecord perftLists[kMaxPerftDepth][kMaxMoves];
template <int N>
BitMove<N> bitLists[kMaxPerftDepth][kMaxMoves];

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

// The same tree on bitboards, each child a copy: nothing to take back.
template <int N>
std::uint64_t bitWalk(const BitGenerator<N> (&generate)[2], const BitBoard<N>& board, int side, int depth) {
  BitMove<N>* list = bitLists<N>[depth - 1];
  if (depth == 1) return static_cast<std::uint64_t>(generate[1](board, side, list));
  const int count = generate[0](board, side, list);
  std::uint64_t leaves = 0;
  for (int i = 0; i < count; ++i) leaves += bitWalk(generate, played(board, list[i], side), side ^ 1, depth - 1);
  return leaves;
}

// Turkish and Gothic on bitboards of every square; the moves are those of
// the 8 x 8 diagonal board, so their lists serve.
std::uint64_t squareWalk(SquareGenerator generate, const SquareBoard& board, int side, int depth) {
  SquareMove* list = bitLists<8>[depth - 1];
  const int count = generate(board, side, list);
  if (depth == 1) return static_cast<std::uint64_t>(count);
  std::uint64_t leaves = 0;
  for (int i = 0; i < count; ++i)
    leaves += squareWalk(generate, playedSquare(board, list[i], side), side ^ 1, depth - 1);
  return leaves;
}

// The bitboards hold the playable squares only; a set-up that put a piece
// elsewhere is walked on the rows.
bool onPlayableSquaresOnly(const Position& state) {
  for (int y = 0; y < state.boardSize; ++y)
    for (int x = (y + 1) % 2; x < state.boardSize; x += 2)
      if (state.board[y][x].kind != Empty) return false;
  return true;
}

template <int N>
std::uint64_t perftOn(Position& state, int side, int depth) {
  // The last ply only counts.
  const BitGenerator<N> generate[2] = {bitGeneratorFor<N>(rulesOf(state), MoveOrder::Any),
                                       bitGeneratorFor<N>(rulesOf(state), MoveOrder::Count)};
  if (generate[0] == nullptr || !onPlayableSquaresOnly(state)) return walk(state, side, depth);
  return bitWalk(generate, readBitBoard<N>(state.board), side, depth);
}

}  // namespace

std::uint64_t perft(Position& state, int side, int depth) {
  if (depth < 1 || depth > kMaxPerftDepth) return 0;
  const RuleFamily family = rulesOf(state);
  if (const SquareGenerator generate = squareGeneratorFor(family, MoveOrder::Any);
      generate != nullptr && state.boardSize == 8)
    return squareWalk(generate, readSquareBoard(state.board), side, depth);
  switch (state.boardSize) {
    case 10: return perftOn<10>(state, side, depth);
    case 12: return perftOn<12>(state, side, depth);
    default: return perftOn<8>(state, side, depth);
  }
}

}  // namespace velmora
