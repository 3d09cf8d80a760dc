// Saved games: any file loads (to its defaults where damaged), and a game
// that loaded, saved and loaded again gives the same game.

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "core/game/game_state.h"
#include "core/records/saved_game.h"

using namespace velmora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  auto first = std::make_unique<GameState>();
  loadGameText(*first, text);
  const std::string saved = savedGameText(*first, first->plyCount);
  auto second = std::make_unique<GameState>();
  loadGameText(*second, saved);
  if (savedGameText(*second, second->plyCount) != saved) std::abort();
  return 0;
}
