#include "companies/company_counts.h"

#include "store/c_client.h"

namespace {

bool Count(CClient& client, const QString& sql, QString& value) {
  if (client.Execute(sql, 1) != 0) return false;
  value = client.GetField(0, QStringLiteral("C"));
  return true;
}

}  // namespace

bool ComputeCompanyCounts(CClient& client, const QString& cf, CompanyCounts& counts) {
  const SqlValue company = client.Text(cf);
  return Count(client,
               Sql(u"SELECT COUNT(DISTINCT a.cas) AS c FROM asigurati.asigurati AS a WHERE "
                   u"a.cf=%1 AND a.iesire=0",
                   company),
               counts.houses) &&
         Count(client,
               Sql(u"SELECT COUNT(*) AS c FROM asigurati.asigurati AS a WHERE a.cf=%1 AND "
                   u"a.iesire=0",
                   company),
               counts.active) &&
         Count(client,
               Sql(u"SELECT COUNT(*) AS c FROM asigurati.asigurati AS a WHERE a.cf=%1 AND "
                   u"a.iesire>0",
                   company),
               counts.liquidated) &&
         // A dependant counts once, even when its insured person is active at two companies.
         Count(client,
               Sql(u"SELECT COUNT(*) AS c FROM asigurati.coasigurati AS c WHERE c.cf=%1 AND "
                   u"EXISTS (SELECT 1 FROM asigurati.asigurati AS a WHERE a.cnp=c.cnp_asig AND "
                   u"a.iesire=0)",
                   company),
               counts.dependants);
}
