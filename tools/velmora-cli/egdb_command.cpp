// egdb: building, checking and reading the endgame databases.

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "cli_common.h"
#include "core/ai/endgame_build.h"
#include "core/ai/endgame_db.h"
#include "core/ai/endgame_file.h"
#include "core/ai/engine.h"
#include "core/ai/match.h"
#include "core/game/game_state.h"
#include "core/rules/generate.h"

namespace velmora::cli {

namespace {

const char kUsage[] =
    "usage: velmora-cli egdb build|verify VARIANT PIECES --dir DIR [--rules official]\n"
    "       velmora-cli egdb probe VARIANT POSITION --dir DIR [--rules official]\n"
    "       velmora-cli egdb sample VARIANT PIECES --dir DIR [--count N] [--movetime MS] [--seed S]";

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

// The position text of a board of the databases.
template <int N>
std::string textOf(const BitBoard<N>& b, int side) {
  std::string text = side == White ? "W:" : "B:";
  for (int y = N - 1; y >= 0; --y) {
    for (int x = 0; x < N; ++x) {
      char c = '.';
      if ((x + y) % 2 == 0) {
        const auto bit = Geometry<N>::bit(Geometry<N>::square(x, y));
        const bool king = (b.kings & bit) != 0;
        if (b.pieces[White] & bit) c = king ? 'W' : 'w';
        if (b.pieces[Black] & bit) c = king ? 'B' : 'b';
      }
      text += c;
    }
    if (y > 0) text += '/';
  }
  return text;
}

struct SampleTally {
  int kept = 0, drawn = 0, lost = 0;
};

// Plays the Expert with the databases against itself from `text` and says
// how the side to move fared: 1 won, 0 drew, -1 lost, by the game's rules
// (the quiet run, a third repetition, the move limit); `why` says how it
// ended and after how many plies.
int playOut(GameType type, bool official, const std::string& text, Engine& engine, const EngineLimits& limits,
            std::string& why) {
  auto game = std::make_unique<GameState>();
  game->officialRules = official ? 1 : 0;
  if (!setUpPosition(*game, type, text.c_str())) return -2;
  const int first = game->sideToMove();
  std::vector<std::uint64_t> seen{expertPositionKey(*game, first)};
  GameEnd end = GameEnd::Rules;
  GameResult result;
  while ((result = matchResult(*game, seen, end)) == GameGoesOn) {
    engine.setPosition(*game, *game);
    const int index = engine.think(limits).rootIndex;
    if (index < 0) return -2;
    const MoveRecord move = game->legalMoves[index];
    applyMove(move, game->gameRecord[game->plyCount], *game);
    ++game->plyCount;
    seen.push_back(expertPositionKey(*game, game->sideToMove()));
  }
  why = std::string(end == GameEnd::Repetition  ? "repetition"
                    : end == GameEnd::MoveLimit ? "move limit"
                                                : "rules") +
        " after " + std::to_string(game->plyCount) + " plies";
  if (result == Draw) return 0;
  return (result == WhiteWins) == (first == White) ? 1 : -1;
}

// COUNT won and COUNT drawn positions of PIECES pieces, drawn at random
// from the databases, each played out by the Expert with them: a win must
// be won and a draw never lost, within the game's rules.
template <int N>
int sample(GameType type, bool official, RuleFamily family, int pieces, const std::string& dir, long count,
           int moveTimeMs, long seed) {
  EndgameDb<N> db(family);
  if (auto problem = db.loadAll(dir, pieces)) return fail(*problem);
  std::vector<const EndgameTable<N>*> tables;
  std::uint64_t total = 0;
  for (const Material& m : endgameMaterials(pieces))
    if (m.pieces() == pieces) {
      tables.push_back(db.table(m));
      total += tables.back()->values.size();
    }
  Engine engine;
  if constexpr (N == 8)
    engine.setEndgames(&db, nullptr);
  else
    engine.setEndgames(nullptr, &db);
  EngineLimits limits;
  limits.level = kExpertLevel;
  limits.moveTimeMs = moveTimeMs;
  std::mt19937_64 random(static_cast<std::uint64_t>(seed));
  SampleTally wins, draws;
  for (long tries = 0; (wins.kept + wins.drawn + wins.lost < count || draws.kept + draws.drawn + draws.lost < count) &&
                       tries < 1000 * count;
       ++tries) {
    std::uint64_t at = random() % total;
    std::size_t t = 0;
    while (at >= tables[t]->values.size()) at -= tables[t++]->values.size();
    const BitBoard<N> b = tables[t]->index.board(at);
    const int side = EndgameIndex<N>::side(at);
    const auto known = db.probe(b, side);
    if (!known || known->outcome == EndgameOutcome::Loss) continue;
    const bool won = known->outcome == EndgameOutcome::Win;
    SampleTally& tally = won ? wins : draws;
    if (tally.kept + tally.drawn + tally.lost >= count) continue;
    const std::string text = textOf(b, side);
    std::string why;
    const int outcome = playOut(type, official, text, engine, limits, why);
    if (outcome == -2) return fail("the Expert could not play on from " + text);
    if (won) {
      (outcome == 1 ? tally.kept : outcome == 0 ? tally.drawn : tally.lost) += 1;
      if (outcome != 1) std::printf("not won %s (win in %d plies; %s)\n", text.c_str(), known->plies, why.c_str());
    } else {
      (outcome == 0 ? tally.kept : outcome == 1 ? tally.drawn : tally.lost) += 1;
      if (outcome == -1) std::printf("lost %s (a draw; %s)\n", text.c_str(), why.c_str());
    }
    std::fflush(stdout);
  }
  std::printf("wins %d won %d drawn %d lost %d\n", wins.kept + wins.drawn + wins.lost, wins.kept, wins.drawn,
              wins.lost);
  std::printf("draws %d drawn %d won %d lost %d\n", draws.kept + draws.drawn + draws.lost, draws.kept, draws.drawn,
              draws.lost);
  return wins.drawn + wins.lost + draws.lost == 0 ? 0 : 1;
}

}  // namespace

int egdbCommand(int argc, char** argv) {
  const RulesOption rules = takeRules(argc, argv);
  if (!rules.valid) return fail(rules.problem);
  const std::string dir = takeDir(argc, argv);
  const auto count = takeOption(argc, argv, "--count");
  const auto moveTime = takeOption(argc, argv, "--movetime");
  const auto seed = takeOption(argc, argv, "--seed");
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
  if (action == "sample") {
    const auto pieces = readInteger(argv[2]);
    const auto n = count ? readInteger(*count) : std::optional<long>(1000);
    const auto ms = moveTime ? readInteger(*moveTime) : std::optional<long>(100);
    const auto s = seed ? readInteger(*seed) : std::optional<long>(1);
    if (!pieces || *pieces < 2 || *pieces > kMaxEndgamePieces || !n || *n < 1 || !ms || *ms < 1 ||
        *ms > kLongestMoveTimeMs || !s)
      return fail("PIECES is 2 to " + std::to_string(kMaxEndgamePieces) +
                  "; --count, --movetime and --seed take whole numbers above 0");
    const int p = static_cast<int>(*pieces);
    return size == 8 ? sample<8>(*type, rules.official, family, p, dir, *n, static_cast<int>(*ms), *s)
                     : sample<10>(*type, rules.official, family, p, dir, *n, static_cast<int>(*ms), *s);
  }
  if (action == "probe") {
    auto state = std::make_unique<GameState>();
    if (!setUpPosition(*state, *type, argv[2])) return kNotDone;
    return size == 8 ? probe<8>(family, *state, dir) : probe<10>(family, *state, dir);
  }
  return fail(kUsage);
}

}  // namespace velmora::cli
