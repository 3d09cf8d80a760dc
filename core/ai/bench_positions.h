#pragma once
// The standing benchmark set of the search: positions reached in real play, each given as
// the variant and the move texts that lead to it from the start. Fixed once
// chosen, so that figures compare over time.

#include <vector>

#include "core/rules/board.h"

namespace velmora {

struct BenchPosition {
  GameType variant;
  const char* moves;  // move texts separated by spaces
};

const std::vector<BenchPosition>& benchPositions();

// Positions from random games with many kings on the board, where the search
// has the most moves to look at: Gothic, Turkish, International, Canadian.
const std::vector<BenchPosition>& manyKingPositions();

}  // namespace velmora
