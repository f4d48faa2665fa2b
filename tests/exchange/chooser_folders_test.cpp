#include <QDir>
#include <QPushButton>

#include "dbf/report_destination.h"
#include "import_fixture.h"
#include "screens/exchange/c_verify_files_dialog.h"

namespace {

class ChooserFoldersTest : public ImportTest {};

// The import screens and the verification screen each open their file chooser where a file
// of their own kind was last chosen: the desktop the first time, never the other's folder.
TEST_F(ChooserFoldersTest, ImportAndVerificationRememberTheirOwnFolders) {
  const QString imports = folder_.filePath(QStringLiteral("import"));
  const QString checks = folder_.filePath(QStringLiteral("verificare"));
  ASSERT_TRUE(QDir().mkpath(imports) && QDir().mkpath(checks));
  CImportExternalDialog import(nullptr, client(), prompter());
  CVerifyFilesDialog verify(nullptr, prompter());
  const auto check = [&verify](const QString& path) {
    prompter().QueueFile(path);
    verify.findChild<QPushButton*>(QStringLiteral("verifyA"))->click();
  };
  Open(import, QDir(imports).filePath(QStringLiteral("lipsa.dbf")));
  check(QDir(checks).filePath(QStringLiteral("lipsa.dbf")));
  Open(import, QString());
  check(QString());
  const std::vector<std::pair<QString, QString>>& starts = prompter().FileChoosers();
  ASSERT_EQ(starts.size(), 4u);
  EXPECT_EQ(starts[0].second, FolderChooserStart());
  EXPECT_EQ(starts[1].second, FolderChooserStart());
  EXPECT_EQ(starts[2].second, imports);
  EXPECT_EQ(starts[3].second, checks);
}

}  // namespace
