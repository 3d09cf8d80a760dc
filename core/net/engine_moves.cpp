#include "core/net/engine_moves.h"

#include <algorithm>

#include "core/rules/game_record.h"
#include "core/rules/generate.h"
#include "core/rules/position_text.h"

namespace velmora {

std::optional<std::string> placePieces(GameType type, bool whiteToMove, const std::vector<PlacedPiece>& pieces,
                                       RecordedPosition& state) {
  const int n = boardSizeOf(type);
  std::string rows[kMaxBoardSize];
  for (int y = 0; y < n; ++y) rows[y] = std::string(static_cast<size_t>(n), '.');
  for (const PlacedPiece& p : pieces) rows[p.at.y][static_cast<size_t>(p.at.x)] = p.piece;
  std::string text = whiteToMove ? "W:" : "B:";
  for (int y = n - 1; y >= 0; --y) text += rows[y] + (y > 0 ? "/" : "");
  return readPosition(text, type, state);
}

int legalMoveByEnds(RecordedPosition& state, BoardSquare from, BoardSquare to, const std::vector<BoardSquare>* taken) {
  generateMoves(state.legalMoves, state, state.sideToMove());
  for (int i = 0; i < state.moveCount; ++i) {
    const MoveRecord& m = state.legalMoves[i];
    const MoveStep& last = m.finalStep();
    if (m.fromX != from.x || m.fromY != from.y || last.toX != to.x || last.toY != to.y) continue;
    if (!taken) return i;
    if (static_cast<size_t>(m.captureCount) != taken->size()) continue;
    // Each piece the move takes is named (a move takes each piece once, so
    // a square named twice leaves one of them unnamed).
    bool same = true;
    for (int c = 0; c < m.captureCount && same; ++c)
      same = std::any_of(taken->begin(), taken->end(),
                         [&](BoardSquare s) { return m.steps[c].capturedX == s.x && m.steps[c].capturedY == s.y; });
    if (same) return i;
  }
  return -1;
}

}  // namespace velmora
