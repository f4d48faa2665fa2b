// Copies and restores with a real MariaDB server: a copy of the embedded register loads into
// the server with the mariadb client, a copy taken from the server is restored onto a server
// without a register and into an embedded one, each time with the same rows byte for byte.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "server_fixture.h"
#include "support/helper_run.h"
#include "support/program_run.h"
#include "support/register_dump.h"

namespace {

HelperRun Helper(const QStringList& arguments) {
  return RunHelper(QStringLiteral(COPIES_HELPER), arguments);
}

::testing::AssertionResult SameRegister(const QStringList& got, const QStringList& expected) {
  if (!expected.isEmpty() && got == expected) return ::testing::AssertionSuccess();
  qsizetype line = 0;
  while (line < got.size() && line < expected.size() && got[line] == expected[line]) ++line;
  return ::testing::AssertionFailure()
         << "registers part at line " << line << " of " << expected.size()
         << ":\n  got:      " << got.value(line).left(200).toStdString()
         << "\n  expected: " << expected.value(line).left(200).toStdString();
}

class CopiesOnServerTest : public ServerTest {
 protected:
  ProgramRun Program(const QStringList& arguments) {
    return RunProgram(QStringLiteral(VELKA_PROGRAM), arguments, home_.path());
  }
  QString OnlyCopy(const QString& folder) {
    const QStringList files = QDir(folder).entryList({QStringLiteral("*.sql.gz")}, QDir::Files);
    EXPECT_EQ(files.size(), 1) << folder.toStdString();
    return QDir(folder).filePath(files.value(0));
  }

  QTemporaryDir home_;
  QTemporaryDir work_;
};

TEST_F(CopiesOnServerTest, ACopyTravelsBetweenTheEmbeddedRegisterAndAServerUnchanged) {
  if (QStandardPaths::findExecutable(QStringLiteral("mariadb")).isEmpty()) {
    GTEST_SKIP() << "the mariadb client is not installed (mariadb-client-core)";
  }
  const QString office = work_.filePath(QStringLiteral("office"));
  const QString fromOffice = work_.filePath(QStringLiteral("from-office"));
  ASSERT_TRUE(QDir().mkpath(office) && QDir().mkpath(fromOffice));
  const HelperRun filled = Helper({office, QStringLiteral("fill"), QStringLiteral("dump"),
                                   QStringLiteral("copy=") + fromOffice});
  ASSERT_EQ(filled.code, 0) << filled.facts.join(u'\n').toStdString();
  const QStringList officeDump = filled.Values(QStringLiteral("DUMP"));

  // As a database administrator loads it.
  QProcess load;
  load.setProcessChannelMode(QProcess::MergedChannels);
  load.start(QStringLiteral("bash"),
             {QStringLiteral("-c"),
              QStringLiteral("set -o pipefail; zcat \"$0\" | mariadb --host=127.0.0.1 --port=$1 "
                             "--user=root"),
              filled.Values(QStringLiteral("COPY")).value(0), QString::number(Server().Port())});
  ASSERT_TRUE(load.waitForFinished(120000));
  ASSERT_EQ(load.exitCode(), 0) << load.readAll().toStdString();
  EXPECT_TRUE(SameRegister(DumpRegister(Admin()), officeDump));

  // A copy of the server's register, restored onto the server once it has none.
  const QString workstation = Server().Workstation(QStringLiteral("copies"));
  const QString fromServer = work_.filePath(QStringLiteral("from-server"));
  ASSERT_TRUE(QDir().mkpath(fromServer));
  const ProgramRun copied = Program({QStringLiteral("copie"), QStringLiteral("--folder"),
                                     fromServer, QStringLiteral("--date"), workstation});
  ASSERT_EQ(copied.code, 0) << copied.err.toStdString();
  const QString serverCopy = OnlyCopy(fromServer);

  const ProgramRun held =
      Program({QStringLiteral("restaureaza"), serverCopy, QStringLiteral("--date"), workstation});
  EXPECT_EQ(held.code, 2);
  EXPECT_TRUE(held.err.contains(QStringLiteral("are deja un registru"))) << held.err.toStdString();

  Run(QStringLiteral("DROP DATABASE asigurati"));
  Run(QStringLiteral("DROP DATABASE concedii"));
  const ProgramRun restored =
      Program({QStringLiteral("restaureaza"), serverCopy, QStringLiteral("--date"), workstation});
  ASSERT_EQ(restored.code, 0) << restored.err.toStdString();
  EXPECT_TRUE(restored.out.contains(QStringLiteral("a fost incarcata pe serverul")));
  EXPECT_TRUE(SameRegister(DumpRegister(Admin()), officeDump));
  EXPECT_EQ(Value(QStringLiteral("SELECT COUNT(*) AS v FROM information_schema.schemata WHERE "
                                 "schema_name='velka_creare'")),
            QStringLiteral("0"));

  // The server's copy back into an embedded register.
  const QString embedded = work_.filePath(QStringLiteral("embedded"));
  ASSERT_TRUE(QDir().mkpath(embedded));
  const ProgramRun back =
      Program({QStringLiteral("restaureaza"), serverCopy, QStringLiteral("--date"), embedded});
  ASSERT_EQ(back.code, 0) << back.err.toStdString();
  const HelperRun dumped = Helper({embedded, QStringLiteral("dump")});
  EXPECT_TRUE(SameRegister(dumped.Values(QStringLiteral("DUMP")), officeDump));
}

}  // namespace
