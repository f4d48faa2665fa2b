#pragma once

#include <QString>
#include <optional>

#include "health/register/insured_record.h"

class CClient;

// The statements of the insured and liquidation forms on asigurati.asigurati and the
// tables that follow a CNP. A failure is shown by the client; the functions only say so
// (false, or nothing where a value is returned).

// The employment record in this row of the client's last stored query.
[[nodiscard]] InsuredRecord InsuredRecordAt(const CClient& client, int row);

struct InsuredLoad {
  enum class Outcome { kRead, kQueryFailed, kMissing };
  Outcome outcome = Outcome::kQueryFailed;
  InsuredRecord record;
};
// The employment record with this INDEX.
[[nodiscard]] InsuredLoad LoadInsured(CClient& client, int index);

// Whether the company has an active record of the CNP; `ownIndex` (modify mode) excludes
// the record being corrected, 0 excludes nothing.
[[nodiscard]] std::optional<bool> ActiveHere(CClient& client, const QString& cf, const QString& cnp,
                                             int ownIndex);

// IESIRE of the CNP's most recent liquidation at the company; 0 when it never left it.
[[nodiscard]] std::optional<int> LastLiquidation(CClient& client, const QString& cf,
                                                 const QString& cnp);

// The first active record of the CNP at another company.
struct OtherEmployment {
  bool found = false;
  QString denumire;
  QString forma;
};
[[nodiscard]] std::optional<OtherEmployment> ActiveElsewhere(CClient& client, const QString& cf,
                                                             const QString& cnp);

// The first active insured person, at any company, who has the CNP as co-insured dependant.
struct DependantOf {
  bool found = false;
  QString nume;
  QString prenume;
  QString denumire;
};
[[nodiscard]] std::optional<DependantOf> DependantOfActive(CClient& client, const QString& cnp);

// The audited insert (ownIndex 0; the new INDEX is the client's LastInsertId) or the
// audited update of the record with this INDEX. IESIRE is written only when `writeIesire`:
// an active record keeps the one it has.
[[nodiscard]] bool WriteInsured(CClient& client, const InsuredRecord& record, int ownIndex,
                                bool writeIesire);

// Moves a changed CNP through the co-insured (as the insured person of dependants) and the
// monthly amounts, at every company, each row's audit copy first. On a server one
// transaction; on the embedded register the first failure stops the move and what ran
// before it stays.
[[nodiscard]] bool MoveCnp(CClient& client, const QString& oldCnp, const QString& newCnp);

// The first active person of the company whose CNP begins with `prefix`; nothing when
// there is none or the query failed (shown).
[[nodiscard]] std::optional<InsuredRecord> FindActiveByPrefix(CClient& client, const QString& cf,
                                                              const QString& prefix);

// The active records of the CNP at the company: how many, and the latest hiring date
// among them.
struct ActiveRecords {
  int count = 0;
  int latestHiring = 0;
};
[[nodiscard]] std::optional<ActiveRecords> ActiveRecordsOf(CClient& client, const QString& cf,
                                                           const QString& cnp);

// Ends every active employment of the CNP at the company on `date`: a plain update, as the
// register records liquidations, after the audit copies of the records it changes.
[[nodiscard]] bool Liquidate(CClient& client, const QString& cf, const QString& cnp, int date);
