#pragma once
// The former move generator, kept for tests as the oracle of the engine's.

#include "core/game/game_state.h"
#include "core/rules/move.h"

namespace velmora::reference {

// As velmora::generateMoves, reading the board alone: list, moveCount and
// the scratch fields of `state` are written, its piece rows are not read.
void generateMoves(MoveRecord* list, GameState& state, int side);

}  // namespace velmora::reference
