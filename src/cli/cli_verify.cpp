#include "cli/cli_verify.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

#include "cli/cli_console.h"
#include "cli/cli_stop.h"
#include "cli/cli_texts.h"
#include "exchange/verify/verify_file.h"
#include "exchange/verify/verify_record.h"
#include "store/list_model.h"

namespace {

VerifiedFile FileKind(const QString& annex) {
  if (annex == u"A") return VerifiedFile::kAnnexA;
  if (annex == u"B") return VerifiedFile::kAnnexB;
  if (annex == u"C") return VerifiedFile::kAnnexC;
  if (annex == u"1") return VerifiedFile::kLeave1;
  return VerifiedFile::kLeave2;
}

QString OneLine(const QString& text) {
  QString line = text;
  line.replace(u'\n', u' ');
  return line.simplified();
}

QString JsonLine(const QJsonObject& object) {
  return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

// The file's faults and summary; true when it passed every check.
bool Report(Console& console, const QString& file, const VerifyReport& report, bool json) {
  for (const VerifyFault& fault : report.faults) {
    const int record = fault.row + 1;
    console.Result(
        json ? JsonLine({{"fisier", file}, {"inregistrare", record}, {"eroare", fault.text}})
             : cli_texts::RecordLine(file, record, fault.text));
  }
  // The check's own verdict is its summary: only a file that passed ends with this one.
  const bool passed = report.faults.empty() && report.message.endsWith(SuccessSummary());
  const QString summary = OneLine(report.message);
  console.Result(json ? JsonLine({{"fisier", file},
                                  {"rezultat", summary},
                                  {"inregistrari_eronate", static_cast<int>(report.faults.size())},
                                  {"corect", passed}})
                      : QStringLiteral("%1: %2").arg(file, summary));
  return passed;
}

}  // namespace

int RunVerify(Console& console, const VerifyRequest& request) {
  // Every name is checked before the first file is read: a script's typing error is not a
  // fault of the files.
  for (const QString& file : request.files) {
    const QString shown = QDir::toNativeSeparators(file);
    if (!QFileInfo(file).isFile()) {
      console.Error(cli_texts::MissingFile(shown));
      return 2;
    }
    if (!IsVerifiableName(file)) {
      console.Error(cli_texts::NotDbf(shown));
      return 2;
    }
  }
  const VerifiedFile kind = FileKind(request.annex);
  bool allPassed = true;
  const auto count = static_cast<int>(request.files.size());
  for (int i = 0; i < count; ++i) {
    const QString shown = QDir::toNativeSeparators(request.files[i]);
    console.Progress(
        QStringLiteral("verifica: fisierul %1 din %2 (%3)").arg(i + 1).arg(count).arg(shown));
    ListModel records;
    const QStringList names = ReadVerifiedFile(request.files[i], records);
    const VerifyReport report = VerifyTable(kind, {names, records});
    allPassed = Report(console, shown, report, request.json) && allPassed;
    if (CommandStop::Requested() && i + 1 < count) {
      console.Error(cli_texts::kStopped);
      return 1;
    }
  }
  return allPassed ? 0 : 1;
}
