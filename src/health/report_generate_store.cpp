#include "health/report_generate_store.h"

#include "health/report_month.h"
#include "store/c_client.h"
#include "store/sql.h"

bool QueryCompanyHouses(CClient& client, const QString& cf, int month) {
  return client.Execute(
             Sql(u"SELECT DISTINCT(a.cas), c.denumire AS casa FROM asigurati.asigurati AS a  "
                 u"LEFT JOIN asigurati.cas AS c ON a.cas=c.cas WHERE a.cf=%1 AND a.intrare<=%2 "
                 u"AND (a.iesire>=%3 OR a.iesire=0) ORDER BY a.cas",
                 client.Text(cf), Number(LastDayBound(month)), Number(FirstDayBound(month))),
             1) == 0;
}

std::optional<QString> CountInsured(CClient& client, const QString& cf, const QString& cas,
                                    int month) {
  QString sql = Sql(
      u"SELECT COUNT(*) AS count FROM asigurati.asigurati AS a WHERE  a.cf=%1 AND a.intrare<=%2 "
      u"AND (a.iesire>=%3 OR a.iesire=0)",
      client.Text(cf), Number(LastDayBound(month)), Number(FirstDayBound(month)));
  if (!cas.isEmpty()) sql += Sql(u" AND a.cas=%1", client.Text(cas));
  if (client.Execute(sql, 1) != 0 || client.RowCount() < 1) return std::nullopt;
  return client.GetField(0, QStringLiteral("COUNT"));
}
