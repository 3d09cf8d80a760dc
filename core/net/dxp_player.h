#pragma once
// One end of a DamExchange connection played by the Expert: as initiator it
// proposes each game (colours alternating) and ends it; as follower it takes
// the games proposed. Every move that arrives is checked by the rules; a
// message that does not read, an illegal move or a silent peer ends the
// session with a message, never a hang.

#include <functional>
#include <string>
#include <vector>

#include "core/rules/game_result.h"

namespace velmora {

class Engine;

struct DxpSettings {
  bool initiator = true;
  std::string name = "Velmora";
  int games = 1;
  int minutes = 5;  // the time control proposed: `minutes` for `moves` moves
  int moves = 75;
  std::string board;  // the initiator's start position (50 squares), empty for the normal start
  char sideToMove = 'W';
  int moveTimeMs = 0;  // the Expert's time a move; 0: its share of the time control
  int peerTimeoutMs = 120'000;
};

struct DxpGameReport {
  int number = 0;
  char colour = 'W';               // ours
  GameResult result = GameGoesOn;  // for White
  int plies = 0;
  std::string end;  // "rules", "limit", "peer" (the other side ended it)
};

// Plays on the connected socket `fd` (not closed here) until the games are
// played, the peer stops or something goes wrong; `report` hears of each
// game as it ends. Returns the error that ended the session, empty when
// none did.
std::string playDxp(int fd, const DxpSettings& settings, Engine& engine,
                    const std::function<void(const DxpGameReport&)>& report);

}  // namespace velmora
