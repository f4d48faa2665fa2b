#pragma once

#include <QString>
#include <optional>

class CClient;

// The register a command works on, opened as the window opens it (the same embedded server,
// configuration and single-instance lock, or the MariaDB server its settings file names),
// with four differences: nothing is created (a folder without a register is refused), the
// window's clean-up of old installation files is not run, an older register is not upgraded
// (the window does that, with its questions), and no password is asked for.

// "${XDG_DATA_HOME:-~/.local/share}/velka-asigurati", the folder the run script starts in.
[[nodiscard]] QString DefaultStartFolder();

// The start-up folder for `--date` (relative to the current folder), or the default one.
[[nodiscard]] QString CommandStartFolder(const QString& option);

// Starts the server on the register of `startFolder` (which becomes the current folder).
// The message to show when it cannot be used: no register there, the window holds it, the
// server refused, or the register has another version.
[[nodiscard]] std::optional<QString> OpenRegister(CClient& client, const QString& startFolder);

// The embedded register of `startFolder` (which becomes the current folder), even when its
// settings file names a server; the same checks and messages as OpenRegister.
[[nodiscard]] std::optional<QString> OpenEmbeddedRegister(CClient& client,
                                                          const QString& startFolder);

// The server the current folder's settings file names, without any register check; the
// message when it cannot be reached.
[[nodiscard]] std::optional<QString> ConnectServer(CClient& client);
