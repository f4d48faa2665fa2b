#include <QTemporaryDir>
#include <map>
#include <optional>

#include "support/print_to.h"
#include "verify_fixture.h"

namespace {

using namespace verify_files;

// The list of a file is its records decoded when asked for; checked and marked, it must end
// exactly as the same records held as texts do: rows left out, headings written over the
// file's cells, "EROARE" and the red rows.

struct Shown {
  QStringList names;
  std::vector<QStringList> cells;
  std::vector<std::optional<QRgb>> colors;
  QString message;
  bool operator==(const Shown&) const = default;
};

Shown ShownOf(const ListModel& list, const QString& message) {
  Shown shown{{}, {}, {}, message};
  for (int column = 0; column < list.ColumnCount(); ++column) {
    shown.names.append(list.ColumnAt(column).name);
  }
  for (int row = 0; row < list.RowCount(); ++row) {
    QStringList cells;
    for (int column = 0; column < list.ColumnCount(); ++column)
      cells.append(list.Cell(row, column));
    shown.cells.push_back(cells);
    shown.colors.push_back(list.RowColor(row));
  }
  return shown;
}

QStringList Record(VerifiedFile file, const std::map<QString, QString>& values) {
  QStringList cells;
  for (const QString& name : VerifiedFieldNames(file)) {
    const auto found = values.find(name);
    cells.append(found == values.end() ? QString() : found->second);
  }
  return cells;
}

TEST(VerifyReadFile, MarksTheListAsTheSameRecordsHeldAsTexts) {
  const std::map<QString, QString> person = {
      {"LN", "7"},       {"AN", "2009"}, {"CF", "12345674"},  {"CNP", "1800101221144"},
      {"NUME", "Ţuţea"}, {"CAT", "S"},   {"ANG", "20090604"}, {"PL", "0"},
      {"SDL", "55.5"}};
  auto badCat = person;
  badCat["CAT"] = "X";
  auto badCnp = person;
  badCnp["CNP"] = "1800101221145";
  const std::map<QString, QString> certificate = {{"TIPD", "1"},       {"LN", "6"},
                                                  {"AN", "2009"},      {"CUI", "R12345674"},
                                                  {"TIP_RECTIF", "A"}, {"CNP", "1800101221144"},
                                                  {"ZI_PRE", "5"},     {"NUME_ASIG", "Ştefan"}};
  auto dropped = certificate;
  dropped["CNP"] = "1800101221145";
  dropped["ZI_PRE"] = "0";
  auto badType = certificate;
  badType["TIP_RECTIF"] = "X";
  const struct {
    VerifiedFile file;
    std::vector<std::map<QString, QString>> records;
    int rows;  // shown at the end
    std::size_t faults;
  } cases[] = {
      {VerifiedFile::kAnnexA, {person, badCat, person, badCnp}, 4, 2},
      {VerifiedFile::kAnnexA, {person}, 1, 0},
      {VerifiedFile::kLeave2, {certificate, dropped, badType, dropped, certificate}, 3, 1},
      {VerifiedFile::kLeave2, {dropped, certificate}, 1, 0},
  };
  QTemporaryDir dir;
  for (const auto& [file, records, shownRows, faults] : cases) {
    std::vector<QStringList> rows;
    for (const auto& values : records) rows.push_back(Record(file, values));
    const QString path = dir.filePath(QStringLiteral("fisier.dbf"));
    Write(path, FieldsOf(file), rows);
    Verified read;
    Verify(file, path, read);
    EXPECT_EQ(read.list.RowCount(), shownRows) << read.report.message;
    EXPECT_EQ(read.report.faults.size(), faults) << read.report.message;

    ListModel held;
    const QStringList names = ReadVerifiedFile(path, held);
    const Shown asRead = ShownOf(held, {});
    held.DeleteAllRows();
    held.AppendRows(asRead.cells);
    const VerifyReport report = VerifyTable(file, {names, held});
    ShowVerifyReport(report, held);
    EXPECT_EQ(ShownOf(read.list, read.report.message), ShownOf(held, report.message))
        << static_cast<int>(file) << " " << records.size();
  }
}

}  // namespace
