#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QBuffer>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include "dbf/dbf_file.h"
#include "dbf_test_files.h"

namespace {

using dbf_test::Build;
using dbf_test::RawField;
using dbf_test::RawTable;
using dbf_test::Rows;

struct Read {
  bool result = false;
  DbfFile table;
  ListModel list;
};

// Reads the bytes from a real file, as the screens do.
std::unique_ptr<Read> ReadBytes(const QByteArray& bytes) {
  static QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("citit.dbf"));
  EXPECT_TRUE(dbf_test::WriteFile(path, bytes));
  auto read = std::make_unique<Read>();
  read->result = read->table.ReadDbf(path, read->list);
  return read;
}

RawTable OneField(char type, std::uint8_t length, std::vector<QByteArray> values) {
  RawTable table;
  table.fields = {{"F", type, length}};
  for (const QByteArray& value : values) table.records.push_back(' ' + value);
  return table;
}

TEST(DbfRead, RoundTripOfWhatTheWriterWrites) {
  DbfFile written;
  written.AddField(QStringLiteral("CNP"), QStringLiteral("N"), 13);
  written.AddField(QStringLiteral("NUME"), QStringLiteral("C"), 10);
  written.AddField(QStringLiteral("ANG"), QStringLiteral("D"), 8);
  written.AddField(QStringLiteral("SDL"), QStringLiteral("N"), 12);
  ListModel list;
  dbf_test::Fill(list, {"CNP", "NUME", "ANG", "SDL"},
                 {{"1800101420010", "Ţuţea Ştefan", "20090604", "55"},
                  {"2960529460014", "Ionescu", "20081231", "0"}});
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("A1A.dbf"));
  ASSERT_TRUE(written.WriteDbf(path, list));

  DbfFile table;
  ListModel back;
  ASSERT_TRUE(table.ReadDbf(path, back));
  EXPECT_EQ(table.recordCount, 2);
  EXPECT_EQ(table.headerLength, 32 * 5 + 1);
  EXPECT_EQ(table.recordLength, 1 + 13 + 10 + 8 + 12);
  EXPECT_EQ(table.fieldCount, 4);
  EXPECT_EQ(table.names, QStringList({"CNP", "NUME", "ANG", "SDL"}));
  EXPECT_EQ(table.types, QStringList({"N", "C", "D", "N"}));
  EXPECT_EQ(table.lengths, std::vector<int>({13, 10, 8, 12}));
  ASSERT_EQ(back.ColumnCount(), 4);
  for (int c = 0; c < 4; ++c) {
    EXPECT_EQ(back.ColumnAt(c).header, table.names[c]);
    EXPECT_EQ(back.ColumnAt(c).width, 100);
  }
  // Character fields come back as stored, trailing blanks included (cut to the width).
  const std::vector<QStringList> expected = {
      {"1800101420010", "Ţuţea Ştef", "20090604", "55"},
      {"2960529460014", "Ionescu   ", "20081231", "0"},
  };
  EXPECT_EQ(Rows(back), expected);
  EXPECT_EQ(back.GetCellText(1, QStringLiteral("NUME")), QStringLiteral("Ionescu"));
}

TEST(DbfRead, NumericFieldsTrimmedWithoutLeadingZerosAndWithDecimalComma) {
  const std::pair<QByteArray, const char*> cases[] = {
      {"00012   ", "12"},
      {"   00012", "12"},
      {"12      ", "12"},
      {"1234.56 ", "1234,56"},
      {"0.5     ", "0,5"},  // the zero before the point stays
      {"  0.50  ", "0,50"},
      {"0       ", "0"},  // a left-aligned zero is a zero, not an empty cell
      {"000     ", "0"},
      {"        ", ""},
      {"-0.5    ", "-0,5"},
      {QByteArray("12\0"
                  "9999 ",
                  8),
       "12"},  // a zero byte ends the value
      {"1.2.3   ", "1,2,3"},
  };
  for (const auto& [stored, cell] : cases) {
    const auto read = ReadBytes(Build(OneField('N', 8, {stored})));
    ASSERT_TRUE(read->result) << stored.toStdString();
    EXPECT_EQ(read->list.Cell(0, 0), QString::fromUtf8(cell)) << stored.toStdString();
  }
}

TEST(DbfRead, OtherFieldsAsStored) {
  const std::tuple<char, QByteArray, const char*> cases[] = {
      {'C', " ", ""},  // a single blank is an empty cell
      {'C', "a", "a"},
      {'D', " ", ""},
      {'C', "ab\0cd", "ab"},
      {'C', "   ", "   "},
      {'C', "007", "007"},  // only numeric fields lose their zeros
      {'C', "\xAA\xBA\xDE\xFE\xC3\xE3", "ŞşŢţĂă"},
      {'C', "1.5", "1.5"},
      {'F', "1.5", "1.5"},  // any letter but N reads as text
  };
  for (const auto& [type, stored, cell] : cases) {
    const auto length = static_cast<std::uint8_t>(stored.size());
    const auto read = ReadBytes(Build(OneField(type, length, {stored})));
    ASSERT_TRUE(read->result) << stored.toStdString();
    EXPECT_EQ(read->list.Cell(0, 0), QString::fromUtf8(cell)) << stored.toStdString();
    EXPECT_EQ(read->table.types, QStringList{QString(QLatin1Char(type))});
  }
}

TEST(DbfRead, DeletedRecordsAreSkippedButCounted) {
  RawTable raw;
  raw.fields = {{"NUME", 'C', 3}};
  raw.records = {" ana", "*bob", " cri", "*dan", "xeva"};  // any mark but "*" is live
  const auto read = ReadBytes(Build(raw));
  ASSERT_TRUE(read->result);
  EXPECT_EQ(read->table.recordCount, 5);
  EXPECT_EQ(Rows(read->list), (std::vector<QStringList>{{"ana"}, {"cri"}, {"eva"}}));
}

TEST(DbfRead, HeaderVariantsOtherWritersProduce) {
  RawTable twoByteEnd = OneField('C', 2, {"ab", "cd"});
  twoByteEnd.terminator = QByteArray("\x0D\x00", 2);

  RawTable noEndMark = OneField('C', 2, {"ab", "cd"});
  noEndMark.endMark = false;

  RawTable gap = OneField('C', 2, {"ab", "cd"});
  gap.gapBeforeRecords = QByteArray(263, '\0');  // room some writers keep after the fields

  RawTable junkName = OneField('C', 2, {"ab", "cd"});
  junkName.fields[0].name = QByteArray("NUME\0xyz\x01zz", 11);

  RawTable fullName = OneField('C', 2, {"ab", "cd"});
  fullName.fields[0].name = "DENUMIREFIR";

  const std::pair<const char*, RawTable> cases[] = {
      {"descriptors end with 0x0D 0x00", twoByteEnd},
      {"no 0x1A at the end", noEndMark},
      {"records after a gap", gap},
      {"junk after the name's zero", junkName},
      {"11-character name", fullName},
  };
  for (const auto& [what, raw] : cases) {
    const auto read = ReadBytes(Build(raw));
    ASSERT_TRUE(read->result) << what;
    EXPECT_EQ(Rows(read->list), (std::vector<QStringList>{{"ab"}, {"cd"}})) << what;
    EXPECT_EQ(read->table.names.size(), 1) << what;
  }
  EXPECT_EQ(ReadBytes(Build(junkName))->table.names, QStringList{"NUME"});
  EXPECT_EQ(ReadBytes(Build(fullName))->list.ColumnAt(0).header, QStringLiteral("DENUMIREFIR"));
}

TEST(DbfRead, EmptyTableGivesColumnsAndNoRows) {
  RawTable raw;
  raw.fields = {{"CNP", 'N', 13}, {"NUME", 'C', 30}};
  const auto read = ReadBytes(Build(raw));
  ASSERT_TRUE(read->result);
  EXPECT_EQ(read->list.ColumnCount(), 2);
  EXPECT_EQ(read->list.RowCount(), 0);
  EXPECT_EQ(read->table.recordCount, 0);
}

TEST(DbfRead, DamagedOrForeignFilesAreRefused) {
  const QByteArray good = Build(OneField('C', 4, {"abcd", "efgh"}));
  RawTable hugeCount = OneField('C', 4, {"abcd"});
  hugeCount.recordCount = 0xFFFFFFFF;
  RawTable oneTooMany = OneField('C', 4, {"abcd", "efgh"});
  oneTooMany.recordCount = 3;
  oneTooMany.endMark = false;
  RawTable hugeHeader = OneField('C', 4, {"abcd"});
  hugeHeader.headerLength = 0xFFFF;
  RawTable headerInsideFields = OneField('C', 4, {"abcd"});
  headerInsideFields.headerLength = 40;
  RawTable zeroLength = OneField('C', 0, {""});
  RawTable noFields;
  noFields.records = {" ", " "};
  RawTable manyZeroFields;
  manyZeroFields.fields.assign(2000, RawField{"F", 'C', 0});
  RawTable moreFieldsThanTheHeaderHolds = OneField('C', 1, {"a"});
  moreFieldsThanTheHeaderHolds.fields.assign(3, RawField{"F", 'C', 1});
  moreFieldsThanTheHeaderHolds.headerLength = 32 * 3 + 1;  // room for two fields
  RawTable endlessFields;
  endlessFields.fields.assign(200000, RawField{"F", 'C', 1});  // 6 MB of descriptors

  const std::pair<const char*, QByteArray> cases[] = {
      {"empty file", QByteArray()},
      {"shorter than the header", good.left(31)},
      {"ends right after the header", good.left(32)},
      {"ends inside a descriptor", good.left(50)},
      {"no terminator before the end", good.left(64)},
      {"last record short", good.left(good.size() - 2)},  // 0x1A and one byte of a record
      {"record count the file cannot hold", Build(hugeCount)},
      {"one record more than the file holds", Build(oneTooMany)},
      {"header length past the end", Build(hugeHeader)},
      {"records inside the descriptors", Build(headerInsideFields)},
      {"field of length 0", Build(zeroLength)},
      {"no fields", Build(noFields)},
      {"many fields of length 0", Build(manyZeroFields)},
      {"more fields than the header length holds", Build(moreFieldsThanTheHeaderHolds)},
      {"descriptors far past any header length", Build(endlessFields)},
  };
  for (const auto& [what, bytes] : cases) {
    QElapsedTimer timer;
    timer.start();
    const auto read = ReadBytes(bytes);
    EXPECT_FALSE(read->result) << what;
    EXPECT_EQ(read->list.RowCount(), 0) << what;
    EXPECT_LT(timer.elapsed(), 1000) << what;
  }
}

TEST(DbfRead, MissingFileEmptiesTheListAndFails) {
  ListModel list;
  dbf_test::Fill(list, {"VECHI"}, {{"x"}});
  DbfFile table;
  table.AddField(QStringLiteral("VECHI"), QStringLiteral("C"), 3);
  EXPECT_FALSE(table.ReadDbf(QStringLiteral("/nu/exista.dbf"), list));
  EXPECT_EQ(list.ColumnCount(), 0);
  EXPECT_EQ(list.RowCount(), 0);
  EXPECT_EQ(table.fieldCount, 0);
  EXPECT_TRUE(table.names.isEmpty());
}

TEST(DbfRead, OnlyRegularFilesAreOpened) {
  QTemporaryDir dir;
  const QString pipe = dir.filePath(QStringLiteral("teava"));
  ASSERT_EQ(mkfifo(pipe.toLocal8Bit().constData(), 0600), 0);
  for (const QString& path : {pipe, dir.path()}) {
    DbfFile table;
    ListModel list;
    QElapsedTimer timer;
    timer.start();
    EXPECT_FALSE(table.ReadDbf(path, list)) << path.toStdString();  // must not wait for a writer
    EXPECT_LT(timer.elapsed(), 1000);
  }
}

TEST(DbfRead, FromADeviceNotAtItsStart) {
  QByteArray bytes = "prefix";
  bytes.append(Build(OneField('C', 2, {"ab"})));
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  buffer.seek(6);
  DbfFile table;
  ListModel list;
  ASSERT_TRUE(table.ReadDbf(buffer, list));
  EXPECT_EQ(Rows(list), (std::vector<QStringList>{{"ab"}}));
}

TEST(DbfRead, ProgressCountsEveryRecordDeletedOnesToo) {
  RawTable raw = OneField('C', 1, {"a", "b", "c"});
  raw.records[1][0] = '*';
  QByteArray bytes = Build(raw);
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  std::vector<std::pair<int, int>> calls;
  DbfFile table;
  ListModel list;
  ASSERT_TRUE(
      table.ReadDbf(buffer, list, [&](int done, int total) { calls.emplace_back(done, total); }));
  EXPECT_EQ(calls, (std::vector<std::pair<int, int>>{{0, 3}, {1, 3}, {2, 3}, {3, 3}}));
}

}  // namespace
