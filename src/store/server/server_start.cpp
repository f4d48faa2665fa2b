#include "store/server/server_start.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

#include "common/free_space.h"
#include "store/schema/safety_copy.h"
#include "store/server/config_check.h"
#include "store/server/server_config.h"

namespace {

constexpr qint64 kLogLinesShown = 12;

bool Writable(const QString& path) {
  return ::access(QFile::encodeName(path).constData(), W_OK) == 0;
}

std::optional<StartFailure> CheckConfig(const QString& configPath) {
  QFile file(configPath);
  if (!file.open(QIODevice::ReadOnly)) {
    return StartFailure{StartFailure::Reason::DamagedConfig,
                        QStringLiteral("Fisierul de configurare %1 nu poate fi citit.")
                            .arg(QDir::toNativeSeparators(configPath))};
  }
  const std::optional<ConfigFault> fault = FindConfigFault(file.readAll());
  if (!fault) return std::nullopt;
  QString detail = QStringLiteral("Fisierul de configurare %1 este deteriorat: ")
                       .arg(QDir::toNativeSeparators(configPath));
  if (fault->line > 0) {
    detail += QStringLiteral("linia %1 (\"%2\") %3.")
                  .arg(fault->line)
                  .arg(fault->text.trimmed().left(80), fault->reason);
  } else {
    detail += fault->reason + u'.';
  }
  return StartFailure{StartFailure::Reason::DamagedConfig, detail};
}

// The folders the start writes into: the start-up directory, the one holding the data
// folder (lock, safety copies), the data folder and its databases.
std::optional<StartFailure> CheckWritable(const QString& startDirectory, const QString& dataDir) {
  QStringList folders = {startDirectory, QFileInfo(dataDir).absolutePath(), dataDir};
  const QDir data(dataDir);
  for (const QString& database : data.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
    folders << data.filePath(database);
  }
  for (const QString& folder : folders) {
    if (QFileInfo::exists(folder) && !Writable(folder)) {
      return StartFailure{StartFailure::Reason::FolderNotWritable,
                          QDir::toNativeSeparators(QDir::cleanPath(folder))};
    }
  }
  return std::nullopt;
}

// The Aria control file as this server writes it; a shorter one was cut short while the
// very first start was creating it (the file keeps its size afterwards), and the server
// would refuse every later start. Before any journal exists, it is simply made again.
constexpr qint64 kAriaControlFileSize = 52;

bool RemoveUnfinishedAriaControl(const QString& dataDir) {
  const QDir data(dataDir);
  const QFileInfo control(data.filePath(QStringLiteral("aria_log_control")));
  if (!control.exists() || control.size() >= kAriaControlFileSize) return true;
  if (!data.entryList({QStringLiteral("aria_log.*")}, QDir::Files).isEmpty()) return true;
  return QFile::remove(control.filePath());
}

// A folder that only its owner may open, made if missing.
bool CreatePrivateFolder(const QString& path) {
  return QDir().mkpath(path) &&
         QFile::setPermissions(
             path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

bool SameFolder(const QString& a, const QString& b) {
  if (QDir::cleanPath(a) == QDir::cleanPath(b)) return true;
  const QString canonical = QFileInfo(a).canonicalFilePath();
  return !canonical.isEmpty() && canonical == QFileInfo(b).canonicalFilePath();
}

// A configuration the program keeps names the folder where the data folder last opened; a
// lock file left beside the data folder means that opening did not end cleanly.
std::optional<StartFailure> MovedAfterUncleanStop(const QString& startDirectory,
                                                  const QString& configPath) {
  const QString beside = QDir(startDirectory).absoluteFilePath(QStringLiteral("data"));
  if (!QFileInfo::exists(configPath) || StartDataDir(startDirectory) != QDir::cleanPath(beside)) {
    return std::nullopt;  // a first start, or the user's own configuration
  }
  const QString configured = ConfiguredDataDir(configPath);
  if (configured.isEmpty() || SameFolder(configured, beside)) return std::nullopt;
  if (!QFileInfo::exists(beside + QStringLiteral(".lock"))) return std::nullopt;
  return StartFailure{
      StartFailure::Reason::MovedAfterUncleanStop,
      QDir::toNativeSeparators(configured) + u'\n' + QDir::toNativeSeparators(beside)};
}

}  // namespace

QString ServerTempFolder(const QString& dataDir) { return dataDir + QStringLiteral(".tmp"); }

bool TakeDataLock(const QString& dataDir, std::unique_ptr<QLockFile>& lock) {
  lock = std::make_unique<QLockFile>(dataDir + QStringLiteral(".lock"));
  lock->setStaleLockTime(0);  // a killed program leaves no owner: its lock is taken over
  if (lock->tryLock(0)) return true;
  lock.reset();
  return false;
}

QString StartFailureText(const StartFailure& failure) {
  switch (failure.reason) {
    case StartFailure::Reason::SecondInstance:
      return QStringLiteral(
                 "O alta copie a programului lucreaza deja cu dosarul de date %1. Inchideti-o "
                 "si porniti programul din nou.")
          .arg(failure.detail);
    case StartFailure::Reason::MovedAfterUncleanStop:
      return QStringLiteral(
                 "Dosarul de date a fost mutat din %1 in %2 dupa ce programul s-a oprit "
                 "neasteptat, fara sa inchida bazele de date: deschise aici, ele ar pierde "
                 "randuri. Mutati dosarul inapoi in %1, porniti si inchideti programul o data "
                 "acolo, apoi mutati-l din nou. Nu s-a schimbat nimic.")
          .arg(failure.detail.section(u'\n', 0, 0), failure.detail.section(u'\n', 1));
    case StartFailure::Reason::DamagedConfig:
    case StartFailure::Reason::NoRoom:
      return failure.detail;
    case StartFailure::Reason::FolderNotWritable:
      return QStringLiteral(
                 "In dosarul %1 nu se poate scrie. Dati utilizatorului drept de scriere in el "
                 "sau mutati programul intr-un dosar al sau.")
          .arg(failure.detail);
    case StartFailure::Reason::ServerSettings:
      return failure.detail;
    case StartFailure::Reason::NoPassword:
      return QStringLiteral("Nu a fost data parola pentru serverul de baze de date.");
    case StartFailure::Reason::ServerUnreachable:
      return QStringLiteral(
                 "Serverul de baze de date %1 nu raspunde. Verificati ca este pornit, ca numele "
                 "si portul din velka-asigurati.ini sunt corecte si ca reteaua functioneaza.")
          .arg(failure.detail);
    case StartFailure::Reason::ServerUserRefused:
      return QStringLiteral(
                 "Serverul de baze de date a refuzat utilizatorul %1: parola este gresita sau "
                 "utilizatorul nu are voie sa se conecteze de pe acest calculator.")
          .arg(failure.detail);
    case StartFailure::Reason::ServerEncryption:
      return QStringLiteral(
                 "Conexiunea criptata cu serverul de baze de date nu a putut fi stabilita "
                 "(certificatul serverului nu a fost recunoscut sau serverul nu accepta "
                 "criptarea): %1")
          .arg(failure.detail);
    case StartFailure::Reason::ServerLowerCase:
      return QStringLiteral(
                 "Serverul de baze de date are lower_case_table_names=%1; programul are nevoie "
                 "de lower_case_table_names=1 in configurarea serverului.")
          .arg(failure.detail);
    case StartFailure::Reason::ServerMissingPrivilege:
      return QStringLiteral(
                 "Utilizatorul programului nu are pe serverul de baze de date dreptul: %1.")
          .arg(failure.detail);
    case StartFailure::Reason::ServerAnswered:
      return QStringLiteral("Serverul de baze de date a raspuns: ") + failure.detail;
    case StartFailure::Reason::ServerRefused:
      break;
  }
  if (failure.detail.isEmpty()) return QStringLiteral("Serverul de baze de date nu a pornit.");
  return QStringLiteral("Serverul de baze de date nu a pornit. Ultimele lui mesaje:\n") +
         failure.detail;
}

std::optional<StartFailure> PrepareEmbeddedStart(const QString& startDirectory,
                                                 std::unique_ptr<QLockFile>& lock,
                                                 QString& dataDir) {
  const QString configPath =
      QDir(startDirectory).absoluteFilePath(QString::fromLatin1(kServerConfigFile));
  if (!QFileInfo::exists(configPath) && !Writable(startDirectory)) {
    return StartFailure{StartFailure::Reason::FolderNotWritable,
                        QDir::toNativeSeparators(startDirectory)};
  }
  // The first start creates the register: on a full disk the server would wait for room
  // inside the creation, and a cut configuration would keep the folder from opening.
  if (!QFileInfo::exists(configPath)) {
    if (const std::optional<SpaceShortage> shortage = FindSpaceShortage({startDirectory})) {
      return StartFailure{StartFailure::Reason::NoRoom, SpaceShortageText(*shortage)};
    }
  }
  if (std::optional<StartFailure> moved = MovedAfterUncleanStop(startDirectory, configPath)) {
    return moved;
  }
  if (!EnsureServerConfig(startDirectory)) {
    return StartFailure{StartFailure::Reason::FolderNotWritable,
                        QDir::toNativeSeparators(configPath)};
  }
  if (std::optional<StartFailure> damaged = CheckConfig(configPath)) return damaged;
  dataDir = ConfiguredDataDir(configPath);
  if (dataDir.isEmpty()) dataDir = QDir(startDirectory).absoluteFilePath(QStringLiteral("data"));
  dataDir = QDir::cleanPath(dataDir);
  if (std::optional<StartFailure> readOnly = CheckWritable(startDirectory, dataDir)) {
    return readOnly;
  }
  if (!TakeDataLock(dataDir, lock)) {
    return StartFailure{StartFailure::Reason::SecondInstance, QDir::toNativeSeparators(dataDir)};
  }
  if (!RecoverInterruptedRebuilds(dataDir) || !RemoveUnfinishedAriaControl(dataDir) ||
      !CreatePrivateFolder(ServerTempFolder(dataDir))) {
    lock.reset();
    return StartFailure{StartFailure::Reason::FolderNotWritable, QDir::toNativeSeparators(dataDir)};
  }
  return std::nullopt;
}

qint64 ServerLogSize(const QString& dataDir) {
  return QFileInfo(dataDir + QStringLiteral("/server.log")).size();
}

StartFailure ServerRefused(const QString& dataDir, qint64 logSizeBefore, const QString& printed) {
  QFile log(dataDir + QStringLiteral("/server.log"));
  QStringList lines;
  if (log.open(QIODevice::ReadOnly) && log.seek(std::min(logSizeBefore, log.size()))) {
    lines = QString::fromUtf8(log.readAll()).split(u'\n', Qt::SkipEmptyParts);
  }
  lines += printed.split(u'\n', Qt::SkipEmptyParts);
  if (lines.size() > kLogLinesShown) lines = lines.mid(lines.size() - kLogLinesShown);
  return StartFailure{StartFailure::Reason::ServerRefused, lines.join(u'\n')};
}

StartErrors::StartErrors() {
  std::fflush(stderr);
  char name[] = "/tmp/velka-start-XXXXXX";
  captured_ = ::mkstemp(name);
  if (captured_ < 0) return;
  ::unlink(name);
  savedError_ = ::dup(STDERR_FILENO);
  if (savedError_ < 0 || ::dup2(captured_, STDERR_FILENO) < 0) Restore();
}

StartErrors::~StartErrors() { Restore(); }

void StartErrors::Restore() {
  if (savedError_ >= 0) {
    std::fflush(stderr);
    ::dup2(savedError_, STDERR_FILENO);
    ::close(savedError_);
    savedError_ = -1;
  }
  if (captured_ >= 0) {
    ::close(captured_);
    captured_ = -1;
  }
}

void StartErrors::Started() {
  // The server normally points standard error at its log; only where it did not (a
  // configuration without log-error) does the terminal get it back.
  struct stat now {};
  struct stat mine {};
  std::fflush(stderr);
  if (captured_ >= 0 && ::fstat(STDERR_FILENO, &now) == 0 && ::fstat(captured_, &mine) == 0 &&
      (now.st_ino != mine.st_ino || now.st_dev != mine.st_dev)) {
    ::close(savedError_);
    savedError_ = -1;
  }
  Restore();
}

QString StartErrors::Refused() {
  QByteArray text;
  if (captured_ >= 0) {
    std::fflush(stderr);
    ::lseek(captured_, 0, SEEK_SET);
    char buffer[4096];
    ssize_t length = 0;
    while ((length = ::read(captured_, buffer, sizeof buffer)) > 0) text.append(buffer, length);
  }
  Restore();
  if (!text.isEmpty()) {
    [[maybe_unused]] const ssize_t written = ::write(STDERR_FILENO, text.constData(), text.size());
  }
  return QString::fromUtf8(text);
}
