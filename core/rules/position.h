#pragma once
// The position the rules engine works on: the variant, the board, the same
// pieces as rows of bits, and the legal moves found there. Move generation,
// apply and undo read and write this part of the game only.

#include <cstdint>

#include "core/rules/board.h"
#include "core/rules/move.h"

namespace velmora {

// Where the board's rows sit among the generator's rows of bits.
constexpr int kRowPad = 4;
constexpr int kPaddedRows = kMaxBoardSize + 2 * kRowPad;

struct Position {
  GameType gameType = American;
  std::int32_t boardSize = 8;
  Board board = {};
  std::int32_t invertSquareColours = 0;  // read by the board display only
  std::int32_t giveAway = 0;             // the side left without a move wins
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

  // Legal moves of the position, as the last generateMoves into it left them.
  MoveRecord legalMoves[kMaxMoves];
  std::int32_t moveCount = 0;

  // Working storage of one generator call: the capture path being built.
  MoveStep scratchPath[kMaxSteps];

  // To be called after writing the board other than by applyMove or undoMove.
  void boardWritten() { pieceRowsValid = 0; }
};

}  // namespace velmora
