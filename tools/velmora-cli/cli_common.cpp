#include "cli_common.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <sstream>

#include "core/ai/expert_search.h"
#include "core/game/game_state.h"
#include "core/game/keyboard_entry.h"
#include "core/platform/file_read.h"
#include "core/platform/text.h"
#include "core/records/notation.h"
#include "core/records/saved_game.h"
#include "core/rules/game_result.h"
#include "core/rules/generate.h"
#include "core/rules/position_text.h"

namespace velmora::cli {

namespace {

// The longest text of a move: its start square, then ":" and a landing
// square for each step. Anything longer is no move, and too long to quote.
constexpr size_t kLongestMoveText = 3 + 4 * kMaxSteps;

const char* sideName(int side) { return side == White ? "White" : "Black"; }

}  // namespace

int fail(const std::string& message) {
  std::fprintf(stderr, "velmora-cli: %s\n", message.c_str());
  return kNotDone;
}

std::optional<long> readInteger(const std::string& arg) {
  size_t i = arg.size() > 1 && (arg[0] == '-' || arg[0] == '+') ? 1 : 0;
  if (i == arg.size() || arg.size() - i > 9) return std::nullopt;
  for (size_t k = i; k < arg.size(); ++k)
    if (arg[k] < '0' || arg[k] > '9') return std::nullopt;
  return std::stol(arg);
}

std::optional<int> readPort(const std::string& text) {
  const auto port = readInteger(text);
  if (!port || *port < 0 || *port > 65535) return std::nullopt;
  return static_cast<int>(*port);
}

std::optional<GameType> readVariant(const std::string& arg) {
  const GameType byName = gameTypeFromName(arg.c_str());
  if (byName >= 0) return byName;
  // The type of a saved game from outside the table is printed as "Unknown"
  // (14) and played by American rules; what we print we read back.
  if (arg == gameTypeName(kVariantCount)) return kVariantCount;
  if (auto number = readInteger(arg); number && *number >= 0 && *number <= kVariantCount)
    return static_cast<GameType>(*number);
  return std::nullopt;
}

std::string unknownVariant(const std::string& arg) { return "unknown variant " + quotedExcerpt(arg); }

bool refuseToReplace(const std::string& path, bool force) {
  std::error_code ec;
  if (force || !std::filesystem::exists(path, ec)) return false;
  std::fprintf(stderr, "velmora-cli: %s exists; --force replaces it\n", path.c_str());
  return true;
}

SavedGameRead readSavedGame(GameState& state, const std::string& path) {
  constexpr std::uintmax_t kLargestSavedGame = 1 << 20;  // 400 moves take some 10 KB
  std::string text;
  if (auto problem = readRegularFile(path, kLargestSavedGame, text)) {
    fail(*problem);
    return SavedGameRead::Not;
  }
  if (auto problem = notASavedGame(text)) {
    fail(path + ": " + *problem);
    return SavedGameRead::Not;
  }
  loadGameText(state, text);
  if (auto lost = lostMoves(text, state.plyCount)) {
    fail(path + ": " + *lost);
    return SavedGameRead::Partly;
  }
  return SavedGameRead::Whole;
}

bool setUpPosition(GameState& state, GameType type, const char* position) {
  if (position == nullptr) {
    setUpBoard(state, type);
    state.plyCount = 0;
    return true;
  }
  auto error = readPosition(position, type, state);
  if (!error) error = lightSquarePiece(state.board, type);
  if (error) {
    fail("bad position: " + *error);
    return false;
  }
  return true;
}

LimitOptions takeLimits(int& argc, char** argv, int defaultMs, bool nodes) {
  LimitOptions out;
  bool time = false, other = false;
  int kept = 0;
  for (int i = 0; i < argc; ++i) {
    const std::string a = argv[i];
    if ((a == "--movetime" || a == "--depth" || (nodes && a == "--nodes")) && i + 1 < argc) {
      const auto value = readInteger(argv[++i]);
      if (a == "--movetime") {
        if (!value || *value < 1 || *value > kLongestMoveTimeMs)
          out.problem = "--movetime needs milliseconds from 1 to " + std::to_string(kLongestMoveTimeMs);
        else
          out.limits.moveTimeMs = static_cast<int>(*value);
        time = true;
      } else if (a == "--depth") {
        if (!value || *value < 1 || *value > kExpertMaxDepth)
          out.problem = "--depth needs a number from 1 to " + std::to_string(kExpertMaxDepth);
        else
          out.limits.maxDepth = static_cast<int>(*value);
        other = true;
      } else {
        if (!value || *value < 1)
          out.problem = "--nodes needs a positive number";
        else
          out.limits.maxNodes = static_cast<std::uint64_t>(*value);
        other = true;
      }
    } else {
      argv[kept++] = argv[i];
    }
  }
  argc = kept;
  if (!time) out.limits.moveTimeMs = other ? 0 : defaultMs;
  out.valid = out.problem.empty();
  return out;
}

RulesOption takeRules(int& argc, char** argv) {
  RulesOption out;
  int kept = 0;
  for (int i = 0; i < argc; ++i) {
    if (std::strcmp(argv[i], "--rules") != 0) {
      argv[kept++] = argv[i];
      continue;
    }
    out.given = true;
    const std::string value = i + 1 < argc ? argv[++i] : "";
    if (value == "official")
      out.official = true;
    else if (value == "classic")
      out.official = false;
    else
      out.problem = "--rules needs classic or official";
  }
  argc = kept;
  out.valid = out.problem.empty();
  return out;
}

std::optional<std::vector<std::string>> takeMoves(int& argc, char** argv, int keep) {
  const int at = static_cast<int>(
      std::find_if(argv, argv + argc, [](const char* a) { return std::strcmp(a, "--moves") == 0; }) - argv);
  if (at == argc) return std::nullopt;
  const int end = std::max(at + 1, argc - keep);
  std::vector<std::string> moves(argv + at + 1, argv + end);
  std::copy(argv + end, argv + argc, argv + at);
  argc = at + (argc - end);
  return moves;
}

bool playMoves(GameState& state, const std::vector<std::string>& moves, std::vector<std::uint64_t>* keys) {
  if (keys) keys->assign(1, expertPositionKey(state, state.sideToMove()));
  for (size_t i = 0; i < moves.size(); ++i) {
    const std::string& text = moves[i];
    const std::string name = "move " + std::to_string(i + 1) + " " + quotedExcerpt(text);
    if (auto over = gameOver(state)) {  // leaves the legal moves of the side to move
      fail(name + " comes after the end of the game: " + *over);
      return false;
    }
    if (state.plyCount >= kMaxGameMoves) {
      fail(name + ": a game holds at most " + std::to_string(kMaxGameMoves) + " moves");
      return false;
    }
    if (text.size() > kLongestMoveText) {
      fail(name + " is not a move");
      return false;
    }
    const TypedMoves named = movesNamedBy(state, state.sideToMove(), text);
    if (named.moves.size() != 1) {
      std::string problem = named.problem;
      for (size_t k = 0; k < named.moves.size(); ++k)
        problem += (k == 0                        ? "it could be "
                    : k + 1 == named.moves.size() ? " or "
                                                  : ", ") +
                   moveText(state.legalMoves[named.moves[k]]);
      fail(name + ": " + problem);
      return false;
    }
    applyMove(state.legalMoves[named.moves.front()], state.gameRecord[state.plyCount], state);
    ++state.plyCount;
    if (keys) keys->push_back(expertPositionKey(state, state.sideToMove()));
  }
  return true;
}

bool setUpGame(GameState& state, GameType type, const char* position, bool giveAway,
               const std::vector<std::string>& moves, std::vector<std::uint64_t>* keys) {
  if (!setUpPosition(state, type, position)) return false;
  state.giveAway = giveAway ? 1 : 0;
  return playMoves(state, moves, keys);
}

std::optional<std::string> gameOver(GameState& state) {
  const int side = state.sideToMove();
  const GameResult result = gameResult(state, side, state.plyCount);
  if (result == GameGoesOn) return std::nullopt;
  if (result == Draw)
    return "a draw, " + std::to_string(kQuietMovesForDraw) +
           " moves in a row without a capture or a man changing its column";
  return std::string(sideName(result == WhiteWins ? White : Black)) + " wins, " + sideName(side) + " has no move";
}

double secondsNow() {
  using namespace std::chrono;
  return duration<double>(steady_clock::now().time_since_epoch()).count();
}

long long perSecond(double count, double seconds) { return seconds > 0 ? static_cast<long long>(count / seconds) : 0; }

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

std::optional<std::string> takeOption(int& argc, char** argv, const char* name) {
  for (int i = 0; i + 1 < argc; ++i)
    if (std::strcmp(argv[i], name) == 0) {
      std::string value = argv[i + 1];
      std::copy(argv + i + 2, argv + argc, argv + i);
      argc -= 2;
      return value;
    }
  return std::nullopt;
}

namespace {

// Every material the folder holds, up to the most pieces a database has;
// the first that is missing ends it, and fewer pieces must be there.
template <int N>
std::optional<std::string> loadEndgamesOf(std::unique_ptr<EndgameDb<N>>& db, RuleFamily family,
                                          const std::string& folder) {
  db = std::make_unique<EndgameDb<N>>(family);
  const auto problem = db->loadAll(folder, kMaxEndgamePieces);
  if (db->maxPieces() < 2) {
    db.reset();
    return "no endgame databases of these rules in " + folder + (problem ? ": " + *problem : "");
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> loadEndgames(Endgames& endgames, const GameState& state, const std::string& folder) {
  const RuleFamily family = rulesOf(state);
  if (!endgameFamily(family))
    return "the endgame databases do not cover " + std::string(variantInfo(state.gameType).name);
  if (state.boardSize == 8) return loadEndgamesOf(endgames.board8, family, folder);
  if (state.boardSize == 10) return loadEndgamesOf(endgames.board10, family, folder);
  return "the endgame databases do not cover " + std::string(variantInfo(state.gameType).name);
}

}  // namespace velmora::cli
