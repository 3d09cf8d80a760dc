#include "shell/scripted_output.h"

#include <QString>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "core/game/load_game.h"
#include "core/game/settings.h"
#include "core/platform/user_name.h"
#include "core/records/listing.h"
#include "core/records/saved_game.h"
#include "core/rules/game_state.h"
#include "core/view/appearance.h"
#include "shell/paint/printing.h"
#include "shell/paint/skins.h"

namespace velmora {

std::optional<ScriptedOutput> parseScriptedOutput(const std::vector<std::string>& args, std::string& error) {
  ScriptedOutput out;
  bool any = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const auto value = [&](std::string& into) {
      if (i + 1 >= args.size()) {
        error = a + " needs a file name";
        return false;
      }
      into = args[++i];
      return true;
    };
    if (a == "--load") {
      if (!value(out.load)) return std::nullopt;
    } else if (a == "--print-pdf") {
      if (!value(out.pdf)) return std::nullopt;
      if (i + 1 >= args.size()) {
        error = "--print-pdf needs a kind: listing, board or mini";
        return std::nullopt;
      }
      out.kind = args[++i];
      if (out.kind != "listing" && out.kind != "board" && out.kind != "mini") {
        error = "unknown kind \"" + out.kind + "\": listing, board or mini";
        return std::nullopt;
      }
      any = true;
    } else if (a == "--export-board") {
      if (!value(out.picture)) return std::nullopt;
      any = true;
    }
  }
  if (!any && !out.load.empty()) error = "--load goes with --print-pdf or --export-board";
  if (!any) return std::nullopt;
  return out;
}

int runScriptedOutput(const ScriptedOutput& request) {
  const auto fail = [](const std::string& why) {
    std::fprintf(stderr, "velmora: %s\n", why.c_str());
    return 1;
  };
  appearance = defaultAppearance;
  loadSettings(kSettingsFile, loginName());
  auto game = std::make_unique<GameState>();
  MoveListing listing;
  if (!request.load.empty()) {
    if (!std::filesystem::is_regular_file(request.load)) return fail("no such saved game: " + request.load);
    auto loaded = std::make_unique<GameState>();
    loadGameFile(*loaded, request.load);
    takeOverLoadedGame(*game, listing, *loaded);
  } else {
    // The last game, as the window shows it at its start.
    setUpBoard(*game, lastGame.gameType);
    game->plyCount = 0;
    resetListing(listing);
  }
  const QImage skin = loadSkin(QString::fromStdString(appearance.skinName), appearance.skinNumber);
  QString error;
  if (!request.pdf.empty()) {
    const PrintKind kind = request.kind == "listing" ? PrintListing
                           : request.kind == "mini"  ? PrintMiniBoard
                                                     : PrintBoard;
    if (kind == PrintListing && listing.lines.size() < 2) return fail("The listing is empty.");
    if (!printToPdf(QString::fromStdString(request.pdf), kind, *game, listing, skin, &error))
      return fail(error.toStdString());
  }
  if (!request.picture.empty() &&
      !exportBoardPicture(QString::fromStdString(request.picture), game->boardSize * 64, *game, skin, &error))
    return fail(error.toStdString());
  return 0;
}

}  // namespace velmora
