#pragma once
// The Network game dialog: name, role, port and address, and for the server
// the game (new or the current one, its side, variant and give-away). OK
// checks the fields and waits for the connection.

#include <QDialog>

#include "core/net/protocol.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QRadioButton;

namespace velmora {

struct GameState;
struct MoveListing;

class NetworkDialog : public QDialog {
  Q_OBJECT
 public:
  // `skin` is the full-size skin, for the kings on the side buttons.
  NetworkDialog(GameState& game, const MoveListing& listing, const QImage& skin, QWidget* parent);
  ~NetworkDialog() override;

  // After Accepted: the connected socket, now the caller's, and the choices.
  int takeSocket();
  bool server() const;
  NetChoice choice() const;
  std::string name() const;

 signals:
  void helpRequested();

 private:
  void updateStates();
  void accept() override;

  GameState& game_;
  const MoveListing& listing_;
  QImage skin_;
  QLineEdit* name_;
  QRadioButton* server_;
  QRadioButton* client_;
  QLineEdit* port_;
  QLineEdit* ip_;
  QGroupBox* statusBox_;
  QRadioButton* newGame_;
  QRadioButton* continue_;
  QGroupBox* sideBox_;
  QRadioButton* side_[2];
  QGroupBox* typeBox_;
  QComboBox* gameType_;
  QCheckBox* giveAway_;
  int socket_ = -1;
};

}  // namespace velmora
