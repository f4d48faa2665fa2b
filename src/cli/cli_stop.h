#pragma once

#include <functional>

// Ctrl-C (SIGINT) or SIGTERM during a command: the handler only marks the stop, and the
// command looks at the mark after each file it writes, so no file is left half written.
// While an object lives its handlers are set; the previous ones come back afterwards.
class CommandStop {
 public:
  CommandStop();
  ~CommandStop();
  CommandStop(const CommandStop&) = delete;
  CommandStop& operator=(const CommandStop&) = delete;

  [[nodiscard]] static bool Requested();

  // Runs work that sets handlers of its own (the embedded server's start puts the default
  // ones back) with the stop signals held; ours are set again before a held one arrives.
  static void HoldDuring(const std::function<void()>& work);
};
