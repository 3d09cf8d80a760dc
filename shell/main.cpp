// Velmora: one window, fourteen variants of draughts.

#include <QApplication>
#include <cstdio>
#include <string>
#include <vector>

#include "core/game/help.h"
#include "core/game/settings.h"
#include "core/records/listing.h"
#include "core/rules/game_state.h"
#include "shell/main_window.h"
#include "shell/scripted_output.h"
#include "shell/system/host_qt.h"
#include "shell/system/single_instance.h"
#include "shell/system/termination.h"

namespace {

// The game on the board, and the scratch state for rebuilding a position.
velmora::GameState theGame;
velmora::GameState scratchGame;
velmora::MoveListing theListing;

}  // namespace

int main(int argc, char** argv) {
  // Printing or exporting from the command line shows no window.
  std::string error;
  const auto scripted = velmora::parseScriptedOutput(std::vector<std::string>(argv + 1, argv + argc), error);
  if (!error.empty()) {
    std::fprintf(stderr, "velmora: %s\n", error.c_str());
    return 1;
  }
  if (scripted && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");

  QApplication app(argc, argv);
  app.setApplicationName("Velmora");
  if (scripted) return velmora::runScriptedOutput(*scripted);

  velmora::SingleInstance instance(velmora::defaultInstanceName());
  if (instance.askRunningCopy()) return 0;
  instance.listen();

  velmora::setManualDirectory((QCoreApplication::applicationDirPath() + "/manual").toStdString());
  velmora::MainWindow window(theGame, scratchGame, theListing, velmora::kSettingsFile);
  velmora::installQtHost(&window);
  QObject::connect(&instance, &velmora::SingleInstance::activationRequested, &window, [&window] {
    window.setWindowState((window.windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    window.showNormal();
    window.raise();
    window.activateWindow();
  });
  window.show();
  velmora::quitOnTerminationSignals();
  return app.exec();
}
