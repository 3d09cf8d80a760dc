#include "core/net/connection_setup.h"

#include "core/game/game_state.h"
#include "core/game/play.h"
#include "core/game/settings.h"
#include "core/net/socket.h"
#include "core/platform/player_name.h"
#include "core/platform/text.h"
#include "core/platform/translation.h"
#include "core/records/listing.h"

namespace velmora {

bool canContinueCurrent(GameState& game, const MoveListing& listing) {
  // The wire carries the variant and the moves, never a start position: a
  // game from a position of its own can only be offered as a new game.
  if (listing.selected < 0 || game.start.custom) return false;
  return !(listing.atLastLine() && checkGameEnd(game, listing, false) != GameGoesOn);
}

SideChoice sideChoice(bool server, bool continueCurrent, const MoveListing& listing) {
  SideChoice c;
  if (server && !continueCurrent) c.available[0] = c.available[1] = true;
  if (server && continueCurrent) c.available[listing.sideToMove()] = true;
  c.groupEnabled = c.available[0] && c.available[1];
  if (c.available[0] != c.available[1]) c.forced = c.available[0] ? 0 : 1;
  return c;
}

std::string networkName(const std::string& typed) {
  const std::size_t first = typed.find_first_not_of(' ');
  // The server's name is a line of the header: a line end in it would shift
  // the lines after it.
  return first == std::string::npos ? std::string() : playerNameFrom(typed.substr(first));
}

std::optional<std::string> takeNetDialogInput(const NetDialogInput& in) {
  const std::string name = networkName(in.name);
  if (name.empty()) return say("Please enter your name.");
  netSettings.ip = in.ip.substr(0, 15);
  // An address the field cannot have completed reads as no address.
  if (netSettings.ip == kNoAddress || !isDottedIpv4(netSettings.ip)) return say("Please enter serever's IP address.");
  const int port = readDecimal(in.portText);
  netSettings.port = port;
  if (port <= 0) return say("Please enter serever's port.");
  if (port < 1024) return say("Port number must be more or equal then 1024.");
  if (port > 65535) return say("Port number must be 65535 or less.");
  netSettings.server = in.server ? 1 : 0;
  netSettings.name = name;
  lastGame.gameType = in.gameType;
  lastGame.giveAway = in.giveAway;
  return std::nullopt;
}

}  // namespace velmora
