// Velmora: one window, fourteen variants of draughts.

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdio>
#include <string>
#include <vector>

#include "core/game/game_state.h"
#include "core/game/help.h"
#include "core/game/settings.h"
#include "core/platform/home_folder.h"
#include "core/records/listing.h"
#include "shell/endgame_library.h"
#include "shell/main_window.h"
#include "shell/scripted_output.h"
#include "shell/system/host_qt.h"
#include "shell/system/language.h"
#include "shell/system/single_instance.h"
#include "shell/system/termination.h"

namespace {

// The game on the board, and the scratch state for rebuilding a position.
velmora::GameState theGame;
velmora::GameState scratchGame;
velmora::MoveListing theListing;

}  // namespace

int main(int argc, char** argv) {
  std::string error;
  velmora::CommandLine options = velmora::parseCommandLine(std::vector<std::string>(argv + 1, argv + argc), error);
  if (!error.empty()) {
    std::fprintf(stderr, "velmora: %s\n", error.c_str());
    return 1;
  }
  if (options.help) {
    std::fputs(velmora::kGameUsage, stdout);
    return 0;
  }
  if (options.version) {
    std::printf("velmora %s\n", VELMORA_VERSION);
    return 0;
  }
  // Printing or exporting from the command line shows no window.
  if (options.scripted && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");

  QApplication app(argc, argv);
  app.setApplicationName("Velmora");
  app.setApplicationVersion(VELMORA_VERSION);

  // The working folder: --home, else the user's data folder for an installed
  // copy, else the current folder (a copy run from where it was built).
  const std::string programFolder = QCoreApplication::applicationDirPath().toStdString();
  const auto data = velmora::installedDataFolder(programFolder);
  std::string home = options.home;
  if (home.empty() && data) home = velmora::userDataFolder();
  if (options.scripted) {
    // File names on the command line are the caller's, not the working folder's.
    for (std::string* name : {&options.scripted->load, &options.scripted->pdf, &options.scripted->picture})
      if (!name->empty()) *name = QFileInfo(QString::fromStdString(*name)).absoluteFilePath().toStdString();
  }
  // A home that cannot be made, filled or entered (read-only, full) does not
  // stop the game: it is played without its settings and default sounds.
  std::string homeTrouble;
  bool inHome = true;
  if (!home.empty()) {
    // A copy run from its build folder fills a new home from the media it
    // made there, as an installed copy does from its data.
    const auto media = data ? data : velmora::buildTreeMediaFolder(programFolder);
    homeTrouble = velmora::prepareHomeFolder(home, media);
    inHome = QDir::setCurrent(QString::fromStdString(home));
    if (!inHome && homeTrouble.empty()) homeTrouble = "cannot work in " + home;
    if (!homeTrouble.empty()) std::fprintf(stderr, "velmora: %s\n", homeTrouble.c_str());
  }
  if (options.scripted) return velmora::runScriptedOutput(*options.scripted);

  // From here a termination signal ends the program as closing it does: the
  // signal waits in a pipe until the event loop runs, and the settings are
  // written on the way out, however early it came.
  velmora::quitOnTerminationSignals();
  velmora::SingleInstance instance(velmora::defaultInstanceName());
  if (!instance.isFirstCopy()) {
    instance.activateRunningCopy([] { QCoreApplication::exit(0); });
    return app.exec();
  }
  instance.listen();

  velmora::setManualDirectory(data ? *data + "/manual" : programFolder + "/manual");
  velmora::setTranslationsDirectory(data ? *data + "/translations" : programFolder + "/translations");
  // Outside its home the game reads no settings either: the folder it was
  // started in is not its own.
  // The endgame databases are the player's, wherever the game works: made
  // once, they serve every copy.
  velmora::MainWindow window(theGame, scratchGame, theListing, inHome ? velmora::kSettingsFile : "",
                             velmora::userDataFolder() + "/endgames", velmora::kWindowEndgamePieces);
  velmora::installQtHost(window.hostWindow());
  if (!homeTrouble.empty()) window.keepNoSettings(homeTrouble);
  QObject::connect(&instance, &velmora::SingleInstance::activationRequested, &window, [&window] {
    window.setWindowState((window.windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    window.showNormal();
    window.raise();
    window.activateWindow();
  });
  window.show();
  return app.exec();
}
