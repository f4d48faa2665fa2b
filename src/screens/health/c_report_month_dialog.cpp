#include "screens/health/c_report_month_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

#include "health/annexes/report_month.h"
#include "store/prompter.h"
#include "ui/record_fields.h"
#include "ui/typing_rules.h"

std::optional<int> CReportMonthDialog::Choose(QWidget* parent, Prompter& prompter, int month) {
  CReportMonthDialog form(parent, prompter, month);
  return form.Run();
}

CReportMonthDialog::CReportMonthDialog(QWidget* parent, Prompter& prompter, int month)
    : CRecordFormOf<int>(parent, Mode::kModify,
                         QStringLiteral("Pasul 1: Luna pentru care se lucreaza")),
      prompter_(prompter) {
  SetOkKey(Qt::Key_F2, QStringLiteral("Salveaza"), true);
  month_ =
      qobject_cast<QLineEdit*>(CreateInput(*this, FieldKind::kText, "luna", 2, Typing::kDigits));
  year_ = qobject_cast<QLineEdit*>(CreateInput(*this, FieldKind::kText, "an", 4, Typing::kDigits));
  auto* boxes = new QWidget(this);
  auto* line = new QHBoxLayout(boxes);
  line->setContentsMargins(0, 0, 0, 0);
  line->addWidget(month_);
  line->addWidget(new QLabel(QStringLiteral("-"), boxes));
  line->addWidget(year_);
  line->addWidget(new QLabel(QStringLiteral("(LL-AAAA)"), boxes));
  AddRow(AddGroup(), QStringLiteral("Introdu luna pentru care se genereaza rapoarte:"), *boxes);
  MoveOnWhenFull(*month_, *year_);
  if (month > 0) {
    month_->setText(ReportMonthBox(month));
    year_->setText(ReportYearBox(month));
  }
  month_->setFocus();
}

std::optional<int> CReportMonthDialog::Save() {
  const std::optional<int> month = TypedReportMonth(month_->text(), year_->text());
  if (!month) prompter_.Inform(QStringLiteral("Luna introdusa este incorecta!"));
  return month;
}
