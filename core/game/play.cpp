#include "core/game/play.h"

#include <cstring>

#include "core/game/game_state.h"
#include "core/game/sound.h"
#include "core/platform/host.h"
#include "core/platform/translation.h"
#include "core/records/listing.h"
#include "core/rules/generate.h"

namespace velmora {

namespace {

// The capture being shown: the board before it and the move. The move is a
// copy, so regenerating the legal moves meanwhile cannot change what is
// shown, and the steps are replayed into a slot of their own, so the game
// record holds the whole move throughout.
struct CaptureShow {
  GameState* game = nullptr;
  Board before;
  MoveRecord move;
  MoveRecord replay;
  int slot = 0;
  int shown = 0;  // capture steps on the board
  std::function<void()> done;
};

CaptureShow current;
int showNumber = 0;  // tells a late sound or pause which move it belongs to

// Runs `next` only while the move it was scheduled for is still being shown:
// a move shown whole at once (the window closing) leaves its sounds and
// pauses nothing to do.
std::function<void()> stillShowing(std::function<void()> next) {
  return [number = showNumber, next = std::move(next)] {
    if (current.game && showNumber == number) next();
  };
}

// Puts the board as it stands after the first `steps` captures of the move.
void showCaptureSteps(CaptureShow& show, int steps) {
  GameState& game = *show.game;
  std::memcpy(game.board, show.before, sizeof show.before);
  game.boardWritten();
  MoveRecord partial = show.move;
  partial.captureCount = static_cast<std::int8_t>(steps);
  applyMove(partial, show.replay, game);
  show.shown = steps;
}

void finishShow();
void endShow();

// Each captured piece is shown and heard before the pause to the next one.
void showNextStep() {
  CaptureShow& show = current;
  showCaptureSteps(show, show.shown + 1);
  host.repaintNow();
  playEventSound(SoundId::Capture, stillShowing([] {
                   if (current.shown == current.move.captureCount) return finishShow();
                   host.after(kCapturePauseMs, stillShowing(showNextStep));
                 }));
}

// The whole move is on the board: a piece that changed kind is heard last.
void finishShow() {
  const MoveRecord& slot = current.game->gameRecord[current.slot];
  const int last = slot.captureCount > 0 ? slot.captureCount - 1 : 0;
  if (slot.pieceKind != slot.steps[last].kindAfter) return playEventSound(SoundId::Promotion, stillShowing(endShow));
  endShow();
}

void endShow() {
  CaptureShow& show = current;
  GameState& game = *show.game;
  show.game = nullptr;
  ++showNumber;
  game.gameModified = 1;
  game.showingMove = 0;
  const std::function<void()> done = std::move(show.done);
  show.done = nullptr;
  if (done) done();
  // The board takes input again: what the window offers follows.
  host.requestRepaint();
}

std::string resultMessage(GameResult result) {
  switch (result) {
    case WhiteWins: return say("Game over.\nWhite wins.");
    case BlackWins: return say("Game over.\nBlack wins.");
    default: return say("Game over.\nNo capture in 15 last moves.\nThis game is a draw");
  }
}

}  // namespace

void playMove(GameState& game, MoveListing& listing, int index, std::function<void()> done) {
  if (index < 0 || index >= game.moveCount || game.showingMove) {
    if (done) done();
    return;
  }
  const int k = listing.shownMoves();
  if (k >= kMaxGameMoves) {
    host.messageBox(say(kMoveLimitMessage), MessageIcon::Information, MessageButtons::Ok);
    game.gameRunning = 0;
    if (done) done();
    return;
  }
  clearSelection(game);
  CaptureShow& show = current;
  show.game = &game;
  std::memcpy(show.before, game.board, sizeof show.before);
  show.move = game.legalMoves[index];
  show.slot = k;
  show.shown = 0;
  show.done = std::move(done);

  // The record and the listing take the whole move at once; only the board
  // goes through its steps.
  applyMove(show.move, game.gameRecord[k], game);
  game.plyCount = k + 1;
  refreshListing(listing, game, k + 1);

  game.showingMove = 1;
  if (show.move.captureCount > 0) return showNextStep();
  host.repaintNow();
  playEventSound(SoundId::Movement, stillShowing(finishShow));
}

void finishShowingMove(GameState& game) {
  CaptureShow& show = current;
  if (show.game != &game) return;
  if (show.shown < show.move.captureCount) {
    showCaptureSteps(show, show.move.captureCount);
    host.repaintNow();
  }
  endShow();
}

GameResult checkGameEnd(GameState& game, const MoveListing& listing, bool showMessages) {
  if (!listing.atLastLine()) return GameGoesOn;
  const GameResult result = gameResult(game, listing.sideToMove(), listing.shownMoves());
  if (result != GameGoesOn && showMessages) {
    // The window shows the finished game (its result beside the board)
    // behind the box, not the position before the last move.
    host.repaintNow();
    host.messageBox(resultMessage(result), MessageIcon::Information, MessageButtons::Ok);
  }
  return result;
}

namespace {

// The listing with its last line selected: the game's latest position.
MoveListing atLastMove(const MoveListing& listing) {
  MoveListing last = listing;
  last.selected = static_cast<int>(listing.lines.size()) - 1;
  return last;
}

}  // namespace

GameResult resultAtLastMove(const GameState& game, GameState& scratch, const MoveListing& listing) {
  if (listing.lines.empty()) return GameGoesOn;
  const MoveListing last = atLastMove(listing);
  setUpStartOf(scratch, game);
  scratch.giveAway = game.giveAway;
  for (int j = 0; j < last.shownMoves(); ++j) applyMove(game.gameRecord[j], scratch.gameRecord[j], scratch);
  scratch.plyCount = last.shownMoves();
  return checkGameEnd(scratch, last, false);
}

bool gameCanGoOn(const GameState& game, GameState& scratch, const MoveListing& listing) {
  if (game.gameRunning || game.thinking || game.showingMove || listing.lines.empty()) return false;
  return resultAtLastMove(game, scratch, listing) == GameGoesOn;
}

void continueGame(GameState& game, GameState& scratch, MoveListing& listing) {
  if (!gameCanGoOn(game, scratch, listing)) return;
  listing = atLastMove(listing);
  showListedPosition(game, scratch, listing);
  game.plyCount = listing.shownMoves();
  game.gameRunning = 1;
}

}  // namespace velmora
