#pragma once
// The move listing: one line for the start position, then one per move. Its
// selected line is the position shown and gives the side to move.

#include <string>
#include <vector>

namespace velmora {

struct RecordedPosition;

struct MoveListing {
  std::vector<std::string> lines;
  int selected = -1;  // -1 while the listing is empty
  int firstSide = 0;  // the side to move at line 0: the game's start.side

  // Side to move at the selected line (firstSide with no selection).
  int sideToMove() const { return sideToMoveAt(selected < 0 ? 0 : selected); }
  // Side to move at line `line`.
  int sideToMoveAt(int line) const { return (line + firstSide) & 1; }
  // Moves leading to the shown position (0 with no selection).
  int shownMoves() const { return selected < 0 ? 0 : selected; }
  bool atLastLine() const { return static_cast<int>(lines.size()) == selected + 1; }
  int moveCount() const { return lines.empty() ? 0 : static_cast<int>(lines.size()) - 1; }
};

// The text of line `index` (>= 1) for move `index - 1` written as `moveText`,
// in a game whose first move was made by `firstSide`.
std::string listingLine(int index, const std::string& moveText, int firstSide = 0);

// Line 0 alone, selected, White to move there.
void resetListing(MoveListing& listing);

// Line 0 and the lines of game record entries 0 .. n - 1; line n selected.
// The side to move at line 0 is the game's first mover.
void refreshListing(MoveListing& listing, const RecordedPosition& game, int n);

// Rebuilds the board of `game` for the selected line by replaying the record
// from the game's start position on `scratch`; the record and the listing stay as they are. Clears the
// selection marks.
void showListedPosition(RecordedPosition& game, RecordedPosition& scratch, const MoveListing& listing);

}  // namespace velmora
