#pragma once

#include <QIODevice>

class QSaveFile;

// Opens a report file for a whole-file write. A symbolic link standing under the report's
// name is removed first, so the report replaces the link and never overwrites the file the
// link points to (QSaveFile alone writes through it).
[[nodiscard]] bool OpenWhole(QSaveFile& file, QIODevice::OpenMode mode = QIODevice::WriteOnly);

// Ends a file written through QSaveFile: the last buffered bytes are flushed and checked
// before the file takes its final name. QSaveFile::commit() alone lets a flush that fails
// inside its close (a full disk, a removed medium) pass unnoticed and renames the cut, often
// empty, file over the good one. On any failure the new file is dropped and whatever stood
// under the final name stays as it was.
[[nodiscard]] bool CommitWhole(QSaveFile& file);
