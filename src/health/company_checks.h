#pragma once

#include <QString>

#include "health/company_fields.h"

// The checks of the company form that need no database, in the order the form runs them.
// Returns the message of the first one that fails, or an empty text when all pass.
// A 13-digit fiscal code is a CNP (a person-run business), anything else a CUI.
QString CompanyFieldsProblem(const CompanyFields& company);

// The value stored in SECT: the typed sector in Bucharest, "0" in any other county
// whatever the (disabled) sector field holds.
QString StoredSector(const CompanyFields& company);
