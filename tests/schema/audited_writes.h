#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// The audited writes of the screens, one row in every table with every column a screen
// writes: company 13548146, employee 1800101221144 (record 1), dependant 2820404221147,
// month 200906, house CASAB, declaration 1, certificate 1.
struct AuditedWrite {
  const char* database;
  const char* table;
  QStringList columns;
  QStringList values;
};
const std::vector<AuditedWrite>& ScreenAuditedWrites();
