#include "core/game/board_description.h"

#include "core/game/game_state.h"
#include "core/platform/translation.h"
#include "core/records/listing.h"
#include "core/records/notation.h"

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
  return fillIn(say(side == White ? "White: %1; %2." : "Black: %1; %2."),
                men.empty() ? say("no men") : fillIn(say("men %1"), men),
                kings.empty() ? say("no kings") : fillIn(say("kings %1"), kings));
}

}  // namespace

std::string describeBoard(const GameState& game, const MoveListing& listing) {
  std::string text;
  if (listing.selected >= 0) text = say(listing.sideToMove() == White ? "White to move." : "Black to move.") + " ";
  text += sideText(game, White) + " " + sideText(game, Black);
  const int shown = listing.shownMoves();
  if (shown > 0 && shown <= game.plyCount) text += " " + fillIn(say("Last move: %1."), formatMove(game, shown - 1));
  return text;
}

}  // namespace velmora
