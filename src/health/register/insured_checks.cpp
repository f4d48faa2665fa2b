#include "health/register/insured_checks.h"

#include "common/code_lists.h"
#include "common/dates.h"
#include "common/identifiers.h"
#include "health/register/employment_forms.h"

namespace {

const QString kLiquidationDateWrong = QStringLiteral("Data lichidarii introdusa este incorecta!");
const QString kLiquidationNotAfterHiring =
    QStringLiteral("Data lichidarii trebuie sa fie mai recenta decat data angajarii!");

}  // namespace

bool IsCalendarDate(int date) {
  if (date <= 0) return false;
  const QString digits = PadLeft(QString::number(date), 8);
  return digits.size() == 8 && CheckDate(digits.mid(6, 2), digits.mid(4, 2), digits.left(4));
}

std::optional<int> LiquidationDate(int typed) {
  if (typed == 0 || IsCalendarDate(typed)) return typed;
  return std::nullopt;
}

QString DottedDate(int date) {
  const QString digits = PadLeft(QString::number(date), 8);
  return digits.mid(6, 2) + u'.' + digits.mid(4, 2) + u'.' + digits.left(4);
}

Refusal InsuredFieldsProblem(const InsuredFields& fields) {
  if (fields.nume.trimmed().isEmpty()) return QStringLiteral("Trebuie sa introduci un nume!");
  if (fields.prenume.trimmed().isEmpty()) {
    return QStringLiteral("Trebuie sa introduci un prenume!");
  }
  // A house code outside the list (old data) is never replaced by a guess.
  if (fields.house < 0 || fields.house >= kHouseCount) {
    return QStringLiteral("Trebuie sa selectezi casa de asigurari!");
  }
  if (!CheckCnp(fields.cnp)) return QStringLiteral("CNP-ul introdus este invalid!");
  if (!IsCalendarDate(fields.hiring)) {
    return QStringLiteral("Data angajarii introdusa este incorecta!");
  }
  if (fields.liquidated) {
    const std::optional<int> liquidation = LiquidationDate(fields.liquidation);
    if (!liquidation) return kLiquidationDateWrong;
    // Equal days stay accepted: a change of form the day after hiring leaves such records.
    if (*liquidation > 0 && *liquidation < fields.hiring) return kLiquidationNotAfterHiring;
  }
  return std::nullopt;
}

InsuredRecord RecordOf(const InsuredFields& fields, const QString& cf) {
  InsuredRecord record;
  record.cf = cf;
  record.cas = HouseCode(fields.house, HouseList::kRegister);
  record.nume = fields.nume;
  record.prenume = fields.prenume;
  record.cnp = fields.cnp;
  record.intrare = QString::number(fields.hiring);
  if (fields.liquidated) record.iesire = QString::number(fields.liquidation);
  record.forma = EmploymentFormCode(fields.form);
  return record;
}

Refusal RehireProblem(int lastLiquidation, int hiring) {
  if (lastLiquidation <= 0 || lastLiquidation < hiring) return std::nullopt;
  return QStringLiteral(
             "CNP-ul introdus a fost lichidat ultima oara de la aceasta firma la data de: ") +
         DottedDate(lastLiquidation) +
         QStringLiteral("\n\nNu poate fi re-angajat la o data anterioara!");
}

QString ActiveElsewhereQuestion(const QString& denumire, const QString& forma) {
  return QStringLiteral("CNP-ul introdus exista deja la societatea:\n") + denumire +
         QStringLiteral("\ncu forma de angajare: ") + forma +
         QStringLiteral("\n\nVrei sa continui?");
}

QString DependantQuestion(const QString& nume, const QString& prenume, const QString& denumire) {
  return QStringLiteral(
             "CNP-ul introdus exista figureaza deja ca si coasigurat al asiguratului:\n") +
         nume + u' ' + prenume + QStringLiteral("\nla societatea:\n") + denumire +
         QStringLiteral("\n\nVrei sa continui?");
}

Refusal LiquidationCnpProblem(const QString& cnp) {
  if (CheckCnp(cnp)) return std::nullopt;
  return QStringLiteral("CNP-ul introdus este incorect!");
}

Refusal LiquidationDateProblem(int typed) {
  if (IsCalendarDate(typed)) return std::nullopt;
  return kLiquidationDateWrong;
}

Refusal LiquidationOrderProblem(int hiring, int liquidation) {
  if (hiring < liquidation) return std::nullopt;
  return kLiquidationNotAfterHiring;
}
