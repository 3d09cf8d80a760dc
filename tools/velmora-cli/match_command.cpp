// velmora-cli match: two computer players against each other over pairs of
// games, each random opening played once with either colour, and the score
// with its Elo difference.

#include <cmath>
#include <cstdio>
#include <memory>
#include <string>

#include "cli_common.h"
#include "core/ai/match.h"
#include "core/game/game_state.h"
#include "core/platform/text.h"
#include "core/records/notation.h"
#include "core/rules/generate.h"

namespace velmora::cli {

namespace {

const char kMatchUsage[] =
    "usage: velmora-cli match VARIANT GAMES LEVEL_A LEVEL_B [--movetime MS] [--depth D] [--seed N] [--give-away]\n"
    "       [--listing] [--rules official]";

double eloOf(double share) { return share == 0.5 ? 0.0 : -400.0 * std::log10(1.0 / share - 1.0); }

// "+12.3" for the Elo of a share of the points; a clean sweep has none.
std::string eloText(double share) {
  if (share <= 0) return "-inf";
  if (share >= 1) return "+inf";
  char text[32];
  std::snprintf(text, sizeof text, "%+.0f", eloOf(share) + 0.0);  // never "-0"
  return text;
}

std::string openingText(const MatchSettings& settings, const Opening& opening) {
  auto game = std::make_unique<GameState>();
  setUpBoard(*game, settings.type);
  game->giveAway = settings.giveAway;
  game->officialRules = settings.official;
  std::string text;
  for (int i = 0; i < opening.plies; ++i) {
    generateMoves(game->legalMoves, *game, game->sideToMove());
    const MoveRecord move = game->legalMoves[opening.index[i]];
    text += (i ? " " : "") + moveText(move);
    applyMove(move, game->gameRecord[game->plyCount], *game);
    ++game->plyCount;
  }
  return text;
}

const char* endName(GameEnd end) {
  switch (end) {
    case GameEnd::Repetition: return "repetition";
    case GameEnd::MoveLimit: return "limit";
    default: return "rules";
  }
}

}  // namespace

std::optional<int> readPlayerLevel(const std::string& arg) {
  if (arg == "expert") return kExpertLevel;
  const auto level = readInteger(arg);
  if (!level || *level < 0 || *level > 2) return std::nullopt;
  return static_cast<int>(*level);
}

int matchCommand(int argc, char** argv) {
  if (argc < 4) return fail(kMatchUsage);
  const auto type = readVariant(argv[0]);
  const auto games = readInteger(argv[1]);
  const auto levelA = readPlayerLevel(argv[2]);
  const auto levelB = readPlayerLevel(argv[3]);
  if (!type) return fail(unknownVariant(argv[0]));
  if (!games || *games < 1 || *games > 100000) return fail("GAMES must be a number from 1 to 100000");
  if (!levelA || !levelB) return fail("LEVEL_A and LEVEL_B must be 0, 1, 2 or expert");
  MatchSettings settings;
  settings.type = *type;
  settings.expert.moveTimeMs = 100;
  long seed = 1;
  bool depthGiven = false, timeGiven = false, listing = false;
  for (int i = 4; i < argc; ++i) {
    const std::string a = argv[i];
    const bool hasValue = i + 1 < argc;
    if (a == "--give-away") {
      settings.giveAway = true;
    } else if (a == "--rules" && hasValue) {
      const std::string rules = argv[++i];
      if (rules != "official" && rules != "classic") return fail("--rules needs classic or official");
      settings.official = rules == "official";
    } else if (a == "--listing") {
      listing = true;
    } else if (a == "--movetime" && hasValue) {
      const auto ms = readInteger(argv[++i]);
      if (!ms || *ms < 1 || *ms > kLongestMoveTimeMs)
        return fail("--movetime needs milliseconds from 1 to " + std::to_string(kLongestMoveTimeMs));
      settings.expert.moveTimeMs = static_cast<int>(*ms);
      timeGiven = true;
    } else if (a == "--depth" && hasValue) {
      const auto depth = readInteger(argv[++i]);
      if (!depth || *depth < 1 || *depth > kExpertMaxDepth)
        return fail("--depth needs a number from 1 to " + std::to_string(kExpertMaxDepth));
      settings.expert.maxDepth = static_cast<int>(*depth);
      depthGiven = true;
    } else if (a == "--seed" && hasValue) {
      const auto n = readInteger(argv[++i]);
      if (!n) return fail("--seed needs a number");
      seed = *n;
    } else {
      return fail("unknown option " + quotedExcerpt(a) + "\n" + kMatchUsage);
    }
  }
  // A depth alone searches to that depth whatever it takes.
  if (depthGiven && !timeGiven) settings.expert.moveTimeMs = 0;

  auto game = std::make_unique<GameState>();
  Engine engineA, engineB;  // each player thinks with its own
  int wins = 0, draws = 0, losses = 0;
  for (long k = 0; k < *games; ++k) {
    const auto pair = static_cast<std::uint64_t>(seed) * 1000003u + static_cast<std::uint64_t>(k / 2);
    const Opening opening = randomOpening(settings, pair);
    const bool aWhite = k % 2 == 0;
    const MatchGame g = aWhite ? playMatchGame(*game, engineA, engineB, settings, opening, *levelA, *levelB)
                               : playMatchGame(*game, engineB, engineA, settings, opening, *levelB, *levelA);
    const GameResult aWins = aWhite ? WhiteWins : BlackWins;
    const char* outcome = g.result == Draw ? "draw" : g.result == aWins ? "win" : "loss";
    (g.result == Draw ? draws : g.result == aWins ? wins : losses) += 1;
    std::printf("game %ld a %s result %s end %s plies %d opening %s\n", k + 1, aWhite ? "white" : "black", outcome,
                endName(g.end), g.plies, openingText(settings, opening).c_str());
    // The whole game, for a reader who wants to see how it was won or lost.
    if (listing) {
      std::string moves;
      for (int i = 0; i < game->plyCount; ++i) moves += (i ? " " : "") + moveText(game->gameRecord[i]);
      std::printf("moves %s\n", moves.c_str());
    }
    std::fflush(stdout);
  }
  const double n = static_cast<double>(*games);
  const double share = (wins + 0.5 * draws) / n;
  // The 95 % margin from the spread of the per-game points.
  const double variance =
      (wins * std::pow(1 - share, 2) + draws * std::pow(0.5 - share, 2) + losses * std::pow(share, 2)) / n;
  const double deviation = std::sqrt(variance / n);
  const double low = std::max(share - 1.96 * deviation, 1e-9), high = std::min(share + 1.96 * deviation, 1 - 1e-9);
  const std::string margin =
      share <= 0 || share >= 1 ? "inf" : std::to_string(static_cast<long>(std::lround((eloOf(high) - eloOf(low)) / 2)));
  std::printf("score %.1f %d %d %d elo %s \xC2\xB1 %s\n", 100 * share, wins, draws, losses, eloText(share).c_str(),
              margin.c_str());
  return 0;
}

}  // namespace velmora::cli
