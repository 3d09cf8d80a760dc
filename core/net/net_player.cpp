#include "core/net/net_player.h"

#include "core/game/computer_move.h"

namespace velmora {

void startNetPlayer(NetPlayer& player, int fd, bool server, const std::string& name, int level,
                    const NetChoice& choice) {
  player.link.fd = fd;
  GameState& game = *player.game;
  int serverSide = 0;
  if (server) {
    serverSide = prepareServerGame(game, player.listing, choice, name);
  } else {
    prepareClientGame(game, player.listing);
  }
  game.searchDepth = level + 2;
  player.session = std::make_unique<NetSession>(game, player.listing, server, name, serverSide);
  player.next = player.session->start();
}

NetStep stepNetPlayer(NetPlayer& player, int timeoutMs, bool polling) {
  NetSession& session = *player.session;
  switch (player.next.kind) {
    case NetAction::Over: closeSocket(player.link.fd); return NetStep::Over;
    case NetAction::Send:
      player.next = session.transferred(sendMessage(player.link, player.next.text, player.cancel, timeoutMs));
      return NetStep::Moved;
    case NetAction::Receive: {
      std::string text;
      const Transfer result = receiveMessage(player.link, text, player.cancel, timeoutMs);
      if (result == Transfer::TimedOut && polling) return NetStep::Waiting;
      player.next = session.transferred(result, text);
      return NetStep::Moved;
    }
    case NetAction::Idle:
      if (!session.shouldExchange()) {
        if (!player.playsItself) return NetStep::Waiting;
        computerMove(*player.game, player.listing, false, *player.engine);
      }
      player.next = session.exchangeTurn();
      return NetStep::Moved;
  }
  return NetStep::Over;
}

}  // namespace velmora
