#include "health/annexes/report_generate_store.h"

#include "health/annexes/report_month.h"
#include "store/c_client.h"
#include "store/sql.h"

namespace {

// An employment record of `a` that overlaps the month.
QString ActiveInMonth(int month) {
  return Sql(u"a.intrare<=%1 AND (a.iesire>=%2 OR a.iesire=0)", Number(LastDayBound(month)),
             Number(FirstDayBound(month)));
}

}  // namespace

bool QueryCompanyHouses(CClient& client, const QString& cf, int month) {
  return client.Execute(
             Sql(u"SELECT DISTINCT(a.cas), c.denumire AS casa FROM asigurati.asigurati AS a  "
                 u"LEFT JOIN asigurati.cas AS c ON a.cas=c.cas WHERE a.cf=%1 AND ",
                 client.Text(cf)) +
                 ActiveInMonth(month) + QStringLiteral(" ORDER BY a.cas"),
             1) == 0;
}

bool QueryMonthHouses(CClient& client, int month) {
  return client.Execute(QStringLiteral("SELECT DISTINCT a.cf, a.cas FROM asigurati.asigurati AS a "
                                       "WHERE ") +
                            ActiveInMonth(month) + QStringLiteral(" ORDER BY a.cf, a.cas"),
                        1) == 0;
}

std::optional<QString> CountInsured(CClient& client, const QString& cf, const QString& cas,
                                    int month) {
  QString sql = Sql(u"SELECT COUNT(*) AS count FROM asigurati.asigurati AS a WHERE  a.cf=%1 AND ",
                    client.Text(cf)) +
                ActiveInMonth(month);
  if (!cas.isEmpty()) sql += Sql(u" AND a.cas=%1", client.Text(cas));
  if (client.Execute(sql, 1) != 0 || client.RowCount() < 1) return std::nullopt;
  return client.GetField(0, QStringLiteral("COUNT"));
}
