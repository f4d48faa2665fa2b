#pragma once

#include <QString>

#include "common/check_result.h"

class CClient;
class CollectingPrompter;
class Console;

// "importa": the records of an external-source file or of an anexa 1A reported earlier,
// through the import screens' own file checks and record steps, for a company that is
// already in the register (its fields are the register's; nothing is asked).
struct ImportRequest {
  QString file;
  bool previous = false;  // an anexa 1A; else the external source
  QString cas;            // the house of an anexa 1A's insured persons
};

// The command on an open register; the process's exit code: 0 when every record was
// stored with its amounts, 1 when records were rejected or stored without their amounts or
// the file's company is not registered, 2 when the file cannot be read as an import file.
[[nodiscard]] int RunImport(CClient& client, CollectingPrompter& prompter, Console& console,
                            const ImportRequest& request);

// The house given for an anexa 1A, checked before the register is opened; the message
// naming it when it is not a house of the register's list.
[[nodiscard]] Refusal ImportHouseProblem(const ImportRequest& request);
