#include "shell/setup_bar.h"

#include <QComboBox>
#include <QLabel>
#include <QSignalBlocker>

#include "shell/system/language.h"

namespace velmora {

SetupBar::SetupBar(QWidget* parent) : QToolBar(ui("Set up position"), parent) {
  setObjectName("setupBar");
  setMovable(false);
  addAction(ui("Clear board"), this, &SetupBar::clearRequested)->setObjectName("setupClear");
  addAction(ui("Start position"), this, &SetupBar::startRequested)->setObjectName("setupStart");
  addSeparator();
  addWidget(new QLabel(ui(" To move: ")));
  side_ = new QComboBox;
  side_->setObjectName("setupSide");
  side_->addItems({ui("White"), ui("Black")});
  addWidget(side_);
  connect(side_, &QComboBox::currentIndexChanged, this, &SetupBar::sideChosen);
  addWidget(new QLabel(ui(" Variant: ")));
  variant_ = new QComboBox;
  variant_->setObjectName("setupVariant");
  for (GameType t = 0; t < kVariantCount; ++t) variant_->addItem(ui(gameTypeName(t)));
  addWidget(variant_);
  connect(variant_, &QComboBox::currentIndexChanged, this, [this](int i) { emit variantChosen(i); });
  QAction* flip = addAction(ui("Flip"), this, &SetupBar::flipRequested);
  flip->setObjectName("setupFlip");
  flip->setToolTip(ui("Turn the board round: White at the top or at the bottom"));
  addSeparator();
  addAction(ui("Done"), this, &SetupBar::done)->setObjectName("setupDone");
  addAction(ui("Cancel"), this, &SetupBar::cancelled)->setObjectName("setupCancel");
}

void SetupBar::show(GameType type, int sideToMove) {
  const QSignalBlocker quietSide(side_), quietVariant(variant_);
  side_->setCurrentIndex(sideToMove);
  variant_->setCurrentIndex(type);
  QToolBar::show();
}

}  // namespace velmora
