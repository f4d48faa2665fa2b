#pragma once

#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include "dbf/dbf_file.h"
#include "exchange/import/import_checks.h"
#include "screens/exchange/c_import_external_dialog.h"
#include "screens/exchange/c_import_previous_dialog.h"
#include "store/list_model.h"
#include "support/register_fixture.h"
#include "ui/c_list_view_ex.h"

// Import files written by the project's own dBase writer into a temporary folder, and the
// import screens driven through their buttons.
class ImportTest : public RegisterTest {
 protected:
  void SetUp() override {
    RegisterTest::SetUp();
    for (const char* table : {"zlog_asigurati", "zlog_sume"}) {
      Run(QStringLiteral("TRUNCATE TABLE asigurati.") + QLatin1String(table));
    }
  }

  struct Field {
    const char* name;
    const char* type;
    int length;
  };

  // Writes the records (cells in field order) as `name` and returns its path.
  QString WriteFile(const QString& name, const std::vector<Field>& fields,
                    const std::vector<QStringList>& records) {
    DbfFile table;
    ListModel list;
    for (const Field& field : fields) {
      table.AddField(QLatin1String(field.name), QLatin1String(field.type), field.length);
      list.InsertColumn(list.ColumnCount(), QLatin1String(field.name));
    }
    for (const QStringList& record : records) list.AppendRowCells(record);
    const QString path = folder_.filePath(name);
    EXPECT_TRUE(table.WriteDbf(path, list));
    return path;
  }

  static std::vector<Field> ExternalFields() {
    return {{"CF", "C", 13},      {"CAS", "C", 5},      {"CNP", "C", 13},     {"NUME", "C", 30},
            {"PRENUME", "C", 30}, {"INTRARE", "C", 8},  {"FORMA", "C", 3},    {"SALARIU", "N", 12},
            {"ASG_DAT", "N", 12}, {"ASG_VIR", "N", 12}, {"ANG_DAT", "N", 12}, {"ANG_VIR", "N", 12},
            {"LA_LUNA", "C", 6}};
  }
  static std::vector<Field> Anexa1AFields(int count) {
    if (count == 16) {
      return {{"LN", "N", 2},       {"AN", "N", 4},   {"CF", "C", 13},   {"RJ", "C", 3},
              {"RN", "C", 6},       {"RA", "C", 4},   {"CNP", "C", 13},  {"NUME", "C", 30},
              {"PRENUME", "C", 30}, {"CAT", "C", 3},  {"ANG", "D", 8},   {"PL", "D", 8},
              {"SDL", "N", 12},     {"SVL", "N", 12}, {"NREP", "C", 30}, {"PREP", "C", 30}};
    }
    return {{"AN", "N", 4},    {"LN", "N", 2},       {"CF", "C", 13},  {"CNPA", "C", 13},
            {"RJ", "C", 3},    {"RN", "C", 6},       {"RA", "C", 4},   {"CNP", "C", 13},
            {"NUME", "C", 30}, {"PRENUME", "C", 30}, {"CAT", "C", 3},  {"ANG", "D", 8},
            {"PL", "D", 8},    {"SDT", "N", 12},     {"SDL", "N", 12}, {"SVT", "N", 12},
            {"SVL", "N", 12},  {"NREP", "C", 30},    {"PREP", "C", 30}};
  }

  // Chooses the file through the screen's open button.
  static void Open(CImportDialog& screen, const QString& path) {
    prompter().QueueFile(path);
    screen.findChild<QPushButton*>(QStringLiteral("open"))->click();
  }
  static void Type(CImportDialog& screen, const char* name, const QString& text) {
    screen.findChild<QLineEdit*>(QLatin1String(name))->setText(text);
  }
  static QPushButton& SaveButton(CImportDialog& screen) {
    return *screen.findChild<QPushButton*>(QStringLiteral("save"));
  }
  // Completes a new company's data and saves.
  static void CompleteAndSave(CImportDialog& screen) {
    Type(screen, "denumire", QStringLiteral("O'Brien \\ Ţesătorii SRL"));
    Type(screen, "regCom", QStringLiteral("J40/1234/2003"));
    Type(screen, "repr", QStringLiteral("Ionescu Ion"));
    Type(screen, "ziuaLic", QStringLiteral("15"));
    SaveButton(screen).click();
  }
  static QString Error(CImportDialog& screen, int row) {
    return screen.Records().GetCellText(row, QStringLiteral("EROARE"));
  }
  static bool IsRed(CImportDialog& screen, int row) {
    return screen.Records().Model().RowColor(row) == CImportDialog::RejectedColor();
  }
  static int Count(const QString& table, const QString& where = QStringLiteral("1")) {
    return Value(
               QStringLiteral("SELECT COUNT(*) AS v FROM asigurati.%1 WHERE %2").arg(table, where))
        .toInt();
  }

  QTemporaryDir folder_;
};
