#include "screens/health/amount_inputs.h"

#include <QLineEdit>

#include "health/amounts/amounts_checks.h"
#include "ui/record_fields.h"

QLineEdit* AmountInput(QWidget& form, const char* name, int length, Typing typing) {
  return qobject_cast<QLineEdit*>(CreateInput(form, FieldKind::kText, name, length, typing));
}

void FollowAmount(QLineEdit& amount, double rate, QLineEdit& owed, QLineEdit& paid) {
  QObject::connect(&amount, &QLineEdit::textEdited, &owed,
                   [rate, &owed, &paid](const QString& text) {
                     // While the text is not a number yet ("1.234,"), owed and paid stay as they
                     // are.
                     const std::optional<double> typed = ReadAmount(text);
                     if (!typed) return;
                     const QString contribution = QString::number(Contribution(*typed, rate));
                     owed.setText(contribution);
                     paid.setText(contribution);
                   });
}
