#include "ui/c_date_input.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>

#include "ui/c_edit_ex.h"
#include "ui/typing_rules.h"

namespace {

CEditEx* DatePart(QWidget* parent, const QString& name, int digits) {
  auto* edit = new CEditEx(parent);
  edit->setObjectName(name);
  edit->setMaxLength(digits);
  TypeDigitsOnly(*edit);
  const int width = edit->fontMetrics().horizontalAdvance(QString(digits + 1, u'0'));
  edit->setFixedWidth(width + 2 * edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) + 8);
  return edit;
}

QString TwoDigits(int number) { return QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0')); }

}  // namespace

CDateInput::CDateInput(const QString& name, QWidget* parent)
    : QWidget(parent),
      day_(DatePart(this, name + QStringLiteral("_zi"), 2)),
      month_(DatePart(this, name + QStringLiteral("_luna"), 2)),
      year_(DatePart(this, name + QStringLiteral("_an"), 4)) {
  setObjectName(name);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(day_);
  layout->addWidget(new QLabel(QStringLiteral("-"), this));
  layout->addWidget(month_);
  layout->addWidget(new QLabel(QStringLiteral("-"), this));
  layout->addWidget(year_);
  layout->addWidget(new QLabel(QStringLiteral("(") + Hint() + u')', this));
  layout->addStretch();
  setFocusProxy(day_);
  MoveOnWhenFull(*day_, *month_);
  MoveOnWhenFull(*month_, *year_);
}

QString CDateInput::Day() const { return day_->text(); }
QString CDateInput::Month() const { return month_->text(); }
QString CDateInput::Year() const { return year_->text(); }

int CDateInput::Value() const {
  if (Day().isEmpty() && Month().isEmpty() && Year().isEmpty()) return 0;
  // Only digits can be typed, and at most 9999-99-99: the number always fits.
  const QString digits = Year() + Month().rightJustified(2, u'0') + Day().rightJustified(2, u'0');
  const int value = digits.toInt();
  return value != 0 ? value : kZerosTyped;
}

void CDateInput::SetValue(int date) {
  if (date == 0) {
    for (CEditEx* part : {day_, month_, year_}) part->clear();
    return;
  }
  day_->setText(TwoDigits(date % 100));
  month_->setText(TwoDigits(date / 100 % 100));
  year_->setText(QString::number(date / 10000));
}
