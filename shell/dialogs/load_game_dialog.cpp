#include "shell/dialogs/load_game_dialog.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <cstdio>
#include <functional>

#include "core/game/game_state.h"
#include "core/game/mouse_entry.h"
#include "core/platform/host.h"
#include "core/platform/translation.h"
#include "core/records/listing.h"
#include "core/records/saved_game.h"
#include "core/view/appearance.h"
#include "shell/dialogs/fixed_size.h"
#include "shell/paint/renderer.h"
#include "shell/system/language.h"

namespace velmora {

namespace {

constexpr int kPreviewCell = 32;
// The largest board, 12 squares of 32 pixels, and a one-pixel frame round it.
constexpr int kPreviewSide = 12 * kPreviewCell + 2;
constexpr const char* kWorkDir = ".";

// A fixed-size area painted by its owner.
class PreviewArea : public QWidget {
 public:
  explicit PreviewArea(std::function<void(QPainter&)> paint) : paint_(std::move(paint)) {
    setFixedSize(kPreviewSide, kPreviewSide);
    setAttribute(Qt::WA_OpaquePaintEvent);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    paint_(painter);
  }

 private:
  std::function<void(QPainter&)> paint_;
};

}  // namespace

LoadGameDialog::LoadGameDialog(GameState& preview, const QImage& skin, QWidget* parent)
    : QDialog(parent),
      preview_(preview),
      fullSkin_(skin),
      halfSkin_(skin.scaled(skin.size() / 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)) {
  setWindowTitle(ui("Load game"));
  list_ = new QListWidget;
  list_->setObjectName("id1014");
  list_->setAccessibleName(ui("Saved games"));
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  list_->setMinimumWidth(260);
  previewArea_ = new PreviewArea([this](QPainter& p) { paintPreview(p); });
  previewArea_->setObjectName("id1011");
  ok_ = new QPushButton(ui("OK"));
  ok_->setObjectName("id1");
  ok_->setDefault(true);
  delete_ = new QPushButton(ui("Delete"));
  delete_->setObjectName("id3");
  auto* cancel = new QPushButton(ui("Cancel"));
  cancel->setObjectName("id2");

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(ok_);
  buttons->addWidget(delete_);
  buttons->addWidget(cancel);
  auto* left = new QVBoxLayout;
  left->addWidget(list_, 1);
  left->addLayout(buttons);
  auto* whole = new QHBoxLayout(this);
  whole->addLayout(left);
  whole->addWidget(previewArea_);

  // Selection, not the current item: a list gaining focus makes its first
  // line current without choosing it.
  connect(list_, &QListWidget::itemSelectionChanged, this, &LoadGameDialog::selectionChanged);
  connect(list_, &QListWidget::itemDoubleClicked, this, [this] {
    if (ok_->isEnabled()) accept();
  });
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  connect(delete_, &QPushButton::clicked, this, &LoadGameDialog::deleteSelected);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  fillList();
  makeFixedSize(this);
}

void LoadGameDialog::fillList() {
  const QSignalBlocker quiet(list_);
  list_->clear();
  statusText_ = ui("File not selected");
  for (const std::string& name : listSavedGames(kWorkDir)) list_->addItem(QString::fromStdString(name));
  list_->setCurrentRow(-1);
  updateButtons();
  previewArea_->update();
}

void LoadGameDialog::updateButtons() {
  bool enabled = true;
  if (list_->count() == 0) {
    enabled = false;
    statusText_ = ui("File not found");
  } else if (!statusText_.isEmpty() && list_->selectedItems().isEmpty()) {
    enabled = false;
  }
  ok_->setEnabled(enabled);
  delete_->setEnabled(enabled);
}

void LoadGameDialog::selectionChanged() {
  const QList<QListWidgetItem*> selected = list_->selectedItems();
  if (selected.isEmpty()) return;
  const std::string path = savedGamesFolder(kWorkDir) + "/" + selected.front()->text().toStdString();
  loadGameFile(preview_, path);
  // The marks of the last line of its listing: the last move, no piece picked up.
  MoveListing listing;
  refreshListing(listing, preview_, preview_.plyCount);
  clearSelection(preview_);
  computeMoveHints(preview_, listing, false);
  computeLastMoveMarks(preview_, listing, appearance.showLastMove != 0);
  statusText_.clear();
  updateButtons();
  previewArea_->update();
}

void LoadGameDialog::deleteSelected() {
  const QList<QListWidgetItem*> selected = list_->selectedItems();
  if (selected.isEmpty()) return;
  const std::string name = selected.front()->text().toStdString();
  const std::string path = savedGamesFolder(kWorkDir) + "/" + name;
  // A deleted game cannot be had back: ask first, No by default.
  if (!host.messageBox(fillIn(say("Delete the saved game %1?"), name), MessageIcon::Question,
                       MessageButtons::YesNoDefaultNo))
    return;
  if (std::remove(path.c_str()) == 0)
    fillList();
  else
    host.messageBox(say("Error delete file"), MessageIcon::Error, MessageButtons::Ok);
  updateButtons();
}

void LoadGameDialog::paintPreview(QPainter& p) {
  const QRect area(0, 0, kPreviewSide, kPreviewSide);
  p.fillRect(area, toQColor(appearance.backgroundColour));
  if (!statusText_.isEmpty()) {
    p.setFont(boardFont(appearance));
    p.setPen(toQColor(appearance.inkColour));
    p.drawText(area, Qt::AlignCenter | Qt::TextSingleLine, statusText_);
    return;
  }
  // A smaller board sits in the middle, the frame round it filled.
  const int frame = (12 - preview_.boardSize) * kPreviewCell / 2 + 1;
  // On a high-density screen the whole skin gives the small squares their full sharpness.
  const QImage& tiles = p.device()->devicePixelRatioF() > 1.0 ? fullSkin_ : halfSkin_;
  drawBoard(p, preview_, kPreviewCell, tiles, frame, frame, appearance, false, QPoint());
}

}  // namespace velmora
