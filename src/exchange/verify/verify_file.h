#pragma once

#include <QRgb>
#include <QString>

#include "dbf/dbf_file.h"
#include "exchange/verify/verify_checks.h"

class ListModel;

// Reading a reporting file for checking and showing what the check found, on a list without
// any window, so that the screen and other callers do it alike.

// Only the extensions "dbf" and "DBF" are checked; any other file is passed over in silence.
[[nodiscard]] bool IsVerifiableName(const QString& path);

// Replaces the list's content with the file's records and gives the file's field names. A
// file that cannot be read gives no names and leaves the list empty: its rows read so far
// are not the file's content. The file is only read.
[[nodiscard]] QStringList ReadVerifiedFile(const QString& path, ListModel& list,
                                           const DbfProgress& progress = {});

// Marks the list as the report says: the rows removed without a mark leave it, every row
// shows the declaration's heading, "EROARE" is appended when the records were checked, and
// each faulty row turns red with its rule's text.
void ShowVerifyReport(const VerifyReport& report, ListModel& list);

inline constexpr QRgb kFaultyRowColor = qRgb(255, 0, 0);
