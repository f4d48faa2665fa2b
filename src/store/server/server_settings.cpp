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

// The groups the settings file may hold: the server of the register, and where the daily
// copies of the register go.
const QStringList kKnownGroups = {QStringLiteral("server"), QStringLiteral("copii")};

std::optional<SettingsProblem> UnknownContent(const QSettings& settings, const QString& where) {
  const QStringList groups = settings.childGroups();
  if (groups.isEmpty() && settings.childKeys().isEmpty()) {
    return SettingsProblem{
        QStringLiteral("In fisierul de setari %1 nu este scris niciun grup: scrieti grupul "
                       "[server] sau stergeti fisierul.")
            .arg(where)};
  }
  QStringList unknown;
  if (!settings.childKeys().isEmpty()) unknown << QStringLiteral("General");
  for (const QString& group : groups) {
    if (!kKnownGroups.contains(group)) unknown << group;
  }
  if (unknown.isEmpty()) return std::nullopt;
  return SettingsProblem{QStringLiteral("In fisierul de setari %1 grupul [%2] nu este cunoscut: "
                                        "programul cunoaste doar grupurile [server] si [copii].")
                             .arg(where, unknown.first())};
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
  const QString where = QDir::toNativeSeparators(path);
  QSettings settings(path, QSettings::IniFormat);
  const QFileInfo info(path);
  if (!info.isFile() || !info.isReadable() || settings.status() != QSettings::NoError) {
    problem =
        SettingsProblem{QStringLiteral("Fisierul de setari %1 nu poate fi citit.").arg(where)};
    return std::nullopt;
  }
  // A file that is there but says nothing the program knows is a mistake, not a choice of
  // the embedded register: after a move onto a server that register is a stale copy.
  if (std::optional<SettingsProblem> unknown = UnknownContent(settings, where)) {
    problem = std::move(unknown);
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
