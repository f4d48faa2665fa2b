#pragma once

#include <QString>
#include <optional>

#include "store/save_confirmation.h"

// Every message box and file or folder chooser of the program goes through this one seam,
// so the store can report without knowing the toolkit and tests can script the answers.
class Prompter {
 public:
  enum class Icon { Information, Exclamation, Question, Error };

  virtual ~Prompter() = default;

  // OK-only box.
  void Inform(const QString& text, const QString& caption = DefaultCaption(),
              Icon icon = Icon::Exclamation) {
    ShowMessage(text, caption, icon);
  }
  // Yes/No box; true for "Da".
  bool Ask(const QString& text, const QString& caption = DefaultCaption(),
           Icon icon = Icon::Question) {
    return AskQuestion(text, caption, icon);
  }
  // Empty text when the user cancels; `start` is the folder the chooser opens at, empty lets
  // the toolkit choose.
  virtual QString ChooseFile(const QString& filter, const QString& start = QString()) = 0;
  // `start` is the folder the chooser opens at; empty lets the toolkit choose.
  virtual QString ChooseFolder(const QString& title, const QString& start = QString()) = 0;

  // A secret typed by the user, not shown on screen; nothing when the user cancels. A
  // prompter without a window (a command of the command line) never asks.
  virtual std::optional<QString> AskPassword(const QString& text) {
    (void)text;
    return std::nullopt;
  }

  // Told after a save has written its files: what, where and what their check found. A
  // prompter without a window shows it as a message.
  virtual void ConfirmSaved(const SaveConfirmation& confirmation) {
    ShowMessage(SaveConfirmationText(confirmation), DefaultCaption(), Icon::Information);
  }

  static QString DefaultCaption() { return QStringLiteral("Velka Asigurati"); }

 protected:
  virtual void ShowMessage(const QString& text, const QString& caption, Icon icon) = 0;
  virtual bool AskQuestion(const QString& text, const QString& caption, Icon icon) = 0;
};
