#pragma once

#include <QString>

#include "dbf/dbf_file.h"
#include "exchange/import/import_checks.h"

class ListModel;

enum class ImportLayout { kExternal, kPrevious };

// What opening an import file came to. `message` is the text to show when the file is
// refused; an ignored file (an extension other than "dbf" or "DBF") is dropped silently.
struct ImportFileResult {
  enum class Outcome { kIgnored, kRefused, kRead };
  Outcome outcome = Outcome::kIgnored;
  QString message;
  QString cf;  // the company's fiscal code from the first record, once read
};

// Reads the file into the list (one column per field, then "EROARE") and checks its fields,
// records and fiscal code. A refused file leaves the list empty.
[[nodiscard]] ImportFileResult ReadImportFile(const QString& path, ImportLayout layout,
                                              ListModel& list, const DbfProgress& progress = {});

// The field texts of a list row, by column name.
[[nodiscard]] ImportFields RowFields(const ListModel& list, int row);

inline constexpr char kErrorColumn[] = "EROARE";
