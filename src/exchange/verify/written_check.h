#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "exchange/verify/verify_checks.h"
#include "store/save_confirmation.h"

// The program's own reporting files checked right after they are written, with the rules
// that verify other programs' files, so that a file the health-insurance house would refuse
// never leaves silently. The window's confirmations, the command line and the month
// overview use it alike.

// The kind of a reporting file the program writes, told by its name: the anexa 1A, 1B and
// 1C files in either naming form, the A1 and A2 files of a declaration; nothing otherwise.
[[nodiscard]] std::optional<VerifiedFile> WrittenFileKind(const QString& path);

enum class WrittenVerdict {
  kPassed,  // every rule holds
  kFaulty,  // the house would refuse it: its faulty records, or `message` for the whole file
  // Without records, as it must be: an anexa 1B of a house without co-insured persons, an A2
  // of a declaration without certificates. The rules refuse every file without records.
  kEmptyByDesign,
  kNotChecked,  // not a reporting file (a PDF)
};

struct WrittenFileCheck {
  QString path;
  std::optional<VerifiedFile> kind;  // nothing: not a reporting file of the program
  WrittenVerdict verdict = WrittenVerdict::kNotChecked;
  QString message;                  // what the check ended with, on one line
  std::vector<VerifyFault> faults;  // the faulty records; row 0 is the first record
};

// Each file read back and checked by the rules of its kind, in the order given.
[[nodiscard]] std::vector<WrittenFileCheck> CheckWrittenFiles(const QStringList& paths);

namespace confirmation_texts {
inline const QString kReportFiles = QStringLiteral("Fisierele de raportare au fost salvate.");
inline const QString kDeclarationFiles = QStringLiteral("Fisierele declaratiei au fost salvate.");
inline const QString kReportPdf = QStringLiteral("Raportul a fost salvat ca PDF.");
inline const QString kDeclarationPdf = QStringLiteral("Declaratia a fost salvata ca PDF.");
inline const QString kPassed = QStringLiteral("verificate: fara greseli");
}  // namespace confirmation_texts

// The confirmation of a save that wrote `paths` (one folder): the folder, the names, and the
// check of the reporting files among them; a save of PDFs alone has no check.
[[nodiscard]] SaveConfirmation ConfirmationOf(const QString& heading, const QStringList& paths);
