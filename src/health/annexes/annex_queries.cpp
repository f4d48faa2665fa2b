#include "health/annexes/annex_queries.h"

#include "store/c_client.h"
#include "store/sql.h"

namespace {

// The constant columns every 1A and 1B record starts with (LN, AN, CF, RJ, RN, RA, values %1
// to %6) and ends with (NREP, PREP, values %7 and %8), and the month's bounds (%9, %10).
const QString kLeadingConstants =
    QStringLiteral("%1 AS LN, %2 AS AN, %3 AS CF, %4 AS RJ, %5 AS RN, %6 AS RA, ");
const QString kTrailingConstants = QStringLiteral("%7 AS NREP, %8 AS PREP ");
// Hired by the month's last day and not liquidated before its first.
const QString kActiveInMonth =
    QStringLiteral(" AND a.intrare<=%9 AND (a.iesire>=%10 OR a.iesire=0)");

// The record statements' values, in the order of the markers above, then the company (%11),
// the house (%12) and the month (%13); all filled in one pass.
QString FillRecordStatement(const CClient& client, const AnnexHeader& header, const QString& cas,
                            const QString& statement) {
  return Sql(statement, client.Text(header.month.ll), client.Text(header.month.aaaa),
             client.Text(header.cf), client.Text(header.regCom.rj), client.Text(header.regCom.rn),
             client.Text(header.regCom.ra), client.Text(header.repr.nrep),
             client.Text(header.repr.prep), Number(header.month.lastDay),
             Number(header.month.firstDay), client.Text(header.cf), client.Text(cas),
             Number(header.month.month));
}

}  // namespace

QString CompanyRowStatement(const CClient& client, const QString& cf) {
  return Sql(u"SELECT * FROM asigurati.societati AS s WHERE s.cf=%1", client.Text(cf));
}

QString Annex1AStatement(const CClient& client, const AnnexHeader& header, const QString& cas) {
  const QString statement =
      QStringLiteral("SELECT ") + kLeadingConstants +
      QStringLiteral(
          "a.cnp AS CNP, a.nume AS NUME, a.prenume AS PRENUME, a.forma AS CAT, "
          "a.intrare AS ANG, a.iesire AS PL, s.asig_datorat AS SDL, s.asig_virat AS "
          "SVL, ") +
      kTrailingConstants +
      QStringLiteral(
          "FROM asigurati.asigurati AS a LEFT JOIN asigurati.sume AS s ON "
          "s.id_cnp=a.index AND s.luna=%13 WHERE a.cf=%11 AND a.cas=%12") +
      kActiveInMonth +
      // The index only settles the order of records that tie on everything else.
      QStringLiteral(" ORDER BY a.nume, a.prenume, a.intrare, a.index");
  return FillRecordStatement(client, header, cas, statement);
}

QString Annex2AListStatement(const CClient& client, const AnnexHeader& header, const QString& cas) {
  const QString statement = QStringLiteral(
                                "SELECT a.cas, a.cf, a.cnp AS CNP, a.nume AS NUME, a.prenume AS "
                                "PRENUME, a.forma AS CATEGORIA, s.asig_datorat AS DATORAT_LUNA, "
                                "s.asig_virat AS VIRAT_LUNA, a.intrare AS DATA_ANGAJARII, "
                                "a.iesire AS DATA_PLECARII, s.luna AS LA_LUNA, a.index FROM "
                                "asigurati.asigurati AS a LEFT JOIN asigurati.sume AS s ON "
                                "s.id_cnp=a.index AND s.luna=%13 WHERE a.cf=%11 AND a.cas=%12") +
                            kActiveInMonth +
                            QStringLiteral(" ORDER BY a.nume, a.prenume, a.intrare, a.index");
  return FillRecordStatement(client, header, cas, statement);
}

QString Annex1BStatement(const CClient& client, const AnnexHeader& header, const QString& cas) {
  // A dependant linked to several insured persons of the house is reported once, with the
  // insured person of the smallest CNP and the names and type of that same link.
  const QString statement =
      QStringLiteral("SELECT ") + kLeadingConstants +
      QStringLiteral(
          "x.cnp_asig AS CNP, x.cnp AS CNPC, x.nume AS NUMEC, x.prenume AS PRENUMEC, "
          "x.tip AS TIPC, ") +
      kTrailingConstants +
      QStringLiteral(
          "FROM (SELECT c.cnp, c.cnp_asig, c.nume, c.prenume, c.tip, ROW_NUMBER() "
          "OVER (PARTITION BY c.cnp ORDER BY c.cnp_asig, c.index) AS link FROM "
          "asigurati.coasigurati AS c WHERE c.cnp_asig IN (SELECT a.cnp FROM "
          "asigurati.asigurati AS a WHERE a.cf=%11 AND a.cas=%12") +
      kActiveInMonth + QStringLiteral(")) AS x WHERE x.link=1 ORDER BY x.nume, x.prenume, x.cnp");
  return FillRecordStatement(client, header, cas, statement);
}

QString Annex1CAmountsStatement(const CClient& client, const AnnexHeader& header) {
  return Sql(
      u"SELECT a.cf AS CF, a.cas AS CAS, s.asig_datorat AS SDL, s.asig_virat AS SVL "
      u"FROM asigurati.asigurati AS a LEFT JOIN asigurati.sume AS s ON s.id_cnp=a.index "
      u"AND s.luna=%1 WHERE a.cf=%2 AND a.intrare<=%3 AND (a.iesire>=%4 OR a.iesire=0) "
      u"ORDER BY a.cas",
      Number(header.month.month), client.Text(header.cf), Number(header.month.lastDay),
      Number(header.month.firstDay));
}

QString EmployerAmountsStatement(const CClient& client, const AnnexHeader& header) {
  return Sql(
      u"SELECT * FROM asigurati.sume_societati AS ss WHERE ss.cf=%1 AND ss.luna=%2 "
      u"ORDER BY ss.index",
      client.Text(header.cf), Number(header.month.month));
}
