#pragma once

#include <QString>
#include <vector>

#include "common/check_result.h"

// The rules of the two change forms that need no database: what each offers as the new
// value, and whether a change date may close the record.

enum class ChangeKind { kForm, kHouse };

// One entry of a change form's list: the code written and the text shown. The form list
// leaves out the current form, so an entry's position is not its position in the register's
// table: each entry carries its own code.
struct ChangeChoice {
  QString code;
  QString text;
};

// The employment forms other than the current one, in the register's order (all eight when
// the current code is none of them).
std::vector<ChangeChoice> FormChoices(const QString& currentForm);
// All 44 houses, the current one included, with "HG - Harghita" (stored CASHR).
std::vector<ChangeChoice> HouseChoices();

// The refusal for a change dated `change` of a record hired on `hiring`, nothing when the
// date is a calendar date strictly after the hiring day.
[[nodiscard]] Refusal ChangeDateProblem(ChangeKind kind, int hiring, int change);

// The old record ends the day before the change.
int ExitDateOf(int change);
