#include "support/scripted_prompter.h"

void ScriptedPrompter::ShowMessage(const QString& text, const QString& caption, Icon) {
  shown_.push_back({text, caption, false});
  if (echo_) echo_(text);
}

bool ScriptedPrompter::AskQuestion(const QString& text, const QString& caption, Icon) {
  shown_.push_back({text, caption, true});
  if (echo_) echo_(text);
  if (answers_.empty()) {
    ++unanswered_;
    return false;
  }
  const bool answer = answers_.front();
  answers_.pop_front();
  return answer;
}

QString ScriptedPrompter::ChooseFile(const QString& filter, const QString& start) {
  fileChoosers_.emplace_back(filter, start);
  if (files_.empty()) return {};
  QString path = files_.front();
  files_.pop_front();
  return path;
}

QString ScriptedPrompter::ChooseFolder(const QString& title, const QString& start) {
  choosers_.emplace_back(title, start);
  if (folders_.empty()) return {};
  QString path = folders_.front();
  folders_.pop_front();
  return path;
}

std::optional<QString> ScriptedPrompter::AskPassword(const QString& text) {
  shown_.push_back({text, DefaultCaption(), true});
  if (passwords_.empty()) return std::nullopt;
  QString password = passwords_.front();
  passwords_.pop_front();
  return password;
}

void ScriptedPrompter::ConfirmSaved(const SaveConfirmation& confirmation) {
  confirmations_.push_back(confirmation);
}

void ScriptedPrompter::QueueAnswers(std::initializer_list<bool> answers) {
  answers_.insert(answers_.end(), answers.begin(), answers.end());
}

QStringList ScriptedPrompter::Texts() const {
  QStringList texts;
  for (const Shown& shown : shown_) texts.append(shown.text);
  return texts;
}

void ScriptedPrompter::Clear() {
  shown_.clear();
  answers_.clear();
  files_.clear();
  folders_.clear();
  passwords_.clear();
  choosers_.clear();
  fileChoosers_.clear();
  confirmations_.clear();
  unanswered_ = 0;
}
