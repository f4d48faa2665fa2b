#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

class ListModel;

// The checks of reporting files made by other applications, without any window: each takes
// the table as read and says what is wrong with it. The screen and any other caller show
// the outcome (see verify_file.h).

enum class VerifiedFile { kAnnexA, kAnnexB, kAnnexC, kLeave1, kLeave2 };

// A file as read for checking: its field names in file order (none when it could not be
// read) and its records, one column per field.
struct ReadTable {
  QStringList names;
  const ListModel& records;
};

// A faulty record: its row among the records as read and the first rule it breaks.
struct VerifyFault {
  int row = 0;
  QString text;
};

// The declaration a medical-leave file belongs to, as every row of the list shows it.
struct DeclarationHeading {
  QString ln;
  QString an;
  QString cui;  // without the "R" some programs put in front
  QString tipd;
};

struct VerifyReport {
  QString message;              // what the check ends with; always set
  bool recordsChecked = false;  // each record was checked: the list gets "EROARE"
  std::vector<VerifyFault> faults;
  // Rows among the records as read that leave the list without a mark, ascending.
  std::vector<int> removed;
  std::optional<DeclarationHeading> heading;
};

// Told the record count before the first record (done = 0), then after each record.
using VerifyProgress = std::function<void(int done, int total)>;

[[nodiscard]] VerifyReport VerifyTable(VerifiedFile file, const ReadTable& table,
                                       const VerifyProgress& progress = {});

// The fields each kind of file must have, in file order.
[[nodiscard]] const QStringList& VerifiedFieldNames(VerifiedFile file);

// A field read as a number: its leading decimal digits; empty or non-numeric text is 0
// (so is a sign in front). Very long digit runs stop growing at the largest value.
[[nodiscard]] long long AsNumber(const QString& text);

// A liquidation date (PL) as the annex A check takes it: a calendar date of eight characters
// year month day or, when its leading number is not above 0 ("", "0", "00000000"), none: the
// person is still employed. The import of an anexa 1A takes the same.
[[nodiscard]] bool AcceptedLiquidation(const QString& text);

inline const QString kVerifyErrorColumn = QStringLiteral("EROARE");
