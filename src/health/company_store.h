#pragma once

#include <QString>

#include "health/company_fields.h"

class CClient;

// Reading and writing one company of asigurati.societati. Every function returns 0 on
// success and 1 on a failure the client has already shown.

// Reads the company with this INDEX. A company that is no longer there is a failure too
// (nothing shown), so that a form is never opened on a row that does not exist.
int LoadCompany(CClient& client, int index, CompanyFields& company);

// Whether another company already has this fiscal code; `ownIndex` (modify mode) excludes
// the company being edited, 0 excludes nothing. Leading zeros do not make a different code.
int FiscalCodeTaken(CClient& client, const QString& cf, int ownIndex, bool& taken);

// The audited insert (ownIndex 0; the new INDEX is the client's LastInsertId) or the
// audited update of the company with this INDEX.
int WriteCompany(CClient& client, const CompanyFields& company, int ownIndex);

// Moves every row of the company from its old fiscal code to the new one, in the insured,
// co-insured, monthly amount and medical-leave tables of both databases. Plain statements
// without a transaction: the first failure stops the move, the tables before it stay moved.
int MoveFiscalCode(CClient& client, const QString& oldCf, const QString& newCf);
