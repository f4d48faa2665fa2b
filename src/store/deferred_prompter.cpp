#include "store/deferred_prompter.h"

void DeferredPrompter::ShowTo(Prompter& shown) {
  std::vector<Message> messages;
  messages.swap(kept_);
  for (const Message& message : messages) shown.Inform(message.text, message.caption, message.icon);
}

void DeferredPrompter::ShowMessage(const QString& text, const QString& caption, Icon icon) {
  kept_.push_back({text, caption, icon});
}

bool DeferredPrompter::AskQuestion(const QString& text, const QString& caption, Icon icon) {
  kept_.push_back({text, caption, icon});
  return false;
}
