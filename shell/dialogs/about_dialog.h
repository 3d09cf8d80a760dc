#pragma once
// The About box.

#include <QDialog>

namespace velmora {

class AboutDialog : public QDialog {
  Q_OBJECT
 public:
  explicit AboutDialog(QWidget* parent);
};

}  // namespace velmora
