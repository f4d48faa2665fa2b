#pragma once

#include <QPointer>
#include <QWidget>

#include "store/prompter.h"

// Message boxes and file choosers of the running program. Debian's Qt ships no Romanian
// texts for its own dialog buttons, so the buttons are labelled here.
class QtPrompter : public Prompter {
 public:
  explicit QtPrompter(QWidget* parent = nullptr) : parent_(parent) {}
  void SetParent(QWidget* parent) { parent_ = parent; }

  void ShowMessage(const QString& text, const QString& caption, Icon icon) override;
  bool AskQuestion(const QString& text, const QString& caption, Icon icon) override;
  QString ChooseFile(const QString& filter, const QString& start) override;
  QString ChooseFolder(const QString& title, const QString& start) override;
  std::optional<QString> AskPassword(const QString& text) override;
  // The saved files in their own window (CSavedFilesDialog).
  void ConfirmSaved(const SaveConfirmation& confirmation) override;

 private:
  QWidget* Owner() const;

  QPointer<QWidget> parent_;
};
