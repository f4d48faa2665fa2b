#include "ui/record_fields.h"

#include <QStyle>
#include <algorithm>

#include "store/schema/schema_tables.h"
#include "ui/c_date_input.h"
#include "ui/c_edit_ex.h"

namespace {

// Long texts (names, streets) show this many characters whole and scroll past them.
constexpr int kWidestInput = 60;

// Room for `length` upper-case letters, the widest the register's texts are typed in.
int InputWidth(const QWidget& input, int length) {
  const int characters = std::clamp(length, 2, kWidestInput);
  const int frame = input.style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
  return input.fontMetrics().horizontalAdvance(QString(characters, u'N')) + 2 * frame + 8;
}

}  // namespace

QWidget* CreateInput(QWidget& parent, FieldKind kind, const char* objectName, int length,
                     Typing typing) {
  if (kind == FieldKind::kDate) return new CDateInput(QLatin1String(objectName), &parent);
  auto* edit = new CEditEx(&parent);
  edit->setObjectName(QLatin1String(objectName));
  if (length > 0) edit->setMaxLength(length);
  ApplyTyping(*edit, typing);
  edit->setFixedWidth(InputWidth(*edit, length > 0 ? length : kWidestInput));
  return edit;
}

void MakeReadOnly(QWidget& input) {
  if (auto* edit = qobject_cast<QLineEdit*>(&input)) edit->setReadOnly(true);
  input.setFocusPolicy(Qt::NoFocus);
  for (QLineEdit* edit : input.findChildren<QLineEdit*>()) {
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::NoFocus);
  }
}

void ShowText(QWidget& input, const QString& text) {
  if (auto* edit = qobject_cast<QLineEdit*>(&input)) edit->setText(text);
}

QString ReadText(const QWidget& input) {
  const auto* edit = qobject_cast<const QLineEdit*>(&input);
  return edit != nullptr ? edit->text() : QString();
}

void ShowDate(QWidget& input, int date) {
  if (auto* dateInput = qobject_cast<CDateInput*>(&input)) dateInput->SetValue(date);
}

int ReadDate(const QWidget& input) {
  const auto* dateInput = qobject_cast<const CDateInput*>(&input);
  return dateInput != nullptr ? dateInput->Value() : 0;
}
