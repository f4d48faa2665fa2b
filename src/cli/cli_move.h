#pragma once

#include <QString>

class Console;

// Moves the embedded register of the start-up folder onto the MariaDB server its settings
// file names: the server's register is created as a workstation's first start creates it,
// then every table is copied and the row counts compared. A server that already holds a
// register is refused. 0 moved, 1 the copy failed, 2 a register or a server that cannot be
// used.
int RunMove(Console& console, const QString& startFolder, const QString& version);
