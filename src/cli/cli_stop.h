#pragma once

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
};
