#include <QFile>
#include <QFileInfo>
#include <set>

#include "server_fixture.h"
#include "store/grouped_flushes.h"
#include "store/schema/schema.h"
#include "store/schema/schema_tables.h"

namespace {

int TablesOfTheRegister() {
  int tables = 0;
  for (const TableDef& table : SchemaTables()) tables += table.audited ? 2 : 1;
  return tables;
}

int CreatedBy(const QString& output) {
  const qsizetype at = output.indexOf(QLatin1String("created "));
  return at < 0 ? -1 : output.mid(at + 8).section(u'\n', 0, 0).toInt();
}

TEST_F(ServerTest, FirstInstallationCreatesTheRegisterOnTheServerAndNoEmbeddedFolder) {
  const QString start = Server().Workstation(QStringLiteral("first"));
  auto workstation = StartWorkstation({QStringLiteral("schema"), start});
  int exitCode = 0;
  const QString output = Finish(*workstation, exitCode);
  ASSERT_EQ(exitCode, 0) << output.toStdString();
  EXPECT_EQ(CreatedBy(output), TablesOfTheRegister());
  EXPECT_EQ(Value("SELECT setare AS v FROM asigurati.setari WHERE denumire='versiune'"),
            QLatin1String(kSchemaVersion));
  EXPECT_EQ(Value("SELECT COUNT(*) AS v FROM asigurati.cas"), QStringLiteral("44"));
  EXPECT_EQ(Value("SELECT COUNT(*) AS v FROM information_schema.tables WHERE table_schema IN "
                  "('asigurati', 'concedii') AND engine<>'InnoDB'"),
            QStringLiteral("0"));
  EXPECT_EQ(Value("SELECT COUNT(*) AS v FROM information_schema.schemata WHERE "
                  "schema_name='velka_creare'"),
            QStringLiteral("0"));
  // The library's embedded server never started: no configuration, data folder or lock.
  EXPECT_EQ(QDir(start).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
            QStringList{QStringLiteral("velka-asigurati.ini")});
}

TEST_F(ServerTest, TwoWorkstationsStartingTogetherRunTheCreationOnce) {
  auto first = StartWorkstation({QStringLiteral("schema"), Server().Workstation("one")});
  auto second = StartWorkstation({QStringLiteral("schema"), Server().Workstation("two")});
  int firstExit = 0;
  int secondExit = 0;
  const QString firstOutput = Finish(*first, firstExit);
  const QString secondOutput = Finish(*second, secondExit);
  ASSERT_EQ(firstExit, 0) << firstOutput.toStdString();
  ASSERT_EQ(secondExit, 0) << secondOutput.toStdString();
  const std::set<int> created = {CreatedBy(firstOutput), CreatedBy(secondOutput)};
  EXPECT_EQ(created, (std::set<int>{0, TablesOfTheRegister()}));
  EXPECT_EQ(Value("SELECT COUNT(*) AS v FROM asigurati.setari WHERE denumire='versiune'"),
            QStringLiteral("1"));
  EXPECT_EQ(Value("SELECT COUNT(*) AS v FROM asigurati.cas"), QStringLiteral("44"));
}

TEST_F(ServerTest, UpgradeOnAServerWaitsForTheUsersWordOnABackup) {
  UpgradeSchema(Admin());
  Run("UPDATE asigurati.setari SET setare='2.05' WHERE denumire='versiune'");
  const QString question =
      QStringLiteral(
          "Bazele de date de pe serverul 127.0.0.1:%1 trebuie actualizate de la versiunea 2.05 la "
          "versiunea %2.\n\nAre serverul o copie de siguranta facuta chiar acum? Continuati doar "
          "daca are.")
          .arg(Server().Port())
          .arg(QLatin1String(kSchemaVersion));
  AdminPrompter().Clear();
  UpgradeSchema(Admin());  // no answer queued: "Nu"
  EXPECT_EQ(AdminPrompter().Texts(), QStringList{question});
  EXPECT_EQ(Value("SELECT setare AS v FROM asigurati.setari WHERE denumire='versiune'"),
            QStringLiteral("2.05"));
  AdminPrompter().Clear();
  AdminPrompter().QueueAnswers({true});
  UpgradeSchema(Admin());
  EXPECT_EQ(AdminPrompter().Texts(), QStringList{question});
  EXPECT_EQ(Value("SELECT setare AS v FROM asigurati.setari WHERE denumire='versiune'"),
            QLatin1String(kSchemaVersion));
}

// What a workstation is told when the server cannot be used, for each reason.
TEST_F(ServerTest, StartFailuresNameTheReasonInPlainWords) {
  Run("CREATE USER IF NOT EXISTS 'cititor'@'127.0.0.1' IDENTIFIED BY 'secret'");
  Run("GRANT SELECT, INSERT, UPDATE, DELETE ON asigurati.* TO 'cititor'@'127.0.0.1'");
  Run("GRANT ALL ON concedii.* TO 'cititor'@'127.0.0.1'");
  Run("GRANT ALL ON velka_creare.* TO 'cititor'@'127.0.0.1'");
  struct Case {
    const char* name;
    QString settings;  // the [server] group's lines after host
    QString expected;
  };
  const QString port = QString::number(Server().Port());
  const Case cases[] = {
      {"closed port", "port=1\nuser=root\npassword=\"\"\n",
       "Serverul de baze de date 127.0.0.1:1 nu raspunde. Verificati ca este pornit, ca numele "
       "si portul din velka-asigurati.ini sunt corecte si ca reteaua functioneaza."},
      // Of another length than the right one: QSettings rereads a file it has read only when
      // its time or size changed.
      {"wrong password", "port=" + port + "\nuser=cititor\npassword=\"parola gresita\"\n",
       "Serverul de baze de date a refuzat utilizatorul cititor@127.0.0.1:" + port +
           ": parola este gresita sau utilizatorul nu are voie sa se conecteze de pe acest "
           "calculator."},
      {"missing privilege", "port=" + port + "\nuser=cititor\npassword=\"secret\"\n",
       "Utilizatorul programului nu are pe serverul de baze de date dreptul: CREATE pe "
       "asigurati, DROP pe asigurati, ALTER pe asigurati, INDEX pe asigurati."},
      {"no user", "port=" + port + "\n",
       "In fisierul de setari " + QDir::currentPath() +
           "/velka-asigurati.ini grupul [server] trebuie sa aiba host si user."},
      {"bad port", "port=abc\nuser=root\n",
       "In fisierul de setari " + QDir::currentPath() +
           "/velka-asigurati.ini portul \"abc\" nu este un numar de port."},
  };
  const QString home = QDir::currentPath();
  for (const Case& c : cases) {
    QFile file(home + QStringLiteral("/velka-asigurati.ini"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(("[server]\nhost=127.0.0.1\n" + c.settings).toUtf8());
    file.close();
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    ScriptedPrompter prompter;
    CClient client(&prompter);
    EXPECT_EQ(client.Connect(), 1) << c.name;
    ASSERT_TRUE(client.LastStartFailure()) << c.name;
    EXPECT_EQ(StartFailureText(*client.LastStartFailure()), c.expected) << c.name;
    EXPECT_FALSE(QFileInfo::exists(home + QStringLiteral("/data"))) << c.name;
  }
  Server().Workstation(QStringLiteral("admin"));  // the admin's own settings back
}

TEST_F(ServerTest, PasswordIsAskedWhenTheFileMayNotHoldIt) {
  Run("CREATE USER IF NOT EXISTS 'contabil'@'127.0.0.1' IDENTIFIED BY 'a,b\\\\c'");
  Run("GRANT ALL ON asigurati.* TO 'contabil'@'127.0.0.1'");
  Run("GRANT ALL ON concedii.* TO 'contabil'@'127.0.0.1'");
  Run("GRANT ALL ON velka_creare.* TO 'contabil'@'127.0.0.1'");
  const QString start = Server().Workstation(QStringLiteral("asks"), QStringLiteral("contabil"),
                                             QStringLiteral("a,b\\\\c"));
  const QString settings = start + QStringLiteral("/velka-asigurati.ini");
  const QString question = QStringLiteral("Parola pentru serverul de baze de date:");
  const QString home = QDir::currentPath();
  QDir::setCurrent(start);
  {  // owner-only file: its password is used, nothing asked
    ScriptedPrompter prompter;
    CClient client(&prompter);
    EXPECT_EQ(client.Connect(), 0);
    EXPECT_TRUE(prompter.Texts().isEmpty());
  }
  QFile::setPermissions(settings, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                      QFileDevice::ReadGroup | QFileDevice::ReadOther);
  {  // readable by others: asked; a cancel is a start failure
    ScriptedPrompter prompter;
    CClient client(&prompter);
    EXPECT_EQ(client.Connect(), 1);
    EXPECT_EQ(prompter.Texts(), QStringList{question});
    EXPECT_EQ(StartFailureText(*client.LastStartFailure()),
              QStringLiteral("Nu a fost data parola pentru serverul de baze de date."));
  }
  {
    ScriptedPrompter prompter;
    prompter.QueuePassword(QStringLiteral("a,b\\c"));
    CClient client(&prompter);
    EXPECT_EQ(client.Connect(), 0);
    EXPECT_EQ(prompter.Texts(), QStringList{question});
    EXPECT_TRUE(client.OnServer());
  }
  QDir::setCurrent(home);
}

}  // namespace

namespace {

// With ssl-ca the connection is encrypted and the server's certificate must be signed by
// that authority; the information window names the cipher.
TEST_F(ServerTest, AnEncryptedConnectionTrustsOnlyTheNamedAuthority) {
  const QString home = QDir::currentPath();
  struct Case {
    const char* name;
    QString authority;
    bool connects;
  };
  const Case cases[] = {
      {"the server's authority", Server().CertificateAuthority(), true},
      {"another authority", Server().OtherAuthority(), false},
  };
  for (const Case& c : cases) {
    QDir::setCurrent(
        Server().Workstation(QStringLiteral("tls"), QStringLiteral("root"), {}, c.authority));
    ScriptedPrompter prompter;
    CClient client(&prompter);
    EXPECT_EQ(client.Connect() == 0, c.connects)
        << c.name << " "
        << (client.LastStartFailure() ? StartFailureText(*client.LastStartFailure()) : QString())
               .toStdString();
    if (c.connects) {
      EXPECT_FALSE(client.Cipher().isEmpty()) << c.name;
      EXPECT_EQ(client.ServerName(), QStringLiteral("127.0.0.1:%1").arg(Server().Port()));
    } else {
      ASSERT_TRUE(client.LastStartFailure()) << c.name;
      EXPECT_EQ(client.LastStartFailure()->reason, StartFailure::Reason::ServerEncryption)
          << c.name;
    }
  }
  QDir::setCurrent(home);
  EXPECT_TRUE(Admin().Cipher().isEmpty());  // no ssl-ca: a plain connection
}

}  // namespace

namespace {

// The statements write table names in both cases: a server that keeps them apart is refused.
TEST_F(ServerTest, AServerKeepingTableNameCasesApartIsRefused) {
  MariadbServer caseSensitive(0);
  ASSERT_EQ(caseSensitive.Start(), QString());
  const QString home = QDir::currentPath();
  QDir::setCurrent(caseSensitive.Workstation(QStringLiteral("case")));
  ScriptedPrompter prompter;
  CClient client(&prompter);
  EXPECT_EQ(client.Connect(), 1);
  ASSERT_TRUE(client.LastStartFailure());
  EXPECT_EQ(StartFailureText(*client.LastStartFailure()),
            QStringLiteral("Serverul de baze de date are lower_case_table_names=0; programul are "
                           "nevoie de lower_case_table_names=1 in configurarea serverului."));
  QDir::setCurrent(home);
}  // the server is stopped by its process id here

}  // namespace

namespace {

// The step that repaired every table on the embedded register sends no REPAIR to a server.
TEST_F(ServerTest, UpgradeStepsSendNoRepairToAServer) {
  UpgradeSchema(Admin());
  Run("UPDATE asigurati.setari SET setare='1.4' WHERE denumire='versiune'");
  AdminPrompter().Clear();
  AdminPrompter().QueueAnswers({true});
  QStringList sent;
  UpgradeSchema(Admin(), [&sent](const QString& statement) { sent << statement; });
  EXPECT_TRUE(
      sent.contains(QStringLiteral("UPDATE asigurati.sume AS s SET "
                                   "s.asig_datorat=round(s.asig_datorat), "
                                   "s.asig_virat=round(s.asig_virat)")));
  for (const QString& statement : sent) {
    EXPECT_FALSE(statement.contains(QLatin1String("REPAIR"), Qt::CaseInsensitive))
        << statement.toStdString();
  }
}

// The grouped log flushes of bulk work belong to the embedded register: a server keeps its
// own settings and is sent nothing.
TEST_F(ServerTest, BulkWorkLeavesTheServersLogSettingsAlone) {
  Admin().KeepStatementLog(true);
  Admin().ClearStatementLog();
  {
    const GroupedFlushes flushes(Admin());
    EXPECT_FALSE(flushes.Active());
  }
  EXPECT_EQ(Admin().StatementLog(), QStringList());
  Admin().KeepStatementLog(false);
}

}  // namespace
