#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "dbf/dbf_file.h"
#include "dbf/dbf_table.h"
#include "dbf_test_files.h"

// The records as read and decoded only when asked for: each cell must be its own field of
// its own record, whatever was asked before and whatever became of the file since.
namespace {

using dbf_test::Build;
using dbf_test::RawTable;

QString WriteTemporary(const QByteArray& bytes) {
  static QTemporaryDir dir;
  static int count = 0;
  const QString path = dir.filePath(QStringLiteral("t%1.dbf").arg(++count));
  EXPECT_TRUE(dbf_test::WriteFile(path, bytes));
  return path;
}

// Three fields of different widths, the last one ending the record; Romanian letters in
// Windows-1250 (Ţ DE, ţ FE, ş BA, Ş AA, ă E3, â E2, î EE, Î CE).
RawTable People() {
  RawTable raw;
  raw.fields = {{"CNP", 'N', 13}, {"NUME", 'C', 8}, {"SDL", 'N', 6}};
  raw.records = {
      " 1800101420010\xDE"
      "u\xFE"
      "ea   000055",
      "*2960529460014Sters      1.5",
      " 0000000000000\xAA"
      "tef\xE3n  12.50 ",
      " 2960529460014\xCE"
      "n\xBA"
      "ir\xE2 \xEE     0",
  };
  return raw;
}

TEST(DbfTable, EachCellIsItsFieldOfItsRecordNotMarkedDeleted) {
  DbfFile definition;
  const auto table = definition.Read(WriteTemporary(Build(People())));
  ASSERT_TRUE(table);
  ASSERT_EQ(table->RowCount(), 3);
  ASSERT_EQ(table->ColumnCount(), 3);
  const struct {
    int row;
    int column;
    const char* cell;
  } cases[] = {
      {0, 0, "1800101420010"}, {0, 1, "Ţuţea   "}, {0, 2, "55"}, {1, 0, "0"},
      {1, 1, "Ştefăn  "},      {1, 2, "12,50"},                  // past the deleted record
      {2, 0, "2960529460014"}, {2, 1, "Înşirâ î"}, {2, 2, "0"},  // the file's last bytes
  };
  // Backwards too: a cell must not depend on the one asked before it.
  for (const bool backwards : {false, true}) {
    for (std::size_t i = 0; i < std::size(cases); ++i) {
      const auto& c = cases[backwards ? std::size(cases) - 1 - i : i];
      EXPECT_EQ(table->Cell(c.row, c.column), QString::fromUtf8(c.cell))
          << c.row << "," << c.column;
    }
  }
}

TEST(DbfTable, RowsAreTheRecordsNotMarkedDeletedInFileOrder) {
  const struct {
    const char* marks;  // the deletion byte of the records "a", "b", "c", "d"
    const char* rows;
  } cases[] = {
      {"    ", "abcd"}, {"*   ", "bcd"}, {"   *", "abc"},
      {" ** ", "ad"},   {"****", ""},    {"x*\x1A ", "acd"},  // any mark but "*" is a live record
  };
  for (const auto& c : cases) {
    RawTable raw;
    raw.fields = {{"F", 'C', 1}};
    for (int i = 0; i < 4; ++i) raw.records.push_back(QByteArray(1, c.marks[i]) + char('a' + i));
    DbfFile definition;
    const auto table = definition.Read(WriteTemporary(Build(raw)));
    ASSERT_TRUE(table) << c.marks;
    QString rows;
    for (int row = 0; row < table->RowCount(); ++row) rows += table->Cell(row, 0);
    EXPECT_EQ(rows, QLatin1String(c.rows)) << c.marks;
    EXPECT_EQ(definition.recordCount, 4) << c.marks;
  }
}

TEST(DbfTable, RefusedFilesGiveNoRecordsAndNoDefinition) {
  const QByteArray good = Build(People());
  RawTable badLength = People();
  badLength.fields[1].length = 0;
  RawTable headerPastEnd = People();
  headerPastEnd.headerLength = 0xFFFF;
  const std::pair<const char*, QByteArray> cases[] = {
      {"last record cut", good.left(good.size() - 3)},
      {"cut inside the descriptors", good.left(70)},
      {"field of length 0", Build(badLength)},
      {"header length past the end", Build(headerPastEnd)},
  };
  for (const auto& [what, bytes] : cases) {
    DbfFile definition;
    EXPECT_FALSE(definition.Read(WriteTemporary(bytes))) << what;
    EXPECT_EQ(definition.fieldCount, 0) << what;
    EXPECT_TRUE(definition.names.isEmpty()) << what;
    EXPECT_TRUE(definition.lengths.empty()) << what;
  }
}

// The records are the bytes as read, not the file: a medium taken out or a file rewritten
// while the list shows it changes nothing shown.
TEST(DbfTable, CellsOutliveTheFileAndTheDefinition) {
  const QString path = WriteTemporary(Build(People()));
  std::shared_ptr<const DbfTable> table;
  {
    DbfFile definition;
    table = definition.Read(path);
  }
  ASSERT_TRUE(table);
  ASSERT_TRUE(dbf_test::WriteFile(path, QByteArray()));
  EXPECT_EQ(table->Cell(2, 0), QStringLiteral("2960529460014"));
}

}  // namespace
