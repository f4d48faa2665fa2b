#pragma once

#include <QString>
#include <QStringList>

#include "store/prompter.h"

// The prompter of work that runs without asking: what a screen would show in a message box is
// kept for the work's report, a question is answered "Nu", a folder chooser gets the work's
// folder and a file chooser nothing. The commands and the month's run from the window use it.
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
