// An office's embedded register moved onto the server by the program's command: the month's
// files written from the server are those written from the embedded register, byte for byte,
// and a server that holds a register is refused.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "server_fixture.h"
#include "support/program_run.h"

namespace {

class MoveTest : public ServerTest {
 protected:
  ProgramRun Program(const QStringList& arguments) {
    return RunProgram(QStringLiteral(VELKA_PROGRAM), arguments, home_.path());
  }

  // The month's files of both commands, written from the office's register into `folder`.
  void WriteMonth(const QString& folder) {
    for (const char* command : {"rapoarte", "declaratii"}) {
      const QString files = folder + u'/' + QLatin1String(command);
      ASSERT_TRUE(QDir().mkpath(files));
      const ProgramRun run =
          Program({QLatin1String(command), QStringLiteral("--luna"), QStringLiteral("200906"),
                   QStringLiteral("--folder"), files, QStringLiteral("--date"), office_.path()});
      ASSERT_EQ(run.code, 0) << command << ": " << run.err.toStdString();
    }
  }

  // The office's register filled by a process of its own (the embedded server cannot start
  // in a process that has connected to a server), then the settings file naming the server.
  void FillOffice(const QStringList& extra = {}) {
    const std::unique_ptr<QProcess> fill =
        StartWorkstation(QStringList{QStringLiteral("fill"), office_.path()} + extra);
    int filled = -1;
    const QString output = Finish(*fill, filled);
    ASSERT_EQ(filled, 0) << output.toStdString();
  }
  void NameServer() {
    const QString settings = QStringLiteral("/velka-asigurati.ini");
    ASSERT_TRUE(QFile::copy(Server().Workstation(QStringLiteral("office")) + settings,
                            office_.path() + settings));
  }

  QTemporaryDir home_;
  QTemporaryDir office_;
};

QByteArray Bytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST_F(MoveTest, MonthFilesFromTheServerAreThoseOfTheEmbeddedRegister) {
  FillOffice();
  QTemporaryDir embeddedFiles;
  WriteMonth(embeddedFiles.path());

  NameServer();
  const ProgramRun moved =
      Program({QStringLiteral("muta-pe-server"), QStringLiteral("--date"), office_.path()});
  ASSERT_EQ(moved.code, 0) << moved.err.toStdString();
  // Every table and audit table, with its rows; the audit copies of the update and delete.
  EXPECT_TRUE(moved.out.contains(QStringLiteral("asigurati.zlog_societati: 1\n")));
  EXPECT_TRUE(moved.out.contains(QStringLiteral("asigurati.zlog_asigurati: 1\n")));
  EXPECT_TRUE(moved.out.contains(QStringLiteral("concedii.zlog_concedii: 0\n")));
  EXPECT_TRUE(moved.out.contains(QStringLiteral("asigurati.setari: 1\n")));
  EXPECT_EQ(Value(QStringLiteral("SELECT s.repr AS v FROM asigurati.societati AS s WHERE "
                                 "s.cf='12345674'")),
            QStringLiteral("Ana \\ O'Brien"));
  // The deleted person's number is not given again: its audit copy names it.
  EXPECT_EQ(Value(QStringLiteral("SELECT t.auto_increment AS v FROM information_schema.tables AS "
                                 "t WHERE t.table_schema='asigurati' AND "
                                 "t.table_name='asigurati'")),
            QStringLiteral("10"));
  EXPECT_EQ(Value(QStringLiteral("SELECT t.engine AS v FROM information_schema.tables AS t WHERE "
                                 "t.table_schema='concedii' AND t.table_name='zlog_concedii'")),
            QStringLiteral("InnoDB"));

  QTemporaryDir serverFiles;
  WriteMonth(serverFiles.path());
  for (const char* command : {"rapoarte", "declaratii"}) {
    const QDir written(serverFiles.path() + u'/' + QLatin1String(command));
    const QDir reference(embeddedFiles.path() + u'/' + QLatin1String(command));
    const QStringList names = reference.entryList(QDir::Files, QDir::Name);
    EXPECT_GE(names.size(), 2) << command;
    ASSERT_EQ(written.entryList(QDir::Files, QDir::Name), names) << command;
    for (const QString& name : names) {
      EXPECT_EQ(Bytes(written.filePath(name)), Bytes(reference.filePath(name)))
          << name.toStdString();
    }
  }

  const ProgramRun again =
      Program({QStringLiteral("muta-pe-server"), QStringLiteral("--date"), office_.path()});
  EXPECT_EQ(again.code, 2);
  EXPECT_TRUE(again.err.contains(QStringLiteral("are deja un registru")))
      << again.err.toStdString();
}

// A table the server's register cannot take: nothing is left there, so the move can be run
// again once the cause is mended.
TEST_F(MoveTest, FailedCopyLeavesNoRegisterOnTheServer) {
  FillOffice({QStringLiteral("extra")});
  NameServer();
  const ProgramRun moved =
      Program({QStringLiteral("muta-pe-server"), QStringLiteral("--date"), office_.path()});
  EXPECT_EQ(moved.code, 1);
  EXPECT_TRUE(moved.err.contains(QStringLiteral("asigurati.setari:"))) << moved.err.toStdString();
  EXPECT_EQ(Value(QStringLiteral("SELECT COUNT(*) AS v FROM information_schema.schemata AS s "
                                 "WHERE s.schema_name IN ('asigurati', 'concedii')")),
            QStringLiteral("0"));
}

}  // namespace
