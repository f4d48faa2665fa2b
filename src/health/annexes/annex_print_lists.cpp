#include "health/annexes/annex_print_lists.h"

#include "health/annexes/annex_queries.h"
#include "health/annexes/annex_values.h"
#include "store/c_client.h"
#include "store/prompter.h"

namespace {

const QString kNoCompany = QStringLiteral("Eroare #1234");

// The result's rows as the client holds them, with the cells of named columns.
class ResultRows {
 public:
  explicit ResultRows(const ResultTable& table)
      : names_(table.ColumnNames()), cells_(table.Cells()) {}

  qsizetype Column(const char* name) const { return names_.indexOf(QLatin1String(name)); }
  qsizetype Count() const { return names_.isEmpty() ? 0 : cells_.size() / names_.size(); }
  const QString& At(qsizetype row, qsizetype column) const {
    return cells_[row * names_.size() + column];
  }

 private:
  const QStringList& names_;
  const QStringList& cells_;
};

// The 1A and 1B statements want the whole header; only the month, the company and the house
// decide their rows.
AnnexHeader HeaderOf(const AnnexPrintHead& head) {
  return {SplitMonth(head.month).value_or(MonthParts{}), head.cf, SplitRegCom(head.regCom),
          SplitRepr(head.repr)};
}

double Lei(const QString& stored) { return WrittenAmountValue(stored).value_or(0); }

}  // namespace

QString PrintedAnnexCode(PrintedAnnex annex) {
  switch (annex) {
    case PrintedAnnex::k2A:
      return QStringLiteral("2A");
    case PrintedAnnex::k2B:
      return QStringLiteral("2B");
    case PrintedAnnex::k2C:
      break;
  }
  return QStringLiteral("2C");
}

InsuredTotals SumInsured(const std::vector<InsuredLine>& lines) {
  InsuredTotals totals;
  for (const InsuredLine& line : lines) {
    totals.owed += line.owed;
    totals.paid += line.paid;
  }
  return totals;
}

std::optional<AnnexPrintHead> ReadAnnexPrintHead(CClient& client, Prompter& prompter,
                                                 const QString& cf, const QString& cas,
                                                 const QString& month) {
  if (client.Execute(CompanyRowStatement(client, cf), 1) != 0) return std::nullopt;
  if (client.RowCount() < 1) {
    prompter.Inform(kNoCompany);
    return std::nullopt;
  }
  return AnnexPrintHead{client.GetField(0, QStringLiteral("DENUMIRE")),
                        cf,
                        client.GetField(0, QStringLiteral("REG_COM")),
                        client.GetField(0, QStringLiteral("REPR")),
                        cas,
                        month};
}

std::optional<std::vector<InsuredLine>> ReadInsuredLines(CClient& client,
                                                         const AnnexPrintHead& head) {
  if (client.Execute(Annex2AListStatement(client, HeaderOf(head), head.cas), 1) != 0) {
    return std::nullopt;
  }
  const ResultRows rows(client.Result());
  const qsizetype cnp = rows.Column("CNP"), nume = rows.Column("NUME"),
                  prenume = rows.Column("PRENUME"), cat = rows.Column("CATEGORIA"),
                  hired = rows.Column("DATA_ANGAJARII"), left = rows.Column("DATA_PLECARII"),
                  owed = rows.Column("DATORAT_LUNA"), paid = rows.Column("VIRAT_LUNA"),
                  cas = rows.Column("CAS"), cf = rows.Column("CF"), month = rows.Column("LA_LUNA"),
                  index = rows.Column("INDEX");
  std::vector<InsuredLine> lines;
  lines.reserve(static_cast<size_t>(rows.Count()));
  for (qsizetype r = 0; r < rows.Count(); ++r) {
    lines.push_back({rows.At(r, cnp), rows.At(r, nume), rows.At(r, prenume), rows.At(r, cat),
                     Lei(rows.At(r, owed)), Lei(rows.At(r, paid)), rows.At(r, hired),
                     rows.At(r, left), rows.At(r, cas), rows.At(r, cf), rows.At(r, month),
                     rows.At(r, index)});
  }
  return lines;
}

std::optional<std::vector<DependantLine>> ReadDependantLines(CClient& client,
                                                             const AnnexPrintHead& head) {
  if (client.Execute(Annex1BStatement(client, HeaderOf(head), head.cas), 1) != 0) {
    return std::nullopt;
  }
  const ResultRows rows(client.Result());
  const qsizetype insured = rows.Column("CNP"), cnp = rows.Column("CNPC"),
                  nume = rows.Column("NUMEC"), prenume = rows.Column("PRENUMEC"),
                  tip = rows.Column("TIPC");
  std::vector<DependantLine> lines;
  lines.reserve(static_cast<size_t>(rows.Count()));
  for (qsizetype r = 0; r < rows.Count(); ++r) {
    lines.push_back({rows.At(r, insured), rows.At(r, cnp), rows.At(r, nume), rows.At(r, prenume),
                     rows.At(r, tip)});
  }
  return lines;
}

std::optional<HouseSummary> ReadHouseSummary(CClient& client, const AnnexPrintHead& head) {
  const AnnexHeader header = HeaderOf(head);
  HouseSummary summary;
  if (client.Execute(Annex1CAmountsStatement(client, header), 1) != 0) return std::nullopt;
  {
    const ResultRows rows(client.Result());
    const qsizetype cas = rows.Column("CAS"), owed = rows.Column("SDL"), paid = rows.Column("SVL");
    for (qsizetype r = 0; r < rows.Count(); ++r) {
      const QString& house = rows.At(r, cas);
      // The server groups house codes without regard to case, as the 1C records do.
      if (summary.houses.empty() ||
          summary.houses.back().cas.compare(house, Qt::CaseInsensitive) != 0) {
        summary.houses.push_back({house, 0, 0});
      }
      summary.houses.back().owed += Lei(rows.At(r, owed));
      summary.houses.back().paid += Lei(rows.At(r, paid));
    }
  }
  for (const HouseLine& house : summary.houses) {
    summary.insuredOwed += house.owed;
    summary.insuredPaid += house.paid;
  }
  if (client.Execute(EmployerAmountsStatement(client, header), 1) != 0) return std::nullopt;
  if (client.RowCount() > 0) {
    summary.employerOwed = Lei(client.GetField(0, QStringLiteral("DATORAT")));
    summary.employerPaid = Lei(client.GetField(0, QStringLiteral("VIRAT")));
  }
  return summary;
}
