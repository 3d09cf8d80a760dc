// load and save: saved-game files read and written as the window does.

#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "cli_common.h"
#include "core/game/game_state.h"
#include "core/game/new_game.h"
#include "core/platform/file_write.h"
#include "core/platform/player_name.h"
#include "core/platform/text.h"
#include "core/records/notation.h"
#include "core/records/saved_game.h"
#include "core/rules/position_text.h"

namespace velmora::cli {

namespace {

void printPlayer(int number, const PlayerRecord& p) {
  std::printf("player%d %s %d %s\n", number, p.type == ComputerPlayer ? "computer" : "human",
              static_cast<int>(p.clockSeconds), p.name);
}

void setName(PlayerRecord& p, const std::string& name) {
  std::memset(p.name, 0, sizeof p.name);
  const std::string kept = playerNameFrom(name);
  std::memcpy(p.name, kept.data(), kept.size());
  p.type = name == kComputerName ? ComputerPlayer : HumanPlayer;
}

// The value after an option, or null (after printing why) when it is missing.
const char* optionValue(int argc, char** argv, int& i) {
  if (i + 1 >= argc) {
    fail(std::string(argv[i]) + " needs a value");
    return nullptr;
  }
  return argv[++i];
}

}  // namespace

int loadCommand(int argc, char** argv) {
  if (argc != 1) return fail("usage: velmora-cli load FILE");
  auto state = std::make_unique<GameState>();
  const SavedGameRead read = readSavedGame(*state, argv[0]);
  if (read == SavedGameRead::Not) return kNotDone;
  const bool computer = state->players[White].type == ComputerPlayer || state->players[Black].type == ComputerPlayer;
  std::printf("game_type %s\n", gameTypeName(state->gameType));
  std::printf("give_away %s\n", state->giveAway ? "yes" : "no");
  if (state->officialRules) std::printf("rules official\n");  // classic games read as they always did
  printPlayer(1, state->players[White]);
  printPlayer(2, state->players[Black]);
  if (computer)
    std::printf("level %d\n", static_cast<int>(state->searchDepth - 2));
  else
    std::printf("level -\n");
  std::printf("moves %d\n", static_cast<int>(state->plyCount));
  std::printf("position %s\n", writePosition(*state).c_str());
  return read == SavedGameRead::Whole ? 0 : kPartlyRead;
}

int saveCommand(int argc, char** argv) {
  if (argc < 2) return fail("usage: velmora-cli save FILE VARIANT [OPTION ...] [MOVE ...]");
  const char* path = argv[0];
  const auto type = readVariant(argv[1]);
  if (!type) return fail(unknownVariant(argv[1]));

  auto state = std::make_unique<GameState>();
  setName(state->players[White], "White");
  setName(state->players[Black], "Black");
  int level = 1;
  bool force = false;
  std::vector<std::string> moves;
  for (int i = 2; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--give-away") {
      state->giveAway = 1;
    } else if (arg == "--rules") {
      const char* value = optionValue(argc, argv, i);
      if (!value) return kNotDone;
      if (std::string(value) != "official" && std::string(value) != "classic")
        return fail("--rules needs classic or official");
      state->officialRules = std::string(value) == "official" && hasOfficialRules(*type) ? 1 : 0;
    } else if (arg == "--force") {
      force = true;
    } else if (arg == "--player1" || arg == "--player2") {
      const char* name = optionValue(argc, argv, i);
      if (!name) return kNotDone;
      setName(state->players[arg == "--player1" ? White : Black], name);
    } else if (arg == "--time1" || arg == "--time2") {
      const char* value = optionValue(argc, argv, i);
      if (!value) return kNotDone;
      const auto seconds = readInteger(value);
      if (!seconds || *seconds < 0) return fail(arg + " needs a whole number of seconds");
      state->players[arg == "--time1" ? White : Black].clockSeconds = static_cast<std::int32_t>(*seconds);
    } else if (arg == "--level") {
      const char* value = optionValue(argc, argv, i);
      if (!value) return kNotDone;
      const auto number = readInteger(value);
      if (!number || *number < 0 || *number > 2) return fail("--level must be 0, 1 or 2");
      level = static_cast<int>(*number);
    } else if (arg.size() > 2 && arg.compare(0, 2, "--") == 0) {
      return fail("unknown option " + quotedExcerpt(arg));
    } else {
      moves.push_back(arg);
    }
  }
  state->searchDepth = level + 2;

  setUpBoard(*state, *type);
  state->plyCount = 0;
  for (const std::string& move : moves)
    if (!playMoveText(*state, move))
      return fail("move " + std::to_string(state->plyCount + 1) + " " + quotedExcerpt(move) + " is not legal");

  if (refuseToReplace(path, force)) return kNotWritten;
  std::string why;
  if (!replaceFile(path, savedGameText(*state, state->plyCount), &why)) {
    std::fprintf(stderr, "velmora-cli: %s\n", why.c_str());
    return kNotWritten;
  }
  return 0;
}

}  // namespace velmora::cli
