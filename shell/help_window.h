#pragma once
// The manual in a window of our own: the pages are our HTML, which Qt's text
// browser shows with their links and pictures, so help works on a machine
// without a web browser. Links that leave the manual go to the system's
// browser.

#include <QWidget>

class QTextBrowser;

namespace velmora {

class HelpWindow : public QWidget {
  Q_OBJECT
 public:
  explicit HelpWindow(QWidget* parent = nullptr);

  // Shows the page (a file of the manual) and brings the window up.
  void showPage(const QString& path);
  QString currentPage() const;

 private:
  QTextBrowser* browser_;
};

}  // namespace velmora
