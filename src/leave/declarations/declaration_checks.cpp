#include "leave/declarations/declaration_checks.h"

#include "common/dates.h"
#include "common/number_texts.h"
#include "store/c_client.h"
#include "store/sql.h"

namespace {

// The first month of the medical-leave declarations.
constexpr long long kFirstYear = 2006;
constexpr long long kMostWorkingDays = 23;

}  // namespace

Refusal DeclarationFieldsProblem(const DeclarationFormValues& values) {
  if (!CheckDate(QStringLiteral("01"), values.month, values.year) ||
      LeadingInteger(values.year) < kFirstYear) {
    return QStringLiteral("Luna declaratiei este incorecta!");
  }
  if (LeadingInteger(values.workingDays) > kMostWorkingDays) {
    return QStringLiteral("Numarul de zile lucratoare este incorect!");
  }
  if (LeadingInteger(values.d) < 1) return QStringLiteral("Numarul de angajati este incorect!");
  if (LeadingInteger(values.minimumWage) == 0) {
    return QStringLiteral("Trebuie sa introduci salariul minim pe economie!");
  }
  if (values.e.isEmpty()) return QStringLiteral("Trebuie sa introduci fondul de salarii!");
  if (values.f.isEmpty()) return QStringLiteral("Trebuie sa introduci contributiile datorate!");
  return std::nullopt;
}

std::optional<bool> HasLaterRectification(CClient& client, const QString& cf, int luna,
                                          int number) {
  const QString sql =
      Sql(u"SELECT * FROM concedii.declaratii AS d WHERE d.cf=%1 AND d.luna=%2 AND "
          u"d.rectificativa='DA' AND d.rectif_nr>%3",
          client.Text(cf), Number(luna), Number(number));
  if (client.Execute(sql, 1) != 0) return std::nullopt;
  return client.RowCount() > 0;
}

CheckResult DeclarationConfirmProblem(CClient& client, const QString& cf,
                                      const DeclarationFormValues& values, bool modifying) {
  const Refusal problem = DeclarationFieldsProblem(values);
  if (problem || !modifying) return CheckResult::Of(problem);
  const std::optional<bool> later =
      HasLaterRectification(client, cf, DeclarationMonthKey(values.month, values.year),
                            static_cast<int>(LeadingInteger(values.number)));
  if (!later) return CheckResult::Failed();
  if (!*later) return CheckResult::Ok();
  return CheckResult::Refused(QStringLiteral(
      "Exista cel putin o alta declaratie rectificativa ulterioara acesteia, in aceeasi "
      "luna!\n\nNu poti modifica declaratia curenta."));
}
