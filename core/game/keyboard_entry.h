#pragma once
// Entering a move without a mouse: a cursor square that the arrow keys move,
// Space to pick up a piece and mark waypoints, Enter to play, Escape to put
// the piece down; or the move typed in the listing's notation ("c3-d4",
// "e3:c5:e7"), or by square numbers where the variant numbers its squares.

#include <string>
#include <string_view>
#include <vector>

#include "core/game/mouse_entry.h"

namespace velmora {

struct GameState;
struct MoveListing;

struct KeyboardEntry {
  Square cursor{0, 0};  // a board square, whatever the board's orientation
  std::string typed;    // the move typed so far
};

enum class EntryKey { Left, Right, Up, Down, Space, Enter, Escape, Backspace };

// The arrow keys go by the screen: with White on top, up is towards row 1.
// The cursor stops at the board's edge.
void moveCursor(KeyboardEntry& entry, int boardSize, bool whiteOnTop, EntryKey arrow);
// Brings the cursor back onto a board that has become smaller.
void keepCursorOnBoard(KeyboardEntry& entry, int boardSize);

// Space, Enter, Escape or Backspace pressed. False when the key had nothing
// to do, so that it can serve elsewhere (Escape with nothing to put down).
bool pressEntryKey(GameState& game, MoveListing& listing, KeyboardEntry& entry, EntryKey key);

// A character typed towards a move; false for one no move text holds.
bool typeMoveCharacter(GameState& game, MoveListing& listing, KeyboardEntry& entry, char c);

// The legal moves (indices into legalMoves, one per path) that a typed text
// names: in full, by its squares, or as the beginning of a move's text.
// `problem` says why nothing fits.
struct TypedMoves {
  std::vector<int> moves;
  std::string problem;
};
TypedMoves movesNamedBy(const GameState& game, int side, std::string_view typed);

}  // namespace velmora
