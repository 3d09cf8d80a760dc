#pragma once
// The one game object, in parts: the position (rules), the record with its
// start, the board's marks (view), the computer player's part (ai) and the
// session (game). Plain and copyable; a second instance serves as scratch
// where a position has to be rebuilt without touching the game on the board.

#include <cstdint>

#include "core/platform/player_name.h"
#include "core/rules/board.h"
#include "core/rules/move.h"
#include "core/rules/position.h"

namespace velmora {

enum PlayerType : std::int32_t { HumanPlayer = 0, ComputerPlayer = 1, RemotePlayer = 2 };

struct PlayerRecord {
  std::int32_t type = HumanPlayer;
  char name[kMaxNameLength + 2] = {};
  std::int32_t clockSeconds = 0;
};

// What mouse entry and the board display keep for each square.
struct SquareMarks {
  std::int32_t selected;    // the picked-up piece, and the waypoints clicked on its path
  std::int32_t moveTarget;  // final square of a legal move of the picked-up piece
  std::int32_t pathStep;    // intermediate landing square of such a move
  std::int32_t lastMove;    // a square of the move that led to the shown position
  std::int32_t blinkTicks;  // highlight countdown in 20 ms ticks
};

// Where the game record starts. Most games start from the variant's set-up
// with White to move; a game taken from a FEN or a pasted position starts
// from a board of its own, and may have Black move first.
struct StartPosition {
  std::int32_t custom = 0;    // 0: the variant's set-up, and `board` is unused
  std::int32_t side = White;  // the side that made the record's first move
  Board board = {};
};

// The game record with its start: what is saved, exported and replayed.
struct GameRecord {
  // Moves played from the start position; slots above plyCount are scratch.
  StartPosition start;
  MoveRecord gameRecord[kGameRecordSlots];
  std::int32_t plyCount = 0;
};

// What the board display and mouse entry keep: the marks of each square and
// the grip on a dragged piece.
struct BoardMarks {
  SquareMarks marks[kMaxBoardSize][kMaxBoardSize] = {};  // marks[y][x], as the board
  std::int32_t grabOffsetX = 0;                          // where in its square the picked-up piece was grabbed
  std::int32_t grabOffsetY = 0;
};

// What the computer player is asked to do and what it chose.
struct ComputerPlayerPart {
  std::int32_t aiSide = Black;
  std::int32_t aiOpponent = White;
  std::int32_t searchDepth = 2;
  std::int32_t bestRootIndex = 0;
  std::int32_t giveAway = 0;  // the side left without a move wins
  // Above 0 the Expert plays instead of the level, this long a move; the
  // level stays what the saved game records.
  std::int32_t expertMoveTimeMs = 0;
};

// The session: players and clocks, and what the game is doing.
struct Session {
  PlayerRecord players[2];  // index 0 is White
  std::int32_t gameRunning = 0;
  std::int32_t gameModified = 0;
  std::int32_t showingMove = 0;        // the steps of a capture are being shown: no input
  std::int32_t thinking = 0;           // the computer's search runs; cleared to break it off
  std::uint32_t thinkStartTick = 0;    // when the current computer move began
  std::int32_t clockAtThinkStart = 0;  // the computer's clock then
};

// The one game object, an aggregate of its parts: the rules engine takes
// the Position, the view's marks are BoardMarks, and so on; the fields keep
// their names, so `game.board` and `game.players` read as before.
struct GameState : Position, GameRecord, BoardMarks, ComputerPlayerPart, Session {
  // The side to move of the record: what the rules engine, the notation and
  // the search go by. The window goes by the listing's selected line instead.
  int sideToMove() const { return (plyCount + start.side) & 1; }
};

}  // namespace velmora
