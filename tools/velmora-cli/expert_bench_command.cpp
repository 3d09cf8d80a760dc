// velmora-cli bench expert: the Expert on every position of the standing
// benchmark, with its budget counted in processor time of its own thread,
// so that figures taken while other work runs still compare.

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "cli_common.h"
#include "core/ai/bench_positions.h"
#include "core/ai/engine.h"
#include "core/game/game_state.h"

namespace velmora::cli {

namespace {

std::uint64_t threadMilliseconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<std::uint64_t>(t.tv_sec) * 1000 + static_cast<std::uint64_t>(t.tv_nsec) / 1000000;
}

double threadSeconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

template <class T>
T median(std::vector<T> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? T{} : values[values.size() / 2];
}

}  // namespace

int expertBenchCommand(int argc, char** argv) {
  bool kings = false;
  takeFlags(argc, argv, {{"--kings", &kings}});
  LimitOptions options = takeLimits(argc, argv, 1000);
  if (!options.valid) return fail(options.problem);
  if (argc > 0) return fail("usage: velmora-cli bench expert [--movetime MS] [--depth D] [--nodes N] [--kings]");
  EngineLimits limits = options.limits;
  limits.level = kExpertLevel;
  limits.clock = threadMilliseconds;

  auto state = std::make_unique<GameState>();
  Engine engine;
  struct Figures {
    std::vector<long long> perSecond;
    std::vector<int> depth;
  };
  std::map<std::string, Figures> byVariant;
  std::printf("%-3s %-16s %6s %12s %9s %12s\n", "#", "variant", "depth", "nodes", "cpu_s", "nodes/s");
  int number = 0;
  for (const BenchPosition& p : kings ? manyKingPositions() : benchPositions()) {
    const auto texts = splitWords(p.moves);
    if (replay(*state, p.variant, texts) != static_cast<int>(texts.size()))
      return fail("bench position " + std::to_string(number + 1) + " does not replay");
    engine.setPosition(*state, *state);
    const double start = threadSeconds();
    const EngineResult found = engine.think(limits, nullptr);
    const double seconds = threadSeconds() - start;
    ++number;
    const long long rate = perSecond(static_cast<double>(found.nodes), seconds);
    std::printf("%-3d %-16s %6d %12llu %9.3f %12lld\n", number, gameTypeName(p.variant), found.depth,
                static_cast<unsigned long long>(found.nodes), seconds, rate);
    std::fflush(stdout);
    for (const std::string& group : {std::string(gameTypeName(p.variant)), std::string("all")}) {
      byVariant[group].perSecond.push_back(rate);
      byVariant[group].depth.push_back(found.depth);
    }
  }
  for (const auto& [name, figures] : byVariant)
    std::printf("%-16s positions %zu median_nodes_per_second %lld median_depth %d\n", name.c_str(),
                figures.depth.size(), median(figures.perSecond), median(figures.depth));
  return 0;
}

}  // namespace velmora::cli
