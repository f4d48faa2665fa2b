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
  // Whether `cf` passes the check of a fiscal code or CNP. One that does not is imported only
  // into a company already registered under it (see ImportCompanyRefusal).
  bool cfChecked = false;
};

// Reads the file into the list (one column per field, then "EROARE") and checks its fields
// and records. A refused file leaves the list empty.
[[nodiscard]] ImportFileResult ReadImportFile(const QString& path, ImportLayout layout,
                                              ListModel& list, const DbfProgress& progress = {});

// A file read whose company cannot be imported into: the message to show, and the list
// emptied as for a refused file. A fiscal code that fails the check is refused only when no
// company is registered under it (the company form would not register one); nothing when
// the file's company can be imported into.
[[nodiscard]] Refusal ImportCompanyRefusal(const ImportFileResult& read, bool registered,
                                           ListModel& list);

// The field texts of a list row, by column name.
[[nodiscard]] ImportFields RowFields(const ListModel& list, int row);

inline constexpr char kErrorColumn[] = "EROARE";
