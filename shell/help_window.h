#pragma once
// The manual in a window of our own: the pages are our HTML, which Qt's text
// browser shows with their links and pictures, so help works on a machine
// without a web browser. Links that leave the manual go to the system's
// browser.

#include <QTextBrowser>
#include <QWidget>

class QAction;

namespace velmora {

// The manual's pages with their board diagrams drawn for the screen: each
// at the size the page shows it, in the screen's device pixels, so the
// names of the squares stay sharp on every board size; other pictures are
// scaled smoothly to their shown size.
class ManualBrowser : public QTextBrowser {
  Q_OBJECT
 public:
  using QTextBrowser::QTextBrowser;
  QVariant loadResource(int type, const QUrl& name) override;

 private:
  QSize shownSize(const QUrl& name) const;
};

class HelpWindow : public QWidget {
  Q_OBJECT
 public:
  explicit HelpWindow(QWidget* parent = nullptr);

  // Shows the page (a file of the manual) and brings the window up.
  void showPage(const QString& path);
  QString currentPage() const;

 protected:
  bool event(QEvent* event) override;

 private:
  ManualBrowser* browser_;
  QAction* back_;
  QAction* forward_;
  bool followingScreen_ = false;
};

}  // namespace velmora
