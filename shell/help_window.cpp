#include "shell/help_window.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "core/platform/host.h"
#include "core/platform/translation.h"
#include "shell/system/language.h"

namespace velmora {

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window), browser_(new QTextBrowser(this)) {
  setWindowTitle(ui("Velmora manual"));
  setObjectName("helpWindow");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(browser_);
  // Pages of the manual stay here; an address on the web goes to the
  // system's browser, and says so when none starts.
  browser_->setOpenLinks(false);
  connect(browser_, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
    if (url.isLocalFile() || url.isRelative()) {
      browser_->setSource(browser_->source().resolved(url));
      return;
    }
    if (!QDesktopServices::openUrl(url))
      host.messageBox(fillIn(say("No web browser could be started for %1."), url.toString().toStdString()),
                      MessageIcon::Information, MessageButtons::Ok);
  });
  resize(720, 640);
}

void HelpWindow::showPage(const QString& path) {
  browser_->setSource(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
  show();
  raise();
  activateWindow();
}

QString HelpWindow::currentPage() const { return browser_->source().toLocalFile(); }

}  // namespace velmora
