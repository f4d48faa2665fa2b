#include "store/server_config.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTextStream>

namespace {

QString DefaultConfig(const QString& dataDir) {
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

}  // namespace

bool EnsureServerConfig(const QString& directory) {
  const QDir dir(directory);
  const QString configPath = dir.filePath(QString::fromLatin1(kServerConfigFile));
  if (QFileInfo::exists(configPath)) return true;
  const QString dataDir = dir.absoluteFilePath(QStringLiteral("data"));
  if (!QDir().mkpath(dataDir)) return false;
  QFile::setPermissions(dataDir,
                        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  QSaveFile file(configPath);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) return false;
  file.write(DefaultConfig(dataDir).toUtf8());
  return file.commit();
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
