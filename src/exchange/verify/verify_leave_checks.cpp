// The medical-leave declaration files: Anexa 1 (the declaration, one record) and Anexa 2
// (its certificates).

#include "common/dates.h"
#include "common/identifiers.h"
#include "exchange/verify/verify_record.h"

namespace {

const QString kLeave1 = QStringLiteral("Concedii medicale - Anexa 1: ");
const QString kLeave2 = QStringLiteral("Concedii medicale - Anexa 2: ");

struct HeadingTexts {
  QString cui;
  QString month;
  QString tipd;
};

HeadingTexts Leave1HeadingTexts() {
  return {kLeave1 + QStringLiteral("Codul fiscal din campul CUI este invalid"),
          kLeave1 + QStringLiteral("Campurile LN si AN sunt incorecte."),
          kLeave1 + QStringLiteral("Valoarea din campul TIPD este invalida")};
}

HeadingTexts Leave2HeadingTexts() {
  return {kLeave2 + QStringLiteral("Codul fiscal din campul CUI este invalid"),
          kLeave2 + QStringLiteral("Campurile LN si AN sunt incorecte"),
          kLeave2 + QStringLiteral("Valoarea din campul TIPD este invalida")};
}

HeaderTexts LeaveHeaderTexts(const QString& prefix, int fields) {
  return {prefix + QStringLiteral("Fisierul trebuie sa contina %1 de campuri").arg(fields),
          prefix + QStringLiteral("Unul sau mai multe campuri nu are/au denumirea corecta")};
}

// The employer's code without the "R" (payer of VAT) some programs put in front; nothing
// when what is left is not a fiscal code.
std::optional<QString> CleanedCui(const QString& cui) {
  if (cui.isEmpty()) return std::nullopt;
  QString code = cui;
  if (code.front() == u'R' || code.front() == u'r') code.remove(0, 1);
  code = code.trimmed();
  if (!CheckCui(code)) return std::nullopt;
  return code;
}

struct HeadingCheck {
  std::optional<QString> problem;
  DeclarationHeading heading;
};

// The declaration's employer, month and kind, from its first record.
HeadingCheck CheckHeading(VerifiedFile file, const RecordCells& first, const HeadingTexts& texts) {
  const auto field = [&](const char* name) { return first[FieldAt(file, name)]; };
  HeadingCheck check;
  const std::optional<QString> cui = CleanedCui(field("CUI"));
  if (!cui) {
    check.problem = texts.cui;
    return check;
  }
  check.heading = {field("LN"), field("AN"), *cui, field("TIPD")};
  if (!CheckDate(QStringLiteral("01"), check.heading.ln, check.heading.an)) {
    check.problem = texts.month;
  } else if (check.heading.tipd != u"0" && check.heading.tipd != u"1") {
    check.problem = texts.tipd;
  }
  return check;
}

enum class CertificateCheck { kPasses, kBadRectification, kBadCnp, kDropped };

CertificateCheck CheckCertificate(const RecordCells& record, bool rectifying) {
  const auto field = [&](const char* name) { return record[FieldAt(VerifiedFile::kLeave2, name)]; };
  if (rectifying) {
    const QString type = field("TIP_RECTIF");
    if (type != u"M" && type != u"A" && type != u"S") return CertificateCheck::kBadRectification;
  }
  if (CheckCnp(field("CNP"))) return CertificateCheck::kPasses;
  return AsNumber(field("ZI_PRE")) == 0 ? CertificateCheck::kDropped : CertificateCheck::kBadCnp;
}

}  // namespace

VerifyReport VerifyLeave1(const ReadTable& table) {
  VerifyReport report;
  if (auto problem = HeaderProblem(VerifiedFile::kLeave1, table, LeaveHeaderTexts(kLeave1, 56))) {
    report.message = *problem;
    return report;
  }
  const int rows = table.records.RowCount();
  if (rows != 1) {
    report.message =
        rows == 0 ? QStringLiteral("Concedii medicale - Anexa 1 - Fisierul nu contine inregistrari")
                  : kLeave1 + QStringLiteral("Fisierul trebuie sa contina o singura inregistrare");
    return report;
  }
  const HeadingCheck check =
      CheckHeading(VerifiedFile::kLeave1, RecordCells(table.records, 0), Leave1HeadingTexts());
  if (check.problem) {
    report.message = *check.problem;
    return report;
  }
  report.heading = check.heading;
  report.message = kLeave1 + SuccessSummary();
  return report;
}

VerifyReport VerifyLeave2(const ReadTable& table, const VerifyProgress& progress) {
  VerifyReport report;
  if (auto problem = HeaderProblem(VerifiedFile::kLeave2, table, LeaveHeaderTexts(kLeave2, 22))) {
    report.message = *problem;
    return report;
  }
  const int total = table.records.RowCount();
  // A file without records has no employer: it fails the first heading rule.
  if (total == 0) {
    report.message = Leave2HeadingTexts().cui;
    return report;
  }
  const HeadingCheck check =
      CheckHeading(VerifiedFile::kLeave2, RecordCells(table.records, 0), Leave2HeadingTexts());
  if (check.problem) {
    report.message = *check.problem;
    return report;
  }
  report.heading = check.heading;
  report.recordsChecked = true;
  const bool rectifying = AsNumber(check.heading.tipd) == 1;
  if (progress) progress(0, total);
  for (int row = 0; row < total; ++row) {
    switch (CheckCertificate(RecordCells(table.records, row), rectifying)) {
      case CertificateCheck::kPasses:
        break;
      case CertificateCheck::kBadRectification:
        report.faults.push_back(
            {row, QStringLiteral("Campul TIP_RECTIF: trebuie sa fie M, A sau S")});
        break;
      case CertificateCheck::kBadCnp:
        report.faults.push_back(
            {row, QStringLiteral("Campul CNP: codul numeric personal este invalid")});
        break;
      case CertificateCheck::kDropped:
        report.removed.push_back(row);
        break;
    }
    if (progress) progress(row + 1, total);
  }
  report.message = kLeave2 + (report.faults.empty() ? SuccessSummary() : FaultsSummary());
  return report;
}
