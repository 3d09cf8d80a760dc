#include "shell/system/host_qt.h"

#include <QApplication>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QUrl>

#include "core/game/computer_move.h"
#include "core/platform/host.h"
#include "core/platform/translation.h"
#include "shell/system/audio_output.h"

namespace velmora {

namespace {

// Cleared by Qt when the window goes, so no effect reaches a destroyed one.
QPointer<QWidget> mainWindow;
HostWindow hooks;
bool escapeHeld = false;

// Notices Escape going down and up anywhere in the application.
class EscapeWatcher : public QObject {
 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
      auto* key = static_cast<QKeyEvent*>(event);
      if (key->key() == Qt::Key_Escape && !key->isAutoRepeat()) {
        const bool press = event->type() == QEvent::KeyPress;
        // Escape in an open menu closes the menu and nothing else.
        if (press && QApplication::activePopupWidget()) return QObject::eventFilter(watched, event);
        // A key event passes up through its parents: one press acts once.
        if (press && !escapeHeld && mainWindow && hooks.escapePressed) hooks.escapePressed();
        escapeHeld = press;
      }
    }
    return QObject::eventFilter(watched, event);
  }
};

// A Yes/No question is answered by a button, never by Escape: a held Escape
// (the one that asked to break off the computer's move) must not answer No.
class EscapeSwallower : public QObject {
 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) return true;
    return QObject::eventFilter(watched, event);
  }
};

// Room for the caption: a message box is at least as wide as its title.
void widenForCaption(QMessageBox& box) {
  auto* grid = qobject_cast<QGridLayout*>(box.layout());
  if (!grid) return;
  const int width = box.fontMetrics().horizontalAdvance(box.windowTitle()) + 160;
  grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Expanding), grid->rowCount(), 0, 1,
                grid->columnCount());
}

bool showMessage(const std::string& text, MessageIcon icon, MessageButtons buttons) {
  const bool question = buttons != MessageButtons::Ok;
  // Captioned with the plain title, never the computer's progress.
  QMessageBox box(icon == MessageIcon::Error      ? QMessageBox::Critical
                  : icon == MessageIcon::Question ? QMessageBox::Question
                  : icon == MessageIcon::None     ? QMessageBox::NoIcon
                                                  : QMessageBox::Information,
                  QString::fromStdString(plainWindowTitle()), QString::fromStdString(text),
                  question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, mainWindow.data());
  box.setDefaultButton(buttons == MessageButtons::YesNoDefaultNo ? QMessageBox::No
                       : question                                ? QMessageBox::Yes
                                                                 : QMessageBox::Ok);
  EscapeSwallower swallower;
  if (question) box.installEventFilter(&swallower);
  widenForCaption(box);
  const int answer = box.exec();
  // A release that went to the box while it closed is not seen again: the
  // key counts as up, so that no later turn takes it for a held Escape.
  escapeHeld = false;
  return question ? answer == QMessageBox::Yes : true;
}

// Runs `then` through the window's delivery, or at once without a window.
std::function<void()> delivered(std::function<void()> then) {
  return [then = std::move(then)] {
    if (mainWindow && hooks.deliver)
      hooks.deliver(then);
    else
      then();
  };
}

}  // namespace

void installQtHost(HostWindow window) {
  mainWindow = window.widget;
  hooks = std::move(window);
  escapeHeld = false;
  static EscapeWatcher watcher;
  qApp->installEventFilter(&watcher);
  static QElapsedTimer clock;
  clock.start();
  host.messageBox = showMessage;
  host.repaintNow = [] {
    if (mainWindow) hooks.repaintNow();
  };
  host.requestRepaint = [] {
    if (mainWindow) hooks.refresh();
  };
  host.playSound = [](SoundId, const std::string& file, std::function<void()> finished) {
    playWaveFile(file, finished ? delivered(std::move(finished)) : nullptr);
  };
  // A pause of the game is a timer: the window paints and takes its close
  // meanwhile. The continuation dies with the window.
  host.after = [](int ms, std::function<void()> then) {
    QObject* owner = mainWindow ? static_cast<QObject*>(mainWindow.data()) : qApp;
    QTimer::singleShot(ms, owner, delivered(std::move(then)));
  };
  host.tickCount = [] { return static_cast<std::uint32_t>(clock.elapsed()); };
  host.escapeDown = [] { return escapeHeld; };
  host.setWindowTitle = [](const std::string& title) {
    if (mainWindow) mainWindow->setWindowTitle(QString::fromStdString(title));
  };
  host.setWindowEnabled = [](bool enabled) {
    if (mainWindow) hooks.setBusy(!enabled);
  };
  host.updateCursor = [] {
    if (mainWindow) hooks.updateCursor();
  };
  host.windowIsActive = [] { return mainWindow && mainWindow->isActiveWindow(); };
  host.flashWindow = [] {
    if (mainWindow) QApplication::alert(mainWindow);
  };
  // A page of the manual is shown in the window's own help window; an
  // address on the web goes to the system's browser, which may be missing.
  host.openDocument = [](const std::string& path) {
    const QUrl url(QString::fromStdString(path));
    const bool web = url.scheme() == "http" || url.scheme() == "https";
    if (!web && mainWindow && hooks.showManualPage) return hooks.showManualPage(path);
    if (!QDesktopServices::openUrl(web ? url : QUrl::fromLocalFile(QString::fromStdString(path))))
      showMessage(fillIn(say("No web browser could be started for %1."), path), MessageIcon::Information,
                  MessageButtons::Ok);
  };
}

}  // namespace velmora
