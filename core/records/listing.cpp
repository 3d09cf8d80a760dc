#include "core/records/listing.h"

#include <cstring>

#include "core/records/notation.h"
#include "core/rules/game_record.h"
#include "core/rules/generate.h"

namespace velmora {

std::string listingLine(int index, const std::string& moveText, int firstSide) {
  // Numbers count White's moves; a game that Black began has "1. ..." first.
  const int move = index - 1 + (firstSide & 1);
  if (move % 2 == 0) return " " + std::to_string(move / 2 + 1) + ". " + moveText;
  if (index == 1) return " 1. ... " + moveText;
  return "        " + moveText;  // eight spaces in all
}

void resetListing(MoveListing& listing) {
  listing.lines.assign(1, " 0.");
  listing.selected = 0;
  listing.firstSide = 0;
}

void refreshListing(MoveListing& listing, const RecordedPosition& game, int n) {
  resetListing(listing);
  listing.firstSide = game.start.side;
  for (int i = 0; i < n; ++i) listing.lines.push_back(listingLine(i + 1, formatMove(game, i), game.start.side));
  listing.selected = n;
}

void showListedPosition(RecordedPosition& game, RecordedPosition& scratch, const MoveListing& listing) {
  setUpStartOf(scratch, scratch, game.gameType, game.start);
  for (int j = 0; j < listing.shownMoves(); ++j) applyMove(game.gameRecord[j], scratch.gameRecord[j], scratch);
  std::memcpy(game.board, scratch.board, sizeof game.board);
  game.boardWritten();
}

}  // namespace velmora
