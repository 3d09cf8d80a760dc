#include "shell/dialogs/engine_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "core/game/new_game.h"
#include "core/game/settings.h"
#include "core/net/socket.h"
#include "core/platform/host.h"
#include "core/platform/translation.h"
#include "shell/dialogs/fixed_size.h"
#include "shell/system/language.h"

namespace velmora {

namespace {

// A path as one word of a command line: quoted where it holds a space, a
// quote in it written three times, as QProcess::splitCommand reads it back.
QString quotedWord(QString path) {
  if (!path.contains(' ') && !path.contains('"')) return path;
  return '"' + path.replace("\"", "\"\"\"") + '"';
}

}  // namespace

EngineDialog::EngineDialog(const EngineChoice& initial, QWidget* parent) : QDialog(parent) {
  setWindowTitle(ui("Play an engine"));
  auto* engineBox = new QGroupBox(ui("Engine"));
  auto* engineGrid = new QGridLayout(engineBox);
  hub_ = new QRadioButton(ui("&Hub program:"));
  hub_->setObjectName("engineHub");
  command_ = new QLineEdit(QString::fromStdString(initial.command));
  command_->setObjectName("engineCommand");
  command_->setMinimumWidth(280);
  command_->setAccessibleName(ui("The engine's program and its arguments"));
  auto* browse = new QPushButton(ui("&Browse..."));
  connect(browse, &QPushButton::clicked, this, [this] {
    const QString program = QFileDialog::getOpenFileName(this, ui("Engine program"));
    if (!program.isEmpty()) command_->setText(quotedWord(program));
  });
  dxp_ = new QRadioButton(ui("&DamExchange program at:"));
  dxp_->setObjectName("engineDxp");
  host_ = new QLineEdit(QString::fromStdString(initial.host));
  host_->setObjectName("engineHost");
  host_->setAccessibleName(ui("The DamExchange program's address"));
  port_ = new QSpinBox;
  port_->setObjectName("enginePort");
  port_->setRange(kMinPort, kMaxPort);
  port_->setValue(initial.port);
  port_->setAccessibleName(ui("Port"));
  engineGrid->addWidget(hub_, 0, 0);
  engineGrid->addWidget(command_, 0, 1, 1, 2);
  engineGrid->addWidget(browse, 0, 3);
  engineGrid->addWidget(dxp_, 1, 0);
  engineGrid->addWidget(host_, 1, 1);
  engineGrid->addWidget(new QLabel(ui("Port:")), 1, 2, Qt::AlignRight);
  engineGrid->addWidget(port_, 1, 3);
  auto* dxpNote = new QLabel(ui("DamExchange plays International draughts only, and gives no hints."));
  dxpNote->setWordWrap(true);
  engineGrid->addWidget(dxpNote, 2, 0, 1, 4);
  (initial.dxp ? dxp_ : hub_)->setChecked(true);

  auto* gameBox = new QGroupBox(ui("Game"));
  auto* gameGrid = new QGridLayout(gameBox);
  gameType_ = new QComboBox;
  gameType_->setObjectName("engineGameType");
  for (GameType t = 0; t < kVariantCount; ++t) gameType_->addItem(ui(gameTypeName(t)));
  gameType_->setCurrentIndex(initial.gameType);
  side_ = new QComboBox;
  side_->setObjectName("engineHumanSide");
  side_->addItems({ui("White"), ui("Black")});
  side_->setCurrentIndex(initial.humanSide);
  moveTime_ = new QComboBox;
  moveTime_->setObjectName("engineMoveTime");
  for (int ms : kExpertMoveTimes) moveTime_->addItem(ui("%1 s").arg(shownNumber(ms / 1000.0)), ms);
  moveTime_->setCurrentIndex(std::max(0, moveTime_->findData(initial.moveTimeMs)));
  gameGrid->addWidget(new QLabel(ui("Game type:")), 0, 0);
  gameGrid->addWidget(gameType_, 0, 1);
  gameGrid->addWidget(new QLabel(ui("You play:")), 1, 0);
  gameGrid->addWidget(side_, 1, 1);
  gameGrid->addWidget(new QLabel(ui("The engine's time a move:")), 2, 0);
  gameGrid->addWidget(moveTime_, 2, 1);
  play_ = new QCheckBox(ui("&Start a new game against it"));
  play_->setObjectName("enginePlay");
  play_->setChecked(initial.play);
  gameGrid->addWidget(play_, 3, 0, 1, 2);
  advises_ = new QCheckBox(ui("Hint and the e&valuation come from this engine"));
  advises_->setObjectName("engineAdvises");
  advises_->setChecked(initial.advises);
  gameGrid->addWidget(advises_, 4, 0, 1, 2);

  auto* ok = new QPushButton(ui("OK"));
  ok->setObjectName("id1");
  ok->setDefault(true);
  auto* help = new QPushButton(ui("Help"));
  auto* cancel = new QPushButton(ui("Cancel"));
  cancel->setObjectName("id2");
  auto* buttons = new QVBoxLayout;
  buttons->addWidget(ok);
  buttons->addWidget(help);
  buttons->addSpacing(12);
  buttons->addWidget(cancel);
  buttons->addStretch();
  auto* boxes = new QVBoxLayout;
  boxes->addWidget(engineBox);
  boxes->addWidget(gameBox);
  auto* whole = new QHBoxLayout(this);
  whole->addLayout(boxes);
  whole->addLayout(buttons);
  connect(ok, &QPushButton::clicked, this, &EngineDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(help, &QPushButton::clicked, this, &EngineDialog::helpRequested);
  connect(hub_, &QRadioButton::toggled, this, &EngineDialog::kindChanged);
  kindChanged();
  makeFixedSize(this);
}

void EngineDialog::kindChanged() {
  const bool hub = hub_->isChecked();
  command_->setEnabled(hub);
  host_->setEnabled(!hub);
  port_->setEnabled(!hub);
  advises_->setEnabled(hub);
  // The DamExchange protocol knows one game; the Hub's choice comes back.
  if (!hub) {
    hubGameType_ = gameType_->currentIndex();
    gameType_->setCurrentIndex(International);
  } else if (hubGameType_ >= 0) {
    gameType_->setCurrentIndex(hubGameType_);
  }
  gameType_->setEnabled(hub);
  play_->setEnabled(hub);
  if (!hub) play_->setChecked(true);
}

EngineChoice EngineDialog::choice() const {
  EngineChoice c;
  c.dxp = dxp_->isChecked();
  c.command = command_->text().trimmed().toStdString();
  c.host = host_->text().trimmed().toStdString();
  c.port = port_->value();
  c.gameType = static_cast<GameType>(gameType_->currentIndex());
  c.humanSide = side_->currentIndex();
  c.moveTimeMs = moveTime_->currentData().toInt();
  c.advises = !c.dxp && advises_->isChecked();
  c.play = c.dxp || play_->isChecked();
  return c;
}

void EngineDialog::accept() {
  const EngineChoice c = choice();
  if (!c.dxp && c.command.empty() && (c.play || c.advises)) {
    host.messageBox(say("Give the engine's program."), MessageIcon::Error, MessageButtons::Ok);
    command_->setFocus();
    return;
  }
  if (c.dxp && !isDottedIpv4(c.host)) {
    host.messageBox(say("Give the DamExchange program's IPv4 address, such as 192.168.1.20."), MessageIcon::Error,
                    MessageButtons::Ok);
    host_->setFocus();
    return;
  }
  QDialog::accept();
}

}  // namespace velmora
