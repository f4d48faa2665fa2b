#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "health/c_health_dialog.h"
#include "health_fixture.h"
#include "ui/c_list_view_ex.h"

namespace {

using Screen = CHealthDialog::RegisterScreen;

class HealthDialogTest : public HealthTest {
 protected:
  std::unique_ptr<CHealthDialog> OpenPanel() {
    auto panel = std::make_unique<CHealthDialog>(nullptr, &client(), &prompter());
    panel->show();
    return panel;
  }
  static void Click(QWidget& panel, const char* name) {
    auto* button = panel.findChild<QPushButton*>(QLatin1String(name));
    ASSERT_NE(button, nullptr) << name;
    QTest::mouseClick(button, Qt::LeftButton);
  }
  static QPoint RowPoint(CHealthDialog& panel, int row) {
    CListViewEx& list = panel.CompaniesView();
    return list.visualRect(list.Model().index(row, 0)).center();
  }
  static void SelectRow(CHealthDialog& panel, int row) {
    QTest::mouseClick(panel.CompaniesView().viewport(), Qt::LeftButton, {}, RowPoint(panel, row));
  }
  static QString Label(QWidget& panel, const char* name) {
    auto* label = panel.findChild<QLabel*>(QLatin1String(name));
    return label != nullptr ? label->text() : QStringLiteral("<no label>");
  }
  // The current company and its four counts, as the panel shows them.
  static QStringList Shown(QWidget& panel) {
    return {Label(panel, "currentCompany"), Label(panel, "houses"), Label(panel, "active"),
            Label(panel, "liquidated"), Label(panel, "dependants")};
  }
  static QStringList Names(CHealthDialog& panel) {
    QStringList names;
    for (int row = 0; row < panel.CompaniesView().RowCount(); ++row) {
      names.append(panel.CompaniesView().GetCellText(row, QStringLiteral("DENUMIRE")));
    }
    return names;
  }
  static QStringList NothingSelected() {
    return {CHealthDialog::NoCompanyText(), QString(), QString(), QString(), QString()};
  }
};

TEST_F(HealthDialogTest, OpensWithTheCompaniesOnlyTheirNamesVisibleAndNoneSelected) {
  AddCompany(kCui, QStringLiteral("ALFA SRL"));
  AddCompany(kOtherCui, QStringLiteral("BETA SRL"));
  auto panel = OpenPanel();
  CListViewEx& list = panel->CompaniesView();
  EXPECT_EQ(panel->windowTitle(), QStringLiteral("Declaratia de sanatate"));
  EXPECT_EQ(Names(*panel), QStringList({QStringLiteral("ALFA SRL"), QStringLiteral("BETA SRL")}));
  EXPECT_EQ(list.GetCellText(1, QStringLiteral("CF")), kOtherCui);
  EXPECT_EQ(list.header()->sectionSize(list.FindColumn(QStringLiteral("DENUMIRE"))), 250);
  EXPECT_EQ(list.header()->sectionSize(list.FindColumn(QStringLiteral("CF"))), 0);
  EXPECT_EQ(list.header()->sectionSize(list.FindColumn(QStringLiteral("INDEX"))), 0);
  EXPECT_EQ(list.SelectedRow(), -1);
  EXPECT_EQ(Shown(*panel), NothingSelected());
  auto* current = panel->findChild<QLabel*>(QStringLiteral("currentCompany"));
  EXPECT_EQ(current->palette().color(QPalette::WindowText), QColor(0, 255, 0));
  EXPECT_EQ(current->palette().color(QPalette::Window), QColor(0, 0, 0));
  EXPECT_EQ(
      panel->findChild<QLabel*>(QStringLiteral("active"))->palette().color(QPalette::WindowText),
      QColor(0, 127, 0));
}

TEST_F(HealthDialogTest, SelectingACompanyShowsItsNameAndItsFourCounts) {
  AddCompany(kCui, QStringLiteral("ALFA SRL"));
  AddCompany(kOtherCui, QStringLiteral("BETA SRL"));
  const QString active1 = QStringLiteral("1800101221144"),
                active2 = QStringLiteral("1800101221145"),
                active3 = QStringLiteral("1800101221146"), gone = QStringLiteral("1800101221147");
  AddInsured(kCui, active1, QStringLiteral("CASAB"));
  AddInsured(kCui, active2, QStringLiteral("CASCJ"));
  AddInsured(kCui, active3, QStringLiteral("CASAB"));
  AddInsured(kCui, gone, QStringLiteral("CASTM"), 20090531);
  AddInsured(kOtherCui, active1, QStringLiteral("CAS_B"));  // also employed at BETA
  AddDependant(kCui, QStringLiteral("2900101221141"), active1);
  AddDependant(kCui, QStringLiteral("2900101221142"), active2);
  AddDependant(kCui, QStringLiteral("2900101221143"), gone);  // of a liquidated person
  auto panel = OpenPanel();
  SelectRow(*panel, 0);
  EXPECT_EQ(Shown(*panel),
            QStringList({QStringLiteral("ALFA SRL"), QStringLiteral("2"), QStringLiteral("3"),
                         QStringLiteral("1"), QStringLiteral("2")}));
  SelectRow(*panel, 1);
  EXPECT_EQ(Shown(*panel),
            QStringList({QStringLiteral("BETA SRL"), QStringLiteral("1"), QStringLiteral("1"),
                         QStringLiteral("0"), QStringLiteral("0")}));
  QTest::keyClick(&panel->CompaniesView(), Qt::Key_Up);  // the keyboard selects too
  EXPECT_EQ(Label(*panel, "currentCompany"), QStringLiteral("ALFA SRL"));
  EXPECT_TRUE(prompter().Messages().empty());
}

struct Trigger {
  const char* what;
  Qt::Key key;  // Qt::Key_unknown: the button
  Qt::KeyboardModifiers modifiers;
  const char* button;
  Screen screen;
};
const Trigger kTriggers[] = {
    {"F5", Qt::Key_F5, Qt::NoModifier, nullptr, Screen::kAddInsured},
    {"add insured button", Qt::Key_unknown, {}, "addInsured", Screen::kAddInsured},
    {"F6", Qt::Key_F6, Qt::NoModifier, nullptr, Screen::kLiquidateInsured},
    {"liquidate button", Qt::Key_unknown, {}, "liquidateInsured", Screen::kLiquidateInsured},
    {"Ctrl+F5", Qt::Key_F5, Qt::ControlModifier, nullptr, Screen::kAddDependant},
    {"add dependant button", Qt::Key_unknown, {}, "addDependant", Screen::kAddDependant},
    {"F9", Qt::Key_F9, Qt::NoModifier, nullptr, Screen::kInsuredList},
    {"show list button", Qt::Key_unknown, {}, "showList", Screen::kInsuredList},
    {"reports button", Qt::Key_unknown, {}, "reports", Screen::kReports},
};

void Fire(CHealthDialog& panel, const Trigger& trigger) {
  if (trigger.button != nullptr) {
    QTest::mouseClick(panel.findChild<QPushButton*>(QLatin1String(trigger.button)), Qt::LeftButton);
  } else {
    // The list has the focus, as after a click on a company.
    QTest::keyClick(&panel.CompaniesView(), trigger.key, trigger.modifiers);
  }
}

TEST_F(HealthDialogTest, RegisterActionsWithoutACompanyOnlySayWhatIsMissing) {
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
  for (const Trigger& trigger : kTriggers) {
    prompter().Clear();
    opened.clear();
    Fire(*panel, trigger);
    if (trigger.screen == Screen::kReports) {
      // The report wizard lets the user choose the company in it.
      EXPECT_TRUE(prompter().Messages().empty());
      EXPECT_EQ(opened, std::vector<Screen>{Screen::kReports});
    } else {
      EXPECT_EQ(prompter().Texts(), QStringList{messages.at(trigger.screen)}) << trigger.what;
      EXPECT_TRUE(opened.empty()) << trigger.what;
    }
  }
  prompter().Clear();
  Click(*panel, "modifyCompany");
  Click(*panel, "deleteCompany");
  EXPECT_EQ(prompter().Texts(),
            QStringList({QStringLiteral("Trebuie sa selectezi o societate pentru a o modifica!"),
                         QStringLiteral("Trebuie sa selectezi o societate pentru a o sterge!")}));
  EXPECT_EQ(Names(*panel), QStringList{QStringLiteral("ALFA SRL")});
}

TEST_F(HealthDialogTest, RegisterScreensOpenForTheCurrentCompanyAndTheCountsFollowThem) {
  AddCompany(kCui, QStringLiteral("ALFA SRL"));
  AddCompany(kOtherCui, QStringLiteral("BETA SRL"));
  auto panel = OpenPanel();
  SelectRow(*panel, 1);
  auto* liquidatedOnly = panel->findChild<QRadioButton*>(QStringLiteral("filterLiquidated"));
  QTest::mouseClick(liquidatedOnly, Qt::LeftButton, {}, QPoint(6, liquidatedOnly->height() / 2));
  // Each screen hires one more person at the company, then closes with OK or not.
  const std::map<Screen, bool> closesWithOk = {{Screen::kAddInsured, true},
                                               {Screen::kLiquidateInsured, false},
                                               {Screen::kAddDependant, true},
                                               {Screen::kInsuredList, false},
                                               {Screen::kReports, true}};
  std::vector<std::pair<Screen, QString>> calls;
  int hired = 0;
  for (const auto& [screen, ok] : closesWithOk) {
    const Screen which = screen;
    const bool result = ok;
    panel->SetScreenOpener(which, [&, which, result](const CHealthDialog::CurrentCompany& c) {
      calls.emplace_back(which,
                         c.denumire + u'/' + c.cf + u'/' + QString::number(panel->ListFilter()));
      AddInsured(c.cf, QStringLiteral("17001012211") + QString::number(10 + hired++));
      return result;
    });
  }
  // After the add, liquidate and dependant forms the counts follow only an OK; after the
  // list always; after the reports never.
  const std::pair<const Trigger&, const char*> steps[] = {{kTriggers[0], "1"},
                                                          {kTriggers[2], "1"},
                                                          {kTriggers[4], "3"},
                                                          {kTriggers[6], "4"},
                                                          {kTriggers[8], "4"}};
  for (const auto& [trigger, active] : steps) {
    Fire(*panel, trigger);
    ASSERT_FALSE(calls.empty()) << trigger.what;
    EXPECT_EQ(calls.back(), std::make_pair(trigger.screen, QStringLiteral("BETA SRL/") + kOtherCui +
                                                               QStringLiteral("/2")))
        << trigger.what;
    EXPECT_EQ(Label(*panel, "active"), QLatin1String(active)) << trigger.what;
    EXPECT_EQ(Label(*panel, "currentCompany"), QStringLiteral("BETA SRL"));
  }
  EXPECT_EQ(calls.size(), 5u);
}

TEST_F(HealthDialogTest, EnterOnThePanelDoesNothing) {
  AddCompany(kCui, QStringLiteral("ALFA SRL"));
  auto panel = OpenPanel();
  SelectRow(*panel, 0);
  SetModalDriver([](QDialog&) { ADD_FAILURE() << "no form opens"; });
  QTest::keyClick(&panel->CompaniesView(), Qt::Key_Return);
  QTest::keyClick(panel.get(), Qt::Key_Return);
  EXPECT_TRUE(prompter().Messages().empty());
  EXPECT_TRUE(panel->isVisible());
}

TEST_F(HealthDialogTest, AnAddedCompanyIsAppendedSelectedAndShownExactly) {
  AddCompany(kOtherCui, QStringLiteral("BETA SRL"));
  auto panel = OpenPanel();
  const QString typed = QStringLiteral("Ţesătoria d'Arad \\ Ștefănești");
  const QString name = QStringLiteral("ŢESĂTORIA D'ARAD \\ ȘTEFĂNEȘTI");
  SetModalDriver([&](QDialog& form) {
    Retype(form, "cf", kCui);
    Retype(form, "denumire", typed);
    Retype(form, "ziua_lic", QStringLiteral("10"));
    Retype(form, "sect", QStringLiteral("5"));
    QTest::keyClick(form.focusWidget(), Qt::Key_F5);
  });
  Click(*panel, "addCompany");
  EXPECT_TRUE(prompter().Messages().empty()) << prompter().LastText().toStdString();
  EXPECT_EQ(Names(*panel), QStringList({QStringLiteral("BETA SRL"), name}));
  CListViewEx& list = panel->CompaniesView();
  EXPECT_EQ(list.SelectedRow(), 1);
  EXPECT_EQ(list.GetCellText(1, QStringLiteral("CF")), kCui);
  const QString index =
      Value(QStringLiteral("SELECT `index` AS v FROM asigurati.societati WHERE "
                           "cf='12345674'"));
  EXPECT_EQ(list.GetCellText(1, QStringLiteral("INDEX")), index);
  EXPECT_EQ(Shown(*panel), QStringList({name, QStringLiteral("0"), QStringLiteral("0"),
                                        QStringLiteral("0"), QStringLiteral("0")}));
  EXPECT_EQ(
      Value(QStringLiteral("SELECT denumire AS v FROM asigurati.societati WHERE `index`=") + index),
      name);
  // A form closed with Esc adds nothing.
  SetModalDriver([](QDialog& form) { QTest::keyClick(&form, Qt::Key_Escape); });
  Click(*panel, "addCompany");
  EXPECT_EQ(list.RowCount(), 2);
  // The list read afresh shows the same name.
  auto again = OpenPanel();
  EXPECT_EQ(Names(*again), Names(*panel));
}

TEST_F(HealthDialogTest, ModifyingByDoubleClickUpdatesTheRowAndTheCurrentCompany) {
  AddCompany(kCui, QStringLiteral("ALFA SRL"));
  AddRegisterRows(kCui);
  AddCompany(kThirdCui, QStringLiteral("GAMA SRL"));
  auto panel = OpenPanel();
  SelectRow(*panel, 0);
  SetModalDriver([&](QDialog& form) {
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Modifica societate"));
    Retype(form, "denumire", QStringLiteral("Alfa Grup SA"));
    Retype(form, "cf", kOtherCui);
    QTest::keyClick(form.focusWidget(), Qt::Key_F6);
  });
  QTest::mouseDClick(panel->CompaniesView().viewport(), Qt::LeftButton, {}, RowPoint(*panel, 0));
  CListViewEx& list = panel->CompaniesView();
  EXPECT_EQ(Names(*panel),
            QStringList({QStringLiteral("ALFA GRUP SA"), QStringLiteral("GAMA SRL")}));
  EXPECT_EQ(list.GetCellText(0, QStringLiteral("CF")), kOtherCui);
  EXPECT_EQ(Shown(*panel),
            QStringList({QStringLiteral("ALFA GRUP SA"), QStringLiteral("1"), QStringLiteral("1"),
                         QStringLiteral("0"), QStringLiteral("1")}));
  EXPECT_EQ(RowsOf(kOtherCui), std::vector<int>(7, 1));
}

TEST_F(HealthDialogTest, AfterADeletionTheRowInItsPlaceBecomesTheCurrentCompany) {
  AddCompany(kCui, QStringLiteral("ALFA SRL"));
  AddCompany(kOtherCui, QStringLiteral("BETA SRL"));
  AddInsured(kOtherCui, kCnp);
  AddCompany(kThirdCui, QStringLiteral("GAMA SRL"));
  AddInsured(kThirdCui, kCnp);
  AddInsured(kThirdCui, kOtherCnp, QStringLiteral("CASAB"), 20090101);
  auto panel = OpenPanel();
  CListViewEx& list = panel->CompaniesView();
  const QString deleteQuestion =
      QStringLiteral("Esti sigur ca vrei sa stergi societatea selectata?");

  SelectRow(*panel, 0);
  prompter().QueueAnswers({false});
  Click(*panel, "deleteCompany");
  EXPECT_EQ(prompter().Texts(), QStringList{deleteQuestion});
  EXPECT_EQ(list.RowCount(), 3);

  struct Step {
    int row;
    QStringList left;
    int selected;
    QStringList shown;
  };
  const Step steps[] = {
      // The middle row: the next company moves up into its place and is the current one.
      {1, {"ALFA SRL", "GAMA SRL"}, 1, {"GAMA SRL", "1", "1", "1", "0"}},
      // The last row: the new last row.
      {1, {"ALFA SRL"}, 0, {"ALFA SRL", "0", "0", "0", "0"}},
      // The only row: nothing is left to show.
      {0, {}, -1, NothingSelected()},
  };
  for (const Step& step : steps) {
    SelectRow(*panel, step.row);
    prompter().Clear();
    prompter().QueueAnswers({true, true});
    Click(*panel, "deleteCompany");
    EXPECT_EQ(prompter().Texts().last(), deleteQuestion);
    EXPECT_EQ(Names(*panel), step.left);
    EXPECT_EQ(list.SelectedRow(), step.selected);
    EXPECT_EQ(Shown(*panel), step.shown);
  }
  EXPECT_EQ(Value("SELECT COUNT(*) AS v FROM asigurati.societati"), QStringLiteral("0"));
  EXPECT_EQ(Value("SELECT COUNT(*) AS v FROM asigurati.asigurati"), QStringLiteral("0"));
}

TEST_F(HealthDialogTest, AfterASortTheClickedCompanyIsTheCurrentOne) {
  AddCompany(kCui, QStringLiteral("ALFA SRL"));
  AddCompany(kOtherCui, QStringLiteral("BETA SRL"));
  AddCompany(kThirdCui, QStringLiteral("GAMA SRL"));
  auto panel = OpenPanel();
  CListViewEx& list = panel->CompaniesView();
  SelectRow(*panel, 0);
  const int column = list.FindColumn(QStringLiteral("DENUMIRE"));
  const QPoint header(list.header()->sectionViewportPosition(column) + 5, 5);
  // Twice: ascending, then descending; ALFA keeps its selection at the bottom.
  QTest::mouseClick(list.header()->viewport(), Qt::LeftButton, {}, header);
  QTest::mouseClick(list.header()->viewport(), Qt::LeftButton, {}, header);
  ASSERT_EQ(Names(*panel), QStringList({QStringLiteral("GAMA SRL"), QStringLiteral("BETA SRL"),
                                        QStringLiteral("ALFA SRL")}));
  EXPECT_EQ(list.SelectedRow(), 2);
  EXPECT_EQ(Label(*panel, "currentCompany"), QStringLiteral("ALFA SRL"));
  SelectRow(*panel, 0);
  EXPECT_EQ(Label(*panel, "currentCompany"), QStringLiteral("GAMA SRL"));
}

}  // namespace
