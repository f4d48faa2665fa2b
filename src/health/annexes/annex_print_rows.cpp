#include "health/annexes/annex_print_rows.h"

#include "common/number_texts.h"
#include "health/annexes/annex_print_pages.h"
#include "print/report_printer.h"
#include "store/c_client.h"
#include "store/list_model.h"

namespace {

constexpr QRgb kTotalRow = qRgb(255, 0, 0);

// The columns with widths that show a whole CNP and the longer names.
void SetColumns(ListModel& list, std::initializer_list<std::pair<const char*, int>> columns) {
  int position = 0;
  for (const auto& [name, width] : columns) {
    list.InsertColumn(position++, QLatin1String(name));
    list.SetColumnWidth(QLatin1String(name), width);
  }
}

// A person still employed shows no date of leaving, as on paper.
QString NoDateEmpty(const QString& stored) {
  return stored.trimmed().toLongLong() < 1 ? QString() : stored;
}

void Fill2a(ListModel& list, const std::vector<InsuredLine>& lines) {
  // The house, the company, the month and the index travel with each row but stay hidden.
  SetColumns(list, {{"CAS", 0},
                    {"CF", 0},
                    {"CNP", 120},
                    {"NUME", 140},
                    {"PRENUME", 140},
                    {"CATEGORIA", 90},
                    {"DATORAT_LUNA", 130},
                    {"VIRAT_LUNA", 130},
                    {"DATA_ANGAJARII", 130},
                    {"DATA_PLECARII", 130},
                    {"LA_LUNA", 0},
                    {"INDEX", 0}});
  std::vector<QStringList> rows;
  rows.reserve(lines.size() + 1);
  for (const InsuredLine& l : lines) {
    rows.push_back({l.cas, l.cf, l.cnp, l.nume, l.prenume, l.categoria, FormatInteger(l.owed),
                    FormatInteger(l.paid), l.hired, NoDateEmpty(l.left), l.month, l.index});
  }
  const InsuredTotals totals = SumInsured(lines);
  rows.push_back({QString(), QString(), QString(), QString(), QString(), QStringLiteral("TOTAL"),
                  FormatInteger(totals.owed), FormatInteger(totals.paid), QString(), QString(),
                  QString(), QString()});
  list.AppendRows(std::move(rows));
  list.SetRowColor(list.RowCount() - 1, kTotalRow);
  list.SetColumnKind(QStringLiteral("DATORAT_LUNA"), QStringLiteral("3"));
  list.SetColumnKind(QStringLiteral("VIRAT_LUNA"), QStringLiteral("3"));
  list.SetColumnKind(QStringLiteral("DATA_ANGAJARII"), QStringLiteral("1"));
  list.SetColumnKind(QStringLiteral("DATA_PLECARII"), QStringLiteral("1"));
}

void Fill2b(ListModel& list, const std::vector<DependantLine>& lines) {
  SetColumns(list,
             {{"CNP_ANGAJAT", 130}, {"CNP", 120}, {"NUME", 200}, {"PRENUME", 200}, {"TIP", 60}});
  std::vector<QStringList> rows;
  rows.reserve(lines.size());
  for (const DependantLine& l : lines)
    rows.push_back({l.cnpAngajat, l.cnp, l.nume, l.prenume, l.tip});
  list.AppendRows(std::move(rows));
}

void Fill2c(ListModel& list, const HouseSummary& summary) {
  SetColumns(list, {{"CASA", 90},
                    {"ANG DATORAT LUNA", 150},
                    {"ANG VIRAT LUNA", 150},
                    {"ASIG DATORAT LUNA", 150},
                    {"ASIG VIRAT LUNA", 150}});
  std::vector<QStringList> rows;
  for (const HouseLine& h : summary.houses) {
    rows.push_back({h.cas, QString(), QString(), FormatInteger(h.owed), FormatInteger(h.paid)});
  }
  rows.push_back({QStringLiteral("TOTAL"), FormatInteger(summary.employerOwed),
                  FormatInteger(summary.employerPaid), FormatInteger(summary.insuredOwed),
                  FormatInteger(summary.insuredPaid)});
  list.AppendRows(std::move(rows));
}

// The list's rows back as the page lines: the printout shows what the form showed.
class ListRows {
 public:
  explicit ListRows(const ListModel& model) : model_(model) {}
  int Count() const { return model_.RowCount(); }
  int Column(const char* name) const { return model_.FindColumn(QLatin1String(name)); }
  QString Text(int row, int column) const { return model_.Cell(row, column); }
  double Lei(int row, int column) const {
    return static_cast<double>(LeadingInteger(model_.Cell(row, column)));
  }

 private:
  const ListModel& model_;
};

// Every row but the last is a person; the last is the TOTAL row.
void Read2a(const ListRows& rows, AnnexPrintout& printout) {
  const int cnp = rows.Column("CNP"), nume = rows.Column("NUME"), prenume = rows.Column("PRENUME"),
            categoria = rows.Column("CATEGORIA"), owed = rows.Column("DATORAT_LUNA"),
            paid = rows.Column("VIRAT_LUNA"), hired = rows.Column("DATA_ANGAJARII"),
            left = rows.Column("DATA_PLECARII"), cas = rows.Column("CAS"), cf = rows.Column("CF"),
            month = rows.Column("LA_LUNA"), index = rows.Column("INDEX");
  const int people = rows.Count() - 1;
  if (people < 0) return;
  printout.insured.reserve(static_cast<size_t>(people));
  for (int r = 0; r < people; ++r) {
    printout.insured.push_back({rows.Text(r, cnp), rows.Text(r, nume), rows.Text(r, prenume),
                                rows.Text(r, categoria), rows.Lei(r, owed), rows.Lei(r, paid),
                                rows.Text(r, hired), rows.Text(r, left), rows.Text(r, cas),
                                rows.Text(r, cf), rows.Text(r, month), rows.Text(r, index)});
  }
  printout.insuredTotals = {rows.Lei(people, owed), rows.Lei(people, paid)};
}

void Read2b(const ListRows& rows, AnnexPrintout& printout) {
  const int insured = rows.Column("CNP_ANGAJAT"), cnp = rows.Column("CNP"),
            nume = rows.Column("NUME"), prenume = rows.Column("PRENUME"), tip = rows.Column("TIP");
  printout.dependants.reserve(static_cast<size_t>(rows.Count()));
  for (int r = 0; r < rows.Count(); ++r) {
    printout.dependants.push_back({rows.Text(r, insured), rows.Text(r, cnp), rows.Text(r, nume),
                                   rows.Text(r, prenume), rows.Text(r, tip)});
  }
}

// House rows, then the TOTAL row with the employer's amounts.
void Read2c(const ListRows& rows, AnnexPrintout& printout) {
  const int casa = rows.Column("CASA"), employerOwed = rows.Column("ANG DATORAT LUNA"),
            employerPaid = rows.Column("ANG VIRAT LUNA"), owed = rows.Column("ASIG DATORAT LUNA"),
            paid = rows.Column("ASIG VIRAT LUNA");
  const int houses = rows.Count() - 1;
  if (houses < 0) return;
  HouseSummary& summary = printout.houses;
  for (int r = 0; r < houses; ++r) {
    summary.houses.push_back({rows.Text(r, casa), rows.Lei(r, owed), rows.Lei(r, paid)});
  }
  summary.employerOwed = rows.Lei(houses, employerOwed);
  summary.employerPaid = rows.Lei(houses, employerPaid);
  summary.insuredOwed = rows.Lei(houses, owed);
  summary.insuredPaid = rows.Lei(houses, paid);
}

}  // namespace

void FillAnnexRows(const AnnexPrintout& printout, ListModel& rows) {
  switch (printout.annex) {
    case PrintedAnnex::k2A:
      Fill2a(rows, printout.insured);
      break;
    case PrintedAnnex::k2B:
      Fill2b(rows, printout.dependants);
      break;
    case PrintedAnnex::k2C:
      Fill2c(rows, printout.houses);
      break;
  }
}

std::optional<AnnexPrintout> ListedPrintout(CClient& client, Prompter& prompter, const QString& cf,
                                            const QString& month, const PlannedAnnex& planned,
                                            const ListModel& rows) {
  std::optional<AnnexPrintHead> head = ReadAnnexPrintHead(client, prompter, cf, planned.cas, month);
  if (!head) return std::nullopt;
  AnnexPrintout printout;
  printout.annex = planned.annex;
  printout.head = std::move(*head);
  const ListRows listed(rows);
  switch (planned.annex) {
    case PrintedAnnex::k2A:
      Read2a(listed, printout);
      break;
    case PrintedAnnex::k2B:
      Read2b(listed, printout);
      break;
    case PrintedAnnex::k2C:
      Read2c(listed, printout);
      break;
  }
  return printout;
}

AnnexPrintOutcome PrintListedAnnex(CClient& client, Prompter& prompter, ReportPrinter& printer,
                                   const SaveChoices& houses, const PlannedAnnex& planned) {
  const std::optional<AnnexPrintout> read =
      ReadAnnexPrintout(client, prompter, planned.annex, houses.cf, planned.cas, houses.month);
  if (!read) return AnnexPrintOutcome::kStopped;
  ListModel rows;
  FillAnnexRows(*read, rows);
  const std::optional<AnnexPrintout> printout =
      ListedPrintout(client, prompter, houses.cf, houses.month, planned, rows);
  if (!printout) return AnnexPrintOutcome::kStopped;
  DrawAnnex(printer, *printout, client.Version());
  return AnnexPrintOutcome::kPrinted;
}
