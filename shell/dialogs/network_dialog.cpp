#include "shell/dialogs/network_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "core/game/game_state.h"
#include "core/game/settings.h"
#include "core/net/connection_setup.h"
#include "core/net/socket.h"
#include "core/platform/host.h"
#include "core/platform/player_name.h"
#include "core/records/listing.h"
#include "core/view/appearance.h"
#include "core/view/tiles.h"
#include "shell/dialogs/fixed_size.h"
#include "shell/dialogs/waiting_dialog.h"
#include "shell/paint/renderer.h"
#include "shell/system/language.h"

namespace velmora {

namespace {

constexpr int kSideIds[2] = {1027, 1026};

// A side button's 34 x 34 picture: the side's king on a dark square inside
// a frame in the background colour, or black when the side cannot be taken.
QPixmap sidePicture(const QImage& skin, int side, bool available) {
  QImage image(34, 34, QImage::Format_RGB32);
  image.fill(Qt::black);
  if (available) {
    QPainter p(&image);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QPoint tile((King + 2 * side) * kSkinTile, kSkinTile);  // column of the king, dark squares' row
    p.drawImage(QRect(1, 1, 32, 32), skin, QRect(tile, QSize(kSkinTile, kSkinTile)));
    p.setPen(toQColor(appearance.backgroundColour));
    p.drawRect(0, 0, 33, 33);
  }
  return QPixmap::fromImage(image);
}

QGroupBox* group(const QString& title, int id = 0) {
  auto* box = new QGroupBox(title);
  if (id) box->setObjectName(QString("id%1").arg(id));
  return box;
}

}  // namespace

NetworkDialog::NetworkDialog(GameState& game, const MoveListing& listing, const QImage& skin, QWidget* parent)
    : QDialog(parent), game_(game), listing_(listing), skin_(skin) {
  setWindowTitle(ui("Network game"));

  auto* nameBox = group(ui("Name"));
  name_ = new QLineEdit(QString::fromStdString(netSettings.name));
  name_->setObjectName("id1028");
  name_->setMaxLength(kMaxNameLength);
  (new QHBoxLayout(nameBox))->addWidget(name_);

  auto* roleBox = group(ui("Start game as"));
  server_ = new QRadioButton(ui("Server"));
  server_->setObjectName("id1019");
  client_ = new QRadioButton(ui("Client"));
  client_->setObjectName("id1020");
  (netSettings.server ? server_ : client_)->setChecked(true);
  auto* roleRow = new QHBoxLayout(roleBox);
  roleRow->addWidget(server_);
  roleRow->addWidget(client_);

  auto* addressBox = group(ui("Server's address"));
  port_ = new QLineEdit(QString::number(static_cast<unsigned>(netSettings.port)));
  port_->setObjectName("id1013");
  port_->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]{0,10}"), port_));
  ip_ = new QLineEdit(QString::fromStdString(netSettings.ip));
  ip_->setObjectName("id1021");
  ip_->setMaxLength(15);
  // Four numbers of at most three digits, as an address field takes them.
  ip_->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]{0,3}(\\.[0-9]{0,3}){0,3}"), ip_));
  auto* addressGrid = new QGridLayout(addressBox);
  addressGrid->addWidget(new QLabel(ui("Port:")), 0, 0);
  addressGrid->addWidget(port_, 0, 1);
  addressGrid->addWidget(new QLabel(ui("IP:")), 1, 0);
  addressGrid->addWidget(ip_, 1, 1);

  statusBox_ = group(ui("Game status"), 1030);
  newGame_ = new QRadioButton(ui("New game"));
  newGame_->setObjectName("id1022");
  continue_ = new QRadioButton(ui("Continue current"));
  continue_->setObjectName("id1024");
  newGame_->setChecked(true);
  auto* statusColumn = new QVBoxLayout(statusBox_);
  statusColumn->addWidget(newGame_);
  statusColumn->addWidget(continue_);

  sideBox_ = group(ui("Side"), 1029);
  auto* sideRow = new QHBoxLayout(sideBox_);
  for (int side = 0; side < 2; ++side) {
    side_[side] = new QRadioButton;
    side_[side]->setObjectName(QString("id%1").arg(kSideIds[side]));
    side_[side]->setIconSize(QSize(34, 34));
    sideRow->addWidget(side_[side]);
  }
  side_[0]->setChecked(true);

  typeBox_ = group(ui("Game type"), 1032);
  gameType_ = new QComboBox;
  gameType_->setObjectName("id1031");
  for (GameType t = 0; t < kVariantCount; ++t) gameType_->addItem(ui(gameTypeName(t)));
  gameType_->setCurrentIndex(lastGame.gameType);
  giveAway_ = new QCheckBox(ui("Give away"));
  giveAway_->setObjectName("id1033");
  giveAway_->setChecked(lastGame.giveAway);
  auto* typeColumn = new QVBoxLayout(typeBox_);
  typeColumn->addWidget(gameType_);
  typeColumn->addWidget(giveAway_);
  // The exchange has no room for the federations' rules.
  auto* classicOnly = new QLabel(ui("Network games follow Velmora's classic rules."));
  classicOnly->setObjectName("classicRulesOnly");
  classicOnly->setWordWrap(true);
  typeColumn->addWidget(classicOnly);

  auto* ok = new QPushButton(ui("OK"));
  ok->setObjectName("id1");
  ok->setDefault(true);
  auto* help = new QPushButton(ui("Help"));
  help->setObjectName("id8");
  auto* cancel = new QPushButton(ui("Cancel"));
  cancel->setObjectName("id2");
  auto* buttons = new QVBoxLayout;
  buttons->addWidget(ok);
  buttons->addWidget(help);
  buttons->addSpacing(12);
  buttons->addWidget(cancel);
  buttons->addStretch();

  auto* grid = new QGridLayout;
  grid->addWidget(nameBox, 0, 0);
  grid->addWidget(roleBox, 0, 1);
  grid->addWidget(addressBox, 1, 0, 1, 2);
  grid->addWidget(statusBox_, 2, 0);
  grid->addWidget(sideBox_, 2, 1);
  grid->addWidget(typeBox_, 3, 0, 1, 2);
  auto* whole = new QHBoxLayout(this);
  whole->addLayout(grid);
  whole->addLayout(buttons);

  for (QRadioButton* b : {server_, client_, newGame_, continue_})
    connect(b, &QRadioButton::clicked, this, &NetworkDialog::updateStates);
  connect(ok, &QPushButton::clicked, this, &NetworkDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(help, &QPushButton::clicked, this, &NetworkDialog::helpRequested);
  updateStates();
  makeFixedSize(this);
}

NetworkDialog::~NetworkDialog() { closeSocket(socket_); }

void NetworkDialog::updateStates() {
  const bool canContinue = canContinueCurrent(game_, listing_);
  if (!canContinue) newGame_->setChecked(true);
  const bool client = client_->isChecked();
  statusBox_->setEnabled(canContinue && !client);
  newGame_->setEnabled(canContinue && !client);
  continue_->setEnabled(canContinue && !client);
  const bool fixedGame = continue_->isChecked() || client;
  typeBox_->setEnabled(!fixedGame);

  const SideChoice sides = sideChoice(server_->isChecked(), continue_->isChecked(), listing_);
  for (int side = 0; side < 2; ++side) {
    side_[side]->setIcon(sidePicture(skin_, side, sides.available[side]));
    side_[side]->setEnabled(sides.available[side]);
  }
  sideBox_->setEnabled(sides.groupEnabled);
  if (sides.forced >= 0) {
    // Radio buttons in one group: checking one unchecks the other.
    side_[sides.forced]->setChecked(true);
  }
}

void NetworkDialog::accept() {
  NetDialogInput input;
  input.name = name_->text().toStdString();
  input.ip = ip_->text().toStdString();
  input.portText = port_->text().toStdString();
  input.server = server_->isChecked();
  input.gameType = gameType_->currentIndex();
  input.giveAway = giveAway_->isChecked();
  if (const auto problem = takeNetDialogInput(input)) {
    host.messageBox(*problem, MessageIcon::Information, MessageButtons::Ok);
    return;
  }
  WaitingDialog waiting(server(), netSettings.ip, netSettings.port, this);
  if (waiting.exec() != QDialog::Accepted) return;  // the sockets are closed; the fields stay
  socket_ = waiting.takeSocket();
  QDialog::accept();
}

int NetworkDialog::takeSocket() {
  const int fd = socket_;
  socket_ = -1;
  return fd;
}

bool NetworkDialog::server() const { return server_->isChecked(); }

NetChoice NetworkDialog::choice() const {
  NetChoice c;
  c.continueCurrent = continue_->isChecked();
  c.gameType = gameType_->currentIndex();
  c.serverSide = side_[1]->isChecked() ? 1 : 0;
  c.giveAway = giveAway_->isChecked();
  return c;
}

std::string NetworkDialog::name() const { return networkName(name_->text().toStdString()); }

}  // namespace velmora
