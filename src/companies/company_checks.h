#pragma once

#include <QString>

#include "common/check_result.h"
#include "companies/company_record.h"

// The checks of the company form that need no database, in the order the form runs them.
// The message of the first one that fails, or nothing when all pass.
// A 13-digit fiscal code is a CNP (a person-run business), anything else a CUI.
[[nodiscard]] Refusal CompanyFieldsProblem(const CompanyRecord& company);

// The value stored in SECT: the typed sector in Bucharest, "0" in any other county
// whatever the (disabled) sector field holds.
QString StoredSector(const CompanyRecord& company);
