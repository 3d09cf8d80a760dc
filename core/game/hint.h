#pragma once
// A hint: the move the Expert would play for the person to move, marked on
// the board; nothing is played.

#include <optional>

#include "core/ai/endgame_db.h"

namespace velmora {

struct EndgameSet;
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

// What the endgame databases know of the game for `side` once it plays
// legal move `index`, judged by the position the move leads to; nothing
// where they do not hold that position. `scratch` is a copy of the game at
// the position the move is played in, and is changed.
std::optional<EndgameResult> outcomeAfterHint(GameState& scratch, int side, int index, const EndgameSet& endgames);

}  // namespace velmora
