// The printed declaration and its files for a company whose June declaration carries 2,000
// certificates (Anexa 1 and 56 pages of Anexa 2). Measured in the same run:
//  - the whole printout (preparation, replay, certificates and pages) to a PDF file, and the
//    same to the recorder, whose time is the engine's and the report's share;
//  - the A1 and A2 files, against the raw cost of their work: the replay's and the
//    certificates' statements run through the C interface with every row walked, plus the
//    same bytes written as two files with one write each.
// Prints the medians and the ratio at the end; the aims are a PDF under 2 s and files within
// 3x of the raw work.

#include <benchmark/benchmark.h>
#include <mysql.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <map>

#include "leave/output/declaration_files.h"
#include "leave/output/declaration_print.h"
#include "leave/replay/rectification_replay.h"
#include "print/print_recording.h"
#include "print/report_printer.h"
#include "store/c_client.h"
#include "store/database_thread.h"
#include "store/schema/schema.h"

#include "bench_server.h"
#include "console_prompter.h"
#include "median_reporter.h"

namespace {

constexpr char kCf[] = "12345674";
constexpr int kLuna = 200906;
constexpr int kCertificates = 2000;

ConsolePrompter prompter;
CClient* client = nullptr;
qint64 declaration = 0;
QTemporaryDir* folder = nullptr;

void Fill() {
  // Set-up of the measured rows: a failure shows in the timings, not here.
  static_cast<void>(client->Execute(QStringLiteral(
      "INSERT INTO asigurati.societati (cf, denumire, reg_com, repr, jud, loc, str, nr, tel, "
      "email, b1, f1, c1) VALUES ('12345674', 'SC ŢESĂTORIA ŞIRETULUI SRL', 'J12/345/2001', "
      "'POPESCU ION', 'CJ', 'Cluj-Napoca', 'Horea', '7', '0264123456', 'office@example.ro', "
      "'BCR', 'Cluj', 'RO49AAAA1B31007593840000')")));
  // Set-up of the measured rows: a failure shows in the timings, not here.
  static_cast<void>(
      client->Execute(QStringLiteral("INSERT INTO concedii.declaratii (cf, luna, rectificativa, "
                                     "rectif_nr, nr_ang, fond_de_salarii, contributii_datorate, "
                                     "faambp_datorat, de_recuperat_anterior) VALUES "
                                     "('%1', %2, 'NU', 0, 2500, 7500000, 63750, 0, 0)")
                          .arg(QLatin1String(kCf))
                          .arg(kLuna)));
  // Set-up of the measured rows: a failure shows in the timings, not here.
  static_cast<void>(client->Execute(QStringLiteral("SELECT LAST_INSERT_ID() AS i"), 1));
  declaration = client->GetField(0, QStringLiteral("I")).toLongLong();
  QStringList rows;
  for (int i = 0; i < kCertificates; ++i) {
    rows.append(QStringLiteral("(%1,'%2','%3','ŢUŢEA-BRÂNCUŞI %4','ŞTEFAN','CASCJ','CCMAA','%5',"
                               "'CCMAB','%6',%7,22,20,10,5,%8,'1','2')")
                    .arg(declaration)
                    .arg(QLatin1String(kCf), QString::number(1800101000000LL + i))
                    .arg(i % 700)
                    .arg(100000 + i)
                    .arg(200000 + i)
                    .arg(i % 15 + 1)
                    .arg(500 + i % 300));
  }
  // Set-up of the measured rows: a failure shows in the timings, not here.
  static_cast<void>(
      client->Execute(QStringLiteral("INSERT INTO concedii.concedii (id_declaratie, cf, cnp, nume, "
                                     "prenume, cas, cert_serie, cert_numar, cert_init_serie, "
                                     "cert_init_numar, cod_indemn, zile_lucratoare, zile_lucrate, "
                                     "zile_prestatii, zile_suportate_fnuass, "
                                     "suma_suportata_fnuass, cod_urg, cod_contag) VALUES ") +
                      rows.join(u',')));
}

void PrintoutToPdf(benchmark::State& state) {
  const QString path = folder->filePath(QStringLiteral("declaratie.pdf"));
  bool written = false;
  for (auto _ : state) {
    const auto printout = PrepareDeclarationPrintout(*client, prompter, declaration);
    written = printout && WriteDeclarationPdf(*printout, path, QStringLiteral("2.06"));
  }
  if (!written) state.SkipWithError("no PDF");
  state.counters["pdf_bytes"] = static_cast<double>(QFileInfo(path).size());
}

void PrintoutToRecorder(benchmark::State& state) {
  int pages = 0;
  for (auto _ : state) {
    PrintRecord record;
    ReportPrinter printer(nullptr, RecordingChooser(&record));
    if (PrintDeclaration(*client, prompter, printer, declaration) == PrintOutcome::kPrinted) {
      pages = record.pagesEnded;
    }
  }
  if (pages != 1 + (kCertificates + 35) / 36) state.SkipWithError("wrong page count");
  state.counters["pages"] = pages;
}

void DeclarationFiles(benchmark::State& state) {
  FilesOutcome outcome = FilesOutcome::kStopped;
  for (auto _ : state) {
    outcome =
        WriteDeclarationFiles(*client, prompter, QLatin1String(kCf), declaration, folder->path())
            .outcome;
  }
  if (outcome != FilesOutcome::kSaved) state.SkipWithError("files not written");
}

// Runs a statement through the C interface and walks every cell of its answer.
void RawQuery(const QByteArray& query) {
  RunOnDatabaseThread([&] {
    mysql_real_query(client->NativeHandle(), query.constData(), query.size());
    MYSQL_RES* result = mysql_store_result(client->NativeHandle());
    const unsigned fields = mysql_num_fields(result);
    size_t bytes = 0;
    while (MYSQL_ROW row = mysql_fetch_row(result)) {
      const unsigned long* lengths = mysql_fetch_lengths(result);
      for (unsigned i = 0; i < fields; ++i) bytes += row[i] != nullptr ? lengths[i] : 0;
    }
    benchmark::DoNotOptimize(bytes);
    mysql_free_result(result);
  });
}

void RawFilesWork(benchmark::State& state) {
  const QByteArray replay =
      MonthCertificatesStatement(*client, QLatin1String(kCf), kLuna, 0).toUtf8();
  const QByteArray certificates =
      QStringLiteral(
          "SELECT * FROM concedii.concedii AS c WHERE c.id_declaratie=%1 ORDER BY "
          "c.nume, c.cert_init_serie, c.index")
          .arg(declaration)
          .toUtf8();
  // The bytes the command writes, read once from its own files.
  std::map<QString, QByteArray> files;
  for (const QString& name : QDir(folder->path()).entryList({QStringLiteral("CM_*.dbf")})) {
    QFile file(folder->filePath(name));
    if (file.open(QIODevice::ReadOnly)) files[name] = file.readAll();
  }
  if (files.size() != 2) state.SkipWithError("run DeclarationFiles first");
  for (auto _ : state) {
    RawQuery(replay);
    RawQuery(certificates);
    for (const auto& [name, bytes] : files) {
      QFile file(folder->filePath(QStringLiteral("raw_") + name));
      if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        state.SkipWithError("raw write failed");
      }
    }
  }
}

void Summary(const MedianReporter::Medians& medians) {
  const auto median = [&medians](const char* name) {
    return MedianReporter::Median(medians, name);
  };
  std::printf("printout of %d certificates: PDF median %.1f ms (%s 2 s), recorder %.1f ms\n",
              kCertificates, median("PrintoutToPdf"),
              median("PrintoutToPdf") < 2000 ? "within" : "OVER", median("PrintoutToRecorder"));
  const double files = median("DeclarationFiles");
  const double raw = median("RawFilesWork");
  if (files > 0 && raw > 0) {
    std::printf("A1 + A2: median %.1f ms, raw work %.1f ms, ratio %.2f (%s 3x)\n", files, raw,
                files / raw, files / raw <= 3 ? "within" : "OVER");
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  QTemporaryDir output;
  folder = &output;
  RegisterTimed({{"PrintoutToPdf", &PrintoutToPdf},
                 {"PrintoutToRecorder", &PrintoutToRecorder},
                 {"DeclarationFiles", &DeclarationFiles},
                 {"RawFilesWork", &RawFilesWork}},
                3, 5);
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
