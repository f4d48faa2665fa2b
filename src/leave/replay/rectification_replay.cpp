#include "leave/replay/rectification_replay.h"

#include <QHash>

#include "leave/declarations/stored_numbers.h"
#include "store/c_client.h"
#include "store/sql.h"

int IndemnityGroupOf(int code) {
  switch (code) {
    case 1:
    case 2:
    case 3:
    case 4:
    case 5:
    case 6:
    case 12:
    case 13:
    case 14:
      return 0;
    case 7:
    case 10:
    case 11:
      return 1;
    case 8:
      return 2;
    case 9:
      return 3;
    case 15:
      return 4;
    default:
      return -1;
  }
}

namespace {

// A certificate is known by its holder's CNP, exactly, and by its series and number as the
// certificate form's existence check compares them: case and surrounding blanks do not
// count, so every "M" or "S" the form accepted finds its certificate here.
QString CertificateKey(const CertificateEntry& entry) {
  const QString series = entry.series.trimmed().toUpper();
  const QString number = entry.number.trimmed().toUpper();
  QString key;
  key.reserve(entry.cnp.size() + series.size() + number.size() + 2);
  key.append(entry.cnp).append(u'\x1f').append(series).append(u'\x1f').append(number);
  return key;
}

// Counts an entry into J and its group (sign 1) or takes it out again (sign -1). An entry
// without a CNP (a declaration without certificates reads as one) counts toward J alone: the
// groups count certificates of people.
void Count(ReplayTotals& totals, const CertificateEntry& entry, int sign) {
  totals.benefits += sign * entry.fnuassSum;
  if (entry.cnp.isEmpty()) return;
  const int group = IndemnityGroupOf(entry.code);
  if (group < 0) return;
  IndemnityGroup& counted = totals.groups[static_cast<size_t>(group)];
  counted.cases += sign;
  counted.benefitDays += sign * entry.benefitDays;
  counted.fnuassDays += sign * entry.fnuassDays;
  counted.fnuassSum += sign * entry.fnuassSum;
}

// The latest entry of a certificate so far, and whether FNUASS still bears it.
struct Latest {
  const CertificateEntry* entry = nullptr;
  bool inForce = false;
};

}  // namespace

// An initial or "A" entry reports a certificate. An "M" replaces, and an "S" withdraws, the
// latest earlier entry of the same certificate, whatever that entry was. Only an entry still
// in force is taken out of J and its group: an earlier "S", or an "M" that found nothing to
// replace, was never counted, and taking it out would withdraw the certificate a second time
// and drive the month's cases and days below what was reported. An "M" that found its
// certificate counts with its own values from then on; an "M" that found nothing counts
// nothing, like any "S".
ReplayTotals FoldCertificates(std::span<const CertificateEntry> entries) {
  ReplayTotals totals;
  QHash<QString, Latest> latest;
  latest.reserve(static_cast<qsizetype>(entries.size()));
  for (const CertificateEntry& entry : entries) {
    Latest& certificate = latest[CertificateKey(entry)];
    const bool replaces = entry.type == u"M";
    bool inForce = entry.type.isEmpty() || entry.type == u"A";
    if ((replaces || entry.type == u"S") && certificate.entry != nullptr) {
      if (certificate.inForce) Count(totals, *certificate.entry, -1);
      inForce = replaces;
    }
    if (inForce) Count(totals, entry, 1);
    certificate = {&entry, inForce};
  }
  return totals;
}

namespace {

// Column positions of the entry's fields in the replay query's result.
struct EntryColumns {
  qsizetype type, cnp, series, number, code, benefitDays, fnuassDays, fnuassSum;
};

std::optional<EntryColumns> FindEntryColumns(const QStringList& names) {
  const EntryColumns columns{names.indexOf(u"TIP_RECTIF"),
                             names.indexOf(u"CNP"),
                             names.indexOf(u"CERT_SERIE"),
                             names.indexOf(u"CERT_NUMAR"),
                             names.indexOf(u"COD_INDEMN"),
                             names.indexOf(u"ZILE_PRESTATII"),
                             names.indexOf(u"ZILE_SUPORTATE_FNUASS"),
                             names.indexOf(u"SUMA_SUPORTATA_FNUASS")};
  for (qsizetype column : {columns.type, columns.cnp, columns.series, columns.number, columns.code,
                           columns.benefitDays, columns.fnuassDays, columns.fnuassSum}) {
    if (column < 0) return std::nullopt;
  }
  return columns;
}

}  // namespace

QString MonthCertificatesStatement(const CClient& client, const QString& cf, int luna,
                                   int upToNumber) {
  return Sql(
      u"SELECT d.luna, d.rectificativa, d.rectif_nr, c.* FROM concedii.declaratii AS d "
      u"LEFT JOIN concedii.concedii AS c ON c.id_declaratie=d.index WHERE d.cf=%1 AND "
      u"d.luna=%2 AND d.rectif_nr<=%3 ORDER BY d.rectificativa DESC, d.rectif_nr, c.index",
      client.Text(cf), Number(luna), Number(upToNumber));
}

std::optional<std::vector<CertificateEntry>> ReadMonthCertificates(CClient& client,
                                                                   const QString& cf, int luna,
                                                                   int upToNumber) {
  const QString sql = MonthCertificatesStatement(client, cf, luna, upToNumber);
  if (client.Execute(sql, 1) != 0) return std::nullopt;
  const ResultTable& result = client.Result();
  const QStringList& names = result.ColumnNames();
  const std::optional<EntryColumns> columns = FindEntryColumns(names);
  if (!columns) return std::nullopt;  // not the register's table: nothing to replay
  const QStringList& cells = result.Cells();
  const qsizetype width = names.size();
  std::vector<CertificateEntry> entries;
  entries.reserve(static_cast<size_t>(result.RowCount()));
  for (qsizetype row = 0; row + width <= cells.size(); row += width) {
    CertificateEntry& entry = entries.emplace_back();
    entry.type = cells[row + columns->type];
    entry.cnp = cells[row + columns->cnp];
    entry.series = cells[row + columns->series];
    entry.number = cells[row + columns->number];
    entry.code = static_cast<int>(StoredWhole(cells[row + columns->code]));
    entry.benefitDays = StoredWhole(cells[row + columns->benefitDays]);
    entry.fnuassDays = StoredWhole(cells[row + columns->fnuassDays]);
    entry.fnuassSum = StoredAmount(cells[row + columns->fnuassSum]);
  }
  return entries;
}

std::optional<ReplayTotals> RectificationReplay(CClient& client, const QString& cf, int luna,
                                                int upToNumber) {
  const auto entries = ReadMonthCertificates(client, cf, luna, upToNumber);
  if (!entries) return std::nullopt;
  return FoldCertificates(*entries);
}
