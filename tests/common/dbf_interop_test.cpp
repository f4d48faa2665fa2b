#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonObject>
#include <QTemporaryDir>

#include "dbf/dbf_file.h"
#include "dbf_test_files.h"
#include "python_readers.h"

namespace {

using python_readers::PythonWith;
using python_readers::RunScript;

struct FieldLayout {
  const char* name;
  const char* type;
  int length;
};

// The insured persons' monthly file (anexa 1A), field for field.
constexpr FieldLayout kAnexa1A[] = {
    {"LN", "N", 2},       {"AN", "N", 4},   {"CF", "C", 13},   {"RJ", "C", 3},
    {"RN", "N", 5},       {"RA", "N", 4},   {"CNP", "N", 13},  {"NUME", "C", 30},
    {"PRENUME", "C", 30}, {"CAT", "C", 3},  {"ANG", "D", 8},   {"PL", "D", 8},
    {"SDL", "N", 12},     {"SVL", "N", 12}, {"NREP", "C", 30}, {"PREP", "C", 30},
};

DbfFile Anexa1A() {
  DbfFile table;
  for (const FieldLayout& f : kAnexa1A) {
    table.AddField(QLatin1String(f.name), QLatin1String(f.type), f.length);
  }
  return table;
}

const std::vector<QStringList> kPersons = {
    {"06", "2009", "14399840", "J40", "1234", "2003", "1800101420010", "Ţuţea", "Ştefan-Ăngel", "S",
     "20090604", "0", "55", "55", "Popescu", "Ion"},
    {"06", "2009", "14399840", "J40", "1234", "2003", "2960529460014", "Brâncuşi", "Înşiră-te",
     "CM", "20010101", "20090615", "0", "0", "Popescu", "Ion"},
    {"06", "2009", "14399840", "J40", "1234", "2003", "1850315400071",
     "Un nume mult mai lung decat treizeci de caractere", "Ana", "S", "19991231", "0", "123456",
     "123450", "Popescu", "Ion"},
};

bool IsNumeric(const FieldLayout& field) { return QLatin1String(field.type) == QLatin1String("N"); }
bool IsNoDate(const FieldLayout& field, const QString& written) {
  return QLatin1String(field.type) == QLatin1String("D") && written == QLatin1String("0");
}

// An independent reader finds the text written, cut to the field, with numbers compared as
// numbers and the date 0 of a person still employed read as no date.
void ExpectValue(const QJsonValue& read, const FieldLayout& field, const QString& written,
                 bool noDateMayBeRefused) {
  if (IsNoDate(field, written)) {
    if (!(noDateMayBeRefused && read.isNull())) {
      EXPECT_EQ(read.toString(), QString());
    }
  } else if (IsNumeric(field)) {
    EXPECT_EQ(read.toString().toDouble(), written.toDouble());
  } else {
    EXPECT_EQ(read.toString(), written.trimmed().left(field.length));
  }
}

class DbfInterop : public ::testing::Test {
 protected:
  QString WriteAnexa1A() {
    ListModel list;
    QStringList columns;
    for (const FieldLayout& f : kAnexa1A) columns.append(QLatin1String(f.name));
    dbf_test::Fill(list, columns, kPersons);
    const QString path = dir_.filePath(QStringLiteral("A1A_CASAB.dbf"));
    EXPECT_TRUE(Anexa1A().WriteDbf(path, list));
    return path;
  }

  // Field definitions and values as the reader's dump gives them match what was written.
  static void ExpectSameTable(const QJsonObject& dump, bool noDateMayBeRefused) {
    const QJsonArray fields = dump[QStringLiteral("fields")].toArray();
    ASSERT_EQ(fields.size(), static_cast<qsizetype>(std::size(kAnexa1A)));
    for (qsizetype i = 0; i < fields.size(); ++i) {
      const QJsonArray f = fields[i].toArray();
      EXPECT_EQ(f[0].toString(), QLatin1String(kAnexa1A[i].name));
      EXPECT_EQ(f[1].toString(), QLatin1String(kAnexa1A[i].type));
      EXPECT_EQ(f[2].toInt(), kAnexa1A[i].length);
    }
    const QJsonArray records = dump[QStringLiteral("records")].toArray();
    ASSERT_EQ(records.size(), static_cast<qsizetype>(kPersons.size()));
    for (qsizetype r = 0; r < records.size(); ++r) {
      const QJsonArray values = records[r].toArray();
      ASSERT_EQ(values.size(), fields.size());
      for (qsizetype i = 0; i < values.size(); ++i) {
        SCOPED_TRACE(testing::Message() << "record " << r << " field " << kAnexa1A[i].name);
        ExpectValue(values[i], kAnexa1A[i], kPersons[r][i], noDateMayBeRefused);
      }
    }
  }

  QTemporaryDir dir_;
};

TEST_F(DbfInterop, DbfreadReadsTheSameFieldsAndValues) {
  const QString python = PythonWith(QStringLiteral("dbfread"));
  if (python.isEmpty()) GTEST_SKIP() << "python3-dbfread is not installed: interop not checked";
  const auto result = RunScript(python, python_readers::kDbfreadDump, {WriteAnexa1A()});
  ASSERT_TRUE(result.ok) << result.errors.toStdString();
  ExpectSameTable(result.json.object(), false);
}

// python3-dbf refuses to turn the date 0 (still employed) into a date; it reads every other
// value and accepts the header's lengths and count.
TEST_F(DbfInterop, PythonDbfOpensWithItsChecksAndReadsTheSameValues) {
  const QString python = PythonWith(QStringLiteral("dbf"));
  if (python.isEmpty()) GTEST_SKIP() << "python3-dbf is not installed: interop not checked";
  const auto result = RunScript(python, python_readers::kDbfDump, {WriteAnexa1A()});
  ASSERT_TRUE(result.ok) << result.errors.toStdString();
  ExpectSameTable(result.json.object(), true);
}

TEST_F(DbfInterop, EmptyFileOpensInBothReaders) {
  ListModel list;
  dbf_test::Fill(list, {}, {});
  const QString path = dir_.filePath(QStringLiteral("gol.dbf"));
  ASSERT_TRUE(Anexa1A().WriteDbf(path, list));
  for (const auto& [module, script] : {std::pair{"dbfread", python_readers::kDbfreadDump},
                                       std::pair{"dbf", python_readers::kDbfDump}}) {
    const QString python = PythonWith(QLatin1String(module));
    if (python.isEmpty()) GTEST_SKIP() << "python3-" << module << " is not installed";
    const auto result = RunScript(python, script, {path});
    ASSERT_TRUE(result.ok) << module << ": " << result.errors.toStdString();
    EXPECT_EQ(result.json.object()[QStringLiteral("fields")].toArray().size(), 16) << module;
    EXPECT_TRUE(result.json.object()[QStringLiteral("records")].toArray().isEmpty()) << module;
  }
}

// python3-dbf writes numbers right-aligned and marks the code page in the header.
constexpr const char* kPythonDbfWriter = R"(
import datetime, json, sys
import dbf
table = dbf.Table(sys.argv[1], 'NUME C(30); SUMA N(12,2); CNP N(13,0); ANG D',
                  codepage='cp1250', dbf_type='db3')
table.open(dbf.READ_WRITE)
table.append(('Ştefan Ţuţea ăâî', 1234.5, 1800101420010, datetime.date(2009, 6, 4)))
table.append(('Sters', 1, 1, None))
table.append(('Ionescu', 0.5, 0, None))
dbf.delete(table[1])
table.close()
print('{}')
)";

TEST_F(DbfInterop, ReadsWhatPythonDbfWrites) {
  const QString python = PythonWith(QStringLiteral("dbf"));
  if (python.isEmpty()) GTEST_SKIP() << "python3-dbf is not installed: interop not checked";
  const QString path = dir_.filePath(QStringLiteral("python.dbf"));
  const auto result = RunScript(python, kPythonDbfWriter, {path});
  ASSERT_TRUE(result.ok) << result.errors.toStdString();

  DbfFile table;
  ListModel list;
  ASSERT_TRUE(table.ReadDbf(path, list));
  EXPECT_EQ(table.recordCount, 3);
  EXPECT_EQ(table.names, QStringList({"NUME", "SUMA", "CNP", "ANG"}));
  EXPECT_EQ(table.types, QStringList({"C", "N", "N", "D"}));
  EXPECT_EQ(table.lengths, std::vector<int>({30, 12, 13, 8}));
  ASSERT_EQ(list.RowCount(), 2);
  auto cell = [&](int row, const char* name) { return list.GetCellText(row, QLatin1String(name)); };
  EXPECT_EQ(cell(0, "NUME"), QStringLiteral("Ştefan Ţuţea ăâî"));
  EXPECT_EQ(cell(0, "SUMA"), QStringLiteral("1234,50"));
  EXPECT_EQ(cell(0, "CNP"), QStringLiteral("1800101420010"));
  EXPECT_EQ(cell(0, "ANG"), QStringLiteral("20090604"));
  EXPECT_EQ(cell(1, "NUME"), QStringLiteral("Ionescu"));
  EXPECT_EQ(cell(1, "SUMA"), QStringLiteral("0,50"));
  EXPECT_EQ(cell(1, "CNP"), QStringLiteral("0"));
  EXPECT_EQ(cell(1, "ANG"), QString());
}

}  // namespace
