#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "store/server/server_config.h"

namespace {

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A configuration cut by a full disk or a power cut is written again from the data folder
// beside it; anything else the program did not write is the user's and stays as it is.
TEST(ServerConfigTest, ACutConfigurationBesideADataFolderIsWrittenAgain) {
  const QByteArray mark = QByteArray(kProgramConfigMark) + '\n';
  const struct {
    const char* name;
    QByteArray text;
    bool dataFolder;
    bool rewritten;
  } rows[] = {
      {"empty", "", true, true},
      {"cut in its first line", mark.left(20), true, true},
      {"cut before the client group", mark + "[libmysqld_server]\ndatadir=/x", true, true},
      {"empty without a data folder", "", false, false},
      {"the user's own", "[libmysqld_server]\ndatadir=/srv/date\n", true, false},
  };
  for (const auto& row : rows) {
    QTemporaryDir folder;
    const QString config = QDir(folder.path()).filePath(QLatin1String(kServerConfigFile));
    const QString data = QDir(folder.path()).filePath(QStringLiteral("data"));
    if (row.dataFolder) {
      ASSERT_TRUE(QDir().mkpath(data));
    }
    QFile file(config);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(row.text);
    file.close();
    EXPECT_TRUE(EnsureServerConfig(folder.path())) << row.name;
    const QByteArray after = ReadAll(config);
    if (row.rewritten) {
      EXPECT_TRUE(after.startsWith(mark)) << row.name;
      EXPECT_EQ(ConfiguredDataDir(config), data) << row.name;
      EXPECT_TRUE(after.contains("[libmysqld_client]")) << row.name;
    } else {
      EXPECT_EQ(after, row.text) << row.name;
    }
  }
}

}  // namespace
