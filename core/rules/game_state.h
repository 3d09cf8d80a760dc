#pragma once
// The one game object: rules fields, game record and the computer's fields.
// Plain and copyable; a second instance serves as scratch where a position
// has to be rebuilt without touching the game on the board.

#include <cstdint>

#include "core/platform/player_name.h"
#include "core/rules/board.h"
#include "core/rules/move.h"

namespace velmora {

enum PlayerType : std::int32_t { HumanPlayer = 0, ComputerPlayer = 1, RemotePlayer = 2 };

// Where the board's rows sit among the generator's rows of bits.
constexpr int kRowPad = 4;
constexpr int kPaddedRows = kMaxBoardSize + 2 * kRowPad;

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

struct GameState {
  // Board and variant.
  GameType gameType = American;
  std::int32_t boardSize = 8;
  Board board = {};
  std::int32_t invertSquareColours = 0;  // read by the board display only
  // The pieces of each side as bits, so that the generator never reads the
  // whole board: square (x, y) is bit x + 1 of pieceRows[side][y + kRowPad].
  // The rows around the board and the bits beside it stay clear, so that the
  // squares up to four rows and a few columns away read without bounds
  // checks. applyMove and undoMove keep them while pieceRowsValid is set;
  // whatever else writes the board calls boardWritten, and the next
  // generateMoves reads them afresh.
  std::uint32_t pieceRows[2][kPaddedRows] = {};
  std::uint32_t kingRows[2][kPaddedRows] = {};  // the kings among them
  std::int32_t pieceRowsValid = 0;
  SquareMarks marks[kMaxBoardSize][kMaxBoardSize] = {};  // marks[y][x], as the board

  // Legal moves of the position, as the last generateMoves into it left them.
  MoveRecord legalMoves[kMaxMoves];
  std::int32_t moveCount = 0;

  // Moves played from the start position; slots above plyCount are scratch.
  StartPosition start;
  MoveRecord gameRecord[kGameRecordSlots];
  std::int32_t plyCount = 0;

  // Working storage of one generator call.
  std::int32_t moverSide = White;
  std::int32_t opponentSide = Black;
  MoveStep scratchPath[kMaxSteps];

  // The computer player's fields.
  std::int32_t aiSide = Black;
  std::int32_t aiOpponent = White;
  std::int32_t searchDepth = 2;
  std::int32_t bestRootIndex = 0;
  std::int32_t thinking = 0;
  std::int32_t giveAway = 0;
  std::int32_t evalTable[2][3][kMaxBoardSize][kMaxBoardSize] = {};
  std::uint32_t thinkStartTick = 0;    // when the current computer move began
  std::int32_t clockAtThinkStart = 0;  // the computer's clock then

  // Game control.
  PlayerRecord players[2];  // index 0 is White
  std::int32_t gameRunning = 0;
  std::int32_t gameModified = 0;
  std::int32_t showingMove = 0;  // the steps of a capture are being shown: no input
  std::int32_t grabOffsetX = 0;  // where in its square the picked-up piece was grabbed
  std::int32_t grabOffsetY = 0;

  // The side to move of the record: what the rules engine, the notation and
  // the search go by. The window goes by the listing's selected line instead.
  int sideToMove() const { return (plyCount + start.side) & 1; }

  // To be called after writing the board other than by applyMove or undoMove.
  void boardWritten() { pieceRowsValid = 0; }
};

}  // namespace velmora
