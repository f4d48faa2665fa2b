#include "health/amounts/amounts_checks.h"

#include <QLocale>
#include <QRegularExpression>

#include "common/amounts.h"
#include "common/number_texts.h"
#include "store/list_model.h"

std::optional<double> ReadAmount(const QString& text) {
  const QString trimmed = text.trimmed();
  if (trimmed.isEmpty()) return 0.0;
  static const QRegularExpression kAmount(QStringLiteral("^(\\d+([.,]\\d*)?|[.,]\\d+)$"));
  if (!kAmount.match(trimmed).hasMatch()) return std::nullopt;
  QString withPoint = trimmed;
  withPoint.replace(u',', u'.');
  if (withPoint.startsWith(u'.')) withPoint.prepend(u'0');
  return LeadingDecimal(withPoint);
}

QString AmountText(double amount) {
  return QString::number(amount, 'f', QLocale::FloatingPointShortest);
}

QString WholeLeiText(const QString& typed) {
  return QString::number(LeadingInteger(typed.trimmed()));
}

long long Contribution(double amount, double rate) {
  return static_cast<long long>(RoundLei(amount * rate * 0.01));
}

QString RateText(double rate) { return FormatDecimal(rate, 1, false); }

QString BadSalaryMessage() { return QStringLiteral("Salariul realizat introdus este incorect!"); }

QString BadFundMessage() { return QStringLiteral("Fondul de salarii introdus este incorect!"); }

EmployeeTotals SumEmployeeAmounts(const ListModel& employees) {
  const int salary = employees.FindColumn(QStringLiteral("SALARIU"));
  const int owed = employees.FindColumn(QStringLiteral("ASIG_DATORAT"));
  const int paid = employees.FindColumn(QStringLiteral("ASIG_VIRAT"));
  const auto number = [&employees](int row, int column) {
    return column < 0 ? 0.0 : LeadingDecimal(employees.Cell(row, column));
  };
  EmployeeTotals totals;
  for (int row = 0; row < employees.RowCount(); ++row) {
    totals.fund += number(row, salary);
    totals.owed += number(row, owed);
    totals.paid += number(row, paid);
  }
  return totals;
}

TotalsTexts FormatTotals(const EmployeeTotals& totals, int month) {
  const double employerRate = ContributionRate(month, RatePayer::kEmployer);
  return {FormatDecimal(totals.fund, 2, false),
          IntegerText(Contribution(totals.fund, employerRate), false),
          FormatThousands(FormatInteger(RoundLei(totals.owed))),
          FormatThousands(FormatInteger(RoundLei(totals.paid)))};
}
