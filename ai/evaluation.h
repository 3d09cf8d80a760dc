#pragma once
// The computer's static evaluation: a signed table of square values built
// once per computer move, summed over the pieces on the board.

namespace velmora {

struct GameState;

// Every square gets max(0, N - 1 - d), d the king-move distance to the nearest
// piece of `colour`.
void buildProximityMap(const GameState& state, int colour, int out[12][12]);

// Fills evalTable from the board as it stands: negative is good for aiSide.
void buildEvalTable(GameState& state);

// Sum of evalTable over the pieces on the board, negated in a give-away game.
int evaluatePosition(const GameState& state);

}  // namespace velmora
