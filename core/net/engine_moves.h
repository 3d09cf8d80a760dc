#pragma once
// What the protocols that play another program share: a position given
// square by square, and a legal move named by its start, its end and the
// squares whose pieces it takes.

#include <optional>
#include <string>
#include <vector>

#include "core/records/pdn_board.h"

namespace velmora {

struct RecordedPosition;

struct PlacedPiece {
  BoardSquare at;
  char piece;  // 'w' or 'b' a man, 'W' or 'B' a king
};

// Sets `state` up as `type` with these pieces alone and that side to move;
// why not when they make no position.
std::optional<std::string> placePieces(GameType type, bool whiteToMove, const std::vector<PlacedPiece>& pieces,
                                       RecordedPosition& state);

// The legal move of `state`'s side to move from `from` to `to` that takes
// exactly the pieces on `taken` (in any order), or any such move when
// `taken` is null; -1 when none. Regenerates state.legalMoves. Two routes
// over the same pieces end in the same position: either will do.
int legalMoveByEnds(RecordedPosition& state, BoardSquare from, BoardSquare to, const std::vector<BoardSquare>* taken);

}  // namespace velmora
