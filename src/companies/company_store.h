#pragma once

#include <QString>
#include <optional>

#include "companies/company_record.h"

class CClient;

// Reading and writing one company of asigurati.societati. A failure of a statement has
// already been shown by the client.

// The company with this INDEX. Nothing when it could not be read, or when it is no longer
// there (nothing shown), so that a form is never opened on a row that does not exist.
[[nodiscard]] std::optional<CompanyRecord> LoadCompany(CClient& client, int index);

// The INDEX of the company with this fiscal code, 0 when there is none; nothing when the
// query failed (shown).
[[nodiscard]] std::optional<qint64> CompanyIndexOf(CClient& client, const QString& cf);

// Whether another company than the one with INDEX `ownIndex` (0: none) already has this
// fiscal code; nothing when the query failed. Leading zeros do not make a different code.
[[nodiscard]] std::optional<bool> FiscalCodeTaken(CClient& client, const QString& cf, int ownIndex);

// The audited insert (company.index 0; the new INDEX is the client's LastInsertId) or the
// audited update of the company with company.index.
[[nodiscard]] bool WriteCompany(CClient& client, const CompanyRecord& company);

// Moves every row of the company from its old fiscal code to the new one, in the tables
// that carry it (kTablesWithCompanyCf), each row's audit copy first. On a server one transaction;
// on the embedded register the first failure stops the move and the tables before it stay moved.
[[nodiscard]] bool MoveFiscalCode(CClient& client, const QString& oldCf, const QString& newCf);
