#include "companies/company_delete.h"

#include "common/number_texts.h"
#include "store/c_client.h"
#include "store/prompter.h"
#include "store/schema/schema_tables.h"
#include "store/transaction.h"

CompanyDeletion DeleteCompanyCascade(CClient& client, Prompter& prompter, const QString& cf,
                                     FinalQuestion finalQuestion) {
  const SqlValue company = client.Text(cf);
  if (client.Execute(
          Sql(u"SELECT count(*) AS c FROM asigurati.asigurati AS a WHERE a.cf=%1", company), 1) !=
      0) {
    return CompanyDeletion::kFailed;
  }
  if (LeadingInteger(client.GetField(0, QStringLiteral("C"))) > 0 &&
      !prompter.Ask(QStringLiteral("Societatea selectata are asigurati introdusi si acestia vor "
                                   "fi stersi!\n\nEsti sigur ca vrei sa continui?"))) {
    return CompanyDeletion::kCancelled;
  }
  if (client.Execute(Sql(u"SELECT * FROM concedii.declaratii AS d WHERE d.cf=%1", company), 1) !=
      0) {
    return CompanyDeletion::kFailed;
  }
  if (client.RowCount() > 0 &&
      !prompter.Ask(QStringLiteral("Societatea selectata are declaratii de concedii medicale "
                                   "introduse si acestea vor fi sterse!\n\nEsti sigur ca vrei "
                                   "sa continui?"))) {
    return CompanyDeletion::kCancelled;
  }
  if (!prompter.Ask(QStringLiteral("Esti sigur ca vrei sa stergi societatea selectata?"))) {
    return CompanyDeletion::kCancelled;
  }
  if (finalQuestion == FinalQuestion::kSureSure &&
      !prompter.Ask(QStringLiteral("Sigur, sigur?\n\nToate informatiile introduse (salariati, "
                                   "concedii medicale) vor fi sterse!!"))) {
    return CompanyDeletion::kCancelled;
  }
  // The company row goes last, so a failure midway leaves it listed and the user can
  // delete it again to finish the job.
  std::vector<const char*> tables(kTablesWithCompanyCf.begin(), kTablesWithCompanyCf.end());
  tables.push_back("asigurati.societati");
  // Every row's audit copy carries the cascade's one time: the company's recovery finds the
  // rows that went with it by that time.
  const std::optional<QString> copyTime = client.AuditCopyTime();
  if (!copyTime) return CompanyDeletion::kFailed;
  // On a server the cascade is one transaction: whole or nothing.
  Transaction transaction(client);
  if (!transaction.Begun()) return CompanyDeletion::kFailed;
  for (const char* table : tables) {
    if (client.AuditCopyWhere(QualifiedTableName(table), Sql(u"cf=%1", company),
                              QStringLiteral("D"), *copyTime) != 0) {
      return CompanyDeletion::kFailed;
    }
    // The table's name is part of the statement's own text, from the constant.
    const QString statement =
        QStringLiteral("DELETE FROM ") + QLatin1String(table) + QStringLiteral(" WHERE cf=%1");
    if (client.Execute(Sql(statement, company)) != 0) return CompanyDeletion::kFailed;
  }
  return transaction.Commit() ? CompanyDeletion::kDeleted : CompanyDeletion::kFailed;
}
