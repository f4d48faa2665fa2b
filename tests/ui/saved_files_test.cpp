#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include "dbf/report_destination.h"
#include "support/form_driver.h"
#include "ui/c_saved_files_dialog.h"
#include "ui/modal.h"
#include "ui/qt_prompter.h"
#include "ui/remembered_folders.h"

// Takes the folders the desktop is asked to open, in place of its file manager.
class FolderOpener : public QObject {
  Q_OBJECT

 public:
  QList<QUrl> opened;

 public slots:
  void Open(const QUrl& url) { opened.append(url); }
};

namespace {

// Each kind of chooser opens at the desktop until it is answered, then at the folder of its
// own last answer, whatever the other kinds were answered with; a folder gone since opens
// the desktop again.
TEST(RememberedFoldersTest, EachKindOpensWhereItWasLastAnswered) {
  const FolderKind kinds[] = {FolderKind::kAnnexFiles,   FolderKind::kDeclarationFiles,
                              FolderKind::kPdf,          FolderKind::kImport,
                              FolderKind::kVerification, FolderKind::kCopies,
                              FolderKind::kMonthFiles};
  QTemporaryDir root;
  for (const FolderKind kind : kinds) EXPECT_EQ(StartFolder(kind), FolderChooserStart());
  for (size_t i = 0; i < std::size(kinds); ++i) {
    const QString folder = root.filePath(QString::number(i));
    ASSERT_TRUE(QDir().mkpath(folder));
    RememberFolder(kinds[i], folder);
    RememberFolder(kinds[i], QString());  // a cancelled chooser changes nothing
  }
  for (size_t i = 0; i < std::size(kinds); ++i) {
    EXPECT_EQ(StartFolder(kinds[i]), root.filePath(QString::number(i))) << i;
  }
  ASSERT_TRUE(QDir(root.filePath(QStringLiteral("2"))).removeRecursively());
  EXPECT_EQ(StartFolder(FolderKind::kPdf), FolderChooserStart());
}

// The window's confirmation: what was written where and what the check found, the folder
// opened by the desktop on its button, and Enter closing it.
TEST(SavedFilesDialogTest, ShowsTheSaveOpensTheFolderAndClosesOnEnter) {
  QTemporaryDir folder;
  const SaveConfirmation confirmation{
      QStringLiteral("Fisierele de raportare au fost salvate."),
      QDir::toNativeSeparators(folder.path()),
      {"CASVL_12345674_200907_anexa1A.dbf", "CASVL_12345674_200907_anexa1B.dbf"},
      QStringLiteral("verificate: un fisier are greseli - casa de asigurari l-ar refuza"),
      {"CASVL_12345674_200907_anexa1A.dbf, inregistrarea 1: Campul CNP: Codul Numeric Personal "
       "incorect"},
      true};
  FolderOpener opener;
  QDesktopServices::setUrlHandler(QStringLiteral("file"), &opener, "Open");
  bool driven = false;
  SetModalDriver([&](QDialog& dialog) {
    driven = true;
    EXPECT_EQ(dialog.windowTitle(), CSavedFilesDialog::Title());
    const auto text = [&dialog](const char* name) {
      auto* label = dialog.findChild<QLabel*>(QLatin1String(name));
      return label != nullptr ? label->text() : QStringLiteral("<no label>");
    };
    EXPECT_EQ(text("heading"), confirmation.heading);
    EXPECT_EQ(text("folder"), QStringLiteral("Dosarul: ") + confirmation.folder);
    EXPECT_EQ(text("verdict"), confirmation.verdict);
    auto* files = dialog.findChild<QListWidget*>(QStringLiteral("files"));
    ASSERT_NE(files, nullptr);
    ASSERT_EQ(files->count(), 2);
    EXPECT_EQ(files->item(1)->text(), confirmation.files[1]);
    auto* details = dialog.findChild<QPlainTextEdit*>(QStringLiteral("details"));
    ASSERT_NE(details, nullptr);
    EXPECT_EQ(details->toPlainText(), confirmation.details.join(u'\n'));

    Click(dialog, "openFolder");
    EXPECT_EQ(opener.opened, QList<QUrl>{QUrl::fromLocalFile(folder.path())});
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(dialog.findChild<QLabel*>(QStringLiteral("openFailed"))->isVisibleTo(&dialog));
    Press(dialog, Qt::Key_Return);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
  });
  QtPrompter prompter;
  prompter.ConfirmSaved(confirmation);
  SetModalDriver(nullptr);
  QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
  EXPECT_TRUE(driven);
}

}  // namespace

#include "saved_files_test.moc"
