#pragma once

#include <QString>
#include <optional>

#include "leave/certificates/certificate_checks.h"

class CClient;

// A certificate entry as the form stored it, as the certificates list shows it.
struct SavedCertificate {
  qint64 index = 0;
  CertificateValues values;
};

// What the form proposes for a CNP being typed: the person's names and house.
struct PersonProposal {
  QString cnp;
  QString nume;
  QString prenume;
  QString cas;
};

// The declaration with this index as the certificate form needs it; nothing when it could not
// be read.
[[nodiscard]] std::optional<CertificateDeclaration> ReadCertificateDeclaration(CClient& client,
                                                                               qint64 index);

// The stored entry; nothing when the query failed or the entry is gone.
[[nodiscard]] std::optional<CertificateValues> ReadCertificate(CClient& client, qint64 index);

// The latest earlier certificate of the company whose CNP starts with `typed`, else the latest
// active employee's record; nothing when none matches or a query failed.
[[nodiscard]] std::optional<PersonProposal> ProposePerson(CClient& client, const QString& cf,
                                                          const QString& typed);

// The audited writes of an entry: the new entry's index, or whether the update succeeded.
[[nodiscard]] std::optional<qint64> InsertCertificate(CClient& client,
                                                      const CertificateDeclaration& declaration,
                                                      const CertificateValues& values);
[[nodiscard]] bool UpdateCertificate(CClient& client, const CertificateDeclaration& declaration,
                                     qint64 index, const CertificateValues& values);
[[nodiscard]] bool DeleteCertificate(CClient& client, qint64 index);
