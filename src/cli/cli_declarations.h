#pragma once

#include <QString>
#include <QStringList>

class CClient;
class CollectingPrompter;
class Console;

// "declaratii": the A1 and A2 files of each company's declaration in force for a month (the
// initial one or its last rectification), written by the declarations panel's own save, and
// with --pdf the printed declaration as the panel saves it.
struct DeclarationsRequest {
  int month = 0;  // 200906
  QStringList cfs;
  bool pdf = false;
  bool simulate = false;
  QString folder;
};

// The command on an open register; the process's exit code.
[[nodiscard]] int RunDeclarations(CClient& client, CollectingPrompter& prompter, Console& console,
                                  const DeclarationsRequest& request);
