#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <optional>
#include <vector>

#include "dbf/dbf_file.h"
#include "health/annexes/annex_naming.h"
#include "health/annexes/annex_values.h"

class CClient;
class ListModel;

// The anexa 1A, 1B and 1C files of one house: the records gathered through the client into
// a list, then written by DbfFile. No form is needed; the save command and the tools use
// these the same way.

struct AnnexField {
  const char* name;
  const char* type;  // "C" character, "N" number without decimals, "D" date AAAALLZZ
  int length;
};

// The file's fields in file order.
[[nodiscard]] const std::vector<AnnexField>& AnnexFields(Annex annex);
[[nodiscard]] DbfFile AnnexDefinition(Annex annex);

// Fills `records` with the annex's records for the house, one column per field in file
// order, amounts already in whole lei. False when a statement failed (the client has
// shown the error). Anexa 1C does not depend on the house: one record per house of the
// company.
[[nodiscard]] bool FillAnnexRecords(CClient& client, Annex annex, const AnnexHeader& header,
                                    const QString& cas, ListModel& records);

// The annexes' header values of the company for the month (its trade-register number and
// representative); nothing when the statement failed (shown) or the company is gone.
[[nodiscard]] std::optional<AnnexHeader> ReadAnnexHeader(CClient& client, const MonthParts& month,
                                                         const QString& cf);

// The bytes the file of gathered records would have, dated with `date`; empty when they
// cannot be made.
[[nodiscard]] QByteArray AnnexFileBytes(Annex annex, const ListModel& records, const QDate& date);

enum class AnnexOutcome { kWritten, kQueryFailed, kWriteFailed };

// Writes gathered records at `path`; false when the file could not be written completely.
[[nodiscard]] bool WriteAnnexRecords(Annex annex, const ListModel& records, const QString& path);

// Gathers the records and writes the file at `path` (an older file of that name stays
// intact when the write fails). Nothing is shown beyond the client's database errors.
[[nodiscard]] AnnexOutcome WriteAnnexFile(CClient& client, Annex annex, const AnnexHeader& header,
                                          const QString& cas, const QString& path);

// "Nu se poate salva Anexa 1A!" and its two siblings.
[[nodiscard]] QString AnnexWriteFailure(Annex annex);
