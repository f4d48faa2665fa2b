#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "store/server/server_settings.h"

namespace {

constexpr QFileDevice::Permissions kOwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
const QString kIn = QStringLiteral("In fisierul de setari");
constexpr QFileDevice::Permissions kReadableByAll =
    kOwnerOnly | QFileDevice::ReadGroup | QFileDevice::ReadOther;

TEST(ServerSettingsTest, TheServerGroupIsReadAsWritten) {
  struct Case {
    const char* name;
    const char* contents;  // nullptr: no file
    QFileDevice::Permissions permissions;
    bool server;
    QString host;
    int port;
    QString user;
    std::optional<QString> password;
    QString sslCa;
    QString problem;  // the start of the message
  };
  const Case cases[] = {
      {"no file", nullptr, kOwnerOnly, false, {}, 0, {}, {}, {}, {}},
      // A file the program cannot make sense of stops the start instead of being passed over.
      {"other groups only", "[general]\nhost=x\n", kOwnerOnly, false, {}, 0, {}, {}, {}, kIn},
      {"mistyped group",
       "[Server]\nhost=srv\nuser=velka\n",
       kOwnerOnly,
       false,
       {},
       0,
       {},
       {},
       {},
       kIn},
      {"a second group",
       "[server]\nhost=srv\nuser=velka\n[servr]\nport=1\n",
       kOwnerOnly,
       false,
       {},
       0,
       {},
       {},
       {},
       kIn},
      {"empty", "", kOwnerOnly, false, {}, 0, {}, {}, {}, kIn},
      {"comments only", "; [server]\n", kOwnerOnly, false, {}, 0, {}, {}, {}, kIn},
      {"quoted values",
       "[server]\nhost=\"srv\"\nport=3307\nuser=\"velka\"\npassword=\"a,b\\\\c\"\n"
       "ssl-ca=\"/etc/ca.pem\"\n",
       kOwnerOnly,
       true,
       "srv",
       3307,
       "velka",
       QStringLiteral("a,b\\c"),
       "/etc/ca.pem",
       {}},
      {"password in a file others may read",
       "[server]\nhost=srv\nuser=velka\npassword=x\n",
       kReadableByAll,
       true,
       "srv",
       3306,
       "velka",
       std::nullopt,
       {},
       {}},
      {"no password line",
       "[server]\nhost=srv\nuser=velka\n",
       kOwnerOnly,
       true,
       "srv",
       3306,
       "velka",
       std::nullopt,
       {},
       {}},
      {"empty password",
       "[server]\nhost=srv\nuser=velka\npassword=\"\"\n",
       kOwnerOnly,
       true,
       "srv",
       3306,
       "velka",
       QString(),
       {},
       {}},
      {"unquoted comma",
       "[server]\nhost=srv\nuser=velka\npassword=a,b\n",
       kOwnerOnly,
       true,
       "srv",
       3306,
       "velka",
       QStringLiteral("a,b"),
       {},
       {}},
      {"no host",
       "[server]\nuser=velka\n",
       kOwnerOnly,
       false,
       {},
       0,
       {},
       {},
       {},
       "In fisierul de setari"},
      {"port out of range",
       "[server]\nhost=srv\nuser=velka\nport=70000\n",
       kOwnerOnly,
       false,
       {},
       0,
       {},
       {},
       {},
       "In fisierul de setari"},
      // Where the daily copies go: the register stays the embedded one.
      {"copies group only", "[copii]\ndosar=\"/media/disc2\"\n", kOwnerOnly, false, {}, 0, {},
       {}, {}, {}},
      {"server and copies",
       "[server]\nhost=srv\nuser=velka\n[copii]\ndosar=copii\n",
       kOwnerOnly,
       true,
       "srv",
       3306,
       "velka",
       std::nullopt,
       {},
       {}},
      {"a mistyped copies group", "[copi]\ndosar=x\n", kOwnerOnly, false, {}, 0, {}, {}, {}, kIn},
  };
  for (const Case& c : cases) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QString::fromLatin1(kSettingsFile));
    if (c.contents != nullptr) {
      QFile file(path);
      ASSERT_TRUE(file.open(QIODevice::WriteOnly));
      file.write(c.contents);
      file.close();
      file.setPermissions(c.permissions);
    }
    std::optional<SettingsProblem> problem;
    const std::optional<ServerSettings> settings = ReadServerSettings(folder.path(), problem);
    EXPECT_EQ(settings.has_value(), c.server) << c.name;
    EXPECT_EQ(problem ? problem->text.left(21) : QString(), c.problem) << c.name;
    if (!settings) continue;
    EXPECT_EQ(settings->host, c.host) << c.name;
    EXPECT_EQ(settings->port, c.port) << c.name;
    EXPECT_EQ(settings->user, c.user) << c.name;
    EXPECT_EQ(settings->password, c.password) << c.name;
    EXPECT_EQ(settings->sslCa, c.sslCa) << c.name;
  }
}

}  // namespace
