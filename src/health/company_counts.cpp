#include "health/company_counts.h"

#include "store/c_client.h"

namespace {

int Count(CClient& client, const QString& sql, QString& value) {
  if (client.Execute(sql, 1) != 0) return 1;
  value = client.GetField(0, QStringLiteral("C"));
  return 0;
}

}  // namespace

int ComputeCompanyCounts(CClient& client, const QString& cf, CompanyCounts& counts) {
  const QString company = client.Text(cf);
  if (Count(client,
            QStringLiteral("SELECT COUNT(DISTINCT a.cas) AS c FROM asigurati.asigurati AS a "
                           "WHERE a.cf=") +
                company + QStringLiteral(" AND a.iesire=0"),
            counts.houses) != 0) {
    return 1;
  }
  if (Count(client,
            QStringLiteral("SELECT COUNT(*) AS c FROM asigurati.asigurati AS a WHERE a.cf=") +
                company + QStringLiteral(" AND a.iesire=0"),
            counts.active) != 0) {
    return 1;
  }
  if (Count(client,
            QStringLiteral("SELECT COUNT(*) AS c FROM asigurati.asigurati AS a WHERE a.cf=") +
                company + QStringLiteral(" AND a.iesire>0"),
            counts.liquidated) != 0) {
    return 1;
  }
  // A dependant counts once, even when its insured person is active at two companies.
  return Count(client,
               QStringLiteral("SELECT COUNT(*) AS c FROM asigurati.coasigurati AS c WHERE "
                              "c.cf=") +
                   company +
                   QStringLiteral(" AND EXISTS (SELECT 1 FROM asigurati.asigurati AS a WHERE "
                                  "a.cnp=c.cnp_asig AND a.iesire=0)"),
               counts.dependants);
}
