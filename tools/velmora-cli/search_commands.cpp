// search, replay and bench: the computer player's and the notation's commands.

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <memory>
#include <sstream>
#include <string>

#include "cli_common.h"
#include "core/ai/bench_positions.h"
#include "core/ai/engine.h"
#include "core/game/game_state.h"
#include "core/platform/text.h"
#include "core/records/notation.h"
#include "core/rules/generate.h"
#include "core/rules/position_text.h"

namespace velmora::cli {

namespace {

struct RootGaps {
  double last;
  double longest;
  bool report() {
    const double now = secondsNow();
    if (now - last > longest) longest = now - last;
    last = now;
    return true;
  }
};

struct SearchOutcome {
  EngineResult result;
  double seconds = 0;
};

// The computer plays the side to move at `level` (depth level + 2), with the
// game's search or, when `literal`, the reference search it must agree with.
SearchOutcome runSearch(Engine& engine, const GameState& state, int level, bool literal,
                        const Engine::Progress& progress = {}) {
  EngineLimits limits;
  limits.level = level;
  limits.literal = literal;
  engine.setPosition(state, state);
  const double start = secondsNow();
  SearchOutcome outcome;
  outcome.result = engine.think(limits, progress);
  outcome.seconds = secondsNow() - start;
  return outcome;
}

std::optional<int> readLevel(const char* arg) {
  const auto level = readInteger(arg);
  if (!level || *level < 0 || *level > 2) return std::nullopt;
  return static_cast<int>(*level);
}

const char kSearchUsage[] =
    "usage: velmora-cli search VARIANT POSITION LEVEL [--give-away] [--literal]\n"
    "       velmora-cli search VARIANT [POSITION] --moves MOVE ... LEVEL [--give-away] [--literal]\n"
    "       LEVEL 0, 1, 2, or expert [--movetime MS] [--depth D] [--nodes N] [--no-book] [--no-patterns]\n"
    "       [--egdb DIR]";

// The Expert's choice with its score, depth and expected line.
int expertSearch(GameState& state, EngineLimits limits, const Endgames& endgames) {
  limits.level = kExpertLevel;
  Engine engine;
  engine.setEndgames(endgames.board8.get(), endgames.board10.get());
  engine.setPosition(state, state);  // the record too: its repetitions and quiet run
  const double start = secondsNow();
  const EngineResult result = engine.think(limits);
  const double seconds = secondsNow() - start;
  if (result.rootIndex >= 0) {
    generateMoves(state.legalMoves, state, state.sideToMove());
    std::printf("best %s\n", moveText(state.legalMoves[result.rootIndex]).c_str());
    std::printf("index %d\n", result.rootIndex);
  } else {
    std::printf("best -\nindex -\n");
  }
  std::printf("score %d\n", result.score);
  std::printf("nodes %llu\n", static_cast<unsigned long long>(result.nodes));
  std::printf("seconds %.3f\n", seconds);
  std::printf("nodes_per_second %lld\n", perSecond(static_cast<double>(result.nodes), seconds));
  std::printf("depth %d\n", result.depth);
  std::string line;
  for (int i = 0; i < result.pvLength; ++i) line += " " + moveText(result.pv[i]);
  std::printf("pv%s\n", line.empty() ? " -" : line.c_str());
  return 0;
}

// The choice of the game's search at `level`, or of its reference search.
int levelSearch(GameState& state, int level, bool literal) {
  Engine engine;
  const SearchOutcome outcome = runSearch(engine, state, level, literal);
  const EngineResult& found = outcome.result;
  const bool chosen = found.result == 1 && found.rootIndex >= 0;
  const bool searched = found.nodes > 0;
  if (chosen) {
    generateMoves(state.legalMoves, state, state.sideToMove());  // the root list, in the same order
    std::printf("best %s\n", moveText(state.legalMoves[found.rootIndex]).c_str());
    std::printf("index %d\n", found.rootIndex);
  } else {
    std::printf("best -\nindex -\n");
  }
  if (!chosen)
    std::printf("score %d\n", found.result);
  else if (searched)
    std::printf("score %d\n", found.score);
  else
    std::printf("score -\n");
  std::printf("nodes %llu\n", static_cast<unsigned long long>(found.nodes));
  std::printf("seconds %.3f\n", outcome.seconds);
  std::printf("nodes_per_second %lld\n", perSecond(static_cast<double>(found.nodes), outcome.seconds));
  return 0;
}

}  // namespace

int searchCommand(int argc, char** argv) {
  bool giveAway = false, literal = false, noBook = false, noPatterns = false;
  takeFlags(
      argc, argv,
      {{"--give-away", &giveAway}, {"--literal", &literal}, {"--no-book", &noBook}, {"--no-patterns", &noPatterns}});
  const RulesOption rules = takeRules(argc, argv);
  if (!rules.valid) return fail(rules.problem);
  const auto endgameFolder = takeOption(argc, argv, "--egdb");
  const int given = argc;
  const LimitOptions options = takeLimits(argc, argv, 1000);
  const bool limited = argc != given;
  const auto moves = takeMoves(argc, argv, 1);  // LEVEL follows them
  const bool expert = argc >= 2 && std::strcmp(argv[argc - 1], "expert") == 0 && !literal;
  if (expert && !options.valid) return fail(options.problem);
  if ((limited && !expert) || !(argc == 3 || (moves && argc == 2))) return fail(kSearchUsage);
  const auto type = readVariant(argv[0]);
  if (!type) return fail(unknownVariant(argv[0]));
  const auto level = expert ? std::optional<int>(kExpertLevel) : readLevel(argv[argc - 1]);
  if (!level) return fail("LEVEL must be 0 (Easy), 1 (Normal) or 2 (Above normal)");
  auto state = std::make_unique<GameState>();
  state->officialRules = rules.official ? 1 : 0;
  if (!setUpGame(*state, *type, argc == 3 ? argv[1] : nullptr, giveAway, moves.value_or(std::vector<std::string>{})))
    return kNotDone;
  if (moves) {
    if (auto over = gameOver(*state)) {
      const std::string when = moves->empty() ? "at its start" : "after move " + std::to_string(moves->size());
      std::fprintf(stderr, "velmora-cli: the game is over %s: %s\n", when.c_str(), over->c_str());
      return kGameOver;
    }
  }
  if (!expert) return levelSearch(*state, *level, literal);
  Endgames endgames;
  if (endgameFolder)
    if (auto problem = loadEndgames(endgames, *state, *endgameFolder)) return fail(*problem);
  EngineLimits limits = options.limits;
  limits.useBook = !noBook;
  limits.learnedPatterns = !noPatterns;
  return expertSearch(*state, limits, endgames);
}

int replayCommand(int argc, char** argv) {
  const RulesOption rules = takeRules(argc, argv);
  if (!rules.valid) return fail(rules.problem);
  if (argc < 1) return fail("usage: velmora-cli replay VARIANT [TEXT ...] [--rules official]");
  const auto type = readVariant(argv[0]);
  if (!type) return fail(unknownVariant(argv[0]));
  auto state = std::make_unique<GameState>();
  state->officialRules = rules.official ? 1 : 0;
  const std::vector<std::string> texts(argv + 1, argv + argc);
  const int played = replay(*state, *type, texts);
  std::printf("played %d\nposition %s\n", played, writePosition(*state).c_str());
  // A text that is not a legal move stops the replay, as it stops save.
  if (played < static_cast<int>(texts.size()))
    return fail("move " + std::to_string(played + 1) + " " + quotedExcerpt(texts[played]) + " is not legal");
  return 0;
}

int benchCommand(int argc, char** argv) {
  bool literal = false, kings = false;
  takeFlags(argc, argv, {{"--literal", &literal}, {"--kings", &kings}});
  if (argc > 1) return fail("usage: velmora-cli bench [LEVEL] [--literal] [--kings]");
  const auto level = argc == 1 ? readLevel(argv[0]) : std::optional<int>(2);
  if (!level) return fail("LEVEL must be 0 (Easy), 1 (Normal) or 2 (Above normal)");
  auto state = std::make_unique<GameState>();
  Engine engine;  // one table for every position, as a game keeps it from move to move

  // Totals by board size (index 0: 8 x 8, 1: 10 x 10, 2: 12 x 12), then overall.
  std::uint64_t nodes[4] = {};
  double seconds[4] = {}, slowest = 0, longestGap = 0;
  int number = 0, longestGapPosition = 0;
  std::printf("%-3s %-16s %12s %9s %12s\n", "#", "variant", "nodes", "seconds", "nodes/s");
  for (const BenchPosition& p : kings ? manyKingPositions() : benchPositions()) {
    const auto texts = splitWords(p.moves);
    if (replay(*state, p.variant, texts) != static_cast<int>(texts.size()))
      return fail("bench position " + std::to_string(number + 1) + " does not replay");
    // The window repaints only between root moves: the longest stretch
    // without a progress report is how long it would stay frozen.
    RootGaps gaps{secondsNow(), 0};
    const SearchOutcome outcome =
        runSearch(engine, *state, *level, literal, [&gaps](const EngineProgress&) { return gaps.report(); });
    gaps.report();
    const std::uint64_t searched = outcome.result.nodes;
    ++number;
    if (gaps.longest > longestGap) {
      longestGap = gaps.longest;
      longestGapPosition = number;
    }
    std::printf("%-3d %-16s %12llu %9.3f %12lld\n", number, gameTypeName(p.variant),
                static_cast<unsigned long long>(searched), outcome.seconds,
                perSecond(static_cast<double>(searched), outcome.seconds));
    std::fflush(stdout);
    for (int group : {(state->boardSize - 8) / 2, 3}) {
      nodes[group] += searched;
      seconds[group] += outcome.seconds;
    }
    if (outcome.seconds > slowest) slowest = outcome.seconds;
  }
  const char* const groupNames[4] = {"8x8", "10x10", "12x12", "total"};
  for (int group = 0; group < 4; ++group)
    std::printf("%-6s nodes %llu seconds %.3f nodes_per_second %lld\n", groupNames[group],
                static_cast<unsigned long long>(nodes[group]), seconds[group],
                perSecond(static_cast<double>(nodes[group]), seconds[group]));
  std::printf("slowest seconds %.3f\n", slowest);
  std::printf("longest_root_gap seconds %.3f position %d\n", longestGap, longestGapPosition);
  return 0;
}

}  // namespace velmora::cli
