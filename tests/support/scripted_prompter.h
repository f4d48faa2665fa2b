#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <utility>
#include <vector>

#include "store/prompter.h"

// A prompter for tests: records every text shown and gives queued answers.
class ScriptedPrompter : public Prompter {
 public:
  struct Shown {
    QString text;
    QString caption;
    bool question = false;
  };

  void ShowMessage(const QString& text, const QString& caption, Icon icon) override;
  bool AskQuestion(const QString& text, const QString& caption, Icon icon) override;
  QString ChooseFile(const QString& filter, const QString& start) override;
  QString ChooseFolder(const QString& title, const QString& start) override;
  // Recorded as a question; the queued password, or a cancel when none is queued.
  std::optional<QString> AskPassword(const QString& text) override;
  // Kept apart from the messages: a confirmation is no message box.
  void ConfirmSaved(const SaveConfirmation& confirmation) override;

  // Answers for the next questions, in order; a question without a queued answer is "Nu".
  void QueueAnswers(std::initializer_list<bool> answers);
  void QueueFile(const QString& path) { files_.push_back(path); }
  void QueueFolder(const QString& path) { folders_.push_back(path); }
  void QueuePassword(const QString& password) { passwords_.push_back(password); }
  // Also hands each message and question shown to `echo` as it comes (a helper program
  // prints them for its test).
  void EchoShown(std::function<void(const QString&)> echo) { echo_ = std::move(echo); }

  const std::vector<Shown>& Messages() const { return shown_; }
  QStringList Texts() const;
  QString LastText() const { return shown_.empty() ? QString() : shown_.back().text; }
  int UnansweredQuestions() const { return unanswered_; }
  // Title and starting folder of each folder chooser opened.
  const std::vector<std::pair<QString, QString>>& FolderChoosers() const { return choosers_; }
  // Filter and starting folder of each file chooser opened.
  const std::vector<std::pair<QString, QString>>& FileChoosers() const { return fileChoosers_; }
  // The confirmations after saves, in order.
  const std::vector<SaveConfirmation>& Confirmations() const { return confirmations_; }
  void Clear();

 private:
  std::vector<Shown> shown_;
  std::deque<bool> answers_;
  std::deque<QString> files_;
  std::deque<QString> folders_;
  std::deque<QString> passwords_;
  std::vector<std::pair<QString, QString>> choosers_;
  std::vector<std::pair<QString, QString>> fileChoosers_;
  std::vector<SaveConfirmation> confirmations_;
  std::function<void(const QString&)> echo_;
  int unanswered_ = 0;
};
