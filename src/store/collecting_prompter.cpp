#include "store/collecting_prompter.h"

namespace {

// A message box's text on one line: its line breaks (some with a stray carriage return)
// become blanks.
QString OneLine(const QString& text) {
  QString line = text;
  line.replace(QStringLiteral("\n\r"), QStringLiteral(" "));
  line.replace(u'\n', u' ');
  line.replace(u'\r', u' ');
  return line.simplified();
}

}  // namespace

QStringList CollectingPrompter::Take() {
  QStringList taken;
  taken.swap(shown_);
  return taken;
}

void CollectingPrompter::ShowMessage(const QString& text, const QString&, Icon) {
  shown_.append(OneLine(text));
}

bool CollectingPrompter::AskQuestion(const QString& text, const QString&, Icon) {
  shown_.append(OneLine(text));
  return false;
}
