#pragma once
// FEN, the position format of PDN: "W:W31,32,K40:B1-12". The first letter
// is the side to move; each colour lists its squares in the variant's
// numbering, a king with K before it. Colours are PDN's (see pdn_board.h).

#include <optional>
#include <string>
#include <string_view>

#include "core/rules/board.h"

namespace velmora {

struct Position;
struct RecordedPosition;

// The board and the side to move of `state`.
std::string writeFen(const RecordedPosition& state);
// The same for the board of `state` with `sideToMove` to move.
std::string writeFen(const Position& state, int sideToMove);

// Starts `state` as a new game of `type` at the position of `fen`: the
// variant's set-up, the board and the side to move become the game's start,
// with no move played. Accepts ranges ("1-12"), an empty colour, either
// order of the colours, spaces, quotes around the whole and a final ".".
// On failure returns what was expected where, and leaves `state` as it was.
std::optional<std::string> readFen(std::string_view fen, GameType type, RecordedPosition& state);

}  // namespace velmora
