#include "month/month_overview.h"

#include <QHash>
#include <algorithm>

#include "health/annexes/report_month.h"
#include "store/c_client.h"
#include "store/sql.h"

namespace {

QString Field(const CClient& client, int row, const char* name) {
  return client.GetField(row, QLatin1String(name));
}

int Rows(const CClient& client) { return static_cast<int>(client.RowCount()); }

// Each row of the statement just read that belongs to a company of the register, with it.
template <typename Apply>
void ForEachCompanyRow(const CClient& client, std::vector<OverviewCompany>& companies,
                       const QHash<QString, size_t>& byCf, Apply apply) {
  for (int row = 0; row < Rows(client); ++row) {
    const auto found = byCf.constFind(Field(client, row, "CF"));
    if (found != byCf.constEnd()) apply(companies[*found], row);
  }
}

// The employment records of the month per company: how many, how many without amounts,
// and their houses.
bool ReadInsured(CClient& client, int month, std::vector<OverviewCompany>& companies,
                 const QHash<QString, size_t>& byCf) {
  if (client.Execute(
          Sql(u"SELECT a.cf, COUNT(*) AS n, SUM(NOT EXISTS (SELECT 1 FROM asigurati.sume AS s "
              u"WHERE s.id_cnp=a.index AND s.luna=%1)) AS fara, GROUP_CONCAT(DISTINCT a.cas "
              u"ORDER BY a.cas SEPARATOR ' ') AS case_ FROM asigurati.asigurati AS a WHERE "
              u"a.intrare<=%2 AND (a.iesire>=%3 OR a.iesire=0) GROUP BY a.cf",
              Number(month), Number(LastDayBound(month)), Number(FirstDayBound(month))),
          1) != 0) {
    return false;
  }
  ForEachCompanyRow(client, companies, byCf, [&](OverviewCompany& company, int row) {
    company.insured = Field(client, row, "N").toInt();
    company.withoutAmounts = Field(client, row, "FARA").toInt();
    company.houses = Field(client, row, "CASE_").split(u' ', Qt::SkipEmptyParts);
  });
  return true;
}

bool ReadEmployerAmounts(CClient& client, int month, std::vector<OverviewCompany>& companies,
                         const QHash<QString, size_t>& byCf) {
  if (client.Execute(Sql(u"SELECT DISTINCT ss.cf FROM asigurati.sume_societati AS ss WHERE "
                         u"ss.luna=%1",
                         Number(month)),
                     1) != 0) {
    return false;
  }
  ForEachCompanyRow(client, companies, byCf,
                    [](OverviewCompany& company, int) { company.employerAmounts = true; });
  return true;
}

// The month's declaration of each company: the latest rectification, else the initial one,
// as the leave panel orders them.
bool ReadDeclarations(CClient& client, int month, std::vector<OverviewCompany>& companies,
                      const QHash<QString, size_t>& byCf) {
  if (client.Execute(
          Sql(u"SELECT d.cf, d.index, d.rectificativa='DA' AS rectif, d.rectif_nr, "
              u"COUNT(c.index) AS certificate FROM concedii.declaratii AS d LEFT JOIN "
              u"concedii.concedii AS c ON c.id_declaratie=d.index WHERE d.luna=%1 GROUP BY "
              u"d.index ORDER BY d.rectificativa='DA', d.rectif_nr, d.index",
              Number(month)),
          1) != 0) {
    return false;
  }
  // Ordered so that the latest of each company comes last and stays.
  ForEachCompanyRow(client, companies, byCf, [&](OverviewCompany& company, int row) {
    company.declaration = Field(client, row, "INDEX").toLongLong();
    company.rectification =
        Field(client, row, "RECTIF").toInt() == 1 ? Field(client, row, "RECTIF_NR").toInt() : 0;
    company.certificates = Field(client, row, "CERTIFICATE").toInt();
  });
  return true;
}

void AddRecord(MonthRecord record, std::vector<OverviewCompany>& companies,
               const QHash<QString, size_t>& byCf) {
  for (RecordedFile& file : record.files) {
    const auto found = byCf.constFind(file.cf);
    if (found == byCf.constEnd()) continue;
    OverviewCompany& company = companies[*found];
    QString& latest =
        file.kind == WrittenKind::kHealth ? company.healthWrittenAt : company.leaveWrittenAt;
    latest = std::max(latest, file.writtenAt);
    company.recorded.push_back(std::move(file));
  }
  for (const auto& [cf, at] : record.handedIn) {
    const auto found = byCf.constFind(cf);
    if (found != byCf.constEnd()) companies[*found].handedInAt = at;
  }
}

// Every house of the month has its files recorded.
bool HealthWrittenWhole(const OverviewCompany& company) {
  if (company.healthWrittenAt.isEmpty()) return false;
  return std::all_of(company.houses.begin(), company.houses.end(), [&](const QString& cas) {
    return std::any_of(company.recorded.begin(), company.recorded.end(),
                       [&](const RecordedFile& file) {
                         return file.kind == WrittenKind::kHealth && file.cas == cas;
                       });
  });
}

QStringList Missing(const OverviewCompany& company) {
  // Without anybody in the month there is nothing to report, whatever else is missing.
  if (company.insured == 0) return {QStringLiteral("fara asigurati in luna")};
  QStringList missing;
  if (company.withoutAmounts == 1) {
    missing << QStringLiteral("un asigurat fara sume");
  } else if (company.withoutAmounts > 1) {
    missing << QStringLiteral("%1 asigurati fara sume").arg(company.withoutAmounts);
  }
  if (!company.employerAmounts) missing << QStringLiteral("fara sumele angajatorului");
  return missing;
}

}  // namespace

std::optional<std::vector<OverviewCompany>> ReadMonthOverview(CClient& client, int month) {
  if (client.Execute(QStringLiteral("SELECT s.cf, s.denumire FROM asigurati.societati AS s "
                                    "ORDER BY s.denumire, s.cf"),
                     1) != 0) {
    return std::nullopt;
  }
  std::vector<OverviewCompany> companies;
  QHash<QString, size_t> byCf;
  companies.reserve(Rows(client));
  for (int row = 0; row < Rows(client); ++row) {
    OverviewCompany company;
    company.cf = Field(client, row, "CF");
    company.name = Field(client, row, "DENUMIRE");
    byCf.insert(company.cf, companies.size());
    companies.push_back(std::move(company));
  }
  if (!ReadInsured(client, month, companies, byCf) ||
      !ReadEmployerAmounts(client, month, companies, byCf) ||
      !ReadDeclarations(client, month, companies, byCf)) {
    return std::nullopt;
  }
  std::optional<MonthRecord> record = ReadMonthRecord(client, month);
  if (!record) return std::nullopt;
  AddRecord(std::move(*record), companies, byCf);
  for (OverviewCompany& company : companies) SettleState(company);
  SortOverview(companies);
  return companies;
}

void SettleState(OverviewCompany& company) {
  company.missing = Missing(company);
  const bool written = !company.healthWrittenAt.isEmpty() || !company.leaveWrittenAt.isEmpty();
  const bool differs =
      company.healthDiffers.value_or(false) || company.leaveDiffers.value_or(false);
  const bool leaveWhole = company.declaration == 0 || !company.leaveWrittenAt.isEmpty();
  if (!company.handedInAt.isEmpty()) {
    company.state = MonthState::kHandedIn;
  } else if (written && differs) {
    company.state = MonthState::kChanged;
  } else if (HealthWrittenWhole(company) && leaveWhole) {
    company.state = MonthState::kWritten;
  } else if (!company.missing.isEmpty()) {
    company.state = MonthState::kIncomplete;
  } else {
    company.state = MonthState::kReady;
  }
}

void SortOverview(std::vector<OverviewCompany>& companies) {
  // The rows come by name from the register (its collation), which a stable sort keeps.
  std::stable_sort(
      companies.begin(), companies.end(),
      [](const OverviewCompany& a, const OverviewCompany& b) { return a.state < b.state; });
}

std::optional<std::vector<OverviewCompany>> MonthOverview(CClient& client, Prompter& prompter,
                                                          int month,
                                                          const DifferProgress& progress) {
  std::optional<std::vector<OverviewCompany>> companies = ReadMonthOverview(client, month);
  if (!companies) return std::nullopt;
  if (!CheckDifferToday(client, prompter, month, *companies, progress)) return std::nullopt;
  return companies;
}

QString StateText(MonthState state) {
  switch (state) {
    case MonthState::kIncomplete:
      return QStringLiteral("incomplet");
    case MonthState::kChanged:
      return QStringLiteral("modificat dupa scriere");
    case MonthState::kReady:
      return QStringLiteral("gata");
    case MonthState::kWritten:
      return QStringLiteral("scris");
    case MonthState::kHandedIn:
      break;
  }
  return QStringLiteral("predat");
}

QString StateWord(MonthState state) {
  return state == MonthState::kChanged ? QStringLiteral("modificat") : StateText(state);
}

QString DeclarationText(const OverviewCompany& company) {
  if (company.declaration == 0) return QStringLiteral("fara declaratie");
  const QString kind = company.rectification == 0
                           ? QStringLiteral("initiala")
                           : QStringLiteral("rectificativa %1").arg(company.rectification);
  return QStringLiteral("%1, %2 certificate").arg(kind).arg(company.certificates);
}

QString WrittenText(const QString& writtenAt, const std::optional<bool>& differs) {
  if (writtenAt.isEmpty()) return QStringLiteral("nescrise");
  // "2009-07-03 14:05:09" shown as "03.07.2009 14:05".
  const QString shown = writtenAt.mid(8, 2) + u'.' + writtenAt.mid(5, 2) + u'.' +
                        writtenAt.left(4) + u' ' + writtenAt.mid(11, 5);
  if (!differs) return shown;
  return shown + (*differs ? QStringLiteral(", difera") : QStringLiteral(", la zi"));
}
