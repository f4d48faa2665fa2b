#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include "dbf/dbf_file.h"
#include "dbf/report_destination.h"
#include "declaration_fixture.h"
#include "exchange/verify/written_check.h"
#include "print/print_recording.h"
#include "screens/leave/c_leave_declarations_dialog.h"
#include "store/list_model.h"
#include "ui/c_list_view_ex.h"

namespace {

class DeclarationOutputPanelTest : public DeclarationTest {
 protected:
};

// The selected declaration printed, saved as PDF and written as its two files from the
// panel's buttons, with the same figures the panel shows.
TEST_F(DeclarationOutputPanelTest, PrintPdfAndFilesOfTheSelectedDeclaration) {
  const qint64 initial = AddDeclaration(0);
  AddEntries(initial, {{"", "POP", "ION", "1800101221144", "CASCJ", "CCMAA", "12", 1, 10, "1500"},
                       {"", "ALBU", "ANA", "2800404221145", "CASCJ", "CCMAB", "13", 8, 8, "230"}});
  CLeaveDeclarationsDialog panel(nullptr, &client(), &prompter());
  PrintRecord record;
  panel.SetPrinterChooser(RecordingChooser(&record));
  panel.show();
  SelectRow(panel.CompaniesView(), 0);
  SelectRow(panel.DeclarationsView(), 0);
  ASSERT_EQ(panel.CertificatesView().RowCount(), 2);

  Click(panel, "printDeclaration");
  EXPECT_EQ(record.title, QStringLiteral("12345674_200906_concedii"));
  EXPECT_EQ(record.pagesEnded, 2);
  const PrintItem* j = record.Find(QStringLiteral("1.730"), 1);
  ASSERT_NE(j, nullptr) << record.Dump().toStdString();
  EXPECT_EQ(j->cell, (PrintRect{3300, 1300, 4200, 1400}));
  EXPECT_TRUE(panel.PanelLines()[5].endsWith(QStringLiteral(": 1.730")))
      << panel.PanelLines()[5].toStdString();

  QTemporaryDir pdfFolder;
  prompter().QueueFolder(pdfFolder.path());
  Click(panel, "saveDeclarationPdf");
  EXPECT_TRUE(QFile::exists(pdfFolder.filePath(QStringLiteral("12345674_200906_concedii.pdf"))));

  QTemporaryDir filesFolder;
  QTest::mouseClick(panel.findChild<QRadioButton*>(QStringLiteral("toFolder")), Qt::LeftButton);
  prompter().QueueFolder(filesFolder.path());
  Click(panel, "saveReportFiles");
  EXPECT_TRUE(prompter().Texts().isEmpty()) << prompter().LastText().toStdString();
  DbfFile a1;
  ListModel record1;
  ASSERT_EQ(
      a1.ReadDbf(filesFolder.filePath(QStringLiteral("CM_CASCJ_12345674_200906_A1.dbf")), record1),
      1);
  EXPECT_EQ(record1.GetCellText(0, QStringLiteral("TOT_CUANT_")), QStringLiteral("1730"));
  DbfFile a2;
  ListModel records2;
  ASSERT_EQ(
      a2.ReadDbf(filesFolder.filePath(QStringLiteral("CM_CASCJ_12345674_200906_A2.dbf")), records2),
      1);
  ASSERT_EQ(records2.RowCount(), 2);
  EXPECT_EQ(records2.GetCellText(0, QStringLiteral("NUME_ASIG")).trimmed(),
            QStringLiteral("ALBU ANA"));
}

// The declaration's files and PDF saved from the panel: each confirmed with the names and
// the folder written, the files checked (a certificate with a bad CNP named by file, record
// and rule; the A2 of a declaration without certificates named as such); each chooser opens
// at the desktop the first time, then where its own kind was last saved.
TEST_F(DeclarationOutputPanelTest, SavesAreConfirmedAndTheirFilesChecked) {
  const qint64 initial = AddDeclaration(0);
  AddEntries(initial, {{"", "POP", "ION", "1800101221144", "CASCJ", "CCMAA", "12", 1, 10, "1500"},
                       {"", "ALBU", "ANA", "2800404221146", "CASCJ", "CCMAB", "13", 8, 8, "230"}});
  AddDeclaration(1);
  CLeaveDeclarationsDialog panel(nullptr, &client(), &prompter());
  panel.show();
  SelectRow(panel.CompaniesView(), 0);
  SelectRow(panel.DeclarationsView(), 0);
  QTest::mouseClick(panel.findChild<QRadioButton*>(QStringLiteral("toFolder")), Qt::LeftButton);
  const QStringList names = {"CM_CASCJ_12345674_200906_A1.dbf", "CM_CASCJ_12345674_200906_A2.dbf"};
  QTemporaryDir files;
  prompter().QueueFolder(files.path());
  Click(panel, "saveReportFiles");
  EXPECT_EQ(prompter().FolderChoosers().at(0).second, FolderChooserStart());
  ASSERT_EQ(prompter().Confirmations().size(), 1u);
  SaveConfirmation shown = prompter().Confirmations()[0];
  EXPECT_EQ(shown.heading, confirmation_texts::kDeclarationFiles);
  EXPECT_EQ(shown.folder, QDir::toNativeSeparators(files.path()));
  EXPECT_EQ(shown.files, names);
  EXPECT_TRUE(shown.faulty);
  EXPECT_EQ(shown.details, QStringList{names[1] + ", inregistrarea 1: Campul CNP: codul numeric "
                                                  "personal este invalid"});

  prompter().Clear();
  SelectRow(panel.DeclarationsView(), 1);
  ASSERT_EQ(panel.CertificatesView().RowCount(), 0);
  prompter().QueueFolder(files.path());
  Click(panel, "saveReportFiles");
  EXPECT_EQ(prompter().FolderChoosers().at(0).second, files.path());
  ASSERT_EQ(prompter().Confirmations().size(), 1u);
  shown = prompter().Confirmations()[0];
  EXPECT_EQ(shown.verdict, QStringLiteral("verificate: fara greseli"));
  EXPECT_EQ(shown.details,
            QStringList{names[1] + ": fara inregistrari - declaratia nu are concedii medicale; "
                                   "este corect asa, desi verificarea refuza orice fisier gol"});

  prompter().Clear();
  QTemporaryDir pdfs;
  prompter().QueueFolder(pdfs.path());
  Click(panel, "saveDeclarationPdf");
  EXPECT_EQ(prompter().FolderChoosers().at(0).second, FolderChooserStart());
  ASSERT_EQ(prompter().Confirmations().size(), 1u);
  shown = prompter().Confirmations()[0];
  EXPECT_EQ(shown.heading, confirmation_texts::kDeclarationPdf);
  EXPECT_EQ(shown.folder, QDir::toNativeSeparators(pdfs.path()));
  EXPECT_EQ(shown.files, QStringList{"12345674_200906_concedii_rectificativa_1.pdf"});
  EXPECT_TRUE(QFile::exists(pdfs.filePath(shown.files[0])));
  EXPECT_TRUE(shown.verdict.isEmpty());
  EXPECT_TRUE(prompter().Texts().isEmpty()) << prompter().LastText().toStdString();
}

}  // namespace
