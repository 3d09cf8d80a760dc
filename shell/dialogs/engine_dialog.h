#pragma once
// Game > Play an engine: an outside engine, a Hub program given by its
// command line or a DamExchange program at an address, as the opponent of
// a new game and, for a Hub program, as the source of hints and the score.

#include <QDialog>
#include <string>

#include "core/rules/board.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;
class QSpinBox;

namespace velmora {

struct EngineChoice {
  bool dxp = false;
  std::string command;  // the Hub program and its arguments
  std::string host;     // the DamExchange program's address
  int port = 27531;
  GameType gameType = International;
  int humanSide = 0;
  int moveTimeMs = 1000;
  bool advises = false;  // Hint and the evaluation from the Hub program
  bool play = true;      // a new game against it starts now
};

class EngineDialog : public QDialog {
  Q_OBJECT
 public:
  EngineDialog(const EngineChoice& initial, QWidget* parent);
  EngineChoice choice() const;

 signals:
  void helpRequested();

 private:
  void kindChanged();
  void accept() override;

  QRadioButton* hub_;
  QRadioButton* dxp_;
  QLineEdit* command_;
  QLineEdit* host_;
  QSpinBox* port_;
  QComboBox* gameType_;
  int hubGameType_ = -1;  // the game type chosen for a Hub program, while DamExchange is
  QComboBox* side_;
  QComboBox* moveTime_;
  QCheckBox* advises_;
  QCheckBox* play_;
};

}  // namespace velmora
