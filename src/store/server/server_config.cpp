#include "store/server/server_config.h"
#include "common/whole_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTextStream>

namespace {

QString ConfigBody(const QString& dataDir) {
  // Aria, journaled (its tables are created transactional): a program killed during the
  // first installation, an upgrade or a run of inserts reopens its folder with every row
  // written before the kill. InnoDB as built here cannot reopen a folder killed during its
  // first run, and puts over 100 MB into an empty one; MyISAM keeps no journal. The
  // server's default SQL mode is strict, while the register's statements rely on values
  // being converted and omitted columns taking their defaults.
  return QStringLiteral(
             "[libmysqld_server]\n"
             "datadir=%1\n"
             "log-error=%1/server.log\n"
             "lower_case_table_names=1\n"
             "skip-networking\n"
             "skip-grant-tables\n"
             "character-set-server=utf8mb4\n"
             "collation-server=utf8mb4_general_ci\n"
             "innodb=OFF\n"
             "default-storage-engine=Aria\n"
             "default-tmp-storage-engine=Aria\n"
             "sql-mode=NO_ENGINE_SUBSTITUTION\n"
             "\n"
             "[libmysqld_client]\n")
      .arg(dataDir);
}

QString ProgramConfig(const QString& dataDir) {
  return QLatin1String(kProgramConfigMark) + u'\n' + ConfigBody(dataDir);
}

bool WriteConfig(const QString& path, const QString& text) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) return false;
  const QByteArray bytes = text.toUtf8();
  if (file.write(bytes) != bytes.size()) return false;
  return CommitWhole(file);
}

bool CreateDataFolder(const QString& dataDir) {
  if (!QDir().mkpath(dataDir)) return false;
  QFile::setPermissions(dataDir,
                        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  return true;
}

// The program's file with its datadir and log-error lines aimed at `dataDir`; the user's
// other lines stay as they are.
QString Reaimed(const QString& text, const QString& dataDir) {
  QStringList lines = text.split(u'\n');
  for (QString& line : lines) {
    const QString name = line.section(u'=', 0, 0).trimmed();
    if (!line.contains(u'=')) continue;
    if (name == QLatin1String("datadir")) line = QStringLiteral("datadir=") + dataDir;
    if (name == QLatin1String("log-error")) {
      line = QStringLiteral("log-error=") + dataDir + QStringLiteral("/server.log");
    }
  }
  return lines.join(u'\n');
}

// A configuration the program keeps in step with its folder: marked, or written by a release
// that did not mark its files.
bool ProgramOwned(const QString& text, const QString& configPath) {
  return text.startsWith(QLatin1String(kProgramConfigMark) + u'\n') ||
         text == ConfigBody(ConfiguredDataDir(configPath));
}

// What a write stopped part-way leaves of the program's file (a full disk at its first start,
// a power cut): nothing, a piece of its first line, or its start without the client group
// that ends it. Such a file holds nothing but what the folder beside it gives again.
bool CutProgramConfig(const QString& text) {
  const QString mark = QLatin1String(kProgramConfigMark) + u'\n';
  if (mark.startsWith(text)) return true;
  return text.startsWith(mark) && !text.contains(QLatin1String("[libmysqld_client]"));
}

}  // namespace

bool EnsureServerConfig(const QString& directory) {
  const QDir dir(directory);
  const QString configPath = dir.filePath(QString::fromLatin1(kServerConfigFile));
  const QString dataDir = dir.absoluteFilePath(QStringLiteral("data"));
  if (!QFileInfo::exists(configPath)) {
    return CreateDataFolder(dataDir) && WriteConfig(configPath, ProgramConfig(dataDir));
  }
  QFile file(configPath);
  if (!file.open(QIODevice::ReadOnly)) return true;  // the start reports what is wrong with it
  const QString text = QString::fromUtf8(file.readAll());
  file.close();
  if (CutProgramConfig(text) && QFileInfo(dataDir).isDir()) {
    return WriteConfig(configPath, ProgramConfig(dataDir));
  }
  if (!ProgramOwned(text, configPath)) return true;  // the user's own
  const QString wanted = text.startsWith(QLatin1String(kProgramConfigMark) + u'\n')
                             ? Reaimed(text, dataDir)
                             : ProgramConfig(dataDir);
  if (!QFileInfo::exists(dataDir) && !CreateDataFolder(dataDir)) return false;
  return wanted == text || WriteConfig(configPath, wanted);
}

QString ConfiguredDataDir(const QString& configPath) {
  QFile file(configPath);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return {};
  QTextStream in(&file);
  while (!in.atEnd()) {
    const QString line = in.readLine().trimmed();
    if (!line.startsWith(QLatin1String("datadir"))) continue;
    const qsizetype equals = line.indexOf(u'=');
    if (equals > 0 && line.left(equals).trimmed() == QLatin1String("datadir")) {
      return line.mid(equals + 1).trimmed();
    }
  }
  return {};
}

QString StartDataDir(const QString& directory) {
  const QDir dir(directory);
  const QString configPath = dir.filePath(QString::fromLatin1(kServerConfigFile));
  QFile file(configPath);
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QString beside = dir.absoluteFilePath(QStringLiteral("data"));
  if (ProgramOwned(QString::fromUtf8(file.readAll()), configPath)) return beside;
  const QString named = ConfiguredDataDir(configPath);
  return QDir::cleanPath(named.isEmpty() ? beside : named);
}
