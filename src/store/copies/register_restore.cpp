#include "store/copies/register_restore.h"

#include <fcntl.h>
#include <mysql.h>
#include <unistd.h>

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <utility>

#include "common/free_space.h"
#include "store/c_client.h"
#include "store/copies/copy_reader.h"
#include "store/database_thread.h"
#include "store/grouped_flushes.h"
#include "store/named_lock.h"
#include "store/native_statement.h"
#include "store/prompter.h"
#include "store/schema/safety_copy.h"
#include "store/server/register_move.h"
#include "store/server/server_config.h"
#include "store/server/server_start.h"

namespace {

// Where a restore loads its copy: copii/.restaurare-<time>, with a start-up folder of its
// own (configuration and data folder) for the embedded server.
constexpr char kStagingPrefix[] = ".restaurare-";
const QString kStopped = QStringLiteral("Restaurarea a fost oprita; registrul a ramas neatins.");

// The staging register's messages (there is no one to show them to): kept for the failure.
class KeptMessages : public Prompter {
 public:
  QString ChooseFile(const QString&, const QString&) override { return {}; }
  QString ChooseFolder(const QString&, const QString&) override { return {}; }
  QString Text() const { return texts_.join(u' '); }

 protected:
  void ShowMessage(const QString& text, const QString&, Icon) override {
    texts_.append(QString(text).replace(u'\n', u' ').simplified());
  }
  bool AskQuestion(const QString& text, const QString& caption, Icon icon) override {
    ShowMessage(text, caption, icon);
    return false;
  }

 private:
  QStringList texts_;
};

RestoreFailure Fault(const QString& text) { return RestoreFailure{false, text}; }

void Tell(const RestoreHooks& hooks, const QString& step) {
  if (hooks.observer) hooks.observer(step);
}

// "asigurati.sume" as a quoted name, or as its staging name on a server.
using Renaming = std::function<QByteArray(const QString& database, const QString& table)>;

// The new embedded register is loaded into tables without the journal, their secondary keys
// built once by sorting after the rows; then each table is rebuilt once as the journaled
// table the register keeps (an insert into an empty table, which the engine does without
// journaling each row). Journaling and keeping the keys in order row by row took most of
// the load's time, and a load cut short is thrown away anyway.
class FastLoad {
 public:
  explicit FastLoad(MYSQL* connection) : connection_(connection) {}

  // The statement as sent: definitions without the journal.
  QByteArray Text(const CopyStatement& statement) {
    if (statement.kind != CopyStatement::Kind::kCreateTable) return statement.text;
    tables_.append(QuotedName(statement.database, statement.table));
    return statement.text + " TRANSACTIONAL=0";
  }
  // Before a statement: a table's rows start.
  bool Next(const CopyStatement& statement) {
    if (statement.kind != CopyStatement::Kind::kInsert) return true;
    const QByteArray table = QuotedName(statement.database, statement.table);
    if (table == filling_) return true;
    filling_ = table;
    return SendStatement(connection_, "ALTER TABLE " + filling_ + " DISABLE KEYS");
  }
  // Every table journaled, with its keys.
  bool Finish() {
    for (const QByteArray& table : tables_) {
      if (!SendStatement(connection_, "ALTER TABLE " + table + " TRANSACTIONAL=1")) return false;
    }
    return true;
  }

 private:
  MYSQL* connection_;
  QByteArrayList tables_;
  QByteArray filling_;
};

// Sends the copy's statements; the reason on failure. Definitions and rows go to the tables
// `rename` names; databases are created only when there is no renaming (the embedded
// register's new folder has none yet, and its keys are built after the rows).
std::optional<QString> Load(CClient& client, const QString& copy, const Renaming& rename,
                            const RestoreHooks& hooks) {
  CopyReader reader(copy);
  if (const std::optional<CopyRefusal> refused = reader.Open()) return refused->text;
  MYSQL* connection = client.NativeHandle();
  FastLoad fast(connection);
  CopyStatement statement;
  QString failure;
  int sent = 0;
  while (reader.Next(statement)) {
    if (statement.kind == CopyStatement::Kind::kCreateDatabase && rename) continue;
    QByteArray text = rename ? statement.text : fast.Text(statement);
    if ((statement.kind == CopyStatement::Kind::kCreateTable ||
         statement.kind == CopyStatement::Kind::kInsert) &&
        rename) {
      text.replace(statement.nameStart, statement.nameEnd - statement.nameStart,
                   rename(statement.database, statement.table));
    }
    const bool done = OnDatabaseThread([&] {
      if ((rename || fast.Next(statement)) && SendStatement(connection, text)) return true;
      failure = QString::fromUtf8(mysql_error(connection));
      return false;
    });
    if (!done) {
      return QStringLiteral("Copia nu a putut fi incarcata (%1.%2): %3")
          .arg(statement.database, statement.table, failure);
    }
    Tell(hooks, QStringLiteral("statement"));
    if (hooks.progress && ++sent % 8 == 0)
      hooks.progress(RestorePhase::kLoading, reader.Fraction());
    if (hooks.stop && hooks.stop()) return kStopped;
  }
  if (reader.Refusal()) return reader.Refusal()->text;
  if (!rename && !OnDatabaseThread([&] { return fast.Finish(); })) {
    return OnDatabaseThread([&] {
      return QStringLiteral("Cheile tabelelor nu au putut fi refacute: ") +
             QString::fromUtf8(mysql_error(connection));
    });
  }
  if (hooks.progress) hooks.progress(RestorePhase::kLoading, 1.0);
  return std::nullopt;
}

// The rows of every table of the header, counted in the loaded register (the reader lets the
// copy define no other table).
std::optional<QString> CompareCounts(CClient& client, const CopyHeader& header,
                                     const Renaming& rename) {
  MYSQL* connection = client.NativeHandle();
  return OnDatabaseThread([&]() -> std::optional<QString> {
    for (const CopyTable& table : header.tables) {
      const QString database = table.name.section(u'.', 0, 0);
      const QString name = table.name.section(u'.', 1);
      if (!SendStatement(connection, "SELECT COUNT(*) FROM " + rename(database, name))) {
        return QString::fromUtf8(mysql_error(connection));
      }
      MYSQL_RES* result = mysql_store_result(connection);
      const MYSQL_ROW row = result != nullptr ? mysql_fetch_row(result) : nullptr;
      const qint64 rows =
          row != nullptr && row[0] != nullptr ? QByteArray(row[0]).toLongLong() : -1;
      if (result != nullptr) mysql_free_result(result);
      if (rows != table.rows) {
        return QStringLiteral(
                   "Tabelul %1 are %2 randuri dupa incarcare, iar copia spune %3; registrul a "
                   "ramas neatins.")
            .arg(table.name)
            .arg(rows)
            .arg(table.rows);
      }
    }
    return std::nullopt;
  });
}

QString Shown(const QString& path) { return QDir::toNativeSeparators(path); }

// Every file and folder of the tree written to the disk: the folders change places only
// once the new register would survive a power cut as well.
bool SyncTree(const QString& folder) {
  QStringList paths;
  QDirIterator walk(folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
  while (walk.hasNext()) paths.append(walk.next());
  paths.append(folder);
  for (const QString& path : paths) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    if (!synced) return false;
  }
  return true;
}

bool SyncFolder(const QString& folder) {
  const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool synced = ::fsync(fd) == 0;
  ::close(fd);
  return synced;
}

bool HoldsRegister(const QString& dataDir) {
  const QDir data(dataDir);
  return std::any_of(CopiedDatabases().begin(), CopiedDatabases().end(),
                     [&](const QString& database) { return data.exists(database); });
}

// The restore a marker in the data folder names: the one whose new register is in place.
QString RestoredStamp(const QString& dataDir) {
  QFile note(QDir(dataDir).filePath(QLatin1String(kRestoreNote)));
  if (!note.open(QIODevice::ReadOnly)) return {};
  for (const QByteArray& line : note.readAll().split('\n')) {
    if (line.startsWith("restaurare ")) return QString::fromUtf8(line.mid(11)).trimmed();
  }
  return {};
}

QString KeptFolder(const QString& copies, const QString& stamp) {
  return QDir(copies).filePath(QLatin1String(kReplacedPrefix) + stamp);
}

// The replaced register moved to its place among the copies, with a note on how to use
// it again; a data folder without a register is simply removed.
QString KeepReplaced(const QString& replaced, const QString& copies, const QString& stamp,
                     const QString& dataDir) {
  if (!HoldsRegister(replaced)) {
    QDir(replaced).removeRecursively();
    return {};
  }
  const QString kept = KeptFolder(copies, stamp);
  if (!QDir().rename(replaced, kept)) return replaced;
  QFile note(QDir(kept).filePath(QStringLiteral("CITESTE.txt")));
  if (note.open(QIODevice::WriteOnly | QIODevice::Text)) {
    note.write(
        QStringLiteral("Acesta este registrul inlocuit la restaurarea din %1. Pentru a lucra din "
                       "nou cu el: inchideti programul, redenumiti dosarul de date %2 (de exemplu "
                       "in data-restaurat) si mutati acest dosar in locul lui, cu numele lui.\n")
            .arg(stamp, Shown(dataDir))
            .toUtf8());
  }
  return kept;
}

// What a restore cut short left among the copies: a load that never took the register's
// place is removed; a register swapped out but not yet moved to its place is moved there.
void FinishLeftovers(const QString& copies, const QString& dataDir) {
  const QString restored = RestoredStamp(dataDir);
  const QDir folder(copies);
  const QStringList leftovers = folder.entryList({QLatin1String(kStagingPrefix) + u'*'},
                                                 QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
  for (const QString& name : leftovers) {
    const QString staging = folder.filePath(name);
    const QString stamp = name.mid(static_cast<qsizetype>(std::strlen(kStagingPrefix)));
    const QString data = QDir(staging).filePath(QStringLiteral("data"));
    // The register swapped out stays where it is unless it reached its place.
    if (stamp == restored && QFileInfo(data).isDir() &&
        (QFileInfo::exists(KeptFolder(copies, stamp)) ||
         KeepReplaced(data, copies, stamp, dataDir) == data)) {
      continue;
    }
    QDir(staging).removeRecursively();
  }
}

// The restore's time, made unique among the folders of earlier restores.
QString FreeStamp(const QString& copies, const QDateTime& now) {
  const QString base = now.toString(QStringLiteral("yyyy-MM-dd_HHmmss"));
  QString stamp = base;
  for (int n = 2; QFileInfo::exists(KeptFolder(copies, stamp)) ||
                  QFileInfo::exists(QDir(copies).filePath(QLatin1String(kStagingPrefix) + stamp));
       ++n) {
    stamp = base + u'_' + QString::number(n);
  }
  return stamp;
}

// Back to the folder the process stood in, whatever way the restore ends.
class CurrentFolder {
 public:
  CurrentFolder() : saved_(QDir::currentPath()) {}
  ~CurrentFolder() { QDir::setCurrent(saved_); }
  CurrentFolder(const CurrentFolder&) = delete;
  CurrentFolder& operator=(const CurrentFolder&) = delete;

 private:
  QString saved_;
};

// The program's configuration for the new register's server, which does not wait for the
// disk: a load cut short is thrown away, and the whole register is written to the disk
// (SyncTree) after the server ends and before it takes the current one's place.
bool WriteStagingConfig(const QString& staging) {
  if (!EnsureServerConfig(staging)) return false;
  QFile config(QDir(staging).filePath(QLatin1String(kServerConfigFile)));
  if (!config.open(QIODevice::ReadWrite)) return false;
  QByteArray text = config.readAll();
  const qsizetype client = text.indexOf("\n[libmysqld_client]");
  if (client < 0) return false;
  text.insert(client, "\ndebug-no-sync");
  return config.resize(0) && config.write(text) == text.size();
}

std::optional<QString> LoadStaged(const QString& copy, const QString& staging,
                                  const CheckedCopy& checked, const RestoreHooks& hooks) {
  const CurrentFolder back;
  if (!WriteStagingConfig(staging) || !QDir::setCurrent(staging)) {
    return QStringLiteral("In dosarul %1 nu se poate scrie.").arg(Shown(staging));
  }
  KeptMessages messages;
  CClient client(&messages);
  int connected = 1;
  const std::function<void()> start = [&] { connected = client.ConnectEmbedded(); };
  if (hooks.aroundServerStart) {
    hooks.aroundServerStart(start);
  } else {
    start();
  }
  if (connected != 0) {
    const auto& failure = client.LastStartFailure();
    return failure ? StartFailureText(*failure)
                   : QStringLiteral("Serverul de baze de date nu a pornit.");
  }
  Tell(hooks, QStringLiteral("server-started"));
  std::optional<QString> failed;
  {
    const GroupedFlushes flushes(client);
    const Renaming same = [](const QString& database, const QString& table) {
      return QuotedName(database, table);
    };
    failed = Load(client, copy, {}, hooks);
    if (!failed) failed = CompareCounts(client, checked.header, same);
  }
  if (!failed) {
    // The server's end writes every table out; only a whole register goes further.
    Tell(hooks, QStringLiteral("counted"));
  }
  client.Disconnect();
  Tell(hooks, QStringLiteral("server-ended"));
  if (!failed && !messages.Text().isEmpty()) failed = messages.Text();
  return failed;
}

}  // namespace

std::variant<Restored, RestoreFailure> RestoreEmbedded(const QString& copy,
                                                       const QString& startFolder,
                                                       const RestoreHooks& hooks) {
  if (!QFileInfo(startFolder).isDir()) {
    return RestoreFailure{true, QStringLiteral("Dosarul %1 nu exista.").arg(Shown(startFolder))};
  }
  QString dataDir = StartDataDir(startFolder);
  if (dataDir.isEmpty()) {
    // A computer without a register yet (a new disk): the program's configuration first.
    if (!EnsureServerConfig(startFolder)) {
      return Fault(QStringLiteral("In dosarul %1 nu se poate scrie.").arg(Shown(startFolder)));
    }
    dataDir = StartDataDir(startFolder);
  }
  std::unique_ptr<QLockFile> lock;
  if (!QDir().mkpath(QFileInfo(dataDir).absolutePath()) || !TakeDataLock(dataDir, lock)) {
    return RestoreFailure{true,
                          StartFailureText({StartFailure::Reason::SecondInstance, Shown(dataDir)})};
  }
  const auto checked = CheckCopy(copy, [&](double done) {
    if (hooks.progress) hooks.progress(RestorePhase::kChecking, done);
  });
  if (const auto* refused = std::get_if<CopyRefusal>(&checked)) return Fault(refused->text);
  const CheckedCopy& whole = std::get<CheckedCopy>(checked);

  const QString copies = SafetyCopiesFolder(dataDir);
  if (!QDir().mkpath(copies)) {
    return Fault(QStringLiteral("In dosarul %1 nu se poate scrie.").arg(Shown(copies)));
  }
  FinishLeftovers(copies, dataDir);
  // The new register's tables and the server's log of the load, beside the current one.
  if (const auto shortage = FindSpaceShortage({copies}, kWorkingRoom + 2 * whole.textBytes)) {
    return Fault(SpaceShortageText(*shortage));
  }
  const QDateTime now = QDateTime::currentDateTime();
  const QString stamp = FreeStamp(copies, now);
  const QString staging = QDir(copies).filePath(QLatin1String(kStagingPrefix) + stamp);
  const QString loaded = QDir(staging).filePath(QStringLiteral("data"));
  if (!QDir().mkpath(staging)) {
    return Fault(QStringLiteral("In dosarul %1 nu se poate scrie.").arg(Shown(copies)));
  }
  const auto abandon = [&](const QString& text) {
    QDir(staging).removeRecursively();
    return Fault(text);
  };
  if (const std::optional<QString> failed = LoadStaged(copy, staging, whole, hooks)) {
    return abandon(*failed);
  }
  QFile note(QDir(loaded).filePath(QLatin1String(kRestoreNote)));
  if (!note.open(QIODevice::WriteOnly | QIODevice::Text) ||
      note.write(QStringLiteral("Registru restaurat din copia %1, facuta la %2, restaurata la "
                                "%3.\nrestaurare %4\n")
                     .arg(Shown(QFileInfo(copy).absoluteFilePath()), whole.header.taken,
                          now.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")), stamp)
                     .toUtf8()) < 0) {
    return abandon(QStringLiteral("In dosarul %1 nu se poate scrie.").arg(Shown(loaded)));
  }
  note.close();
  if (!SyncTree(loaded)) {
    return abandon(
        QStringLiteral("Registrul nou nu a putut fi scris pe disc in %1.").arg(Shown(loaded)));
  }
  Tell(hooks, QStringLiteral("synced"));

  // The one step that changes the register: both folders change places at once, or the
  // new one takes the name of a data folder that is not there.
  const QByteArray from = QFile::encodeName(loaded);
  const QByteArray to = QFile::encodeName(dataDir);
  const bool existed = QFileInfo::exists(dataDir);
  if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(),
                  existed ? RENAME_EXCHANGE : RENAME_NOREPLACE) != 0) {
    const QString reason = QString::fromLocal8Bit(std::strerror(errno));
    return abandon(QStringLiteral("Dosarul de date %1 nu a putut fi inlocuit (%2); registrul a "
                                  "ramas neatins.")
                       .arg(Shown(dataDir), reason));
  }
  static_cast<void>(SyncFolder(QFileInfo(dataDir).absolutePath()));
  static_cast<void>(SyncFolder(staging));
  Tell(hooks, QStringLiteral("swapped"));
  Restored restored{whole.header, {}};
  if (existed) restored.keptFolder = KeepReplaced(loaded, copies, stamp, dataDir);
  static_cast<void>(SyncFolder(copies));
  Tell(hooks, QStringLiteral("kept"));
  // A replaced register that could not be moved stays in the staging folder.
  if (restored.keptFolder != loaded) QDir(staging).removeRecursively();
  return restored;
}

std::variant<Restored, RestoreFailure> RestoreOnServer(CClient& server, const QString& copy,
                                                       const RestoreHooks& hooks) {
  const NamedLock lock(server, lock_names::kSchema);
  if (!lock.Held()) return Fault(QStringLiteral("Serverul nu a dat voie restaurarii."));
  const std::optional<ServerRegister> found = FindServerRegister(server);
  if (!found) return Fault(QStringLiteral("Serverul nu a raspuns la intrebarea despre registru."));
  if (*found == ServerRegister::kHeld) {
    return RestoreFailure{
        true,
        QStringLiteral(
            "Serverul %1 are deja un registru Velka Asigurati: restaurarea nu scrie peste el. "
            "Administratorul bazelor de date poate incarca o copie intr-un server fara "
            "registru (zcat COPIE | mariadb) sau, dupa ce a pastrat o copie a registrului de "
            "acum, poate sterge de pe acest server bazele asigurati si concedii si porni din "
            "nou restaurarea.")
            .arg(server.ServerName())};
  }
  const auto checked = CheckCopy(copy, [&](double done) {
    if (hooks.progress) hooks.progress(RestorePhase::kChecking, done);
  });
  if (const auto* refused = std::get_if<CopyRefusal>(&checked)) return Fault(refused->text);
  const CheckedCopy& whole = std::get<CheckedCopy>(checked);
  if (*found == ServerRegister::kLeftover && !RemoveLeftover(server)) {
    return Fault(
        QStringLiteral("Ce a lasat o mutare sau o restaurare oprita nu a putut fi sters."));
  }
  const Renaming staged = [](const QString& database, const QString& table) {
    return StagingName(database + u'.' + table).toUtf8();
  };
  MYSQL* connection = server.NativeHandle();
  std::optional<QString> failed = OnDatabaseThread([&]() -> std::optional<QString> {
    if (SendStatement(connection, QByteArray("CREATE DATABASE ") + kMoveStaging +
                                      " CHARACTER SET utf8mb4 COLLATE utf8mb4_general_ci")) {
      return std::nullopt;
    }
    return QString::fromUtf8(mysql_error(connection));
  });
  if (!failed) failed = Load(server, copy, staged, hooks);
  if (!failed) failed = CompareCounts(server, whole.header, staged);
  if (!failed) {
    QStringList tables;
    for (const CopyTable& table : whole.header.tables) tables << table.name;
    failed = OnDatabaseThread([&] { return PutStagedTablesInPlace(connection, tables); });
  }
  if (failed) {
    // Made by this restore under the lock, used by no workstation.
    static_cast<void>(RemoveLeftover(server));
    return Fault(*failed);
  }
  Tell(hooks, QStringLiteral("swapped"));
  return Restored{whole.header, {}};
}
