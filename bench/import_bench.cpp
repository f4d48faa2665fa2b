// A 20,000-row external-source file imported through the screen into an empty company, then
// the same file again (all updates), against the same per-record statements run through the
// client in a loop without the screen, for a second company, in the same run.
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <cstdio>

#include "dbf/dbf_file.h"
#include "exchange/import/import_file.h"
#include "exchange/import/import_store.h"
#include "screens/exchange/c_import_external_dialog.h"
#include "store/c_client.h"
#include "store/list_model.h"
#include "store/schema/schema.h"

#include "console_prompter.h"

namespace {

// 20,000 unless the first argument says otherwise.
int kRows = 20000;

class FilePrompter : public ConsolePrompter {
 public:
  QString file;
  QString ChooseFile(const QString&) override { return file; }
};

// Twelve digits and the CNP's control digit.
QString Cnp(int serial) {
  const QString body = QStringLiteral("1800101%1").arg(serial, 5, 10, QLatin1Char('0'));
  const char* weights = "279146358279";
  int sum = 0;
  for (int i = 0; i < 12; ++i) sum += body[i].digitValue() * (weights[i] - '0');
  const int control = sum % 11 == 10 ? 1 : sum % 11;
  return body + QString::number(control);
}

bool WriteFile(const QString& path, const QString& cf) {
  DbfFile table;
  ListModel list;
  const std::pair<const char*, int> fields[] = {
      {"CF", 13},      {"CAS", 5},      {"CNP", 13},     {"NUME", 30},    {"PRENUME", 30},
      {"INTRARE", 8},  {"FORMA", 3},    {"SALARIU", 12}, {"ASG_DAT", 12}, {"ASG_VIR", 12},
      {"ANG_DAT", 12}, {"ANG_VIR", 12}, {"LA_LUNA", 6}};
  for (const auto& [name, length] : fields) {
    table.AddField(QLatin1String(name), QStringLiteral("C"), length);
    list.InsertColumn(list.ColumnCount(), QLatin1String(name));
  }
  std::vector<QStringList> rows;
  for (int i = 0; i < kRows; ++i) {
    rows.push_back({cf, "CASAB", Cnp(i), "POPESCU", "ION", "20090105", "S", "1234.5", "67.9",
                    "67.9", "80", "80", "200906"});
  }
  list.AppendRows(std::move(rows));
  return table.WriteDbf(path, list);
}

double ScreenSave(CClient& client, FilePrompter& prompter, const QString& path) {
  CImportExternalDialog screen(nullptr, client, prompter);
  prompter.file = path;
  screen.findChild<QPushButton*>(QStringLiteral("open"))->click();
  screen.findChild<QLineEdit*>(QStringLiteral("denumire"))->setText(QStringLiteral("BENCH"));
  screen.findChild<QLineEdit*>(QStringLiteral("ziuaLic"))->setText(QStringLiteral("10"));
  QElapsedTimer timer;
  timer.start();
  screen.findChild<QPushButton*>(QStringLiteral("save"))->click();
  return timer.nsecsElapsed() / 1e9;
}

double PlainLoop(CClient& client, const QString& path) {
  ListModel list;
  if (ReadImportFile(path, ImportLayout::kExternal, list).outcome !=
      ImportFileResult::Outcome::kRead) {
    return -1;
  }
  const QString cf = *ImportFiscalCode(list.GetCellText(0, QStringLiteral("CF")));
  CompanyRecord company;
  company.cf = cf;
  company.denumire = QStringLiteral("BENCH");
  company.ziuaLic = QStringLiteral("10");
  if (!EnsureImportCompany(client, company)) return -1;
  QElapsedTimer timer;
  timer.start();
  ExternalImportRows rows(cf);
  if (!rows.Read(client)) return -1;
  for (int row = 0; row < list.RowCount(); ++row) {
    if (ImportExternalRecord(client, rows, RowFields(list, row)).kind ==
        ImportOutcome::Kind::kFailed) {
      return -1;
    }
  }
  return timer.nsecsElapsed() / 1e9;
}

void Report(const char* what, double screen, double loop) {
  std::printf("%-24s screen %7.0f rows/s, loop %7.0f rows/s, ratio %.2f\n", what, kRows / screen,
              kRows / loop, screen / loop);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  if (argc > 1) kRows = QString::fromLocal8Bit(argv[1]).toInt();
  QTemporaryDir folder;
  QDir::setCurrent(folder.path());
  FilePrompter prompter;
  CClient client(&prompter);
  if (client.Connect() != 0) return 1;
  UpgradeSchema(client);
  const QString screenFile = folder.filePath(QStringLiteral("screen.dbf"));
  const QString loopFile = folder.filePath(QStringLiteral("loop.dbf"));
  if (!WriteFile(screenFile, QStringLiteral("12345674")) ||
      !WriteFile(loopFile, QStringLiteral("13548146"))) {
    return 1;
  }
  const double screenFirst = ScreenSave(client, prompter, screenFile);
  const double loopFirst = PlainLoop(client, loopFile);
  const double screenAgain = ScreenSave(client, prompter, screenFile);
  const double loopAgain = PlainLoop(client, loopFile);
  Report("empty company:", screenFirst, loopFirst);
  Report("same file again:", screenAgain, loopAgain);
  client.Disconnect();
  return 0;
}
