#include "cli/cli_register.h"

#include <QDir>
#include <QFileInfo>

#include "cli/cli_texts.h"
#include "store/c_client.h"
#include "store/schema/schema.h"
#include "store/server/server_config.h"
#include "store/server/server_settings.h"

namespace {

// Both databases are folders of the data folder once the register has been created.
bool HoldsRegister(const QString& startFolder) {
  const QString dataDir = StartDataDir(startFolder);
  if (dataDir.isEmpty()) return false;
  const QDir data(dataDir);
  return data.exists(QStringLiteral("asigurati")) && data.exists(QStringLiteral("concedii"));
}

std::optional<QString> RegisterVersion(CClient& client) {
  if (client.ExecuteQuiet(QStringLiteral("SELECT s.setare FROM asigurati.setari AS s WHERE "
                                         "s.denumire='versiune'"),
                          1) != 0) {
    return std::nullopt;
  }
  if (client.RowCount() < 1) return QString();
  return client.GetField(0, QStringLiteral("SETARE"));
}

QString ConnectFailure(const CClient& client) {
  const std::optional<StartFailure>& failure = client.LastStartFailure();
  if (!failure) return cli_texts::kStartFailure;
  QString text = cli_texts::kStartFailure + u' ' + StartFailureText(*failure);
  if (failure->reason == StartFailure::Reason::NoPassword) text += cli_texts::kPasswordInFile;
  return text;
}

// Databases missing on a server: nothing is created there either.
std::optional<QString> CheckVersion(CClient& client, const QString& shown) {
  const std::optional<QString> version = RegisterVersion(client);
  if (!version || *version != QLatin1String(kSchemaVersion)) {
    client.Disconnect();
    return version ? cli_texts::OtherVersion(shown, *version) : cli_texts::NoRegister(shown);
  }
  return std::nullopt;
}

}  // namespace

QString DefaultStartFolder() {
  QString base = qEnvironmentVariable("XDG_DATA_HOME");
  if (base.isEmpty()) base = QDir::homePath() + QStringLiteral("/.local/share");
  return QDir::cleanPath(base + QStringLiteral("/velka-asigurati"));
}

QString CommandStartFolder(const QString& option) {
  if (option.isEmpty()) return DefaultStartFolder();
  return QDir::cleanPath(QDir::current().absoluteFilePath(option));
}

std::optional<QString> OpenRegister(CClient& client, const QString& startFolder) {
  const QString shown = QDir::toNativeSeparators(startFolder);
  if (!QFileInfo(startFolder).isDir()) return cli_texts::NoRegister(shown);
  // A register on a server has no data folder here; a faulty settings file is told by the
  // start itself.
  std::optional<SettingsProblem> settingsProblem;
  const bool onServer = ReadServerSettings(startFolder, settingsProblem).has_value();
  if (!onServer && !settingsProblem && !HoldsRegister(startFolder)) {
    return cli_texts::NoRegister(shown);
  }
  if (!QDir::setCurrent(startFolder)) return cli_texts::NoRegister(shown);
  if (client.Connect() != 0) return ConnectFailure(client);
  return CheckVersion(client, shown);
}

std::optional<QString> OpenEmbeddedRegister(CClient& client, const QString& startFolder) {
  const QString shown = QDir::toNativeSeparators(startFolder);
  if (!HoldsRegister(startFolder) || !QDir::setCurrent(startFolder)) {
    return cli_texts::NoRegister(shown);
  }
  if (client.ConnectEmbedded() != 0) return ConnectFailure(client);
  return CheckVersion(client, shown);
}

std::optional<QString> ConnectServer(CClient& client) {
  if (client.Connect() != 0) return ConnectFailure(client);
  return std::nullopt;
}
