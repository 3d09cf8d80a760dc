#include "shell/dialogs/new_game_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/game/game_state.h"
#include "core/platform/host.h"
#include "core/platform/player_name.h"
#include "core/view/appearance.h"
#include "shell/dialogs/fixed_size.h"
#include "shell/paint/renderer.h"
#include "shell/system/language.h"

namespace velmora {

namespace {

// A 34 x 34 picture: a frame in the ink colour round a 32 x 32 copy of a tile.
QPixmap pieceBitmap(const QImage& skin, QPoint tile) {
  QImage image(34, 34, QImage::Format_RGB32);
  QPainter p(&image);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.drawImage(QRect(1, 1, 32, 32), skin, QRect(tile, QSize(64, 64)));
  p.setPen(toQColor(appearance.inkColour));
  p.drawRect(0, 0, 33, 33);
  return QPixmap::fromImage(image);
}

}  // namespace

NewGameDialog::NewGameDialog(const NewGameChoice& initial, const QImage& skin, QWidget* parent) : QDialog(parent) {
  setWindowTitle(ui("New game"));
  const int groupIds[2] = {1010, 1013}, typeIds[2] = {1011, 1014}, nameIds[2] = {1012, 1015};
  const QPoint tiles[2] = {QPoint(128, 64), QPoint(256, 64)};
  auto* grid = new QGridLayout;
  for (int side = 0; side < 2; ++side) {
    auto* group = new QGroupBox;
    group->setObjectName(QString("id%1").arg(groupIds[side]));
    auto* picture = new QLabel;
    picture->setPixmap(pieceBitmap(skin, tiles[side]));
    type_[side] = new QComboBox;
    type_[side]->setObjectName(QString("id%1").arg(typeIds[side]));
    type_[side]->addItems({ui("Computer"), ui("Human")});
    type_[side]->setCurrentIndex(initial.type[side]);
    name_[side] = new QLineEdit(QString::fromStdString(initial.name[side]));
    name_[side]->setObjectName(QString("id%1").arg(nameIds[side]));
    name_[side]->setMaxLength(kMaxNameLength);
    // A screen reader says which side a control is for; the labels say only "Type:" and "Name:".
    type_[side]->setAccessibleName(side == 0 ? ui("White player: type") : ui("Black player: type"));
    name_[side]->setAccessibleName(side == 0 ? ui("White player: name") : ui("Black player: name"));
    auto* form = new QGridLayout(group);
    form->addWidget(picture, 0, 0, 2, 1);
    form->addWidget(new QLabel(ui("Type:")), 0, 1);
    form->addWidget(type_[side], 0, 2);
    form->addWidget(new QLabel(ui("Name:")), 1, 1);
    form->addWidget(name_[side], 1, 2);
    grid->addWidget(group, 0, side);
    connect(type_[side], &QComboBox::currentIndexChanged, this, &NewGameDialog::typeChanged);
  }

  levelBox_ = new QGroupBox(ui("AI level"));
  levelBox_->setObjectName("id1016");
  level_ = new QComboBox;
  level_->setObjectName("id1017");
  level_->addItems({ui("Easy"), ui("Normal"), ui("Above normal"), ui("Expert")});
  level_->setCurrentIndex(initial.expert ? kExpertItem : initial.level);
  // The Expert's time a move; the level of the other three is remembered
  // even while the Expert is chosen.
  rememberedLevel_ = initial.level;
  moveTime_ = new QComboBox;
  moveTime_->setObjectName("expertMoveTime");
  for (int ms : kExpertMoveTimes) moveTime_->addItem(ui("%1 s").arg(shownNumber(ms / 1000.0)), ms);
  const int remembered = moveTime_->findData(initial.moveTimeMs);
  moveTime_->setCurrentIndex(remembered >= 0 ? remembered : moveTime_->findData(1000));
  auto* levelRow = new QHBoxLayout(levelBox_);
  levelRow->addWidget(level_);
  levelRow->addWidget(moveTime_);
  connect(level_, &QComboBox::currentIndexChanged, this,
          [this] { moveTime_->setEnabled(level_->currentIndex() == kExpertItem); });
  moveTime_->setEnabled(level_->currentIndex() == kExpertItem);
  grid->addWidget(levelBox_, 1, 0);

  auto* typeBox = new QGroupBox(ui("Game type"));
  typeBox->setObjectName("id1018");
  gameType_ = new QComboBox;
  gameType_->setObjectName("id1019");
  for (GameType t = 0; t < kVariantCount; ++t) gameType_->addItem(ui(gameTypeName(t)));
  gameType_->setCurrentIndex(initial.gameType);
  giveAway_ = new QCheckBox(ui("Give away"));
  giveAway_->setObjectName("id1033");
  giveAway_->setChecked(initial.giveAway);
  official_ = new QCheckBox(ui("Official rules"));
  official_->setObjectName("officialRules");
  official_->setToolTip(ui("The federation's rules of the variant instead of Velmora's classic rules"));
  official_->setChecked(initial.official);
  auto* typeGrid = new QGridLayout(typeBox);
  typeGrid->addWidget(gameType_, 0, 0);
  typeGrid->addWidget(giveAway_, 0, 1);
  typeGrid->addWidget(official_, 1, 0, 1, 2);
  grid->addWidget(typeBox, 1, 1);
  // The choice stays checked for the next variant that has such rules.
  const auto offerRules = [this] { official_->setEnabled(hasOfficialRules(gameType_->currentIndex())); };
  connect(gameType_, &QComboBox::currentIndexChanged, this, offerRules);
  offerRules();

  auto* ok = new QPushButton(ui("OK"));
  ok->setObjectName("id1");
  ok->setDefault(true);
  auto* rules = new QPushButton(ui("Rules"));
  rules->setObjectName("id8");
  auto* cancel = new QPushButton(ui("Cancel"));
  cancel->setObjectName("id2");
  auto* buttons = new QVBoxLayout;
  buttons->addWidget(ok);
  buttons->addWidget(rules);
  buttons->addSpacing(12);
  buttons->addWidget(cancel);
  buttons->addStretch();
  auto* whole = new QHBoxLayout(this);
  whole->addLayout(grid);
  whole->addLayout(buttons);
  connect(ok, &QPushButton::clicked, this, &NewGameDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(rules, &QPushButton::clicked, this, &NewGameDialog::rulesRequested);
  typeChanged();
  makeFixedSize(this);
}

NewGameChoice NewGameDialog::choice() const {
  NewGameChoice c;
  for (int side = 0; side < 2; ++side) {
    c.type[side] = type_[side]->currentIndex();
    // The computer's name as shown is the computer's name.
    const std::string name = name_[side]->text().toStdString();
    c.name[side] = name == shownName(kComputerName) ? kComputerName : name;
  }
  c.expert = level_->currentIndex() == kExpertItem;
  c.level = c.expert ? rememberedLevel_ : level_->currentIndex();
  c.moveTimeMs = moveTime_->currentData().toInt();
  c.gameType = gameType_->currentIndex();
  c.giveAway = giveAway_->isChecked();
  c.official = official_->isChecked();
  return c;
}

void NewGameDialog::typeChanged() {
  NewGameChoice c = choice();
  applyTypeRules(c);
  for (int side = 0; side < 2; ++side) {
    name_[side]->setText(QString::fromStdString(shownName(c.name[side])));
    name_[side]->setReadOnly(!nameEditable(c, side));
  }
  levelBox_->setEnabled(levelEnabled(c));
}

void NewGameDialog::accept() {
  if (const auto problem = newGameProblem(choice())) {
    host.messageBox(*problem, MessageIcon::Information, MessageButtons::Ok);
    return;
  }
  QDialog::accept();
}

}  // namespace velmora
