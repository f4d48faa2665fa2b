#pragma once

#include <QString>
#include <functional>
#include <optional>

#include "history/history_tables.h"

class CClient;
class CListViewEx;
class Prompter;
class QWidget;

// What a list of register records tells the history keys about itself.
struct RecordListSource {
  const HistoryTable* table = nullptr;
  // The record behind a row of the list: its `index`; nothing when the row has none yet (an
  // employee without amounts in the month) or a query failed (shown).
  std::function<std::optional<qint64>(int row)> index;
  // Which deleted rows the list's deleted-records window shows (SQL on the audit copy, as z;
  // empty: all), read when the window opens.
  std::function<QString()> deletedCondition;
  // After a restore or a recovery: the list shows the register afresh.
  std::function<void()> changed;
};

// Gives the list its history keys: kHistoryKey opens the selected record's history window,
// kDeletedRecordsKey the window of the table's deleted records.
void AttachRecordHistory(CListViewEx& list, QWidget& parent, CClient& client, Prompter& prompter,
                         RecordListSource source);

// The record index of a row read from one of the list's columns ("INDEX").
[[nodiscard]] std::function<std::optional<qint64>(int)> IndexColumn(const CListViewEx& list,
                                                                    const QString& column);
