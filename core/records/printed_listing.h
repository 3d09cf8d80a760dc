#pragma once
// The game listing as it is printed: three header lines, a line holding a
// tab, an empty line, then every move line of the listing, each after a tab,
// and for a game that has ended an empty line and its result.

#include <string>
#include <vector>

#include "core/rules/game_result.h"

namespace velmora {

struct RecordedGame;
struct MoveListing;

std::vector<std::string> printedListingLines(const RecordedGame& game, const MoveListing& listing,
                                             GameResult result = GameGoesOn);

// A move line of the printed listing that is Black's reply, written without
// its move number: a page never begins with one.
bool isPrintedReply(const std::string& line);

}  // namespace velmora
