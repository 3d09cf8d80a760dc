#include "core/game/keyboard_entry.h"

#include <algorithm>
#include <cctype>
#include <optional>

#include "core/game/game_state.h"
#include "core/platform/host.h"
#include "core/platform/translation.h"
#include "core/records/listing.h"
#include "core/records/notation.h"
#include "core/records/pdn_board.h"
#include "core/rules/generate.h"

namespace velmora {

namespace {

// Separators and case as the player likes: "C3 x E5", "c3:e5" and "c3-e5"
// read the same.
std::string normalised(std::string_view text) {
  std::string out;
  for (char c : text) {
    const char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (lower == ' ') continue;
    out += lower == 'x' || lower == ':' ? '-' : lower;
  }
  return out;
}

bool numbersSquares(GameType type) { return !pdnConvention(type).algebraic; }

std::optional<Square> readSquare(const GameState& game, const std::string& name) {
  if (name.empty()) return std::nullopt;
  if (std::isdigit(static_cast<unsigned char>(name[0]))) {
    if (!numbersSquares(game.gameType)) return std::nullopt;
    const auto square = readPdnSquare(game.gameType, name);
    if (!square) return std::nullopt;
    return Square{square->x, square->y};
  }
  if (name.size() < 2 || name.size() > 3) return std::nullopt;
  const int x = name[0] - 'a';
  int row = 0;
  for (size_t i = 1; i < name.size(); ++i) {
    if (!std::isdigit(static_cast<unsigned char>(name[i]))) return std::nullopt;
    row = row * 10 + (name[i] - '0');
  }
  if (x < 0 || x >= game.boardSize || row < 1 || row > game.boardSize) return std::nullopt;
  return Square{x, row - 1};
}

std::vector<std::string> split(const std::string& text) {
  std::vector<std::string> parts{""};
  for (char c : text) {
    if (c == '-')
      parts.emplace_back();
    else
      parts.back() += c;
  }
  return parts;
}

// The move's text as the listing writes it, and by square numbers.
std::string numberedText(const GameState& game, const MoveRecord& m) {
  std::string text = pdnSquare(game.gameType, m.fromX, m.fromY);
  for (int k = 0; k < std::max<int>(m.captureCount, 1); ++k)
    text.append(1, '-').append(pdnSquare(game.gameType, m.steps[k].toX, m.steps[k].toY));
  return text;
}

// Whether the squares name `m`: its start, its end, and any of its landing
// squares between them, in the order it reaches them.
bool namesInFull(const MoveRecord& m, const std::vector<Square>& squares) {
  if (squares.size() < 2 || Square{m.fromX, m.fromY} != squares.front()) return false;
  const MoveStep& last = m.finalStep();
  if (Square{last.toX, last.toY} != squares.back()) return false;
  if (m.captureCount == 0) return squares.size() == 2;
  size_t next = 1;
  for (int k = 0; k + 1 < m.captureCount && next + 1 < squares.size(); ++k)
    if (Square{m.steps[k].toX, m.steps[k].toY} == squares[next]) ++next;
  return next + 1 == squares.size();
}

bool isNewPath(const GameState& game, const std::vector<int>& found, int index) {
  return std::none_of(found.begin(), found.end(),
                      [&](int i) { return samePath(game.legalMoves[i], game.legalMoves[index]); });
}

std::string listOfMoves(const GameState& game, const std::vector<int>& moves) {
  constexpr size_t kShown = 8;  // what the title has room for
  std::string text;
  for (size_t i = 0; i < moves.size() && i < kShown; ++i)
    text.append(i == 0 ? "" : i + 1 == moves.size() ? say(" or ") : ", ").append(moveText(game.legalMoves[moves[i]]));
  if (moves.size() > kShown) text += ", ...";
  return text;
}

bool pieceOfSide(const GameState& game, Square s, int side) {
  const Cell& cell = game.board[s.y][s.x];
  return cell.kind != Empty && cell.side == side;
}

// Whether a legal move of the piece on `from` ends on `to`.
bool reaches(const GameState& game, Square from, Square to) {
  for (int i = 0; i < game.moveCount; ++i) {
    const MoveRecord& m = game.legalMoves[i];
    if (Square{m.fromX, m.fromY} == from && Square{m.finalStep().toX, m.finalStep().toY} == to) return true;
  }
  return false;
}

void showTyped(GameState& game, const MoveListing& listing, const KeyboardEntry& entry) {
  if (entry.typed.empty()) {
    clearWhy();
    return;
  }
  const int side = listing.sideToMove();
  generateMoves(game.legalMoves, game, side);
  const TypedMoves named = movesNamedBy(game, side, entry.typed);
  sayWhy(entry.typed + ": " +
         (named.moves.empty() ? say("no legal move is written so") : listOfMoves(game, named.moves)));
}

void playTyped(GameState& game, MoveListing& listing, KeyboardEntry& entry) {
  const int side = listing.sideToMove();
  generateMoves(game.legalMoves, game, side);
  const TypedMoves named = movesNamedBy(game, side, entry.typed);
  if (named.moves.empty()) {
    // The refused text goes with its refusal: the next move is typed afresh,
    // not after it.
    entry.typed.clear();
    refuseInput(named.problem);
    return;
  }
  if (named.moves.size() > 1) {
    sayWhy(entry.typed + ": " + listOfMoves(game, named.moves));
    return;
  }
  entry.typed.clear();
  clearSelection(game);
  clearWhy();
  // The cursor goes where the piece went, as a move made with it would leave it.
  const MoveStep& landing = game.legalMoves[named.moves.front()].finalStep();
  entry.cursor = {landing.toX, landing.toY};
  playEnteredMove(game, listing, named.moves.front());
  host.requestRepaint();
}

// Space: pick up the piece under the cursor, or mark a waypoint of its path;
// a square the piece can only end on plays the move, as a click would.
void space(GameState& game, MoveListing& listing, const KeyboardEntry& entry) {
  const Square at = entry.cursor;
  const auto picked = findSelectedPiece(game);
  if (pieceOfSide(game, at, listing.sideToMove()) || !picked) {
    clickSquare(game, listing, at, false, false);
    return;
  }
  if (isPathSquare(game, at.x, at.y)) {
    toggleWaypoint(game, at);
    return;
  }
  clickSquare(game, listing, at, false, true);
}

// Enter: play the picked-up piece's move to the cursor's square.
void enter(GameState& game, MoveListing& listing, const KeyboardEntry& entry) {
  const Square at = entry.cursor;
  const auto picked = findSelectedPiece(game);
  if (!picked) {
    if (pieceOfSide(game, at, listing.sideToMove())) {
      clickSquare(game, listing, at, false, false);
      return;
    }
    // With nothing picked up, a square that one move alone reaches.
    clickSquare(game, listing, at, true, false);
    return;
  }
  if (*picked == at || reaches(game, *picked, at)) {
    clickSquare(game, listing, at, false, true);
    return;
  }
  if (isPathSquare(game, at.x, at.y)) {
    toggleWaypoint(game, at);
    return;
  }
  clickSquare(game, listing, at, false, true);
}

}  // namespace

void moveCursor(KeyboardEntry& entry, int boardSize, bool whiteOnTop, EntryKey arrow) {
  const int towardsBlack = whiteOnTop ? -1 : 1;  // rows grow towards Black
  int dx = 0, dy = 0;
  if (arrow == EntryKey::Left) dx = -towardsBlack;
  if (arrow == EntryKey::Right) dx = towardsBlack;
  if (arrow == EntryKey::Up) dy = towardsBlack;
  if (arrow == EntryKey::Down) dy = -towardsBlack;
  entry.cursor.x = std::clamp(entry.cursor.x + dx, 0, boardSize - 1);
  entry.cursor.y = std::clamp(entry.cursor.y + dy, 0, boardSize - 1);
}

void keepCursorOnBoard(KeyboardEntry& entry, int boardSize) {
  entry.cursor.x = std::clamp(entry.cursor.x, 0, boardSize - 1);
  entry.cursor.y = std::clamp(entry.cursor.y, 0, boardSize - 1);
}

bool pressEntryKey(GameState& game, MoveListing& listing, KeyboardEntry& entry, EntryKey key) {
  keepCursorOnBoard(entry, game.boardSize);
  if (key == EntryKey::Escape || key == EntryKey::Backspace) {
    if (!entry.typed.empty()) {
      if (key == EntryKey::Escape)
        entry.typed.clear();
      else
        entry.typed.pop_back();
      showTyped(game, listing, entry);
      return true;
    }
    if (key == EntryKey::Backspace || !findSelectedPiece(game)) return false;
    clearSelection(game);
    clearWhy();
    host.requestRepaint();
    return true;
  }
  if (!entryAllowed(game, listing)) return false;
  generateMoves(game.legalMoves, game, listing.sideToMove());
  if (key == EntryKey::Enter && !entry.typed.empty()) {
    playTyped(game, listing, entry);
    return true;
  }
  const auto before = findSelectedPiece(game);
  if (key == EntryKey::Space) space(game, listing, entry);
  if (key == EntryKey::Enter) enter(game, listing, entry);
  // A piece the keys picked up is theirs until put down; a waypoint added
  // to a piece the mouse holds leaves it with the mouse.
  if (const auto after = findSelectedPiece(game); after && after != before) game.heldByKeys = true;
  return key == EntryKey::Space || key == EntryKey::Enter;
}

bool typeMoveCharacter(GameState& game, MoveListing& listing, KeyboardEntry& entry, char c) {
  const char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  const bool column = lower >= 'a' && lower < 'a' + game.boardSize;
  const bool separator = lower == '-' || lower == ':' || lower == 'x';
  const bool digit = lower >= '0' && lower <= '9';
  if (!column && !separator && !digit) return false;
  if (!entryAllowed(game, listing) || entry.typed.size() >= 64) return false;
  if (separator && entry.typed.empty()) return false;
  entry.typed += lower;
  showTyped(game, listing, entry);
  return true;
}

TypedMoves movesNamedBy(const GameState& game, int side, std::string_view typed) {
  const std::string text = normalised(typed);
  TypedMoves out;
  if (text.empty()) return out;
  std::vector<Square> squares;
  bool allSquares = true;
  for (const std::string& part : split(text)) {
    const auto square = readSquare(game, part);
    allSquares = allSquares && square.has_value();
    if (square) squares.push_back(*square);
  }
  // Named in full first: "a1-c3" is that capture even where a1-c3-e5 goes on.
  if (allSquares)
    for (int i = 0; i < game.moveCount; ++i)
      if (namesInFull(game.legalMoves[i], squares) && isNewPath(game, out.moves, i)) out.moves.push_back(i);
  if (!out.moves.empty()) return out;
  for (int i = 0; i < game.moveCount; ++i) {
    const MoveRecord& m = game.legalMoves[i];
    const bool begins = normalised(moveText(m)).starts_with(text) ||
                        (numbersSquares(game.gameType) && numberedText(game, m).starts_with(text));
    if (begins && isNewPath(game, out.moves, i)) out.moves.push_back(i);
  }
  if (!out.moves.empty()) return out;

  // Nothing fits: the reason a click on the same squares would be given.
  const std::string written(typed);
  if (!allSquares || squares.size() < 2) {
    out.problem = fillIn(say(numbersSquares(game.gameType) ? "\"%1\" is not a move: write it as c3-d4 or 22-18"
                                                           : "\"%1\" is not a move: write it as c3-d4 or c3:e5"),
                         written);
    return out;
  }
  const Square from = squares.front();
  const Cell& cell = game.board[from.y][from.x];
  if (cell.kind == Empty)
    out.problem = fillIn(say("There is no piece on %1"), squareName(from.x, from.y));
  else if (cell.side != side)
    out.problem = say(side == White ? "White is to move" : "Black is to move");
  else if (std::none_of(game.legalMoves, game.legalMoves + game.moveCount, [&](const MoveRecord& m) {
             return Square{m.fromX, m.fromY} == from;
           }))
    out.problem = whyNoMove(game);
  else
    out.problem = say("The piece cannot go there");
  return out;
}

}  // namespace velmora
