#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>

#include "mariadb_server.h"
#include "store/c_client.h"
#include "support/scripted_prompter.h"

// The test program's one MariaDB server, started before the first test and stopped by its
// process id after the last; the register's databases are dropped before each test.
class ServerTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite();
  void SetUp() override;

 public:
  // After the last test: the connection closed, the server stopped by its process id.
  static void StopServer();

 protected:
  static MariadbServer& Server() { return *server_; }
  // The test's own connection, as root.
  static CClient& Admin() { return *admin_; }
  static ScriptedPrompter& AdminPrompter() { return prompter_; }
  static void Run(const QString& sql);
  // Column V of the first row.
  static QString Value(const QString& sql);

  // A workstation process of the helper, started (not waited for).
  static std::unique_ptr<QProcess> StartWorkstation(const QStringList& arguments);
  // Waits for it; its standard output.
  static QString Finish(QProcess& process, int& exitCode);
  // Two workstations of `mode` started together, meeting at a barrier file given before
  // `numbers`; their outputs, once each is checked to have ended with 0.
  static QStringList RunTogether(const QString& mode, const QStringList& numbers);

 private:
  static inline MariadbServer* server_ = nullptr;
  static inline ScriptedPrompter prompter_;
  static inline CClient* admin_ = nullptr;
};
