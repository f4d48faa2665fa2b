#include "support/test_server.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "store/schema/schema.h"

namespace {
TestServer* instance = nullptr;
QTemporaryDir* folder = nullptr;
}  // namespace

TestServer& TestServer::Instance() {
  if (instance == nullptr) instance = new TestServer();
  return *instance;
}

TestServer::TestServer() {
  folder = new QTemporaryDir(QDir::tempPath() + QStringLiteral("/velka-test-XXXXXX"));
  folder_ = folder->path();
  QDir::setCurrent(folder_);
  if (client_.Connect(QStringLiteral("127.0.0.1"), 700, {}, {}, 0) != 0) {
    ADD_FAILURE() << "the embedded server did not start in " << folder_.toStdString();
  }
}

TestServer::~TestServer() = default;

void TestServer::Run(const QString& sql) {
  prompter_.Clear();
  if (client_.Execute(sql) != 0) {
    ADD_FAILURE() << "statement failed: " << sql.toStdString() << "\n"
                  << prompter_.LastText().toStdString();
  }
}

void TestServer::ResetDatabases(const QStringList& databases) {
  for (const QString& database : databases) {
    Run(QStringLiteral("DROP DATABASE IF EXISTS ") + database);
    Run(QStringLiteral("CREATE DATABASE ") + database);
  }
  prompter_.Clear();
}

void TestServer::Shutdown() {
  if (instance != nullptr) {
    instance->client_.Disconnect();
    delete instance;
    instance = nullptr;
  }
  // The folder goes only after the server has stopped writing into it.
  delete folder;
  folder = nullptr;
}

void TestServer::UpgradeOnce() {
  static const bool upgraded = [this] {
    UpgradeSchema(client_);
    return true;
  }();
  static_cast<void>(upgraded);
}
