#pragma once
// The position text: "<side>:<row N-1>/.../<row 0>", side W or B, each row
// N characters from column a: '.' empty, 'w'/'W' white man/king, 'b'/'B' black.
// Row 0 comes last, so the text reads as a diagram with White at the bottom.

#include <optional>
#include <string>
#include <string_view>

#include "core/rules/board.h"

namespace velmora {

struct RecordedPosition;

// Sets the board up for `type` and replaces its pieces by those of `text`;
// the record starts there, empty, with the text's side to move. Returns an
// error message, and leaves the state unspecified, when the text is refused.
std::optional<std::string> readPosition(std::string_view text, GameType type, RecordedPosition& state);

// The first piece, in the order of the text, on a light square of a variant
// played on the dark ones, named as the set-up editor names it; nothing when
// every piece stands where the variant's pieces can. The rules tests place
// pieces anywhere, so the readers of outside positions ask this themselves.
std::optional<std::string> lightSquarePiece(const Board& board, GameType type);

// The board and the record's side to move as a position text.
std::string writePosition(const RecordedPosition& state);

// A board of `boardSize` with `side` to move as a position text.
std::string positionText(const Board& board, int boardSize, int side);

}  // namespace velmora
