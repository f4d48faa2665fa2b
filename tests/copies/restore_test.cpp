// Registers copied and restored by the built program and by helper programs: every row and
// audit row comes back byte for byte, a damaged copy or an open register changes nothing, a
// kill at any step leaves the old register or the new one whole, and the exit's daily copy
// is taken once a day and pruned.
#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "store/copies/copy_format.h"
#include "store/copies/copy_reader.h"
#include "store/copies/gzip_stream.h"
#include "support/helper_run.h"
#include "support/program_run.h"

namespace {

HelperRun Helper(const QStringList& arguments) {
  return RunHelper(QStringLiteral(COPIES_HELPER), arguments);
}

QStringList Dump(const QString& folder) {
  const HelperRun run = Helper({folder, QStringLiteral("dump")});
  EXPECT_EQ(run.code, 0) << run.facts.join(u'\n').toStdString();
  return run.Values(QStringLiteral("DUMP"));
}

// Equal dumps, or the first line where they part.
::testing::AssertionResult SameRegister(const QStringList& got, const QStringList& expected) {
  if (got == expected) return ::testing::AssertionSuccess();
  qsizetype line = 0;
  while (line < got.size() && line < expected.size() && got[line] == expected[line]) ++line;
  return ::testing::AssertionFailure()
         << "registers part at line " << line << " of " << expected.size()
         << ":\n  got:      " << got.value(line).left(200).toStdString()
         << "\n  expected: " << expected.value(line).left(200).toStdString();
}

bool CopyTree(const QString& from, const QString& to) {
  QDirIterator walk(from, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
  if (!QDir().mkpath(to)) return false;
  while (walk.hasNext()) {
    const QString path = walk.next();
    const QString target = to + path.mid(from.size());
    if (walk.fileInfo().isDir() ? !QDir().mkpath(target) : !QFile::copy(path, target)) {
      return false;
    }
  }
  return true;
}

QByteArray Bytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The text after the header: the same rows give the same body, whenever the copy was taken.
QByteArray Body(const QString& copy) {
  GzipReader reader(copy);
  QByteArray text;
  while (reader.Read(text)) {
  }
  EXPECT_EQ(reader.GetState(), GzipReader::State::kEnd) << copy.toStdString();
  const QByteArray end = "-- Sfarsitul antetului\n";
  return text.mid(text.indexOf(end) + end.size());
}

QStringList Folders(const QString& folder, const QString& pattern) {
  return QDir(folder).entryList({pattern}, QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
}

// One office register kept closed as the test's model: its dump when the copy was taken
// ("new": what a restore brings back) and after a later change ("old": what it replaces).
class RestoreTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    base_ = new QTemporaryDir;
    const QString office = Path("office");
    const QString copies = Path("copies");
    ASSERT_TRUE(QDir().mkpath(office) && QDir().mkpath(copies));
    const HelperRun filled = Helper(
        {office, QStringLiteral("fill"), QStringLiteral("dump"), QStringLiteral("copy=") + copies});
    ASSERT_EQ(filled.code, 0) << filled.facts.join(u'\n').toStdString();
    newDump_ = filled.Values(QStringLiteral("DUMP"));
    copy_ = filled.Values(QStringLiteral("COPY")).value(0);
    const HelperRun changed = Helper({office, QStringLiteral("change"), QStringLiteral("dump")});
    ASSERT_EQ(changed.code, 0);
    oldDump_ = changed.Values(QStringLiteral("DUMP"));
    ASSERT_FALSE(newDump_.isEmpty());
    ASSERT_NE(oldDump_, newDump_);
  }
  static void TearDownTestSuite() { delete base_; }

  static QString Path(const char* name) { return base_->filePath(QLatin1String(name)); }
  // A start-up folder holding the office's register as it is now (the "old" one).
  // Its configuration names the folder it stands in, as after a start there.
  QString Office(const QString& name) {
    const QString folder = base_->filePath(name);
    EXPECT_TRUE(CopyTree(Path("office"), folder));
    QFile config(folder + QStringLiteral("/srv_embedded.cfg"));
    EXPECT_TRUE(config.open(QIODevice::ReadWrite));
    const QByteArray aimed = config.readAll().replace(Path("office").toUtf8(), folder.toUtf8());
    config.resize(0);
    config.write(aimed);
    return folder;
  }
  ProgramRun Program(const QStringList& arguments) {
    return RunProgram(QStringLiteral(VELKA_PROGRAM), arguments, home_.path());
  }

  static inline QTemporaryDir* base_ = nullptr;
  static inline QStringList newDump_;
  static inline QStringList oldDump_;
  static inline QString copy_;
  QTemporaryDir home_;
};

TEST_F(RestoreTest, EveryRowAndAuditRowComesBackByteForByte) {
  // The tricky values are there to be carried: a NUL, quotes, backslashes, a NULL audit row.
  const QString dump = newDump_.join(u'\n');
  EXPECT_TRUE(dump.contains(QStringLiteral("|N|"))) << "no NULL cell";
  EXPECT_TRUE(dump.contains(QString::fromLatin1(QByteArray("O'Brien \\").toHex().toUpper())));
  EXPECT_TRUE(
      dump.contains(QString::fromLatin1(QByteArray("0.30000000000000004").toHex().toUpper())));

  // Into a folder without a register, by the program's command.
  const QString fresh = Path("fresh");
  ASSERT_TRUE(QDir().mkpath(fresh));
  const ProgramRun restored =
      Program({QStringLiteral("restaureaza"), copy_, QStringLiteral("--date"), fresh});
  ASSERT_EQ(restored.code, 0) << restored.err.toStdString();
  EXPECT_TRUE(restored.out.contains(QStringLiteral("asigurati.zlog_asigurati: 1\n")));
  EXPECT_TRUE(SameRegister(Dump(fresh), newDump_));
  // Journaled tables of the register's engine, as a first start makes them.
  const HelperRun engines = Helper(
      {fresh, QStringLiteral("query=SELECT COUNT(*), SUM(t.engine='Aria' AND t.create_options "
                             "NOT LIKE '%transactional=0%') FROM information_schema.tables AS t "
                             "WHERE t.table_schema IN ('asigurati', 'concedii')")});
  EXPECT_EQ(engines.Values(QStringLiteral("ROW")), QStringList{QStringLiteral("0\t17\t17")});

  // Over a register: the old one is kept whole beside the data folder.
  const QString office = Office(QStringLiteral("replaced"));
  const ProgramRun replaced =
      Program({QStringLiteral("restaureaza"), copy_, QStringLiteral("--date"), office});
  ASSERT_EQ(replaced.code, 0) << replaced.err.toStdString();
  EXPECT_TRUE(SameRegister(Dump(office), newDump_));
  const QStringList kept =
      Folders(office + QStringLiteral("/copii"), QStringLiteral("registru-inlocuit_*"));
  ASSERT_EQ(kept.size(), 1);
  EXPECT_TRUE(replaced.out.contains(kept.first())) << replaced.out.toStdString();
  EXPECT_TRUE(
      QDir(office + QStringLiteral("/copii/") + kept.first()).exists(QStringLiteral("asigurati")));
  EXPECT_TRUE(
      Folders(office + QStringLiteral("/copii"), QStringLiteral(".restaurare-*")).isEmpty());

  // The restored register copied again by the command: the same text, row for row.
  const QString again = Path("again");
  ASSERT_TRUE(QDir().mkpath(again));
  const ProgramRun copied = Program({QStringLiteral("copie"), QStringLiteral("--folder"), again,
                                     QStringLiteral("--date"), office});
  ASSERT_EQ(copied.code, 0) << copied.err.toStdString();
  const QStringList files = QDir(again).entryList({QStringLiteral("*.sql.gz")}, QDir::Files);
  ASSERT_EQ(files.size(), 1);
  EXPECT_TRUE(CopyFileTime(files.first()).has_value());
  EXPECT_EQ(QFile(again + u'/' + files.first()).permissions() &
                (QFileDevice::ReadGroup | QFileDevice::ReadOther),
            QFileDevice::Permissions());
  EXPECT_EQ(Body(again + u'/' + files.first()), Body(copy_));
}

TEST_F(RestoreTest, ADamagedCopyChangesNothing) {
  const QByteArray whole = Bytes(copy_);
  QByteArray flipped = whole;
  flipped[whole.size() * 2 / 3] = static_cast<char>(flipped[whole.size() * 2 / 3] ^ 0x21);
  const struct {
    const char* name;
    QByteArray bytes;
    const char* says;
  } rows[] = {
      {"cut.sql.gz", whole.left(whole.size() * 3 / 4), "este incompleta"},
      {"flipped.sql.gz", flipped, "este deteriorata"},
  };
  const QString office = Office(QStringLiteral("damaged"));
  for (const auto& row : rows) {
    const QString path = Path(row.name);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(row.bytes);
    file.close();
    const ProgramRun run =
        Program({QStringLiteral("restaureaza"), path, QStringLiteral("--date"), office});
    EXPECT_EQ(run.code, 1) << row.name;
    EXPECT_TRUE(run.err.contains(QString::fromUtf8(row.says))) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QStringLiteral("registrul a ramas cum era")))
        << run.err.toStdString();
  }
  EXPECT_TRUE(SameRegister(Dump(office), oldDump_));
  const QDir copies(office + QStringLiteral("/copii"));
  EXPECT_TRUE(!copies.exists() ||
              copies.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).isEmpty());
}

TEST_F(RestoreTest, AnOpenRegisterIsNotReplaced) {
  const QString office = Office(QStringLiteral("open"));
  QProcess holder;
  holder.start(QStringLiteral(COPIES_HELPER), {office, QStringLiteral("hang")});
  QString said;
  while (!said.contains(QStringLiteral("READY")) && holder.waitForReadyRead(30000)) {
    said += QString::fromUtf8(holder.readAllStandardOutput());
  }
  ASSERT_TRUE(said.contains(QStringLiteral("READY")));
  const ProgramRun run =
      Program({QStringLiteral("restaureaza"), copy_, QStringLiteral("--date"), office});
  holder.kill();
  holder.waitForFinished();
  EXPECT_EQ(run.code, 2);
  EXPECT_TRUE(run.err.contains(QStringLiteral("O alta copie a programului lucreaza deja")))
      << run.err.toStdString();
  EXPECT_TRUE(SameRegister(Dump(office), oldDump_));
}

TEST_F(RestoreTest, AKillAtAnyStepLeavesTheOldRegisterOrTheNewOneWhole) {
  const struct {
    const char* step;
    bool replaced;  // the new register is in place once the kill falls after the exchange
  } points[] = {
      {"server-started#1", false}, {"statement#1", false},    {"statement#30", false},
      {"counted#1", false},        {"server-ended#1", false}, {"synced#1", false},
      {"swapped#1", true},         {"kept#1", true},
  };
  int n = 0;
  for (const auto& point : points) {
    const QString office = Office(QStringLiteral("kill%1").arg(n++));
    const HelperRun killed =
        Helper({office, QStringLiteral("kill-after=") + QLatin1String(point.step),
                QStringLiteral("restore=") + copy_});
    ASSERT_TRUE(killed.killed) << point.step << "\n" << killed.facts.join(u'\n').toStdString();
    EXPECT_TRUE(SameRegister(Dump(office), point.replaced ? newDump_ : oldDump_)) << point.step;

    // The next restore clears what the killed one left, keeping every replaced register.
    const HelperRun next = Helper({office, QStringLiteral("restore=") + copy_});
    ASSERT_EQ(next.code, 0) << point.step << "\n" << next.facts.join(u'\n').toStdString();
    EXPECT_TRUE(SameRegister(Dump(office), newDump_)) << point.step;
    const QString copies = office + QStringLiteral("/copii");
    EXPECT_TRUE(Folders(copies, QStringLiteral(".restaurare-*")).isEmpty()) << point.step;
    EXPECT_EQ(Folders(copies, QStringLiteral("registru-inlocuit_*")).size(), point.replaced ? 2 : 1)
        << point.step;
  }
}

TEST_F(RestoreTest, TheDailyCopyIsTakenOnceADayAndOldOnesGo) {
  const QString office = Office(QStringLiteral("daily"));
  const QString daily = office + QStringLiteral("/copii/zilnice");
  ASSERT_TRUE(QDir().mkpath(daily));
  // Twelve copies of the days before, in one month long past: the newest nine stay with today's.
  for (int day = 1; day <= 12; ++day) {
    QFile old(daily + QStringLiteral("/velka-asigurati_2001-01-%1_1200.sql.gz")
                          .arg(day, 2, 10, QLatin1Char('0')));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
  }
  const HelperRun first = Helper({office, QStringLiteral("daily"), QStringLiteral("daily")});
  ASSERT_EQ(first.code, 0);
  const QStringList outcomes = first.Values(QStringLiteral("DAILY"));
  ASSERT_EQ(outcomes.size(), 2);
  EXPECT_TRUE(outcomes[0].startsWith(QStringLiteral("taken\t") + daily))
      << outcomes[0].toStdString();
  EXPECT_EQ(outcomes[1], QStringLiteral("notdue\t"));
  const QStringList left = QDir(daily).entryList(QDir::Files, QDir::Name);
  ASSERT_EQ(left.size(), 10) << left.join(u' ').toStdString();
  EXPECT_EQ(left.first(), QStringLiteral("velka-asigurati_2001-01-04_1200.sql.gz"));
  EXPECT_TRUE(std::holds_alternative<CheckedCopy>(CheckCopy(daily + u'/' + left.last())));

  // A folder the settings file names must be there: a missing share is said, not made.
  const auto settings = [&](const QString& folder) {
    QFile file(office + QStringLiteral("/velka-asigurati.ini"));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("[copii]\ndosar=\"" + folder.toUtf8() + "\"\n");
  };
  settings(Path("no-such-share"));
  const HelperRun missing = Helper({office, QStringLiteral("daily")});
  EXPECT_TRUE(
      missing.Values(QStringLiteral("DAILY")).value(0).startsWith(QStringLiteral("failed\t")))
      << missing.facts.join(u'\n').toStdString();
  const QString share = Path("share");
  ASSERT_TRUE(QDir().mkpath(share));
  settings(share);
  const HelperRun named = Helper({office, QStringLiteral("daily")});
  EXPECT_TRUE(
      named.Values(QStringLiteral("DAILY")).value(0).startsWith(QStringLiteral("taken\t") + share))
      << named.facts.join(u'\n').toStdString();
}

}  // namespace
