#include "core/game/load_game.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "core/game/game_state.h"
#include "core/game/play.h"
#include "core/records/listing.h"
#include "core/records/pdn.h"

namespace velmora {

void takeOverLoadedGame(GameState& game, MoveListing& listing, const GameState& loaded) {
  setUpStartOf(game, loaded);  // board size, square colours and where the record starts
  game.giveAway = loaded.giveAway;
  game.officialRules = loaded.officialRules;
  // The loaded state says whether the Expert plays: a saved game's never
  // does (the file knows the level only), a game from a FEN's may.
  if (loaded.players[White].type == ComputerPlayer || loaded.players[Black].type == ComputerPlayer) {
    game.searchDepth = loaded.searchDepth;
    game.expertMoveTimeMs = loaded.expertMoveTimeMs;
  }
  std::copy(std::begin(loaded.players), std::end(loaded.players), std::begin(game.players));
  std::memcpy(game.gameRecord, loaded.gameRecord, sizeof game.gameRecord);
  std::memcpy(game.board, loaded.board, sizeof game.board);
  game.boardWritten();
  game.plyCount = loaded.plyCount;

  game.gameModified = 0;
  game.gameRunning = 0;
  refreshListing(listing, game, game.plyCount);
  if (checkGameEnd(game, listing, false) == GameGoesOn && game.players[listing.sideToMove()].type != ComputerPlayer)
    game.gameRunning = 1;
}

std::optional<std::string> takeOverPdnGame(GameState& game, MoveListing& listing, const PdnGame& pdn,
                                           GameType fallback) {
  auto read = std::make_unique<GameState>();
  read->searchDepth = game.searchDepth;
  read->expertMoveTimeMs = game.expertMoveTimeMs;
  if (auto error = readPdnGame(pdn, *read, fallback)) return error;
  takeOverLoadedGame(game, listing, *read);
  return std::nullopt;
}

}  // namespace velmora
