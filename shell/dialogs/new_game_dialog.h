#pragma once
// The New game dialog: who plays White and Black, their names, the
// computer's strength, the variant, the give-away game and the rules.

#include <QDialog>

#include "core/game/new_game.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;

namespace velmora {

class NewGameDialog : public QDialog {
  Q_OBJECT
 public:
  // `skin` is the full-size skin, for the pictures of a white and a black piece.
  NewGameDialog(const NewGameChoice& initial, const QImage& skin, QWidget* parent);

  NewGameChoice choice() const;

 signals:
  void rulesRequested();

 private:
  void typeChanged();
  void accept() override;

  QComboBox* type_[2];
  QLineEdit* name_[2];
  QGroupBox* levelBox_;
  QComboBox* level_;
  static constexpr int kExpertItem = 3;  // after the three levels
  QComboBox* moveTime_;                  // the Expert's time a move
  int rememberedLevel_ = 0;
  QComboBox* gameType_;
  QCheckBox* giveAway_;
  QCheckBox* official_;  // the federation's rules; only for the variants that have them
};

}  // namespace velmora
