#pragma once

#include <QString>
#include <vector>

#include "store/prompter.h"

// Keeps the messages of work that runs on the database thread while the window waits for
// it, to show them whole on the window's thread once the work is over. Work that asks
// questions cannot be deferred: a question is kept too, and answered "Nu".
class DeferredPrompter : public Prompter {
 public:
  // Shows the kept messages through `shown`, in order, and forgets them.
  void ShowTo(Prompter& shown);
  QString ChooseFile(const QString&, const QString&) override { return {}; }
  QString ChooseFolder(const QString&, const QString&) override { return {}; }

 protected:
  void ShowMessage(const QString& text, const QString& caption, Icon icon) override;
  bool AskQuestion(const QString& text, const QString& caption, Icon icon) override;

 private:
  struct Message {
    QString text;
    QString caption;
    Icon icon;
  };
  std::vector<Message> kept_;
};
