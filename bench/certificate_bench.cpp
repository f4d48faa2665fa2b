// The certificate form on a large company: 20,000 insured persons and 10,000 earlier
// certificates. Measured: the proposal after each keystroke of a CNP, and confirming an "M"
// in the fifth rectification of a month of 2,000 entries (the checks and the audited write).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QStringList>

#include "leave/certificates/certificate_checks.h"
#include "leave/certificates/certificate_store.h"
#include "store/c_client.h"
#include "store/schema/schema.h"

#include "bench_server.h"
#include "console_prompter.h"

namespace {

constexpr char kCf[] = "12345674";
constexpr int kInsured = 20000;
constexpr int kEarlierCertificates = 10000;
constexpr int kLuna = 200906;
constexpr int kInitialEntries = 1000;
constexpr int kRectifications = 5;
constexpr int kEntriesPerRectification = 200;

ConsolePrompter prompter;
CClient* client = nullptr;
CertificateDeclaration fifth;
qint64 modifiedEntry = 0;

// A valid CNP per person: twelve digits and their control digit.
QString Cnp(int person) {
  const QString digits = QString::number(180010100000LL + person);
  constexpr int kWeights[] = {2, 7, 9, 1, 4, 6, 3, 5, 8, 2, 7, 9};
  int sum = 0;
  for (int i = 0; i < 12; ++i) sum += digits.at(i).digitValue() * kWeights[i];
  const int control = sum % 11 == 10 ? 1 : sum % 11;
  return digits + QString::number(control);
}

qint64 AddDeclaration(int number) {
  // Set-up of the measured rows: a failure shows in the timings, not here.
  static_cast<void>(
      client->Execute(QStringLiteral("INSERT INTO concedii.declaratii (cf, luna, rectificativa, "
                                     "rectif_nr, zile_lucratoare) VALUES ('%1', %2, '%3', %4, 22)")
                          .arg(QLatin1String(kCf))
                          .arg(kLuna)
                          .arg(number == 0 ? QStringLiteral("NU") : QStringLiteral("DA"))
                          .arg(number)));
  // Set-up of the measured rows: a failure shows in the timings, not here.
  static_cast<void>(client->Execute(QStringLiteral("SELECT LAST_INSERT_ID() AS i"), 1));
  return client->GetField(0, QStringLiteral("I")).toLongLong();
}

QString Entry(qint64 declaration, const char* type, int certificate, int month = 0) {
  return QStringLiteral("(%1,'%2','%3','POPESCU','ION','CASMB','%4','CM','%5',1,22,0,10,5,100)")
      .arg(declaration)
      .arg(QLatin1String(kCf), Cnp(certificate), QLatin1String(type))
      .arg(month * 100000 + certificate);
}

const QString kEntryHead = QStringLiteral(
    "INSERT INTO concedii.concedii (id_declaratie, cf, cnp, nume, prenume, cas, tip_rectif, "
    "cert_serie, cert_numar, cod_indemn, zile_lucratoare, zile_lucrate, zile_prestatii, "
    "zile_suportate_fnuass, suma_suportata_fnuass) VALUES ");

void Fill() {
  QStringList rows;
  for (int person = 0; person < kInsured; ++person) {
    rows.append(QStringLiteral("('%1','CASMB','POPESCU','ION','%2',20090101,0)")
                    .arg(QLatin1String(kCf), Cnp(person)));
  }
  InsertRows(*client,
             QStringLiteral("INSERT INTO asigurati.asigurati (cf, cas, nume, prenume, cnp, "
                            "intrare, iesire) VALUES "),
             rows);
  // Earlier certificates, in a declaration of the month before, of every second person.
  rows.clear();
  const qint64 earlier = AddDeclaration(0);
  // Set-up of the measured rows: a failure shows in the timings, not here.
  static_cast<void>(client->Execute(QStringLiteral("UPDATE concedii.declaratii SET luna=200905")));
  for (int i = 0; i < kEarlierCertificates; ++i) rows.append(Entry(earlier, "", 2 * i, 5));
  InsertRows(*client, kEntryHead, rows);
  rows.clear();
  const qint64 initial = AddDeclaration(0);
  for (int i = 0; i < kInitialEntries; ++i) rows.append(Entry(initial, "", i));
  InsertRows(*client, kEntryHead, rows);
  for (int number = 1; number <= kRectifications; ++number) {
    rows.clear();
    const qint64 declaration = AddDeclaration(number);
    for (int i = 0; i < kEntriesPerRectification; ++i) {
      rows.append(Entry(declaration, "M", (number - 1) * kEntriesPerRectification + i));
    }
    InsertRows(*client, kEntryHead, rows);
    fifth = {declaration, QLatin1String(kCf), kLuna, QStringLiteral("22"), true, number};
  }
  // Set-up of the measured rows: a failure shows in the timings, not here.
  static_cast<void>(
      client->Execute(QStringLiteral("SELECT MAX(`index`) AS i FROM concedii.concedii"), 1));
  modifiedEntry = client->GetField(0, QStringLiteral("I")).toLongLong();
}

void ProposalPerKeystroke(benchmark::State& state) {
  const QString cnp = Cnp(12345);
  int typed = 1;
  bool proposed = true;
  for (auto _ : state) {
    const auto person = ProposePerson(*client, QLatin1String(kCf), cnp.left(typed));
    proposed = proposed && person.has_value();
    typed = typed % 13 + 1;
  }
  if (!proposed) state.SkipWithError("no proposal");
}
BENCHMARK(ProposalPerKeystroke)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(1.0)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void ConfirmingAnMInTheFifthRectification(benchmark::State& state) {
  CertificateValues values;
  values.cnp = Cnp(999);  // the initial's last entry, modified again
  values.prenume = QStringLiteral("ION");
  values.nume = QStringLiteral("POPESCU");
  values.cas = QStringLiteral("CASMB");
  values.tipRectif = QStringLiteral("M");
  values.serie = QStringLiteral("CM");
  values.numar = QStringLiteral("999");
  values.codIndemn = QStringLiteral("1");
  values.zileLucratoare = QStringLiteral("22");
  values.zileLucrate = QStringLiteral("0");
  values.zilePrestatii = QStringLiteral("10");
  values.zileFnuass = QStringLiteral("5");
  values.sumaFnuass = QStringLiteral("100");
  bool accepted = true;
  for (auto _ : state) {
    const CheckResult check = CertificateConfirmProblem(*client, fifth, values, modifiedEntry);
    accepted = accepted && check.IsOk() && UpdateCertificate(*client, fifth, modifiedEntry, values);
  }
  if (!accepted) state.SkipWithError("refused");
}
BENCHMARK(ConfirmingAnMInTheFifthRectification)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(1.0)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
  QApplication application(argc, argv);
  return RunBenchmarksOnServer(argc, argv, prompter, [](CClient& theClient) {
    client = &theClient;
    UpgradeSchema(theClient);
    Fill();
  });
}
