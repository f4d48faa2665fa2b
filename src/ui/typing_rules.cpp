#include "ui/typing_rules.h"

#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace {

// Changes the letters as they are typed or pasted, whatever the keyboard's state.
class CaseValidator : public QValidator {
 public:
  CaseValidator(bool upper, QObject* parent) : QValidator(parent), upper_(upper) {}

  State validate(QString& input, int&) const override {
    input = upper_ ? input.toUpper() : input.toLower();
    return Acceptable;
  }

 private:
  bool upper_;
};

}  // namespace

void ApplyTyping(QLineEdit& edit, Typing typing) {
  switch (typing) {
    case Typing::kUpper:
      TypeUpperCase(edit);
      return;
    case Typing::kLower:
      TypeLowerCase(edit);
      return;
    case Typing::kDigits:
      TypeDigitsOnly(edit);
      return;
    case Typing::kAsTyped:
      return;
  }
}

void TypeUpperCase(QLineEdit& edit) { edit.setValidator(new CaseValidator(true, &edit)); }

void TypeLowerCase(QLineEdit& edit) { edit.setValidator(new CaseValidator(false, &edit)); }

void TypeDigitsOnly(QLineEdit& edit) {
  static const QRegularExpression digits(QStringLiteral("[0-9]*"));
  edit.setValidator(new QRegularExpressionValidator(digits, &edit));
}

void MoveOnWhenFull(QLineEdit& part, QLineEdit& next) {
  QObject::connect(&part, &QLineEdit::textEdited, &next, [&part, &next] {
    if (part.hasFocus() && part.text().size() == part.maxLength() &&
        part.cursorPosition() == part.maxLength()) {
      next.setFocus(Qt::TabFocusReason);
      next.selectAll();
    }
  });
}
