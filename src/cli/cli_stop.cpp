#include "cli/cli_stop.h"

#include <signal.h>

#include <array>
#include <atomic>

namespace {

std::atomic<bool> stopRequested{false};
constexpr std::array<int, 2> kStopSignals = {SIGINT, SIGTERM};
std::array<struct sigaction, 2> previous{};

void OnStop(int) { stopRequested.store(true); }

}  // namespace

CommandStop::CommandStop() {
  stopRequested.store(false);
  struct sigaction action {};
  action.sa_handler = OnStop;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (size_t i = 0; i < kStopSignals.size(); ++i) {
    sigaction(kStopSignals[i], &action, &previous[i]);
  }
}

CommandStop::~CommandStop() {
  for (size_t i = 0; i < kStopSignals.size(); ++i) {
    sigaction(kStopSignals[i], &previous[i], nullptr);
  }
}

bool CommandStop::Requested() { return stopRequested.load(); }
