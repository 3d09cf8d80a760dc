#include "shell/dialogs/save_game_dialog.h"

#include <QDate>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

#include "core/game/game_state.h"
#include "core/platform/host.h"
#include "core/records/saved_game.h"
#include "shell/dialogs/fixed_size.h"
#include "shell/system/language.h"

namespace velmora {

SaveGameDialog::SaveGameDialog(const std::string& proposedName, QWidget* parent) : QDialog(parent) {
  setWindowTitle(ui("Save game"));
  edit_ = new QLineEdit(QString::fromStdString(proposedName));
  edit_->setObjectName("id1013");
  edit_->setAccessibleName(ui("Name of the saved game"));
  edit_->setMaxLength(kMaxSaveNameLength);
  edit_->setMinimumWidth(edit_->fontMetrics().horizontalAdvance(edit_->text()) + 24);
  edit_->selectAll();  // typing replaces the proposal
  auto* ok = new QPushButton(ui("OK"));
  ok->setObjectName("id1");
  ok->setDefault(true);
  auto* cancel = new QPushButton(ui("Cancel"));
  cancel->setObjectName("id2");

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  auto* whole = new QVBoxLayout(this);
  whole->addWidget(new QLabel(ui("File name:")));
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

QString numericShortDate(const QLocale& locale, const QDate& date) {
  QString format = locale.dateFormat(QLocale::ShortFormat);
  format.replace(QRegularExpression("M{3,4}"), "MM");
  // A weekday's name has no number to stand for it.
  format.replace(QRegularExpression("d{3,4}[^dMy]*"), "");
  return locale.toString(date, format.trimmed());
}

std::optional<std::string> runSaveDialog(const GameState& game, QWidget* parent) {
  const QString date = numericShortDate(QLocale(), QDate::currentDate());
  SaveGameDialog dialog(proposedSaveName(game, date.toStdString()), parent);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.name();
}

}  // namespace velmora
