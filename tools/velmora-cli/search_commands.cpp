// search, replay and bench: the computer player's and the notation's commands.

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <memory>
#include <sstream>

#include "cli_common.h"
#include "core/ai/bench_positions.h"
#include "core/ai/expert_search.h"
#include "core/ai/fast_search.h"
#include "core/ai/search.h"
#include "core/records/notation.h"
#include "core/rules/game_state.h"
#include "core/rules/generate.h"
#include "core/rules/position_text.h"

namespace velmora::cli {

namespace {

struct RootGaps {
  double last;
  double longest;
  static void report(void* context, int) {
    auto* self = static_cast<RootGaps*>(context);
    const double now = secondsNow();
    if (now - self->last > self->longest) self->longest = now - self->last;
    self->last = now;
  }
};

struct SearchOutcome {
  int result = 0;
  double seconds = 0;
};

// The computer plays the side to move at `level` (searchDepth level + 2), with
// the game's search or, when `literal`, the reference search it must agree with.
SearchOutcome runSearch(GameState& state, Search& search, int level, bool giveAway, bool literal) {
  state.aiSide = state.sideToMove();
  state.aiOpponent = state.aiSide ^ 1;
  state.searchDepth = level + 2;
  state.giveAway = giveAway ? 1 : 0;
  state.thinking = 1;
  state.bestRootIndex = -1;
  const double start = secondsNow();
  SearchOutcome outcome;
  outcome.result = literal ? chooseComputerMove(search) : chooseComputerMoveFast(search);
  outcome.seconds = secondsNow() - start;
  state.thinking = 0;
  return outcome;
}

std::optional<int> readLevel(const char* arg) {
  const auto level = readInteger(arg);
  if (!level || *level < 0 || *level > 2) return std::nullopt;
  return static_cast<int>(*level);
}

// Plays the texts from the start position; returns how many were played.
int replay(GameState& state, GameType type, const std::vector<std::string>& texts) {
  setUpBoard(state, type);
  state.plyCount = 0;
  int played = 0;
  for (const auto& text : texts) {
    if (!playMoveText(state, text)) break;
    ++played;
  }
  return played;
}

std::vector<std::string> splitWords(const char* text) {
  std::istringstream in(text);
  std::vector<std::string> words;
  for (std::string w; in >> w;) words.push_back(w);
  return words;
}

// Takes the flags among `names` out of the arguments, wherever they stand,
// and closes the gaps; each flag counts once, a repeat stays as an argument.
void takeFlags(int& argc, char** argv, std::initializer_list<std::pair<const char*, bool*>> names) {
  int kept = 0;
  for (int i = 0; i < argc; ++i) {
    bool taken = false;
    for (const auto& [name, flag] : names)
      if (!taken && !*flag && std::strcmp(argv[i], name) == 0) taken = *flag = true;
    if (!taken) argv[kept++] = argv[i];
  }
  argc = kept;
}

// The values of --movetime and --depth, taken out of the arguments.
struct ExpertOptions {
  std::optional<long> moveTime;
  std::optional<long> depth;
  bool valid = true;
};

ExpertOptions takeExpertOptions(int& argc, char** argv) {
  ExpertOptions options;
  int kept = 0;
  for (int i = 0; i < argc; ++i) {
    const bool time = std::strcmp(argv[i], "--movetime") == 0, depth = std::strcmp(argv[i], "--depth") == 0;
    if ((time || depth) && i + 1 < argc) {
      const auto value = readInteger(argv[++i]);
      if (!value || *value < 1) options.valid = false;
      (time ? options.moveTime : options.depth) = value;
    } else {
      argv[kept++] = argv[i];
    }
  }
  argc = kept;
  return options;
}

int expertSearchCommand(int argc, char** argv, bool giveAway) {
  const ExpertOptions options = takeExpertOptions(argc, argv);
  if (argc != 3 || !options.valid)
    return fail("usage: velmora-cli search VARIANT POSITION expert [--movetime MS] [--depth D] [--give-away]");
  const auto type = readVariant(argv[0]);
  if (!type) return fail(std::string("unknown variant \"") + argv[0] + "\"");
  auto state = std::make_unique<GameState>();
  if (!setUpPosition(*state, *type, argv[1])) return kUsageError;
  state->giveAway = giveAway ? 1 : 0;

  ExpertLimits limits;
  if (options.depth) limits.maxDepth = static_cast<int>(std::min<long>(*options.depth, kExpertMaxDepth));
  // A depth alone searches to that depth whatever it takes.
  limits.moveTimeMs = options.moveTime ? static_cast<int>(std::min<long>(*options.moveTime, 3600000))
                      : options.depth  ? 0
                                       : 1000;
  ExpertSearch expert;
  const double start = secondsNow();
  const ExpertResult result = expert.choose(*state, limits);
  const double seconds = secondsNow() - start;
  if (result.rootIndex >= 0) {
    generateMoves(state->legalMoves, *state, state->sideToMove());
    std::printf("best %s\n", moveText(state->legalMoves[result.rootIndex]).c_str());
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

}  // namespace

int searchCommand(int argc, char** argv) {
  bool giveAway = false, literal = false;
  takeFlags(argc, argv, {{"--give-away", &giveAway}, {"--literal", &literal}});
  if (argc >= 3 && std::strcmp(argv[2], "expert") == 0 && !literal) return expertSearchCommand(argc, argv, giveAway);
  if (argc != 3) return fail("usage: velmora-cli search VARIANT POSITION LEVEL [--give-away] [--literal]");
  const auto type = readVariant(argv[0]);
  if (!type) return fail(std::string("unknown variant \"") + argv[0] + "\"");
  const auto level = readLevel(argv[2]);
  if (!level) return fail("LEVEL must be 0 (Easy), 1 (Normal) or 2 (Above normal)");
  auto state = std::make_unique<GameState>();
  if (!setUpPosition(*state, *type, argv[1])) return kUsageError;

  Search search{*state};
  const SearchOutcome outcome = runSearch(*state, search, *level, giveAway, literal);
  const bool chosen = outcome.result == 1 && state->bestRootIndex >= 0;
  const bool searched = search.nodes > 0;
  if (chosen) {
    generateMoves(state->legalMoves, *state, state->aiSide);  // the root list, in the same order
    std::printf("best %s\n", moveText(state->legalMoves[state->bestRootIndex]).c_str());
    std::printf("index %d\n", state->bestRootIndex);
  } else {
    std::printf("best -\nindex -\n");
  }
  if (!chosen)
    std::printf("score %d\n", outcome.result);
  else if (searched)
    std::printf("score %d\n", search.rootBest);
  else
    std::printf("score -\n");
  std::printf("nodes %llu\n", static_cast<unsigned long long>(search.nodes));
  std::printf("seconds %.3f\n", outcome.seconds);
  std::printf("nodes_per_second %lld\n", perSecond(static_cast<double>(search.nodes), outcome.seconds));
  return 0;
}

int replayCommand(int argc, char** argv) {
  if (argc < 1) return fail("usage: velmora-cli replay VARIANT [TEXT ...]");
  const auto type = readVariant(argv[0]);
  if (!type) return fail(std::string("unknown variant \"") + argv[0] + "\"");
  auto state = std::make_unique<GameState>();
  const std::vector<std::string> texts(argv + 1, argv + argc);
  const int played = replay(*state, *type, texts);
  std::printf("played %d\nposition %s\n", played, writePosition(*state).c_str());
  return 0;
}

int benchCommand(int argc, char** argv) {
  bool literal = false, kings = false;
  takeFlags(argc, argv, {{"--literal", &literal}, {"--kings", &kings}});
  if (argc > 1) return fail("usage: velmora-cli bench [LEVEL] [--literal] [--kings]");
  const auto level = argc == 1 ? readLevel(argv[0]) : std::optional<int>(2);
  if (!level) return fail("LEVEL must be 0 (Easy), 1 (Normal) or 2 (Above normal)");
  auto state = std::make_unique<GameState>();

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
    Search search{*state, RootGaps::report, &gaps};
    const SearchOutcome outcome = runSearch(*state, search, *level, false, literal);
    RootGaps::report(&gaps, 100);
    ++number;
    if (gaps.longest > longestGap) {
      longestGap = gaps.longest;
      longestGapPosition = number;
    }
    std::printf("%-3d %-16s %12llu %9.3f %12lld\n", number, gameTypeName(p.variant),
                static_cast<unsigned long long>(search.nodes), outcome.seconds,
                perSecond(static_cast<double>(search.nodes), outcome.seconds));
    std::fflush(stdout);
    for (int group : {(state->boardSize - 8) / 2, 3}) {
      nodes[group] += search.nodes;
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
