// egdb: building, checking and reading the endgame databases.

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <memory>
#include <string>

#include "cli_common.h"
#include "core/ai/endgame_build.h"
#include "core/ai/endgame_db.h"
#include "core/ai/endgame_file.h"
#include "core/game/game_state.h"

namespace velmora::cli {

namespace {

const char kUsage[] =
    "usage: velmora-cli egdb build|verify VARIANT PIECES --dir DIR [--rules official]\n"
    "       velmora-cli egdb probe VARIANT POSITION --dir DIR [--rules official]";

// The processor time of the program, which other work on the machine does not swell.
double cpuSeconds() { return static_cast<double>(std::clock()) / CLOCKS_PER_SEC; }

// "--dir DIR" taken out of the arguments; empty when it is not there.
std::string takeDir(int& argc, char** argv) {
  std::string dir;
  int kept = 0;
  for (int i = 0; i < argc; ++i) {
    if (std::string(argv[i]) == "--dir" && i + 1 < argc && dir.empty())
      dir = argv[++i];
    else
      argv[kept++] = argv[i];
  }
  argc = kept;
  return dir;
}

struct Totals {
  std::uint64_t positions = 0;
  std::uint64_t bytes = 0;
  double seconds = 0;
};

void printTotals(int pieces, const Totals& t) {
  std::printf("pieces %d positions %llu bytes %llu seconds %.2f\n", pieces,
              static_cast<unsigned long long>(t.positions), static_cast<unsigned long long>(t.bytes), t.seconds);
}

template <int N>
int build(RuleFamily family, int pieces, const std::string& dir) {
  std::error_code error;
  std::filesystem::create_directories(dir, error);
  EndgameDb<N> db(family);
  Totals totals;
  int current = 1;
  for (const Material& m : endgameMaterials(pieces)) {
    if (m.pieces() != current) {
      printTotals(current, totals);
      current = m.pieces();
      totals = {};
    }
    const double start = cpuSeconds();
    if (auto problem = buildEndgameTable(db, m)) {
      std::fprintf(stderr, "velmora-cli: %s\n", problem->c_str());
      return 1;
    }
    const double seconds = cpuSeconds() - start;
    const EndgameTable<N>& table = *db.table(m);
    std::uint64_t counts[3] = {};
    int longest = 0;
    for (std::uint8_t v : table.values) {
      const EndgameResult r = endgameResult(v);
      ++counts[static_cast<int>(r.outcome)];
      longest = std::max(longest, r.plies);
    }
    if (auto problem = writeEndgameTable(dir, family, N, m, table.values)) {
      std::fprintf(stderr, "velmora-cli: %s\n", problem->c_str());
      return kNotWritten;
    }
    const auto bytes = std::filesystem::file_size(dir + "/" + endgameFileName(family, N, m), error);
    std::printf("%s positions %zu win %llu loss %llu draw %llu longest %d seconds %.2f bytes %llu\n",
                materialName(m).c_str(), table.values.size(), static_cast<unsigned long long>(counts[0]),
                static_cast<unsigned long long>(counts[1]), static_cast<unsigned long long>(counts[2]), longest,
                seconds, static_cast<unsigned long long>(error ? 0 : bytes));
    std::fflush(stdout);
    totals.positions += table.values.size();
    totals.bytes += error ? 0 : bytes;
    totals.seconds += seconds;
  }
  printTotals(current, totals);
  return 0;
}

template <int N>
int verify(RuleFamily family, int pieces, const std::string& dir) {
  EndgameDb<N> db(family);
  if (auto problem = db.loadAll(dir, pieces)) return fail(*problem);
  for (const Material& m : endgameMaterials(pieces)) {
    if (auto problem = verifyEndgameTable(db, m)) {
      std::printf("%s wrong: %s\n", materialName(m).c_str(), problem->c_str());
      return 1;
    }
    std::printf("%s ok\n", materialName(m).c_str());
    std::fflush(stdout);
  }
  return 0;
}

template <int N>
int probe(RuleFamily family, const GameState& state, const std::string& dir) {
  const BitBoard<N> b = readBitBoard<N>(state.board);
  const Material m = materialOf(b);
  EndgameDb<N> db(family);
  std::optional<EndgameResult> r;
  if (m.pieces() <= kMaxEndgamePieces && std::filesystem::exists(dir + "/" + endgameFileName(family, N, m))) {
    if (auto problem = db.load(dir, m)) return fail(*problem);
    r = db.probe(b, state.sideToMove());
  }
  if (!r) {
    std::printf("outcome unknown\nplies -\n");
    return 0;
  }
  const char* name = r->outcome == EndgameOutcome::Win ? "win" : r->outcome == EndgameOutcome::Loss ? "loss" : "draw";
  std::printf("outcome %s\nplies %d\n", name, r->plies);
  return 0;
}

}  // namespace

int egdbCommand(int argc, char** argv) {
  const RulesOption rules = takeRules(argc, argv);
  if (!rules.valid) return fail(rules.problem);
  const std::string dir = takeDir(argc, argv);
  if (argc != 3 || dir.empty()) return fail(kUsage);
  const std::string action = argv[0];
  const auto type = readVariant(argv[1]);
  if (!type) return fail(unknownVariant(argv[1]));
  const RuleFamily family = rulesOf(*type, rules.official);
  const int size = boardSizeOf(*type);
  if (!endgameFamily(family) || size == 12) return fail(std::string("no endgame databases for ") + gameTypeName(*type));

  if (action == "build" || action == "verify") {
    const auto pieces = readInteger(argv[2]);
    if (!pieces || *pieces < 1 || *pieces > kMaxEndgamePieces)
      return fail("PIECES must be a whole number from 1 to " + std::to_string(kMaxEndgamePieces));
    const int p = static_cast<int>(*pieces);
    if (action == "build") return size == 8 ? build<8>(family, p, dir) : build<10>(family, p, dir);
    return size == 8 ? verify<8>(family, p, dir) : verify<10>(family, p, dir);
  }
  if (action == "probe") {
    auto state = std::make_unique<GameState>();
    if (!setUpPosition(*state, *type, argv[2])) return kNotDone;
    return size == 8 ? probe<8>(family, *state, dir) : probe<10>(family, *state, dir);
  }
  return fail(kUsage);
}

}  // namespace velmora::cli
