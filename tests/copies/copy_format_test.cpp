// A copy's file as this program writes and reads it back: names, definitions fit for any
// server, the copies kept, and every way a file can fail to be a whole copy, each refused
// with its own reason.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>

#include "store/copies/copy_reader.h"
#include "store/copies/daily_copies.h"
#include "store/copies/gzip_stream.h"
#include "store/schema/schema.h"

namespace {

TEST(CopyFormat, FileNamesCarryTheTimeOfTheCopy) {
  const QDateTime taken(QDate(2026, 12, 7), QTime(20, 51, 36));
  EXPECT_EQ(CopyFileName(taken), QStringLiteral("velka-asigurati_2026-12-07_2051.sql.gz"));
  const struct {
    const char* name;
    bool copy;
  } rows[] = {
      {"velka-asigurati_2026-12-07_2051.sql.gz", true},
      {"velka-asigurati_2026-12-07_2051.sql", false},
      {"velka-asigurati_2026-02-30_0000.sql.gz", false},
      {"velka-asigurati_2026-12-07_2051.sql.gz.part", false},
      {"copie_2026-12-07_2051.sql.gz", false},
  };
  for (const auto& row : rows) {
    const auto time = CopyFileTime(QLatin1String(row.name));
    EXPECT_EQ(time.has_value(), row.copy) << row.name;
  }
  EXPECT_EQ(CopyFileTime(CopyFileName(taken)), QDateTime(QDate(2026, 12, 7), QTime(20, 51)));
}

QStringList Names(const QStringList& stamps) {
  QStringList names;
  for (const QString& stamp : stamps)
    names << QStringLiteral("velka-asigurati_%1.sql.gz").arg(stamp);
  return names;
}

QStringList Days(const QDate& first, int count) {
  QStringList stamps;
  for (int day = 0; day < count; ++day) {
    stamps << first.addDays(day).toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral("_1700");
  }
  return stamps;
}

TEST(CopyFormat, TheLastTenAndTheLastOfEachOfTwelveMonthsAreKept) {
  const QDate today(2026, 12, 7);
  QStringList monthly;
  for (QDate month(2025, 6, 1); month <= QDate(2026, 12, 1); month = month.addMonths(1)) {
    monthly << month.toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral("_0900");
  }
  const struct {
    const char* name;
    QStringList names;
    QStringList removed;
  } rows[] = {
      {"a few copies", Names(Days(QDate(2026, 12, 5), 3)), {}},
      {"fifteen days", Names(Days(QDate(2026, 11, 23), 15)), Names(Days(QDate(2026, 11, 23), 5))},
      {"one a month for a year and a half", Names(monthly), Names(monthly.mid(0, 7))},
      {"an older month's last copy stays",
       Names(QStringList{"2026-02-01_0900", "2026-02-15_0900", "2026-02-28_0900"} +
             Days(QDate(2026, 11, 28), 10)),
       Names({"2026-02-15_0900", "2026-02-01_0900"})},
      {"other files are never removed",
       QStringList{"note.txt", "velka-asigurati_2020-13-01_0000.sql.gz"} +
           Names(Days(QDate(2020, 1, 1), 11)),
       Names(Days(QDate(2020, 1, 1), 1))},
  };
  for (const auto& row : rows) {
    QStringList removed = CopiesToRemove(row.names, today);
    QStringList expected = row.removed;
    removed.sort();
    expected.sort();
    EXPECT_EQ(removed, expected) << row.name;
  }
}

TEST(CopyFormat, DefinitionsLeaveTheEngineToTheReceivingServer) {
  const QByteArray body =
      "(\n  `index` int(11) NOT NULL AUTO_INCREMENT,\n  `NUME` varchar(5) NOT NULL DEFAULT "
      "'a)b''c\\\\',\n  PRIMARY KEY (`index`)\n)";
  const QByteArray portable = "CREATE TABLE `asigurati`.`x` " + body +
                              " DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci "
                              "AUTO_INCREMENT=7";
  const struct {
    const char* name;
    QByteArray shown;
    std::optional<QByteArray> expected;
  } rows[] = {
      {"the embedded register's Aria table",
       "CREATE TABLE `x` " + body +
           " ENGINE=Aria AUTO_INCREMENT=7 DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci "
           "PAGE_CHECKSUM=1 TRANSACTIONAL=1",
       portable},
      {"a server's InnoDB table",
       "CREATE TABLE `x` " + body +
           " ENGINE=InnoDB AUTO_INCREMENT=7 DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci",
       portable},
      {"no automatic number", "CREATE TABLE `x` " + body + " ENGINE=Aria DEFAULT CHARSET=utf8mb4",
       "CREATE TABLE `asigurati`.`x` " + body + " DEFAULT CHARSET=utf8mb4"},
      {"a view", "CREATE VIEW `x` AS SELECT 1", std::nullopt},
      {"cut inside a quoted default", "CREATE TABLE `x` (`a` int DEFAULT ')", std::nullopt},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(PortableDefinition(row.shown, QStringLiteral("asigurati")), row.expected) << row.name;
  }
}

// A whole copy of one table, written as the program writes one: `groups` times three rows
// in each of `inserts` statements.
QByteArray CopyText(const QString& version = QLatin1String(kSchemaVersion), qint64 groups = 2,
                    int inserts = 1) {
  CopyHeader header;
  header.program = QStringLiteral("Velka Asigurati test");
  header.registerVersion = version;
  header.taken = QStringLiteral("2026-12-07 10:00:00");
  header.origin = QStringLiteral("dosarul /tmp/x");
  header.tables = {{QStringLiteral("asigurati.setari"), groups * 3 * inserts}};
  QByteArray text = HeaderText(header);
  for (const QByteArray& statement : SessionStatements()) text += statement + ";\n";
  text +=
      "CREATE DATABASE `asigurati` CHARACTER SET utf8mb4 COLLATE utf8mb4_general_ci;\n"
      "CREATE DATABASE `concedii` CHARACTER SET utf8mb4 COLLATE utf8mb4_general_ci;\n"
      "CREATE TABLE `asigurati`.`setari` (\n  `index` int(11) NOT NULL AUTO_INCREMENT,\n"
      "  `DENUMIRE` varchar(50) DEFAULT ';(',\n  PRIMARY KEY (`index`)\n) DEFAULT "
      "CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci AUTO_INCREMENT=3;\n";
  for (int insert = 0; insert < inserts; ++insert) {
    text += "INSERT INTO `asigurati`.`setari` (`index`,`DENUMIRE`) VALUES\n";
    for (qint64 group = 0; group < groups; ++group) {
      text += group > 0 ? ",\n(" : "(";
      text += QByteArray::number(group + 1) +
              ",'O\\'Brien \\\\ (x); -- nu ''Ș'''),\n(-1.5e-7,NULL),\n(X'00ff',2)";
    }
    text += ";\n";
  }
  return text + "-- Sfarsitul copiei\n";
}

QByteArray Gzip(const QByteArray& text) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  GzipWriter gzip(buffer);
  EXPECT_TRUE(gzip.Write(text) && gzip.Finish());
  return bytes;
}

QByteArray Replaced(QByteArray text, const QByteArray& from, const QByteArray& to) {
  EXPECT_TRUE(text.contains(from)) << from.constData();
  return text.replace(from, to);
}

TEST(CopyFormat, OnlyAWholeCopyOfThisProgramIsRead) {
  using Reason = CopyRefusal::Reason;
  const QByteArray whole = CopyText();
  QByteArray flipped = Gzip(whole);
  flipped[flipped.size() / 2] = static_cast<char>(flipped[flipped.size() / 2] ^ 0x5a);
  const QByteArray compressed = Gzip(whole);
  const struct {
    const char* name;
    std::optional<QByteArray> file;  // nothing: no file at all
    std::optional<Reason> refused;
    const char* says;
  } rows[] = {
      {"a whole copy", Gzip(whole), std::nullopt, ""},
      {"statements longer than a piece of the reading", Gzip(CopyText(kSchemaVersion, 40000, 3)),
       std::nullopt, ""},
      {"an older register", Gzip(CopyText(QStringLiteral("1.83"))), std::nullopt, ""},
      {"no file", std::nullopt, Reason::kUnreadable, "nu exista"},
      {"the text not compressed", whole, Reason::kNotCopy, "nu este o copie"},
      {"another compressed text", Gzip("SELECT 1;\n"), Reason::kNotCopy, "nu este o copie"},
      {"the file cut in half", compressed.left(compressed.size() / 2), Reason::kTruncated,
       "este incompleta"},
      {"a changed byte", flipped, Reason::kDamaged, "este deteriorata"},
      {"no closing line", Gzip(whole.left(whole.indexOf("-- Sfarsitul copiei"))),
       Reason::kTruncated, "este incompleta"},
      {"bytes after the compressed copy", compressed + "xyz", Reason::kDamaged, "deteriorata"},
      {"other rows than the header says",
       Gzip(Replaced(whole, "asigurati.setari 6", "asigurati.setari 7")), Reason::kDamaged,
       "are 6 randuri, antetul spune 7"},
      {"a later format", Gzip(Replaced(whole, "Formatul copiei: 1", "Formatul copiei: 2")),
       Reason::kNewer, "program mai nou"},
      {"a later register", Gzip(CopyText(QStringLiteral("9.99"))), Reason::kNewer,
       "registrul versiunea 9.99"},
      {"a statement no copy has",
       Gzip(Replaced(whole, "-- Sfarsitul copiei", "DROP DATABASE mysql;\n-- Sfarsitul copiei")),
       Reason::kDamaged, "o instructiune necunoscuta"},
      {"a value that is an expression", Gzip(Replaced(whole, "(-1.5e-7,NULL)", "(SLEEP(9),1)")),
       Reason::kDamaged, "o instructiune necunoscuta"},
      {"a storage engine of its own",
       Gzip(Replaced(whole, "AUTO_INCREMENT=3;", "AUTO_INCREMENT=3 ENGINE=CONNECT;")),
       Reason::kDamaged, "o instructiune necunoscuta"},
      {"rows of a table it does not define",
       Gzip(Replaced(whole, "INSERT INTO `asigurati`.`setari`", "INSERT INTO `concedii`.`x`")),
       Reason::kDamaged, "tabelul necunoscut concedii.x"},
      {"another session setting", Gzip(Replaced(whole, "SET NAMES utf8mb4", "SET NAMES latin1")),
       Reason::kDamaged, "o setare necunoscuta"},
  };
  QTemporaryDir folder;
  for (const auto& row : rows) {
    const QString path = folder.filePath(QString::fromUtf8(row.name).replace(u' ', u'_'));
    if (row.file) {
      QFile file(path);
      ASSERT_TRUE(file.open(QIODevice::WriteOnly));
      file.write(*row.file);
    }
    const auto checked = CheckCopy(path);
    const auto* refused = std::get_if<CopyRefusal>(&checked);
    if (!row.refused) {
      EXPECT_EQ(refused, nullptr) << row.name << ": "
                                  << (refused ? refused->text.toStdString() : "");
      continue;
    }
    ASSERT_NE(refused, nullptr) << row.name;
    EXPECT_EQ(refused->reason, *row.refused) << row.name << ": " << refused->text.toStdString();
    EXPECT_TRUE(refused->text.contains(QString::fromUtf8(row.says)))
        << row.name << ": " << refused->text.toStdString();
  }
}

TEST(CopyFormat, AWholeCopyGivesItsHeaderAndStatementsAsWritten) {
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("c.sql.gz"));
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(Gzip(CopyText()));
  file.close();
  CopyReader reader(path);
  ASSERT_EQ(reader.Open(), std::nullopt);
  EXPECT_EQ(reader.Header().program, QStringLiteral("Velka Asigurati test"));
  EXPECT_EQ(reader.Header().taken, QStringLiteral("2026-12-07 10:00:00"));
  QStringList kinds;
  CopyStatement statement;
  qint64 rows = 0;
  while (reader.Next(statement)) {
    kinds << QString::number(static_cast<int>(statement.kind));
    if (statement.kind == CopyStatement::Kind::kInsert) {
      rows += statement.rows;
      EXPECT_EQ(statement.text.mid(statement.nameStart, statement.nameEnd - statement.nameStart),
                QByteArray("`asigurati`.`setari`"));
      EXPECT_TRUE(statement.text.endsWith("(X'00ff',2)")) << statement.text.constData();
    }
  }
  EXPECT_FALSE(reader.Refusal().has_value());
  EXPECT_EQ(kinds.join(u','), QStringLiteral("0,0,0,1,1,2,3"));
  EXPECT_EQ(rows, 6);
}

}  // namespace
