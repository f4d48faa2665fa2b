// Anexa 2a of one house with 20,000 insured persons (400 pages) saved as a PDF the way
// "Salveaza ca PDF" does it: the company row, the list, the pages. Baseline in the same run:
// the engine drawing the same 400 pages from texts made ready beforehand into a PDF. Prints
// the medians and their ratio; the aims are within 1.3x of the baseline and under 4 s.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <map>

#include "health/annexes/annex_print.h"
#include "health/annexes/annex_print_pages.h"
#include "print/print_devices.h"
#include "print/report_printer.h"
#include "store/c_client.h"
#include "store/schema/schema.h"

#include "bench_server.h"
#include "console_prompter.h"
#include "median_reporter.h"

namespace {

constexpr int kInsured = 20000;

ConsolePrompter prompter;
CClient* client = nullptr;
QTemporaryDir* folder = nullptr;

AnnexPrintChoices Choices() {
  AnnexPrintChoices choices;
  choices.houses.month = QStringLiteral("200906");
  choices.houses.cf = QStringLiteral("12345674");
  choices.houses.houses = {QStringLiteral("CASAB")};
  choices.houses.selectedHouse = QStringLiteral("CASAB");
  choices.annex = PrintedAnnex::k2A;
  return choices;
}

void Fill() {
  // Set-up of the measured rows: a failure shows in the timings, not here.
  static_cast<void>(client->Execute(QStringLiteral(
      "INSERT INTO asigurati.societati (cf, denumire, reg_com, repr) VALUES ('12345674', "
      "'SC ŢESĂTORIA ŞIRETULUI SRL', 'J12/345/2001', 'POPESCU ION')")));
  for (int block = 0; block < kInsured; block += 2000) {
    QStringList people;
    for (int i = block; i < block + 2000; ++i) {
      people.append(QStringLiteral("('12345674','CASAB','%1','ŢUŢEA-BRÂNCUŞI %2','ŞTEFAN','S',"
                                   "20050101,%3)")
                        .arg(1800101000000LL + i)
                        .arg(i, 5, 10, QLatin1Char('0'))
                        .arg(i % 10 == 0 ? 20090615 : 0));
    }
    // Set-up of the measured rows: a failure shows in the timings, not here.
    static_cast<void>(
        client->Execute(QStringLiteral("INSERT INTO asigurati.asigurati (cf, cas, cnp, nume, "
                                       "prenume, forma, intrare, iesire) VALUES ") +
                        people.join(u',')));
  }
  // Set-up of the measured rows: a failure shows in the timings, not here.
  static_cast<void>(client->Execute(QStringLiteral(
      "INSERT INTO asigurati.sume (id_cnp, cf, cnp, luna, asig_datorat, asig_virat) SELECT "
      "`index`, cf, cnp, 200906, 1234.5, 1000 FROM asigurati.asigurati")));
}

void SaveAsPdf(benchmark::State& state) {
  const QString path = folder->filePath(QStringLiteral("CASAB_12345674_200906_2A.pdf"));
  const AnnexPrintChoices choices = Choices();
  PdfWrite written = PdfWrite::kFileFailed;
  for (auto _ : state) {
    written =
        WriteAnnexesPdf(*client, prompter, choices, {{QStringLiteral("CASAB"), PrintedAnnex::k2A}},
                        path, QStringLiteral("CASAB_12345674_200906_2A"));
  }
  if (written != PdfWrite::kWritten) state.SkipWithError("no PDF");
  state.counters["pdf_bytes"] = static_cast<double>(QFileInfo(path).size());
}

void EngineFromReadyTexts(benchmark::State& state) {
  const std::optional<AnnexPrintout> printout =
      ReadAnnexPrintout(*client, prompter, PrintedAnnex::k2A, QStringLiteral("12345674"),
                        QStringLiteral("CASAB"), QStringLiteral("200906"));
  if (!printout) {
    state.SkipWithError("no list");
    return;
  }
  const PageElements head = AnnexPageHead(PrintedAnnex::k2A, printout->head);
  std::vector<PageElements> pages;
  for (int first = 0; first < kInsured; first += kAnnex2aRows) {
    pages.push_back(Annex2aRows(printout->insured, first, kAnnex2aRows));
  }
  // The rows fill their last page: the closing lines have a page of their own.
  pages.push_back(Annex2aClosing(SumInsured(printout->insured), printout->head.repr, 0));
  const QString path = folder->filePath(QStringLiteral("baseline.pdf"));
  int ended = 0;
  for (auto _ : state) {
    ReportPrinter printer(nullptr, [&path](PageOrientation, bool) {
      return PrinterChoice::Of(std::make_unique<PdfSurface>(path));
    });
    if (!printer.BeginJob(PageOrientation::Portrait, false) ||
        !printer.StartDocument(QStringLiteral("baseline"))) {
      state.SkipWithError("no PDF");
      break;
    }
    for (const PageElements& page : pages) {
      printer.NewPage(QStringLiteral("2.06"));
      DrawElements(printer, head);
      DrawElements(printer, page);
      printer.EndPage();
    }
    ended = printer.PageNumber();
    printer.EndJob();
  }
  state.counters["pages"] = ended;
}

void Summary(const MedianReporter::Medians& medians) {
  const double pdf = MedianReporter::Median(medians, "SaveAsPdf");
  const double engine = MedianReporter::Median(medians, "EngineFromReadyTexts");
  if (pdf > 0 && engine > 0) {
    std::printf(
        "anexa 2a of %d insured: PDF median %.1f ms (%s 4 s), engine from ready "
        "texts %.1f ms, ratio %.2f (%s 1.3x)\n",
        kInsured, pdf, pdf < 4000 ? "within" : "OVER", engine, pdf / engine,
        pdf / engine <= 1.3 ? "within" : "OVER");
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  QTemporaryDir output;
  folder = &output;
  RegisterTimed({{"SaveAsPdf", &SaveAsPdf}, {"EngineFromReadyTexts", &EngineFromReadyTexts}}, 1, 5);
  MedianReporter reporter(Summary);
  return RunBenchmarksOnServer(
      argc, argv, prompter,
      [](CClient& theClient) {
        client = &theClient;
        UpgradeSchema(theClient);
        Fill();
      },
      &reporter);
}
