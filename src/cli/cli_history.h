#pragma once

#include <QString>

class CClient;
class Console;

// "istoric": the versions of one register row, newest first, as the history window shows
// them: each with the time it was written and the fields it changed.
struct HistoryRequest {
  QString table;  // the table's name, as FindHistoryTable knows it
  qint64 index = 0;
  bool json = false;
};

// Each version as a block of lines, or one JSON line each. The exit code: 0 when the row has
// a history, 1 when the table never had a row with that index, 2 when the register could
// not be read.
[[nodiscard]] int RunHistory(CClient& client, Console& console, const HistoryRequest& request);
