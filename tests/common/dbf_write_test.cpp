#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QBuffer>
#include <QDir>
#include <QTemporaryDir>
#include <csignal>

#include "dbf/dbf_file.h"
#include "dbf_test_files.h"

namespace {

using dbf_test::Fill;
using dbf_test::ReadFile;

QByteArray Bytes(std::initializer_list<int> values) {
  QByteArray out;
  for (const int v : values) out.append(static_cast<char>(v));
  return out;
}

QByteArray Written(const DbfFile& table, const ListModel& list, QDate date = QDate(2009, 6, 4)) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  EXPECT_TRUE(table.WriteDbf(buffer, list, date));
  return buffer.data();
}

TEST(DbfWrite, ByteLayoutOfHeaderDescriptorsAndRecords) {
  DbfFile table;
  table.AddField(QStringLiteral("CNP"), QStringLiteral("N"), 13);
  table.AddField(QStringLiteral("NUME"), QStringLiteral("C"), 6);
  table.AddField(QStringLiteral("DENUMIREFIRMA"), QStringLiteral("C"), 2);  // 13: cut to 11
  ListModel list;
  Fill(list, {QStringLiteral("CNP"), QStringLiteral("NUME"), QStringLiteral("X")},
       {{QStringLiteral("1800101420010"), QStringLiteral("Pop"), QStringLiteral("SRL")},
        {QStringLiteral(" 12 "), QString(), QStringLiteral("A")}});

  QByteArray expected = Bytes({3, 9, 6, 4, 2, 0, 0, 0, 129, 0, 22, 0});
  expected.append(20, '\0');
  auto descriptor = [&](const char* slot, int slotSize, char type, int length) {
    expected.append(slot, slotSize);
    expected.append(type);
    expected.append(4, '\0');
    expected.append(static_cast<char>(length));
    expected.append(15, '\0');
  };
  descriptor("CNP\0\0\0\0\0\0\0\0", 11, 'N', 13);
  descriptor("NUME\0\0\0\0\0\0\0", 11, 'C', 6);
  descriptor("DENUMIREFIR", 11, 'C', 2);
  expected.append('\x0D');
  expected.append(" 1800101420010Pop   SR");
  expected.append(" 12                 A ");
  expected.append('\x1A');

  EXPECT_EQ(table.headerLength, 129);
  EXPECT_EQ(table.recordLength, 22);
  EXPECT_EQ(Written(table, list), expected);
}

TEST(DbfWrite, YearByteIsTheYearModulo100) {
  DbfFile table;
  table.AddField(QStringLiteral("A"), QStringLiteral("C"), 1);
  ListModel list;
  Fill(list, {QStringLiteral("A")}, {});
  const std::pair<QDate, QByteArray> cases[] = {
      {QDate(2009, 6, 4), Bytes({3, 9, 6, 4})},
      {QDate(1999, 12, 31), Bytes({3, 99, 12, 31})},
      {QDate(2000, 1, 1), Bytes({3, 0, 1, 1})},
      {QDate(2026, 2, 28), Bytes({3, 26, 2, 28})},
  };
  for (const auto& [date, start] : cases) {
    EXPECT_EQ(Written(table, list, date).left(4), start) << date.toString().toStdString();
  }
}

TEST(DbfWrite, ValuesAreTrimmedPaddedCutAndInCodePage1250) {
  struct Case {
    const char* value;  // UTF-8
    int length;
    QByteArray field;
  };
  const Case cases[] = {
      {"abc", 5, "abc  "},
      {"  abc  ", 5, "abc  "},
      {"abcdefg", 5, "abcde"},
      {"", 3, "   "},
      {"   ", 3, "   "},
      {"0.50", 6, "0.50  "},  // numbers as the list has them, left-aligned
      {"Ștefan Țuțea", 12,
       "\xAAtefan \xDEu\xFE"
       "ea"},
      {"ŞtefanŢuţea", 11,
       "\xAAtefan\xDEu\xFE"
       "ea"},  // cedilla forms as they are
      {"ăâîĂÂÎ", 6, "\xE3\xE2\xEE\xC3\xC2\xCE"},
      {"ăăăă", 3, "\xE3\xE3\xE3"},  // cut by characters, one byte each
      {"€ Łódź", 6,
       "\x80 \xA3\xF3"
       "d\x9F"},
      {"日本x", 4, "??x "},
      {"😀x", 3, "?x "},                      // one character outside the basic plane is one "?"
      {"s\xCC\xA6", 2, "\xBA "},             // s + combining comma below is one ş
      {"as\xCC\xA6\xCC\x81", 4, "a\xBA? "},  // a mark with no composed form is one "?"
      {"abcs\xCC\xA6", 3, "abc"},
      {"\tab\r\n", 3, "ab "},
  };
  for (const Case& c : cases) {
    DbfFile table;
    table.AddField(QStringLiteral("F"), QStringLiteral("C"), c.length);
    ListModel list;
    Fill(list, {QStringLiteral("F")}, {{QString::fromUtf8(c.value)}});
    const QByteArray bytes = Written(table, list);
    EXPECT_EQ(bytes.mid(table.headerLength + 1, c.length), c.field) << c.value;
    EXPECT_EQ(bytes.size(), table.headerLength + 1 + c.length + 1) << c.value;
  }
}

TEST(DbfWrite, TypeLetterDefaultsToCharacterAndNeverChangesTheValue) {
  DbfFile table;
  table.names = {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")};
  table.types = {QStringLiteral("N")};
  table.lengths = {4, 4, 4};
  table.fieldCount = 3;
  ListModel list;
  Fill(list, {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")},
       {{QStringLiteral("007"), QStringLiteral("1,5"), QStringLiteral("x")}});
  const QByteArray bytes = Written(table, list);
  EXPECT_EQ(bytes[32 + 11], 'N');
  EXPECT_EQ(bytes[64 + 11], 'C');
  EXPECT_EQ(bytes[96 + 11], 'C');
  EXPECT_EQ(bytes.mid(32 * 4 + 1 + 1, 12), QByteArray("007 1,5 x   "));
}

TEST(DbfWrite, EmptyListGivesHeaderTerminatorAndEndMark) {
  DbfFile table;
  table.AddField(QStringLiteral("CNP"), QStringLiteral("N"), 13);
  table.AddField(QStringLiteral("NUME"), QStringLiteral("C"), 30);
  ListModel list;
  Fill(list, {QStringLiteral("CNP"), QStringLiteral("NUME")}, {});
  const QByteArray bytes = Written(table, list);
  ASSERT_EQ(bytes.size(), 32 * 3 + 1 + 1);
  EXPECT_EQ(bytes.mid(4, 4), Bytes({0, 0, 0, 0}));
  EXPECT_EQ(bytes.at(96), '\x0D');
  EXPECT_EQ(bytes.at(97), '\x1A');
}

TEST(DbfWrite, MissingListColumnsGiveBlankFields) {
  DbfFile table;
  table.AddField(QStringLiteral("A"), QStringLiteral("C"), 2);
  table.AddField(QStringLiteral("B"), QStringLiteral("C"), 3);
  ListModel list;
  Fill(list, {QStringLiteral("A")}, {{QStringLiteral("x")}});
  EXPECT_EQ(Written(table, list).mid(table.headerLength, 6), QByteArray(" x    "));
}

TEST(DbfWrite, DefinitionsNoHeaderCanExpressAreRefused) {
  auto make = [](std::vector<int> lengths) {
    DbfFile table;
    for (const int length : lengths)
      table.AddField(QStringLiteral("F"), QStringLiteral("C"), length);
    return table;
  };
  const std::pair<const char*, DbfFile> cases[] = {
      {"no fields", make({})},
      {"length 0", make({5, 0})},
      {"length 256", make({256})},
      {"negative length", make({-1})},
      {"record over 65535 bytes", make(std::vector<int>(300, 255))},
      {"more fields than the header length holds", make(std::vector<int>(2047, 1))},
  };
  ListModel list;
  Fill(list, {QStringLiteral("F")}, {{QStringLiteral("x")}});
  QTemporaryDir dir;
  for (const auto& [what, table] : cases) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    EXPECT_FALSE(table.WriteDbf(buffer, list, QDate(2009, 6, 4))) << what;
    const QString path = dir.filePath(QStringLiteral("refused.dbf"));
    EXPECT_FALSE(table.WriteDbf(path, list)) << what;
    EXPECT_FALSE(QFile::exists(path)) << what;
  }
  EXPECT_TRUE(
      make(std::vector<int>(2046, 1)).WriteDbf(dir.filePath(QStringLiteral("max.dbf")), list));
}

// A device that takes a fixed number of bytes and then fails, as a full disk does.
class FullDevice : public QIODevice {
 public:
  explicit FullDevice(qint64 room) : room_(room) { open(QIODevice::WriteOnly); }

 protected:
  qint64 readData(char*, qint64) override { return -1; }
  qint64 writeData(const char*, qint64 size) override {
    const qint64 taken = std::min(size, room_);
    room_ -= taken;
    return taken == 0 ? -1 : taken;
  }

 private:
  qint64 room_;
};

DbfFile PersonTable() {
  DbfFile table;
  table.AddField(QStringLiteral("CNP"), QStringLiteral("N"), 13);
  table.AddField(QStringLiteral("NUME"), QStringLiteral("C"), 30);
  return table;
}

void FillPersons(ListModel& list, int count) {
  std::vector<QStringList> rows;
  for (int i = 0; i < count; ++i) {
    rows.push_back({QStringLiteral("1800101420010"), QStringLiteral("Popescu %1").arg(i)});
  }
  Fill(list, {QStringLiteral("CNP"), QStringLiteral("NUME")}, rows);
}

TEST(DbfWrite, ShortWriteOnTheDeviceFails) {
  ListModel list;
  FillPersons(list, 20000);  // more than one buffer of records
  for (const qint64 room : {0LL, 100LL, 300000LL, 20000LL * 44 + 97LL}) {
    FullDevice device(room);
    EXPECT_FALSE(PersonTable().WriteDbf(device, list, QDate(2009, 6, 4))) << room;
  }
}

// A file-size limit makes the kernel refuse writes past it, as a full medium would.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &previous_);
    rlimit limited = previous_;
    limited.rlim_cur = bytes;
    active_ = setrlimit(RLIMIT_FSIZE, &limited) == 0;
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &previous_);
    std::signal(SIGXFSZ, previousHandler_);
  }
  bool active() const { return active_; }

 private:
  rlimit previous_{};
  void (*previousHandler_)(int) = nullptr;
  bool active_ = false;
};

TEST(DbfWrite, FailedWriteKeepsThePreviousFileAndLeavesNoPartialFile) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("A1A.dbf"));
  ListModel small;
  FillPersons(small, 3);
  ASSERT_TRUE(PersonTable().WriteDbf(path, small));
  const QByteArray good = ReadFile(path);
  ASSERT_EQ(good.size(), 97 + 3 * 44 + 1);

  ListModel large;
  FillPersons(large, 50000);
  {
    FileSizeLimit limit(64 * 1024);
    ASSERT_TRUE(limit.active());
    EXPECT_FALSE(PersonTable().WriteDbf(path, large));
  }
  EXPECT_EQ(ReadFile(path), good);
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
            QStringList{QStringLiteral("A1A.dbf")});

  const QString fresh = dir.filePath(QStringLiteral("nou.dbf"));
  {
    FileSizeLimit limit(64 * 1024);
    EXPECT_FALSE(PersonTable().WriteDbf(fresh, large));
  }
  EXPECT_FALSE(QFile::exists(fresh));
}

TEST(DbfWrite, UnwritablePlacesFail) {
  QTemporaryDir dir;
  ListModel list;
  FillPersons(list, 1);
  EXPECT_FALSE(PersonTable().WriteDbf(dir.path(), list));  // a folder
  EXPECT_FALSE(PersonTable().WriteDbf(dir.filePath(QStringLiteral("lipsa/A1A.dbf")), list));
  EXPECT_TRUE(QFileInfo(dir.path()).isDir());
}

TEST(DbfWrite, OverwritesAnExistingFileAndDatesItToday) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("A1A.dbf"));
  ASSERT_TRUE(dbf_test::WriteFile(path, QByteArray(5000, 'x')));
  ListModel list;
  FillPersons(list, 2);
  const QDate before = QDate::currentDate();
  ASSERT_TRUE(PersonTable().WriteDbf(path, list));
  const QDate after = QDate::currentDate();
  const QByteArray bytes = ReadFile(path);
  ASSERT_EQ(bytes.size(), 97 + 2 * 44 + 1);
  const QDate stamped(2000 + bytes[1], bytes[2], bytes[3]);
  EXPECT_TRUE(stamped == before || stamped == after);
}

TEST(DbfWrite, ProgressRangeThenOneStepPerRecord) {
  ListModel list;
  FillPersons(list, 4);
  std::vector<std::pair<int, int>> calls;
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  ASSERT_TRUE(PersonTable().WriteDbf(buffer, list, QDate(2009, 6, 4), [&](int done, int total) {
    calls.emplace_back(done, total);
  }));
  const std::vector<std::pair<int, int>> expected = {{0, 4}, {1, 4}, {2, 4}, {3, 4}, {4, 4}};
  EXPECT_EQ(calls, expected);
}

}  // namespace
