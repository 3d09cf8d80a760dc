#include "shell/dialogs/save_game_dialog.h"

#include <QDate>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/platform/host.h"
#include "core/records/saved_game.h"
#include "shell/dialogs/fixed_size.h"

namespace velmora {

SaveGameDialog::SaveGameDialog(const std::string& proposedName, QWidget* parent) : QDialog(parent) {
  setWindowTitle("Save game");
  edit_ = new QLineEdit(QString::fromStdString(proposedName));
  edit_->setObjectName("id1013");
  edit_->setMaxLength(kMaxSaveNameLength);
  edit_->setMinimumWidth(edit_->fontMetrics().horizontalAdvance(edit_->text()) + 24);
  edit_->selectAll();  // typing replaces the proposal
  auto* ok = new QPushButton("OK");
  ok->setObjectName("id1");
  ok->setDefault(true);
  auto* cancel = new QPushButton("Cancel");
  cancel->setObjectName("id2");

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  auto* whole = new QVBoxLayout(this);
  whole->addWidget(new QLabel("File name:"));
  whole->addWidget(edit_);
  whole->addLayout(buttons);
  connect(ok, &QPushButton::clicked, this, &SaveGameDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  makeFixedSize(this);
}

std::string SaveGameDialog::name() const { return edit_->text().toStdString(); }

void SaveGameDialog::accept() {
  if (const auto problem = saveNameProblem(name())) {
    host.messageBox(*problem, MessageIcon::Information, MessageButtons::Ok);
    return;
  }
  QDialog::accept();
}

std::optional<std::string> runSaveDialog(const GameState& game, QWidget* parent) {
  const QString date = QLocale().toString(QDate::currentDate(), QLocale::ShortFormat);
  SaveGameDialog dialog(proposedSaveName(game, date.toStdString()), parent);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.name();
}

}  // namespace velmora
