#include "store/field_table.h"

#include <algorithm>

#include "store/schema/schema_tables.h"

int FieldLength(const char* database, const char* table, const char* column, int limit) {
  const std::optional<int> width =
      TextColumnWidth(QLatin1String(database), QLatin1String(table), QLatin1String(column));
  if (!width) return limit;
  return limit > 0 ? std::min(limit, *width) : *width;
}
