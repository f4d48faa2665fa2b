#pragma once

#include <QString>
#include <QStringList>

class Console;

// "verifica": the verification screen's checks on files named on the command line. Needs
// no register: no database server is started and no lock is taken.
struct VerifyRequest {
  QString annex;  // A, B, C (health annexes 1A, 1B, 1C), 1 or 2 (declaration files A1, A2)
  QStringList files;
  bool json = false;
};

// Each faulty record on one line (file, record number, the rule's text), then each file's
// summary as the screen ends with it. The exit code: 0 when every file passed, 1 when a
// file has faults or is not a file of its kind, 2 when a file is missing or not a .dbf.
[[nodiscard]] int RunVerify(Console& console, const VerifyRequest& request);
