#pragma once
// An oracle for the engine's move generators, for tests only.

#include "core/game/game_state.h"
#include "core/rules/move.h"

namespace velmora::reference {

// As velmora::generateMoves, reading the board alone: list and moveCount of
// `state` are written, its piece rows are not read and its board is left
// as it was.
void generateMoves(MoveRecord* list, GameState& state, int side);

}  // namespace velmora::reference
