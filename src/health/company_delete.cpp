#include "health/company_delete.h"

#include "common/number_texts.h"
#include "store/c_client.h"
#include "store/prompter.h"

CompanyDeletion DeleteCompanyCascade(CClient& client, Prompter& prompter, const QString& cf,
                                     FinalQuestion finalQuestion) {
  const QString company = client.Text(cf);
  if (client.Execute(
          QStringLiteral("SELECT count(*) AS c FROM asigurati.asigurati AS a WHERE a.cf=") +
              company,
          1) != 0) {
    return CompanyDeletion::kFailed;
  }
  if (LeadingInteger(client.GetField(0, QStringLiteral("C"))) > 0 &&
      !prompter.Ask(QStringLiteral("Societatea selectata are asigurati introdusi si acestia vor "
                                   "fi stersi!\n\nEsti sigur ca vrei sa continui?"))) {
    return CompanyDeletion::kCancelled;
  }
  if (client.Execute(QStringLiteral("SELECT * FROM concedii.declaratii AS d WHERE d.cf=") + company,
                     1) != 0) {
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
  static const char* const tables[] = {"asigurati.asigurati", "asigurati.coasigurati",
                                       "asigurati.sume",      "asigurati.sume_societati",
                                       "concedii.declaratii", "concedii.concedii",
                                       "asigurati.societati"};
  for (const char* table : tables) {
    if (client.Execute(QStringLiteral("DELETE FROM ") + QLatin1String(table) +
                       QStringLiteral(" WHERE cf=") + company) != 0) {
      return CompanyDeletion::kFailed;
    }
  }
  return CompanyDeletion::kDeleted;
}
