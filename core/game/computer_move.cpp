#include "core/game/computer_move.h"

#include <random>

#include "core/ai/fast_search.h"
#include "core/game/play.h"
#include "core/platform/host.h"
#include "core/records/listing.h"
#include "core/rules/game_state.h"
#include "core/rules/generate.h"

namespace velmora {

namespace {

std::mt19937 computerRandom;
std::string plainTitle = "Velmora";

struct Thinking {
  GameState& game;
  MoveListing& listing;
  bool showProgress;
};

// The thinking time so far, charged to the computer's clock.
void chargeClock(GameState& game) {
  const std::uint32_t elapsed = host.tickCount() - game.thinkStartTick;
  game.players[game.aiSide].clockSeconds = static_cast<std::int32_t>(elapsed / 1000) + game.clockAtThinkStart;
}

// Called by the search before each root move.
void reportProgress(void* context, int percent) {
  auto& t = *static_cast<Thinking*>(context);
  chargeClock(t.game);
  host.requestRepaint();
  host.pumpTimersAndPaint();
  if (t.showProgress) host.setWindowTitle(plainTitle + " [" + std::to_string(percent) + "%]");
  if (host.escapeDown() &&
      host.messageBox("Break AI move. Are you sure?", MessageIcon::Question, MessageButtons::YesNoDefaultNo)) {
    t.game.gameRunning = 0;
    t.game.thinking = 0;
  }
}

}  // namespace

void seedComputerRandom(std::uint32_t seed) { computerRandom.seed(seed); }

void setPlainWindowTitle(const std::string& title) { plainTitle = title; }

bool computerShouldMove(GameState& game, const MoveListing& listing) {
  return game.gameRunning && game.players[listing.sideToMove()].type == ComputerPlayer && !game.thinking &&
         listing.atLastLine() && checkGameEnd(game, listing, false) == GameGoesOn;
}

void computerMove(GameState& game, MoveListing& listing, bool showProgress) {
  // Steps 1-3.
  if (game.thinking) return;
  game.thinking = 1;
  game.plyCount = listing.moveCount();
  game.aiSide = listing.sideToMove();
  game.aiOpponent = game.aiSide ^ 1;
  generateMoves(game.legalMoves, game, game.aiSide);

  // Step 4: the first move of the game is a random one.
  if (game.plyCount == 0) {
    if (game.moveCount > 0)
      playMove(game, listing, static_cast<int>(computerRandom() % static_cast<unsigned>(game.moveCount)));
    game.thinking = 0;
    return;
  }

  // Steps 5-6.
  host.updateCursor();
  game.thinkStartTick = host.tickCount();
  game.clockAtThinkStart = game.players[game.aiSide].clockSeconds;
  host.setWindowEnabled(false);
  Thinking context{game, listing, showProgress};
  Search search{game, reportProgress, &context};
  const int result = chooseComputerMoveFast(search);

  // Step 7.
  if (result != 0) {
    generateMoves(game.legalMoves, game, game.aiSide);
    playMove(game, listing, game.bestRootIndex);
    if (checkGameEnd(game, listing, true) != GameGoesOn) game.gameRunning = 0;
  }
  // Steps 8-10.
  chargeClock(game);
  host.setWindowTitle(plainTitle);
  game.thinking = 0;
  host.updateCursor();
  host.setWindowEnabled(true);
  if (!host.windowIsActive()) host.flashWindow();
}

}  // namespace velmora
