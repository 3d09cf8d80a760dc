#pragma once
// Making a game read from a saved-game file or a PDN file the current game.

#include <optional>
#include <string>

#include "core/rules/board.h"

namespace velmora {

struct GameState;
struct MoveListing;
struct PdnGame;

// The current game takes from `loaded` its variant, start position,
// give-away, players and clocks, moves and board, and the computer's level when a player is the
// computer. The listing shows every move with the last selected. The game
// runs unless it is over or the computer is to move: the computer does not
// start on its own after a load.
void takeOverLoadedGame(GameState& game, MoveListing& listing, const GameState& loaded);

// Makes `pdn` the current game as a loaded game is (takeOverLoadedGame);
// on failure returns the message and leaves the game and listing untouched.
std::optional<std::string> takeOverPdnGame(GameState& game, MoveListing& listing, const PdnGame& pdn,
                                           GameType fallback = International);

}  // namespace velmora
