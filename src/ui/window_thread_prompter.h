#pragma once

#include <functional>

#include "store/prompter.h"

// A prompter for work that runs off the window's thread (an import's records on the database
// thread): every box and chooser is shown by `target` on the window's thread, and the work
// waits for the answer. Called on the window's thread, it is `target` itself.
class WindowThreadPrompter : public Prompter {
 public:
  explicit WindowThreadPrompter(Prompter& target) : target_(target) {}

  QString ChooseFile(const QString& filter, const QString& start = QString()) override;
  QString ChooseFolder(const QString& title, const QString& start = QString()) override;
  std::optional<QString> AskPassword(const QString& text) override;
  void ConfirmSaved(const SaveConfirmation& confirmation) override;

  // Runs `work` on the window's thread and waits for it.
  static void OnWindowThread(const std::function<void()>& work);

 protected:
  void ShowMessage(const QString& text, const QString& caption, Icon icon) override;
  bool AskQuestion(const QString& text, const QString& caption, Icon icon) override;

 private:
  Prompter& target_;
};
