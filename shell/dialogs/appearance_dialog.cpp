#include "shell/dialogs/appearance_dialog.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>
#include <random>

#include "core/game/game_state.h"
#include "core/game/help.h"
#include "core/game/mouse_entry.h"
#include "core/platform/text.h"
#include "core/platform/translation.h"
#include "core/records/listing.h"
#include "core/rules/generate.h"
#include "core/view/tiles.h"
#include "shell/dialogs/fixed_size.h"
#include "shell/dialogs/font_dialog.h"
#include "shell/paint/renderer.h"
#include "shell/paint/skins.h"
#include "shell/system/language.h"

namespace velmora {

namespace {

constexpr int kPreviewTile = kSkinTile / 2;
constexpr int kPreviewSide = 12 * kPreviewTile + 2;  // the largest board and a pixel round it
constexpr Colour kCustomColours[16] = {0x0000FF, 0x0080FF, 0x00FFFF, 0x00FF80, 0x00FF00, 0x80FF00, 0xFFFF00, 0xFF8000,
                                       0xFF0000, 0xFF0080, 0xFF00FF, 0x8000FF, 0x646464, 0x969696, 0xAFAFAF, 0xC8C8C8};
constexpr int kFirstUserSkin = kBuiltInSkinCount;

// The scale buttons run from the smallest squares up.
int squareSizeOfButton(int button) { return kSquareSizes[kSquareSizeCount - 1 - button].pixels; }

class Preview : public QWidget {
 public:
  explicit Preview(const AppearanceDialog* dialog) : dialog_(dialog) {
    setObjectName("id1011");
    setFixedSize(kPreviewSide, kPreviewSide);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    dialog_->drawPreview(p, QPoint(0, 0));
  }

 private:
  const AppearanceDialog* dialog_;
};

// The average colour of one tile of a skin with tiles of 32.
Colour averageOfTile(const QImage& skin, int column, int row) {
  long sum[3] = {0, 0, 0};
  for (int y = 0; y < kPreviewTile; ++y)
    for (int x = 0; x < kPreviewTile; ++x) {
      const QRgb c = skin.pixel(column * kPreviewTile + x, row * kPreviewTile + y);
      sum[0] += qRed(c);
      sum[1] += qGreen(c);
      sum[2] += qBlue(c);
    }
  const int n = kPreviewTile * kPreviewTile;
  return makeColour(static_cast<int>(sum[0] / n), static_cast<int>(sum[1] / n), static_cast<int>(sum[2] / n));
}

}  // namespace

AppearanceDialog::AppearanceDialog(const GameState& game, const MoveListing& listing, QWidget* parent)
    : QDialog(parent), scratch_(std::make_unique<GameState>(game)), listing_(std::make_unique<MoveListing>(listing)) {
  setWindowTitle(ui("Appearance"));
  const auto idOf = [](QWidget* w, int id) {
    w->setObjectName(QString("id%1").arg(id));
    return w;
  };

  auto* showBox = new QGroupBox(ui("Show"));
  auto* showLayout = new QVBoxLayout(showBox);
  // The last two are Velmora's own: beside the coordinates the squares'
  // numbers, and moves that glide.
  const char* showTexts[kShowFlags] = {N_("AI progress"),  N_("Coordinates"),    N_("Last move"),    N_("Legal moves"),
                                       N_("White on top"), N_("Square numbers"), N_("Sliding moves")};
  const int showIds[kShowFlags] = {1000, 1001, 1002, 1003, 1005, 1100, 1101};
  for (int i = 0; i < kShowFlags; ++i) {
    show_[i] = new QCheckBox(ui(showTexts[i]));
    idOf(show_[i], showIds[i]);
    showLayout->addWidget(show_[i]);
  }

  auto* scaleBox = new QGroupBox(ui("Scale of board"));
  auto* scaleLayout = new QVBoxLayout(scaleBox);
  const double scales[kSquareSizeCount] = {75, 87.5, 100};
  for (int i = 0; i < kSquareSizeCount; ++i) {
    scale_[i] = new QRadioButton(ui("%1 %").arg(shownNumber(scales[i])));
    idOf(scale_[i], 1007 + i);
    scaleLayout->addWidget(scale_[i]);
  }
  // The larger boards, smallest first, then the board that follows the window.
  for (int i = 0; i < kLargeScaleButtons; ++i) {
    const bool fit = i == kLargeSquareSizeCount;
    const int percent = fit ? kFitToWindow : kLargeSquareSizes[kLargeSquareSizeCount - 1 - i].percent;
    largeScale_[i] = new QRadioButton(fit ? ui("Fit to window") : ui("%1 %").arg(shownNumber(percent)));
    largeScale_[i]->setObjectName(fit ? QString("boardScaleFit") : QString("boardScale%1").arg(percent));
    largeScale_[i]->setProperty("percent", percent);
    scaleLayout->addWidget(largeScale_[i]);
  }
  scaleLayout->addStretch();

  auto* colourBox = new QGroupBox(ui("Color"));
  auto* colourLayout = new QGridLayout(colourBox);
  background_ = new QPushButton;
  ink_ = new QPushButton;
  idOf(background_, 3);
  idOf(ink_, 4);
  for (QPushButton* b : {background_, ink_}) {
    b->setFixedSize(48, 22);
    b->setIconSize(QSize(40, 14));
    b->setAutoDefault(false);
  }
  auto* pick = new QPushButton(ui("Pick from skin"));
  idOf(pick, 5);
  pick->setAutoDefault(false);
  colourLayout->addWidget(new QLabel(ui("Background:")), 0, 0);
  colourLayout->addWidget(background_, 0, 1);
  colourLayout->addWidget(new QLabel(ui("Ink:")), 1, 0);
  colourLayout->addWidget(ink_, 1, 1);
  colourLayout->addWidget(pick, 2, 0, 1, 2);

  auto* fontBox = new QGroupBox(ui("Font"));
  auto* fontLayout = new QHBoxLayout(fontBox);
  auto* selectFont = new QPushButton(ui("Select"));
  idOf(selectFont, 9);
  selectFont->setAutoDefault(false);
  fontFace_ = new QLabel;
  idOf(fontFace_, 1035);
  QFont bold = fontFace_->font();
  bold.setBold(true);
  fontFace_->setFont(bold);
  fontLayout->addWidget(selectFont);
  fontLayout->addWidget(fontFace_, 1);

  auto* dragBox = new QGroupBox(ui("Dragging piece"));
  auto* dragLayout = new QGridLayout(dragBox);
  dragShow_ = new QCheckBox(ui("Show"));
  dragShadow_ = new QCheckBox(ui("Drop shadow"));
  idOf(dragShow_, 1006);
  idOf(dragShadow_, 1012);
  opacity_ = new QSlider(Qt::Horizontal);
  idOf(opacity_, 1037);
  opacity_->setRange(kMinDragOpacity, kMaxDragOpacity);
  opacity_->setPageStep(5);
  opacity_->setTickInterval(5);
  opacity_->setTickPosition(QSlider::TicksBelow);
  const char* opacityTexts[3] = {"50%", N_("Opaque"), "100%"};
  const int opacityIds[3] = {1039, 1038, 1040};
  const Qt::Alignment opacityAligns[3] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
  auto* opacityRow = new QHBoxLayout;
  for (int i = 0; i < 3; ++i) {
    opacityLabels_[i] = new QLabel(ui(opacityTexts[i]));
    idOf(opacityLabels_[i], opacityIds[i]);
    opacityLabels_[i]->setAlignment(opacityAligns[i]);
    opacityRow->addWidget(opacityLabels_[i], 1);
  }
  dragLayout->addWidget(dragShow_, 0, 0);
  dragLayout->addWidget(dragShadow_, 1, 0);
  dragLayout->addLayout(opacityRow, 0, 1);
  dragLayout->addWidget(opacity_, 1, 1);
  dragLayout->setColumnStretch(1, 1);

  skins_ = new QListWidget;
  idOf(skins_, 1010);
  skins_->setAccessibleName(ui("Skins"));
  skins_->setFixedWidth(150);
  preview_ = new Preview(this);

  auto* buttons = new QHBoxLayout;
  const auto button = [&](int id, const QString& text) {
    auto* b = new QPushButton(text);
    idOf(b, id);
    b->setAutoDefault(false);
    buttons->addWidget(b);
    return b;
  };
  buttons->addStretch();
  QPushButton* ok = button(1, ui("OK"));
  ok->setDefault(true);
  QPushButton* applyButton = button(6, ui("Apply"));
  QPushButton* setDefault = button(7, ui("Set to default"));
  QPushButton* help = button(8, ui("Help"));
  QPushButton* cancel = button(2, ui("Cancel"));

  auto* top = new QHBoxLayout;
  top->addWidget(showBox);
  top->addWidget(scaleBox);
  top->addWidget(colourBox);
  auto* middle = new QHBoxLayout;
  middle->addWidget(fontBox, 1);
  middle->addWidget(dragBox, 1);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(skins_);
  bottom->addWidget(preview_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addLayout(middle);
  layout->addLayout(bottom);
  layout->addLayout(buttons);

  setControls(appearance);
  fillSkinList();
  selectCurrentSkin();
  loadPreviewSkin();
  dragControlsFollowShow();

  // The preview shows a piece that can move, picked up: the game's own, or
  // one chosen at random.
  GameState& s = *scratch_;
  if (!findSelectedPiece(s)) {
    generateMoves(s.legalMoves, s, listing.sideToMove());
    if (s.moveCount > 0) {
      static std::mt19937 random(std::random_device{}());
      const MoveRecord& m = s.legalMoves[random() % static_cast<unsigned>(s.moveCount)];
      s.marks[m.fromY][m.fromX].selected = 1;
    }
  }

  for (QCheckBox* box : show_) connect(box, &QCheckBox::toggled, preview_, qOverload<>(&QWidget::update));
  for (QRadioButton* radio : scale_) connect(radio, &QRadioButton::toggled, preview_, qOverload<>(&QWidget::update));
  for (QRadioButton* radio : largeScale_)
    connect(radio, &QRadioButton::toggled, preview_, qOverload<>(&QWidget::update));
  connect(dragShadow_, &QCheckBox::toggled, preview_, qOverload<>(&QWidget::update));
  connect(dragShow_, &QCheckBox::toggled, this, [this] {
    dragControlsFollowShow();
    preview_->update();
  });
  connect(opacity_, &QSlider::sliderReleased, preview_, qOverload<>(&QWidget::update));
  // Keys and page clicks move the thumb without a release.
  connect(opacity_, &QSlider::valueChanged, this, [this] {
    if (!opacity_->isSliderDown()) preview_->update();
  });
  connect(skins_, &QListWidget::currentRowChanged, this, [this] { loadPreviewSkin(); });
  connect(background_, &QPushButton::clicked, this, [this] { chooseColour(background_); });
  connect(ink_, &QPushButton::clicked, this, [this] { chooseColour(ink_); });
  connect(pick, &QPushButton::clicked, this, &AppearanceDialog::pickColoursFromSkin);
  connect(selectFont, &QPushButton::clicked, this, [this] {
    FontDialog chooser(fontFace_->text(), this);
    if (chooser.exec() == QDialog::Accepted) fontFace_->setText(chooser.face());
  });
  connect(ok, &QPushButton::clicked, this, [this] {
    apply();
    accept();
  });
  connect(applyButton, &QPushButton::clicked, this, &AppearanceDialog::apply);
  connect(setDefault, &QPushButton::clicked, this, [this] {
    setControls(defaultAppearance);
    skins_->setCurrentRow(defaultAppearance.skinNumber);
    loadPreviewSkin();
  });
  connect(help, &QPushButton::clicked, this, [] { openHelp(HelpAppearance); });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  makeFixedSize(this);
}

AppearanceDialog::~AppearanceDialog() = default;

void AppearanceDialog::setControls(const AppearanceSettings& a) {
  const std::int32_t flags[kShowFlags] = {a.showAiProgress, a.showCoordinates,   a.showLastMove, a.showLegalMoves,
                                          a.whiteOnTop,     a.showSquareNumbers, a.slideMoves};
  for (int i = 0; i < kShowFlags; ++i) show_[i]->setChecked(flags[i] != 0);
  dragShow_->setChecked(a.dragShow != 0);
  dragShadow_->setChecked(a.dragShadow != 0);
  int button = 0;  // a size that is none of them shows as the smallest
  for (int i = 0; i < kSquareSizeCount; ++i)
    if (squareSizeOfButton(i) == a.cellSize) button = i;
  scale_[button]->setChecked(true);
  for (QRadioButton* large : largeScale_)
    if (a.boardScale != 0 && large->property("percent").toInt() == a.boardScale) large->setChecked(true);
  fontFace_->setText(QString::fromStdString(a.fontFace));
  setButtonColour(background_, a.backgroundColour);
  setButtonColour(ink_, a.inkColour);
  opacity_->setValue(a.dragOpacity);
  dragControlsFollowShow();
}

void AppearanceDialog::readControls(AppearanceSettings& a) const {
  const int i = skins_->currentRow();
  if (i >= kFirstUserSkin) {
    a.skinName = skins_->item(i)->text().toStdString();
  } else {
    a.skinNumber = std::max(0, i);
    a.skinName.clear();
  }
  std::int32_t* flags[kShowFlags] = {&a.showAiProgress, &a.showCoordinates,   &a.showLastMove, &a.showLegalMoves,
                                     &a.whiteOnTop,     &a.showSquareNumbers, &a.slideMoves};
  for (int k = 0; k < kShowFlags; ++k) *flags[k] = show_[k]->isChecked() ? 1 : 0;
  a.dragShow = dragShow_->isChecked() ? DragFollows : DragStays;
  a.dragShadow = dragShadow_->isChecked() ? 1 : 0;
  a.cellSize = kSquareSizes[0].pixels;  // under a larger scale, what older copies read
  for (int button = 0; button < kSquareSizeCount; ++button)
    if (scale_[button]->isChecked()) a.cellSize = squareSizeOfButton(button);
  a.boardScale = 0;
  for (QRadioButton* large : largeScale_)
    if (large->isChecked()) a.boardScale = large->property("percent").toInt();
  a.fontFace = cutUtf8(fontFace_->text().toStdString(), kFontFaceBuffer - 1);
  a.backgroundColour = background_->property("colour").toUInt();
  a.inkColour = ink_->property("colour").toUInt();
  a.dragOpacity = opacity_->value();
}

void AppearanceDialog::fillSkinList() {
  for (const char* name : kBuiltInSkinNames) skins_->addItem(ui(name));
  // Only a file that reads as a skin is offered.
  const QDir folder("SKIN");
  for (const QFileInfo& file : folder.entryInfoList({"*.bmp"}, QDir::Files, QDir::Name | QDir::IgnoreCase))
    if (!readUserSkin(file.filePath()).isNull()) skins_->addItem(file.fileName().chopped(4));
}

void AppearanceDialog::selectCurrentSkin() {
  int row = appearance.skinNumber;
  if (!appearance.skinName.empty()) {
    row = 0;
    for (int i = kFirstUserSkin; i < skins_->count(); ++i)
      if (skins_->item(i)->text().toStdString() == appearance.skinName) {
        row = i;
        break;
      }
  }
  skins_->setCurrentRow(std::clamp(row, 0, skins_->count() - 1));
}

void AppearanceDialog::loadPreviewSkin() {
  const int i = std::max(0, skins_->currentRow());
  const QString name = i >= kFirstUserSkin ? skins_->item(i)->text() : QString();
  previewSkin_ =
      loadSkin(name, i).scaled(kSkinWidth / 2, kSkinHeight / 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  update();
  preview_->update();
}

void AppearanceDialog::drawPreview(QPainter& p, QPoint topLeft) const {
  AppearanceSettings shown = appearance;
  readControls(shown);
  shown.dragShow = dragShow_->isChecked() ? DragPreviewCentre : DragStays;
  const int n = scratch_->boardSize;
  // The board is centred in the square; the bands round it take the background.
  const int k = (12 - n) * kPreviewTile / 2 + 1;
  const QColor background = toQColor(shown.backgroundColour);
  p.fillRect(QRect(topLeft, QSize(kPreviewSide, k)), background);
  p.fillRect(QRect(topLeft, QSize(k, kPreviewSide)), background);
  p.fillRect(QRect(topLeft + QPoint(0, kPreviewSide - k), QSize(kPreviewSide, k)), background);
  p.fillRect(QRect(topLeft + QPoint(kPreviewSide - k, 0), QSize(k, kPreviewSide)), background);
  // The hints and last-move marks follow the check boxes.
  GameState& s = *scratch_;
  computeMoveHints(s, *listing_, shown.showLegalMoves != 0);
  computeLastMoveMarks(s, *listing_, shown.showLastMove != 0);
  drawBoard(p, s, kPreviewTile, previewSkin_, topLeft.x() + 1, topLeft.y() + 1, shown, true, QPoint());
}

void AppearanceDialog::pickColoursFromSkin() {
  const Colour dark = averageOfTile(previewSkin_, 0, 1), light = averageOfTile(previewSkin_, 0, 4);
  const auto darker = [](int a) { return a - a / 10; };
  const auto lighter = [](int a) { return std::min(255, a + a / 5); };
  setButtonColour(background_,
                  makeColour(darker(colourRed(dark)), darker(colourGreen(dark)), darker(colourBlue(dark))));
  setButtonColour(ink_, makeColour(lighter(colourRed(light)), lighter(colourGreen(light)), lighter(colourBlue(light))));
  preview_->update();
}

void AppearanceDialog::chooseColour(QPushButton* button) {
  for (int i = 0; i < 16; ++i) QColorDialog::setCustomColor(i, toQColor(kCustomColours[i]));
  QColorDialog dialog(toQColor(button->property("colour").toUInt()), this);
  dialog.setOption(QColorDialog::DontUseNativeDialog);
  if (dialog.exec() != QDialog::Accepted) return;
  const QColor c = dialog.selectedColor();
  setButtonColour(button, makeColour(c.red(), c.green(), c.blue()));
  preview_->update();
}

void AppearanceDialog::setButtonColour(QPushButton* button, Colour colour) {
  button->setProperty("colour", static_cast<uint>(colour));
  QPixmap swatch(button->iconSize());
  swatch.fill(toQColor(colour));
  button->setIcon(QIcon(swatch));
}

void AppearanceDialog::dragControlsFollowShow() {
  const bool on = dragShow_->isChecked();
  dragShadow_->setEnabled(on);
  opacity_->setEnabled(on);
  for (QLabel* label : opacityLabels_) label->setEnabled(on);
}

void AppearanceDialog::apply() {
  readControls(appearance);
  emit applied();
  preview_->update();
}

}  // namespace velmora
