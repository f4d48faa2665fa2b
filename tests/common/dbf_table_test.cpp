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

// Row 1 is the record after the deleted one; row 2's last cell ends the records' bytes.
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
      {0, 0, "1800101420010"},
      {0, 1, "Ţuţea   "},
      {0, 2, "55"},
      {1, 0, "0"},
      {1, 1, "Ştefăn  "},
      {1, 2, "12,50"},
      {2, 0, "2960529460014"},
      {2, 1, "Înşirâ î"},
      {2, 2, "0"},
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

// Refused as ReadDbf always refused them (see DbfRead's cases), with nothing half read.
TEST(DbfTable, RefusedFilesLeaveNoDefinition) {
  const QByteArray good = Build(People());
  for (const QByteArray& bytes : {good.left(good.size() - 3), good.left(70)}) {
    DbfFile definition;
    EXPECT_FALSE(definition.Read(WriteTemporary(bytes)));
    EXPECT_EQ(definition.fieldCount, 0);
    EXPECT_TRUE(definition.names.isEmpty() && definition.lengths.empty());
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
