#include "cli/cli_history.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "cli/cli_console.h"
#include "cli/cli_texts.h"
#include "history/history_tables.h"
#include "store/record_history.h"

namespace {

QJsonValue JsonTime(const QString& time) {
  return time.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(time);
}

QString JsonLine(const QString& table, qint64 index, int number, const RecordHistory& history,
                 const RecordVersion& version) {
  QJsonObject values;
  for (qsizetype c = 0; c < history.columns.size(); ++c) {
    values.insert(history.columns[c], version.missing.contains(history.columns[c])
                                          ? QJsonValue(QJsonValue::Null)
                                          : QJsonValue(version.values.value(c)));
  }
  const QJsonObject line = {{"tabel", table},
                            {"index", index},
                            {"versiune", number},
                            {"fel", VersionKindText(version.kind)},
                            {"scrisa", JsonTime(version.writtenAt)},
                            {"inlocuita", JsonTime(version.endedAt)},
                            {"valori", values},
                            {"schimbate", QJsonArray::fromStringList(version.changed)}};
  return QString::fromUtf8(QJsonDocument(line).toJson(QJsonDocument::Compact));
}

void PrintVersion(Console& console, int number, const RecordHistory& history,
                  const RecordVersion& version) {
  QString head = QStringLiteral("Versiunea %1, %2, scrisa la %3")
                     .arg(number)
                     .arg(VersionKindText(version.kind), ShownTime(version.writtenAt));
  if (version.kind == RecordVersion::Kind::kReplaced) {
    head += QStringLiteral(", inlocuita la ") + ShownTime(version.endedAt);
  } else if (version.kind == RecordVersion::Kind::kDeleted) {
    head += QStringLiteral(", stearsa la ") + ShownTime(version.endedAt);
  }
  console.Result(head);
  for (qsizetype c = 0; c < history.columns.size(); ++c) {
    const QString& column = history.columns[c];
    const QString value =
        version.missing.contains(column) ? QStringLiteral("(lipsa)") : version.values.value(c);
    const QString mark =
        version.changed.contains(column) ? QStringLiteral("*") : QStringLiteral(" ");
    console.Result(QStringLiteral("  %1%2: %3").arg(mark, column, value));
  }
}

}  // namespace

int RunHistory(CClient& client, Console& console, const HistoryRequest& request) {
  const HistoryTable* table = FindHistoryTable(request.table);
  if (table == nullptr) {
    console.Error(cli_texts::BadHistoryTable(request.table));
    return 2;
  }
  const std::optional<RecordHistory> history =
      ReadRecordHistory(client, table->name, request.index);
  if (!history) return 2;
  if (history->versions.empty()) {
    console.Error(cli_texts::NoHistory(table->word, request.index));
    return 1;
  }
  int number = static_cast<int>(history->versions.size());
  for (const RecordVersion& version : history->versions) {
    if (request.json) {
      console.Result(JsonLine(table->word, request.index, number, *history, version));
    } else {
      PrintVersion(console, number, *history, version);
    }
    --number;
  }
  if (!request.json) {
    console.Result(QStringLiteral("* camp schimbat fata de versiunea scrisa inainte"));
  }
  return 0;
}
