#include "core/records/printed_listing.h"

#include "core/records/listing.h"
#include "core/records/recorded_game.h"

namespace velmora {

std::vector<std::string> printedListingLines(const RecordedGame& game, const MoveListing& listing, GameResult result) {
  std::vector<std::string> lines = {
      std::string("\tGAME TYPE - ") + gameTypeName(game.gameType),
      std::string("\tWHITE - ") + game.players[White].name,
      std::string("\tBLACK - ") + game.players[Black].name,
      "\t",
      "",
  };
  // Line 0, the start line, is left out.
  for (size_t k = 1; k < listing.lines.size(); ++k) lines.push_back("\t" + listing.lines[k]);
  if (result != GameGoesOn) {
    lines.push_back("");
    lines.push_back(std::string("\tRESULT - ") + (result == WhiteWins   ? "1-0"
                                                  : result == BlackWins ? "0-1"
                                                                        : "1/2-1/2"));
  }
  return lines;
}

bool isPrintedReply(const std::string& line) { return line.rfind("\t        ", 0) == 0; }

}  // namespace velmora
