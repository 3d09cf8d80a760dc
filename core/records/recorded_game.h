#pragma once
// What a recorded game holds beside its position and moves: the players
// with their clocks, and the computer's level. A saved game, a PDN game, a
// printed listing and the network's listing are written from this part.

#include <cstdint>
#include <string_view>

#include "core/platform/player_name.h"
#include "core/rules/game_record.h"

namespace velmora {

enum PlayerType : std::int32_t { HumanPlayer = 0, ComputerPlayer = 1, RemotePlayer = 2 };

struct PlayerRecord {
  std::int32_t type = HumanPlayer;
  char name[kMaxNameLength + 1] = {};  // with its terminating zero
  std::int32_t clockSeconds = 0;
};

// Gives the player a name from anywhere (a dialog, a file, a peer, an
// engine), cleaned and cut as every name is.
void setPlayerName(PlayerRecord& player, std::string_view name);

struct RecordedGame : RecordedPosition {
  PlayerRecord players[2];  // index 0 is White
  std::int32_t searchDepth = 2;
  // Above 0 the Expert plays instead of the level, this long a move; the
  // level stays what the saved game records.
  std::int32_t expertMoveTimeMs = 0;
};

}  // namespace velmora
