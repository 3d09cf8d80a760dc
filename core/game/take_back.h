#pragma once
// Take back and Play on: stepping through the listing to the positions where
// a human is to move. Nothing is cut here: the moves after the shown
// position stay in the record and the listing until a new move replaces
// them, as with a line chosen in the listing.

namespace velmora {

struct GameState;
struct MoveListing;

// The listing line Take back goes to: the last line before the selected one
// where a human is to move; -1 when there is none, while the board is busy,
// or in a network game (the other side keeps its own record).
int takeBackLine(const GameState& game, const MoveListing& listing);

// The line Play on goes to: the next line after the selected one where a
// human is to move, or the last line; -1 at the last line or while busy.
int playOnLine(const GameState& game, const MoveListing& listing);

// Selects that line and shows its position (`scratch` rebuilds it). Nothing
// happens when the line is -1.
void takeBack(GameState& game, GameState& scratch, MoveListing& listing);
void playOn(GameState& game, GameState& scratch, MoveListing& listing);

}  // namespace velmora
