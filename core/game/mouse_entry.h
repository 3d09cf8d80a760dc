#pragma once
// Entering a move with the mouse: pick up a piece of the side to move, then
// click or drop it on its destination, clicking the intermediate squares of
// a capture first where several paths lead there. Wrong clicks blink.

#include <optional>
#include <string>

#include "core/view/appearance.h"

namespace velmora {

struct GameState;
struct MoveListing;
struct MoveRecord;

// Where the board is in the window and how it is shown.
struct BoardView {
  int x0 = 0;  // layout origin; the squares start kCoordinateBand pixels right and down
  int y0 = 0;
  int cell = kSquareSizes[0].pixels;
  bool whiteOnTop = false;
  bool dragging = true;  // the picked-up piece follows the cursor
  // A click on a piece with a single move, or on an empty square that a
  // single move reaches, plays that move.
  bool oneClick = false;
};

struct Square {
  int x;
  int y;
  bool operator==(const Square&) const = default;
};

enum class MouseButton { Select, Cancel };

constexpr int kBlinkTicksNoMove = 14;  // 280 ms: a piece without a legal move
constexpr int kBlinkTicksWrong = 7;    // 140 ms: an opponent's piece, a bad drop

// Two records of one path: the same landing squares and captured pieces.
// Russian lists a man's capture that crowns it and goes on twice; to the
// player it is one move.
bool samePath(const MoveRecord& a, const MoveRecord& b);

// The picked-up piece: the first occupied square marked selected, in scan order.
std::optional<Square> findSelectedPiece(const GameState& game);

// Board square under the point; while a piece is dragged, the first square
// (screen row by row) that at least half of the dragged image covers.
std::optional<Square> hitTestSquare(const GameState& game, const BoardView& view, int x, int y);

// The legal move of the picked-up piece to (x, y), or -1. Where several
// paths lead there, the one whose intermediate squares are all marked, or a
// message asking for the path.
int findMoveTo(const GameState& game, int x, int y);

bool multiCaptureChoice(const GameState& game);
bool isPathSquare(const GameState& game, int x, int y);

// The marks the board painter shows, recomputed before each paint.
void computeMoveHints(GameState& game, const MoveListing& listing, bool enabled);
void computeLastMoveMarks(GameState& game, const MoveListing& listing, bool enabled);

// Mouse messages of the main window. `drop` marks a button-down sent by
// mouseUp itself when a dragged piece is let go.
void mouseDown(GameState& game, MoveListing& listing, const BoardView& view, MouseButton button, int x, int y,
               bool drop = false);
void mouseUp(GameState& game, MoveListing& listing, const BoardView& view, MouseButton button, int x, int y);
// Whether the window must follow the cursor with the dragged piece.
bool dragFollowsCursor(const GameState& game, const BoardView& view);

// What a click on a square did.
enum class ClickResult { Ignored, Refused, PickedUp, PutDown, Waypoint, Played };

// A click of the select button on a board square, from the mouse or the
// keyboard. `drop`: the click ends a drag, so a square on a longer path is
// not taken as a waypoint and a square the piece cannot reach is refused.
ClickResult clickSquare(GameState& game, MoveListing& listing, Square square, bool oneClick, bool drop);

// Plays legal move `index` as a move the player entered.
void playEnteredMove(GameState& game, MoveListing& listing, int index);
// A waypoint of the picked-up piece's path marked or unmarked.
void toggleWaypoint(GameState& game, Square s);
// Whether the board takes a move now: a game, nothing shown or thought
// about, and a person to move.
bool entryAllowed(const GameState& game, const MoveListing& listing);
// Input refused: why, in the title, and the error sound.
void refuseInput(const std::string& reason);
// Why input was refused, in the title; the next accepted input clears it.
void sayWhy(const std::string& reason);
void clearWhy();
// Why the side to move cannot move the piece it chose.
std::string whyNoMove(const GameState& game);

// Counts down the blinking squares by one 20 ms tick; true when one stopped.
bool tickBlinking(GameState& game);

}  // namespace velmora
