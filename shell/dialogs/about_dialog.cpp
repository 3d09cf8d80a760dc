#include "shell/dialogs/about_dialog.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/dialogs/fixed_size.h"
#include "shell/system/language.h"

namespace velmora {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(ui("About"));
  auto* layout = new QVBoxLayout(this);
  auto* text = new QLabel("<h2>Velmora</h2><p>" +
                          ui("Draughts in fourteen variants: American, Brazilian, Canadian, Crowded, Frisian, "
                             "Gothic, International, Italian, Pool checkers, Russian, Spanish, Sparse checkers, "
                             "Thai and Turkish.") +
                          "</p><p>" + ui("Version 1.0") + "</p><p>" +
                          ui("Velmora is free software: you may share and change it under the GNU General Public "
                             "License, version 3 or any later version (GPL-3.0-or-later).") +
                          "</p><p><small>" +
                          ui("It comes with no warranty, not even the implied warranty of merchantability or "
                             "fitness for a particular purpose.") +
                          "</small></p>");
  text->setWordWrap(true);
  text->setMinimumWidth(320);
  layout->addWidget(text);
  auto* ok = new QPushButton(ui("OK"));
  ok->setObjectName("id1");
  ok->setDefault(true);
  layout->addWidget(ok, 0, Qt::AlignRight);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  makeFixedSize(this);
}

}  // namespace velmora
