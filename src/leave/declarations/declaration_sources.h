#pragma once

#include <QString>
#include <optional>
#include <vector>

class CClient;
class Prompter;

// What the printed declaration and its files read besides the figures: the employer's row
// and the certificate entries of the declaration itself.

// The company's identification, address and bank, as stored.
struct DeclarationCompany {
  QString denumire;
  QString regCom;
  QString jud;  // two-letter county code
  QString loc;
  QString str;
  QString nr;
  QString bl;
  QString sc;
  QString et;
  QString ap;
  QString tel;
  QString sect;
  QString email;
  QString b1;  // bank
  QString f1;  // branch
  QString c1;  // account
  QString repr;
};

// One certificate entry of the declaration, every column as stored.
struct DeclaredCertificate {
  QString tipRectif;  // empty in an initial declaration, else "A", "M" or "S"
  QString nume;
  QString prenume;
  QString cnp;
  QString cas;  // five-character house code, "CASCJ"
  QString zileLucratoare;
  QString zileLucrate;
  QString zilePrestatii;
  QString zileFnuass;
  QString sumaFnuass;
  QString codIndemn;
  QString certSerie;
  QString certNumar;
  QString certInitSerie;
  QString certInitNumar;
  QString codUrg;
  QString codContag;
};

// The company row of `cf`; nothing after a failed query (the client has shown it) or
// after "Eroare #12" when the row is gone.
[[nodiscard]] std::optional<DeclarationCompany> ReadDeclarationCompany(CClient& client,
                                                                       Prompter& prompter,
                                                                       const QString& cf);

// Whether the declaration row is there: false after a failed query (the client has shown
// it) or after "Eroare #1" when the row is gone.
[[nodiscard]] bool DeclarationPresent(CClient& client, Prompter& prompter, qint64 index);

// The certificate entries of one declaration in the order they are printed and filed: by
// surname, then by the series of the initial certificate, then in the order they were
// entered, so the running number of a row is the same on paper and in the file. Nothing
// when the query fails (the client has shown why).
[[nodiscard]] std::optional<std::vector<DeclaredCertificate>> ReadDeclaredCertificates(
    CClient& client, qint64 index);

// "Eroare #1" (the declaration is gone) and "Eroare #12" (the company is gone).
namespace source_texts {
inline const QString kNoDeclaration = QStringLiteral("Eroare #1");
inline const QString kNoCompany = QStringLiteral("Eroare #12");
}  // namespace source_texts
