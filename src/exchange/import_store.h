#pragma once

#include <QString>
#include <optional>

#include "companies/company_record.h"
#include "exchange/import_checks.h"

class CClient;

// The statements of the two imports. Every record is processed on its own, without a
// transaction: what was stored stays stored when a later statement fails, and importing
// the same file again finds it (the external source updates it, the anexa 1A refuses it).
// A failed statement has already been shown by the client.

// What became of one record.
struct ImportOutcome {
  enum class Kind { kStored, kRejected, kFailed };
  Kind kind = Kind::kFailed;
  QString text;  // the status or the reason shown in "EROARE"
};

// The company with this fiscal code: an empty optional inside when it is not registered;
// nothing when the query failed.
[[nodiscard]] std::optional<std::optional<CompanyRecord>> FindImportCompany(CClient& client,
                                                                            const QString& cf);
// Registers the company with the fields the import screens ask for, unless it exists; an
// existing company is left as it is.
[[nodiscard]] bool EnsureImportCompany(CClient& client, const CompanyRecord& company);

// One external-source record for the company `cf`: its insured record added or updated,
// then its month's amounts added or updated.
[[nodiscard]] ImportOutcome ImportExternalRecord(CClient& client, const QString& cf,
                                                 const ImportFields& fields);

// One anexa 1A record for the company `cf`, under the house `cas`, with the amounts of
// `month` (six characters year month).
[[nodiscard]] ImportOutcome ImportPreviousRecord(CClient& client, const QString& cf,
                                                 const QString& cas, const QString& month,
                                                 const ImportFields& fields);
