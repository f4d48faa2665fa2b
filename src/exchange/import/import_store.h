#pragma once

#include <QHash>
#include <QString>
#include <optional>
#include <utility>
#include <vector>

#include "companies/company_record.h"
#include "exchange/import/import_checks.h"
#include "store/columns.h"

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
  // A stored record whose amounts were not (a month or an amount that is not one): the
  // person is in the register, the month's amounts are not.
  bool amountsDropped = false;
};

// The company with this fiscal code: an empty optional inside when it is not registered;
// nothing when the query failed.
[[nodiscard]] std::optional<std::optional<CompanyRecord>> FindImportCompany(CClient& client,
                                                                            const QString& cf);
// Registers the company with the fields the import screens ask for, unless it exists; an
// existing company is left as it is.
[[nodiscard]] bool EnsureImportCompany(CClient& client, const CompanyRecord& company);

// The rows an external-source import looks up for its company, read once instead of queried
// for every record: the active insured record of each CNP, and the amounts row of each of
// those records in a month, read when the month first appears. The import's own inserts are
// added as they are written, so a CNP that appears twice in a file finds the record its first
// row wrote, as a query would. Where the register holds two active records of a CNP (or two
// rows of a record in a month) the oldest is the one updated.
class ExternalImportRows {
 public:
  explicit ExternalImportRows(const QString& cf) : cf_(cf) {}
  const QString& Cf() const { return cf_; }

  // Reads the company's active records; false when the query failed.
  [[nodiscard]] bool Read(CClient& client);
  // The INDEX of the CNP's active record, 0 when it has none.
  int ActiveRecord(const QString& cnp) const;
  void AddRecord(const QString& cnp, int index);
  // The INDEX of the record's amounts row in the month (six characters year month), 0 when
  // it has none; nothing when reading the month failed.
  [[nodiscard]] std::optional<int> MonthRow(CClient& client, int record, const QString& month);
  void AddMonthRow(int record, const QString& month, int index);

 private:
  QString cf_;
  QHash<QString, int> active_;                 // CNP -> INDEX
  QHash<QString, QHash<int, int>> monthRows_;  // month -> record INDEX -> amounts INDEX
};

// A record's amounts as stored, or the text of the first field that is not a number.
struct ImportAmounts {
  std::vector<std::pair<QString, QString>> columns;
  QString problem;
};

// What a record's statements need, read and checked from its fields alone: it takes no
// statement, so the screens make it on a thread of their own while the statements of the
// records before it run.
struct PreparedImport {
  Refusal refusal;  // the record is rejected with this text before any statement
  QString cnp;
  QString hiring;  // anexa 1A: the hiring date of the already-imported check
  Columns insured;
  QString month;  // of the amounts
  bool monthValid = false;
  bool amountsBlank = false;  // anexa 1A: no amounts that month, so no amounts row
  ImportAmounts amounts;
};

// One external-source record for the company of `rows`: its insured record added or updated,
// then its month's amounts added or updated.
[[nodiscard]] PreparedImport PrepareExternalRecord(const QString& cf, const ImportFields& fields);
[[nodiscard]] ImportOutcome StoreExternalRecord(CClient& client, ExternalImportRows& rows,
                                                const PreparedImport& record);
[[nodiscard]] ImportOutcome ImportExternalRecord(CClient& client, ExternalImportRows& rows,
                                                 const ImportFields& fields);

// One anexa 1A record for the company `cf`, under the house `cas`, with the amounts of
// `month` (six characters year month).
[[nodiscard]] PreparedImport PreparePreviousRecord(const QString& cf, const QString& cas,
                                                   const QString& month,
                                                   const ImportFields& fields);
[[nodiscard]] ImportOutcome StorePreviousRecord(CClient& client, const QString& cf,
                                                const QString& month, const PreparedImport& record);
[[nodiscard]] ImportOutcome ImportPreviousRecord(CClient& client, const QString& cf,
                                                 const QString& cas, const QString& month,
                                                 const ImportFields& fields);
