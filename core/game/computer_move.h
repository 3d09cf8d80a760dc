#pragma once
// Making the computer's move in the window: the random opening move, the
// search with the window kept painting between root moves, the clock, the
// progress in the title, and breaking off with Escape.

#include <cstdint>
#include <string>

namespace velmora {

struct GameState;
struct MoveListing;

// The computer's random numbers, seeded once at start-up.
void seedComputerRandom(std::uint32_t seed);

// The title the window shows when the computer is not thinking.
void setPlainWindowTitle(const std::string& title);

// Plays one move for the side to move, which the computer plays. Returns at
// once when a computer move is already in progress.
void computerMove(GameState& game, MoveListing& listing, bool showProgress);

// Whether the turn timer starts the computer now: a running game, the
// computer to move, no move in progress, the last line shown and the game
// not over.
bool computerShouldMove(GameState& game, const MoveListing& listing);

}  // namespace velmora
