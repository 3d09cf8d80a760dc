#pragma once
// The one game object: rules fields, game record and the computer's fields.
// Plain and copyable; a second instance serves as scratch where a position
// has to be rebuilt without touching the game on the board.

#include <cstdint>

#include "rules/board.h"
#include "rules/move.h"

namespace velmora {

struct GameState {
  // Board and variant.
  GameType gameType = American;
  std::int32_t boardSize = 8;
  Board board = {};
  std::int32_t invertSquareColours = 0;                      // read by the board display only
  std::uint8_t selected[kMaxBoardSize][kMaxBoardSize] = {};  // mouse-entry mark

  // Legal moves of the position, as the last generateMoves into it left them.
  MoveRecord legalMoves[kMaxMoves];
  std::int32_t moveCount = 0;

  // Moves played from the start position; slots above plyCount are scratch.
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

  int sideToMove() const { return plyCount & 1; }
};

}  // namespace velmora
