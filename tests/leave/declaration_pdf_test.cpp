#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "declaration_fixture.h"
#include "leave/output/declaration_print.h"
#include "support/pdf_reader.h"

namespace {

class DeclarationPdfTest : public DeclarationTest {
 protected:
  QTemporaryDir dir_;
};

// The whole declaration as a PDF file: its pages, its title, the rows on the third page.
TEST_F(DeclarationPdfTest, RealFileWithAllPages) {
  SKIP_WITHOUT_PDF_READER();
  AddDeclaration(0);
  const qint64 first = AddDeclaration(1);
  AddNumberedEntries(first, 37);
  prompter().QueueFolder(dir_.path());
  ASSERT_EQ(SaveDeclarationPdf(client(), prompter(), first).outcome, PrintOutcome::kPrinted);
  EXPECT_TRUE(prompter().Texts().isEmpty()) << prompter().LastText().toStdString();
  const QString path =
      dir_.filePath(QStringLiteral("12345674_200906_concedii_rectificativa_1.pdf"));
  EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{QFileInfo(path).fileName()});

  const QString info = PdfInfo(path);
  EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+3\\n"))))
      << info.toStdString();
  EXPECT_TRUE(
      info.contains(QRegularExpression(QStringLiteral("Title:\\s+12345674_200906_concedii\\n"))));
  EXPECT_TRUE(info.contains(QStringLiteral("842 x 595 pts")));
  const QString anexa1 = PdfPageText(path, 1);
  EXPECT_TRUE(anexa1.contains(QRegularExpression(QStringLiteral("DECLARATIE\\s+rectificativa 1"))))
      << anexa1.toStdString();
  EXPECT_TRUE(anexa1.contains(kName));
  const QString third = PdfPageText(path, 3);
  EXPECT_TRUE(third.contains(QStringLiteral("Anexa 2")));
  EXPECT_TRUE(
      third.contains(QRegularExpression(QStringLiteral("37\\s+P0037 ION\\s+1800101221144"))))
      << third.toStdString();
  EXPECT_FALSE(third.contains(QStringLiteral("P0036")));
}

TEST_F(DeclarationPdfTest, CancelledOrUnwritableFolder) {
  const qint64 initial = AddDeclaration(0);
  EXPECT_EQ(SaveDeclarationPdf(client(), prompter(), initial).outcome, PrintOutcome::kCancelled);
  EXPECT_TRUE(prompter().Texts().isEmpty());

  // The folder was removed after it was chosen.
  const QString removed = dir_.filePath(QStringLiteral("removed"));
  prompter().QueueFolder(removed);
  EXPECT_EQ(SaveDeclarationPdf(client(), prompter(), initial).outcome, PrintOutcome::kStopped);
  EXPECT_EQ(prompter().Texts(), QStringList{print_texts::kPdfFailed});
  EXPECT_FALSE(QFileInfo::exists(removed));

  // A read-only folder keeps an older file of the same name whole.
  const QString name = QStringLiteral("12345674_200906_concedii.pdf");
  const LockedFolder locked(name);
  if (locked.Locked()) {
    prompter().Clear();
    prompter().QueueFolder(locked.Path());
    EXPECT_EQ(SaveDeclarationPdf(client(), prompter(), initial).outcome, PrintOutcome::kStopped);
    EXPECT_EQ(prompter().Texts(), QStringList{print_texts::kPdfFailed});
    EXPECT_EQ(locked.Older(name), QByteArray("older"));
  }
}

}  // namespace
