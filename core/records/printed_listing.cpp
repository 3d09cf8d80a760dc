#include "core/records/printed_listing.h"

#include "core/records/listing.h"
#include "core/records/recorded_game.h"

namespace velmora {

std::vector<std::string> printedListingLines(const RecordedGame& game, const MoveListing& listing) {
  std::vector<std::string> lines = {
      std::string("\tGAME TYPE - ") + gameTypeName(game.gameType),
      std::string("\tWHITE - ") + game.players[White].name,
      std::string("\tBLACK - ") + game.players[Black].name,
      "\t",
      "",
  };
  // Line 0, the start line, is left out.
  for (size_t k = 1; k < listing.lines.size(); ++k) lines.push_back("\t" + listing.lines[k]);
  return lines;
}

}  // namespace velmora
