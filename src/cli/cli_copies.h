#pragma once

#include <QString>

class CClient;
class Console;

// `copie --folder DOSAR`: a copy of the open register into the folder. 0 written, 1 no copy
// (the reason said), 2 a folder that cannot be used.
[[nodiscard]] int RunCopy(CClient& client, Console& console, const QString& folder,
                          const QString& version);

struct RestoreRequest {
  QString file;             // the copy, absolute
  QString startFolder;      // the register's start-up folder
  bool startNamed = false;  // given with --date: it must exist
  bool progressLines = false;
};

// `restaureaza COPIE`: the register of the start-up folder (embedded, or on the server its
// settings file names) replaced by the copy. 0 restored, 1 the copy refused or the restore
// failed (nothing changed), 2 a register that cannot take it now (open in the window, a
// server that has one).
[[nodiscard]] int RunRestore(Console& console, const RestoreRequest& request,
                             const QString& version);
