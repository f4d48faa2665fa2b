#include "exchange/verify/verify_checks.h"

#include <limits>

#include "common/code_lists.h"
#include "common/dates.h"
#include "common/identifiers.h"
#include "exchange/verify/verify_record.h"

namespace {

// --- the health annexes

struct AnnexTexts {
  HeaderTexts header;
  QString noRecords;
  QString withFaults;
  QString withoutFaults;
};

// The annex is named by `annex` in most texts; the count and names texts of some annexes
// name it otherwise ("Anexa 1A", "Anexa 3C") and keep doing so.
AnnexTexts Texts(const char* annex, const char* countAnnex, const char* namesAnnex, int fields) {
  const QString name = QLatin1String(annex);
  return {{QStringLiteral("%1: Fisierul selectat este invalid!\n\nTrebuie sa contina %2 campuri.")
               .arg(QLatin1String(countAnnex))
               .arg(fields),
           QLatin1String(namesAnnex) +
               QStringLiteral(": Fisierul selectat este invalid!\n\nUnul sau mai multe campuri "
                              "nu au denumirea corecta")},
          name + QStringLiteral(": Fisierul selectat nu contine inregistrari!"),
          name + QStringLiteral(": ") + FaultsSummary(),
          name + QStringLiteral(": ") + SuccessSummary()};
}

using Passes = std::function<bool(const RecordCells&)>;

struct Rule {
  Passes passes;
  QString message;
};

Passes YearFrom2006(int field) {
  return [field](const RecordCells& r) { return AsNumber(r[field]) >= 2006; };
}
Passes MonthOfYear(int field) {
  return [field](const RecordCells& r) {
    const long long month = AsNumber(r[field]);
    return month >= 1 && month <= 12;
  };
}
Passes Present(int field) {
  return [field](const RecordCells& r) { return AsNumber(r[field]) != 0; };
}
Passes FiscalCode(int field) {
  return [field](const RecordCells& r) { return CheckCui(r[field]); };
}
Passes PersonalCode(int field) {
  return [field](const RecordCells& r) { return CheckCnp(r[field]); };
}
Passes OneOf(int field, QStringList allowed) {
  return [field, allowed](const RecordCells& r) { return allowed.contains(r[field]); };
}

// Eight characters year, month, day of a calendar date.
bool IsDate(const QString& text) {
  return text.size() == 8 && CheckDate(text.mid(6, 2), text.mid(4, 2), text.left(4));
}
Passes Date(int field) {
  return [field](const RecordCells& r) { return IsDate(r[field]); };
}
Passes DateOrNone(int field) {
  return [field](const RecordCells& r) { return AcceptedLiquidation(r[field]); };
}
// A house code in either form of Harghita: the certificates' CASHG or the register's CASHR,
// which the program's own anexa 1C carries.
Passes House(int field) {
  return [field](const RecordCells& r) {
    const QString code = QStringLiteral("CAS") + r[field];
    return HouseIndex(code, HouseList::kRegister) >= 0 ||
           HouseIndex(code, HouseList::kCertificate) >= 0;
  };
}

const QString kBadCf = QStringLiteral("Campul CF: Codul de identificare fiscala incorect");
const QString kBadCnp = QStringLiteral("Campul CNP: Codul Numeric Personal incorect");
const QString kBadAn = QStringLiteral("Campul AN trebuie sa fie mai mare sau egal cu 2006");
const QString kBadLn = QStringLiteral("Campul LN trebuie sa fie intre 1 si 12");

std::vector<Rule> AnnexARules() {
  const auto f = [](const char* name) { return FieldAt(VerifiedFile::kAnnexA, name); };
  return {
      {YearFrom2006(f("AN")), kBadAn},
      {MonthOfYear(f("LN")), kBadLn},
      {Present(f("CF")),
       QStringLiteral("Codul de identificare fiscala nu este prezent in campul CF")},
      {FiscalCode(f("CF")), kBadCf},
      {PersonalCode(f("CNP")), kBadCnp},
      {OneOf(f("CAT"), {"S", "CM", "AM", "CT", "CIC", "DCM", "SCS", "SS"}),
       QStringLiteral("Campul CAT: Forma de angajare trebuie sa fie S, CM, AM, CT, CIC, DCM, SCS "
                      "sau SS")},
      {Date(f("ANG")),
       QStringLiteral("Campul ANG: data este incorecta. trebuie sa fie de forma AAAALLZZ")},
      {DateOrNone(f("PL")),
       QStringLiteral("Campul PL: data este incorecta. trebuie sa fie de forma AAAALLZZ")},
  };
}

std::vector<Rule> AnnexBRules() {
  const auto f = [](const char* name) { return FieldAt(VerifiedFile::kAnnexB, name); };
  return {
      {YearFrom2006(f("AN")),
       QStringLiteral("Campul AN: anul declaratiei trebuie sa fie mai mare sau egal cu 2006")},
      {MonthOfYear(f("LN")),
       QStringLiteral("Campul LN: luna declaratiei trebuie sa fie intre 1 si 12")},
      {Present(f("CF")),
       QStringLiteral("Campurile CF: Codul de identificare fiscala nu este prezent")},
      {FiscalCode(f("CF")), kBadCf},
      {PersonalCode(f("CNP")), kBadCnp},
      {PersonalCode(f("CNPC")), QStringLiteral("Campul CNPC: Codul Numeric Personal incorect")},
      {OneOf(f("TIPC"), {"S", "P"}),
       QStringLiteral("Campul TIPC: Forma de coasigurare trebuie sa fie S sau P")},
  };
}

std::vector<Rule> AnnexCRules() {
  const auto f = [](const char* name) { return FieldAt(VerifiedFile::kAnnexC, name); };
  return {
      {YearFrom2006(f("AN")), kBadAn},
      {MonthOfYear(f("LN")), kBadLn},
      {Present(f("CF")),
       QStringLiteral("Codul de identificare fiscala nu este prezent in campuril CF")},
      {FiscalCode(f("CF")), kBadCf},
      {House(f("CAS_ASIG")),
       QStringLiteral("Campul CAS_ASIG: codul de casa de asigurari este eronat")},
  };
}

VerifyReport VerifyAnnex(VerifiedFile file, const ReadTable& table, const AnnexTexts& texts,
                         const std::vector<Rule>& rules, const VerifyProgress& progress) {
  VerifyReport report;
  if (auto problem = HeaderProblem(file, table, texts.header)) {
    report.message = *problem;
    return report;
  }
  const int total = table.records.RowCount();
  if (total == 0) {
    report.message = texts.noRecords;
    return report;
  }
  report.recordsChecked = true;
  if (progress) progress(0, total);
  for (int row = 0; row < total; ++row) {
    const RecordCells record(table.records, row);
    for (const Rule& rule : rules) {
      if (rule.passes(record)) continue;
      report.faults.push_back({row, rule.message});
      break;
    }
    if (progress) progress(row + 1, total);
  }
  report.message = report.faults.empty() ? texts.withoutFaults : texts.withFaults;
  return report;
}

}  // namespace

long long AsNumber(const QString& text) {
  constexpr long long kLargest = std::numeric_limits<long long>::max();
  long long value = 0;
  for (const QChar c : text) {
    if (c < u'0' || c > u'9') break;
    const int digit = c.unicode() - u'0';
    value = value > (kLargest - digit) / 10 ? kLargest : value * 10 + digit;
  }
  return value;
}

bool AcceptedLiquidation(const QString& text) { return AsNumber(text) <= 0 || IsDate(text); }

const QStringList& VerifiedFieldNames(VerifiedFile file) {
  static const QStringList annexA = {"LN",      "AN",  "CF",  "RJ", "RN",  "RA",  "CNP",  "NUME",
                                     "PRENUME", "CAT", "ANG", "PL", "SDL", "SVL", "NREP", "PREP"};
  static const QStringList annexB = {"LN",   "AN",    "CF",       "RJ",   "RN",   "RA",  "CNP",
                                     "CNPC", "NUMEC", "PRENUMEC", "TIPC", "NREP", "PREP"};
  static const QStringList annexC = {"LN",       "AN",       "CF",   "RJ",   "RN",
                                     "RA",       "CAS_ASIG", "SDLA", "SVTA", "SDL_ASIG",
                                     "SVT_ASIG", "NREP",     "PREP"};
  static const QStringList leave1 = {
      "CAS_ANG",   "TIPD",       "LN",         "AN",       "DEN_ANG",  "CUI",        "REG_COM",
      "NR_ANGAJ",  "TOT_SAL_BR", "TOT_CONTRI", "FAAMBP",   "C_FAAMBP", "FOND_CONTR", "TOT_CUANT_",
      "CAZ_G1",    "CAZ_G2",     "CAZ_G3",     "CAZ_G4",   "CAZ_G5",   "ZI_PRE_G1",  "ZI_PRE_G2",
      "ZI_PRE_G3", "ZI_PRE_G4",  "ZI_PRE_G5",  "ZI_FN_G1", "ZI_FN_G2", "ZI_FN_G3",   "ZI_FN_G4",
      "ZI_FN_G5",  "FN_G1",      "FN_G2",      "FN_G3",    "FN_G4",    "FN_G5",      "TOT_ANTER",
      "COMPENSAT", "TOT_VIRAT",  "TOT_RECUP",  "ADR_LOC",  "ADR_STR",  "ADR_NR",     "ADR_BL",
      "ADR_SC",    "ADR_ET",     "ADR_AP",     "ADR_TEL",  "ADR_JUD",  "ADR_SECT",   "E_MAIL",
      "B1",        "F1",         "C1",         "B2",       "F2",       "C2",         "NRF"};
  static const QStringList leave2 = {
      "TIPD",       "LN",        "AN",      "DEN_ANG",   "CUI",        "NR_CRT",
      "TIP_RECTIF", "NUME_ASIG", "CNP",     "CAS_ASIG",  "ZI_LUCRAT",  "TOT_ZI_LUC",
      "SERIE_CCM",  "NUMAR_CCM", "ZI_PRE",  "ZI_FN",     "COD_INDEMN", "SERIE_CCM_",
      "NUMAR_CCM_", "FN",        "COD_URG", "COD_CONTAG"};
  switch (file) {
    case VerifiedFile::kAnnexA:
      return annexA;
    case VerifiedFile::kAnnexB:
      return annexB;
    case VerifiedFile::kAnnexC:
      return annexC;
    case VerifiedFile::kLeave1:
      return leave1;
    case VerifiedFile::kLeave2:
      break;
  }
  return leave2;
}

int FieldAt(VerifiedFile file, const char* name) {
  return static_cast<int>(VerifiedFieldNames(file).indexOf(QLatin1String(name)));
}

Refusal HeaderProblem(VerifiedFile file, const ReadTable& table, const HeaderTexts& texts) {
  const QStringList& expected = VerifiedFieldNames(file);
  if (table.names.size() != expected.size()) return texts.count;
  if (table.names != expected) return texts.names;
  return std::nullopt;
}

VerifyReport VerifyTable(VerifiedFile file, const ReadTable& table,
                         const VerifyProgress& progress) {
  switch (file) {
    case VerifiedFile::kAnnexA:
      return VerifyAnnex(file, table, Texts("Anexa A", "Anexa 1A", "Anexa A", 16), AnnexARules(),
                         progress);
    case VerifiedFile::kAnnexB:
      return VerifyAnnex(file, table, Texts("Anexa B", "Anexa B", "Anexa B", 13), AnnexBRules(),
                         progress);
    case VerifiedFile::kAnnexC:
      return VerifyAnnex(file, table, Texts("Anexa C", "Anexa C", "Anexa 3C", 13), AnnexCRules(),
                         progress);
    case VerifiedFile::kLeave1:
      return VerifyLeave1(table);
    case VerifiedFile::kLeave2:
      break;
  }
  return VerifyLeave2(table, progress);
}
