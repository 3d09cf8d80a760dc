#include "shell/system/termination.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QSocketNotifier>
#include <csignal>

namespace velmora {

namespace {

int signalPipe[2] = {-1, -1};

// Only writing a byte is safe inside a signal handler; the event loop reads it.
void onSignal(int) {
  const char byte = 1;
  [[maybe_unused]] const auto written = ::write(signalPipe[1], &byte, 1);
}

}  // namespace

void quitOnTerminationSignals() {
  if (::pipe(signalPipe) != 0) return;
  auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, QCoreApplication::instance());
  QObject::connect(notifier, &QSocketNotifier::activated, [] {
    char byte;
    [[maybe_unused]] const auto got = ::read(signalPipe[0], &byte, 1);
    QCoreApplication::quit();
  });
  for (int sig : {SIGTERM, SIGINT, SIGHUP}) std::signal(sig, onSignal);
}

}  // namespace velmora
