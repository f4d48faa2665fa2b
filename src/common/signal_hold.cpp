#include "common/signal_hold.h"

#include <pthread.h>
#include <signal.h>

void WithSignalsHeld(std::span<const int> numbers, const std::function<void()>& work,
                     const std::function<void()>& beforeRelease) {
  sigset_t held;
  sigset_t previous;
  sigemptyset(&held);
  for (const int signalNumber : numbers) sigaddset(&held, signalNumber);
  pthread_sigmask(SIG_BLOCK, &held, &previous);
  work();
  if (beforeRelease) beforeRelease();
  pthread_sigmask(SIG_SETMASK, &previous, nullptr);
}
