#include "ui/window_thread_prompter.h"

#include <QCoreApplication>
#include <QThread>

void WindowThreadPrompter::OnWindowThread(const std::function<void()>& work) {
  QCoreApplication* application = QCoreApplication::instance();
  if (QThread::currentThread() == application->thread()) {
    work();
    return;
  }
  QMetaObject::invokeMethod(application, work, Qt::BlockingQueuedConnection);
}

QString WindowThreadPrompter::ChooseFile(const QString& filter, const QString& start) {
  QString chosen;
  OnWindowThread([&] { chosen = target_.ChooseFile(filter, start); });
  return chosen;
}

QString WindowThreadPrompter::ChooseFolder(const QString& title, const QString& start) {
  QString chosen;
  OnWindowThread([&] { chosen = target_.ChooseFolder(title, start); });
  return chosen;
}

std::optional<QString> WindowThreadPrompter::AskPassword(const QString& text) {
  std::optional<QString> typed;
  OnWindowThread([&] { typed = target_.AskPassword(text); });
  return typed;
}

void WindowThreadPrompter::ConfirmSaved(const SaveConfirmation& confirmation) {
  OnWindowThread([&] { target_.ConfirmSaved(confirmation); });
}

void WindowThreadPrompter::ShowMessage(const QString& text, const QString& caption, Icon icon) {
  OnWindowThread([&] { target_.Inform(text, caption, icon); });
}

bool WindowThreadPrompter::AskQuestion(const QString& text, const QString& caption, Icon icon) {
  bool answer = false;
  OnWindowThread([&] { answer = target_.Ask(text, caption, icon); });
  return answer;
}
