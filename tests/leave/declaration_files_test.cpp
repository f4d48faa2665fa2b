#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QTemporaryDir>

#include "../common/python_readers.h"
#include "dbf/dbf_file.h"
#include "declaration_fixture.h"
#include "leave/output/declaration_files.h"
#include "store/list_model.h"

namespace {

const QString kA1Fields = QStringLiteral(
    "CAS_ANG C 2,TIPD N 1,LN N 2,AN N 4,DEN_ANG C 50,CUI C 13,REG_COM C 20,NR_ANGAJ N 6,"
    "TOT_SAL_BR N 18,TOT_CONTRI N 18,FAAMBP N 18,C_FAAMBP N 18,FOND_CONTR N 18,TOT_CUANT_ N 18,"
    "CAZ_G1 N 5,CAZ_G2 N 5,CAZ_G3 N 5,CAZ_G4 N 5,CAZ_G5 N 5,ZI_PRE_G1 N 4,ZI_PRE_G2 N 4,"
    "ZI_PRE_G3 N 4,ZI_PRE_G4 N 4,ZI_PRE_G5 N 4,ZI_FN_G1 N 4,ZI_FN_G2 N 4,ZI_FN_G3 N 4,"
    "ZI_FN_G4 N 4,ZI_FN_G5 N 4,FN_G1 N 18,FN_G2 N 18,FN_G3 N 18,FN_G4 N 18,FN_G5 N 18,"
    "TOT_ANTER N 18,COMPENSAT N 18,TOT_VIRAT N 18,TOT_RECUP N 18,ADR_LOC C 25,ADR_STR C 25,"
    "ADR_NR C 10,ADR_BL C 10,ADR_SC C 5,ADR_ET C 2,ADR_AP C 3,ADR_TEL C 15,ADR_JUD C 2,"
    "ADR_SECT N 2,E_MAIL C 50,B1 C 25,F1 C 25,C1 C 50,B2 C 25,F2 C 25,C2 C 50,NRF N 2");
const QString kA2Fields = QStringLiteral(
    "TIPD N 1,LN N 2,AN N 4,DEN_ANG C 50,CUI C 13,NR_CRT N 6,TIP_RECTIF C 1,NUME_ASIG C 50,"
    "CNP C 13,CAS_ASIG C 2,ZI_LUCRAT N 2,TOT_ZI_LUC N 2,SERIE_CCM C 5,NUMAR_CCM C 10,ZI_PRE N 2,"
    "ZI_FN N 2,COD_INDEMN C 2,SERIE_CCM_ C 5,NUMAR_CCM_ C 10,FN N 18,COD_URG C 3,COD_CONTAG C 2");

const QString kA1Name = QStringLiteral("CM_CASCJ_12345674_200906_A1.dbf");
const QString kA2Name = QStringLiteral("CM_CASCJ_12345674_200906_A2.dbf");

QStringList FieldText(const QString& fields, qsizetype i) {
  return fields.split(u',').at(i).split(u' ');
}

// What the project's reader shows of a written text: numbers without leading zeros and
// with a decimal comma.
QString ProjectView(const QString& type, const QString& written) {
  if (type != u"N") return written;
  QString text = written;
  while (text.size() > 1 && text.startsWith(u'0')) text.remove(0, 1);
  return text.replace(u'.', u',');
}

// What dbfread gives: numbers as Python prints them, nothing for a blank number.
QString DbfreadView(const QString& type, const QString& written) {
  if (type != u"N" || written.isEmpty()) return written;
  return written.contains(u'.') ? QString::number(written.toDouble())
                                : QString::number(written.toLongLong());
}

struct ReadBack {
  DbfFile table;
  ListModel list;
};

void ExpectFile(const QString& path, const QString& fields,
                const std::vector<QStringList>& records) {
  ReadBack read;
  ASSERT_EQ(read.table.ReadDbf(path, read.list), 1) << path.toStdString();
  const qsizetype count = fields.count(u',') + 1;
  ASSERT_EQ(read.table.fieldCount, count);
  for (int i = 0; i < count; ++i) {
    EXPECT_EQ(QStringList({read.table.names[i], read.table.types[i],
                           QString::number(read.table.lengths[i])}),
              FieldText(fields, i));
  }
  ASSERT_EQ(read.list.RowCount(), static_cast<int>(records.size()));
  for (int row = 0; row < read.list.RowCount(); ++row) {
    for (int i = 0; i < count; ++i) {
      EXPECT_EQ(read.list.Cell(row, i).trimmed(), ProjectView(read.table.types[i], records[row][i]))
          << "record " << row << " field " << read.table.names[i].toStdString();
    }
  }
  const QString python = python_readers::PythonWith(QStringLiteral("dbfread"));
  if (python.isEmpty()) return;
  const auto result = python_readers::RunScript(python, python_readers::kDbfreadDump, {path});
  ASSERT_TRUE(result.ok) << result.errors.toStdString();
  const QJsonArray names = result.json[QStringLiteral("fields")].toArray();
  ASSERT_EQ(names.size(), count);
  for (qsizetype i = 0; i < count; ++i) {
    const QJsonArray f = names[i].toArray();
    EXPECT_EQ(QStringList({f[0].toString(), f[1].toString(), QString::number(f[2].toInt())}),
              FieldText(fields, i));
  }
  const QJsonArray rows = result.json[QStringLiteral("records")].toArray();
  ASSERT_EQ(rows.size(), static_cast<qsizetype>(records.size()));
  for (qsizetype row = 0; row < rows.size(); ++row) {
    const QJsonArray values = rows[row].toArray();
    for (qsizetype i = 0; i < count; ++i) {
      EXPECT_EQ(values[i].toString(), DbfreadView(FieldText(fields, i)[1], records[row][i]))
          << "dbfread record " << row << " field " << i;
    }
  }
}

class DeclarationFilesTest : public DeclarationTest {
 protected:
  FilesOutcome Write(qint64 index, const QString& folder) {
    return WriteDeclarationFiles(client(), prompter(), kCui, index, folder).outcome;
  }
  QString Path(const QString& name) const { return dir_.filePath(name); }

  QTemporaryDir dir_;
};

// Both files as the house reads them, in both readers; the A2 records in the printed order.
TEST_F(DeclarationFilesTest, FilesReadBackInBothReaders) {
  const qint64 initial = AddDeclaration(0);
  AddEntries(initial,
             {{"", "MUŢU", "Ştefan", "1800101221144", "CASCJ", "CCMAA", "12", 1, 10, "300"},
              {"", "ALBU", "ANA", "2800404221145", "CASCJ", "CCMAB", "13", 8, 8, "1200.75", "CCMZZ",
               "77"}});
  ASSERT_EQ(Write(initial, dir_.path()), FilesOutcome::kSaved);
  EXPECT_TRUE(prompter().Texts().isEmpty()) << prompter().LastText().toStdString();
  EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files, QDir::Name), QStringList({kA1Name, kA2Name}));

  const QString name = kName;
  // I = 264, J = 1500.75, K = 20: all of it to recover, 1256 in whole lei.
  QStringList a1 = QStringLiteral(
                       "CJ|0|6|2009|name|12345674|J12/345/2001|5|100000|255|1234567|9|264|1500|"
                       "1|0|1|0|0|10|0|8|0|0|5|0|4|0|0|300|0|1200|0|0|20|0|0|1256|Cluj-Napoca|"
                       "Horea|7|A1|2|3|14|0264123456|CJ|0|office@tesatoria.ro|BCR|Cluj|"
                       "RO49AAAA1B31007593840000||||")
                       .split(u'|');
  a1[4] = name;
  ExpectFile(Path(kA1Name), kA1Fields, {a1});
  ExpectFile(Path(kA2Name), kA2Fields,
             {{"0",  "06",      "2009", name,    "12345674", "1", "",  "ALBU ANA", "2800404221145",
               "CJ", "22",      "20",   "CCMAB", "13",       "8", "4", "8",        "CCMZZ",
               "77", "1200.75", "1",    "2"},
              {"0",  "06",  "2009", name,    "12345674", "2",  "",  "MUŢU Ştefan", "1800101221144",
               "CJ", "22",  "20",   "CCMAA", "12",       "10", "5", "1",           "",
               "",   "300", "1",    "2"}});

  // The month goes into A2 with its leading zero, whatever the readers make of it.
  QFile a2(Path(kA2Name));
  ASSERT_TRUE(a2.open(QIODevice::ReadOnly));
  EXPECT_EQ(a2.readAll().mid(32 * 22 + 33, 8), QByteArray(" 0062009"));
}

// Bucharest's house, the example's settlement, the empty second account; an A2 with no
// record for a declaration without certificates.
TEST_F(DeclarationFilesTest, BucharestAndTheSettlementExample) {
  AddCompanyRow(QStringLiteral("MB"));
  const qint64 initial = AddDeclaration(0, 100, 0, 20);
  const qint64 rectification = AddDeclaration(1, 100, 0, 20);
  AddEntries(initial, {{"", "POP", "ION", "1800101221144", "CAS_B", "CCMAA", "12", 1, 10, "150"}});
  ASSERT_EQ(Write(rectification, dir_.path()), FilesOutcome::kSaved);
  const QString a1 = Path(QStringLiteral("CM_CAS_B_12345674_200906_A1.dbf"));
  const QString a2 = Path(QStringLiteral("CM_CAS_B_12345674_200906_A2.dbf"));
  ReadBack read;
  ASSERT_EQ(read.table.ReadDbf(a1, read.list), 1);
  const struct {
    const char* field;
    const char* value;
  } expected[] = {{"CAS_ANG", "_B"},
                  {"TIPD", "1"},
                  {"ADR_JUD", "MB"},
                  {"FOND_CONTR", "100"},
                  {"TOT_CUANT_", "150"},
                  {"TOT_ANTER", "20"},
                  {"COMPENSAT", "0"},
                  {"TOT_VIRAT", "0"},
                  {"TOT_RECUP", "70"},
                  {"B2", ""},
                  {"F2", ""},
                  {"C2", ""},
                  {"NRF", ""}};
  for (const auto& e : expected) {
    EXPECT_EQ(read.list.GetCellText(0, QLatin1String(e.field)).trimmed(), QLatin1String(e.value))
        << e.field;
  }
  ReadBack empty;
  ASSERT_EQ(empty.table.ReadDbf(a2, empty.list), 1);
  EXPECT_EQ(empty.table.fieldCount, 22);
  EXPECT_EQ(empty.table.recordCount, 0);
}

// The command's refusals, in order, and where the files go.
TEST_F(DeclarationFilesTest, RefusalsAndDestinations) {
  QTemporaryDir media;
  const QString stick = media.filePath(QStringLiteral("STICK"));
  ASSERT_TRUE(QDir().mkpath(stick));
  const FilesSeams mounted{{media.path()}, [stick] { return QStringList{stick}; }};
  const FilesSeams unmounted{{media.path()}, [] { return QStringList{}; }};
  const struct {
    const char* name;
    bool selected;
    FilesDestination destination;
    const FilesSeams* seams;
    const char* company;  // "row", "none", "no county"
    bool declaration;
    QString message;  // empty: silent
    FilesOutcome outcome;
    const char* writtenTo;  // "", "folder", "stick"
  } cases[] = {
      {"nothing selected", false, FilesDestination::kFolder, &mounted, "none", false,
       files_texts::kNotSelected, FilesOutcome::kStopped, ""},
      {"chooser cancelled",
       true,
       FilesDestination::kFolder,
       &mounted,
       "none",
       false,
       {},
       FilesOutcome::kCancelled,
       ""},
      {"no removable volume", true, FilesDestination::kRemovable, &unmounted, "none", false,
       destination_texts::kNoRemovableVolume, FilesOutcome::kStopped, ""},
      {"company gone", true, FilesDestination::kRemovable, &mounted, "none", false,
       source_texts::kNoCompany, FilesOutcome::kStopped, ""},
      {"no county", true, FilesDestination::kRemovable, &mounted, "no county", false,
       files_texts::kNoCounty, FilesOutcome::kStopped, ""},
      {"declaration gone", true, FilesDestination::kRemovable, &mounted, "row", false,
       source_texts::kNoDeclaration, FilesOutcome::kStopped, ""},
      {"to the stick",
       true,
       FilesDestination::kRemovable,
       &mounted,
       "row",
       true,
       {},
       FilesOutcome::kSaved,
       "stick"},
      {"to a folder",
       true,
       FilesDestination::kFolder,
       &mounted,
       "row",
       true,
       {},
       FilesOutcome::kSaved,
       "folder"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    SetUp();
    QDir(stick).removeRecursively();
    QDir().mkpath(stick);
    QTemporaryDir folder;
    const QString company = QLatin1String(c.company);
    if (company != u"row") Run(QStringLiteral("DELETE FROM asigurati.societati"));
    if (company == u"no county") AddCompanyRow(QString());
    const qint64 index = c.declaration ? AddDeclaration(0) : 999;
    if (c.name != std::string("chooser cancelled")) prompter().QueueFolder(folder.path());
    const FilesOutcome outcome =
        SaveDeclarationFiles(client(), prompter(), kCui,
                             c.selected ? std::optional<qint64>(index) : std::nullopt,
                             c.destination, *c.seams)
            .outcome;
    EXPECT_EQ(outcome, c.outcome);
    EXPECT_EQ(prompter().Texts(), c.message.isEmpty() ? QStringList() : QStringList{c.message});
    const QString where = QLatin1String(c.writtenTo);
    EXPECT_EQ(QFile::exists(QDir(stick).filePath(kA1Name)), where == u"stick");
    EXPECT_EQ(QFile::exists(QDir(folder.path()).filePath(kA2Name)), where == u"folder");
  }
}

// An A1 that cannot be written prevents A2; an A2 that cannot be written leaves the new A1.
TEST_F(DeclarationFilesTest, WriteFailures) {
  const qint64 initial = AddDeclaration(0);
  AddNumberedEntries(initial, 2);

  // The folder was removed after it was chosen.
  EXPECT_EQ(Write(initial, Path(QStringLiteral("removed"))), FilesOutcome::kStopped);
  EXPECT_EQ(prompter().Texts(), QStringList{files_texts::kA1Failed});
  EXPECT_FALSE(QFile::exists(Path(QStringLiteral("removed"))));

  // Something that is not a file stands where A2 would go.
  prompter().Clear();
  ASSERT_TRUE(QDir(dir_.path()).mkdir(kA2Name));
  EXPECT_EQ(Write(initial, dir_.path()), FilesOutcome::kStopped);
  EXPECT_EQ(prompter().Texts(), QStringList{files_texts::kA2Failed});
  ReadBack a1;
  EXPECT_EQ(a1.table.ReadDbf(Path(kA1Name), a1.list), 1);
  EXPECT_EQ(a1.list.RowCount(), 1);
}

// A read-only folder keeps the older files whole.
TEST_F(DeclarationFilesTest, ReadOnlyFolderKeepsOlderFiles) {
  const qint64 initial = AddDeclaration(0);
  const LockedFolder folder(kA1Name);
  if (!folder.Locked()) GTEST_SKIP() << "no folder could be made read-only here";
  EXPECT_EQ(Write(initial, folder.Path()), FilesOutcome::kStopped);
  EXPECT_EQ(prompter().Texts(), QStringList{files_texts::kA1Failed});
  EXPECT_EQ(folder.Older(kA1Name), QByteArray("older"));
  EXPECT_FALSE(QFile::exists(QDir(folder.Path()).filePath(kA2Name)));
}

}  // namespace
