#pragma once

// What the checks of the health annexes and of the medical-leave files share.

#include <QString>
#include <optional>

#include "common/check_result.h"
#include "exchange/verify/verify_checks.h"
#include "store/list_model.h"

// One record's field texts by position, trimmed at both ends: character fields arrive with
// their trailing blanks, and no rule means to count them.
class RecordCells {
 public:
  RecordCells(const ListModel& records, int row) : records_(records), row_(row) {}
  QString operator[](int field) const { return records_.Cell(row_, field).trimmed(); }

 private:
  const ListModel& records_;
  int row_;
};

// The position of a field of the file's layout (the names were checked before).
int FieldAt(VerifiedFile file, const char* name);

// The common start: the count message when the file has another number of fields, the
// names message when a name differs at its position; nothing when the fields are right.
struct HeaderTexts {
  QString count;
  QString names;
};
[[nodiscard]] Refusal HeaderProblem(VerifiedFile file, const ReadTable& table,
                                    const HeaderTexts& texts);

// The summaries a check ends with, after the file's name and ": ".
inline QString SuccessSummary() {
  return QStringLiteral("Fisierul a fost verificat cu succes!\n\nNu au fost remarcate erori.");
}
inline QString FaultsSummary() {
  return QStringLiteral(
      "Fisierul a fost verificat!\n\nInregistrarile marcate cu rosu sunt eronate. Verifica "
      "coloana EROARE de la sfarsitul tabelului");
}

VerifyReport VerifyLeave1(const ReadTable& table);
VerifyReport VerifyLeave2(const ReadTable& table, const VerifyProgress& progress);
