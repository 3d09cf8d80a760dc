#pragma once
// A network player whose moves the computer makes: the command line's
// player, and both ends of a game in one thread for the tests. Blocking
// transfers with a time limit; the caller's thread owns the game.

#include <memory>
#include <string>

#include "core/ai/engine.h"
#include "core/game/game_state.h"
#include "core/net/protocol.h"
#include "core/records/listing.h"

namespace velmora {

struct NetPlayer {
  std::unique_ptr<GameState> game = std::make_unique<GameState>();
  std::unique_ptr<Engine> engine = std::make_unique<Engine>();  // thinks for the local side
  MoveListing listing;
  std::unique_ptr<NetSession> session;
  NetLink link;
  NetAction next;
  Cancel cancel;
  bool playsItself = true;  // the computer moves for the local side

  ~NetPlayer() { closeSocket(link.fd); }
};

// Prepares the game and the session on a connected socket and takes the
// first action; `level` is the computer's strength, 0..2.
void startNetPlayer(NetPlayer& player, int fd, bool server, const std::string& name, int level,
                    const NetChoice& choice = {});

enum class NetStep { Moved, Waiting, Over };

// Does the next thing: a transfer, a computer move, or the turn's send.
// A receive waits at most `timeoutMs`; when `polling` an empty wait is
// Waiting, otherwise it ends the game as the opponent's silence.
NetStep stepNetPlayer(NetPlayer& player, int timeoutMs, bool polling);

}  // namespace velmora
