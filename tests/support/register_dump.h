#pragma once

#include <QStringList>

class CClient;

// Every table of the register's two databases as text, independent of the program's copies:
// each table's columns (name, type, nullability, default), its next automatic number, and
// its rows sorted, every cell as the hexadecimal of the bytes the server sends for it (times
// in UTC, NULL as N). Two registers with equal dumps hold the same rows byte for byte,
// whatever engine stores them. An empty list when a query failed.
[[nodiscard]] QStringList DumpRegister(CClient& client);
