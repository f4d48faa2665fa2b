// The insured list of a company of 20,000 employment records (a quarter liquidated) with
// 2,000 co-insured dependants, among 200 companies holding 30,000 more: F9 to the filled and
// coloured list beside the raw store and walk of the same statement, a row selected (the
// dependants reloaded), one keystroke of the co-insured form's name search, and the mirror
// of a change in mid-list.
#include <benchmark/benchmark.h>
#include <mysql.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include "screens/health/c_coinsured_dialog.h"
#include "screens/health/c_insured_list_dialog.h"
#include "store/c_client.h"
#include "store/database_thread.h"
#include "store/list_model.h"
#include "store/schema/schema.h"
#include "ui/c_edit_ex.h"
#include "ui/c_list_view_ex.h"

#include "bench_server.h"
#include "console_prompter.h"
#include "register_codes.h"

namespace {

constexpr int kCompanies = 200;
constexpr int kLarge = 117;
constexpr int kLargeInsured = 20000;
constexpr int kLargeDependants = 2000;
constexpr int kOthersInsured = 30000;

ConsolePrompter prompter;
CClient* client = nullptr;

// Surnames spread over the alphabet, so the list's order is not the insertion order.
QString Surname(int person) {
  return QStringLiteral("%1ESCU%2").arg(QChar(u'A' + person % 26)).arg(person % 997);
}

void Fill() {
  QStringList companies;
  for (int company = 0; company < kCompanies; ++company) {
    companies.append(QStringLiteral("('%1','SOCIETATEA %2 SRL',10,'MB',1)")
                         .arg(CompanyCode(company))
                         .arg(company));
  }
  InsertRows(*client,
             QStringLiteral("INSERT INTO asigurati.societati (cf, denumire, ziua_lic, jud, sect) "
                            "VALUES "),
             companies);
  QStringList rows;
  const auto row = [](int company, int person, int exit) {
    return QStringLiteral("('%1','CASAB','%2','%3','ION',20050101,%4,'S')")
        .arg(CompanyCode(company), PersonCode(company, person), Surname(person))
        .arg(exit);
  };
  for (int person = 0; person < kLargeInsured; ++person) {
    rows.append(row(kLarge, person, person % 4 == 3 ? 20081231 : 0));
  }
  for (int n = 0; n < kOthersInsured; ++n)
    rows.append(row(n % kLarge, n, n % 4 == 3 ? 20081231 : 0));
  InsertRows(
      *client,
      QStringLiteral("INSERT INTO asigurati.asigurati (cf, cas, cnp, nume, prenume, intrare, "
                     "iesire, forma) VALUES "),
      rows);
  QStringList dependants;
  for (int dependant = 0; dependant < kLargeDependants; ++dependant) {
    dependants.append(QStringLiteral("('%1','%2','%3','POPESCU','ANA','S')")
                          .arg(CompanyCode(kLarge), PersonCode(999, dependant),
                               PersonCode(kLarge, dependant * 7)));
  }
  InsertRows(*client,
             QStringLiteral("INSERT INTO asigurati.coasigurati (cf, cnp, cnp_asig, nume, prenume, "
                            "tip) VALUES "),
             dependants);
}

// (a) F9: the list screen built, loaded, coloured and laid out.
void OpenList(benchmark::State& state) {
  for (auto _ : state) {
    CInsuredListDialog list(nullptr, *client, prompter, QStringLiteral("SOCIETATEA"),
                            CompanyCode(kLarge), 0);
    list.show();
    QApplication::processEvents();
    if (list.InsuredView().RowCount() != kLargeInsured) state.SkipWithError("rows missing");
  }
}
BENCHMARK(OpenList)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);

// The same statement sent straight to the server, its rows stored and walked.
void OpenListRaw(benchmark::State& state) {
  const QByteArray sql =
      ("SELECT * FROM asigurati.asigurati AS a WHERE a.cf=" +
       client->Text(CompanyCode(kLarge)).Literal() + " ORDER BY a.nume, a.intrare")
          .toUtf8();
  for (auto _ : state) {
    // The raw statements run where the program sends its own: on the database thread.
    RunOnDatabaseThread([&] {
      if (mysql_real_query(client->NativeHandle(), sql.constData(), sql.size()) != 0) {
        state.SkipWithError(mysql_error(client->NativeHandle()));
      }
      MYSQL_RES* result = mysql_store_result(client->NativeHandle());
      const unsigned fields = mysql_num_fields(result);
      size_t bytes = 0;
      while (MYSQL_ROW cells = mysql_fetch_row(result)) {
        const unsigned long* lengths = mysql_fetch_lengths(result);
        for (unsigned i = 0; i < fields; ++i) bytes += cells[i] != nullptr ? lengths[i] : 0;
      }
      benchmark::DoNotOptimize(bytes);
      mysql_free_result(result);
    });
  }
}
BENCHMARK(OpenListRaw)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);

CInsuredListDialog* list = nullptr;

// (b) A row selected: the dependants of the person reloaded.
void SelectRow(benchmark::State& state) {
  CListViewEx& view = list->InsuredView();
  int row = 0;
  for (auto _ : state) {
    row = (row + 7919) % view.RowCount();
    view.SelectRow(row);
  }
}
BENCHMARK(SelectRow)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(50)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);

// (d) The mirror of a change in mid-list: the old row closed and red, the entry inserted
// below it and selected (its dependants loaded). The write itself is the change form's.
void MirrorChange(benchmark::State& state) {
  CListViewEx& view = list->InsuredView();
  ListModel& model = view.Model();
  for (auto _ : state) {
    const int row = model.RowCount() / 2;
    view.SetCellText(row, QStringLiteral("IESIRE"), QStringLiteral("20090228"));
    view.SetRowColor(row, CInsuredListDialog::kLiquidatedColor);
    QStringList cells;
    for (int column = 0; column < model.ColumnCount(); ++column)
      cells.append(model.Cell(row, column));
    const int entry = model.InsertRowCells(row + 1, cells);
    view.SetRowColor(entry, CInsuredListDialog::kActiveColor);
    view.SelectRow(entry);
  }
}
BENCHMARK(MirrorChange)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(50)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);

void SendKey(QWidget& edit, int key, const QString& text) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
  QApplication::sendEvent(&edit, &press);
}

// (c) One keystroke in the co-insured form's surname field; the letters before the last one
// are typed untimed.
void NameKeystroke(benchmark::State& state, const QString& letters, bool matches) {
  CCoinsuredDialog form(nullptr, *client, prompter, CRecordForm::Mode::kAdd,
                        QStringLiteral("SOCIETATEA"), CompanyCode(kLarge), std::nullopt);
  auto& nume = *form.findChild<CEditEx*>(QStringLiteral("asigurat_nume"));
  const auto& cnp = *form.findChild<QLineEdit*>(QStringLiteral("asigurat_cnp"));
  const auto type = [&nume](QChar letter) {
    SendKey(nume, Qt::Key_A + (letter.unicode() - u'A'), QString(letter));
  };
  for (auto _ : state) {
    state.PauseTiming();
    nume.selectAll();
    SendKey(nume, Qt::Key_Delete, QString());
    for (const QChar letter : letters.chopped(1)) type(letter);
    state.ResumeTiming();
    type(letters.back());
  }
  if (cnp.text().isEmpty() == matches) state.SkipWithError("unexpected search result");
}
BENCHMARK_CAPTURE(NameKeystroke, matching, QStringLiteral("KESCU"), true)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(NameKeystroke, not_matching, QStringLiteral("KESCX"), false)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  std::unique_ptr<CInsuredListDialog> shown;
  return RunBenchmarksOnServer(argc, argv, prompter, [&shown](CClient& theClient) {
    client = &theClient;
    UpgradeSchema(theClient);
    Fill();
    shown = std::make_unique<CInsuredListDialog>(
        nullptr, theClient, prompter, QStringLiteral("SOCIETATEA"), CompanyCode(kLarge), 0);
    shown->show();
    list = shown.get();
  });
}
