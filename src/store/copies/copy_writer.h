#pragma once

#include <QString>
#include <functional>
#include <variant>

#include "store/copies/copy_format.h"

class CClient;

struct TakenCopy {
  QString file;  // the copy's path
  CopyHeader header;
};

// "Copia registrului a fost scrisa in FILE: N tabele, M randuri."
[[nodiscard]] QString TakenCopyText(const TakenCopy& copy);

// Told now and then while the rows are written: rows written, rows of the whole copy.
using CopyProgress = std::function<void(qint64 done, qint64 total)>;
// Asked between pieces of rows: true stops the copy, which then leaves no file.
using CopyStop = std::function<bool()>;

// Writes a copy of the register the client works on into `folder`, named by the time it is
// taken, whole or not at all: the same time's copy already there is replaced only by a
// whole one. The rows are read as one consistent picture: on a server in one transaction
// with a consistent snapshot, on the embedded register under the server's read lock, so no
// write runs while the copy is taken. `program` is the program's name and version for the
// header. The copy, or why there is none.
[[nodiscard]] std::variant<TakenCopy, QString> TakeCopy(CClient& client, const QString& folder,
                                                        const QString& program,
                                                        const CopyProgress& progress = {},
                                                        const CopyStop& stop = {});
