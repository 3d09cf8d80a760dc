#include "core/game/play.h"

#include <cstring>

#include "core/platform/host.h"
#include "core/records/listing.h"
#include "core/rules/game_state.h"
#include "core/rules/generate.h"

namespace velmora {

namespace {

// Replays `move` on `copy` of the board with only its first `steps` captures,
// so the board shows the moving piece on the square reached by that step.
void showCaptureSteps(GameState& game, MoveRecord& move, MoveRecord& slot, const Board& before, int steps) {
  std::memcpy(game.board, before, sizeof before);
  move.captureCount = static_cast<std::int8_t>(steps);
  applyMove(move, slot, game);
}

const char* resultMessage(GameResult result) {
  switch (result) {
    case WhiteWins: return "Game over.\nWhite wins.";
    case BlackWins: return "Game over.\nBlack wins.";
    default: return "Game over.\nNo capture in 15 last moves.\nThis game is a draw";
  }
}

// A capture, or a man's move that changes its column, starts the count anew.
bool breaksQuietRun(const MoveRecord& m) {
  return m.captureCount != 0 || (m.pieceKind == Man && m.fromX != m.steps[0].toX);
}

}  // namespace

void playMove(GameState& game, MoveListing& listing, int index) {
  if (index < 0 || index >= game.moveCount) return;
  const int k = listing.shownMoves();
  if (k >= kMaxGameMoves) {
    host.messageBox("Limit of amount movements has been reached.\nGame over.", MessageIcon::Information,
                    MessageButtons::Ok);
    game.gameRunning = 0;
    return;
  }
  clearSelection(game);
  Board before;
  std::memcpy(before, game.board, sizeof before);

  MoveRecord& move = game.legalMoves[index];
  MoveRecord& slot = game.gameRecord[k];
  applyMove(move, slot, game);
  game.plyCount = k + 1;
  refreshListing(listing, game, k + 1);

  const int captures = move.captureCount;
  if (captures == 0) {
    host.repaintNow();
    host.playSound(SoundEvent::Movement);
  }
  // No input is taken meanwhile: the thread is busy until the last step.
  for (int s = 1; s <= captures; ++s) {
    showCaptureSteps(game, move, slot, before, s);
    host.repaintNow();
    host.playSound(SoundEvent::Capture);
    if (s < captures) host.sleepMs(kCapturePauseMs);
  }
  game.gameModified = 1;

  const int last = captures > 0 ? captures - 1 : 0;
  if (slot.pieceKind != slot.steps[last].kindAfter) host.playSound(SoundEvent::Promotion);
}

GameResult checkGameEnd(GameState& game, const MoveListing& listing, bool showMessages) {
  if (!listing.atLastLine()) return GameGoesOn;
  const int side = listing.sideToMove();
  generateMoves(game.legalMoves, game, side);

  GameResult result = GameGoesOn;
  if (game.moveCount == 0) {
    // The side to move loses, or in the give-away game wins.
    const bool whiteLoses = (side == White) != (game.giveAway != 0);
    result = whiteLoses ? BlackWins : WhiteWins;
  } else {
    const int played = listing.shownMoves();
    bool quiet = played >= kQuietMovesForDraw;
    for (int i = played - kQuietMovesForDraw; quiet && i < played; ++i) quiet = !breaksQuietRun(game.gameRecord[i]);
    if (quiet) result = Draw;
  }
  if (result != GameGoesOn && showMessages)
    host.messageBox(resultMessage(result), MessageIcon::Information, MessageButtons::Ok);
  return result;
}

}  // namespace velmora
