#pragma once

#include <QString>
#include <QStringList>

// The program started with a command: no window, results on standard output, the exit code
// for scripts (0 done, 1 faults found or nothing written, 2 bad usage or no register).

// Whether the words after the program's name ask for a command rather than the window.
[[nodiscard]] bool IsCommandLine(int argc, char** argv);

// Runs the command; `version` is the program's version text, printed in the PDF footers.
[[nodiscard]] int RunCommandLine(int argc, char** argv, const QString& version);
