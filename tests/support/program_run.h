#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// The built program run with a command, as a script runs it, and waited for.
struct ProgramRun {
  int code = -1;  // -1 when it crashed or did not end within two minutes
  QString out;
  QString err;
};

// The per-user folder is pointed at `home`: no run may find a register by default.
QProcessEnvironment ProgramEnvironment(const QString& home);

ProgramRun RunProgram(const QString& program, const QStringList& arguments, const QString& home);
