#pragma once
// Whether a game has ended, decided from its position and record alone.

namespace velmora {

struct RecordedPosition;

enum GameResult { GameGoesOn = 0, WhiteWins = 1, BlackWins = 2, Draw = 3 };

constexpr int kQuietMovesForDraw = 30;

struct MoveRecord;

// A capture, or a man's move that changes its column, starts the quiet run
// of the draw rule anew.
bool breaksQuietRun(const MoveRecord& m);

// The result after the first `plies` moves of the record, with `side` to
// move on the board of `state`: a side that cannot move loses (wins in the
// give-away game), and thirty moves in a row without a capture or a man
// changing its column draw. Regenerates state.legalMoves for `side`.
GameResult gameResult(RecordedPosition& state, int side, int plies);

}  // namespace velmora
