#pragma once
// The Hub protocol's text, for both of its ends: the engine Velmora hosts
// for another program and the outside engine Velmora's window hosts.
// Squares go in the variant's standard order: by number where the variant
// numbers them, else the playing squares row by row from the top left, as
// the numbers would run.

#include <optional>
#include <string>
#include <vector>

#include "core/records/pdn_board.h"
#include "core/rules/board.h"

namespace velmora {

struct MoveRecord;
struct RecordedPosition;

// The playing squares of `type` in the Hub's order.
std::vector<BoardSquare> hubSquares(GameType type);
// The square names of `type` in the order a Hub position lists them.
std::string hubSquareName(GameType type, int index);
int hubSquareCount(GameType type);

// "W" or "B", then a character a square in the Hub's order: w b W B e.
std::string hubPositionText(GameType type, const Board& board, int sideToMove);

// The value of `name` in "name=value name="a value"", or nothing.
std::optional<std::string> hubArgument(const std::string& text, const std::string& name);

// "32-28" for a move, "19x30x24x25" for a capture: start, end, then each
// square whose piece it takes.
std::string hubMoveText(GameType type, const MoveRecord& move);

// The legal move of `state` a Hub move names: its start and end, and its
// captured squares when it gives them; -1 for none. Regenerates
// state.legalMoves.
int legalHubMove(RecordedPosition& state, const std::string& text);

// The variant's name as a Hub value: one word.
std::string hubVariantName(GameType type);

}  // namespace velmora
