#pragma once
// The font chooser: the scalable font families with a sample of the board's
// letters and digits in the colours the board has now.

#include <QDialog>
#include <QStringList>

class QListWidget;

namespace velmora {

// The first of `faces` that begins with `prefix`, letter case aside; 0 when
// none does.
int findFaceByPrefix(const QStringList& faces, const QString& prefix);

class FontDialog : public QDialog {
  Q_OBJECT
 public:
  // Opens on the first family that begins with `current`.
  FontDialog(const QString& current, QWidget* parent);
  QString face() const;

 private:
  QListWidget* list_;
};

}  // namespace velmora
