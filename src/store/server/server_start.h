#pragma once

#include <QString>
#include <memory>
#include <optional>

class QLockFile;

// Why the database could not be opened, in words the user can act on.
struct StartFailure {
  enum class Reason {
    SecondInstance,
    // The folder was moved (or copied) after the program stopped without closing its tables:
    // the engine's recovery names tables by their old place and would pass them over.
    MovedAfterUncleanStop,
    DamagedConfig,
    NoRoom,  // a first start on a disk without room for a new register; the detail says so
    FolderNotWritable,
    ServerRefused,
    // A server on the network, named by the settings file.
    ServerSettings,
    NoPassword,
    ServerUnreachable,
    ServerUserRefused,
    ServerEncryption,
    ServerLowerCase,
    ServerMissingPrivilege,
    ServerAnswered,  // any other refusal, in the server's own words
  };
  Reason reason;
  QString detail;  // the line, the path or the server's own lines
};

// The text shown under "Nu se pot initializa bazele de date!".
QString StartFailureText(const StartFailure& failure);

// Everything the embedded server's start needs before mysql_server_init, in the start-up
// directory: the configuration written or set on the folder it stands in and read by the
// program itself, the folders writable, this program alone on the data folder (the lock is
// kept in `lock`) and tables cut short during a rebuild put back. On success `dataDir` is
// the data folder.
[[nodiscard]] std::optional<StartFailure> PrepareEmbeddedStart(const QString& startDirectory,
                                                               std::unique_ptr<QLockFile>& lock,
                                                               QString& dataDir);

// The folder of the server's temporary tables, "<data folder>.tmp": this program's alone, as
// the data folder is. A server empties its temporary folder when it starts, so in a folder
// shared with another program's server (the system's temporary folder) a second program
// starting would delete the tables of a query under way, and the first one's server would fall.
QString ServerTempFolder(const QString& dataDir);

// The lock that keeps one program on a data folder, "<data folder>.lock": taken at once or
// not at all; one left by a killed program is taken over.
[[nodiscard]] bool TakeDataLock(const QString& dataDir, std::unique_ptr<QLockFile>& lock);

// Marks where the server's log ends before a start, so that a failed start can report the
// lines it added.
qint64 ServerLogSize(const QString& dataDir);
// `printed`: what the server wrote on standard error before its log was open.
StartFailure ServerRefused(const QString& dataDir, qint64 logSizeBefore, const QString& printed);

// Keeps what the server prints on standard error while it starts: a start refused before
// its log is open says why only there. On a refused start Refused() gives the text back and
// passes it on to the real standard error; on a start that went well the server's own
// redirection into its log stays as it is.
class StartErrors {
 public:
  StartErrors();
  ~StartErrors();
  StartErrors(const StartErrors&) = delete;
  StartErrors& operator=(const StartErrors&) = delete;

  QString Refused();
  void Started();

 private:
  void Restore();

  int savedError_ = -1;
  int captured_ = -1;
};
