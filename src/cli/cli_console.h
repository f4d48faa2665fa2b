#pragma once

#include <QString>
#include <QStringList>
#include <cstdio>
#include <mutex>

#include "store/prompter.h"

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

// The prompter of a command: what a screen would show in a message box is kept for the
// command's report, a question is answered "Nu" (a command never asks), a folder chooser
// gets the command's folder and a file chooser nothing.
class CollectingPrompter : public Prompter {
 public:
  // The messages since the last call, each on one line.
  QStringList Take();
  void AnswerFolder(const QString& folder) { folder_ = folder; }
  QString ChooseFile(const QString&, const QString&) override { return {}; }
  QString ChooseFolder(const QString&, const QString&) override { return folder_; }

 protected:
  void ShowMessage(const QString& text, const QString&, Icon) override;
  bool AskQuestion(const QString& text, const QString&, Icon) override;

 private:
  QStringList shown_;
  QString folder_;
};
