#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// The statements the screens send, as they build them, with plausible values in place of
// the typed or selected ones: company 13548146, employee 1800101221144 (record 1),
// dependant 2820404221147, month 200906, house CASAB, declaration 1, certificate 1.
struct ScreenStatement {
  const char* screen;
  QString sql;
};
const std::vector<ScreenStatement>& ScreenStatements();

// The audited writes of the screens: table and the columns each writes.
struct AuditedWrite {
  const char* database;
  const char* table;
  QStringList columns;
  QStringList values;
};
const std::vector<AuditedWrite>& ScreenAuditedWrites();
