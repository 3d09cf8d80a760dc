#include "core/game/take_back.h"

#include "core/game/game_state.h"
#include "core/records/listing.h"

namespace velmora {

namespace {

bool humanToMoveAt(const GameState& game, const MoveListing& listing, int line) {
  return game.players[listing.sideToMoveAt(line)].type == HumanPlayer;
}

bool canStep(const GameState& game, const MoveListing& listing) {
  if (listing.selected < 0 || game.thinking || game.showingMove) return false;
  for (const PlayerRecord& p : game.players)
    if (p.type == RemotePlayer) return false;
  return true;
}

void select(GameState& game, GameState& scratch, MoveListing& listing, int line) {
  if (line < 0) return;
  listing.selected = line;
  showListedPosition(game, scratch, listing);
}

}  // namespace

int takeBackLine(const GameState& game, const MoveListing& listing) {
  if (!canStep(game, listing)) return -1;
  for (int line = listing.selected - 1; line >= 0; --line)
    if (humanToMoveAt(game, listing, line)) return line;
  return -1;
}

int playOnLine(const GameState& game, const MoveListing& listing) {
  if (!canStep(game, listing) || listing.atLastLine()) return -1;
  const int last = static_cast<int>(listing.lines.size()) - 1;
  for (int line = listing.selected + 1; line < last; ++line)
    if (humanToMoveAt(game, listing, line)) return line;
  return last;
}

void takeBack(GameState& game, GameState& scratch, MoveListing& listing) {
  select(game, scratch, listing, takeBackLine(game, listing));
}

void playOn(GameState& game, GameState& scratch, MoveListing& listing) {
  select(game, scratch, listing, playOnLine(game, listing));
}

}  // namespace velmora
