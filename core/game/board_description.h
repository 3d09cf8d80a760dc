#pragma once
// The board in words, for a screen reader: who is to move, the pieces of
// each side by square, and the last move shown.

#include <string>

namespace velmora {

struct GameState;
struct MoveListing;

// "White to move. White: men a1, c1; kings d4. Black: men f6; no kings.
// Last move: c3-d4." Squares are named as in the listing.
std::string describeBoard(const GameState& game, const MoveListing& listing);

}  // namespace velmora
