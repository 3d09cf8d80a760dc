#pragma once
// A dialog whose controls have one right size: it keeps that size and offers
// no maximise button.

#include <QDialog>
#include <QLayout>

namespace velmora {

inline void makeFixedSize(QDialog* dialog) {
  if (dialog->layout()) dialog->layout()->setSizeConstraint(QLayout::SetFixedSize);
  dialog->setWindowFlag(Qt::WindowMaximizeButtonHint, false);
  dialog->setWindowFlag(Qt::MSWindowsFixedSizeDialogHint, true);
}

}  // namespace velmora
