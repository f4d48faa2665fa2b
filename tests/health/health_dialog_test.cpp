#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "screens/health/c_health_dialog.h"
#include "support/register_fixture.h"
#include "ui/c_list_view_ex.h"

namespace {

using Screen = CHealthDialog::RegisterScreen;

class HealthDialogTest : public RegisterTest {
 protected:
  std::unique_ptr<CHealthDialog> OpenPanel() {
    auto panel = std::make_unique<CHealthDialog>(nullptr, &client(), &prompter());
    panel->show();
    return panel;
  }
  static QPoint RowPoint(CHealthDialog& panel, int row) {
    CListViewEx& list = panel.CompaniesView();
    return list.visualRect(list.Model().index(row, 0)).center();
  }
  static void SelectRow(CHealthDialog& panel, int row) {
    QTest::mouseClick(panel.CompaniesView().viewport(), Qt::LeftButton, {}, RowPoint(panel, row));
  }
  // The current company and its four counts, as the panel shows them.
  static QStringList Shown(QWidget& panel) {
    QStringList shown;
    for (const char* name : {"currentCompany", "houses", "active", "liquidated", "dependants"}) {
      shown.append(panel.findChild<QLabel*>(QLatin1String(name))->text());
    }
    return shown;
  }
  static QStringList Names(CHealthDialog& panel) {
    QStringList names;
    for (int row = 0; row < panel.CompaniesView().RowCount(); ++row) {
      names.append(panel.CompaniesView().GetCellText(row, QStringLiteral("DENUMIRE")));
    }
    return names;
  }
  static QStringList NothingSelected() { return {CHealthDialog::NoCompanyText(), "", "", "", ""}; }
};

TEST_F(HealthDialogTest, SelectingACompanyShowsItsNameAndItsFourCounts) {
  AddCompany(kCui, QStringLiteral("ALFA SRL"));
  AddCompany(kOtherCui, QStringLiteral("BETA SRL"));
  const QString p1 = "1800101221144", p2 = "1800101221145", p3 = "1800101221146",
                gone = "1800101221147";
  AddInsured(kCui, p1, "CASAB");
  AddInsured(kCui, p2, "CASCJ");
  AddInsured(kCui, p3, "CASAB");
  AddInsured(kCui, gone, "CASTM", 20090531);
  AddInsured(kOtherCui, p1, "CAS_B");  // also employed at BETA: his dependant counts once
  AddDependant(kCui, "2900101221141", p1);
  AddDependant(kCui, "2900101221142", p2);
  AddDependant(kCui, "2900101221143", gone);  // of a liquidated person: not counted
  auto panel = OpenPanel();
  CListViewEx& list = panel->CompaniesView();
  EXPECT_EQ(Names(*panel), QStringList({"ALFA SRL", "BETA SRL"}));
  EXPECT_EQ(list.header()->sectionSize(list.FindColumn("CF")), 0);  // only names are visible
  EXPECT_EQ(list.header()->sectionSize(list.FindColumn("INDEX")), 0);
  EXPECT_EQ(list.SelectedRow(), -1);
  EXPECT_EQ(Shown(*panel), NothingSelected());
  SelectRow(*panel, 0);
  EXPECT_EQ(Shown(*panel), QStringList({"ALFA SRL", "2", "3", "1", "2"}));
  SelectRow(*panel, 1);
  EXPECT_EQ(Shown(*panel), QStringList({"BETA SRL", "1", "1", "0", "0"}));
  QTest::keyClick(&list, Qt::Key_Up);
  EXPECT_EQ(Shown(*panel).first(), QStringLiteral("ALFA SRL"));
  EXPECT_TRUE(prompter().Messages().empty());
}

struct Trigger {
  Qt::Key key;  // Qt::Key_unknown: the button
  Qt::KeyboardModifiers modifiers;
  const char* button;
  Screen screen;
};
const Trigger kTriggers[] = {
    {Qt::Key_F5, Qt::NoModifier, nullptr, Screen::kAddInsured},
    {Qt::Key_unknown, {}, "addInsured", Screen::kAddInsured},
    {Qt::Key_F6, Qt::NoModifier, nullptr, Screen::kLiquidateInsured},
    {Qt::Key_unknown, {}, "liquidateInsured", Screen::kLiquidateInsured},
    {Qt::Key_F5, Qt::ControlModifier, nullptr, Screen::kAddDependant},
    {Qt::Key_unknown, {}, "addDependant", Screen::kAddDependant},
    {Qt::Key_F9, Qt::NoModifier, nullptr, Screen::kInsuredList},
    {Qt::Key_unknown, {}, "showList", Screen::kInsuredList},
    {Qt::Key_unknown, {}, "reports", Screen::kReports},
};

// A button click, or a key pressed while the list has the focus.
void Fire(CHealthDialog& panel, const Trigger& trigger) {
  if (trigger.button != nullptr) {
    QTest::mouseClick(panel.findChild<QPushButton*>(QLatin1String(trigger.button)), Qt::LeftButton);
  } else {
    QTest::keyClick(&panel.CompaniesView(), trigger.key, trigger.modifiers);
  }
}

TEST_F(HealthDialogTest, WithoutACompanyTheActionsOnlySayWhatIsMissing) {
  AddCompany(kCui, QStringLiteral("ALFA SRL"));
  auto panel = OpenPanel();
  std::vector<Screen> opened;
  for (int s = 0; s < CHealthDialog::kRegisterScreens; ++s) {
    panel->SetScreenOpener(static_cast<Screen>(s), [&opened, s](const auto&) {
      opened.push_back(static_cast<Screen>(s));
      return true;
    });
  }
  const std::map<Screen, QString> messages = {
      {Screen::kAddInsured, "Trebuie sa selectezi o societate pentru a adauga un asigurat!"},
      {Screen::kLiquidateInsured, "Trebuie sa selectezi o societate pentru a lichida un asigurat!"},
      {Screen::kAddDependant, "Trebuie sa selectezi o societate pentru a adauga un coasigurat!"},
      {Screen::kInsuredList,
       "Trebuie sa selectezi o societate pentru a-i afisa lista de asigurati!"}};
  QStringList expected;
  for (const Trigger& trigger : kTriggers) {
    Fire(*panel, trigger);
    // The report wizard lets the user choose the company in it.
    if (trigger.screen != Screen::kReports) expected.append(messages.at(trigger.screen));
  }
  EXPECT_EQ(opened, std::vector<Screen>{Screen::kReports});
  Click(*panel, "modifyCompany");
  Click(*panel, "deleteCompany");
  expected << "Trebuie sa selectezi o societate pentru a o modifica!"
           << "Trebuie sa selectezi o societate pentru a o sterge!";
  // Enter opens nothing on the panel, with or without a company.
  SetModalDriver([](QDialog&) { ADD_FAILURE() << "no form opens"; });
  QTest::keyClick(&panel->CompaniesView(), Qt::Key_Return);
  SelectRow(*panel, 0);
  QTest::keyClick(&panel->CompaniesView(), Qt::Key_Return);
  EXPECT_EQ(prompter().Texts(), expected);
  EXPECT_EQ(Names(*panel), QStringList{"ALFA SRL"});
}

TEST_F(HealthDialogTest, RegisterScreensOpenForTheCurrentCompanyAndTheCountsFollowThem) {
  AddCompany(kCui, QStringLiteral("ALFA SRL"));
  AddCompany(kOtherCui, QStringLiteral("BETA SRL"));
  auto panel = OpenPanel();
  SelectRow(*panel, 1);
  auto* liquidatedOnly = panel->findChild<QRadioButton*>(QStringLiteral("filterLiquidated"));
  QTest::mouseClick(liquidatedOnly, Qt::LeftButton, {}, QPoint(6, liquidatedOnly->height() / 2));
  // Every screen hires one more person at the company, then closes with OK or without.
  std::vector<std::pair<Screen, QString>> calls;
  for (const auto& [screen, ok] : std::map<Screen, bool>{{Screen::kAddInsured, true},
                                                         {Screen::kLiquidateInsured, false},
                                                         {Screen::kAddDependant, true},
                                                         {Screen::kInsuredList, false},
                                                         {Screen::kReports, true}}) {
    panel->SetScreenOpener(screen, [&, which = screen, result = ok](const auto& company) {
      calls.emplace_back(
          which, QStringLiteral("%1/%2/%3")
                     .arg(company.denumire, company.cf, QString::number(panel->ListFilter())));
      AddInsured(company.cf, QStringLiteral("17001012211%1").arg(calls.size()));
      return result;
    });
  }
  // The counts follow an OK of the add, liquidate and dependant forms, the list screen
  // however it closes, and never the reports.
  const std::pair<const Trigger&, const char*> steps[] = {{kTriggers[0], "1"},
                                                          {kTriggers[2], "1"},
                                                          {kTriggers[4], "3"},
                                                          {kTriggers[6], "4"},
                                                          {kTriggers[8], "4"}};
  for (const auto& [trigger, active] : steps) {
    Fire(*panel, trigger);
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.back(), std::make_pair(trigger.screen, "BETA SRL/" + kOtherCui + "/2"));
    EXPECT_EQ(Shown(*panel).mid(0, 3), QStringList({"BETA SRL", "1", active}));
  }
  EXPECT_EQ(calls.size(), 5u);
}

TEST_F(HealthDialogTest, AnAddedCompanyIsAppendedSelectedAndShownExactly) {
  AddCompany(kOtherCui, QStringLiteral("BETA SRL"));
  auto panel = OpenPanel();
  const QString name = QStringLiteral("ŢESĂTORIA D'ARAD \\ ȘTEFĂNEȘTI");
  SetModalDriver([](QDialog& form) {
    Retype(form, "cf", kCui);
    Retype(form, "denumire", QStringLiteral("Ţesătoria d'Arad \\ Ștefănești"));
    Retype(form, "ziua_lic", QStringLiteral("10"));
    Retype(form, "sect", QStringLiteral("5"));
    QTest::keyClick(form.focusWidget(), Qt::Key_F5);
  });
  Click(*panel, "addCompany");
  EXPECT_TRUE(prompter().Messages().empty()) << prompter().LastText().toStdString();
  EXPECT_EQ(Names(*panel), QStringList({"BETA SRL", name}));
  CListViewEx& list = panel->CompaniesView();
  EXPECT_EQ(list.SelectedRow(), 1);
  EXPECT_EQ(list.GetCellText(1, "CF"), kCui);
  EXPECT_EQ(list.GetCellText(1, "INDEX"),
            Value("SELECT `index` AS v FROM asigurati.societati WHERE cf='12345674'"));
  EXPECT_EQ(Shown(*panel), QStringList({name, "0", "0", "0", "0"}));
  // A form left with Esc adds nothing; the list read afresh shows the same names.
  SetModalDriver([](QDialog& form) { QTest::keyClick(&form, Qt::Key_Escape); });
  Click(*panel, "addCompany");
  EXPECT_EQ(Names(*OpenPanel()), Names(*panel));
}

TEST_F(HealthDialogTest, ModifyingByDoubleClickUpdatesTheRowAndTheCurrentCompany) {
  AddCompany(kCui, QStringLiteral("ALFA SRL"));
  AddRegisterRows(kCui);
  AddCompany(kThirdCui, QStringLiteral("GAMA SRL"));
  auto panel = OpenPanel();
  SelectRow(*panel, 0);
  SetModalDriver([](QDialog& form) {
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Modifica societate"));
    Retype(form, "denumire", QStringLiteral("Alfa Grup SA"));
    Retype(form, "cf", kOtherCui);
    QTest::keyClick(form.focusWidget(), Qt::Key_F6);
  });
  QTest::mouseDClick(panel->CompaniesView().viewport(), Qt::LeftButton, {}, RowPoint(*panel, 0));
  EXPECT_EQ(Names(*panel), QStringList({"ALFA GRUP SA", "GAMA SRL"}));
  EXPECT_EQ(panel->CompaniesView().GetCellText(0, "CF"), kOtherCui);
  EXPECT_EQ(Shown(*panel), QStringList({"ALFA GRUP SA", "1", "1", "0", "1"}));
  EXPECT_EQ(RowsOf(kOtherCui), std::vector<int>(7, 1));
}

TEST_F(HealthDialogTest, AfterADeletionTheRowInItsPlaceBecomesTheCurrentCompany) {
  AddCompany(kCui, QStringLiteral("ALFA SRL"));
  AddCompany(kOtherCui, QStringLiteral("BETA SRL"));
  AddCompany(kThirdCui, QStringLiteral("GAMA SRL"));
  AddInsured(kThirdCui, kCnp);
  AddInsured(kThirdCui, kOtherCnp, "CASAB", 20090101);
  auto panel = OpenPanel();
  const QString sure = QStringLiteral("Esti sigur ca vrei sa stergi societatea selectata?");
  SelectRow(*panel, 0);
  prompter().QueueAnswers({false});
  Click(*panel, "deleteCompany");
  EXPECT_EQ(prompter().Texts(), QStringList{sure});
  EXPECT_EQ(Names(*panel).size(), 3);
  struct Step {
    int row;
    QStringList left;
    int selected;
    QStringList shown;
  };
  const Step steps[] = {
      // The middle row: the next company moves up into its place and becomes current.
      {1, {"ALFA SRL", "GAMA SRL"}, 1, {"GAMA SRL", "1", "1", "1", "0"}},
      {1, {"ALFA SRL"}, 0, {"ALFA SRL", "0", "0", "0", "0"}},  // the last row: the new last
      {0, {}, -1, NothingSelected()},                          // the only row: nothing left
  };
  for (const Step& step : steps) {
    SelectRow(*panel, step.row);
    prompter().Clear();
    prompter().QueueAnswers({true, true});
    Click(*panel, "deleteCompany");
    EXPECT_EQ(prompter().Texts().last(), sure);
    EXPECT_EQ(Names(*panel), step.left);
    EXPECT_EQ(panel->CompaniesView().SelectedRow(), step.selected);
    EXPECT_EQ(Shown(*panel), step.shown);
  }
  EXPECT_EQ(Companies(), QStringLiteral("0"));
  EXPECT_EQ(Value("SELECT COUNT(*) AS v FROM asigurati.asigurati"), QStringLiteral("0"));
}

TEST_F(HealthDialogTest, AfterASortTheClickedCompanyIsTheCurrentOne) {
  for (const QString& cf : {kCui, kOtherCui, kThirdCui}) AddCompany(cf, "SC " + cf);
  auto panel = OpenPanel();
  CListViewEx& list = panel->CompaniesView();
  SelectRow(*panel, 0);
  const QPoint header(list.header()->sectionViewportPosition(list.FindColumn("DENUMIRE")) + 5, 5);
  // Ascending, then descending: the first company keeps its selection at the bottom.
  for (int click = 0; click < 2; ++click) {
    QTest::mouseClick(list.header()->viewport(), Qt::LeftButton, {}, header);
  }
  ASSERT_EQ(list.SelectedRow(), 2);
  EXPECT_EQ(Shown(*panel).first(), "SC " + kCui);
  SelectRow(*panel, 0);
  EXPECT_EQ(Shown(*panel).first(), "SC " + kThirdCui);
}

TEST_F(HealthDialogTest, F5AndF6OpenTheInsuredFormsAndTheCountsFollowOnlyAnOk) {
  AddCompany(kCui, QStringLiteral("ALFA SRL"));
  auto panel = OpenPanel();
  SelectRow(*panel, 0);
  const QStringList none = {"ALFA SRL", "0", "0", "0", "0"};
  const QStringList hired = {"ALFA SRL", "1", "1", "0", "0"};
  // Each form is filled, checked against the unchanged counts, then confirmed or left.
  struct Step {
    Qt::Key key;
    const char* title;
    bool confirm;
    QStringList after;
  };
  const Step steps[] = {
      {Qt::Key_F5, "Adauga un asigurat", false, none},
      {Qt::Key_F5, "Adauga un asigurat", true, hired},
      {Qt::Key_F6, "Lichideaza un asigurat", false, hired},
      {Qt::Key_F6, "Lichideaza un asigurat", true, {"ALFA SRL", "0", "0", "1", "0"}}};
  for (const Step& step : steps) {
    const QStringList before = Shown(*panel);
    QString title;
    SetModalDriver([&](QDialog& form) {
      title = form.windowTitle();
      if (step.key == Qt::Key_F5) {
        Retype(form, "nume", QStringLiteral("Pop"));
        Retype(form, "prenume", QStringLiteral("Ion"));
        Retype(form, "cnp", kCnp);
        RetypeDate(form, "intrare", "15", "05", "2009");
      } else {
        Retype(form, "cnp", kCnp.left(3));
        RetypeDate(form, "iesire", "30", "06", "2009");
      }
      EXPECT_EQ(Shown(*panel), before);
      Press(form, step.confirm ? step.key : Qt::Key_Escape);
    });
    QTest::keyClick(&panel->CompaniesView(), step.key);
    EXPECT_EQ(title, QLatin1String(step.title));
    EXPECT_EQ(Shown(*panel), step.after) << step.title << " " << step.confirm;
  }
  EXPECT_TRUE(prompter().Texts().isEmpty()) << prompter().LastText().toStdString();
}

}  // namespace
