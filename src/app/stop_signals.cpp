#include "app/stop_signals.h"

#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <array>

#include "common/signal_hold.h"

namespace {

// Written by the handler, read by the notifier; one pair per process.
std::array<int, 2> pipeEnds = {-1, -1};
bool handlersInstalled = false;

constexpr std::array<int, 3> kStopSignals = {SIGTERM, SIGINT, SIGHUP};

void OnStopSignal(int signalNumber) {
  const unsigned char byte = static_cast<unsigned char>(signalNumber);
  // Only async-signal-safe calls here; a full pipe already holds a pending stop.
  [[maybe_unused]] const ssize_t written = ::write(pipeEnds[0], &byte, 1);
}

bool InstallHandlers() {
  struct sigaction action {};
  action.sa_handler = OnStopSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (const int signalNumber : kStopSignals) {
    if (sigaction(signalNumber, &action, nullptr) != 0) return false;
  }
  return true;
}

void RestoreDefaults() {
  for (const int signalNumber : kStopSignals) signal(signalNumber, SIG_DFL);
}

}  // namespace

StopSignals::StopSignals(QObject* parent) : QObject(parent) {
  if (pipeEnds[0] < 0 &&
      ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, pipeEnds.data()) != 0) {
    return;
  }
  if (!InstallHandlers()) {
    RestoreDefaults();
    return;
  }
  handlersInstalled = true;
  notifier_ = new QSocketNotifier(pipeEnds[1], QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, &StopSignals::OnReadable);
}

StopSignals::~StopSignals() {
  if (notifier_ == nullptr) return;
  handlersInstalled = false;
  RestoreDefaults();
}

void StopSignals::HoldWhile(const std::function<void()>& work) {
  WithSignalsHeld(kStopSignals, work, [] {
    if (handlersInstalled) InstallHandlers();
  });
}

void StopSignals::OnReadable() {
  unsigned char byte = 0;
  if (::read(pipeEnds[1], &byte, 1) == 1) emit StopRequested(byte);
}
