#include "health/annexes/annex_files.h"

#include <QBuffer>
#include <optional>

#include "common/number_texts.h"
#include "health/annexes/annex_queries.h"
#include "store/c_client.h"
#include "store/list_model.h"

namespace {

const std::vector<AnnexField> kAnnex1A = {
    {"LN", "N", 2},       {"AN", "N", 4},   {"CF", "C", 13},   {"RJ", "C", 3},
    {"RN", "N", 5},       {"RA", "N", 4},   {"CNP", "N", 13},  {"NUME", "C", 30},
    {"PRENUME", "C", 30}, {"CAT", "C", 3},  {"ANG", "D", 8},   {"PL", "D", 8},
    {"SDL", "N", 12},     {"SVL", "N", 12}, {"NREP", "C", 30}, {"PREP", "C", 30},
};

const std::vector<AnnexField> kAnnex1B = {
    {"LN", "N", 2},     {"AN", "N", 4},        {"CF", "C", 13},  {"RJ", "C", 3},
    {"RN", "N", 5},     {"RA", "N", 4},        {"CNP", "N", 13}, {"CNPC", "N", 13},
    {"NUMEC", "C", 30}, {"PRENUMEC", "C", 30}, {"TIPC", "C", 3}, {"NREP", "C", 30},
    {"PREP", "C", 30},
};

const std::vector<AnnexField> kAnnex1C = {
    {"LN", "N", 2},    {"AN", "N", 4},        {"CF", "C", 13},       {"RJ", "C", 3},
    {"RN", "N", 5},    {"RA", "N", 4},        {"CAS_ASIG", "C", 2},  {"SDLA", "N", 12},
    {"SVTA", "N", 12}, {"SDL_ASIG", "N", 12}, {"SVT_ASIG", "N", 12}, {"NREP", "C", 30},
    {"PREP", "C", 30},
};

bool Fetch(CClient& client, const QString& statement, ListModel& rows) {
  if (client.Execute(statement, 1) != 0) return false;
  client.FillList(rows);
  return true;
}

// The stored amounts of these columns become whole lei, row by row.
void RoundAmounts(ListModel& records, std::initializer_list<const char*> columns) {
  for (const char* name : columns) {
    const int column = records.FindColumn(QLatin1String(name));
    if (column < 0) continue;
    for (int row = 0; row < records.RowCount(); ++row) {
      records.SetCell(row, column, WrittenAmount(records.Cell(row, column)));
    }
  }
}

bool FillAnnex1A(CClient& client, const AnnexHeader& header, const QString& cas,
                 ListModel& records) {
  if (!Fetch(client, Annex1AStatement(client, header, cas), records)) return false;
  RoundAmounts(records, {"SDL", "SVL"});
  return true;
}

bool FillAnnex1B(CClient& client, const AnnexHeader& header, const QString& cas,
                 ListModel& records) {
  return Fetch(client, Annex1BStatement(client, header, cas), records);
}

// Sums of the amounts as the house's 1A writes them; a house where nobody has amounts
// keeps blank sums.
struct HouseSums {
  QString cf;
  QString cas;
  std::optional<double> owed;
  std::optional<double> paid;
};

void AddAmount(std::optional<double>& sum, const QString& stored) {
  const std::optional<double> amount = WrittenAmountValue(stored);
  if (amount) sum = sum.value_or(0) + *amount;
}

QString SumText(const std::optional<double>& sum) { return sum ? FormatInteger(*sum) : QString(); }

// The rows of the amounts statement, ordered by house, read where the client keeps them.
std::vector<HouseSums> SumsByHouse(const ResultTable& persons) {
  std::vector<HouseSums> houses;
  const QStringList& names = persons.ColumnNames();
  const qsizetype width = names.size();
  const qsizetype cf = names.indexOf(QStringLiteral("CF"));
  const qsizetype cas = names.indexOf(QStringLiteral("CAS"));
  const qsizetype owed = names.indexOf(QStringLiteral("SDL"));
  const qsizetype paid = names.indexOf(QStringLiteral("SVL"));
  const QStringList& cells = persons.Cells();
  for (qsizetype row = 0; width > 0 && row + width <= cells.size(); row += width) {
    const QString& house = cells[row + cas];
    // The server groups house codes without regard to case.
    if (houses.empty() || houses.back().cas.compare(house, Qt::CaseInsensitive) != 0) {
      houses.push_back({cells[row + cf], house, std::nullopt, std::nullopt});
    }
    AddAmount(houses.back().owed, cells[row + owed]);
    AddAmount(houses.back().paid, cells[row + paid]);
  }
  return houses;
}

bool FillAnnex1C(CClient& client, const AnnexHeader& header, ListModel& records) {
  if (client.Execute(Annex1CAmountsStatement(client, header), 1) != 0) return false;
  const std::vector<HouseSums> houses = SumsByHouse(client.Result());
  if (client.Execute(EmployerAmountsStatement(client, header), 1) != 0) return false;
  // The employer's amounts are repeated on every house's record; 0 when none are recorded.
  const bool employer = client.RowCount() > 0;
  const QString employerOwed =
      employer ? WrittenAmount(client.GetField(0, QStringLiteral("DATORAT"))) : QStringLiteral("0");
  const QString employerPaid =
      employer ? WrittenAmount(client.GetField(0, QStringLiteral("VIRAT"))) : QStringLiteral("0");

  records.DeleteAllRows();
  records.DeleteAllColumns();
  const std::vector<AnnexField>& fields = AnnexFields(Annex::k1C);
  for (size_t i = 0; i < fields.size(); ++i) {
    records.InsertColumn(static_cast<int>(i), QLatin1String(fields[i].name),
                         QLatin1String(fields[i].type));
  }
  std::vector<QStringList> rows;
  rows.reserve(houses.size());
  for (const HouseSums& house : houses) {
    rows.push_back({header.month.ll, header.month.aaaa, house.cf, header.regCom.rj,
                    header.regCom.rn, header.regCom.ra, house.cas.mid(3, 2), employerOwed,
                    employerPaid, SumText(house.owed), SumText(house.paid), header.repr.nrep,
                    header.repr.prep});
  }
  records.AppendRows(std::move(rows));
  return true;
}

}  // namespace

const std::vector<AnnexField>& AnnexFields(Annex annex) {
  switch (annex) {
    case Annex::k1A:
      return kAnnex1A;
    case Annex::k1B:
      return kAnnex1B;
    case Annex::k1C:
      break;
  }
  return kAnnex1C;
}

DbfFile AnnexDefinition(Annex annex) {
  DbfFile table;
  for (const AnnexField& field : AnnexFields(annex)) {
    table.AddField(QLatin1String(field.name), QLatin1String(field.type), field.length);
  }
  return table;
}

bool FillAnnexRecords(CClient& client, Annex annex, const AnnexHeader& header, const QString& cas,
                      ListModel& records) {
  switch (annex) {
    case Annex::k1A:
      return FillAnnex1A(client, header, cas, records);
    case Annex::k1B:
      return FillAnnex1B(client, header, cas, records);
    case Annex::k1C:
      break;
  }
  return FillAnnex1C(client, header, records);
}

std::optional<AnnexHeader> ReadAnnexHeader(CClient& client, const MonthParts& month,
                                           const QString& cf) {
  if (client.Execute(CompanyRowStatement(client, cf), 1) != 0 || client.RowCount() < 1) {
    return std::nullopt;
  }
  return AnnexHeader{month, cf, SplitRegCom(client.GetField(0, QStringLiteral("REG_COM"))),
                     SplitRepr(client.GetField(0, QStringLiteral("REPR")))};
}

QByteArray AnnexFileBytes(Annex annex, const ListModel& records, const QDate& date) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  if (!buffer.open(QIODevice::WriteOnly) ||
      !AnnexDefinition(annex).WriteDbf(buffer, records, date)) {
    return {};
  }
  return bytes;
}

bool WriteAnnexRecords(Annex annex, const ListModel& records, const QString& path) {
  return AnnexDefinition(annex).WriteDbf(path, records);
}

AnnexOutcome WriteAnnexFile(CClient& client, Annex annex, const AnnexHeader& header,
                            const QString& cas, const QString& path) {
  ListModel records;
  if (!FillAnnexRecords(client, annex, header, cas, records)) return AnnexOutcome::kQueryFailed;
  return WriteAnnexRecords(annex, records, path) ? AnnexOutcome::kWritten
                                                 : AnnexOutcome::kWriteFailed;
}

QString AnnexWriteFailure(Annex annex) {
  switch (annex) {
    case Annex::k1A:
      return QStringLiteral("Nu se poate salva Anexa 1A!");
    case Annex::k1B:
      // The text the users have always seen for a failed 1B.
      return QStringLiteral("Nu se poate salva Anexa 2B!");
    case Annex::k1C:
      break;
  }
  return QStringLiteral("Nu se poate salva Anexa 1C!");
}
