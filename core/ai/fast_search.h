#pragma once
// The computer's search as the game runs it: the same tree, scores and choice
// as searchMin/searchMax, found with far fewer nodes. Alpha-beta bounds reach
// every depth, moves below the root are ordered, and a transposition table
// answers positions met before.
//
// Root moves are searched in generation order with the progress report before
// each, and a root move replaces the best only when it scores strictly less,
// so rootIndex and the root score are exactly those of the literal search.

#include <cstddef>
#include <memory>

#include "core/ai/search.h"

namespace velmora {

// Entries in the transposition table, 16 bytes each (32 MiB).
constexpr std::size_t kTranspositionEntries = std::size_t{1} << 21;

class FastSearch {
 public:
  // The table and the ordering's memory are allocated here, once, and never
  // per search or per node.
  FastSearch();
  ~FastSearch();
  FastSearch(const FastSearch&) = delete;
  FastSearch& operator=(const FastSearch&) = delete;

  // As chooseComputerMove: the table, then the root. Returns 1 when
  // search.rootIndex holds the choice (search.rootBest its score once root
  // moves were searched), 0 when abandoned, 999999 - depth when the
  // computer has no move. search.nodes counts the positions reached, leaves
  // included.
  int choose(Search& search);

  struct Tables;

 private:
  std::unique_ptr<Tables> tables_;
};

}  // namespace velmora
