#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <functional>

#include "health/register/coinsured_store.h"
#include "insured_fixture.h"
#include "screens/health/c_health_dialog.h"
#include "screens/health/c_insured_list_dialog.h"
#include "ui/c_list_view_ex.h"

namespace {

const QString kPopa = QStringLiteral("1800101221144");
const QString kBarbu = QStringLiteral("2505051221196");
const QString kCostea = QStringLiteral("1900101221183");
const QString kZamfir = QStringLiteral("1850505221124");
const QString kDobre = QStringLiteral("1800101221152");
const QString kSpouse = QStringLiteral("2800101221170");
const QString kParent = QStringLiteral("1606061221103");
const QString kBarbuSpouse = QStringLiteral("2707071221116");

class InsuredListTest : public InsuredTest {
 public:
  // The register every test starts from; the INDEX of each ALFA record by name.
  struct Indexes {
    int popa, barbuOld, barbu, costea, zamfir, dobre;
  };

 protected:
  static int Person(const QString& cf, const QString& cnp, const char* nume, int intrare,
                    int iesire = 0, const char* cas = "CASAB", const char* forma = "S") {
    const int index = AddRecord(cf, cnp, intrare, iesire, cas, forma);
    Run(QStringLiteral("UPDATE asigurati.asigurati SET nume=%1 WHERE `index`=%2")
            .arg(Q(QLatin1String(nume)))
            .arg(index));
    return index;
  }
  static void Amounts(int index, const QString& cnp) {
    Run(QStringLiteral("INSERT INTO asigurati.sume (id_cnp, cf, cnp, luna) VALUES (%1, %2, %3, "
                       "200906)")
            .arg(index)
            .arg(Q(kCui), Q(cnp)));
  }
  static Indexes Fill() {
    AddCompany(kCui, "ALFA SRL");
    AddCompany(kOtherCui, "BETA SRL");
    Indexes r{};
    r.popa = Person(kCui, kPopa, "POPA", 20080101);
    r.barbuOld = Person(kCui, kBarbu, "BARBU", 20080101, 20081231);
    r.barbu = Person(kCui, kBarbu, "BARBU", 20090101, 0, "CASCJ", "CM");
    r.costea = Person(kCui, kCostea, "COSTEA", 20080101);
    r.zamfir = Person(kCui, kZamfir, "ZAMFIR", 20080101);
    r.dobre = Person(kCui, kDobre, "DOBRE", 20080101, 20090630);
    Person(kOtherCui, kCostea, "COSTEA", 20070101);
    AddDependant(kCui, kSpouse, kPopa);
    AddDependant(kCui, kParent, kPopa);
    AddDependant(kCui, kBarbuSpouse, kBarbu);
    AddDependant(kOtherCui, "2800101221170", kBarbu);
    for (int index : {r.popa, r.barbuOld, r.barbu, r.zamfir}) Amounts(index, "x");
    return r;
  }
  static std::unique_ptr<CInsuredListDialog> Open(int filter) {
    auto list = std::make_unique<CInsuredListDialog>(nullptr, client(), prompter(), "ALFA SRL",
                                                     kCui, filter);
    list->show();
    return list;
  }
  static int RowOf(CListViewEx& list, int index) {
    for (int row = 0; row < list.RowCount(); ++row) {
      if (list.GetCellText(row, "INDEX").toInt() == index) return row;
    }
    return -1;
  }
  // Every row as its cells (the audit columns left out: a load reads their time stamps)
  // and its colour, sorted, so that two lists compare as sets.
  static QStringList Rows(CListViewEx& list) {
    QStringList rows;
    for (int row = 0; row < list.RowCount(); ++row) {
      QStringList cells;
      for (int column = 0; column < list.Model().ColumnCount(); ++column) {
        if (!list.Model().ColumnAt(column).name.startsWith("ZZ_")) {
          cells.append(list.Model().Cell(row, column));
        }
      }
      const auto colour = list.Model().RowColor(row);
      cells.append(!colour ? "-" : *colour == CInsuredListDialog::kLiquidatedColor ? "R" : "B");
      rows.append(cells.join(u'|'));
    }
    rows.sort();
    return rows;
  }
  static bool MatchesFilter(const QString& row, int filter) {
    const bool active = row.endsWith("|B");
    return filter == 0 || (filter == 1) == active;
  }
  // The list holds the rows of a fresh load, plus mirrored rows that left the filter; the
  // dependants shown are those of the selected row.
  static void ExpectMirrorsTheRegister(CInsuredListDialog& list, int filter) {
    auto fresh = Open(filter);
    const QStringList loaded = Rows(fresh->InsuredView());
    QStringList shown = Rows(list.InsuredView());
    for (const QString& row : loaded) {
      EXPECT_TRUE(shown.removeOne(row)) << "missing " << row.toStdString();
    }
    for (const QString& row : shown) {
      EXPECT_FALSE(MatchesFilter(row, filter)) << "extra " << row.toStdString();
    }
    const int selected = list.InsuredView().SelectedRow();
    CListViewEx view;
    if (selected >= 0) {
      ASSERT_TRUE(LoadDependants(client(), kCui, list.InsuredView().GetCellText(selected, "CNP"),
                                 view.Model()));
    }
    QStringList want = Rows(view);
    for (QString& row : want) row.chop(2);  // dependants have no colour
    QStringList have = Rows(list.DependantsView());
    for (QString& row : have) row.chop(2);
    EXPECT_EQ(have, want);
  }
  static void Select(CListViewEx& list, int row) { list.SelectRow(row); }
  // The employment records and the dependants, one line each.
  static QStringList RegisterState() {
    return Records() +
           Value(QStringLiteral("SELECT GROUP_CONCAT(CONCAT_WS('|', cnp_asig, cnp, nume, tip) "
                                "ORDER BY `index`) AS v FROM asigurati.coasigurati"))
               .split(u',');
  }
};

// One action of the list, driven as the user does it.
struct ListStep {
  const char* what;
  int InsuredListTest::Indexes::*row;  // the record selected first
  std::function<void(CInsuredListDialog&)> act;
};

TEST_F(InsuredListTest, EveryActionIsMirroredLikeAFreshLoad) {
  const auto key = [](Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
    return [k, m](CInsuredListDialog& list) { QTest::keyClick(&list, k, m); };
  };
  const std::vector<ListStep> steps = {
      {"modify with a new CNP", &Indexes::popa,
       [&](CInsuredListDialog& list) {
         SetModalDriver([](QDialog& form) {
           Retype(form, "cnp", "1800101221160");
           Retype(form, "prenume", "VASILE");
           Press(form, Qt::Key_F6);
         });
         key(Qt::Key_F6)(list);
       }},
      {"liquidation cancelled", &Indexes::dobre,
       [&](CInsuredListDialog& list) {
         SetModalDriver([](QDialog& form) {
           RetypeDate(form, "iesire", "", "", "");
           Press(form, Qt::Key_F6);
         });
         key(Qt::Key_F6)(list);
       }},
      {"liquidate", &Indexes::costea,
       [&](CInsuredListDialog& list) {
         SetModalDriver([](QDialog& form) {
           RetypeDate(form, "iesire", "15", "06", "2009");
           Press(form, Qt::Key_F6);
         });
         key(Qt::Key_F7)(list);
       }},
      {"change of form", &Indexes::zamfir,
       [&](CInsuredListDialog& list) {
         SetModalDriver([](QDialog& form) {
           RetypeDate(form, "data", "01", "03", "2009");
           ChooseEntry(form, "noua", 2);
           Press(form, Qt::Key_F8);
         });
         key(Qt::Key_F8)(list);
       }},
      {"change of house", &Indexes::barbu,
       [&](CInsuredListDialog& list) {
         SetModalDriver([](QDialog& form) {
           RetypeDate(form, "data", "01", "01", "2010");
           ChooseEntry(form, "noua", 23);
           Press(form, Qt::Key_F9);
         });
         key(Qt::Key_F9)(list);
       }},
      {"record delete", &Indexes::barbu,
       [&](CInsuredListDialog& list) {
         prompter().QueueAnswers({true, true});
         list.Run(ListAction::kDeleteRecord);
       }},
      {"dependant add", &Indexes::popa,
       [&](CInsuredListDialog& list) {
         SetModalDriver([](QDialog& form) {
           Retype(form, "cnp", "2800404221145");
           Retype(form, "nume", "POPA");
           Retype(form, "prenume", "ELENA");
           Press(form, Qt::Key_F5);
         });
         key(Qt::Key_F5, Qt::ControlModifier)(list);
       }},
      {"dependant modify", &Indexes::popa,
       [&](CInsuredListDialog& list) {
         list.DependantsView().SelectRow(1);
         SetModalDriver([](QDialog& form) {
           Retype(form, "nume", "AAA");
           Retype(form, "prenume", "BBB");
           ChooseEntry(form, "tip", 1);
           Press(form, Qt::Key_F6);
         });
         key(Qt::Key_F6, Qt::ControlModifier)(list);
       }},
      {"dependant delete", &Indexes::popa,
       [&](CInsuredListDialog& list) {
         list.DependantsView().SelectRow(0);
         prompter().QueueAnswers({true});
         key(Qt::Key_F8, Qt::ControlModifier)(list);
       }},
  };
  for (const ListStep& step : steps) {
    for (int filter : {0, 1, 2}) {
      SCOPED_TRACE(
          QStringLiteral("%1, filter %2").arg(QLatin1String(step.what)).arg(filter).toStdString());
      InsuredTest::SetUp();
      SetModalDriver(nullptr);
      const Indexes records = Fill();
      auto list = Open(filter);
      const int row = RowOf(list->InsuredView(), records.*(step.row));
      if (row < 0) continue;  // not under this filter
      const int rowsBefore = list->InsuredView().RowCount();
      const QStringList registerBefore = RegisterState();
      Select(list->InsuredView(), row);
      step.act(*list);
      SetModalDriver(nullptr);
      for (const auto& shown : prompter().Messages()) {
        EXPECT_TRUE(shown.question) << shown.text.toStdString();
      }
      EXPECT_NE(RegisterState(), registerBefore);  // the action did write
      if (QLatin1String(step.what).startsWith(QLatin1String("change"))) {
        // The entry record sits right below the old one and is selected.
        CListViewEx& view = list->InsuredView();
        EXPECT_EQ(view.RowCount(), rowsBefore + 1);
        EXPECT_EQ(view.SelectedRow(), row + 1);
        EXPECT_EQ(view.GetCellText(row, "INDEX").toInt(), records.*(step.row));
        EXPECT_EQ(view.GetCellText(row + 1, "INDEX"),
                  Value("SELECT MAX(`index`) AS v FROM asigurati.asigurati"));
      }
      ExpectMirrorsTheRegister(*list, filter);
    }
  }
}

TEST_F(InsuredListTest, EachActionNeedsItsSelection) {
  struct Case {
    ListAction action;
    std::function<void(CInsuredListDialog&)> trigger;
    QString nothingSelected;
    QString onLiquidated;  // what the user sees next: a refusal, a question or a form's title
  };
  const auto key = [](Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
    return [k, m](CInsuredListDialog& list) { QTest::keyClick(&list, k, m); };
  };
  const Case cases[] = {
      {ListAction::kModifyInsured, key(Qt::Key_F6),
       "Trebuie sa selectezi un asigurat pentru a-l modifica!", "form: Modifica un asigurat"},
      {ListAction::kLiquidate, key(Qt::Key_F7),
       "Trebuie sa selectezi un asigurat pentru a-l lichida!",
       "Trebuie sa selectezi un asigurat existent pentru a-l lichida!"},
      {ListAction::kChangeForm, key(Qt::Key_F8),
       "Trebuie sa selectezi un asigurat pentru a-i modifica forma de angajare!",
       "Trebuie sa selectezi un asigurat existent pentru a-i modifica forma de angajare!"},
      {ListAction::kChangeHouse, key(Qt::Key_F9),
       "Trebuie sa selectezi un asigurat pentru a-i schimba casa de asigurari!",
       "Trebuie sa selectezi un asigurat existent pentru a-i schimba casa de asigurari!"},
      {ListAction::kDeleteRecord,
       [](CInsuredListDialog& list) {
         QTest::mouseClick(list.findChild<QPushButton*>("deleteRecord"), Qt::LeftButton);
       },
       "Trebuie sa selectezi un asigurat pentru a-l sterge!",
       "Esti sigur ca vrei sa stergi inregistrarea selectata?\n\nOperatia este ireversibila."},
      {ListAction::kAddDependant, key(Qt::Key_F5, Qt::ControlModifier),
       "Trebuie sa selectezi un asigurat pentru a adauga un coasigurat!",
       "Asiguratul selectat este lichidat si, prin urmare, nu se pot adauga coasigurati noi!"},
      {ListAction::kModifyDependant, key(Qt::Key_F6, Qt::ControlModifier),
       "Trebuie sa selectezi un coasigurat pentru a-l modifica!",
       "Asiguratul selectat este lichidat si, prin urmare, nu se pot modifica coasigurati!"},
      {ListAction::kDeleteDependant, key(Qt::Key_F8, Qt::ControlModifier),
       "Trebuie sa selectezi un coasigurat pentru a-l sterge!",
       "Esti sigur ca vrei sa stergi coasiguratul selectat?\n\nOperatia nu poate fi refacuta."},
  };
  const Indexes records = Fill();
  AddDependant(kCui, "2800404221145", kDobre);  // the liquidated DOBRE has a dependant
  const QStringList before = Records();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.nothingSelected.toStdString());
    auto list = Open(0);
    QString seen;
    SetModalDriver([&seen](QDialog& form) { seen = "form: " + form.windowTitle(); });
    prompter().Clear();
    c.trigger(*list);
    EXPECT_EQ(prompter().Texts(), QStringList{c.nothingSelected});
    list->InsuredView().SelectRow(RowOf(list->InsuredView(), records.dobre));
    list->DependantsView().SelectRow(0);
    prompter().Clear();
    c.trigger(*list);
    if (seen.isEmpty()) seen = prompter().LastText();
    EXPECT_EQ(seen, c.onLiquidated);
    EXPECT_EQ(Records(), before);
  }
}

TEST_F(InsuredListTest, ARecordDeleteTakesTheDependantsOnlyWithTheLastRecordOfTheCnp) {
  const Indexes records = Fill();
  const auto dependantsOf = [](const QString& cnp) {
    return Value("SELECT COUNT(*) AS v FROM asigurati.coasigurati WHERE cnp_asig=" + Q(cnp))
        .toInt();
  };
  const auto amountsOf = [](int index) {
    return Value(QStringLiteral("SELECT COUNT(*) AS v FROM asigurati.sume WHERE id_cnp=%1")
                     .arg(index))
        .toInt();
  };
  auto list = Open(0);
  CListViewEx& view = list->InsuredView();
  const auto remove = [&](int index, std::initializer_list<bool> answers) {
    view.SelectRow(RowOf(view, index));
    prompter().Clear();
    prompter().QueueAnswers(answers);
    list->Run(ListAction::kDeleteRecord);
  };
  // "Nu" to either question deletes nothing.
  remove(records.barbuOld, {false});
  remove(records.barbuOld, {true, false});
  EXPECT_EQ(prompter().Texts().last(), QStringLiteral("Sigur, sigur?"));
  EXPECT_NE(RowOf(view, records.barbuOld), -1);
  EXPECT_EQ(amountsOf(records.barbuOld), 1);
  // Another record of the CNP here keeps the dependants, at both companies.
  remove(records.barbuOld, {true, true});
  EXPECT_EQ(RowOf(view, records.barbuOld), -1);
  EXPECT_EQ(amountsOf(records.barbuOld), 0);
  EXPECT_EQ(amountsOf(records.barbu), 1);
  EXPECT_EQ(dependantsOf(kBarbu), 2);
  // A record at another company keeps them too.
  remove(records.costea, {true, true});
  EXPECT_EQ(Value("SELECT COUNT(*) AS v FROM asigurati.asigurati WHERE cnp=" + Q(kCostea)), "1");
  // The last record takes them, at every company.
  remove(records.barbu, {true, true});
  EXPECT_EQ(dependantsOf(kBarbu), 0);
  EXPECT_EQ(amountsOf(records.barbu), 0);
  EXPECT_EQ(dependantsOf(kPopa), 2);
}

TEST_F(InsuredListTest, ThePanelShowsTheListUnderItsFilter) {
  const Indexes records = Fill();
  CHealthDialog panel(nullptr, &client(), &prompter());
  panel.show();
  panel.CompaniesView().SelectRow(0);
  panel.findChild<QRadioButton*>("filterLiquidated")->setChecked(true);
  QStringList seen;
  SetModalDriver([&](QDialog& dialog) {
    auto& list = dynamic_cast<CInsuredListDialog&>(dialog);
    seen << list.windowTitle() << list.findChild<QLabel*>("filter")->text();
    CListViewEx& view = list.InsuredView();
    for (const char* hidden : {"CF", "INDEX"}) {
      EXPECT_EQ(view.header()->sectionSize(view.FindColumn(hidden)), 0);
    }
    EXPECT_EQ(view.Model().ColumnAt(view.FindColumn("IESIRE")).kind, QStringLiteral("1"));
    for (int row = 0; row < view.RowCount(); ++row) {
      seen << view.GetCellText(row, "NUME") +
                  (view.Model().RowColor(row) == CInsuredListDialog::kLiquidatedColor ? " red"
                                                                                      : " black");
    }
    // The dependants follow the selection, and stay the selected person's after a sort.
    view.SelectRow(RowOf(view, records.barbuOld));
    EXPECT_EQ(list.DependantsView().RowCount(), 1);
    view.Model().SortByHeaderClick(view.FindColumn("NUME"), false);
    view.Model().SortByHeaderClick(view.FindColumn("NUME"), false);
    EXPECT_EQ(view.GetCellText(view.SelectedRow(), "CNP"), kBarbu);
    EXPECT_EQ(list.DependantsView().GetCellText(0, "CNP"), kBarbuSpouse);
    QTest::keyClick(&list, Qt::Key_Escape);
  });
  QTest::keyClick(&panel, Qt::Key_F9);
  EXPECT_EQ(seen, QStringList({CInsuredListDialog::Title(), "numai asigurati lichidati",
                               "BARBU red", "DOBRE red"}));
}

}  // namespace
