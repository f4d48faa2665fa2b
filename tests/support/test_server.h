#pragma once

#include <QString>

#include "store/c_client.h"
#include "support/scripted_prompter.h"

// The one embedded server of a test program, started on first use in a fresh temporary
// folder (the process's current directory from then on) and stopped by the test main.
class TestServer {
 public:
  static TestServer& Instance();

  CClient& Client() { return client_; }
  ScriptedPrompter& Prompter() { return prompter_; }
  const QString& Folder() const { return folder_; }

  // Runs a statement that must succeed (test set-up); fails the test otherwise.
  void Run(const QString& sql);
  // Brings the register to the current version, once per test program: for the tests of
  // screens that read it as soon as they open.
  void UpgradeOnce();
  // Drops and recreates the given databases empty.
  void ResetDatabases(const QStringList& databases);

  static void Shutdown();

 private:
  TestServer();
  ~TestServer();

  QString folder_;
  ScriptedPrompter prompter_;
  CClient client_{&prompter_};
};
