#include "core/game/board_description.h"

#include "core/records/listing.h"
#include "core/records/notation.h"
#include "core/rules/game_state.h"

namespace velmora {

namespace {

std::string squaresOf(const GameState& game, int side, bool kings) {
  std::string names;
  for (int y = 0; y < game.boardSize; ++y)
    for (int x = 0; x < game.boardSize; ++x) {
      const Cell& cell = game.board[y][x];
      if (cell.kind == Empty || cell.side != side || (cell.kind == King) != kings) continue;
      if (!names.empty()) names += ", ";
      names += squareName(x, y);
    }
  return names;
}

std::string sideText(const GameState& game, int side) {
  const std::string men = squaresOf(game, side, false), kings = squaresOf(game, side, true);
  return std::string(side == White ? "White" : "Black") + ": " + (men.empty() ? "no men" : "men " + men) + "; " +
         (kings.empty() ? "no kings" : "kings " + kings) + ".";
}

}  // namespace

std::string describeBoard(const GameState& game, const MoveListing& listing) {
  std::string text;
  if (listing.selected >= 0) text = std::string(listing.sideToMove() == White ? "White" : "Black") + " to move. ";
  text += sideText(game, White) + " " + sideText(game, Black);
  const int shown = listing.shownMoves();
  if (shown > 0 && shown <= game.plyCount) text += " Last move: " + formatMove(game, shown - 1) + ".";
  return text;
}

}  // namespace velmora
