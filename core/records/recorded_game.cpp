#include "core/records/recorded_game.h"

#include <algorithm>
#include <cstring>

namespace velmora {

void setPlayerName(PlayerRecord& player, std::string_view name) {
  const std::string kept = playerNameFrom(name);
  std::memset(player.name, 0, sizeof player.name);
  std::memcpy(player.name, kept.data(), std::min(kept.size(), sizeof player.name - 1));
}

}  // namespace velmora
