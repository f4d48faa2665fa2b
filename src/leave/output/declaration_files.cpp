#include "leave/output/declaration_files.h"

#include <QBuffer>
#include <QDir>
#include <QRegularExpression>

#include "common/number_texts.h"
#include "dbf/dbf_checksum.h"
#include "leave/output/declaration_print.h"
#include "store/c_client.h"
#include "store/list_model.h"
#include "store/prompter.h"

namespace {

const std::vector<DeclarationField> kA1Fields = {
    {"CAS_ANG", "C", 2},     {"TIPD", "N", 1},        {"LN", "N", 2},
    {"AN", "N", 4},          {"DEN_ANG", "C", 50},    {"CUI", "C", 13},
    {"REG_COM", "C", 20},    {"NR_ANGAJ", "N", 6},    {"TOT_SAL_BR", "N", 18},
    {"TOT_CONTRI", "N", 18}, {"FAAMBP", "N", 18},     {"C_FAAMBP", "N", 18},
    {"FOND_CONTR", "N", 18}, {"TOT_CUANT_", "N", 18}, {"CAZ_G1", "N", 5},
    {"CAZ_G2", "N", 5},      {"CAZ_G3", "N", 5},      {"CAZ_G4", "N", 5},
    {"CAZ_G5", "N", 5},      {"ZI_PRE_G1", "N", 4},   {"ZI_PRE_G2", "N", 4},
    {"ZI_PRE_G3", "N", 4},   {"ZI_PRE_G4", "N", 4},   {"ZI_PRE_G5", "N", 4},
    {"ZI_FN_G1", "N", 4},    {"ZI_FN_G2", "N", 4},    {"ZI_FN_G3", "N", 4},
    {"ZI_FN_G4", "N", 4},    {"ZI_FN_G5", "N", 4},    {"FN_G1", "N", 18},
    {"FN_G2", "N", 18},      {"FN_G3", "N", 18},      {"FN_G4", "N", 18},
    {"FN_G5", "N", 18},      {"TOT_ANTER", "N", 18},  {"COMPENSAT", "N", 18},
    {"TOT_VIRAT", "N", 18},  {"TOT_RECUP", "N", 18},  {"ADR_LOC", "C", 25},
    {"ADR_STR", "C", 25},    {"ADR_NR", "C", 10},     {"ADR_BL", "C", 10},
    {"ADR_SC", "C", 5},      {"ADR_ET", "C", 2},      {"ADR_AP", "C", 3},
    {"ADR_TEL", "C", 15},    {"ADR_JUD", "C", 2},     {"ADR_SECT", "N", 2},
    {"E_MAIL", "C", 50},     {"B1", "C", 25},         {"F1", "C", 25},
    {"C1", "C", 50},         {"B2", "C", 25},         {"F2", "C", 25},
    {"C2", "C", 50},         {"NRF", "N", 2},
};

// NUMAR_CCM_ holds the number of the initial certificate; the houses check every name.
const std::vector<DeclarationField> kA2Fields = {
    {"TIPD", "N", 1},       {"LN", "N", 2},         {"AN", "N", 4},          {"DEN_ANG", "C", 50},
    {"CUI", "C", 13},       {"NR_CRT", "N", 6},     {"TIP_RECTIF", "C", 1},  {"NUME_ASIG", "C", 50},
    {"CNP", "C", 13},       {"CAS_ASIG", "C", 2},   {"ZI_LUCRAT", "N", 2},   {"TOT_ZI_LUC", "N", 2},
    {"SERIE_CCM", "C", 5},  {"NUMAR_CCM", "C", 10}, {"ZI_PRE", "N", 2},      {"ZI_FN", "N", 2},
    {"COD_INDEMN", "C", 2}, {"SERIE_CCM_", "C", 5}, {"NUMAR_CCM_", "C", 10}, {"FN", "N", 18},
    {"COD_URG", "C", 3},    {"COD_CONTAG", "C", 2},
};

QString DeclarationType(const StoredDeclaration& declaration) {
  return declaration.rectifying ? QStringLiteral("1") : QStringLiteral("0");
}

QString Year(int luna) { return QString::number(luna / 100); }

// The house's letters of a county: Bucharest's house is CAS_B.
QString HouseLetters(const QString& jud) { return jud == u"MB" ? QStringLiteral("_B") : jud; }

// A fiscal code of digits and a county of two letters: nothing else from old data becomes
// part of a file name.
bool UsableInFileNames(const QString& cf, const QString& jud) {
  if (!CfUsableInFileName(cf) || jud.size() != 2) return false;
  for (const QChar c : jud) {
    if (!((c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'))) return false;
  }
  return true;
}

// The file's fields and its records, ready for the writer.
struct StagedFile {
  DbfFile table;
  ListModel rows;
};

void Stage(DeclarationFile file, std::vector<QStringList> records, StagedFile& staged) {
  int column = 0;
  for (const DeclarationField& field : DeclarationFields(file)) {
    staged.table.AddField(QLatin1String(field.name), QLatin1String(field.type), field.length);
    staged.rows.InsertColumn(column++, QLatin1String(field.name), QLatin1String(field.type));
  }
  staged.rows.AppendRows(std::move(records));
}

// The figures after the month's replay, a fresh read of the company, then the A1 file,
// added to `written`.
// The company and month of the A1 written; its records are moved out.
std::optional<DeclarationRecords> WriteA1(CClient& client, Prompter& prompter, const QString& cf,
                                          qint64 index, const QDir& folder,
                                          std::vector<WrittenFile>& written) {
  std::optional<DeclarationRecords> a1 = BuildA1Records(client, prompter, cf, index);
  if (!a1) return std::nullopt;
  const QString path =
      folder.filePath(DeclarationFileName(DeclarationFile::kA1, a1->company.jud, cf, a1->luna));
  if (!WriteDeclarationFile(DeclarationFile::kA1, std::move(a1->records), path)) {
    prompter.Inform(files_texts::kA1Failed);
    return std::nullopt;
  }
  written.push_back(
      {QString(), QStringLiteral("A1"), path, DbfFileChecksum(path).value_or(QString())});
  return a1;
}

// The declaration read again, its entries in their printed order, then the A2 file, added
// to `written`.
bool WriteA2(CClient& client, Prompter& prompter, const QString& cf, qint64 index,
             const QDir& folder, const DeclarationCompany& company,
             std::vector<WrittenFile>& written) {
  std::optional<DeclarationRecords> a2 = BuildA2Records(client, prompter, index, company);
  if (!a2) return false;
  const QString path =
      folder.filePath(DeclarationFileName(DeclarationFile::kA2, company.jud, cf, a2->luna));
  if (!WriteDeclarationFile(DeclarationFile::kA2, std::move(a2->records), path)) {
    prompter.Inform(files_texts::kA2Failed);
    return false;
  }
  written.push_back(
      {QString(), QStringLiteral("A2"), path, DbfFileChecksum(path).value_or(QString())});
  return true;
}

}  // namespace

const std::vector<DeclarationField>& DeclarationFields(DeclarationFile file) {
  return file == DeclarationFile::kA1 ? kA1Fields : kA2Fields;
}

QStringList A1Record(const DeclarationTotals& totals, const DeclarationCompany& company) {
  const StoredDeclaration& d = totals.stored;
  QStringList record = {QString(),  // CAS_ANG, set last
                        DeclarationType(d),
                        QString::number(d.luna % 100),
                        Year(d.luna),
                        company.denumire,
                        d.cf,
                        company.regCom,
                        d.d,
                        d.e,
                        d.f,
                        d.g,
                        d.h,
                        FormatInteger(totals.i),
                        FormatInteger(totals.j)};
  for (const IndemnityGroup& g : totals.groups) record.append(QString::number(g.cases));
  for (const IndemnityGroup& g : totals.groups) record.append(QString::number(g.benefitDays));
  for (const IndemnityGroup& g : totals.groups) record.append(QString::number(g.fnuassDays));
  for (const IndemnityGroup& g : totals.groups) record.append(FormatInteger(g.fnuassSum));
  record << FormatInteger(totals.k) << FormatInteger(totals.l) << FormatInteger(totals.m)
         << FormatInteger(totals.n);
  record << company.loc << company.str << company.nr << company.bl << company.sc << company.et
         << company.ap << company.tel << company.jud << company.sect << company.email << company.b1
         << company.f1 << company.c1;
  // The second bank account and the number of diskettes are never filled.
  record << QString() << QString() << QString() << QString();
  record[0] = HouseLetters(company.jud);
  return record;
}

std::vector<QStringList> A2Records(const StoredDeclaration& declaration,
                                   const DeclarationCompany& company,
                                   const std::vector<DeclaredCertificate>& certificates) {
  const QString type = DeclarationType(declaration);
  const QString month = QStringLiteral("%1").arg(declaration.luna % 100, 2, 10, QLatin1Char('0'));
  const QString year = Year(declaration.luna);
  std::vector<QStringList> records;
  records.reserve(certificates.size());
  int number = 0;
  for (const DeclaredCertificate& c : certificates) {
    records.push_back({type,
                       month,
                       year,
                       company.denumire,
                       declaration.cf,
                       QString::number(++number),
                       c.tipRectif,
                       c.nume + QLatin1Char(' ') + c.prenume,
                       c.cnp,
                       c.cas.mid(3, 2),
                       c.zileLucratoare,
                       c.zileLucrate,
                       c.certSerie,
                       c.certNumar,
                       c.zilePrestatii,
                       c.zileFnuass,
                       c.codIndemn,
                       c.certInitSerie,
                       c.certInitNumar,
                       c.sumaFnuass,
                       c.codUrg,
                       c.codContag});
  }
  return records;
}

QString DeclarationFileName(DeclarationFile file, const QString& jud, const QString& cf, int luna) {
  return QStringLiteral("CM_CAS") + HouseLetters(jud) + QLatin1Char('_') + cf + QLatin1Char('_') +
         QString::number(luna) +
         (file == DeclarationFile::kA1 ? QStringLiteral("_A1.dbf") : QStringLiteral("_A2.dbf"));
}

std::optional<DeclarationFile> DeclarationFileOfName(const QString& name) {
  static const QRegularExpression pattern(
      QStringLiteral("^CM_CAS[A-Z_]{2}_[0-9]{1,13}_[0-9]{6}_A([12])\\.dbf$"),
      QRegularExpression::CaseInsensitiveOption);
  const QRegularExpressionMatch match = pattern.match(name);
  if (!match.hasMatch()) return std::nullopt;
  return match.captured(1) == u"1" ? DeclarationFile::kA1 : DeclarationFile::kA2;
}

bool WriteDeclarationFile(DeclarationFile file, std::vector<QStringList> records,
                          const QString& path) {
  StagedFile staged;
  Stage(file, std::move(records), staged);
  return staged.table.WriteDbf(path, staged.rows) == 1;
}

QByteArray DeclarationFileBytes(DeclarationFile file, std::vector<QStringList> records,
                                const QDate& date) {
  StagedFile staged;
  Stage(file, std::move(records), staged);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  if (!buffer.open(QIODevice::WriteOnly) || !staged.table.WriteDbf(buffer, staged.rows, date)) {
    return {};
  }
  return bytes;
}

std::optional<DeclarationRecords> BuildA1Records(CClient& client, Prompter& prompter,
                                                 const QString& cf, qint64 index) {
  if (!DeclarationPresent(client, prompter, index)) return std::nullopt;
  const std::optional<DeclarationTotals> totals = LoadDeclarationTotals(client, index);
  if (!totals) return std::nullopt;
  const std::optional<DeclarationCompany> company = ReadDeclarationCompany(client, prompter, cf);
  if (!company) return std::nullopt;
  return DeclarationRecords{*company, totals->stored.luna, {A1Record(*totals, *company)}};
}

std::optional<DeclarationRecords> BuildA2Records(CClient& client, Prompter& prompter, qint64 index,
                                                 const DeclarationCompany& company) {
  if (!DeclarationPresent(client, prompter, index)) return std::nullopt;
  const std::optional<StoredDeclaration> declaration = ReadDeclaration(client, index);
  if (!declaration) return std::nullopt;
  const auto certificates = ReadDeclaredCertificates(client, index);
  if (!certificates) return std::nullopt;
  return DeclarationRecords{company, declaration->luna,
                            A2Records(*declaration, company, *certificates)};
}

Saved<FilesOutcome> SaveDeclarationFiles(CClient& client, Prompter& prompter, const QString& cf,
                                         std::optional<qint64> selected,
                                         FilesDestination destination, const FilesSeams& seams) {
  if (!selected) {
    prompter.Inform(files_texts::kNotSelected);
    return {FilesOutcome::kStopped, {}};
  }
  QString folder;
  if (destination == FilesDestination::kFolder) {
    folder = prompter.ChooseFolder(destination_texts::kChooseFolderTitle, seams.folderStart);
    if (folder.isEmpty()) return {FilesOutcome::kCancelled, {}};
  } else {
    const auto volume = FirstRemovableVolume(seams.mountRoots, seams.mountedVolumes());
    if (!volume) {
      prompter.Inform(destination_texts::kNoRemovableVolume);
      return {FilesOutcome::kStopped, {}};
    }
    folder = *volume;
  }
  return WriteDeclarationFiles(client, prompter, cf, *selected, folder);
}

Saved<FilesOutcome> WriteDeclarationFiles(CClient& client, Prompter& prompter, const QString& cf,
                                          qint64 index, const QString& folder) {
  Saved<FilesOutcome> saved{FilesOutcome::kStopped, {}};
  const std::optional<DeclarationCompany> company = ReadDeclarationCompany(client, prompter, cf);
  if (!company) return saved;
  if (company->jud.isEmpty()) {
    prompter.Inform(files_texts::kNoCounty);
    return saved;
  }
  if (!UsableInFileNames(cf, company->jud)) {
    prompter.Inform(files_texts::kUnusableInName);
    return saved;
  }
  const QDir destination(folder);
  std::vector<WrittenFile> record;
  const std::optional<DeclarationRecords> written =
      WriteA1(client, prompter, cf, index, destination, record);
  if (written && WriteA2(client, prompter, cf, index, destination, written->company, record)) {
    saved.outcome = FilesOutcome::kSaved;
  }
  for (const WrittenFile& file : record) saved.files.append(file.path);
  // The files are whole on the disk whatever happens to their record, which is kept quietly:
  // the month overview then simply does not know them.
  if (written) {
    (void)RecordWrittenFiles(client, cf, written->luna, WrittenKind::kLeave, record);
  }
  return saved;
}
