#include "exchange/verify/written_check.h"

#include <QDir>
#include <QFileInfo>

#include "exchange/verify/verify_file.h"
#include "exchange/verify/verify_record.h"
#include "health/annexes/annex_naming.h"
#include "leave/output/declaration_files.h"
#include "store/list_model.h"

namespace {

const QString kUnreadable = QStringLiteral("fisierul nu poate fi citit");

// The kinds whose file may rightly hold no record: a house without co-insured persons, a
// declaration without certificates.
bool MayBeEmpty(VerifiedFile kind) {
  return kind == VerifiedFile::kAnnexB || kind == VerifiedFile::kLeave2;
}

QString OneLine(const QString& text) {
  QString line = text;
  line.replace(u'\n', u' ');
  return line.simplified();
}

WrittenFileCheck Check(const QString& path) {
  WrittenFileCheck check{path, WrittenFileKind(path), WrittenVerdict::kNotChecked, {}, {}};
  const std::optional<VerifiedFile>& kind = check.kind;
  if (!kind) return check;
  ListModel records;
  const QStringList names = ReadVerifiedFile(path, records);
  check.verdict = WrittenVerdict::kFaulty;
  if (names.isEmpty()) {
    check.message = kUnreadable;
    return check;
  }
  if (MayBeEmpty(*kind) && records.RowCount() == 0 && names == VerifiedFieldNames(*kind)) {
    check.verdict = WrittenVerdict::kEmptyByDesign;
    return check;
  }
  VerifyReport report = VerifyTable(*kind, {names, records});
  check.message = OneLine(report.message);
  check.faults = std::move(report.faults);
  // The check's own verdict is its summary, as for the verification command.
  if (check.faults.empty() && report.message.endsWith(SuccessSummary())) {
    check.verdict = WrittenVerdict::kPassed;
  }
  return check;
}

QString EmptyByDesignLine(const QString& name, const WrittenFileCheck& check) {
  const bool leave = check.kind == VerifiedFile::kLeave2;
  return QStringLiteral(
             "%1: fara inregistrari - %2; este corect asa, desi verificarea refuza "
             "orice fisier gol")
      .arg(name, leave ? QStringLiteral("declaratia nu are concedii medicale")
                       : QStringLiteral("casa nu are coasigurati"));
}

// Each faulty record (file, record, rule), or the file's own fault.
QStringList FaultLines(const QString& name, const WrittenFileCheck& check) {
  if (check.faults.empty()) return {QStringLiteral("%1: %2").arg(name, check.message)};
  QStringList lines;
  for (const VerifyFault& fault : check.faults) {
    lines.append(
        QStringLiteral("%1, inregistrarea %2: %3").arg(name).arg(fault.row + 1).arg(fault.text));
  }
  return lines;
}

QString FaultyVerdict(int faulty) {
  if (faulty == 1) {
    return QStringLiteral("verificate: un fisier are greseli - casa de asigurari l-ar refuza");
  }
  return QStringLiteral("verificate: %1 fisiere au greseli - casa de asigurari le-ar refuza")
      .arg(faulty);
}

}  // namespace

std::optional<VerifiedFile> WrittenFileKind(const QString& path) {
  const QString name = QFileInfo(path).fileName();
  if (const std::optional<Annex> annex = AnnexOfFileName(name)) {
    switch (*annex) {
      case Annex::k1A:
        return VerifiedFile::kAnnexA;
      case Annex::k1B:
        return VerifiedFile::kAnnexB;
      case Annex::k1C:
        return VerifiedFile::kAnnexC;
    }
  }
  if (const std::optional<DeclarationFile> file = DeclarationFileOfName(name)) {
    return *file == DeclarationFile::kA1 ? VerifiedFile::kLeave1 : VerifiedFile::kLeave2;
  }
  return std::nullopt;
}

std::vector<WrittenFileCheck> CheckWrittenFiles(const QStringList& paths) {
  std::vector<WrittenFileCheck> checks;
  checks.reserve(static_cast<size_t>(paths.size()));
  for (const QString& path : paths) checks.push_back(Check(path));
  return checks;
}

SaveConfirmation ConfirmationOf(const QString& heading, const QStringList& paths) {
  SaveConfirmation confirmation;
  confirmation.heading = heading;
  if (!paths.isEmpty()) {
    confirmation.folder = QDir::toNativeSeparators(QFileInfo(paths.front()).absolutePath());
  }
  bool checked = false;
  int faulty = 0;
  for (const WrittenFileCheck& check : CheckWrittenFiles(paths)) {
    const QString name = QFileInfo(check.path).fileName();
    confirmation.files.append(name);
    switch (check.verdict) {
      case WrittenVerdict::kNotChecked:
        continue;
      case WrittenVerdict::kPassed:
        break;
      case WrittenVerdict::kEmptyByDesign:
        confirmation.details.append(EmptyByDesignLine(name, check));
        break;
      case WrittenVerdict::kFaulty:
        ++faulty;
        confirmation.details.append(FaultLines(name, check));
        break;
    }
    checked = true;
  }
  confirmation.faulty = faulty > 0;
  if (checked)
    confirmation.verdict = faulty > 0 ? FaultyVerdict(faulty) : confirmation_texts::kPassed;
  return confirmation;
}
