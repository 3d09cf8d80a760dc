#include "core/game/status_line.h"

#include "core/game/game_state.h"
#include "core/game/position_score.h"
#include "core/platform/translation.h"
#include "core/records/listing.h"
#include "core/rules/game_result.h"
#include "core/rules/generate.h"

namespace velmora {

std::string statusLine(const GameState& game, const MoveListing& listing, const StatusFacts& facts,
                       GameState& scratch) {
  if (facts.settingUp) return say("Setting up a position");
  if (facts.analysing) return say("The Expert goes over the game");
  if (listing.selected < 0) return {};
  scratch = game;
  scratch.plyCount = listing.shownMoves();
  const int side = listing.sideToMove();
  if (listing.atLastLine()) {
    switch (gameResult(scratch, side, scratch.plyCount)) {
      case WhiteWins: return say("Game over: White wins");
      case BlackWins: return say("Game over: Black wins");
      case Draw: return say("Game over: a draw");
      case GameGoesOn: break;
    }
  }
  if (!game.gameRunning) return game.plyCount > 0 ? say("The game is stopped") : say("No game is running");
  if (game.thinking) {
    if (facts.depth <= 0) return say("The computer thinks");
    return fillIn(say("The computer thinks (depth %1, %2)"), std::to_string(facts.depth), scoreText(facts.whiteScore));
  }
  if (facts.awaitingPeer) return say("Waiting for the opponent's move");
  if (facts.paused) return say("Paused");
  if (!facts.hint.empty()) return fillIn(say("Hint: %1"), facts.hint);
  generateMoves(scratch.legalMoves, scratch, side);
  const bool captures = scratch.moveCount > 0 && scratch.legalMoves[0].captureCount > 0;
  if (captures) return say(side == White ? "White must capture" : "Black must capture");
  return say(side == White ? "White to move" : "Black to move");
}

}  // namespace velmora
