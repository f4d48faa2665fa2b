#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonObject>

#include "../common/python_readers.h"
#include "annex_fixture.h"
#include "dbf/dbf_file.h"
#include "health/annexes/annex_files.h"
#include "store/list_model.h"

namespace {

// Field lists as the houses expect them: name, type, width, in file order.
const QString k1AFields = QStringLiteral(
    "LN N 2,AN N 4,CF C 13,RJ C 3,RN N 5,RA N 4,CNP N 13,NUME C 30,PRENUME C 30,CAT C 3,ANG D 8,"
    "PL D 8,SDL N 12,SVL N 12,NREP C 30,PREP C 30");
const QString k1BFields = QStringLiteral(
    "LN N 2,AN N 4,CF C 13,RJ C 3,RN N 5,RA N 4,CNP N 13,CNPC N 13,NUMEC C 30,PRENUMEC C 30,"
    "TIPC C 3,NREP C 30,PREP C 30");
const QString k1CFields = QStringLiteral(
    "LN N 2,AN N 4,CF C 13,RJ C 3,RN N 5,RA N 4,CAS_ASIG C 2,SDLA N 12,SVTA N 12,SDL_ASIG N 12,"
    "SVT_ASIG N 12,NREP C 30,PREP C 30");

const QStringList kLead = {"07", "2009", "12345674", "J40", "1234", "2003"};
const QStringList kRepr = {"D'ANGELO", "ION VASILE"};
QStringList Row(const QStringList& middle) { return kLead + middle + kRepr; }

// Every house's 1C is the same: one record per house, ordered by house code; employer
// amounts rounded on each; sums of the 1A amounts as written (56 + 31), blank for CASVL.
const std::vector<QStringList> k1C = {Row({"AB", "121", "100", "87", "62"}),
                                      Row({"VL", "121", "100", "", ""}),
                                      Row({"_B", "121", "100", "100", "90"})};

struct ExpectedFile {
  Annex annex;
  const char* cas;
  const QString& fields;
  std::vector<QStringList> records;  // the texts written, cedilla letters
};

const std::vector<ExpectedFile>& ExpectedFiles() {
  static const std::vector<ExpectedFile> files = {
      {Annex::k1A,
       "CASAB",
       k1AFields,
       {Row({"2800404221145", "BRÂNCUŞI", "ANĂ", "CM", "20010101", "20090715", "31", "31"}),
        Row({"1800101221144", "MUŢU", "Ştefan Ăngel", "S", "20090604", "0", "56", "31"}),
        Row({"1900202221146", "O'NEIL", "ANA\\MARIA", "S", "20080101", "0", "", ""})}},
      {Annex::k1A,
       "CAS_B",
       k1AFields,
       {Row({"1700303221147", "POPA", "ION", "S", "20050101", "0", "100", "90"}),
        Row({"1750505221148", "RADU", "DAN", "S", "20050101", "0", "", ""})}},
      {Annex::k1A,
       "CASVL",
       k1AFields,
       {Row({"1650606221149", "VASILE", "GHEORGHE", "S", "20050101", "0", "", ""})}},
      // D1 follows its link to the smaller CNP (P1), names and type of that link; D2 is
      // reported in each house of its two insured persons.
      {Annex::k1B,
       "CASAB",
       k1BFields,
       {Row({"1800101221144", "2950101221151", "ILIE", "ELENA", "P"}),
        Row({"1800101221144", "2900909221150", "MUŢU", "ANA", "S"})}},
      {Annex::k1B,
       "CAS_B",
       k1BFields,
       {Row({"1700303221147", "2950101221151", "ILIE", "ELENA", "P"})}},
      {Annex::k1B, "CASVL", k1BFields, {}},
      {Annex::k1C, "CASAB", k1CFields, k1C},
      {Annex::k1C, "CAS_B", k1CFields, k1C},
  };
  return files;
}

QStringList FieldText(const QString& fields, qsizetype i) {
  return fields.split(u',').at(i).split(u' ');
}

// What our reader shows: numbers without leading zeros, other texts with their padding.
QString ProjectView(const QString& type, const QString& written) {
  if (type != QLatin1String("N")) return written;
  QString text = written;
  while (text.size() > 1 && text.startsWith(u'0')) text.remove(0, 1);
  return text;
}

// What dbfread gives: numbers as numbers, no value for a blank number or the date 0.
QString DbfreadView(const QString& type, const QString& written) {
  if (type == QLatin1String("N")) {
    return written.isEmpty() ? QString() : QString::number(written.toLongLong());
  }
  if (type == QLatin1String("D") && written == QLatin1String("0")) return {};
  return written;
}

void ExpectProjectReader(const QString& path, const ExpectedFile& file) {
  DbfFile table;
  ListModel list;
  ASSERT_EQ(table.ReadDbf(path, list), 1);
  ASSERT_EQ(table.fieldCount, file.fields.count(u',') + 1);
  for (int i = 0; i < table.fieldCount; ++i) {
    EXPECT_EQ(QStringList({table.names[i], table.types[i], QString::number(table.lengths[i])}),
              FieldText(file.fields, i));
  }
  ASSERT_EQ(list.RowCount(), static_cast<int>(file.records.size()));
  for (int row = 0; row < list.RowCount(); ++row) {
    for (int i = 0; i < table.fieldCount; ++i) {
      EXPECT_EQ(list.Cell(row, i).trimmed(), ProjectView(table.types[i], file.records[row][i]))
          << "record " << row << " field " << table.names[i].toStdString();
    }
  }
}

void ExpectDbfread(const QString& python, const QString& path, const ExpectedFile& file) {
  const auto result = python_readers::RunScript(python, python_readers::kDbfreadDump, {path});
  ASSERT_TRUE(result.ok) << result.errors.toStdString();
  const QJsonArray fields = result.json[QStringLiteral("fields")].toArray();
  ASSERT_EQ(fields.size(), file.fields.count(u',') + 1);
  for (qsizetype i = 0; i < fields.size(); ++i) {
    const QJsonArray f = fields[i].toArray();
    EXPECT_EQ(QStringList({f[0].toString(), f[1].toString(), QString::number(f[2].toInt())}),
              FieldText(file.fields, i));
  }
  const QJsonArray records = result.json[QStringLiteral("records")].toArray();
  ASSERT_EQ(records.size(), static_cast<qsizetype>(file.records.size()));
  for (qsizetype row = 0; row < records.size(); ++row) {
    const QJsonArray values = records[row].toArray();
    ASSERT_EQ(values.size(), fields.size());
    for (qsizetype i = 0; i < values.size(); ++i) {
      EXPECT_EQ(values[i].toString(),
                DbfreadView(FieldText(file.fields, i)[1], file.records[row][i]))
          << "record " << row << " field " << i;
    }
  }
}

TEST_F(AnnexTest, EachHouseFileReadsBackTheSameInBothReaders) {
  const QString python = python_readers::PythonWith(QStringLiteral("dbfread"));
  for (const ExpectedFile& file : ExpectedFiles()) {
    SCOPED_TRACE(testing::Message() << file.cas << " annex " << static_cast<int>(file.annex));
    const QString path = dir_.filePath(QStringLiteral("out.dbf"));
    ASSERT_EQ(WriteAnnexFile(client(), file.annex, Header(), QLatin1String(file.cas), path),
              AnnexOutcome::kWritten);
    EXPECT_TRUE(prompter().Texts().isEmpty()) << prompter().LastText().toStdString();
    ExpectProjectReader(path, file);
    if (!python.isEmpty()) ExpectDbfread(python, path, file);
  }
  if (python.isEmpty()) GTEST_SKIP() << "python3-dbfread is not installed: interop not checked";
}

// The month goes into the file as written, with its leading zero, whatever readers show.
TEST_F(AnnexTest, RecordsCarryTheMonthBytesAsWritten) {
  const QString path = dir_.filePath(QStringLiteral("1a.dbf"));
  ASSERT_EQ(WriteAnnexFile(client(), Annex::k1A, Header(), QStringLiteral("CASAB"), path),
            AnnexOutcome::kWritten);
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();
  const int firstRecord = 32 * 17 + 1;
  EXPECT_EQ(bytes.mid(firstRecord, 7), QByteArray(" 072009"));
}

// A statement the server refuses fails the annex without a file; the client tells why.
TEST_F(AnnexTest, AFailedStatementWritesNoFile) {
  Run(QStringLiteral("RENAME TABLE asigurati.sume TO asigurati.sume_old"));
  const QString path = dir_.filePath(QStringLiteral("1a.dbf"));
  const AnnexOutcome outcome =
      WriteAnnexFile(client(), Annex::k1A, Header(), QStringLiteral("CASAB"), path);
  Run(QStringLiteral("RENAME TABLE asigurati.sume_old TO asigurati.sume"));
  EXPECT_EQ(outcome, AnnexOutcome::kQueryFailed);
  EXPECT_FALSE(QFile::exists(path));
}

}  // namespace
