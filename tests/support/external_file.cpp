#include "support/external_file.h"

#include "dbf/dbf_file.h"
#include "exchange/import/import_checks.h"
#include "store/list_model.h"

bool WriteExternalFile(const QString& path, const std::vector<QStringList>& records) {
  DbfFile table;
  ListModel list;
  for (const QString& name : ExternalFieldNames()) {
    const bool amount = name.startsWith(QLatin1String("AS")) ||
                        name.startsWith(QLatin1String("ANG_")) || name == u"SALARIU";
    table.AddField(name, amount ? QStringLiteral("N") : QStringLiteral("C"), amount ? 12 : 30);
    list.InsertColumn(list.ColumnCount(), name);
  }
  for (const QStringList& cells : records) list.AppendRowCells(cells);
  return table.WriteDbf(path, list);
}
