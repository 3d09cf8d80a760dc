#include "core/game/game_state.h"

#include "core/records/listing.h"
#include "core/records/saved_game.h"

namespace velmora {

void showListedPosition(GameState& game, GameState& scratch, const MoveListing& listing) {
  showListedPosition(static_cast<RecordedPosition&>(game), static_cast<RecordedPosition&>(scratch), listing);
  clearSelection(game);
}

bool saveGameFile(GameState& game, const MoveListing& listing, const std::string& path) {
  if (!saveGameFile(static_cast<const RecordedGame&>(game), listing, path)) return false;
  game.gameModified = 0;
  return true;
}

}  // namespace velmora
