#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include "dbf/dbf_file.h"
#include "declaration_fixture.h"
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

}  // namespace
