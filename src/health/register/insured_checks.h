#pragma once

#include <QString>
#include <optional>

#include "common/check_result.h"
#include "health/register/insured_record.h"

// The rules of the insured and liquidation forms that need no database. Each "Problem"
// function returns the refusal of the first rule that fails, or nothing.

// Whether eight digits year, month, day (as stored, or as a date input reads) are a
// calendar date: day, month and year, taken from characters 7-8, 5-6 and 1-4, pass
// CheckDate.
bool IsCalendarDate(int date);

// The liquidation date of the insured form: 0 when its three fields are all empty (the
// liquidation is cancelled), the date when it is one; nothing when it is anything else, so
// that a partly emptied date can never pass for a cancelled liquidation.
std::optional<int> LiquidationDate(int typed);

// "04.06.2009" for 20090604.
QString DottedDate(int date);

// The checks of the insured form before any query, in the form's order: names, house, CNP,
// hiring date and, for a liquidated record, its liquidation date, which must not be earlier
// than the hiring date.
[[nodiscard]] Refusal InsuredFieldsProblem(const InsuredFields& fields);

// The record the insured form writes for its fields (the fields must have passed their
// checks). IESIRE stays "0" unless the record is liquidated.
InsuredRecord RecordOf(const InsuredFields& fields, const QString& cf);

// A person last liquidated from the company on `lastLiquidation` cannot be hired again on
// that day or before.
[[nodiscard]] Refusal RehireProblem(int lastLiquidation, int hiring);

// The questions asked before hiring someone active at another company or registered as a
// co-insured dependant.
QString ActiveElsewhereQuestion(const QString& denumire, const QString& forma);
QString DependantQuestion(const QString& nume, const QString& prenume, const QString& denumire);

// The liquidation form's checks: the CNP, then (after the person was found) the date, then
// that the employment ends strictly after the hiring day.
[[nodiscard]] Refusal LiquidationCnpProblem(const QString& cnp);
[[nodiscard]] Refusal LiquidationDateProblem(int typed);
[[nodiscard]] Refusal LiquidationOrderProblem(int hiring, int liquidation);
