#include "core/game/hint.h"

#include "core/ai/endgame_set.h"
#include "core/game/game_state.h"
#include "core/records/listing.h"
#include "core/rules/generate.h"

namespace velmora {

bool hintAvailable(const GameState& game, const MoveListing& listing) {
  if (!game.gameRunning || game.thinking || game.showingMove || !listing.atLastLine()) return false;
  for (const PlayerRecord& p : game.players)
    if (p.type == RemotePlayer) return false;
  return game.players[listing.sideToMove()].type == HumanPlayer;
}

void prepareHintSearch(GameState& search, const MoveListing& listing) {
  search.plyCount = listing.shownMoves();
  search.aiSide = listing.sideToMove();
  search.aiOpponent = search.aiSide ^ 1;
  search.expertMoveTimeMs = kHintTimeMs;
  search.thinking = 1;
  generateMoves(search.legalMoves, search, search.aiSide);
}

void markHint(GameState& game, const MoveListing& listing, int index) {
  generateMoves(game.legalMoves, game, listing.sideToMove());
  if (index < 0 || index >= game.moveCount) return;
  const MoveRecord& m = game.legalMoves[index];
  game.marks[m.fromY][m.fromX].blinkTicks = kHintBlinkTicks;
  const int landings = m.captureCount > 0 ? m.captureCount : 1;
  for (int k = 0; k < landings; ++k) game.marks[m.steps[k].toY][m.steps[k].toX].blinkTicks = kHintBlinkTicks;
}

std::optional<EndgameResult> outcomeAfterHint(GameState& scratch, int side, int index, const EndgameSet& endgames) {
  generateMoves(scratch.legalMoves, scratch, side);
  if (index < 0 || index >= scratch.moveCount) return std::nullopt;
  MoveRecord played;
  applyMove(scratch.legalMoves[index], played, scratch);
  const auto after = endgames.probe(scratch, side ^ 1);
  if (!after) return std::nullopt;
  // The other side's outcome one ply later is the mover's, turned round.
  switch (after->outcome) {
    case EndgameOutcome::Win: return EndgameResult{EndgameOutcome::Loss, after->plies + 1};
    case EndgameOutcome::Loss: return EndgameResult{EndgameOutcome::Win, after->plies + 1};
    default: return after;
  }
}

}  // namespace velmora
