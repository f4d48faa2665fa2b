#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

// The checksum the record of written files keeps for a dBase table: SHA-256 of its bytes,
// in hexadecimal, with the header's date of last update (bytes 1 to 3) left out. That date
// is only the day the file was written, so a file written again on another day with the
// same records has the same checksum, and one record changed gives another.
[[nodiscard]] QString DbfChecksum(QByteArrayView bytes);

// The checksum of the file at `path`; nothing when it cannot be read.
[[nodiscard]] std::optional<QString> DbfFileChecksum(const QString& path);
