// The Game menu's exchange with other draughts programs: PDN files and FEN
// positions through the clipboard.

#include <QClipboard>
#include <QDate>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QInputDialog>
#include <memory>
#include <optional>

#include "core/game/game_state.h"
#include "core/game/load_game.h"
#include "core/game/new_game.h"
#include "core/game/position_setup.h"
#include "core/game/settings.h"
#include "core/platform/file_write.h"
#include "core/platform/host.h"
#include "core/platform/translation.h"
#include "core/records/fen.h"
#include "core/records/listing.h"
#include "core/records/pdn.h"
#include "shell/main_window.h"
#include "shell/system/language.h"

namespace velmora {

namespace {

void tell(const std::string& text) { host.messageBox(text, MessageIcon::Error, MessageButtons::Ok); }

}  // namespace

void MainWindow::exportPdn() {
  const QString path = QFileDialog::getSaveFileName(
      this, ui("Export PDN"), QString::fromStdString(exportSettings.folder), ui("PDN game (*.pdn)"));
  if (path.isEmpty()) return;
  exportSettings.folder = QFileInfo(path).absolutePath().toStdString();
  PdnTags tags;
  tags.date = QDate::currentDate().toString("yyyy.MM.dd").toStdString();
  tags.event = "Velmora game";
  std::string why;
  if (!replaceFile(QFile::encodeName(path).toStdString(), writePdn(game_, listing_.moveCount(), tags), &why)) tell(why);
}

void MainWindow::importPdn() {
  const QString path =
      QFileDialog::getOpenFileName(this, ui("Import PDN"), QString::fromStdString(exportSettings.folder),
                                   ui("PDN games (*.pdn *.txt);;All files (*)"));
  if (path.isEmpty()) return;
  exportSettings.folder = QFileInfo(path).absolutePath().toStdString();
  std::string text;
  if (auto why = readPdnFile(QFile::encodeName(path).toStdString(), text)) return tell(*why);
  std::vector<PdnGame> games;
  bool more = false;
  if (auto why = parsePdn(text, games, kMaxListedPdnGames, &more)) return tell(*why);
  if (games.empty()) return tell(say("The file holds no game."));
  size_t chosen = 0;
  if (games.size() > 1) {
    QStringList names;
    for (size_t i = 0; i < games.size(); ++i)
      names << QString("%1. %2").arg(i + 1).arg(QString::fromStdString(games[i].summary()));
    bool ok = false;
    const QString label =
        more ? ui("The file holds more than %1 games; the first %1 are listed:").arg(kMaxListedPdnGames)
             : ui("The file holds several games:");
    const QString name = QInputDialog::getItem(this, ui("Import PDN"), label, names, 0, false, &ok);
    if (!ok) return;
    chosen = static_cast<size_t>(names.indexOf(name));
  }
  // Checked before the game on the board is let go: a game that cannot be
  // read leaves it as it was.
  auto check = std::make_unique<GameState>();
  if (auto why = readPdnGame(games[chosen], *check, game_.gameType)) return tell(*why);
  if (!promptSaveGame(game_, listing_)) return;
  replaceGame([&] { takeOverPdnGame(game_, listing_, games[chosen], game_.gameType); });
}

void MainWindow::copyFen() {
  // The position shown, with the side to move of the listing's line.
  const int side = listing_.sideToMoveAt(listing_.shownMoves());
  QGuiApplication::clipboard()->setText(QString::fromStdString(writeFen(game_, side)));
}

void MainWindow::pasteFen() {
  const std::string fen = QGuiApplication::clipboard()->text().toStdString();
  auto check = std::make_unique<GameState>();
  // A pasted position passes the checks a position set up by hand passes.
  std::optional<std::string> why = readFen(fen, game_.gameType, *check);
  if (!why) why = setupProblem(*check);
  if (why)
    return tell(fillIn(say("The clipboard holds no %1 position."), say(gameTypeName(game_.gameType))) + "\n" + *why);
  if (!promptSaveGame(game_, listing_)) return;
  // The players of the New game dialog, in the variant on the board.
  NewGameChoice choice = rememberedChoice();
  choice.gameType = game_.gameType;
  choice.giveAway = game_.giveAway != 0;
  choice.official = game_.officialRules != 0;
  replaceGame([&] { startGameFromFen(game_, listing_, scratch_, choice, fen); });
}

}  // namespace velmora
