// pdn and fen: games and positions in the formats other programs exchange.

#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "cli_common.h"
#include "core/game/game_state.h"
#include "core/platform/file_write.h"
#include "core/records/fen.h"
#include "core/records/pdn.h"
#include "core/records/pdn_board.h"
#include "core/records/saved_game.h"
#include "core/rules/position_text.h"

namespace velmora::cli {

namespace {

// The game read by the rules asked for, whatever its GameType says: the tag
// is written as a game of those rules writes it, and the moves read again.
std::optional<std::string> readByRules(PdnGame& game, GameState& state, const RulesOption& rules) {
  if (auto error = readPdnGame(game, state)) return error;
  if (!rules.given || (state.officialRules != 0) == rules.official) return std::nullopt;
  const GameType type = state.gameType;
  if (rules.official && !hasOfficialRules(type)) return std::nullopt;
  const std::string tag = rules.official ? officialGameTypeTag(type) : pdnGameTypeTag(type);
  std::erase_if(game.tags, [](const auto& t) { return t.first == "GameType" || t.first == "Variant"; });
  game.tags.emplace_back("GameType", tag);
  if (!pdnConvention(type).hasCode) game.tags.emplace_back("Variant", gameTypeName(type));
  return readPdnGame(game, state);
}

int importPdn(const char* pdnPath, const char* outPath, bool force, const RulesOption& rules) {
  std::string text;
  if (auto error = readPdnFile(pdnPath, text)) return fail(*error);
  std::vector<PdnGame> games;
  if (auto error = parsePdn(text, games, 1)) return fail(std::string(pdnPath) + ": " + *error);
  if (games.empty()) return fail(std::string(pdnPath) + ": the file holds no game");
  auto state = std::make_unique<GameState>();
  if (auto error = readByRules(games.front(), *state, rules)) return fail(std::string(pdnPath) + ": " + *error);
  if (refuseToReplace(outPath, force)) return kNotWritten;
  std::string why;
  if (!replaceFile(outPath, savedGameText(*state, state->plyCount), &why)) {
    std::fprintf(stderr, "velmora-cli: %s\n", why.c_str());
    return kNotWritten;
  }
  return 0;
}

}  // namespace

int pdnCommand(int argc, char** argv) {
  const RulesOption rules = takeRules(argc, argv);
  if (!rules.valid) return fail(rules.problem);
  const bool force = argc == 4 && std::strcmp(argv[3], "--force") == 0;
  if ((argc == 3 || force) && std::strcmp(argv[0], "--import") == 0) return importPdn(argv[1], argv[2], force, rules);
  if (argc != 1)
    return fail("usage: velmora-cli pdn FILE.vlm | pdn --import FILE.pdn OUT.vlm [--force] [--rules classic|official]");
  auto state = std::make_unique<GameState>();
  SavedGameRead read = readSavedGame(*state, argv[0]);
  if (read == SavedGameRead::Not) return kNotDone;
  if (rules.given && (state->officialRules != 0) != rules.official) {
    // The saved moves read again by the rules asked for, as far as those allow.
    state->officialRules = rules.official && hasOfficialRules(state->gameType) ? 1 : 0;
    const std::string text = savedGameText(*state, state->plyCount);
    loadGameText(*state, text);
    if (auto lost = lostMoves(text, state->plyCount)) {
      fail(std::string(argv[0]) + ": " + *lost);
      read = SavedGameRead::Partly;
    }
  }
  std::fputs(writePdn(*state, state->plyCount).c_str(), stdout);
  return read == SavedGameRead::Whole ? 0 : kPartlyRead;
}

int fenCommand(int argc, char** argv) {
  const bool from = argc == 3 && std::strcmp(argv[1], "--from") == 0;
  if (argc != 2 && !from) return fail("usage: velmora-cli fen VARIANT POSITION | fen VARIANT --from FEN");
  const auto type = readVariant(argv[0]);
  if (!type) return fail(unknownVariant(argv[0]));
  auto state = std::make_unique<GameState>();
  if (from) {
    if (auto error = readFen(argv[2], *type, *state)) return fail(*error);
    std::printf("%s\n", writePosition(*state).c_str());
    return 0;
  }
  auto error = readPosition(argv[1], *type, *state);
  if (!error) error = lightSquarePiece(state->board, *type);
  if (error) return fail("bad position: " + *error);
  std::printf("%s\n", writeFen(*state).c_str());
  return 0;
}

}  // namespace velmora::cli
