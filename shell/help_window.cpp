#include "shell/help_window.h"

#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStyle>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>
#include <QWindow>
#include <cmath>

#include "core/game/help.h"
#include "core/platform/host.h"
#include "core/platform/translation.h"
#include "shell/paint/manual_diagram.h"
#include "shell/system/language.h"

namespace velmora {

QSize ManualBrowser::shownSize(const QUrl& name) const {
  // The page gives every picture its width and height; the first one that
  // shows this picture says how large it is drawn.
  for (QTextBlock block = document()->begin(); block.isValid(); block = block.next())
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextCharFormat format = it.fragment().charFormat();
      if (!format.isImageFormat()) continue;
      const QTextImageFormat image = format.toImageFormat();
      if (source().resolved(QUrl(image.name())) != name && QUrl(image.name()) != name) continue;
      if (image.width() > 0 && image.height() > 0) return QSize(qRound(image.width()), qRound(image.height()));
    }
  return {};
}

QVariant ManualBrowser::loadResource(int type, const QUrl& name) {
  if (type != QTextDocument::ImageResource) return QTextBrowser::loadResource(type, name);
  const QUrl url = source().resolved(name);
  const QSize shown = shownSize(name);
  if (shown.isEmpty()) return QTextBrowser::loadResource(type, name);
  // The text's layout widens pictures with the screen's logical resolution.
  const qreal ratio = devicePixelRatioF(), scale = viewport()->logicalDpiY() / 96.0;
  const QSize pixels(qRound(shown.width() * scale * ratio), qRound(shown.height() * scale * ratio));
  // A diagram of the list beside the pages is drawn afresh, so it needs no
  // picture file (a source checkout has none before its first build).
  const QFileInfo file(url.toLocalFile());
  if (file.dir().dirName() == "diagrams" && shown.width() == shown.height()) {
    QFile list(file.dir().filePath("../diagrams.txt"));
    if (list.open(QIODevice::ReadOnly)) {
      const std::string line = diagramLine(list.readAll().toStdString(), file.completeBaseName().toStdString());
      QImage picture = line.empty() ? QImage() : manualDiagram(line, pixels.width());
      if (!picture.isNull()) {
        picture.setDevicePixelRatio(ratio);
        return picture;
      }
    }
  }
  QImage picture;
  const QVariant loaded = QTextBrowser::loadResource(type, name);
  if (loaded.userType() == QMetaType::QImage)
    picture = loaded.value<QImage>();
  else if (loaded.userType() == QMetaType::QByteArray)
    picture.loadFromData(loaded.toByteArray());
  if (picture.isNull()) return loaded;
  picture = picture.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  picture.setDevicePixelRatio(ratio);
  return picture;
}

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window), browser_(new ManualBrowser(this)) {
  setWindowTitle(ui("Velmora manual"));
  setObjectName("helpWindow");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  auto* bar = new QToolBar(this);
  bar->setObjectName("helpToolBar");
  bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  back_ = bar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), ui("Back"), browser_, &QTextBrowser::backward);
  back_->setObjectName("helpBack");
  back_->setShortcut(QKeySequence::Back);
  forward_ =
      bar->addAction(style()->standardIcon(QStyle::SP_ArrowForward), ui("Forward"), browser_, &QTextBrowser::forward);
  forward_->setObjectName("helpForward");
  forward_->setShortcut(QKeySequence::Forward);
  QAction* home = bar->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), ui("Home"), this,
                                 [this] { showPage(QString::fromStdString(helpPage(HelpStart))); });
  home->setObjectName("helpHome");
  back_->setEnabled(false);
  forward_->setEnabled(false);
  connect(browser_, &QTextBrowser::backwardAvailable, back_, &QAction::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QAction::setEnabled);
  layout->addWidget(bar);
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
  resize(860, 680);
}

bool HelpWindow::event(QEvent* event) {
  // On a screen of another density the diagrams are drawn again for it.
  if (event->type() == QEvent::Show && windowHandle() && !followingScreen_) {
    followingScreen_ = true;
    connect(windowHandle(), &QWindow::screenChanged, browser_, &QTextBrowser::reload);
  }
  return QWidget::event(event);
}

void HelpWindow::showPage(const QString& path) {
  const QUrl page = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
  if (browser_->source() != page) browser_->setSource(page);
  show();
  raise();
  activateWindow();
}

QString HelpWindow::currentPage() const { return browser_->source().toLocalFile(); }

}  // namespace velmora
