#pragma once
// The game listing as it is printed: three header lines, a line holding a
// tab, an empty line, then every move line of the listing, each after a tab.

#include <string>
#include <vector>

namespace velmora {

struct RecordedGame;
struct MoveListing;

std::vector<std::string> printedListingLines(const RecordedGame& game, const MoveListing& listing);

}  // namespace velmora
