#pragma once

#include <QString>
#include <vector>

// A register table as the client names it in its statements: "ASIGURATI" . "SOCIETATI".
struct TableName {
  QString database;
  QString table;
};

// One column of an audited write and the value it takes, as typed: the client quotes and
// escapes it.
struct Column {
  QString name;
  QString value;
};
using Columns = std::vector<Column>;
