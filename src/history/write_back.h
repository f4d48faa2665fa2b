#pragma once

#include <QString>

#include "common/check_result.h"
#include "history/history_tables.h"
#include "store/record_history.h"

class CClient;

// Restoring a version of a row and recovering a deleted row. The rules of the row's form
// that involve other rows come first (a second active record of a CNP, a fiscal code
// already taken, a parent row that is gone); then the audited write, so the change itself
// leaves its trace. On a server each is one transaction, under the named lock the form saves
// under. Refusals say why; failed queries have been shown.

// The version's values written back over the row, as the form would save them: a company's
// changed fiscal code and an insured person's changed CNP move through the rows that carry
// them. The history is the row's, as ReadRecordHistory gave it; the version is one of it.
[[nodiscard]] CheckResult RestoreVersion(CClient& client, const HistoryTable& table, qint64 index,
                                         const RecordHistory& history,
                                         const RecordVersion& version);

// The deleted row put back with its `index`, with the rows its delete took with it (the
// audit copies dated with its own): a company's insured persons, dependants, amounts,
// declarations and certificates; an insured record's amounts and dependants; a
// declaration's certificates. A row whose parent is gone is refused until the parent is back.
[[nodiscard]] CheckResult RecoverDeletedRow(CClient& client, const HistoryTable& table,
                                            const DeletedRows& rows, const DeletedRow& row);

// The refusals, for the windows' and the tests' use.
namespace write_back_texts {
QString RowDeleted();
QString AlreadyCurrent();
QString NoCompany(const QString& cf);
QString FiscalCodeTaken(const QString& cf);
QString SecondActiveRecord(const QString& cnp);
QString NoInsuredPerson(const QString& cnp);
QString NoInsuredRecord();
QString MonthTaken(int luna);
QString DeclarationTaken(int luna);
QString NoDeclaration();
}  // namespace write_back_texts
