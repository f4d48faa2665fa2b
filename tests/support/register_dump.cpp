#include "support/register_dump.h"

#include <algorithm>

#include "store/c_client.h"

namespace {

bool Query(CClient& client, const QString& sql) { return client.ExecuteQuiet(sql, 1) == 0; }

}  // namespace

QStringList DumpRegister(CClient& client) {
  if (client.ExecuteQuiet(QStringLiteral("SET SESSION time_zone='+00:00'")) != 0 ||
      !Query(client, QStringLiteral("SELECT t.table_schema AS d, t.table_name AS t, "
                                    "t.auto_increment AS a FROM information_schema.tables AS t "
                                    "WHERE t.table_schema IN ('asigurati', 'concedii') ORDER BY "
                                    "t.table_schema, t.table_name"))) {
    return {};
  }
  struct Table {
    QString name;
    QString next;
  };
  std::vector<Table> tables;
  for (int row = 0; row < client.RowCount(); ++row) {
    tables.push_back({client.GetField(row, QStringLiteral("D")) + u'.' +
                          client.GetField(row, QStringLiteral("T")),
                      client.GetField(row, QStringLiteral("A"))});
  }
  QStringList dump;
  for (const Table& table : tables) {
    dump << QStringLiteral("TABLE %1 next=%2").arg(table.name, table.next);
    if (!Query(client, QStringLiteral("SELECT c.column_name AS n, c.column_type AS t, "
                                      "c.is_nullable AS u, IFNULL(c.column_default, 'N') AS d "
                                      "FROM information_schema.columns AS c WHERE "
                                      "c.table_schema='%1' AND c.table_name='%2' ORDER BY "
                                      "c.ordinal_position")
                           .arg(table.name.section(u'.', 0, 0), table.name.section(u'.', 1)))) {
      return {};
    }
    QStringList cells;
    for (int row = 0; row < client.RowCount(); ++row) {
      const QString column = client.GetField(row, QStringLiteral("N"));
      dump << QStringLiteral("COLUMN %1 %2 null=%3 default=%4")
                  .arg(column, client.GetField(row, QStringLiteral("T")),
                       client.GetField(row, QStringLiteral("U")),
                       client.GetField(row, QStringLiteral("D")));
      cells << QStringLiteral("IFNULL(HEX(CAST(`%1` AS CHAR)), 'N')").arg(column);
    }
    if (!Query(client, QStringLiteral("SELECT CONCAT_WS('|', %1) AS r FROM %2")
                           .arg(cells.join(QStringLiteral(", ")), table.name))) {
      return {};
    }
    QStringList rows;
    for (int row = 0; row < client.RowCount(); ++row) {
      rows << QStringLiteral("ROW ") + client.GetField(row, QStringLiteral("R"));
    }
    rows.sort();
    dump << rows;
  }
  return dump;
}
