#pragma once
// Making a game read from a saved-game file the current game.

namespace velmora {

struct GameState;
struct MoveListing;

// The current game takes from `loaded` its variant, start position,
// give-away, players and clocks, moves and board, and the computer's level when a player is the
// computer. The listing shows every move with the last selected. The game
// runs unless it is over or the computer is to move: the computer does not
// start on its own after a load.
void takeOverLoadedGame(GameState& game, MoveListing& listing, const GameState& loaded);

}  // namespace velmora
