// Game > Play an engine: an outside Hub engine or a DamExchange program as
// the computer opponent of a game, and a Hub engine as the source of hints.

#include <algorithm>
#include <chrono>
#include <cstring>
#include <memory>

#include "core/game/computer_move.h"
#include "core/game/game_state.h"
#include "core/game/help.h"
#include "core/game/hint.h"
#include "core/game/new_game.h"
#include "core/game/settings.h"
#include "core/platform/host.h"
#include "core/platform/player_name.h"
#include "core/platform/translation.h"
#include "core/records/listing.h"
#include "core/view/appearance.h"
#include "shell/board_widget.h"
#include "shell/dialogs/engine_dialog.h"
#include "shell/dxp_engine.h"
#include "shell/main_window.h"
#include "shell/outside_engine.h"

namespace velmora {

bool MainWindow::engineAdvises() const {
  // An engine knows the classic rules only: a game by the federation's
  // rules keeps the Expert's advice.
  return outsideEngineSettings.advises != 0 && !outsideEngineSettings.command.empty() && !game_.officialRules;
}

void MainWindow::playEngine() {
  OutsideEngineSettings& s = outsideEngineSettings;
  EngineChoice initial;
  initial.dxp = s.dxp != 0;
  initial.command = s.command;
  initial.host = s.dxpHost;
  initial.port = s.dxpPort;
  initial.gameType = lastGame.gameType;
  initial.humanSide = s.humanSide;
  initial.moveTimeMs = s.moveTimeMs;
  initial.advises = s.advises != 0;
  EngineDialog dialog(initial, this);
  connect(&dialog, &EngineDialog::helpRequested, this, [] { openHelp(HelpEngines); });
  if (dialog.exec() != QDialog::Accepted) return;
  const EngineChoice c = dialog.choice();
  s.dxp = c.dxp ? 1 : 0;
  s.command = c.command;
  s.dxpHost = c.host;
  s.dxpPort = c.port;
  s.humanSide = c.humanSide;
  s.moveTimeMs = c.moveTimeMs;
  // DamExchange gives no hints: the Hub program's choice stays for later.
  if (!c.dxp) s.advises = c.advises ? 1 : 0;
  if (!c.play) {
    refresh();
    return;
  }
  if (!promptSaveGame(game_, listing_)) return;
  NewGameChoice choice = rememberedChoice();
  choice.gameType = c.gameType;
  choice.giveAway = false;
  choice.expert = false;
  // The protocols carry no choice of rules: engines play the classic ones.
  choice.official = false;
  choice.type[c.humanSide] = ChooseHuman;
  choice.type[c.humanSide ^ 1] = ChooseComputer;
  applyTypeRules(choice);
  replaceGame([&] {
    // The player's own choice of rules is kept for the next New game.
    const bool official = lastGame.officialRules;
    startNewGame(game_, listing_, choice);
    lastGame.officialRules = official;
    if (c.dxp) dxp_->setAddress(c.host, c.port);
    playing_ = c.dxp ? static_cast<ForeignEngine*>(dxp_) : outside_;
  });
}

void MainWindow::startEngineMove() {
  const auto done = [this] { refresh(); };
  if (!beginComputerMove(game_, listing_, done, false)) {
    refresh();
    return;
  }
  refresh();
  const int moveTimeMs = outsideEngineSettings.moveTimeMs;
  const auto started = std::chrono::steady_clock::now();
  if (playing_ == outside_) outside_->setCommand(outsideEngineSettings.command, game_.gameType);
  playing_->start(
      game_, moveTimeMs,
      [this, started, moveTimeMs](const EngineProgress&, const std::string&) {
        const auto spent =
            std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - started).count();
        const int percent = static_cast<int>(std::min<long long>(99, spent * 100 / std::max(1, moveTimeMs)));
        showComputerProgress(game_, percent, appearance.showAiProgress != 0);
        updateStatus();
        board_->update();
      },
      [this, done](ComputerChoice choice) {
        nameEnginePlayer();
        finishComputerMove(game_, listing_, choice, done);
      },
      [this, done](const std::string& why) {
        game_.gameRunning = 0;
        finishComputerMove(game_, listing_, ComputerChoice{}, done);
        engineLost(why);
      });
  // Escape already held down when the thinking begins counts as a press.
  if (host.escapeDown()) escapePressed();
}

void MainWindow::nameEnginePlayer() {
  // The side panel and the saved game name the program that played, once it
  // has said its name; a name from outside is cleaned as any other.
  const std::string name = playing_ ? playing_->engineName() : "";
  if (name.find_first_not_of(' ') != std::string::npos) setPlayerName(game_.players[game_.aiSide], name);
}

void MainWindow::engineLost(const std::string& why) {
  // What is left of the game is the player's; Continue game goes on with
  // Velmora's own computer.
  playing_ = nullptr;
  host.messageBox(say("The engine's game ends here:") + "\n" + why, MessageIcon::Error, MessageButtons::Ok);
}

void MainWindow::showEngineHint() {
  auto search = std::make_unique<GameState>(game_);
  prepareHintSearch(*search, listing_);
  setBusy(true);
  outside_->setCommand(outsideEngineSettings.command, game_.gameType);
  outside_->start(
      *search, kHintTimeMs, {},
      [this](ComputerChoice choice) {
        setBusy(false);
        if (choice.result == 1) markHint(game_, listing_, choice.bestRootIndex);
        refresh();
      },
      [this](const std::string& why) {
        setBusy(false);
        refresh();
        host.messageBox(say("The engine gives no hint:") + "\n" + why, MessageIcon::Error, MessageButtons::Ok);
      });
}

}  // namespace velmora
