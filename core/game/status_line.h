#pragma once
// The line under the side panel's names that says how the game stands:
// whose move it is and whether a capture is forced, what the computer is
// doing, or how the game ended.

#include <string>

namespace velmora {

struct GameState;
struct MoveListing;

// What the window knows beside the game itself.
struct StatusFacts {
  bool settingUp = false;
  bool analysing = false;
  bool paused = false;
  bool awaitingPeer = false;  // a network opponent is to move
  int depth = 0;              // the Expert's last finished depth while it thinks, else 0
  int whiteScore = 0;         // and its score then, for White
  // What the endgame databases know after the move a hint marked, for the
  // player who asked ("win in 4"); empty for none.
  std::string hint;
};

// `scratch` holds a copy of the shown position while the line is worked out,
// so that the game's own list of legal moves is left alone.
std::string statusLine(const GameState& game, const MoveListing& listing, const StatusFacts& facts, GameState& scratch);

}  // namespace velmora
