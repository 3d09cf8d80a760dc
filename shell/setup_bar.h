#pragma once
// The bar shown while a position is set up on the board: clear, the
// variant's start, the side to move, the variant, flip, Done and Cancel.

#include <QToolBar>

#include "core/rules/board.h"

class QComboBox;

namespace velmora {

class SetupBar : public QToolBar {
  Q_OBJECT
 public:
  explicit SetupBar(QWidget* parent = nullptr);

  // Shows the variant and side of the position being set up.
  void show(GameType type, int sideToMove);

 signals:
  void clearRequested();
  void startRequested();
  void sideChosen(int side);
  void variantChosen(GameType type);
  void flipRequested();
  void done();
  void cancelled();

 private:
  QComboBox* side_;
  QComboBox* variant_;
};

}  // namespace velmora
