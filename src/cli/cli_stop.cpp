#include "cli/cli_stop.h"

#include <signal.h>

#include <array>
#include <atomic>

#include "common/signal_hold.h"

namespace {

std::atomic<bool> stopRequested{false};
constexpr std::array<int, 2> kStopSignals = {SIGINT, SIGTERM};
std::array<struct sigaction, 2> previous{};

void OnStop(int) { stopRequested.store(true); }

void InstallHandlers(std::array<struct sigaction, 2>* replaced) {
  struct sigaction action {};
  action.sa_handler = OnStop;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (size_t i = 0; i < kStopSignals.size(); ++i) {
    sigaction(kStopSignals[i], &action, replaced != nullptr ? &(*replaced)[i] : nullptr);
  }
}

}  // namespace

CommandStop::CommandStop() {
  stopRequested.store(false);
  InstallHandlers(&previous);
}

CommandStop::~CommandStop() {
  for (size_t i = 0; i < kStopSignals.size(); ++i) {
    sigaction(kStopSignals[i], &previous[i], nullptr);
  }
}

bool CommandStop::Requested() { return stopRequested.load(); }

void CommandStop::HoldDuring(const std::function<void()>& work) {
  WithSignalsHeld(kStopSignals, work, [] { InstallHandlers(nullptr); });
}
