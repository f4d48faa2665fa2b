#pragma once

#include <QString>

#include "common/check_result.h"

// The co-insured form's rules that need no database and their messages.

// The dependant's own fields, in the form's order: the CNP, then both names. The refusal of
// the first rule that fails, or nothing.
[[nodiscard]] Refusal DependantFieldsProblem(const QString& cnp, const QString& nume,
                                             const QString& prenume);

// The refusal for a dependant already registered under an active insured person.
QString DependantTakenMessage(const QString& nume, const QString& prenume, const QString& denumire);
// The question asked when the dependant is an active insured person somewhere.
QString DependantInsuredQuestion(const QString& denumire);

// The drop-down's entries and the stored type of each.
inline constexpr const char* kDependantTypes[] = {"S - sot sau sotie", "P - parinte"};
QString TipOf(int position);
int TipPosition(const QString& tip);
