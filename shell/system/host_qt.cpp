#include "shell/system/host_qt.h"

#include <QApplication>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMessageBox>
#include <QThread>
#include <QUrl>

#include "core/platform/host.h"
#include "shell/main_window.h"

namespace velmora {

namespace {

MainWindow* mainWindow = nullptr;
bool escapeHeld = false;

// Notices Escape going down and up anywhere in the application.
class EscapeWatcher : public QObject {
 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
      auto* key = static_cast<QKeyEvent*>(event);
      if (key->key() == Qt::Key_Escape && !key->isAutoRepeat()) escapeHeld = event->type() == QEvent::KeyPress;
    }
    return QObject::eventFilter(watched, event);
  }
};

bool showMessage(const std::string& text, MessageIcon icon, MessageButtons buttons) {
  const bool question = buttons != MessageButtons::Ok;
  QMessageBox box(icon == MessageIcon::Error      ? QMessageBox::Critical
                  : icon == MessageIcon::Question ? QMessageBox::Question
                                                  : QMessageBox::Information,
                  mainWindow ? mainWindow->windowTitle() : QString("Velmora"), QString::fromStdString(text),
                  question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, mainWindow);
  box.setDefaultButton(buttons == MessageButtons::YesNoDefaultNo ? QMessageBox::No
                       : question                                ? QMessageBox::Yes
                                                                 : QMessageBox::Ok);
  const int answer = box.exec();
  return question ? answer == QMessageBox::Yes : true;
}

}  // namespace

void installQtHost(MainWindow* window) {
  mainWindow = window;
  static EscapeWatcher watcher;
  qApp->installEventFilter(&watcher);
  static QElapsedTimer clock;
  clock.start();
  host.messageBox = showMessage;
  host.repaintNow = [] {
    if (mainWindow) mainWindow->repaintNow();
  };
  host.requestRepaint = [] {
    if (mainWindow) mainWindow->refresh();
  };
  host.playSound = [](SoundEvent) {};  // the sound files and their settings arrive with the sound issue
  host.sleepMs = [](int ms) { QThread::msleep(static_cast<unsigned long>(ms)); };
  host.tickCount = [] { return static_cast<std::uint32_t>(clock.elapsed()); };
  host.escapeDown = [] { return escapeHeld; };
  host.setWindowTitle = [](const std::string& title) {
    if (mainWindow) mainWindow->setWindowTitle(QString::fromStdString(title));
  };
  host.setWindowEnabled = [](bool enabled) {
    if (mainWindow) mainWindow->setEnabled(enabled);
  };
  // The window is disabled meanwhile, so no input reaches it; Escape is still
  // seen by the watcher, which looks at every key event of the application.
  host.pumpTimersAndPaint = [] { QApplication::processEvents(QEventLoop::AllEvents, 50); };
  host.updateCursor = [] {
    if (mainWindow) mainWindow->refresh();
  };
  host.windowIsActive = [] { return mainWindow && mainWindow->isActiveWindow(); };
  host.flashWindow = [] {
    if (mainWindow) QApplication::alert(mainWindow);
  };
  host.openDocument = [](const std::string& path) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
  };
}

}  // namespace velmora
