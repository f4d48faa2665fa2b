#pragma once

#include <QString>
#include <QStringList>
#include <cstdio>
#include <mutex>

#include "store/collecting_prompter.h"

// Results on standard output, messages and progress on standard error. Progress is shown
// only when standard error is a terminal: a script's log gets no carriage returns. A watcher
// thread may write a message while the command writes its own: the lines never interleave.
class Console {
 public:
  explicit Console(std::FILE* results = stdout, std::FILE* messages = stderr);

  void Result(const QString& line);
  void Error(const QString& line);
  void Progress(const QString& line);
  void EndProgress();

 private:
  void EndProgressLocked();

  std::mutex lines_;
  std::FILE* results_;
  std::FILE* messages_;
  bool terminal_;
  bool progressShown_ = false;
};
