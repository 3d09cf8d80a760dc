#pragma once
// The position text: "<side>:<row N-1>/.../<row 0>", side W or B, each row
// N characters from column a: '.' empty, 'w'/'W' white man/king, 'b'/'B' black.
// Row 0 comes last, so the text reads as a diagram with White at the bottom.

#include <optional>
#include <string>
#include <string_view>

#include "core/rules/board.h"

namespace velmora {

struct GameState;

// Sets the board up for `type` and replaces its pieces by those of `text`;
// plyCount becomes 0 or 1 so that the side to move is the text's. Returns an
// error message, and leaves the state unspecified, when the text is refused.
std::optional<std::string> readPosition(std::string_view text, GameType type, GameState& state);

// The board and the side to move (sideToMove()) as a position text.
std::string writePosition(const GameState& state);

// A board of `boardSize` with `side` to move as a position text.
std::string positionText(const Board& board, int boardSize, int side);

}  // namespace velmora
