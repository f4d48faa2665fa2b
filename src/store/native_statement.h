#pragma once

#include <QByteArrayView>

struct st_mysql;

// Sends one statement through the server's C interface; true when the server took it. The
// caller reads or frees its rows. Runs on the database thread (see database_thread.h).
//
// Every statement of the program passes here. The program's own work between two
// statements (Qt's hashing of texts, in every QHash lookup) leaves the upper halves of the
// AVX registers in use, and the server, built for plain SSE, then pays for that on each of
// its vector instructions: an import ran about a third slower for it. They are cleared first.
[[nodiscard]] bool SendStatement(st_mysql* connection, QByteArrayView statement);
