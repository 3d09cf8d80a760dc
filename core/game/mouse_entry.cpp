#include "core/game/mouse_entry.h"

#include <algorithm>
#include <string>
#include <vector>

#include "core/game/computer_move.h"
#include "core/game/game_state.h"
#include "core/game/play.h"
#include "core/game/sound.h"
#include "core/platform/host.h"
#include "core/platform/translation.h"
#include "core/records/listing.h"
#include "core/records/notation.h"
#include "core/rules/generate.h"
#include "core/view/layout.h"

namespace velmora {

namespace {

Square toBoard(const GameState& game, const BoardView& view, int screenColumn, int screenRow) {
  const int n = game.boardSize;
  return view.whiteOnTop ? Square{n - 1 - screenColumn, screenRow} : Square{screenColumn, n - 1 - screenRow};
}

bool onSquares(const GameState& game, const BoardView& view, int x, int y) {
  const int b = game.boardSize * view.cell;
  const int dx = x - view.x0, dy = y - view.y0;
  return dx >= kCoordinateBand && dx < b + kCoordinateBand && dy >= kCoordinateBand && dy < b + kCoordinateBand;
}

SquareMarks& marksAt(GameState& game, Square s) { return game.marks[s.y][s.x]; }

int finalStepIndex(const MoveRecord& m) { return std::max(m.captureCount - 1, 0); }

bool startsOn(const MoveRecord& m, Square s) { return m.fromX == s.x && m.fromY == s.y; }

void blinkOrigins(GameState& game, int ticks) {
  for (int i = 0; i < game.moveCount; ++i)
    game.marks[game.legalMoves[i].fromY][game.legalMoves[i].fromX].blinkTicks = ticks;
}

// While a capture is shown or the computer thinks, the board takes no input.
bool boardIsBusy(const GameState& game) { return game.showingMove || game.thinking; }

bool sideToMoveIsHuman(const GameState& game, const MoveListing& listing) {
  return game.players[listing.sideToMove()].type == HumanPlayer;
}

void wrongInput() {
  host.requestRepaint();
  playEventSound(SoundId::Error);  // nothing waits for it: the squares blink meanwhile
}

// "e5", "e5 or g3", "c1, e5 or g3": the squares the side to move's legal
// moves start from, in the order of the list.
std::string originNames(const GameState& game) {
  std::vector<std::string> names;
  for (int i = 0; i < game.moveCount; ++i) {
    const std::string name = squareName(game.legalMoves[i].fromX, game.legalMoves[i].fromY);
    if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
  }
  std::string text;
  const std::string orWord = say(" or ");
  for (size_t i = 0; i < names.size(); ++i) text += (i == 0 ? "" : i + 1 == names.size() ? orWord : ", ") + names[i];
  return text;
}

// The one move, counting the records of one path once, that `fits`; -1 when
// none or several do.
template <typename Fits>
int onlyMoveThat(const GameState& game, Fits fits) {
  int found = -1;
  for (int i = 0; i < game.moveCount; ++i) {
    if (!fits(game.legalMoves[i])) continue;
    if (found >= 0 && !samePath(game.legalMoves[found], game.legalMoves[i])) return -1;
    if (found < 0) found = i;
  }
  return found;
}

bool endsOn(const MoveRecord& m, Square s) { return m.finalStep().toX == s.x && m.finalStep().toY == s.y; }

}  // namespace

// Plays a move entered here and lets the game-end check decide whether the
// game goes on.
void playEnteredMove(GameState& game, MoveListing& listing, int index) {
  playMove(game, listing, index, [&game, &listing] {
    game.gameRunning = 1;
    if (checkGameEnd(game, listing, true) != GameGoesOn) game.gameRunning = 0;
  });
}

// A waypoint clicked on or off. A mark holds the order of the clicks, so that
// paths through the same squares in another order can be told apart.
void toggleWaypoint(GameState& game, Square s) {
  SquareMarks& m = marksAt(game, s);
  if (m.selected) {
    m.selected = 0;
  } else {
    int last = 1;  // the picked-up piece's own mark
    for (auto& row : game.marks)
      for (auto& other : row) last = std::max(last, other.selected);
    m.selected = last + 1;
  }
  host.requestRepaint();
}

bool entryAllowed(const GameState& game, const MoveListing& listing) {
  return listing.selected >= 0 && !boardIsBusy(game) && sideToMoveIsHuman(game, listing);
}

void refuseInput(const std::string& reason) {
  sayWhy(reason);
  wrongInput();
}

// A refused click says why in the title, not only by a blink; the next click
// that is taken puts the plain title back.
void sayWhy(const std::string& reason) { host.setWindowTitle(plainWindowTitle() + " - " + reason); }
void clearWhy() { host.setWindowTitle(plainWindowTitle()); }

std::string whyNoMove(const GameState& game) {
  if (game.moveCount > 0 && game.legalMoves[0].captureCount > 0)
    return fillIn(say("A capture is compulsory: %1 must capture"), originNames(game));
  return say("That piece has no legal move");
}

bool samePath(const MoveRecord& a, const MoveRecord& b) {
  if (a.fromX != b.fromX || a.fromY != b.fromY || a.captureCount != b.captureCount) return false;
  for (int k = 0; k <= finalStepIndex(a); ++k) {
    const MoveStep &p = a.steps[k], &q = b.steps[k];
    if (p.toX != q.toX || p.toY != q.toY || p.capturedX != q.capturedX || p.capturedY != q.capturedY) return false;
  }
  return true;
}

std::optional<Square> findSelectedPiece(const GameState& game) {
  for (int y = 0; y < game.boardSize; ++y)
    for (int x = 0; x < game.boardSize; ++x)
      if (game.marks[y][x].selected && game.board[y][x].kind != Empty) return Square{x, y};
  return std::nullopt;
}

std::optional<Square> hitTestSquare(const GameState& game, const BoardView& view, int x, int y) {
  const int n = game.boardSize, c = view.cell;
  const int left = view.x0 + kCoordinateBand, top = view.y0 + kCoordinateBand;
  if (view.dragging && findSelectedPiece(game)) {
    const int imageLeft = x - game.grabOffsetX, imageTop = y - game.grabOffsetY;
    for (int sr = 0; sr < n; ++sr)
      for (int sc = 0; sc < n; ++sc) {
        const int w = std::min(imageLeft + c, left + (sc + 1) * c) - std::max(imageLeft, left + sc * c);
        const int h = std::min(imageTop + c, top + (sr + 1) * c) - std::max(imageTop, top + sr * c);
        if (w > 0 && h > 0 && w * h >= c * c / 2) return toBoard(game, view, sc, sr);
      }
    return std::nullopt;
  }
  if (x < left || y < top || x >= left + n * c || y >= top + n * c) return std::nullopt;
  return toBoard(game, view, (x - left) / c, (y - top) / c);
}

namespace {

// Whether the waypoints the player marked are exactly the intermediate
// landing squares of `m`, clicked in the order the path reaches them. The
// piece's own square and the destination cannot serve as waypoints.
bool marksFollowPath(const GameState& game, const MoveRecord& m, Square picked, Square target) {
  int previous = 0, used = 0;
  for (int k = 0; k + 1 < m.captureCount; ++k) {
    const MoveStep& s = m.steps[k];
    if (Square{s.toX, s.toY} == picked || Square{s.toX, s.toY} == target) continue;
    const int order = game.marks[s.toY][s.toX].selected;
    if (order == 0) return false;
    bool seen = false;  // a square the path lands on twice counts once
    for (int j = 0; j < k && !seen; ++j) seen = m.steps[j].toX == s.toX && m.steps[j].toY == s.toY;
    if (seen) continue;
    if (order < previous) return false;
    previous = order;
    ++used;
  }
  int marked = 0;
  for (int y = 0; y < game.boardSize; ++y)
    for (int x = 0; x < game.boardSize; ++x)
      marked += game.marks[y][x].selected != 0 && !(Square{x, y} == picked) && !(Square{x, y} == target);
  return marked == used;
}

}  // namespace

int findMoveTo(const GameState& game, int x, int y) {
  const auto picked = findSelectedPiece(game);
  if (!picked || game.moveCount == 0) return -1;
  int candidates = 0, onlyCandidate = -1, lastFull = -1, exact = -1;
  bool somePartly = false;
  for (int i = 0; i < game.moveCount; ++i) {
    const MoveRecord& m = game.legalMoves[i];
    const MoveStep& end = m.steps[finalStepIndex(m)];
    if (!startsOn(m, *picked) || end.toX != x || end.toY != y) continue;
    bool repeated = false;
    for (int j = 0; j < i && !repeated; ++j) repeated = samePath(game.legalMoves[j], m);
    if (repeated) continue;
    ++candidates;
    onlyCandidate = i;
    int marked = 0;
    const int between = std::max(m.captureCount - 1, 0);
    for (int k = 0; k < between; ++k) marked += game.marks[m.steps[k].toY][m.steps[k].toX].selected != 0;
    if (marked == between) lastFull = i;
    if (marked > 0 && marked < between) somePartly = true;
    // Paths through the same squares differ in their order or in what else
    // was marked: the one the marks follow exactly is the player's.
    if (exact < 0 && marksFollowPath(game, m, *picked, Square{x, y})) exact = i;
  }
  if (candidates <= 1) return onlyCandidate;
  if (exact >= 0) return exact;
  if (lastFull >= 0) return lastFull;
  host.messageBox(somePartly ? say("Please select full path of movement.\nSee also Manual -> How to make move")
                             : say("Please select path of movement.\nSee also Manual -> How to make move"),
                  MessageIcon::Information, MessageButtons::Ok);
  return -1;
}

bool multiCaptureChoice(const GameState& game) {
  const auto picked = findSelectedPiece(game);
  if (!picked) return false;
  int fromPicked = 0;
  bool longer = false;  // variants that list captures of every length mix short and long
  for (int i = 0; i < game.moveCount; ++i) {
    if (!startsOn(game.legalMoves[i], *picked)) continue;
    ++fromPicked;
    longer |= game.legalMoves[i].captureCount >= 2;
  }
  return fromPicked > 1 && longer;
}

bool isPathSquare(const GameState& game, int x, int y) {
  const auto picked = findSelectedPiece(game);
  if (!picked) return false;
  for (int i = 0; i < game.moveCount; ++i) {
    const MoveRecord& m = game.legalMoves[i];
    if (!startsOn(m, *picked)) continue;
    for (int k = 0; k + 1 < m.captureCount; ++k)
      if (m.steps[k].toX == x && m.steps[k].toY == y) return true;
  }
  return false;
}

void computeMoveHints(GameState& game, const MoveListing& listing, bool enabled) {
  for (auto& row : game.marks)
    for (auto& m : row) m.moveTarget = m.pathStep = 0;
  if (!enabled || !sideToMoveIsHuman(game, listing)) return;
  const auto picked = findSelectedPiece(game);
  if (!picked) return;
  for (int i = 0; i < game.moveCount; ++i) {
    const MoveRecord& m = game.legalMoves[i];
    if (!startsOn(m, *picked)) continue;
    const int e = finalStepIndex(m);
    game.marks[m.steps[e].toY][m.steps[e].toX].moveTarget = 1;
    for (int k = 0; k < e; ++k) game.marks[m.steps[k].toY][m.steps[k].toX].pathStep = 1;
  }
}

void computeLastMoveMarks(GameState& game, const MoveListing& listing, bool enabled) {
  for (auto& row : game.marks)
    for (auto& m : row) m.lastMove = 0;
  const int k = listing.shownMoves();
  if (!enabled || k <= 0) return;
  const MoveRecord& m = game.gameRecord[k - 1];
  game.marks[m.fromY][m.fromX].lastMove = 1;
  for (int s = 0; s < std::max<int>(m.captureCount, 1); ++s) game.marks[m.steps[s].toY][m.steps[s].toX].lastMove = 1;
}

void mouseDown(GameState& game, MoveListing& listing, const BoardView& view, MouseButton button, int x, int y,
               bool drop) {
  // No game, a busy board, outside the squares, or the cancel button.
  if (listing.selected < 0 || boardIsBusy(game) || !onSquares(game, view, x, y)) return;
  if (button == MouseButton::Cancel) {
    clearSelection(game);
    host.requestRepaint();
    return;
  }
  const auto hit = hitTestSquare(game, view, x, y);
  if (!hit) return;
  if (clickSquare(game, listing, *hit, view.oneClick, drop) != ClickResult::PickedUp) return;
  game.heldByKeys = false;
  // Where in its square the piece was grabbed, so that it follows the cursor from there.
  const int sc = view.whiteOnTop ? game.boardSize - 1 - hit->x : hit->x;
  const int sr = view.whiteOnTop ? hit->y : game.boardSize - 1 - hit->y;
  game.grabOffsetX = x - view.x0 - kCoordinateBand - sc * view.cell;
  game.grabOffsetY = y - view.y0 - kCoordinateBand - sr * view.cell;
}

ClickResult clickSquare(GameState& game, MoveListing& listing, Square square, bool oneClick, bool drop) {
  // Only a human side to move enters moves, and not while the board is busy.
  if (!entryAllowed(game, listing)) return ClickResult::Ignored;
  const int side = listing.sideToMove();
  generateMoves(game.legalMoves, game, side);
  const Cell& cell = game.board[square.y][square.x];

  // A piece of the side to move: pick it up, play its only move, or put it down.
  if (cell.kind != Empty && cell.side == side) {
    const bool pickedUp = findSelectedPiece(game).has_value();
    bool canMove = false;
    for (int i = 0; i < game.moveCount && !canMove; ++i) canMove = startsOn(game.legalMoves[i], square);
    if (!canMove) {
      if (pickedUp) return ClickResult::Ignored;
      blinkOrigins(game, kBlinkTicksNoMove);
      sayWhy(whyNoMove(game));
      wrongInput();
      return ClickResult::Refused;
    }
    clearWhy();
    if (!marksAt(game, square).selected) {
      // One click is enough for a piece with a single move.
      const int only = oneClick ? onlyMoveThat(game, [&](const MoveRecord& m) { return startsOn(m, square); }) : -1;
      if (only >= 0) {
        clearSelection(game);
        playEnteredMove(game, listing, only);
        host.requestRepaint();
        return ClickResult::Played;
      }
      clearSelection(game);
      marksAt(game, square).selected = 1;
      host.requestRepaint();
      return ClickResult::PickedUp;
    }
    // The picked-up piece clicked again: a closed circuit of captures ends
    // where it began; anything else puts the piece down.
    const int index = findMoveTo(game, square.x, square.y);
    const bool circuit = index >= 0 && game.legalMoves[index].captureCount >= 2;
    if (circuit) playEnteredMove(game, listing, index);
    clearSelection(game);
    host.requestRepaint();
    return circuit ? ClickResult::Played : ClickResult::PutDown;
  }

  // An empty square or an opponent's piece: a destination. A square that ends a
  // capture but also lies on a longer one is first marked as a waypoint; a
  // second click on it plays the capture that ends there.
  if (!drop && !marksAt(game, square).selected && multiCaptureChoice(game) && isPathSquare(game, square.x, square.y)) {
    toggleWaypoint(game, square);
    return ClickResult::Waypoint;
  }
  const int index = findMoveTo(game, square.x, square.y);
  if (index >= 0) {
    clearWhy();
    playEnteredMove(game, listing, index);
    return ClickResult::Played;
  }
  // With nothing picked up, an empty square that one move alone reaches is
  // that move.
  if (oneClick && cell.kind == Empty && !findSelectedPiece(game)) {
    const int only = onlyMoveThat(game, [&](const MoveRecord& m) { return endsOn(m, square); });
    if (only >= 0) {
      clearWhy();
      playEnteredMove(game, listing, only);
      return ClickResult::Played;
    }
  }
  if (multiCaptureChoice(game) && isPathSquare(game, square.x, square.y)) {
    if (drop) return ClickResult::Ignored;
    toggleWaypoint(game, square);
    return ClickResult::Waypoint;
  }
  if (findSelectedPiece(game)) {
    if (!drop) return ClickResult::Ignored;
    for (auto& row : game.marks)
      for (auto& m : row) m.blinkTicks = 0;
    marksAt(game, square).blinkTicks = kBlinkTicksWrong;
    sayWhy(say("The piece cannot go there"));
    wrongInput();
    return ClickResult::Refused;
  }
  if (cell.kind == Empty) return ClickResult::Ignored;
  blinkOrigins(game, kBlinkTicksWrong);
  sayWhy(say(side == White ? "White is to move" : "Black is to move"));
  wrongInput();
  return ClickResult::Refused;
}

void mouseUp(GameState& game, MoveListing& listing, const BoardView& view, MouseButton button, int x, int y) {
  if (button == MouseButton::Cancel || listing.selected < 0 || !onSquares(game, view, x, y)) return;
  const Square under =
      toBoard(game, view, (x - view.x0 - kCoordinateBand) / view.cell, (y - view.y0 - kCoordinateBand) / view.cell);
  if (findSelectedPiece(game) && !marksAt(game, under).selected)
    mouseDown(game, listing, view, MouseButton::Select, x, y, true);
}

bool dragFollowsCursor(const GameState& game, const BoardView& view) {
  return view.dragging && findSelectedPiece(game).has_value();
}

bool tickBlinking(GameState& game) {
  bool stopped = false;
  for (auto& row : game.marks)
    for (auto& m : row)
      if (m.blinkTicks != 0 && --m.blinkTicks == 0) stopped = true;
  return stopped;
}

}  // namespace velmora
