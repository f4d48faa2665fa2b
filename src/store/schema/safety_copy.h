#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// Copies of table files taken before the program rewrites them (a repair that rebuilds a
// table, an upgrade step), kept in dated folders beside the data folder: inside it, the
// server would take such a folder for a database.

// "<folder holding the data folder>/copii".
QString SafetyCopiesFolder(const QString& dataDir);

// Copies the files of the tables ("database.table") into a new dated folder, e.g.
// copii/2026-12-07_0915/asigurati/societati.MAD, and keeps the five newest folders. The
// files must be quiet: the server not started, or the tables flushed and locked. The folder
// appears only once every file is in it. Returns the folder, or nothing when it could not
// be written.
[[nodiscard]] std::optional<QString> MakeSafetyCopy(const QString& dataDir,
                                                    const QStringList& tables);

// What to tell the user about a copy: where it is and how to put it back.
QString SafetyCopyAdvice(const QString& copyFolder, const QString& dataDir);

// Before the server starts: a table whose data file is missing while its rebuilt data file
// (.TMD) is there was cut short between the server's removal of the old file and the
// renaming of the new one. Its files are put back from the newest copy that holds them
// (the next check then repairs it again, with its report); without a copy the rebuilt
// file takes the old one's place. A leftover .TMD beside its data file is removed.
// Returns false when a file could not be put back.
[[nodiscard]] bool RecoverInterruptedRebuilds(const QString& dataDir);
