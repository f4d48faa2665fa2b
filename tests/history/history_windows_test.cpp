// The history keys of the lists: F11 opens the selected record's history, where F6 restores
// a version; F12 opens the table's deleted records, where F5 recovers one.
#include <QLabel>
#include <QTableWidget>

#include "health/register/insured_list_store.h"
#include "screens/health/c_insured_list_dialog.h"
#include "screens/history/c_deleted_records_dialog.h"
#include "screens/history/c_record_history_dialog.h"
#include "screens/history/history_texts.h"
#include "support/register_fixture.h"
#include "ui/c_list_view_ex.h"
#include "ui/function_keys.h"

namespace {

class HistoryWindowsTest : public RegisterTest {
 protected:
  void SetUp() override {
    RegisterTest::SetUp();
    Run(QStringLiteral("TRUNCATE TABLE asigurati.zlog_asigurati"));
    AddCompany(kCui, QStringLiteral("ALFA SRL"));
  }

  static int AddPerson(const QString& cnp, const char* nume) {
    AddInsured(kCui, cnp);
    Run(QStringLiteral("UPDATE asigurati.asigurati SET nume=%1 WHERE cnp=%2")
            .arg(Q(QLatin1String(nume)), Q(cnp)));
    return Value(QStringLiteral("SELECT MAX(`index`) AS v FROM asigurati.asigurati")).toInt();
  }

  static std::unique_ptr<CInsuredListDialog> OpenList() {
    auto list = std::make_unique<CInsuredListDialog>(nullptr, client(), prompter(),
                                                     QStringLiteral("ALFA SRL"), kCui, 0);
    list->show();
    return list;
  }

  static QStringList Names(CListViewEx& list) {
    QStringList names;
    for (int row = 0; row < list.RowCount(); ++row) names << list.GetCellText(row, "NUME");
    return names;
  }
};

TEST_F(HistoryWindowsTest, F11ShowsTheVersionsAndF6RestoresTheChosenOne) {
  const int index = AddPerson(kCnp, "POPESCU");
  ASSERT_EQ(client().AuditedUpdate(index, InsuredTable(), {{"NUME", "IONESCU"}}), 0);
  const auto list = OpenList();
  SelectRow(list->InsuredView(), 0);
  QStringList versions;
  QStringList marked;
  SetModalDriver([&](QDialog& dialog) {
    auto* history = qobject_cast<CRecordHistoryDialog*>(&dialog);
    ASSERT_NE(history, nullptr);
    EXPECT_EQ(dialog.findChild<QLabel*>("heading")->text(),
              QStringLiteral("Asigurati - inregistrarea cu indexul %1").arg(index));
    for (int row = 0; row < history->Versions().RowCount(); ++row) {
      versions << history->Versions().GetCellText(row, "VERSIUNEA") + u' ' +
                      history->Versions().GetCellText(row, "FELUL") + u' ' +
                      history->Versions().GetCellText(row, "CAMPURI SCHIMBATE");
    }
    for (int row = 0; row < history->Fields().rowCount(); ++row) {
      const QString field = history->Fields().item(row, 0)->text();
      if (field.startsWith(u'*')) {
        marked << field + u'=' + history->Fields().item(row, 1)->text() + u'<' +
                      history->Fields().item(row, 2)->text();
      }
    }
    // The older version chosen, and restored after the question.
    SelectRow(history->Versions(), 1);
    prompter().QueueAnswers({true});
    Press(dialog, Qt::Key_F6);
    EXPECT_TRUE(history->Restored());
    EXPECT_EQ(history->Versions().RowCount(), 3);
    dialog.reject();
  });
  Press(*list, kHistoryKey);
  EXPECT_EQ(versions, (QStringList{"2 curenta NUME", "1 modificata "}));
  EXPECT_EQ(marked, QStringList{"* NUME=IONESCU<POPESCU"});
  EXPECT_EQ(prompter().Texts(),
            QStringList{history_texts::RestoreQuestion(
                "1", ShownTime(Value("SELECT zz_data AS v FROM asigurati.asigurati")))});
  // The version it replaced is in the history too, and the list shows the register afresh.
  EXPECT_EQ(Value("SELECT GROUP_CONCAT(nume ORDER BY znew_index) AS v FROM "
                  "asigurati.zlog_asigurati"),
            QStringLiteral("POPESCU,IONESCU"));
  EXPECT_EQ(Names(list->InsuredView()), QStringList{"POPESCU"});
}

TEST_F(HistoryWindowsTest, F12ListsTheDeletedRecordsAndF5RecoversOne) {
  AddPerson(kCnp, "POPESCU");
  const int deleted = AddPerson(kOtherCnp, "IONESCU");
  ASSERT_TRUE(DeleteInsuredRecord(client(), kOtherCnp, deleted));
  const auto list = OpenList();
  ASSERT_EQ(Names(list->InsuredView()), QStringList{"POPESCU"});
  list->InsuredView().setFocus();
  QStringList rows;
  SetModalDriver([&](QDialog& dialog) {
    auto* window = qobject_cast<CDeletedRecordsDialog*>(&dialog);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Inregistrari sterse - Asigurati"));
    for (int row = 0; row < window->Rows().RowCount(); ++row) {
      rows << window->Rows().GetCellText(row, "INDEX") + u' ' +
                  window->Rows().GetCellText(row, "NUME");
    }
    prompter().QueueAnswers({true});
    Press(dialog, Qt::Key_F5);
    EXPECT_TRUE(window->Recovered());
    EXPECT_EQ(window->Rows().RowCount(), 0);
    dialog.reject();
  });
  Press(*list, kDeletedRecordsKey);
  EXPECT_EQ(rows, QStringList{QString::number(deleted) + QStringLiteral(" IONESCU")});
  EXPECT_EQ(Value(QStringLiteral("SELECT nume AS v FROM asigurati.asigurati WHERE `index`=%1")
                      .arg(deleted)),
            QStringLiteral("IONESCU"));
  EXPECT_EQ(Names(list->InsuredView()), (QStringList{"IONESCU", "POPESCU"}));
}

TEST_F(HistoryWindowsTest, TheKeysAskForASelectedRecord) {
  AddPerson(kCnp, "POPESCU");
  const auto list = OpenList();
  list->InsuredView().clearSelection();
  list->InsuredView().setFocus();
  SetModalDriver([](QDialog&) { ADD_FAILURE() << "no window opens"; });
  Press(*list, kHistoryKey);
  EXPECT_EQ(prompter().Texts(), QStringList{history_texts::kChooseRecord});
}

}  // namespace
