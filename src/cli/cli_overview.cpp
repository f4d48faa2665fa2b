#include "cli/cli_overview.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "cli/cli_console.h"
#include "health/annexes/report_month.h"
#include "month/month_overview.h"

namespace {

QJsonValue OrNull(const QString& text) {
  return text.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(text);
}

QJsonValue OrNull(const std::optional<bool>& value) {
  return value ? QJsonValue(*value) : QJsonValue(QJsonValue::Null);
}

QJsonValue Declaration(const OverviewCompany& company) {
  if (company.declaration == 0) return QJsonValue(QJsonValue::Null);
  return QJsonObject{{"rectificativa", company.rectification},
                     {"certificate", company.certificates}};
}

QString JsonLine(const OverviewCompany& company) {
  const QJsonObject line = {{"cf", company.cf},
                            {"denumire", company.name},
                            {"stare", StateWord(company.state)},
                            {"lipsuri", QJsonArray::fromStringList(company.missing)},
                            {"asigurati", company.insured},
                            {"fara_sume", company.withoutAmounts},
                            {"sume_angajator", company.employerAmounts},
                            {"case", QJsonArray::fromStringList(company.houses)},
                            {"declaratie", Declaration(company)},
                            {"sanatate_scrisa", OrNull(company.healthWrittenAt)},
                            {"sanatate_difera", OrNull(company.healthDiffers)},
                            {"concedii_scrise", OrNull(company.leaveWrittenAt)},
                            {"concedii_difera", OrNull(company.leaveDiffers)},
                            {"predat", OrNull(company.handedInAt)}};
  return QString::fromUtf8(QJsonDocument(line).toJson(QJsonDocument::Compact));
}

QString StateCell(const OverviewCompany& company) {
  if (company.state != MonthState::kIncomplete) return StateText(company.state);
  return StateText(company.state) + QStringLiteral(": ") +
         company.missing.join(QStringLiteral(", "));
}

void PrintCompany(Console& console, const OverviewCompany& company) {
  console.Result(
      QStringLiteral("%1 %2  %3").arg(company.cf, -13).arg(company.name, StateCell(company)));
  console.Result(QStringLiteral("    asigurati %1 (fara sume %2), sume angajator: %3, case: %4")
                     .arg(company.insured)
                     .arg(company.withoutAmounts)
                     .arg(company.employerAmounts ? QStringLiteral("da") : QStringLiteral("lipsa"),
                          company.houses.isEmpty() ? QStringLiteral("-")
                                                   : company.houses.join(QStringLiteral(", "))));
  console.Result(QStringLiteral("    declaratie: %1; sanatate: %2; concedii: %3")
                     .arg(DeclarationText(company),
                          WrittenText(company.healthWrittenAt, company.healthDiffers),
                          WrittenText(company.leaveWrittenAt, company.leaveDiffers)));
}

}  // namespace

int RunOverview(CClient& client, CollectingPrompter& prompter, Console& console,
                const OverviewRequest& request) {
  const auto companies =
      MonthOverview(client, prompter, request.month, [&console](int done, int total) {
        console.Progress(
            QStringLiteral("Verificarea fisierelor scrise: %1 din %2").arg(done).arg(total));
      });
  console.EndProgress();
  // A failed statement's text, as a screen would have shown it.
  for (const QString& message : prompter.Take()) console.Error(message);
  if (!companies) return 2;
  if (!request.json) {
    console.Result(QStringLiteral("Situatia lunii ") + ReportMonthText(request.month));
  }
  for (const OverviewCompany& company : *companies) {
    if (request.json) {
      console.Result(JsonLine(company));
    } else {
      PrintCompany(console, company);
    }
  }
  return 0;
}
