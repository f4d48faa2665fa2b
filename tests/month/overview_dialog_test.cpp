#include <gtest/gtest.h>

#include <QCheckBox>
#include <QPushButton>
#include <QTest>

#include "overview_fixture.h"
#include "screens/month/c_month_overview_dialog.h"
#include "screens/month/c_panel_choice_dialog.h"
#include "ui/c_list_view_ex.h"

namespace {

class OverviewDialogTest : public OverviewTest {
 protected:
  static QStringList Names(const CMonthOverviewDialog& dialog) {
    QStringList names;
    for (const OverviewCompany* company : dialog.Shown()) names << company->name;
    return names;
  }
  static int RowOf(const CMonthOverviewDialog& dialog, const QString& cf) {
    for (size_t row = 0; row < dialog.Shown().size(); ++row) {
      if (dialog.Shown()[row]->cf == cf) return static_cast<int>(row);
    }
    return -1;
  }
};

TEST_F(OverviewDialogTest, FilterHandedInKeyAndEnterChoosesThePanel) {
  CMonthOverviewDialog dialog(nullptr, client(), prompter(), kMonth);
  dialog.show();
  ASSERT_TRUE(dialog.Reload());
  auto& list = *dialog.findChild<CListViewEx*>(QStringLiteral("companies"));
  ASSERT_EQ(list.RowCount(), 5);
  EXPECT_EQ(list.GetCellText(RowOf(dialog, kMissing), QStringLiteral("Stare")),
            QStringLiteral("incomplet: un asigurat fara sume, fara sumele angajatorului"));
  EXPECT_EQ(list.GetCellText(RowOf(dialog, kWritten), QStringLiteral("Declaratie")),
            QStringLiteral("fara declaratie"));
  // Without the month's writing its key is not offered.
  EXPECT_FALSE(dialog.findChild<QPushButton*>(QStringLiteral("writeFiles"))->isVisibleTo(&dialog));

  dialog.findChild<QCheckBox*>(QStringLiteral("onlyNotHandedIn"))->setChecked(true);
  EXPECT_EQ(Names(dialog), (QStringList{"BETA SRL", "EPSILON SRL", "ALFA SRL", "GAMA SRL"}));

  // F2 on the ready company marks it handed in: it leaves the filtered list and the register
  // keeps the mark.
  SelectRow(list, RowOf(dialog, kReady));
  Press(dialog, Qt::Key_F2);
  EXPECT_EQ(Names(dialog), (QStringList{"BETA SRL", "EPSILON SRL", "GAMA SRL"}));
  EXPECT_EQ(Value(QStringLiteral("SELECT COUNT(*) AS v FROM asigurati.fisiere_scrise WHERE "
                                 "fel='P' AND cf=%1 AND luna=%2")
                      .arg(Q(kReady))
                      .arg(kMonth))
                .toInt(),
            1);
  dialog.findChild<QCheckBox*>(QStringLiteral("onlyNotHandedIn"))->setChecked(false);
  SelectRow(list, RowOf(dialog, kReady));
  Press(dialog, Qt::Key_F2);
  EXPECT_EQ(StateText(dialog.Shown()[RowOf(dialog, kReady)]->state), QStringLiteral("gata"));

  // Enter: the panel is chosen with its key and the overview closes with the choice.
  QString asked;
  SetModalDriver([&asked](QDialog& choice) {
    asked = choice.windowTitle();
    Press(choice, Qt::Key_F3);
  });
  SelectRow(list, RowOf(dialog, kWritten));
  Press(dialog, Qt::Key_Return);
  EXPECT_EQ(asked, CPanelChoiceDialog::Title());
  ASSERT_TRUE(dialog.Choice());
  EXPECT_EQ(dialog.Choice()->area, PanelArea::kLeave);
  EXPECT_EQ(dialog.Choice()->cf, kWritten);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

// F5 writes every "gata" company's files; a selected row is written alone only when the user
// says so; with nothing to write the user is told and nothing runs.
TEST_F(OverviewDialogTest, TheMonthsFilesKeyChoosesTheReadyCompaniesOrTheSelectedOne) {
  std::vector<QStringList> runs;
  CMonthOverviewDialog dialog(nullptr, client(), prompter(), kMonth,
                              [&runs](QWidget*, const std::vector<OverviewCompany>& chosen) {
                                QStringList cfs;
                                for (const OverviewCompany& company : chosen) cfs << company.cf;
                                runs.push_back(cfs);
                              });
  dialog.show();
  ASSERT_TRUE(dialog.Reload());
  EXPECT_TRUE(dialog.findChild<QPushButton*>(QStringLiteral("writeFiles"))->isVisibleTo(&dialog));
  auto& list = *dialog.findChild<CListViewEx*>(QStringLiteral("companies"));

  Press(dialog, Qt::Key_F5);
  SelectRow(list, RowOf(dialog, kMissing));
  prompter().QueueAnswers({false, true});
  Press(dialog, Qt::Key_F5);  // not alone: the ready ones
  Press(dialog, Qt::Key_F5);  // alone
  // Two rows chosen with Ctrl: both, top to bottom.
  SelectRow(list, RowOf(dialog, kMissing));
  QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::ControlModifier,
                    list.visualRect(list.Model().index(RowOf(dialog, kWritten), 0)).center());
  prompter().QueueAnswers({true});
  Press(dialog, Qt::Key_F5);
  ASSERT_EQ(runs.size(), 4u);
  EXPECT_EQ(runs[0], QStringList{kReady});
  EXPECT_EQ(runs[1], QStringList{kReady});
  EXPECT_EQ(runs[2], QStringList{kMissing});
  QStringList both{kMissing, kWritten};
  if (RowOf(dialog, kWritten) < RowOf(dialog, kMissing)) both = QStringList{kWritten, kMissing};
  EXPECT_EQ(runs[3], both);
  EXPECT_EQ(prompter().Texts().size(), 3);
}

}  // namespace
