#include "shell/dialogs/sound_dialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>

#include "core/platform/host.h"
#include "core/platform/text.h"
#include "core/platform/translation.h"
#include "core/platform/wave.h"
#include "shell/dialogs/fixed_size.h"
#include "shell/system/audio_output.h"
#include "shell/system/language.h"

namespace velmora {

namespace {
enum Column { CheckColumn = 0, EventColumn = 1, FileColumn = 2 };

// The settings keep a file as it was written (".\\Sound\\Capture.wav" by
// default); the row shows where that is on this system and keeps the
// written text, so OK without a change writes it back unchanged.
void setFile(QTreeWidgetItem* row, const std::string& file) {
  row->setData(FileColumn, Qt::UserRole, QString::fromStdString(file));
  row->setText(FileColumn, QDir::cleanPath(QFileInfo(QString::fromStdString(nativePath(file))).absoluteFilePath()));
}

std::string fileOf(const QTreeWidgetItem* row) { return row->data(FileColumn, Qt::UserRole).toString().toStdString(); }
}  // namespace

SoundDialog::SoundDialog(SoundEventTable& table, QWidget* parent)
    : QDialog(parent), table_(table), list_(new QTreeWidget) {
  setWindowTitle(ui("Sound settings"));
  list_->setObjectName("id1014");
  list_->setAccessibleName(ui("Sound events"));
  list_->setColumnCount(3);
  list_->setHeaderLabels({"", ui("Event"), ui("File name")});
  list_->setRootIsDecorated(false);
  list_->setUniformRowHeights(true);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->setSelectionBehavior(QAbstractItemView::SelectRows);
  list_->setAllColumnsShowFocus(true);
  list_->header()->setStretchLastSection(false);
  list_->header()->setSectionsMovable(false);
  const int widths[3] = {30, 100, 360};
  for (int c = 0; c < 3; ++c) list_->setColumnWidth(c, widths[c]);
  // Grid lines between the cells.
  list_->setStyleSheet("QTreeView::item { border-right: 1px solid #d4d4d4; border-bottom: 1px solid #d4d4d4; }");
  for (const SoundEvent& e : table_) {
    auto* row = new QTreeWidgetItem(list_);
    row->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    row->setCheckState(CheckColumn, e.enabled ? Qt::Checked : Qt::Unchecked);
    row->setText(EventColumn, ui(e.name.c_str()));
    setFile(row, e.file);
  }
  const int rowsHeight = list_->sizeHintForRow(0) * (kSoundEventCount + 1) + list_->header()->sizeHint().height();
  list_->setFixedSize(30 + 100 + 360 + 2 * list_->frameWidth() + 4, rowsHeight + 2 * list_->frameWidth());

  const auto button = [this](int id, const QString& text) {
    auto* b = new QPushButton(text);
    b->setObjectName(QString("id%1").arg(id));
    b->setAutoDefault(false);
    return b;
  };
  QPushButton* ok = button(1, ui("OK"));
  ok->setDefault(true);
  QPushButton* setDefault = button(3, ui("Set default"));
  QPushButton* play = button(4, ui("Play"));
  QPushButton* select = button(5, ui("Select..."));
  QPushButton* setAll = button(6, ui("Set all"));
  QPushButton* resetAll = button(7, ui("Reset all"));
  QPushButton* cancel = button(2, ui("Cancel"));

  auto* layout = new QGridLayout(this);
  layout->addWidget(list_, 0, 0, 8, 1, Qt::AlignTop);
  int row = 0;
  for (QPushButton* b : {ok, setDefault, play, select, setAll, resetAll}) layout->addWidget(b, row++, 1);
  layout->setRowStretch(row++, 1);
  layout->addWidget(cancel, row, 1);

  connect(ok, &QPushButton::clicked, this, &SoundDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(setDefault, &QPushButton::clicked, this, [this] {
    for (int i = 0; i < kSoundEventCount; ++i) {
      QTreeWidgetItem* r = list_->topLevelItem(i);
      setFile(r, defaultSoundPath(i));
      r->setCheckState(CheckColumn, Qt::Checked);
    }
  });
  // The file plays whether or not its row is checked, and nothing waits for it.
  connect(play, &QPushButton::clicked, this, [this] {
    if (QTreeWidgetItem* r = selectedRow()) playWaveFileInBackground(fileOf(r));
  });
  connect(select, &QPushButton::clicked, this, &SoundDialog::selectFile);
  connect(setAll, &QPushButton::clicked, this, [this] { setEveryRowChecked(true); });
  connect(resetAll, &QPushButton::clicked, this, [this] { setEveryRowChecked(false); });
  makeFixedSize(this);
}

QTreeWidgetItem* SoundDialog::selectedRow() {
  const QList<QTreeWidgetItem*> selected = list_->selectedItems();
  if (selected.isEmpty()) {
    host.messageBox(say("Please select a line in list box."), MessageIcon::Information, MessageButtons::Ok);
    return nullptr;
  }
  return selected.first();
}

void SoundDialog::setEveryRowChecked(bool checked) {
  for (int i = 0; i < list_->topLevelItemCount(); ++i)
    list_->topLevelItem(i)->setCheckState(CheckColumn, checked ? Qt::Checked : Qt::Unchecked);
}

void SoundDialog::selectFile() {
  QTreeWidgetItem* row = selectedRow();
  if (!row) return;
  QFileDialog dialog(this, ui("Please select a wave file"));
  dialog.setObjectName("waveFileDialog");
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setNameFilter(ui("Wave file (*.wav)"));
  dialog.setOption(QFileDialog::ReadOnly, false);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
  setFile(row, dialog.selectedFiles().first().toStdString());
}

void SoundDialog::accept() {
  for (int i = 0; i < kSoundEventCount; ++i) {
    const QTreeWidgetItem* r = list_->topLevelItem(i);
    SoundEvent& e = table_[static_cast<size_t>(i)];
    e.enabled = r->checkState(CheckColumn) == Qt::Checked ? 1 : 0;
    e.file = cutUtf8(fileOf(r), kSoundPathLimit - 1);
  }
  QDialog::accept();
}

}  // namespace velmora
