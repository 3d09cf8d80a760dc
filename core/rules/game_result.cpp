#include "core/rules/game_result.h"

#include "core/rules/game_record.h"
#include "core/rules/generate.h"

namespace velmora {

bool breaksQuietRun(const MoveRecord& m) {
  return m.captureCount != 0 || (m.pieceKind == Man && m.fromX != m.steps[0].toX);
}

GameResult gameResult(RecordedPosition& state, int side, int plies) {
  generateMoves(state.legalMoves, state, side);
  if (state.moveCount == 0) {
    const bool whiteLoses = (side == White) != (state.giveAway != 0);
    return whiteLoses ? BlackWins : WhiteWins;
  }
  bool quiet = plies >= kQuietMovesForDraw;
  for (int i = plies - kQuietMovesForDraw; quiet && i < plies; ++i) quiet = !breaksQuietRun(state.gameRecord[i]);
  return quiet ? Draw : GameGoesOn;
}

}  // namespace velmora
