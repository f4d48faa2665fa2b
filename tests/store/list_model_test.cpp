#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <utility>

#include "store/list_model.h"
#include "support/print_to.h"

namespace {

TEST(DisplayTextForKind, FormsOfEachKind) {
  struct Case {
    const char* kind;
    QString stored;
    QString shown;
  };
  const Case cases[] = {
      {"1", QStringLiteral("20090604"), QStringLiteral("04.06.2009")},
      {"1", QStringLiteral("0"), QStringLiteral("0")},                // not 8 characters
      {"1", QStringLiteral("A0090604"), QStringLiteral("A0090604")},  // first not a digit
      {"2", QStringLiteral("200906"), QStringLiteral("06.2009")},
      {"2", QStringLiteral("20096"), QStringLiteral("20096")},
      {"4", QStringLiteral("20090604103015"), QStringLiteral("04.06.2009 10:30:15")},
      {"4", QStringLiteral("2009-06-04 10:30:15"), QStringLiteral("2009-06-04 10:30:15")},
      {"3", QStringLiteral("1234567"), QStringLiteral("1.234.567")},
      {"3", QStringLiteral("1234567.5"), QStringLiteral("1.234.567,5")},
      {"3", QStringLiteral("-1234"), QStringLiteral("-1.234")},
      {"3", QStringLiteral("123"), QStringLiteral("123")},
      {"3", QString(), QStringLiteral("0")},
      {"3", QStringLiteral("abc"), QStringLiteral("abc")},
      {"5", QStringLiteral("1234567.5"), QStringLiteral("1.234.567,50")},
      {"5", QStringLiteral("1234567"), QStringLiteral("1.234.567,00")},
      {"5", QStringLiteral("12."), QStringLiteral("12,00")},
      {"5", QStringLiteral("-999999.125"), QStringLiteral("-999.999,125")},
      {"5", QString(), QStringLiteral("0,00")},
      {"", QStringLiteral("20090604"), QStringLiteral("20090604")},
      {"7", QStringLiteral("1234"), QStringLiteral("1234")},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DisplayTextForKind(QLatin1String(c.kind), c.stored), c.shown)
        << c.kind << " " << c.stored.toStdString();
  }
}

// Qt's model tester follows every signal the list emits by hand and reads the model again
// after each: a begin without its end, a range past the rows or columns, or a persistent
// index a sort left behind is reported as a warning of its category, collected here.
class ModelTesterReports {
 public:
  ModelTesterReports() { previous_ = qInstallMessageHandler(&Collect); }
  ~ModelTesterReports() { qInstallMessageHandler(previous_); }
  QStringList Take() { return std::exchange(reports_, {}); }

 private:
  static void Collect(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type != QtDebugMsg && type != QtInfoMsg && context.category != nullptr &&
        qstrcmp(context.category, "qt.modeltest") == 0) {
      reports_.append(text);
    } else if (previous_ != nullptr) {
      previous_(type, context, text);
    }
  }
  static inline QStringList reports_;
  static inline QtMessageHandler previous_ = nullptr;
};

TEST(ListModelUnderQtsTester, EveryChangeKeepsTheModelContract) {
  ListModel model;
  ModelTesterReports reports;
  QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Warning);
  const auto row = [](const char* index, const char* nume) {
    return QStringList{QLatin1String(index), QLatin1String(nume)};
  };
  struct Step {
    const char* what;
    std::function<void(ListModel&)> change;
    int rows;
    int columns;
  };
  const Step steps[] = {
      {"columns of an empty list",
       [](ListModel& m) {
         m.InsertColumn(0, QStringLiteral("Index"), QStringLiteral("N"));
         m.InsertColumn(1, QStringLiteral("Nume"));
       },
       0, 2},
      {"filled at once",
       [&row](ListModel& m) {
         m.AppendRows({row("3", "Pop"), row("10", "Ion"), row("2", "Albu")});
       },
       3, 2},
      {"nothing appended", [](ListModel& m) { m.AppendRows({}); }, 3, 2},
      {"a row appended", [&row](ListModel& m) { m.AppendRowCells(row("-4", "ion")); }, 4, 2},
      {"an empty row appended", [](ListModel& m) { m.AppendRow(); }, 5, 2},
      {"a row inserted between", [&row](ListModel& m) { m.InsertRowCells(1, row("7", "Nou")); }, 6,
       2},
      {"a row inserted past the end", [](ListModel& m) { m.InsertRow(99); }, 7, 2},
      {"cells written", [](ListModel& m) { m.SetCellText(6, QStringLiteral("NUME"), "Ultim"); }, 7,
       2},
      {"a row coloured", [](ListModel& m) { m.SetRowColor(2, qRgb(255, 0, 0)); }, 7, 2},
      {"a kind set", [](ListModel& m) { m.SetColumnKind(QStringLiteral("INDEX"), "3"); }, 7, 2},
      {"sorted by a header click", [](ListModel& m) { m.SortByHeaderClick(0, false); }, 7, 2},
      {"sorted again the other way", [](ListModel& m) { m.SortByHeaderClick(0, false); }, 7, 2},
      {"a second sort column", [](ListModel& m) { m.SortByHeaderClick(1, true); }, 7, 2},
      {"the first row removed", [](ListModel& m) { m.RemoveRow(0); }, 6, 2},
      {"the last row removed", [](ListModel& m) { m.RemoveRow(m.RowCount() - 1); }, 5, 2},
      {"no such row removed", [](ListModel& m) { m.RemoveRow(5); }, 5, 2},
      {"a column inserted between",
       [](ListModel& m) { m.InsertColumn(1, QStringLiteral("Suma"), QStringLiteral("N")); }, 5, 3},
      {"a column inserted past the last", [](ListModel& m) { m.InsertColumn(9, "Cas"); }, 5, 4},
      {"sorted by the new column", [](ListModel& m) { m.SortByHeaderClick(3, false); }, 5, 4},
      {"columns deleted, rows kept", [](ListModel& m) { m.DeleteAllColumns(); }, 5, 0},
      {"a row coloured without columns", [](ListModel& m) { m.SetRowColor(0, qRgb(0, 0, 255)); }, 5,
       0},
      {"a row appended without columns", [&row](ListModel& m) { m.AppendRowCells(row("1", "A")); },
       6, 0},
      {"a column again", [](ListModel& m) { m.InsertColumn(0, QStringLiteral("Cnp")); }, 6, 1},
      {"rows cleared", [](ListModel& m) { m.DeleteAllRows(); }, 0, 1},
      {"an empty list cleared", [](ListModel& m) { m.DeleteAllRows(); }, 0, 1},
      {"an empty list sorted", [](ListModel& m) { m.SortByHeaderClick(0, false); }, 0, 1},
      {"refilled",
       [&row](ListModel& m) {
         m.AppendRows({row("5", "x"), row("4", "y")});
       },
       2, 1},
  };
  for (const Step& step : steps) {
    step.change(model);
    EXPECT_EQ(reports.Take(), QStringList()) << step.what;
    EXPECT_EQ(model.rowCount(), step.rows) << step.what;
    EXPECT_EQ(model.columnCount(), step.columns) << step.what;
  }
}

class ListModelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    model.InsertColumn(0, QStringLiteral("Index"), QStringLiteral("N"));
    model.InsertColumn(1, QStringLiteral("Nume"));
    model.InsertColumn(2, QStringLiteral("Suma"), QStringLiteral("N"));
    Add({QStringLiteral("3"), QStringLiteral("popescu"), QStringLiteral("100.5")});
    Add({QStringLiteral("10"), QStringLiteral("Ionescu"), QStringLiteral("20")});
    Add({QStringLiteral("2"), QStringLiteral("Albu"), QStringLiteral("100.5")});
    Add({QStringLiteral("-4"), QStringLiteral("ionescu"), QStringLiteral("7")});
  }
  void Add(const QStringList& cells) { model.AppendRowCells(cells); }
  QStringList Column(const QString& name) const {
    QStringList values;
    for (int row = 0; row < model.RowCount(); ++row) values.append(model.GetCellText(row, name));
    return values;
  }
  ListModel model;
};

TEST_F(ListModelTest, NamesAreUpperCasedAndLookedUpByName) {
  EXPECT_EQ(model.ColumnAt(1).name, QStringLiteral("NUME"));
  EXPECT_EQ(model.ColumnAt(1).header, QStringLiteral("Nume"));
  EXPECT_EQ(model.FindColumn(QStringLiteral("nume")), 1);
  EXPECT_EQ(model.FindColumn(QStringLiteral("LIPSA")), -1);
  EXPECT_EQ(model.GetCellText(1, QStringLiteral("nume")), QStringLiteral("Ionescu"));
  EXPECT_EQ(model.GetCellText(1, QStringLiteral("LIPSA")), QString());
  EXPECT_FALSE(model.SetCellText(0, QStringLiteral("lipsa"), QStringLiteral("x")));
  EXPECT_TRUE(model.SetCellText(0, QStringLiteral("nume"), QStringLiteral("  Pop  ")));
  EXPECT_EQ(model.GetCellText(0, QStringLiteral("NUME")), QStringLiteral("Pop"));  // trimmed
  EXPECT_EQ(model.Cell(0, 1), QStringLiteral("  Pop  "));
}

TEST_F(ListModelTest, IntegersAreReadByTheirLeadingDigits) {
  struct Case {
    QString cell;
    double value;
  };
  const Case cases[] = {{QStringLiteral("12.5"), 12},
                        {QStringLiteral("-7"), -7},
                        {QStringLiteral("+8x"), 8},
                        {QStringLiteral("abc"), 0},
                        {QString(), 0},
                        {QStringLiteral(" 42 "), 42},
                        {QStringLiteral("1e5"), 1}};
  for (const Case& c : cases) {
    ASSERT_TRUE(model.SetCellText(0, QStringLiteral("SUMA"), c.cell));
    EXPECT_EQ(model.GetCellInteger(0, QStringLiteral("suma")), c.value) << c.cell.toStdString();
  }
  EXPECT_EQ(model.GetCellInteger(0, QStringLiteral("LIPSA")), 0);
  ASSERT_TRUE(model.SetCellInteger(0, QStringLiteral("SUMA"), -12.9));
  EXPECT_EQ(model.GetCellText(0, QStringLiteral("SUMA")), QStringLiteral("-12"));
}

TEST_F(ListModelTest, NumericColumnsSortByNumberTextColumnsIgnoringCase) {
  QSignalSpy resorted(&model, &ListModel::Resorted);
  model.SortByHeaderClick(0, false);
  EXPECT_EQ(Column(QStringLiteral("INDEX")),
            QStringList({"-4", "2", "3", "10"}));  // not "10" < "2"
  model.SortByHeaderClick(0, false);
  EXPECT_EQ(Column(QStringLiteral("INDEX")), QStringList({"10", "3", "2", "-4"}));
  model.SortByHeaderClick(1, false);
  EXPECT_EQ(Column(QStringLiteral("NUME")),
            QStringList({"Albu", "Ionescu", "ionescu", "popescu"}));  // stable, no case
  EXPECT_EQ(resorted.count(), 3);
}

TEST_F(ListModelTest, CtrlClickAddsColumnsTheFirstChosenDecides) {
  model.SortByHeaderClick(2, false);  // SUMA ascending
  model.SortByHeaderClick(1, true);   // then NUME ascending breaks its ties
  EXPECT_EQ(Column(QStringLiteral("NUME")), QStringList({"ionescu", "Ionescu", "Albu", "popescu"}));
  EXPECT_EQ(model.SortColumns(), std::vector<int>({2, 1}));
  model.SortByHeaderClick(0, false);  // a plain click starts over
  EXPECT_EQ(model.SortColumns(), std::vector<int>({0}));
}

TEST_F(ListModelTest, KindsMakeColumnsNumericAndRightAligned) {
  model.SetColumnKind(QStringLiteral("nume"), QStringLiteral("5"));
  EXPECT_EQ(model.ColumnAt(1).type, QStringLiteral("N"));
  EXPECT_TRUE(model.ColumnAt(1).rightAligned);
  model.SetColumnKind(QStringLiteral("suma"), QStringLiteral("9"));
  EXPECT_FALSE(model.ColumnAt(2).rightAligned);
  EXPECT_EQ(model.ColumnAt(2).type, QStringLiteral("N"));  // kept as it was
  model.SetColumnKind(QStringLiteral("suma"), QStringLiteral("5"));
  EXPECT_EQ(model.data(model.index(0, 2), Qt::DisplayRole).toString(), QStringLiteral("100,50"));
  EXPECT_EQ(model.data(model.index(0, 2), ListModel::kRawTextRole).toString(),
            QStringLiteral("100.5"));
}

TEST_F(ListModelTest, RowColoursTravelWithTheirRowsWhenSorted) {
  model.SetRowColor(1, qRgb(255, 0, 0));  // Ionescu, index 10
  model.SortByHeaderClick(0, false);
  ASSERT_EQ(model.GetCellText(3, QStringLiteral("INDEX")), QStringLiteral("10"));
  EXPECT_EQ(model.RowColor(3), qRgb(255, 0, 0));
  EXPECT_FALSE(model.RowColor(0).has_value());
}

TEST_F(ListModelTest, InsertedRowsTakeTheirPlaceAndMoveTheRestWithTheirColours) {
  model.SetRowColor(1, qRgb(255, 0, 0));               // Ionescu
  QPersistentModelIndex selected = model.index(2, 1);  // Albu, as a view's selection holds it
  const struct {
    int position;
    int expected;
  } cases[] = {{2, 2}, {0, 0}, {99, 6}, {-5, 0}};
  for (const auto& c : cases) {
    const int rows = model.RowCount();
    EXPECT_EQ(model.InsertRowCells(c.position, {QStringLiteral("7"), QStringLiteral("Nou")}),
              c.expected);
    EXPECT_EQ(model.RowCount(), rows + 1);
    EXPECT_EQ(model.GetCellText(c.expected, QStringLiteral("NUME")), QStringLiteral("Nou"));
    EXPECT_EQ(model.GetCellText(c.expected, QStringLiteral("SUMA")), QString());  // padded
    EXPECT_FALSE(model.RowColor(c.expected).has_value());
  }
  // Order after the four inserts: Nou, Nou, popescu, Ionescu, Nou, Albu, ionescu, Nou.
  EXPECT_EQ(Column(QStringLiteral("NUME")),
            QStringList({"Nou", "Nou", "popescu", "Ionescu", "Nou", "Albu", "ionescu", "Nou"}));
  EXPECT_EQ(model.RowColor(3), qRgb(255, 0, 0));
  EXPECT_EQ(selected.row(), 5);
}

TEST_F(ListModelTest, SortingStopsAddingAtSixtyFourColumns) {
  ListModel wide;
  for (int i = 0; i < 70; ++i) wide.InsertColumn(i, QStringLiteral("C%1").arg(i));
  wide.AppendRow();
  for (int i = 0; i < 70; ++i) wide.SortByHeaderClick(i, true);
  EXPECT_EQ(wide.SortColumns().size(), 64u);
}

// Rows held as texts and handed out one cell at a time, counting the cells asked for.
class TextSource : public CellSource {
 public:
  TextSource(std::vector<QStringList> rows, int columns)
      : rows_(std::move(rows)), columns_(columns) {}
  int RowCount() const override { return static_cast<int>(rows_.size()); }
  int ColumnCount() const override { return columns_; }
  QString Cell(int row, int column) const override {
    ++asked;
    return rows_.at(row).at(column);
  }
  mutable int asked = 0;

 private:
  std::vector<QStringList> rows_;
  int columns_;
};

struct Shown {
  std::vector<QStringList> cells;
  std::vector<std::optional<QRgb>> colors;
  bool operator==(const Shown&) const = default;
};

Shown ShownOf(const ListModel& list) {
  Shown shown;
  for (int row = 0; row < list.RowCount(); ++row) {
    QStringList cells;
    for (int column = 0; column < list.ColumnCount(); ++column)
      cells.append(list.Cell(row, column));
    shown.cells.push_back(cells);
    shown.colors.push_back(list.RowColor(row));
  }
  return shown;
}

// Every change gives a list of a source's rows exactly what it gives the same rows held as
// texts, and keeps Qt's model contract.
TEST(ListModelSourceRows, ChangesGiveWhatTheyGiveRowsHeldAsTexts) {
  const std::vector<QStringList> records = {
      {"3", "Pop", "100.5"}, {"10", "Ion", "7"}, {"2", "Albu", "20"}, {"-4", "ion", "7"}};
  ListModel held;
  ListModel sourced;
  for (ListModel* list : {&held, &sourced}) {
    list->InsertColumn(0, QStringLiteral("Index"), QStringLiteral("N"));
    list->InsertColumn(1, QStringLiteral("Nume"));
    list->InsertColumn(2, QStringLiteral("Suma"), QStringLiteral("N"));
  }
  held.AppendRows(records);
  ModelTesterReports reports;
  QAbstractItemModelTester tester(&sourced,
                                  QAbstractItemModelTester::FailureReportingMode::Warning);
  sourced.SetSourceRows(std::make_shared<TextSource>(records, 3));
  using Change = std::function<void(ListModel&)>;
  const std::pair<const char*, Change> steps[] = {
      {"nothing changed", [](ListModel&) {}},
      {"an own column", [](ListModel& m) { m.InsertColumn(3, QStringLiteral("Eroare")); }},
      {"an own cell", [](ListModel& m) { m.SetCellText(1, QStringLiteral("EROARE"), "rau"); }},
      {"an own column before it", [](ListModel& m) { m.InsertColumn(3, QStringLiteral("Nota")); }},
      {"the later own cell again",
       [](ListModel& m) { m.SetCellText(2, QStringLiteral("EROARE"), "tot rau"); }},
      {"a cell of the source's",
       [](ListModel& m) { m.SetCellText(1, QStringLiteral("NUME"), "Ilie"); }},
      {"a column first", [](ListModel& m) { m.InsertColumn(0, QStringLiteral("Nr")); }},
      {"a row coloured", [](ListModel& m) { m.SetRowColor(3, qRgb(255, 0, 0)); }},
      {"sorted by text", [](ListModel& m) { m.SortByHeaderClick(2, false); }},
      {"sorted by number, ties by text",
       [](ListModel& m) {
         m.SortByHeaderClick(3, false);
         m.SortByHeaderClick(2, true);
       }},
      {"rows removed",
       [](ListModel& m) {
         m.RemoveRows({0, 2});
       }},
      {"an own row",
       [](ListModel& m) {
         m.AppendRowCells({"n", "9", "Nou", "1", "x", "y"});
       }},
      {"the first row removed", [](ListModel& m) { m.RemoveRow(0); }},
      {"columns deleted", [](ListModel& m) { m.DeleteAllColumns(); }},
      {"a cell of a column again",
       [](ListModel& m) {
         m.InsertColumn(0, QStringLiteral("Cnp"));
         m.SetCellText(1, QStringLiteral("CNP"), "1");
       }},
  };
  for (const auto& [what, change] : steps) {
    change(held);
    change(sourced);
    EXPECT_EQ(reports.Take(), QStringList()) << what;
    EXPECT_EQ(ShownOf(sourced), ShownOf(held)) << what;
  }
}

// A file's list must not turn into a text per cell: only cells read or shown are asked for,
// and a list emptied lets the records go.
TEST(ListModelSourceRows, CellsAreAskedForOnlyWhenWanted) {
  std::vector<QStringList> records;
  for (int i = 0; i < 1000; ++i) records.push_back({QString::number(i), QStringLiteral("x")});
  const auto source = std::make_shared<TextSource>(records, 2);
  ListModel list;
  list.InsertColumn(0, QStringLiteral("Nr"));
  list.InsertColumn(1, QStringLiteral("Nume"));
  list.SetSourceRows(source);
  list.InsertColumn(2, QStringLiteral("Eroare"));
  list.SetCellText(500, QStringLiteral("EROARE"), QStringLiteral("rau"));
  list.SetRowColor(500, qRgb(255, 0, 0));
  list.RemoveRows({1, 2});
  EXPECT_EQ(list.RowCount(), 998);
  EXPECT_EQ(source->asked, 0);
  EXPECT_EQ(list.Cell(498, 0), QStringLiteral("500"));
  EXPECT_EQ(list.Cell(498, 2), QStringLiteral("rau"));
  EXPECT_EQ(source->asked, 1);
  list.DeleteAllRows();
  EXPECT_EQ(source.use_count(), 1);
}

}  // namespace
