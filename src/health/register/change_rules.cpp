#include "health/register/change_rules.h"

#include "common/code_lists.h"
#include "common/dates.h"
#include "health/register/employment_forms.h"
#include "health/register/insured_checks.h"

std::vector<ChangeChoice> FormChoices(const QString& currentForm) {
  std::vector<ChangeChoice> choices;
  for (int form = 0; form < kEmploymentFormCount; ++form) {
    const QString code = EmploymentFormCode(form);
    if (code != currentForm) choices.push_back({code, EmploymentFormText(form)});
  }
  return choices;
}

std::vector<ChangeChoice> HouseChoices() {
  std::vector<ChangeChoice> choices;
  for (int house = 0; house < kHouseCount; ++house) {
    choices.push_back(
        {HouseCode(house, HouseList::kRegister), HouseListText(house, HarghitaText::kHG)});
  }
  return choices;
}

Refusal ChangeDateProblem(ChangeKind kind, int hiring, int change) {
  const bool form = kind == ChangeKind::kForm;
  if (!IsCalendarDate(change)) {
    return form ? QStringLiteral("Data modificarii formei de angajare este incorecta!")
                : QStringLiteral("Data schimbarii casei de asigurari este incorecta!");
  }
  if (hiring < change) return std::nullopt;
  return form ? QStringLiteral(
                    "Data modificarii formei de angajare trebuie sa fie mai recenta decat data "
                    "angajarii!")
              : QStringLiteral(
                    "Data schimbarii casei de asigurari trebuie sa fie mai recenta decat data "
                    "angajarii!");
}

int ExitDateOf(int change) { return PreviousDay(change); }
