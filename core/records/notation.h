#pragma once
// Move text, the same for every variant: "a3-b4" for a plain move, the start
// square then ":" and each landing square for a capture ("c3:e5:g7").

#include <string>
#include <string_view>

#include "core/rules/move.h"

namespace velmora {

struct RecordedPosition;

// The text of one move record.
std::string moveText(const MoveRecord& move);

// The text of game record entry `index`.
std::string formatMove(const RecordedPosition& state, int index);

// Plays the first legal move of the side to move (sideToMove()) that the text
// names, appending it to the game record. legalMoves is regenerated whatever
// the outcome; on failure nothing else changes. Refuses a move that would not
// fit in the 400 moves of a game.
bool playMoveText(RecordedPosition& state, std::string_view text);

}  // namespace velmora
