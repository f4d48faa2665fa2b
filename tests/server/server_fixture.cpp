#include "server_fixture.h"

#include "shared_barrier.h"

#include <sys/prctl.h>

#include <csignal>

#include <QFile>

void ServerTest::SetUpTestSuite() {
  if (server_ != nullptr || !MariadbServer::Installed()) return;
  server_ = new MariadbServer();
  const QString failed = server_->Start();
  ASSERT_TRUE(failed.isEmpty()) << failed.toStdString();
  QDir::setCurrent(server_->Workstation(QStringLiteral("admin")));
  admin_ = new CClient(&prompter_);
  ASSERT_EQ(admin_->Connect(), 0) << (admin_->LastStartFailure()
                                          ? StartFailureText(*admin_->LastStartFailure())
                                          : QString())
                                         .toStdString();
}

void ServerTest::StopServer() {
  if (admin_ != nullptr) admin_->Disconnect();
  delete admin_;
  admin_ = nullptr;
  delete server_;  // stops it
  server_ = nullptr;
}

void ServerTest::SetUp() {
  if (!MariadbServer::Installed())
    GTEST_SKIP() << "mariadbd is not installed (mariadb-server-core)";
  ASSERT_NE(admin_, nullptr);
  for (const char* database : {"asigurati", "concedii", "velka_creare"}) {
    Run(QStringLiteral("DROP DATABASE IF EXISTS ") + QLatin1String(database));
  }
  prompter_.Clear();
}

void ServerTest::Run(const QString& sql) {
  prompter_.Clear();
  EXPECT_EQ(admin_->Execute(sql), 0) << sql.toStdString() << "\n"
                                     << prompter_.LastText().toStdString();
}

QString ServerTest::Value(const QString& sql) {
  EXPECT_EQ(admin_->Execute(sql, 1), 0) << sql.toStdString();
  return admin_->GetField(0, QStringLiteral("V"));
}

std::unique_ptr<QProcess> ServerTest::StartWorkstation(const QStringList& arguments) {
  // Its standard error goes to a file, read back only after a failure: a pipe nobody reads
  // would stop the process once full.
  auto process = std::make_unique<QProcess>();
  static int started = 0;
  process->setProperty("number", ++started);
  // Gone with the test program, should it die first.
  process->setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
  process->setStandardErrorFile(server_->Folder() +
                                QStringLiteral("/workstation-%1.err").arg(started));
  process->start(QStringLiteral(WORKSTATION_HELPER), arguments);
  return process;
}

QString ServerTest::Finish(QProcess& process, int& exitCode) {
  process.waitForFinished(120000);
  exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  QString output = QString::fromUtf8(process.readAllStandardOutput());
  if (exitCode != 0) {
    QFile errors(server_->Folder() +
                 QStringLiteral("/workstation-%1.err").arg(process.property("number").toInt()));
    if (errors.open(QIODevice::ReadOnly)) output += QString::fromUtf8(errors.readAll().right(4000));
  }
  return output;
}

QStringList ServerTest::RunTogether(const QString& mode, const QStringList& numbers) {
  const QString barrierFile = server_->Folder() + QStringLiteral("/barrier");
  const SharedBarrier barrier(barrierFile, 2);
  EXPECT_TRUE(barrier.Valid());
  std::unique_ptr<QProcess> processes[2];
  for (int n = 0; n < 2; ++n) {
    processes[n] = StartWorkstation(
        QStringList{mode, server_->Workstation(QStringLiteral("w%1").arg(n + 1)), barrierFile} +
        numbers);
  }
  QStringList outputs;
  for (auto& process : processes) {
    int exitCode = 0;
    outputs.append(Finish(*process, exitCode));
    EXPECT_EQ(exitCode, 0) << outputs.last().toStdString();
  }
  return outputs;
}

namespace {

// One server serves every suite of the program.
class StopServerAtEnd : public ::testing::Environment {
 public:
  void TearDown() override { ServerTest::StopServer(); }
};

[[maybe_unused]] const ::testing::Environment* const stopAtEnd =
    ::testing::AddGlobalTestEnvironment(new StopServerAtEnd);

}  // namespace
