#pragma once
// The one game object, assembled from the parts each layer owns: the
// position and the record (rules), the players and the level (records), the
// board's marks (view), and here the computer player's part and the
// session. Plain and copyable; a second instance serves as scratch where a
// position has to be rebuilt without touching the game on the board.

#include <cstdint>
#include <string>

#include "core/records/recorded_game.h"
#include "core/rules/game_record.h"
#include "core/rules/position_text.h"
#include "core/view/board_marks.h"

namespace velmora {

struct MoveListing;

// Which side the computer plays this move.
struct ComputerPlayerPart {
  std::int32_t aiSide = Black;
  std::int32_t aiOpponent = White;
};

// What the game is doing.
struct Session {
  std::int32_t gameRunning = 0;
  std::int32_t gameModified = 0;
  std::int32_t showingMove = 0;          // the steps of a capture are being shown: no input
  std::int32_t thinking = 0;             // the computer's search runs
  std::uint32_t thinkStartTick = 0;      // when the current computer move began
  std::int64_t clockMsAtThinkStart = 0;  // the computer's clock then, in milliseconds
  // The milliseconds past the whole seconds each side's clock shows, so that
  // thinks shorter than a second add up; they count while the clock still
  // shows `seconds`, and not once a new or loaded game has set it anew.
  struct ClockCarry {
    std::int32_t seconds = -1;
    std::int32_t millis = 0;
  } clockCarry[2];
};

// The fields keep their names, so `game.board` and `game.players` read the
// same whichever part declares them.
struct GameState : RecordedGame, BoardMarks, ComputerPlayerPart, Session {};

// The picked-up piece and its waypoints dropped.
inline void clearSelection(GameState& game) { clearSelection(game, game.boardSize); }

// The variant's set-up, White to move, nothing picked up. Always returns 1.
inline int setUpBoard(GameState& game, GameType type) {
  clearSelection(game);  // with the size of the board being left
  return setUpBoard(game, game, type);
}

// `state` set up at the start of `game`; `state` may be `game` itself.
inline void setUpStartOf(GameState& state, const GameState& game) {
  clearSelection(state);
  setUpStartOf(state, state, game.gameType, game.start);
  state.officialRules = game.officialRules;
}

// The listing's selected position shown on the game's board, nothing
// picked up; the record is kept.
void showListedPosition(GameState& game, GameState& scratch, const MoveListing& listing);

// The Save command for the game on the board: as the record's own, and a
// saved game is no longer modified.
bool saveGameFile(GameState& game, const MoveListing& listing, const std::string& path);

}  // namespace velmora
