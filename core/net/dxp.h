#pragma once
// The DamExchange protocol, by which draughts programs play International
// draughts against each other over TCP. A message is ASCII text (the framing
// adds its zero byte) whose first character names it; numbers are decimal,
// zero-padded to their width; names are padded with spaces to 32 characters.
// Squares are the standard numbers 1-50, colours W (white) and Z (black).

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "core/rules/move.h"

namespace velmora {

struct Position;
struct RecordedPosition;

constexpr int kDxpNameWidth = 32;
constexpr int kDxpSquares = 50;

// R: the initiator proposes a game.
struct DxpRequest {
  int version = 1;
  std::string name;
  char followerColour = 'Z';
  int minutes = 5;  // thinking time for `moves` moves
  int moves = 75;
  bool fromStart = true;  // else `sideToMove` and `board` give the position
  char sideToMove = 'W';
  std::string board;  // 50 characters, squares 1-50: e empty, w z men, W Z kings
};

// A: the follower's answer.
enum DxpAcceptCode {
  DxpAccepted = 0,
  DxpNotThisColour = 1,
  DxpNotThisTime = 2,
  DxpNotThisPosition = 3,
  DxpRefused = 9
};
struct DxpAccept {
  std::string name;
  int code = DxpAccepted;
};

// M: a move, with the seconds its side has used in all.
struct DxpMove {
  int seconds = 0;
  int from = 0, to = 0;
  int capturedCount = 0;
  int captured[kMaxSteps] = {};
};

// E: the game is over, as its sender sees it.
enum DxpEndReason { DxpUnknown = 0, DxpSenderLoses = 1, DxpDraw = 2, DxpSenderWins = 3 };
struct DxpEnd {
  int reason = DxpUnknown;
  int stop = 0;  // 0: another game may follow; 1: no more games
};

// C: chat. B: take moves back to `moveNumber` with `side` to move; K: the answer.
struct DxpChat {
  std::string text;
};
struct DxpBackUp {
  int moveNumber = 0;
  char side = 'W';
};
struct DxpBackUpAccept {
  int code = 0;
};

using DxpMessage = std::variant<DxpRequest, DxpAccept, DxpMove, DxpEnd, DxpChat, DxpBackUp, DxpBackUpAccept>;

// The message as it goes out, without the zero byte.
std::string dxpText(const DxpMessage& message);
// The message `text` holds, read strictly field by field; nothing, and why
// in `why`, for anything else.
std::optional<DxpMessage> readDxp(std::string_view text, std::string& why);

// A move of International draughts as DXP sends it.
DxpMove dxpMoveOf(const MoveRecord& move);
// Which of the legal moves of `state`'s side to move `move` is: its start,
// its end and the set of squares it captures; -1 when none. Regenerates
// state.legalMoves.
int legalDxpMove(RecordedPosition& state, const DxpMove& move);

// The 50 squares of an International position, as R carries them.
std::string dxpBoard(const Position& position);
// Sets `state` up as International with `board` and `side` ('W' or 'Z') to
// move; why not when the text is no position.
std::optional<std::string> readDxpBoard(std::string_view board, char side, RecordedPosition& state);

}  // namespace velmora
