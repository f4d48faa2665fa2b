#pragma once

#include <cstdio>

#include "store/prompter.h"

// Benchmarks answer no questions: a message that would have been shown is printed (on
// standard output: once the server runs, standard error goes to its log), so a failing
// set-up is seen rather than timed.
class ConsolePrompter : public Prompter {
 public:
  int shown = 0;  // messages and questions so far
  QString ChooseFile(const QString&, const QString&) override { return {}; }
  QString ChooseFolder(const QString&, const QString&) override { return {}; }

 protected:
  void ShowMessage(const QString& text, const QString&, Icon) override {
    ++shown;
    std::printf("%s\n", text.toUtf8().constData());
  }
  bool AskQuestion(const QString& text, const QString&, Icon) override {
    ++shown;
    std::printf("%s\n", text.toUtf8().constData());
    return false;
  }
};
