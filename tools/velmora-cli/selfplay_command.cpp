// velmora-cli selfplay: the computer against itself through the code the
// window uses for a move: the random opening, the search, playing the move,
// the end of the game, the draw rule and the 400-move limit.

#include <cstdio>
#include <map>
#include <memory>
#include <string>

#include "cli_common.h"
#include "core/game/computer_move.h"
#include "core/game/game_state.h"
#include "core/game/new_game.h"
#include "core/game/play.h"
#include "core/platform/host.h"
#include "core/platform/text.h"
#include "core/records/listing.h"

namespace velmora::cli {

namespace {

const char* resultName(GameResult r) {
  switch (r) {
    case WhiteWins: return "white";
    case BlackWins: return "black";
    case Draw: return "draw";
    default: return "limit";
  }
}

}  // namespace

int selfplayCommand(int argc, char** argv) {
  if (argc < 3) return fail("usage: selfplay VARIANT GAMES LEVEL [--give-away] [--seed N]");
  const auto type = readVariant(argv[0]);
  const auto games = readInteger(argv[1]);
  const auto level = readInteger(argv[2]);
  if (!type) return fail(unknownVariant(argv[0]));
  if (!games || *games < 1) return fail("GAMES must be a positive number");
  if (!level || *level < 0 || *level > 2) return fail("LEVEL must be 0, 1 or 2");
  bool giveAway = false;
  long seed = 1;
  for (int i = 3; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--give-away") {
      giveAway = true;
    } else if (a == "--seed" && i + 1 < argc) {
      const auto n = readInteger(argv[++i]);
      if (!n) return fail("--seed needs a number");
      seed = *n;
    } else {
      return fail("unknown option " + quotedExcerpt(a));
    }
  }
  // No window: no boxes, no sounds, and a capture is shown at once.
  host.after = [](int, std::function<void()> then) { then(); };
  host.messageBox = [](const std::string&, MessageIcon, MessageButtons) { return false; };

  std::map<std::string, int> results;
  long totalPlies = 0;
  int shortest = kMaxGameMoves + 1, longest = 0;
  auto game = std::make_unique<GameState>();
  Engine engine;
  for (long k = 1; k <= *games; ++k) {
    seedComputerRandom(static_cast<std::uint32_t>(seed * 1000003 + k));
    MoveListing listing;
    NewGameChoice choice;
    choice.type[White] = choice.type[Black] = ChooseComputer;
    choice.level = static_cast<int>(*level);
    choice.gameType = *type;
    choice.giveAway = giveAway;
    startNewGame(*game, listing, choice);
    GameResult result = GameGoesOn;
    while (game->gameRunning && computerShouldMove(*game, listing)) computerMove(*game, listing, false, engine);
    result = checkGameEnd(*game, listing, false);
    const int plies = listing.moveCount();
    const char* name = resultName(result);
    std::printf("game %ld result %s plies %d\n", k, name, plies);
    std::fflush(stdout);
    ++results[name];
    totalPlies += plies;
    shortest = std::min(shortest, plies);
    longest = std::max(longest, plies);
  }
  std::printf("games %ld white %d black %d draw %d limit %d plies_mean %.1f plies_min %d plies_max %d\n", *games,
              results["white"], results["black"], results["draw"], results["limit"],
              static_cast<double>(totalPlies) / static_cast<double>(*games), shortest, longest);
  return 0;
}

}  // namespace velmora::cli
