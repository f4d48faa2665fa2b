#include "health/amounts/amounts_store.h"

#include "common/number_texts.h"
#include "health/amounts/amounts_checks.h"
#include "health/annexes/report_month.h"
#include "store/c_client.h"
#include "store/list_model.h"
#include "store/schema/schema_tables.h"
#include "store/transaction.h"

bool QueryCompanies(CClient& client) {
  return client.Execute(QStringLiteral("SELECT s.cf, s.denumire FROM asigurati.societati AS s"),
                        1) == 0;
}

bool QueryEmployees(CClient& client, const QString& cf, int month) {
  return client.Execute(
             Sql(u"SELECT a.cas, a.cf, a.cnp, a.forma, a.nume, a.prenume, a.intrare, a.iesire, "
                 u"a.index, s.salariu, s.asig_datorat, s.asig_virat, s.luna AS la_luna  FROM "
                 u"asigurati.asigurati AS a LEFT JOIN asigurati.sume AS s ON s.id_cnp=a.index "
                 u"AND s.luna=%1 WHERE a.cf=%2 AND a.intrare<=%3 AND (a.iesire>=%4 OR "
                 u"a.iesire=0) ORDER BY a.nume, a.prenume, a.intrare",
                 Number(month), client.Text(cf), Number(LastDayBound(month)),
                 Number(FirstDayBound(month))),
             1) == 0;
}

std::optional<double> EmployeesSalaryTotal(CClient& client, const QString& cf, int month) {
  if (!QueryEmployees(client, cf, month)) return std::nullopt;
  // The same rows and the same sum as the step's own list.
  ListModel employees;
  client.FillList(employees);
  return SumEmployeeAmounts(employees).fund;
}

bool InsertEmployeeAmounts(CClient& client, const EmployeeAmounts& amounts) {
  const Columns columns = {{QStringLiteral("ID_CNP"), QString::number(amounts.index)},
                           {QStringLiteral("CF"), amounts.cf},
                           {QStringLiteral("CNP"), amounts.cnp},
                           {QStringLiteral("LUNA"), QString::number(amounts.month)},
                           {QStringLiteral("SALARIU"), amounts.salary},
                           {QStringLiteral("ASIG_DATORAT"), amounts.owed},
                           {QStringLiteral("ASIG_VIRAT"), amounts.paid}};
  return client.AuditedInsert(MonthlyAmountsTable(), columns, {}, 1) == 0;
}

bool UpdateEmployeeAmounts(CClient& client, const EmployeeAmounts& amounts) {
  // The amounts as they were go into the history first.
  Transaction transaction(client);
  if (!transaction.Begun()) return false;
  if (client.AuditCopyWhere(
          MonthlyAmountsTable(),
          Sql(u"id_cnp=%1 AND luna=%2", Number(amounts.index), Number(amounts.month)),
          QStringLiteral("M")) != 0) {
    return false;
  }
  return client.Execute(Sql(u"UPDATE asigurati.sume AS s SET  s.salariu=%1, s.asig_datorat=%2, "
                            u"s.asig_virat=%3 WHERE s.id_cnp=%4 AND s.luna=%5",
                            Number(amounts.salary), Number(amounts.owed), Number(amounts.paid),
                            Number(amounts.index), Number(amounts.month))) == 0 &&
         transaction.Commit();
}

std::optional<qint64> EmployeeAmountsIndex(CClient& client, int insuredIndex, int month) {
  if (client.Execute(Sql(u"SELECT s.index FROM asigurati.sume AS s WHERE s.id_cnp=%1 AND "
                         u"s.luna=%2 ORDER BY s.index LIMIT 1",
                         Number(insuredIndex), Number(month)),
                     1) != 0) {
    return std::nullopt;
  }
  if (client.RowCount() < 1) return 0;
  return LeadingInteger(client.GetField(0, QStringLiteral("INDEX")));
}

std::optional<QString> EarlierSalary(CClient& client, int index, int month) {
  // Only a month before the report month: filling a past month must not take the amounts
  // of a later one.
  if (client.Execute(Sql(u"SELECT * FROM asigurati.sume AS s WHERE s.id_cnp=%1 AND s.luna<%2 "
                         u"ORDER BY s.luna DESC LIMIT 1",
                         Number(index), Number(month)),
                     1) != 0) {
    return std::nullopt;
  }
  if (client.RowCount() < 1) return QStringLiteral("0");
  return client.GetField(0, QStringLiteral("SALARIU"));
}

std::optional<EmployerAmounts> LoadEmployerAmounts(CClient& client, const QString& cf, int month) {
  if (client.Execute(Sql(u"SELECT ss.* FROM asigurati.sume_societati AS ss WHERE ss.cf=%1 AND "
                         u"ss.luna=%2",
                         client.Text(cf), Number(month)),
                     1) != 0) {
    return std::nullopt;
  }
  EmployerAmounts amounts;
  amounts.cf = cf;
  if (client.RowCount() < 1) return amounts;
  amounts.idSuma = static_cast<int>(LeadingInteger(client.GetField(0, QStringLiteral("INDEX"))));
  amounts.fund = client.GetField(0, QStringLiteral("FOND_DE_SALARII"));
  amounts.owed = client.GetField(0, QStringLiteral("DATORAT"));
  amounts.paid = client.GetField(0, QStringLiteral("VIRAT"));
  return amounts;
}

bool WriteEmployerAmounts(CClient& client, EmployerAmounts& amounts, int month) {
  const Columns columns = {{QStringLiteral("CF"), amounts.cf},
                           {QStringLiteral("LUNA"), QString::number(month)},
                           {QStringLiteral("FOND_DE_SALARII"), amounts.fund},
                           {QStringLiteral("DATORAT"), amounts.owed},
                           {QStringLiteral("VIRAT"), amounts.paid}};
  const TableName& table = EmployerAmountsTable();
  if (amounts.idSuma >= 1) return client.AuditedUpdate(amounts.idSuma, table, columns) == 0;
  if (client.AuditedInsert(table, columns, {}, 1) != 0) return false;
  amounts.idSuma = static_cast<int>(client.LastInsertId());
  return true;
}
