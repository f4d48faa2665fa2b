#pragma once

#include <QDialog>
#include <QLabel>
#include <deque>
#include <functional>

#include "support/register_fixture.h"
#include "ui/c_list_view_ex.h"

// The register with the amounts' audit tables emptied too, and the forms the test expects
// to open, in order: each form that opens is handed to the next step of the script.
class AmountsTest : public RegisterTest {
 protected:
  using Step = std::function<void(QDialog&)>;

  void SetUp() override {
    RegisterTest::SetUp();
    for (const char* table : {"zlog_sume", "zlog_sume_societati", "zlog_asigurati"}) {
      Run(QStringLiteral("TRUNCATE TABLE asigurati.") + QLatin1String(table));
    }
    script_.clear();
    SetModalDriver([this](QDialog& form) {
      if (script_.empty()) {
        ADD_FAILURE() << "unexpected form: " << form.windowTitle().toStdString();
        return;
      }
      Step step = std::move(script_.front());
      script_.pop_front();
      step(form);
    });
  }
  // A statement run without clearing the messages shown so far.
  static void Quietly(const QString& sql) {
    EXPECT_EQ(client().Execute(sql), 0) << sql.toStdString();
  }
  void Then(Step step) { script_.push_back(std::move(step)); }
  bool ScriptDone() const { return script_.empty(); }

  // An employment record; returns its INDEX.
  static int AddEmployee(const QString& cf, const QString& nume, const QString& cnp, int hired,
                         int liquidated = 0, const QString& forma = "S",
                         const QString& house = "CASAB") {
    Run(QStringLiteral("INSERT INTO asigurati.asigurati (cf, cas, nume, prenume, cnp, intrare, "
                       "iesire, forma) VALUES (%1, %2, %3, 'ION', %4, %5, %6, %7)")
            .arg(Q(cf), Q(house), Q(nume), Q(cnp))
            .arg(hired)
            .arg(liquidated)
            .arg(Q(forma)));
    return Value(QStringLiteral("SELECT MAX(`index`) AS v FROM asigurati.asigurati")).toInt();
  }
  static void AddAmounts(int index, const QString& cf, int month, double salary, int owed) {
    Run(QStringLiteral("INSERT INTO asigurati.sume (id_cnp, cf, luna, salariu, asig_datorat, "
                       "asig_virat) VALUES (%1, %2, %3, %4, %5, %5)")
            .arg(index)
            .arg(Q(cf))
            .arg(month)
            .arg(salary)
            .arg(owed));
  }
  // The month's amounts of an employee as "salary/owed/paid", one entry per row.
  static QStringList Amounts(int index, int month) {
    EXPECT_EQ(client().Execute(QStringLiteral("SELECT salariu, asig_datorat, asig_virat FROM "
                                              "asigurati.sume WHERE id_cnp=%1 AND luna=%2")
                                   .arg(index)
                                   .arg(month),
                               1),
              0);
    QStringList rows;
    for (int row = 0; row < client().RowCount(); ++row) {
      rows.append(client().GetField(row, "SALARIU") + u'/' +
                  client().GetField(row, "ASIG_DATORAT") + u'/' +
                  client().GetField(row, "ASIG_VIRAT"));
    }
    return rows;
  }
  // A user's double click on a row, by its first visible cell.
  static void DoubleClickRow(CListViewEx& list, int row) {
    int column = 0;
    while (list.columnWidth(column) == 0) ++column;
    const QPoint point = list.visualRect(list.Model().index(row, column)).center();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, point);
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, point);
  }
  static QString Label(QWidget& form, const char* name) {
    auto* label = form.findChild<QLabel*>(QLatin1String(name));
    return label != nullptr ? label->text() : QStringLiteral("<no label>");
  }

 private:
  std::deque<Step> script_;
};
