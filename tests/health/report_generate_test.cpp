#include <gtest/gtest.h>

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <deque>
#include <functional>

#include "annex_fixture.h"
#include "dbf/dbf_file.h"
#include "dbf/report_destination.h"
#include "exchange/verify/written_check.h"
#include "form_script.h"
#include "health/annexes/annex_save.h"
#include "print/print_recording.h"
#include "screens/health/c_report_generate_dialog.h"
#include "screens/health/c_report_wizard_dialog.h"
#include "store/list_model.h"
#include "ui/c_list_view_ex.h"

namespace {

// The annexes' company with the forms expected to open, in order: each form that opens is
// handed to the next step of the script.
class ReportGenerateTest : public AnnexTest {
 protected:
  void SetUp() override {
    AnnexTest::SetUp();
    AddCompany(kOtherCui, QStringLiteral("ALTA SRL"));  // one insured, at CASAB
    script_.Install();
  }
  void Then(FormScript::Step step) { script_.Then(std::move(step)); }
  bool ScriptDone() const { return script_.Done(); }

  static QString Label(QWidget& form, const char* name) {
    auto* label = form.findChild<QLabel*>(QLatin1String(name));
    return label != nullptr ? label->text() : QStringLiteral("<no label>");
  }
  // The panel: company, house, count.
  static QStringList Panel(QWidget& step) {
    return {Label(step, "company"), Label(step, "house"), Label(step, "count")};
  }
  static QStringList Column(const CListViewEx& list, const QString& name) {
    QStringList cells;
    for (int row = 0; row < list.RowCount(); ++row) cells.append(list.GetCellText(row, name));
    return cells;
  }
  // The naming form: checks what it shows, then chooses and saves.
  void ExpectNamingForm(const char* radio, const QString& shownLegal, const QString& shownByHouse) {
    Then([radio, shownLegal, shownByHouse](QDialog& form) {
      EXPECT_EQ(form.windowTitle(), QStringLiteral("Selecteaza forma denumirii fisierelor"));
      EXPECT_TRUE(form.findChild<QRadioButton*>("byHouse")->isChecked());
      EXPECT_EQ(Label(form, "legal1"), shownLegal);
      EXPECT_EQ(Label(form, "byHouse1"), shownByHouse);
      Click(form, radio);
      Click(form, "save");
    });
  }

  FormScript script_;
};

TEST_F(ReportGenerateTest, WizardStepFourSavesTheFilesOfAHouseAndRefusesWhatCannotBeSaved) {
  CReportWizardDialog wizard(nullptr, client(), prompter());
  wizard.show();
  Then([](QDialog& month) {
    Retype(month, "luna", "7");
    Retype(month, "an", "2009");
    Press(month, Qt::Key_F2);
  });
  QTest::keyClick(&wizard, Qt::Key_F2);
  QTemporaryDir emptyRoot;
  Then([&](QDialog& form) {
    auto& step = dynamic_cast<CReportGenerateDialog&>(form);
    EXPECT_EQ(step.windowTitle(), QStringLiteral("Pasul 4: Generare de rapoarte"));
    EXPECT_EQ(Label(step, "month"), QStringLiteral("Luna curenta: 7 2009"));
    EXPECT_EQ(Column(step.Companies(), "DENUMIRE"), QStringList({"SOCIETATEA", "ALTA SRL"}));
    EXPECT_EQ(step.Houses().RowCount(), 0);
    EXPECT_EQ(Panel(step), QStringList({"", "", ""}));
    for (const char* checked : {"selectedHouse", "annexA", "removable"}) {
      EXPECT_TRUE(step.findChild<QRadioButton*>(checked)->isChecked()) << checked;
    }
    // Each company lists its own houses of the month; none is selected.
    step.Companies().SelectRow(1);
    EXPECT_EQ(Column(step.Houses(), "CAS"), QStringList({"CASAB"}));
    EXPECT_EQ(Panel(step), QStringList({"ALTA SRL", "", "1"}));
    step.Companies().SelectRow(0);
    EXPECT_EQ(Column(step.Houses(), "CAS"), QStringList({"CASAB", "CASVL", "CAS_B"}));
    EXPECT_EQ(step.Houses().SelectedRow(), -1);
    EXPECT_EQ(Panel(step), QStringList({"SOCIETATEA", "", "6"}));
    Click(step, "save");
    EXPECT_EQ(prompter().LastText(), save_texts::kNoHouse);
    step.Houses().SelectRow(2);
    const QString houseName = step.Houses().GetCellText(2, "CASA");
    EXPECT_FALSE(houseName.isEmpty());
    EXPECT_EQ(Panel(step), QStringList({"SOCIETATEA", houseName, "2"}));

    // By house into a chosen folder: three files that read back.
    prompter().Clear();
    Click(step, "folder");
    prompter().QueueFolder(dir_.path());
    ExpectNamingForm("byHouse", "1a_0709_12345674.dbf", "CAS_B_12345674_200907_anexa1A.dbf");
    Click(step, "save");
    EXPECT_EQ(prompter().Texts(), QStringList());
    ASSERT_EQ(prompter().FolderChoosers().size(), 1u);
    EXPECT_EQ(prompter().FolderChoosers()[0],
              std::pair(destination_texts::kChooseFolderTitle, FolderChooserStart()));
    EXPECT_EQ(FilesIn(dir_.path()),
              QStringList({"CAS_B_12345674_200907_anexa1A.dbf", "CAS_B_12345674_200907_anexa1B.dbf",
                           "CAS_B_12345674_200907_anexa1C.dbf"}));
    for (const auto& [annex, records] :
         {std::pair{"1A", 2}, std::pair{"1B", 1}, std::pair{"1C", 3}}) {
      DbfFile file;
      ListModel read;
      ASSERT_TRUE(file.ReadDbf(
          dir_.filePath(
              QStringLiteral("CAS_B_12345674_200907_anexa%1.dbf").arg(QLatin1String(annex))),
          read));
      EXPECT_EQ(read.RowCount(), records) << annex;
      EXPECT_EQ(read.GetCellText(0, "CF"), kCui) << annex;
    }
    EXPECT_EQ(step.findChild<QRadioButton*>("folder")->isChecked(), true);

    // Legal names for all houses: refused, the form opens again and is left; nothing written.
    prompter().Clear();
    Click(step, "allHouses");
    ExpectNamingForm("legal", "1a_0709_12345674.dbf", "CAS_B_12345674_200907_anexa1A.dbf");
    Then([](QDialog& form) { Press(form, Qt::Key_Escape); });
    Click(step, "save");
    EXPECT_EQ(prompter().Texts(), QStringList({naming_texts::kLegalForAllHouses}));
    EXPECT_EQ(FilesIn(dir_.path()).size(), 3);
    EXPECT_TRUE(prompter().FolderChoosers().empty());

    // The removable medium when none is mounted.
    prompter().Clear();
    step.SetVolumeLookup({emptyRoot.path()}, [] { return QStringList{"/"}; });
    Click(step, "selectedHouse");
    Click(step, "removable");
    ExpectNamingForm("legal", "1a_0709_12345674.dbf", "CAS_B_12345674_200907_anexa1A.dbf");
    Click(step, "save");
    EXPECT_EQ(prompter().Texts(), QStringList({destination_texts::kNoRemovableVolume}));
    EXPECT_EQ(QDir(emptyRoot.path()).entryList(QDir::Files).size(), 0);

    // One annex: shown in "Tiparire" first, printed on its "Tipareste", the form then closed;
    // a cancelled print dialog leaves the form open.
    prompter().Clear();
    PrintRecord record;
    bool cancel = true;
    step.SetPrinterChooser([&](PageOrientation, bool) {
      if (cancel) return PrinterChoice::Cancelled();
      return PrinterChoice::Of(std::make_unique<RecordingSurface>(&record));
    });
    Then([&](QDialog& form) {
      EXPECT_EQ(form.windowTitle(), QStringLiteral("Tiparire"));
      EXPECT_EQ(Label(form, "annex"), QStringLiteral("Anexa 2A"));
      auto* list = form.findChild<CListViewEx*>("list");
      ASSERT_NE(list, nullptr);
      EXPECT_EQ(Column(*list, "CATEGORIA"), QStringList({"S", "S", "TOTAL"}));
      EXPECT_EQ(Column(*list, "DATORAT_LUNA"), QStringList({"100", "0", "100"}));
      // The house, the company, the month and the index travel hidden with each person.
      EXPECT_EQ(Column(*list, "CAS"), QStringList({"CAS_B", "CAS_B", ""}));
      EXPECT_EQ(Column(*list, "LA_LUNA"), QStringList({"200907", "", ""}));
      for (const char* hidden : {"CAS", "CF", "LA_LUNA", "INDEX"}) {
        const int column = list->Model().FindColumn(QLatin1String(hidden));
        EXPECT_EQ(list->header()->sectionSize(column), 0) << hidden;
      }
      EXPECT_FALSE(Column(*list, "INDEX").first().isEmpty());
      EXPECT_FALSE(record.started);
      Click(form, "print");
      EXPECT_TRUE(form.isVisible());
      cancel = false;
      Click(form, "print");
      EXPECT_FALSE(form.isVisible());
    });
    Click(step, "print");
    EXPECT_EQ(record.title, QStringLiteral("CAS_B_12345674_200907_2A"));
    EXPECT_TRUE(record.finished);
    EXPECT_TRUE(prompter().Texts().isEmpty()) << prompter().LastText();

    // Every house and every annex as one PDF, named after the choices, with no question.
    QTemporaryDir pdfFolder;
    prompter().QueueFolder(pdfFolder.path());
    Click(step, "allHouses");
    Click(step, "allAnnexes");
    Click(step, "pdf");
    EXPECT_EQ(FilesIn(pdfFolder.path()), QStringList({"TOATE_12345674_200907_ANEXE.pdf"}));
    EXPECT_TRUE(prompter().Texts().isEmpty()) << prompter().LastText();
    // No selection left: the houses go and the panel clears.
    step.Companies().clearSelection();
    EXPECT_EQ(step.Houses().RowCount(), 0);
    EXPECT_EQ(Panel(step), QStringList({"", "", ""}));
    Press(step, Qt::Key_Escape);
  });
  QTest::keyClick(&wizard, Qt::Key_F5);
  EXPECT_TRUE(ScriptDone());
}

// The files of a house saved from step 4: the confirmation names them and their folder and
// says what the check found (the register's bad CNP by file, record and rule; the house's
// anexa 1B without co-insured persons as such); the next save's chooser opens in that
// folder. A PDF is confirmed on its own, its chooser at the desktop the first time. A failed
// save shows its failure and no confirmation.
TEST_F(ReportGenerateTest, EverySaveIsConfirmedAndItsFilesChecked) {
  CReportGenerateDialog step(nullptr, client(), prompter(), 200907);
  step.show();
  step.Companies().SelectRow(0);
  step.Houses().SelectRow(1);
  ASSERT_EQ(step.Houses().GetCellText(1, "CAS"), QStringLiteral("CASVL"));
  Click(step, "folder");
  const QString names[] = {"CASVL_12345674_200907_anexa1A.dbf", "CASVL_12345674_200907_anexa1B.dbf",
                           "CASVL_12345674_200907_anexa1C.dbf"};
  const QString emptyB =
      names[1] +
      ": fara inregistrari - casa nu are coasigurati; este corect asa, desi verificarea refuza "
      "orice fisier gol";
  const auto save = [&](const QString& folder) {
    prompter().Clear();
    prompter().QueueFolder(folder);
    ExpectNamingForm("byHouse", "1a_0709_12345674.dbf", names[0]);
    Click(step, "save");
  };
  save(dir_.path());
  EXPECT_EQ(prompter().FolderChoosers().at(0).second, FolderChooserStart());
  ASSERT_EQ(prompter().Confirmations().size(), 1u);
  SaveConfirmation shown = prompter().Confirmations()[0];
  EXPECT_EQ(shown.heading, confirmation_texts::kReportFiles);
  EXPECT_EQ(shown.folder, QDir::toNativeSeparators(dir_.path()));
  EXPECT_EQ(shown.files, QStringList(std::begin(names), std::end(names)));
  EXPECT_TRUE(shown.faulty);
  EXPECT_EQ(shown.details,
            QStringList({names[0] + ", inregistrarea 1: Campul CNP: Codul Numeric Personal "
                                    "incorect",
                         emptyB}));

  // The register mended, the same save passes, its chooser at the folder of the last one.
  Run(QStringLiteral("UPDATE asigurati.asigurati SET cnp='1650606221144' WHERE cnp=") + Q(kP8));
  save(dir_.path());
  EXPECT_EQ(prompter().FolderChoosers().at(0).second, dir_.path());
  ASSERT_EQ(prompter().Confirmations().size(), 1u);
  shown = prompter().Confirmations()[0];
  EXPECT_FALSE(shown.faulty);
  EXPECT_EQ(shown.verdict, QStringLiteral("verificate: fara greseli"));
  EXPECT_EQ(shown.details, QStringList{emptyB});

  QTemporaryDir pdfFolder;
  prompter().Clear();
  prompter().QueueFolder(pdfFolder.path());
  Click(step, "pdf");
  EXPECT_EQ(prompter().FolderChoosers().at(0).second, FolderChooserStart());
  ASSERT_EQ(prompter().Confirmations().size(), 1u);
  shown = prompter().Confirmations()[0];
  EXPECT_EQ(shown.heading, confirmation_texts::kReportPdf);
  EXPECT_EQ(shown.folder, QDir::toNativeSeparators(pdfFolder.path()));
  EXPECT_EQ(shown.files, QStringList{"CASVL_12345674_200907_2A.pdf"});
  EXPECT_EQ(FilesIn(pdfFolder.path()), shown.files);
  EXPECT_TRUE(shown.verdict.isEmpty());

  QTemporaryDir blocked;
  ASSERT_TRUE(QDir(blocked.path()).mkdir(names[0]));
  save(blocked.path());
  EXPECT_EQ(prompter().Texts(), QStringList{"Nu se poate salva Anexa 1A!"});
  EXPECT_TRUE(prompter().Confirmations().empty());
  EXPECT_TRUE(ScriptDone());
}

// "Tipareste" and "Salveaza ca PDF" stand apart, as two buttons do.
TEST_F(ReportGenerateTest, ThePrintButtonsDoNotTouch) {
  CReportGenerateDialog step(nullptr, client(), prompter(), 200907);
  step.show();
  const QWidget* print = step.findChild<QPushButton*>(QStringLiteral("print"));
  const QWidget* pdf = step.findChild<QPushButton*>(QStringLiteral("pdf"));
  ASSERT_TRUE(print != nullptr && pdf != nullptr);
  EXPECT_EQ(print->geometry().top(), pdf->geometry().top());
  EXPECT_GE(pdf->geometry().left() - print->geometry().right(), 6);
}

TEST_F(ReportGenerateTest, AStepThatCannotReadTheCompaniesDoesNotOpen) {
  Run("RENAME TABLE asigurati.societati TO asigurati.societati_away");
  CReportGenerateDialog::Open(nullptr, client(), prompter(), 200907);
  EXPECT_EQ(client().Execute("RENAME TABLE asigurati.societati_away TO asigurati.societati"), 0);
  ASSERT_EQ(prompter().Texts().size(), 1u);
  EXPECT_TRUE(prompter().LastText().startsWith("EROARE Mysql:"));
  EXPECT_TRUE(ScriptDone());  // no form was shown
}

}  // namespace
