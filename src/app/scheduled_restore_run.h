#pragma once

#include <QString>

class Prompter;

// Before the window opens the register: a restore asked for in the Registru panel is done by
// the program's own restaureaza command (a process of its own, whose embedded server starts
// on the new register), with a progress window, and its outcome is told. The request is
// removed either way: a restore that failed changed nothing, and the window opens on the
// register as it was. `program` is the program's executable.
void RunScheduledRestore(Prompter& prompter, const QString& program, const QString& startDirectory);

// Starts the program once more in the same folder (after a restore was asked for); false
// when it could not be started.
bool RestartProgram();
