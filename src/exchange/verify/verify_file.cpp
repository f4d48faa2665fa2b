#include "exchange/verify/verify_file.h"

#include <QFileInfo>
#include <algorithm>
#include <utility>

#include "store/list_model.h"

namespace {

// Wide enough for the longest rule text, so that the reason shows without widening.
constexpr int kErrorWidth = 520;

// The row a record as read has once the removed rows left the list.
int ShownRow(int row, const std::vector<int>& removed) {
  return row -
         static_cast<int>(std::lower_bound(removed.begin(), removed.end(), row) - removed.begin());
}

void ShowHeading(const DeclarationHeading& heading, ListModel& list) {
  const std::pair<const char*, const QString*> cells[] = {
      {"LN", &heading.ln}, {"AN", &heading.an}, {"CUI", &heading.cui}, {"TIPD", &heading.tipd}};
  for (const auto& [name, text] : cells) {
    const int column = list.FindColumn(QLatin1String(name));
    for (int row = 0; row < list.RowCount(); ++row) list.SetCell(row, column, *text);
  }
}

}  // namespace

bool IsVerifiableName(const QString& path) {
  const QString suffix = QFileInfo(path).suffix();
  return suffix == QLatin1String("dbf") || suffix == QLatin1String("DBF");
}

QStringList ReadVerifiedFile(const QString& path, ListModel& list, const DbfProgress& progress) {
  DbfFile table;
  if (table.ReadDbf(path, list, progress)) return table.names;
  list.DeleteAllRows();
  list.DeleteAllColumns();
  return {};
}

void ShowVerifyReport(const VerifyReport& report, ListModel& list) {
  list.RemoveRows(report.removed);
  if (report.heading) ShowHeading(*report.heading, list);
  if (!report.recordsChecked) return;
  const int error =
      list.InsertColumn(list.ColumnCount(), kVerifyErrorColumn, QStringLiteral("C"), kErrorWidth);
  for (const VerifyFault& fault : report.faults) {
    const int row = ShownRow(fault.row, report.removed);
    list.SetCell(row, error, fault.text);
    list.SetRowColor(row, kFaultyRowColor);
  }
}
