#pragma once

#include <QString>
#include <optional>

// A restore asked for in the window: the window's own embedded server cannot start a second
// time in its process, so the copy is named in a file of the start-up folder and restored by
// the restaureaza command before the window opens the register at its next start.

inline constexpr char kScheduledRestoreFile[] = "restaurare-programata.txt";

// Names the copy; false when the file could not be written.
[[nodiscard]] bool ScheduleRestore(const QString& startDirectory, const QString& copy);
// The copy a restore was asked for, if any.
[[nodiscard]] std::optional<QString> ScheduledRestore(const QString& startDirectory);
void ClearScheduledRestore(const QString& startDirectory);
