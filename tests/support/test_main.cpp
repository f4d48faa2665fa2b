#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

#include "support/test_server.h"
#include "ui/remembered_folders.h"

namespace {

// Every test starts with the user's settings of a first start (no folder remembered).
class FreshUserSettings : public ::testing::EmptyTestEventListener {
  void OnTestStart(const ::testing::TestInfo&) override {
    QSettings settings{QLatin1String(kUserSettingsOrganisation),
                       QLatin1String(kUserSettingsApplication)};
    settings.clear();
  }
};

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen")
                                                                  : qgetenv("QT_QPA_PLATFORM"));
  QApplication application(argc, argv);
  // The user's own settings go to a folder of the test run, never to the real user's.
  QTemporaryDir settingsFolder;
  for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat}) {
    QSettings::setPath(format, QSettings::UserScope, settingsFolder.path());
  }
  ::testing::InitGoogleTest(&argc, argv);
  ::testing::UnitTest::GetInstance()->listeners().Append(new FreshUserSettings);
  const int result = RUN_ALL_TESTS();
  TestServer::Shutdown();
  return result;
}
