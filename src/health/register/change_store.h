#pragma once

#include <optional>

#include "health/register/insured_record.h"

class CClient;

// A change of employment form or house as written: the old record's new IESIRE and the
// entry record with its new INDEX.
struct ChangedRecord {
  int exitDate = 0;
  InsuredRecord entry;
};

// Closes the record `oldIndex` on `exitDate` and opens `entry` (its INDEX is ignored), both
// audited writes. When the entry cannot be written the old record is made active again, so
// the person is never left without an active record; only if that undo fails as well does
// the closed record remain (both failures were shown by the client). Nothing on failure.
[[nodiscard]] std::optional<ChangedRecord> WriteChange(CClient& client, int oldIndex, int exitDate,
                                                       const InsuredRecord& entry);
