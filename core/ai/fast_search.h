#pragma once
// The computer's search as the game runs it: the same tree, scores and choice
// as searchMin/searchMax, found with far fewer nodes. Alpha-beta bounds reach
// every depth, moves below the root are ordered, and a transposition table
// answers positions met before.
//
// Root moves are searched in generation order with the progress report before
// each, and a root move replaces the best only when it scores strictly less,
// so bestRootIndex and the root score are exactly those of the literal search.

#include <cstddef>

#include "core/ai/search.h"

namespace velmora {

// Entries in the transposition table, 16 bytes each (32 MiB): allocated once,
// with the program, and never per search or per node.
constexpr std::size_t kTranspositionEntries = std::size_t{1} << 21;

// As chooseComputerMove: buildEvalTable, then the root. Returns 1 when
// bestRootIndex holds the choice (search.rootBest its score once root moves
// were searched), 0 when abandoned, 999999 - searchDepth when the computer
// has no move. search.nodes counts the positions reached, leaves included.
int chooseComputerMoveFast(Search& search);

}  // namespace velmora
