// PDN files: any text parses or is refused with a message, and a game that
// reads is written again as PDN that reads back to the same moves, start
// and players, names and whether each is the computer.

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "core/game/game_state.h"
#include "core/records/pdn.h"

using namespace velmora;

namespace {

bool sameGame(const GameState& a, const GameState& b) {
  if (a.gameType != b.gameType || a.plyCount != b.plyCount || a.start.custom != b.start.custom ||
      a.start.side != b.start.side)
    return false;
  for (int side = 0; side < 2; ++side)
    if (std::strcmp(a.players[side].name, b.players[side].name) != 0 || a.players[side].type != b.players[side].type)
      return false;
  for (int i = 0; i < a.plyCount; ++i)
    if (std::memcmp(&a.gameRecord[i], &b.gameRecord[i], usedBytes(a.gameRecord[i])) != 0) return false;
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  std::vector<PdnGame> games;
  if (const auto error = parsePdn(text, games, 4)) {
    if (error->empty() || !games.empty()) std::abort();  // a refusal says why and yields nothing
    return 0;
  }
  auto first = std::make_unique<GameState>();
  auto second = std::make_unique<GameState>();
  for (size_t g = 0; g < games.size() && g < 4; ++g) {
    if (readPdnGame(games[g], *first, static_cast<GameType>(g % kVariantCount))) continue;
    const std::string written = writePdn(*first, first->plyCount);
    std::vector<PdnGame> again;
    if (parsePdn(written, again) || again.size() != 1) std::abort();
    if (readPdnGame(again[0], *second) || !sameGame(*first, *second)) std::abort();
  }
  return 0;
}
