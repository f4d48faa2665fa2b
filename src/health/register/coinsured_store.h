#pragma once

#include <QString>
#include <optional>

#include "health/register/coinsured_record.h"
#include "health/register/insured_record.h"

class CClient;
class ListModel;

// The statements of the co-insured form and of the insured list's dependants. A failure is
// shown by the client; the functions only say so (false, or nothing).

// The first active person of the company whose names begin with `nume` and `prenume` (the
// CNP search is FindActiveByPrefix). The typed texts are LIKE patterns quoted and escaped, so
// an apostrophe, % or _ in them is a letter to find. Nothing when none or on failure.
[[nodiscard]] std::optional<InsuredRecord> FindActiveByNames(CClient& client, const QString& cf,
                                                             const QString& nume,
                                                             const QString& prenume);

// Whether the company has an active record of the insured CNP.
[[nodiscard]] std::optional<bool> InsuredActiveHere(CClient& client, const QString& cf,
                                                    const QString& cnp);

// The active insured person (any company) who already has the dependant CNP; `ownIndex`
// (modify mode) excludes the dependant's own row, 0 excludes nothing.
struct DependantTaken {
  bool found = false;
  QString nume;
  QString prenume;
  QString denumire;
};
[[nodiscard]] std::optional<DependantTaken> DependantTakenBy(CClient& client, const QString& cnp,
                                                             int ownIndex);

// The company where the dependant CNP is itself an active insured person; empty when none.
struct InsuredSomewhere {
  bool found = false;
  QString denumire;
};
[[nodiscard]] std::optional<InsuredSomewhere> DependantInsuredSomewhere(CClient& client,
                                                                        const QString& cnp);

// The audited insert (index 0; the new INDEX is the client's LastInsertId) or update.
[[nodiscard]] bool WriteDependant(CClient& client, const DependantRecord& record);
// The audited delete of one dependant.
[[nodiscard]] bool DeleteDependant(CClient& client, int index);

// The dependants of the insured CNP at the company into the list, by name.
[[nodiscard]] bool LoadDependants(CClient& client, const QString& cf, const QString& insuredCnp,
                                  ListModel& list);
