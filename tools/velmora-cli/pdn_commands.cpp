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
#include "core/records/saved_game.h"
#include "core/rules/position_text.h"

namespace velmora::cli {

namespace {

int importPdn(const char* pdnPath, const char* outPath, bool force) {
  std::string text;
  if (auto error = readPdnFile(pdnPath, text)) return fail(*error);
  std::vector<PdnGame> games;
  if (auto error = parsePdn(text, games, 1)) return fail(std::string(pdnPath) + ": " + *error);
  if (games.empty()) return fail(std::string(pdnPath) + ": the file holds no game");
  auto state = std::make_unique<GameState>();
  if (auto error = readPdnGame(games.front(), *state)) return fail(std::string(pdnPath) + ": " + *error);
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
  const bool force = argc == 4 && std::strcmp(argv[3], "--force") == 0;
  if ((argc == 3 || force) && std::strcmp(argv[0], "--import") == 0) return importPdn(argv[1], argv[2], force);
  if (argc != 1) return fail("usage: velmora-cli pdn FILE.vlm | pdn --import FILE.pdn OUT.vlm [--force]");
  auto state = std::make_unique<GameState>();
  const SavedGameRead read = readSavedGame(*state, argv[0]);
  if (read == SavedGameRead::Not) return kNotDone;
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
