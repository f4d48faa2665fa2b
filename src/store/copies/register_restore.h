#pragma once

#include <QString>
#include <functional>
#include <variant>

#include "store/copies/copy_format.h"

class CClient;

// A restore replaces the register whole or not at all. The copy is read through once and
// checked before anything changes; then it is loaded into a new register, whose row counts
// are compared with the copy's header; only then does the new register take the place of
// the current one.

enum class RestorePhase { kChecking, kLoading };

struct RestoreHooks {
  // The phase and how far it has come, 0 to 1.
  std::function<void(RestorePhase, double)> progress;
  // Asked between statements: true stops the restore, which then changes nothing.
  std::function<bool()> stop;
  // Told each step as it is done ("statement", "server-ended", "swapped", ...): the tests
  // end the process there to show that every moment leaves one register whole.
  std::function<void(const QString& step)> observer;
  // Runs the embedded server's start (which sets the process's signal handlers back to
  // their defaults), for a command that keeps its own; nothing: the start runs as it is.
  std::function<void(const std::function<void()>&)> aroundServerStart;
};

struct Restored {
  CopyHeader header;
  // Where the register that was replaced is kept; empty when there was none.
  QString keptFolder;
};

struct RestoreFailure {
  bool usage = false;  // the register or the server cannot take a restore (not a fault)
  QString text;
};

// The embedded register of `startFolder` replaced by the copy. The process must not have
// started its embedded server: the copy is loaded by the one start it has, on a new data
// folder staged in the safety copies folder beside the data folder, with the log flushed
// once a second; the server is ended (every table written out), the new folder's files
// are written to the disk, and then the two folders change places in one rename
// (RENAME_EXCHANGE). The register that was replaced is kept in
// copii/registru-inlocuit_AAAA-LL-ZZ_HHMMSS. The data folder's lock is held from the start,
// so neither the window nor a command opens the register meanwhile; a restore cut short
// leaves the register it found, or (after the exchange) the new one, and the next restore
// clears or keeps what it left. A folder without a register gets one.
[[nodiscard]] std::variant<Restored, RestoreFailure> RestoreEmbedded(const QString& copy,
                                                                     const QString& startFolder,
                                                                     const RestoreHooks& hooks);

// A MariaDB server without a register given the copy's: staged in velka_creare, the counts
// compared, then renamed into asigurati and concedii in one statement. A server that holds
// a register is refused (usage); what an interrupted move or restore left is removed first.
[[nodiscard]] std::variant<Restored, RestoreFailure> RestoreOnServer(CClient& server,
                                                                     const QString& copy,
                                                                     const RestoreHooks& hooks);

// The file beside the replaced register's files that says where it came from, and the
// folder name prefix of a register kept after a restore.
inline constexpr char kRestoreNote[] = "RESTAURAT.txt";
inline constexpr char kReplacedPrefix[] = "registru-inlocuit_";
