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

CommandLine parseCommandLine(const std::vector<std::string>& args, std::string& error) {
  CommandLine line;
  ScriptedOutput out;
  bool any = false;
  for (size_t i = 0; i < args.size() && error.empty(); ++i) {
    const std::string& a = args[i];
    const auto value = [&](std::string& into, const char* what) {
      if (i + 1 >= args.size()) {
        error = a + " needs " + what;
        return false;
      }
      into = args[++i];
      return true;
    };
    if (a == "--help" || a == "-h") {
      line.help = true;
    } else if (a == "--version") {
      line.version = true;
    } else if (a == "--home") {
      value(line.home, "a folder");
    } else if (a == "--load") {
      value(out.load, "a file name");
    } else if (a == "--print-pdf") {
      if (!value(out.pdf, "a file name") || !value(out.kind, "a kind: listing, board or mini")) break;
      if (out.kind != "listing" && out.kind != "board" && out.kind != "mini")
        error = "unknown kind \"" + out.kind + "\": listing, board or mini";
      any = true;
    } else if (a == "--export-board") {
      value(out.picture, "a file name");
      any = true;
    } else if (a.rfind("--", 0) == 0) {
      error = "unknown option \"" + a + "\" (velmora --help lists them)";
    }  // single-dash options are Qt's own (-platform, -style)
  }
  if (error.empty() && !any && !out.load.empty()) error = "--load goes with --print-pdf or --export-board";
  if (any) line.scripted = out;
  return line;
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
