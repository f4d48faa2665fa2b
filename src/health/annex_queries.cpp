#include "health/annex_queries.h"

#include "store/c_client.h"

namespace {

// The constant columns every 1A and 1B record starts with: LN, AN, CF, RJ, RN, RA.
QString LeadingConstants(const CClient& client, const AnnexHeader& header) {
  return client.Text(header.month.ll) + QStringLiteral(" AS LN, ") +
         client.Text(header.month.aaaa) + QStringLiteral(" AS AN, ") + client.Text(header.cf) +
         QStringLiteral(" AS CF, ") + client.Text(header.regCom.rj) + QStringLiteral(" AS RJ, ") +
         client.Text(header.regCom.rn) + QStringLiteral(" AS RN, ") +
         client.Text(header.regCom.ra) + QStringLiteral(" AS RA, ");
}

// The representative, the last two columns of every record.
QString TrailingConstants(const CClient& client, const AnnexHeader& header) {
  return client.Text(header.repr.nrep) + QStringLiteral(" AS NREP, ") +
         client.Text(header.repr.prep) + QStringLiteral(" AS PREP ");
}

// Hired by the month's last day and not liquidated before its first.
QString ActiveInMonth(const AnnexHeader& header) {
  return QStringLiteral(" AND a.intrare<=") + CClient::Number(header.month.lastDay) +
         QStringLiteral(" AND (a.iesire>=") + CClient::Number(header.month.firstDay) +
         QStringLiteral(" OR a.iesire=0)");
}

QString AmountsOfMonth(const AnnexHeader& header) {
  return QStringLiteral(" LEFT JOIN asigurati.sume AS s ON s.id_cnp=a.index AND s.luna=") +
         CClient::Number(header.month.month);
}

}  // namespace

QString CompanyRowStatement(const CClient& client, const QString& cf) {
  return QStringLiteral("SELECT * FROM asigurati.societati AS s WHERE s.cf=") + client.Text(cf);
}

QString Annex1AStatement(const CClient& client, const AnnexHeader& header, const QString& cas) {
  return QStringLiteral("SELECT ") + LeadingConstants(client, header) +
         QStringLiteral(
             "a.cnp AS CNP, a.nume AS NUME, a.prenume AS PRENUME, a.forma AS CAT, a.intrare AS "
             "ANG, a.iesire AS PL, s.asig_datorat AS SDL, s.asig_virat AS SVL, ") +
         TrailingConstants(client, header) + QStringLiteral("FROM asigurati.asigurati AS a") +
         AmountsOfMonth(header) + QStringLiteral(" WHERE a.cf=") + client.Text(header.cf) +
         QStringLiteral(" AND a.cas=") + client.Text(cas) + ActiveInMonth(header) +
         // The index only settles the order of records that tie on everything else.
         QStringLiteral(" ORDER BY a.nume, a.prenume, a.intrare, a.index");
}

QString Annex1BStatement(const CClient& client, const AnnexHeader& header, const QString& cas) {
  // A dependant linked to several insured persons of the house is reported once, with the
  // insured person of the smallest CNP and the names and type of that same link.
  return QStringLiteral("SELECT ") + LeadingConstants(client, header) +
         QStringLiteral(
             "x.cnp_asig AS CNP, x.cnp AS CNPC, x.nume AS NUMEC, x.prenume AS PRENUMEC, x.tip AS "
             "TIPC, ") +
         TrailingConstants(client, header) +
         QStringLiteral(
             "FROM (SELECT c.cnp, c.cnp_asig, c.nume, c.prenume, c.tip, ROW_NUMBER() OVER "
             "(PARTITION BY c.cnp ORDER BY c.cnp_asig, c.index) AS link "
             "FROM asigurati.coasigurati AS c WHERE c.cnp_asig IN "
             "(SELECT a.cnp FROM asigurati.asigurati AS a WHERE a.cf=") +
         client.Text(header.cf) + QStringLiteral(" AND a.cas=") + client.Text(cas) +
         ActiveInMonth(header) +
         QStringLiteral(")) AS x WHERE x.link=1 ORDER BY x.nume, x.prenume, x.cnp");
}

QString Annex1CAmountsStatement(const CClient& client, const AnnexHeader& header) {
  return QStringLiteral(
             "SELECT a.cf AS CF, a.cas AS CAS, s.asig_datorat AS SDL, s.asig_virat AS SVL "
             "FROM asigurati.asigurati AS a") +
         AmountsOfMonth(header) + QStringLiteral(" WHERE a.cf=") + client.Text(header.cf) +
         ActiveInMonth(header) + QStringLiteral(" ORDER BY a.cas");
}

QString EmployerAmountsStatement(const CClient& client, const AnnexHeader& header) {
  return QStringLiteral("SELECT * FROM asigurati.sume_societati AS ss WHERE ss.cf=") +
         client.Text(header.cf) + QStringLiteral(" AND ss.luna=") +
         CClient::Number(header.month.month) + QStringLiteral(" ORDER BY ss.index");
}
