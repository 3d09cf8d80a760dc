#pragma once
// The literal search of search.h run on bitboards for the diagonal variants:
// the same moves in the same order, the same bounds, the same scores and
// node count, without a record or a board write per node.

namespace velmora {

struct Search;

// As chooseComputerMove after its set-up (table, sum, nodes). False, with
// nothing searched, for a position the bitboards do not hold: Turkish,
// Gothic, or a piece off the playing squares.
bool chooseOnBits(Search& search, int& result);

}  // namespace velmora
