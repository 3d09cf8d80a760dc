#pragma once
// The game record with its start: the moves that led from the start to the
// position on the board. What is saved, exported, replayed, and what the
// engine reads for repetitions and the quiet-move count.

#include <cstdint>

#include "core/rules/board.h"
#include "core/rules/move.h"
#include "core/rules/position.h"

namespace velmora {

// Where the game record starts. Most games start from the variant's set-up
// with White to move; a game taken from a FEN or a position text starts
// from a board of its own, and may have Black move first.
struct StartPosition {
  std::int32_t custom = 0;    // 0: the variant's set-up, and `board` is unused
  std::int32_t side = White;  // the side that made the record's first move
  Board board = {};
};

struct GameRecord {
  StartPosition start;
  // A game holds at most kMaxGameMoves; the slots above them stay unused.
  MoveRecord gameRecord[kGameRecordSlots];
  std::int32_t plyCount = 0;

  // The side to move after the record's moves.
  int sideToMove() const { return (plyCount + start.side) & 1; }
};

// The position the record leads to, with the record: the two parts every
// reader and writer of a game needs together.
struct RecordedPosition : Position, GameRecord {};

}  // namespace velmora
