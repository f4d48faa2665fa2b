#pragma once

// Shows the wait cursor for its lifetime (or until Release), as long as a GUI
// application exists; a no-op in programs without one.
class WaitCursor {
 public:
  WaitCursor();
  ~WaitCursor();
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;

  void Release();

 private:
  bool active_ = false;
};
