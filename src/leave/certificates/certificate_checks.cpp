#include "leave/certificates/certificate_checks.h"

#include "common/identifiers.h"
#include "common/number_texts.h"
#include "store/c_client.h"
#include "store/sql.h"

namespace {

const QString kRectifyingNote =
    QStringLiteral("ATENTIE: aceasta este o declaratie rectificativa\n\n");

// Which declarations of the month the existence query looks at.
enum class Earlier { kUpToThis, kBeforeThis };

// Whether the company's month holds the certificate (CNP, series, number) in the declarations
// chosen, leaving out the entry `excluded` (0: none); nothing when the query failed.
std::optional<bool> CertificateExists(CClient& client, const CertificateDeclaration& declaration,
                                      const CertificateValues& values, Earlier earlier,
                                      qint64 excluded) {
  const QString sql = Sql(
      earlier == Earlier::kUpToThis
          ? u"SELECT d.*, c.cnp, c.cert_serie FROM concedii.declaratii AS d LEFT JOIN "
            u"concedii.concedii AS c ON c.id_declaratie=d.index WHERE d.luna=%1 AND d.cf=%2 AND "
            u"d.rectif_nr<=%3 AND c.cnp=%4 AND c.cert_serie=%5 AND c.cert_numar=%6 AND "
            u"c.index<>%7"
          : u"SELECT d.*, c.cnp, c.cert_serie FROM concedii.declaratii AS d LEFT JOIN "
            u"concedii.concedii AS c ON c.id_declaratie=d.index WHERE d.luna=%1 AND d.cf=%2 AND "
            u"d.rectif_nr<%3 AND c.cnp=%4 AND c.cert_serie=%5 AND c.cert_numar=%6 AND "
            u"c.index<>%7",
      Number(declaration.luna), client.Text(declaration.cf), Number(declaration.number),
      client.Text(values.cnp), client.Text(values.serie), client.Text(values.numar),
      Number(excluded));
  if (client.Execute(sql, 1) != 0) return std::nullopt;
  return client.RowCount() > 0;
}

QString Certificate(const CertificateValues& values) {
  return values.serie + QStringLiteral(" - ") + values.numar;
}

}  // namespace

Refusal CertificateFieldsProblem(const CertificateValues& values,
                                 const QString& declarationWorkingDays) {
  if (!CheckCnp(values.cnp)) return QStringLiteral("CNP-ul introdus este incorect!");
  if (values.prenume.isEmpty()) return QStringLiteral("Trebuie sa introduci un prenume!");
  if (values.nume.isEmpty()) return QStringLiteral("Trebuie sa introduci un nume!");
  // A certificate names the house that pays it: none is refused rather than stored unknown.
  if (values.cas.isEmpty()) return QStringLiteral("Trebuie sa selectezi casa de asigurari!");
  if (values.serie.isEmpty()) {
    return QStringLiteral("Trebuie sa introduci seria certificatului medical!");
  }
  if (values.numar.isEmpty()) {
    return QStringLiteral("Trebuie sa introduci numarul certificatului medical!");
  }
  if (LeadingInteger(values.zileLucratoare) > LeadingInteger(declarationWorkingDays)) {
    return QStringLiteral(
        "Numarul de zile lucratoare este mai mare decat numarul de zile lucratoare din luna "
        "curenta!");
  }
  if (LeadingInteger(values.zileLucrate) > LeadingInteger(values.zileLucratoare)) {
    return QStringLiteral(
        "Numarul de zile lucrate este mai mare decat numarul de zile lucratoare din luna!");
  }
  if (LeadingInteger(values.zileFnuass) > LeadingInteger(values.zilePrestatii)) {
    return QStringLiteral(
        "Numarul de zile suportate din FNUASS este mai mare decat numarul de zile de prestatii!");
  }
  return std::nullopt;
}

CheckResult CertificateConfirmProblem(CClient& client, const CertificateDeclaration& declaration,
                                      const CertificateValues& values, qint64 certificate) {
  if (Refusal problem = CertificateFieldsProblem(values, declaration.workingDays)) {
    return CheckResult::Refused(std::move(*problem));
  }
  if (!declaration.rectifying) {
    const std::optional<bool> exists =
        CertificateExists(client, declaration, values, Earlier::kUpToThis, certificate);
    if (!exists) return CheckResult::Failed();
    if (!*exists) return CheckResult::Ok();
    return CheckResult::Refused(
        QStringLiteral("Doresti sa adaugi certificatul ") + Certificate(values) +
        QStringLiteral(".\n\nAcesta este deja introdus in declaratia curenta."));
  }
  if (values.tipRectif == u"S" && LeadingInteger(values.sumaFnuass) > 0) {
    return CheckResult::Refused(
        kRectifyingNote +
        QStringLiteral("Doresti sa stergi din declaratia anterioara certificatul ") +
        Certificate(values) +
        QStringLiteral(
            ".\n\nSuma suportata din FNUASS trebuie sa fie zero (ea nu isi are rostul intr-o "
            "operatiune de stergere)."));
  }
  if (values.tipRectif == u"A") {
    const std::optional<bool> exists =
        CertificateExists(client, declaration, values, Earlier::kUpToThis, certificate);
    if (!exists) return CheckResult::Failed();
    if (!*exists) return CheckResult::Ok();
    return CheckResult::Refused(
        kRectifyingNote +
        QStringLiteral("Doresti sa adaugi la declaratia anterioara certificatul ") +
        Certificate(values) + QStringLiteral(".\n\nAcesta exista deja."));
  }
  // "M" and "S" act on a certificate an earlier declaration of the month reported.
  const std::optional<bool> exists =
      CertificateExists(client, declaration, values, Earlier::kBeforeThis, 0);
  if (!exists) return CheckResult::Failed();
  if (*exists) return CheckResult::Ok();
  return CheckResult::Refused(
      kRectifyingNote + QStringLiteral("Doresti sa ") +
      (values.tipRectif == u"M" ? QStringLiteral("modifici in") : QStringLiteral("stergi din")) +
      QStringLiteral(" declaratia anterioara certificatul ") + Certificate(values) +
      QStringLiteral(".\n\nPentru acest lucru, trebuie ca seria si numarul sa existe deja intr-o "
                     "declaratie anterioara din aceasi luna.\nEi bine, nu exista."));
}

QString CertificateMonthText(int luna, const QString& workingDays) {
  const QString key = QString::number(luna);
  const bool many = LeadingInteger(workingDays) > 19;
  return key.mid(4, 2) + u'.' + key.left(4) + QStringLiteral(" (") + workingDays +
         (many ? QStringLiteral(" de zile lucratoare") : QStringLiteral(" zile lucratoare")) + u')';
}
