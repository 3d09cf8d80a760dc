#include "shell/dialogs/waiting_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMetaObject>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/platform/host.h"
#include "core/platform/translation.h"
#include "shell/dialogs/fixed_size.h"
#include "shell/system/language.h"

namespace velmora {

namespace {

// The caption's icon and close button beside its text.
constexpr int kCaptionButtonsRoom = 120;

}  // namespace

WaitingDialog::WaitingDialog(bool server, std::string ip, int port, QWidget* parent) : QDialog(parent) {
  const QString title = server ? ui("Waiting for client.") : ui("Trying connect to server.");
  setWindowTitle(title);
  // The title again as text, and room for the whole title in the caption:
  // a window manager cuts a caption wider than its window to nothing.
  auto* text = new QLabel(title);
  text->setAlignment(Qt::AlignCenter);
  text->setMinimumWidth(fontMetrics().horizontalAdvance(title) + kCaptionButtonsRoom);
  auto* cancel = new QPushButton(ui("Cancel"));
  cancel->setObjectName("id2");
  auto* column = new QVBoxLayout(this);
  column->addWidget(text);
  auto* row = new QHBoxLayout;
  row->addStretch();
  row->addWidget(cancel);
  row->addStretch();
  column->addLayout(row);
  connect(cancel, &QPushButton::clicked, this, &WaitingDialog::reject);

  worker_ = std::thread([this, server, ip = std::move(ip), port] {
    WaitResult result = WaitResult::Failed;
    if (server) {
      std::string error;
      int listener = listenOn(ip, port, error);
      if (listener >= 0) {
        listening_ = true;
        socket_ = acceptClient(listener, cancel_, kNoTimeLimit, result);
        closeSocket(listener);  // one client only
        if (socket_ < 0) error = N_("Could not accept client");
      }
      failure_ = error;
    } else {
      socket_ = connectTo(ip, port, cancel_, kNoTimeLimit, result);
      if (socket_ < 0) failure_ = N_("Could not connect to server");
    }
    if (result != WaitResult::Canceled)
      QMetaObject::invokeMethod(this, &WaitingDialog::connectionEnded, Qt::QueuedConnection);
  });
  makeFixedSize(this);
}

WaitingDialog::~WaitingDialog() {
  stopWorker();
  closeSocket(socket_);
}

void WaitingDialog::stopWorker() {
  cancel_.raise();
  if (worker_.joinable()) worker_.join();
}

void WaitingDialog::connectionEnded() {
  if (!isVisible()) return;  // cancelled meanwhile
  stopWorker();
  if (socket_ >= 0) {
    QDialog::accept();
    return;
  }
  host.messageBox(say(failure_.c_str()), MessageIcon::Information, MessageButtons::Ok);
  QDialog::reject();
}

void WaitingDialog::reject() {
  stopWorker();
  closeSocket(socket_);
  QDialog::reject();
}

int WaitingDialog::takeSocket() {
  const int fd = socket_;
  socket_ = -1;
  return fd;
}

}  // namespace velmora
