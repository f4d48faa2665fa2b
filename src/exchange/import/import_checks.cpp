#include "exchange/import/import_checks.h"

#include <utility>

#include "common/amounts.h"
#include "common/code_lists.h"
#include "common/dates.h"
#include "common/identifiers.h"
#include "exchange/verify/verify_checks.h"
#include "store/schema/schema_tables.h"

namespace {

QString HeaderMessage(const char* reason) {
  return QStringLiteral("Fisierul selectat este invalid!\n\n") + QLatin1String(reason);
}

bool IsHiringDate(const QString& date) {
  return date.size() == 8 && CheckDate(date.mid(6, 2), date.mid(4, 2), date.left(4));
}

Refusal RecordProblem(const QString& cnp, const QString& hiring, const QString& form,
                      const QStringList& forms, const QString& formMessage) {
  if (!CheckCnp(cnp.trimmed())) {
    return QStringLiteral("CNP-ul este incorect. Inregistrarea a fost ignorata");
  }
  if (!IsHiringDate(hiring.trimmed())) {
    return QStringLiteral("Data intrarii este incorecta. Inregistrarea a fost ignorata");
  }
  if (!forms.contains(form.trimmed())) return formMessage;
  return std::nullopt;
}

}  // namespace

const QStringList& ExternalFieldNames() {
  static const QStringList names = {"CF",      "CAS",     "CNP",     "NUME",    "PRENUME",
                                    "INTRARE", "FORMA",   "SALARIU", "ASG_DAT", "ASG_VIR",
                                    "ANG_DAT", "ANG_VIR", "LA_LUNA"};
  return names;
}

const QStringList& PreviousFieldNames(int count) {
  static const QStringList sixteen = {"LN",      "AN",  "CF",  "RJ", "RN",  "RA",  "CNP",  "NUME",
                                      "PRENUME", "CAT", "ANG", "PL", "SDL", "SVL", "NREP", "PREP"};
  static const QStringList nineteen = {"AN",  "LN",   "CF",      "CNPA", "RJ",  "RN", "RA",
                                       "CNP", "NUME", "PRENUME", "CAT",  "ANG", "PL", "SDT",
                                       "SDL", "SVT",  "SVL",     "NREP", "PREP"};
  static const QStringList none;
  if (count == 16) return sixteen;
  if (count == 19) return nineteen;
  return none;
}

Refusal ExternalHeaderProblem(const QStringList& names) {
  if (names != ExternalFieldNames()) {
    return HeaderMessage("Citeste manualul pentru formatul de import.");
  }
  return std::nullopt;
}

Refusal PreviousHeaderProblem(const QStringList& names) {
  if (names.size() != 16 && names.size() != 19) {
    return HeaderMessage("Trebuie sa fie un fisier de tip anexa A.");
  }
  if (names != PreviousFieldNames(static_cast<int>(names.size()))) {
    return HeaderMessage("Trebuie sa fie un fisier de tip anexa 1A.");
  }
  return std::nullopt;
}

QString NoRecordsMessage() { return QStringLiteral("Fisierul selectat nu contine inregistrari!"); }

QString BadFiscalCodeMessage() { return QStringLiteral("Codul fiscal din fisier este invalid!"); }

QString ImportCompanyCode(const QString& text) {
  const QString code = text.trimmed();
  if (code.startsWith(QLatin1String("RO"))) return code.mid(2).trimmed();
  if (code.startsWith(QLatin1Char('R'))) return code.mid(1).trimmed();
  return code;
}

std::optional<QString> ImportFiscalCode(const QString& text) {
  const QString code = ImportCompanyCode(text);
  const bool valid = code.size() == 13 ? CheckCnp(code) : CheckCui(code);
  if (!valid) return std::nullopt;
  return code;
}

Refusal ExternalRecordProblem(const QString& cnp, const QString& hiring, const QString& form) {
  static const QStringList forms = {"S", "CM", "AM", "CT", "CIC", "DCM", "SCS", "SS"};
  return RecordProblem(cnp, hiring, form, forms,
                       QStringLiteral("Forma de angajare este incorecta (trebuia sa fie S, CM, "
                                      "AM, CT, CIC, DCM, SCS sau SS). Inregistrarea a fost "
                                      "ignorata"));
}

Refusal PreviousRecordProblem(const QString& cnp, const QString& hiring, const QString& form) {
  static const QStringList forms = {"S", "CM", "CIC", "DCM", "SCS", "SS"};
  return RecordProblem(
      cnp, hiring, form, forms,
      QStringLiteral("Forma de angajare este incorecta. Inregistrarea a fost ignorata"));
}

Refusal ImportLengthProblem(const ImportFields& fields) {
  // Both layouts carry the names under the register's own column names.
  // The widths are the schema's, the same for every record of every file.
  static const std::pair<QString, std::optional<int>> names[] = {
      {QStringLiteral("NUME"),
       TextColumnWidth(QStringLiteral("asigurati"), QStringLiteral("asigurati"),
                       QStringLiteral("NUME"))},
      {QStringLiteral("PRENUME"),
       TextColumnWidth(QStringLiteral("asigurati"), QStringLiteral("asigurati"),
                       QStringLiteral("PRENUME"))}};
  for (const auto& [field, width] : names) {
    const qsizetype length = fields.value(field).trimmed().size();
    if (width && length > *width) {
      return QStringLiteral("Campul %1 are %2 caractere; registrul pastreaza cel mult %3.")
          .arg(field)
          .arg(length)
          .arg(*width);
    }
  }
  return std::nullopt;
}

Refusal LiquidationProblem(const QString& liquidation) {
  if (AcceptedLiquidation(liquidation.trimmed())) return std::nullopt;
  return QStringLiteral("Data iesirii este incorecta. Inregistrarea a fost ignorata");
}

QString StoredLiquidation(const QString& liquidation) {
  const QString trimmed = liquidation.trimmed();
  return AsNumber(trimmed) <= 0 ? QStringLiteral("0") : trimmed;
}

QString ImportHouse(const QString& code) {
  const QString trimmed = code.trimmed();
  if (trimmed == QLatin1String("CASHG")) return HouseCode(23, HouseList::kRegister);
  if (HouseIndex(trimmed, HouseList::kRegister) < 0) return HouseCode(0, HouseList::kRegister);
  return trimmed;
}

bool IsAmountsMonth(const QString& month) {
  return month.size() == 6 && CheckDate(QStringLiteral("1"), month.mid(4, 2), month.left(4));
}

QString PreviousAmountsMonth(const QString& an, const QString& ln) {
  return an.trimmed() + PadLeft(ln.trimmed(), 2);
}

std::optional<double> ImportAmount(const QString& text) {
  // An optional minus, digits with at most one decimal point or comma, and a digit on at
  // least one side of it. Read by hand: an import parses five amounts per record.
  const QStringView trimmed = QStringView(text).trimmed();
  if (trimmed.isEmpty()) return 0.0;
  QByteArray plain;
  plain.reserve(trimmed.size());
  bool point = false;
  bool digit = false;
  for (qsizetype i = 0; i < trimmed.size(); ++i) {
    const char16_t c = trimmed[i].unicode();
    if (c >= u'0' && c <= u'9') {
      digit = true;
    } else if ((c == u'.' || c == u',') && !point) {
      point = true;
    } else if (!(c == u'-' && i == 0)) {
      return std::nullopt;
    }
    plain.append(c == u',' ? '.' : static_cast<char>(c));
  }
  if (!digit) return std::nullopt;
  return plain.toDouble();
}

QString StoredWage(double amount) {
  QString text = QString::number(amount, 'f', 2);
  while (text.endsWith(QLatin1Char('0'))) text.chop(1);
  if (text.endsWith(QLatin1Char('.'))) text.chop(1);
  return text == QLatin1String("-0") ? QStringLiteral("0") : text;
}

QString StoredContribution(double amount) { return StoredWage(RoundLei(amount)); }

QString BadMonthText() {
  return QStringLiteral("; Campul la luna este incorect. Nu au fost procesate sumele");
}

QString BadAmountText(const QString& field) {
  return QStringLiteral("; Campul %1 nu este o suma. Nu au fost procesate sumele").arg(field);
}
