// A 50-page printed list (50 framed rows of 8 cells a page, like the nominal list of insured
// persons) drawn to a PDF file, and the same pages drawn to the recorder to show the engine's
// own share. Prints the PDF's median time and file size at the end; the aim is under 1 s.

#include <benchmark/benchmark.h>

#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>

#include "print/print_devices.h"
#include "print/print_recording.h"
#include "print/report_printer.h"

namespace {

constexpr int kPages = 50;
constexpr int kRowsPerPage = 50;

struct Column {
  int left;
  int right;
  TextAlign align;
};

constexpr Column kColumns[] = {
    {200, 900, TextAlign::Centre},   {900, 1600, TextAlign::Left},
    {1600, 2300, TextAlign::Left},   {2300, 2800, TextAlign::Centre},
    {2800, 3250, TextAlign::Right},  {3250, 3700, TextAlign::Right},
    {3700, 4150, TextAlign::Centre}, {4150, 4600, TextAlign::Centre},
};

QString CellValue(int person, int column) {
  const QString n = QString::number(person);
  switch (column) {
    case 0:
      return QStringLiteral("18001014") + n.rightJustified(5, u'0');
    case 1:
      return QStringLiteral("Ţuţea-Brâncuşi ") + n;
    case 2:
      return QStringLiteral("Ştefan Înşiră");
    case 3:
      return QStringLiteral("S");
    case 4:
    case 5:
      return QStringLiteral("1.%1").arg(person % 1000, 3, 10, QLatin1Char('0'));
    case 6:
      return QStringLiteral("04.06.2009");
    default:
      return QString();
  }
}

void PageHead(ReportPrinter& printer) {
  printer.NewPage(QStringLiteral("2.06 (2009.06.04)"));
  printer.SelectFont(ReportFont::Body);
  printer.TextAt(200, 100, QStringLiteral("SC Exemplu SRL"), TextAlign::Left);
  printer.TextAt(4600, 100, QStringLiteral("ANEXA Nr. 2a)"), TextAlign::Right);
  printer.CellText(200, 500, 4600, 600, QStringLiteral("LISTA *)"), TextAlign::Centre, false,
                   false);
  printer.BoxText(2300, 900, 2800, 1100, QStringLiteral("Categoria de\r\nasigurat **)"),
                  TextAlign::Centre, true);
}

void DrawReport(ReportPrinter& printer) {
  if (!printer.BeginJob(PageOrientation::Portrait, true)) std::abort();
  printer.StartDocument(QStringLiteral("CASAB_12345678_200906_2A"));
  for (int page = 0; page < kPages; ++page) {
    PageHead(printer);
    for (int r = 0; r < kRowsPerPage; ++r) {
      const int person = page * kRowsPerPage + r;
      for (int c = 0; c < 8; ++c) {
        const Column& column = kColumns[c];
        printer.CellText(column.left, 1100 + 100 * r, column.right, 1200 + 100 * r,
                         CellValue(person, c), column.align, false, true);
      }
    }
    printer.EndPage();
  }
  printer.EndJob();
}

void PdfReport(benchmark::State& state) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("anexa.pdf"));
  ReportPrinter printer(nullptr, [&path](PageOrientation, bool) {
    return PrinterChoice::Of(std::make_unique<PdfSurface>(path));
  });
  for (auto _ : state) DrawReport(printer);
  state.counters["pdf_bytes"] = static_cast<double>(QFileInfo(path).size());
}

void RecordedReport(benchmark::State& state) {
  for (auto _ : state) {
    PrintRecord record;
    ReportPrinter printer(nullptr, RecordingChooser(&record));
    DrawReport(printer);
    benchmark::DoNotOptimize(record.items.data());
  }
}

// Prints the PDF's median and its file size once all runs are in.
class SummaryReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.run_name.function_name != "PdfReport" || run.aggregate_name != "median") continue;
      median_ = run.GetAdjustedRealTime();
      const auto bytes = run.counters.find("pdf_bytes");
      if (bytes != run.counters.end()) bytes_ = bytes->second.value;
    }
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    if (median_ < 0) return;
    std::printf("50-page PDF: median %.1f ms, file %.0f KB (%s 1 s)\n", median_, bytes_ / 1024,
                median_ < 1000 ? "within" : "OVER");
  }

 private:
  double median_ = -1;
  double bytes_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  for (const auto& [name, function] :
       {std::pair{"PdfReport", &PdfReport}, std::pair{"RecordedReport", &RecordedReport}}) {
    benchmark::RegisterBenchmark(name, function)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1)
        ->Repetitions(7)
        ->ReportAggregatesOnly(true);
  }
  benchmark::Initialize(&argc, argv);
  SummaryReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
