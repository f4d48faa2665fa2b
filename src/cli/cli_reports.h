#pragma once

#include <QString>
#include <QStringList>

#include "health/annexes/annex_naming.h"

class CClient;
class CollectingPrompter;
class Console;

// "rapoarte": the anexa 1A, 1B and 1C files of each company and house of a month, written
// by the report wizard's own save, and with --pdf the printed lists 2a, 2b, 2c.
struct ReportsRequest {
  int month = 0;  // 200906
  QStringList cfs;
  NamingForm naming = NamingForm::kByHouse;
  bool pdf = false;
  bool simulate = false;
  QString folder;
};

// The command on an open register; the process's exit code.
[[nodiscard]] int RunReports(CClient& client, CollectingPrompter& prompter, Console& console,
                             const ReportsRequest& request);
