#include "store/server/server_settings.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>

namespace {

// An unquoted value with a comma comes back from QSettings as a list; the commas are the
// value's own.
QString TextValue(const QSettings& settings, const QString& key) {
  const QVariant value = settings.value(key);
  if (value.typeId() == QMetaType::QStringList) return value.toStringList().join(u',');
  return value.toString();
}

}  // namespace

bool OwnerOnlyFile(const QString& path) {
  const QFileDevice::Permissions others = QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                                          QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                          QFileDevice::WriteOther | QFileDevice::ExeOther;
  const QFileInfo info(path);
  return info.exists() && (info.permissions() & others) == 0;
}

std::optional<ServerSettings> ReadServerSettings(const QString& startDirectory,
                                                 std::optional<SettingsProblem>& problem) {
  problem.reset();
  const QString path = QDir(startDirectory).absoluteFilePath(QString::fromLatin1(kSettingsFile));
  if (!QFileInfo::exists(path)) return std::nullopt;
  QSettings settings(path, QSettings::IniFormat);
  if (settings.status() != QSettings::NoError) {
    problem = SettingsProblem{QStringLiteral("Fisierul de setari %1 nu poate fi citit.")
                                  .arg(QDir::toNativeSeparators(path))};
    return std::nullopt;
  }
  if (!settings.childGroups().contains(QStringLiteral("server"))) return std::nullopt;
  settings.beginGroup(QStringLiteral("server"));
  ServerSettings server;
  server.host = TextValue(settings, QStringLiteral("host")).trimmed();
  server.user = TextValue(settings, QStringLiteral("user")).trimmed();
  server.sslCa = TextValue(settings, QStringLiteral("ssl-ca")).trimmed();
  const QString port = TextValue(settings, QStringLiteral("port")).trimmed();
  bool portIsNumber = true;
  if (!port.isEmpty()) server.port = port.toInt(&portIsNumber);
  if (settings.contains(QStringLiteral("password")) && OwnerOnlyFile(path)) {
    server.password = TextValue(settings, QStringLiteral("password"));
  }
  settings.endGroup();
  const QString where = QDir::toNativeSeparators(path);
  if (server.host.isEmpty() || server.user.isEmpty()) {
    problem = SettingsProblem{
        QStringLiteral("In fisierul de setari %1 grupul [server] trebuie sa aiba host si user.")
            .arg(where)};
    return std::nullopt;
  }
  if (!portIsNumber || server.port <= 0 || server.port > 65535) {
    problem = SettingsProblem{
        QStringLiteral("In fisierul de setari %1 portul \"%2\" nu este un numar de port.")
            .arg(where, port)};
    return std::nullopt;
  }
  return server;
}
