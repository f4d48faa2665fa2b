#pragma once

#include <QString>
#include <optional>

// The settings file of the start-up directory, beside srv_embedded.cfg. Its [server] group
// points the program at a MariaDB server on the network instead of its own embedded one.
inline constexpr char kSettingsFile[] = "velka-asigurati.ini";
inline constexpr int kDefaultServerPort = 3306;

struct ServerSettings {
  QString host;
  int port = kDefaultServerPort;
  QString user;
  // Taken from the file only when no one but its owner can read it.
  std::optional<QString> password;
  QString sslCa;  // the certificate authority the server's certificate must be signed by
};

// Why the settings file cannot be used, in words for the user; nothing when it can.
struct SettingsProblem {
  QString text;
};

// The [server] group of the settings file in `startDirectory`. Nothing when the file or
// the group is absent: the embedded server is used, as without the file.
[[nodiscard]] std::optional<ServerSettings> ReadServerSettings(
    const QString& startDirectory, std::optional<SettingsProblem>& problem);

// Whether only the file's owner may read (and write) it: no right for the group or others.
[[nodiscard]] bool OwnerOnlyFile(const QString& path);
