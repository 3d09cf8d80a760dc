#pragma once
// A hint: the move the Expert would play for the person to move, marked on
// the board; nothing is played.

namespace velmora {

struct GameState;
struct MoveListing;
struct MoveRecord;

// The Expert's time for a hint: it answers within a second.
constexpr int kHintTimeMs = 900;
// How long the hint's squares are marked, in 20 ms ticks.
constexpr int kHintBlinkTicks = 150;

// Whether a hint is offered now: a running game, not over the network, a
// person at this computer to move at the last line, nothing under way.
bool hintAvailable(const GameState& game, const MoveListing& listing);

// Makes `search` (a copy of the game) ready for the Expert to choose the
// move of the side to move within kHintTimeMs.
void prepareHintSearch(GameState& search, const MoveListing& listing);

// Marks the squares of legal move `index` of the side to move: where it
// starts and each square it lands on.
void markHint(GameState& game, const MoveListing& listing, int index);

}  // namespace velmora
