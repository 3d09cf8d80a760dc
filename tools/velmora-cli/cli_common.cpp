#include "cli_common.h"

#include <chrono>
#include <cstdio>
#include <filesystem>

#include "core/game/game_state.h"
#include "core/platform/file_read.h"
#include "core/platform/text.h"
#include "core/records/saved_game.h"
#include "core/rules/position_text.h"

namespace velmora::cli {

int fail(const std::string& message) {
  std::fprintf(stderr, "velmora-cli: %s\n", message.c_str());
  return kUsageError;
}

std::optional<long> readInteger(const std::string& arg) {
  size_t i = arg.size() > 1 && (arg[0] == '-' || arg[0] == '+') ? 1 : 0;
  if (i == arg.size() || arg.size() - i > 9) return std::nullopt;
  for (size_t k = i; k < arg.size(); ++k)
    if (arg[k] < '0' || arg[k] > '9') return std::nullopt;
  return std::stol(arg);
}

std::optional<GameType> readVariant(const std::string& arg) {
  const GameType byName = gameTypeFromName(arg.c_str());
  if (byName >= 0) return byName;
  if (auto number = readInteger(arg); number && *number >= 0 && *number < kVariantCount)
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

double secondsNow() {
  using namespace std::chrono;
  return duration<double>(steady_clock::now().time_since_epoch()).count();
}

long long perSecond(double count, double seconds) { return seconds > 0 ? static_cast<long long>(count / seconds) : 0; }

}  // namespace velmora::cli
