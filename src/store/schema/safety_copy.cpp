#include "store/schema/safety_copy.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

constexpr int kCopiesKept = 5;
// A copy under way carries this prefix until its last file is in place.
constexpr char kUnfinishedPrefix[] = ".neterminat-";
// Every file of an Aria table: definition, data, index.
const char* const kTableFileSuffixes[] = {".frm", ".MAD", ".MAI"};

QString FreeFolderName(const QDir& copies) {
  const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd_HHmm"));
  QString name = stamp;
  for (int n = 2; copies.exists(name) || copies.exists(QLatin1String(kUnfinishedPrefix) + name);
       ++n) {
    name = stamp + u'_' + QString::number(n);
  }
  return name;
}

// Dated copies, oldest first (their names sort by time). The folder also holds the daily
// copies of the register and registers replaced by a restore, which are not these.
QStringList FinishedCopies(const QDir& copies) {
  static const QRegularExpression dated(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}_\\d{4}(_\\d+)?$"));
  QStringList names = copies.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
  names.removeIf([](const QString& name) { return !dated.match(name).hasMatch(); });
  return names;
}

void KeepNewest(const QDir& copies) {
  const QStringList names = FinishedCopies(copies);
  for (qsizetype i = 0; i + kCopiesKept < names.size(); ++i) {
    QDir(copies.filePath(names[i])).removeRecursively();
  }
  // Copies cut short by a stop of the program.
  for (const QString& name : copies.entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot)) {
    if (name.startsWith(QLatin1String(kUnfinishedPrefix))) {
      QDir(copies.filePath(name)).removeRecursively();
    }
  }
}

bool CopyTable(const QString& dataDir, const QString& table, const QString& target) {
  const QString database = table.section(u'.', 0, 0).toLower();
  const QString name = table.section(u'.', 1).toLower();
  const QString into = target + u'/' + database;
  if (!QDir().mkpath(into)) return false;
  for (const char* suffix : kTableFileSuffixes) {
    const QString file = database + u'/' + name + QLatin1String(suffix);
    const QString source = dataDir + u'/' + file;
    if (!QFileInfo::exists(source)) continue;
    if (!QFile::copy(source, target + u'/' + file)) return false;
  }
  return true;
}

// The same advice inside the copy, for whoever finds the folder later.
void WriteNote(const QString& unfinished, const QString& finished, const QString& dataDir) {
  QFile note(unfinished + QStringLiteral("/CITESTE.txt"));
  if (!note.open(QIODevice::WriteOnly | QIODevice::Text)) return;
  note.write(SafetyCopyAdvice(finished, dataDir).toUtf8() + '\n');
}

// The newest finished copy holding the table's data file.
std::optional<QString> NewestCopyOf(const QString& dataDir, const QString& relativeBase) {
  const QDir copies(SafetyCopiesFolder(dataDir));
  QStringList names = FinishedCopies(copies);
  for (auto it = names.crbegin(); it != names.crend(); ++it) {
    const QString folder = copies.filePath(*it);
    if (QFileInfo::exists(folder + u'/' + relativeBase + QStringLiteral(".MAD"))) return folder;
  }
  return std::nullopt;
}

bool PutBack(const QString& copyFolder, const QString& dataDir, const QString& relativeBase) {
  for (const char* suffix : {".MAD", ".MAI"}) {
    const QString source = copyFolder + u'/' + relativeBase + QLatin1String(suffix);
    const QString target = dataDir + u'/' + relativeBase + QLatin1String(suffix);
    if (!QFileInfo::exists(source)) continue;
    QFile::remove(target);
    if (!QFile::copy(source, target)) return false;
  }
  return QFile::remove(dataDir + u'/' + relativeBase + QStringLiteral(".TMD"));
}

bool RecoverTable(const QString& dataDir, const QString& relativeBase) {
  const QString rebuilt = dataDir + u'/' + relativeBase + QStringLiteral(".TMD");
  const QString data = dataDir + u'/' + relativeBase + QStringLiteral(".MAD");
  if (QFileInfo::exists(data)) return QFile::remove(rebuilt);
  if (const std::optional<QString> copy = NewestCopyOf(dataDir, relativeBase)) {
    return PutBack(*copy, dataDir, relativeBase);
  }
  return QFile::rename(rebuilt, data);
}

}  // namespace

QString SafetyCopiesFolder(const QString& dataDir) {
  QDir parent(dataDir);
  parent.cdUp();
  return parent.absoluteFilePath(QStringLiteral("copii"));
}

std::optional<QString> MakeSafetyCopy(const QString& dataDir, const QStringList& tables) {
  const QString copiesPath = SafetyCopiesFolder(dataDir);
  if (!QDir().mkpath(copiesPath)) return std::nullopt;
  const QDir copies(copiesPath);
  const QString name = FreeFolderName(copies);
  const QString unfinished = copies.filePath(QLatin1String(kUnfinishedPrefix) + name);
  bool copied = QDir().mkpath(unfinished);
  for (const QString& table : tables) copied = copied && CopyTable(dataDir, table, unfinished);
  const QString finished = copies.filePath(name);
  if (copied) WriteNote(unfinished, finished, dataDir);
  if (!copied || !QDir().rename(unfinished, finished)) {
    QDir(unfinished).removeRecursively();
    return std::nullopt;
  }
  KeepNewest(copies);
  return finished;
}

QString SafetyCopyAdvice(const QString& copyFolder, const QString& dataDir) {
  return QStringLiteral(
             "Copia de siguranta a fisierelor, luata inainte de modificare, este in dosarul "
             "%1. Pentru a o pune inapoi: inchideti programul, apoi copiati fisierele din "
             "acest dosar (cu subdosarele lor) in dosarul de date %2, peste cele existente.")
      .arg(QDir::toNativeSeparators(copyFolder), QDir::toNativeSeparators(dataDir));
}

bool RecoverInterruptedRebuilds(const QString& dataDir) {
  const QDir data(dataDir);
  bool recovered = true;
  for (const QString& database : data.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
    const QDir folder(data.filePath(database));
    for (const QString& file : folder.entryList({QStringLiteral("*.TMD")}, QDir::Files)) {
      const QString relativeBase = database + u'/' + QFileInfo(file).completeBaseName();
      recovered = RecoverTable(dataDir, relativeBase) && recovered;
    }
  }
  return recovered;
}
