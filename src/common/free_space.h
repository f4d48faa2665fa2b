#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// Room on the disks that long work writes to (the data folder, the folder of the files): the
// work checks before it starts and between companies or batches, and stops with the room it
// needs and the room left, rather than wait silently on a full disk (the database server
// waits for space inside the statement that found none) or leave half its work behind.

// What every piece of work keeps free at least: a company's files, a batch of records, the
// server's logs and temporary tables.
inline constexpr qint64 kWorkingRoom = 32LL * 1024 * 1024;

struct SpaceShortage {
  QString folder;
  qint64 needed = 0;
  qint64 available = 0;
};

// The first folder whose disk has less than `needed` bytes free; nothing when each has room,
// or when a disk does not say (an empty name is passed over).
[[nodiscard]] std::optional<SpaceShortage> FindSpaceShortage(const QStringList& folders,
                                                             qint64 needed = kWorkingRoom);

// "Pe discul dosarului "/x" mai sunt liberi 12 MB, iar lucrarea are nevoie de cel putin 32 MB.
// ..."
[[nodiscard]] QString SpaceShortageText(const SpaceShortage& shortage);
