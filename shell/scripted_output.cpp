#include "shell/scripted_output.h"

#include <QString>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "core/game/game_state.h"
#include "core/game/load_game.h"
#include "core/game/settings.h"
#include "core/platform/text.h"
#include "core/platform/user_name.h"
#include "core/records/listing.h"
#include "core/records/saved_game.h"
#include "core/view/appearance.h"
#include "shell/paint/manual_diagram.h"
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
        error = "unknown kind " + quotedExcerpt(out.kind) + ": listing, board or mini";
      any = true;
    } else if (a == "--position") {
      if (!value(out.variant, "a variant and a position text") || !value(out.position, "a position text")) break;
    } else if (a == "--size") {
      std::string pixels;
      if (!value(pixels, "a number of pixels")) break;
      const int n = readDecimal(pixels);
      if (pixels.find_first_not_of("0123456789") != std::string::npos || n < 64 || n > 8192)
        error = "--size takes 64 to 8192 pixels, not " + quotedExcerpt(pixels);
      else
        out.size = n;
    } else if (a == "--path") {
      value(out.path, "a move");
    } else if (a == "--diagram") {
      out.diagram = true;
    } else if (a == "--export-board") {
      value(out.picture, "a file name");
      any = true;
    } else if (a.rfind("--", 0) == 0) {
      error = "unknown option " + quotedExcerpt(a) + " (velmora --help lists them)";
    }  // single-dash options are Qt's own (-platform, -style)
  }
  if (error.empty() && !any && !out.load.empty()) error = "--load goes with --print-pdf or --export-board";
  if (error.empty() && !out.position.empty() && out.picture.empty()) error = "--position goes with --export-board";
  if (error.empty() && !out.path.empty() && out.position.empty()) error = "--path goes with --position";
  if (error.empty() && out.diagram && out.position.empty()) error = "--diagram goes with --position";
  if (error.empty() && !out.position.empty() && !out.load.empty()) error = "--position and --load exclude each other";
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
  DiagramMarks diagram;
  if (!request.load.empty()) {
    if (!std::filesystem::is_regular_file(request.load)) return fail("no such saved game: " + request.load);
    auto loaded = std::make_unique<GameState>();
    loadGameFile(*loaded, request.load);
    takeOverLoadedGame(*game, listing, *loaded);
  } else if (!request.position.empty()) {
    if (auto why = setUpDiagram(*game, request.variant, request.position, request.path, diagram)) return fail(*why);
  } else {
    // The last game, as the window shows it at its start.
    setUpBoard(*game, lastGame.gameType);
    game->plyCount = 0;
    resetListing(listing);
  }
  const QImage picture = loadSkin(QString::fromStdString(appearance.skinName), appearance.skinNumber);
  const SkinSet skin = makeSkinSet(picture, appearance.skinName.empty() ? appearance.skinNumber : -1);
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
      !exportBoardPicture(QString::fromStdString(request.picture), request.size ? request.size : game->boardSize * 64,
                          *game, skin, &error, !request.path.empty(), request.diagram ? &diagram : nullptr))
    return fail(error.toStdString());
  return 0;
}

}  // namespace velmora
