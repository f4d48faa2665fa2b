#include "exchange/import/import_file.h"

#include <QFileInfo>

#include "store/list_model.h"

namespace {

// A refused file leaves nothing of itself on the list.
void Empty(ListModel& list) {
  list.DeleteAllRows();
  list.DeleteAllColumns();
}

ImportFileResult Refused(ListModel& list, const QString& message) {
  Empty(list);
  return {ImportFileResult::Outcome::kRefused, message, {}};
}

Refusal HeaderProblem(ImportLayout layout, const QStringList& names) {
  return layout == ImportLayout::kExternal ? ExternalHeaderProblem(names)
                                           : PreviousHeaderProblem(names);
}

// A file the reader cannot take gets the message of a wrong field count: from the user's
// side it is simply not a file of this layout.
QString UnreadableMessage(ImportLayout layout) {
  return HeaderProblem(layout, {}).value_or(QString());
}

}  // namespace

ImportFileResult ReadImportFile(const QString& path, ImportLayout layout, ListModel& list,
                                const DbfProgress& progress) {
  const QString suffix = QFileInfo(path).suffix();
  if (suffix != QLatin1String("dbf") && suffix != QLatin1String("DBF")) return {};
  DbfFile table;
  if (!table.ReadDbf(path, list, progress)) return Refused(list, UnreadableMessage(layout));
  if (const Refusal problem = HeaderProblem(layout, table.names)) return Refused(list, *problem);
  if (list.RowCount() == 0) return Refused(list, NoRecordsMessage());
  const QString cf = list.GetCellText(0, QStringLiteral("CF"));
  list.InsertColumn(list.ColumnCount(), QLatin1String(kErrorColumn));
  return {ImportFileResult::Outcome::kRead,
          {},
          ImportCompanyCode(cf),
          ImportFiscalCode(cf).has_value()};
}

Refusal ImportCompanyRefusal(const ImportFileResult& read, bool registered, ListModel& list) {
  if (read.cfChecked || registered) return std::nullopt;
  Empty(list);
  return BadFiscalCodeMessage();
}

ImportFields RowFields(const ListModel& list, int row) {
  ImportFields fields;
  for (int column = 0; column < list.ColumnCount(); ++column) {
    fields.insert(list.ColumnAt(column).name, list.Cell(row, column));
  }
  return fields;
}
