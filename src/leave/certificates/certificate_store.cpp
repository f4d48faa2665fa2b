#include "leave/certificates/certificate_store.h"

#include "leave/certificates/certificate_fields.h"
#include "leave/replay/declaration_totals.h"
#include "store/c_client.h"
#include "store/schema/schema_tables.h"
#include "store/sql.h"

namespace {

// The entry's columns; the rectification type only in a rectifying declaration, an initial
// one leaves it empty.
Columns ValueColumns(bool rectifying, const CertificateValues& values) {
  return rectifying ? FieldColumns(CertificateFieldTable(), values)
                    : FieldColumns(CertificateFieldTable(), values, {"TIP_RECTIF"});
}

PersonProposal ProposalFromRow(const CClient& client) {
  return {client.GetField(0, QStringLiteral("CNP")), client.GetField(0, QStringLiteral("NUME")),
          client.GetField(0, QStringLiteral("PRENUME")), client.GetField(0, QStringLiteral("CAS"))};
}

}  // namespace

std::optional<CertificateDeclaration> ReadCertificateDeclaration(CClient& client, qint64 index) {
  const std::optional<StoredDeclaration> stored = ReadDeclaration(client, index);
  if (!stored) return std::nullopt;
  return CertificateDeclaration{
      index, stored->cf, stored->luna, stored->workingDays, stored->rectifying, stored->rectifNr};
}

std::optional<CertificateValues> ReadCertificate(CClient& client, qint64 index) {
  if (client.Execute(Sql(u"SELECT * FROM concedii.concedii AS c WHERE c.index=%1", Number(index)),
                     1) != 0 ||
      client.RowCount() < 1) {
    return std::nullopt;
  }
  CertificateValues values;
  LoadFields(client, CertificateFieldTable(), values);
  return values;
}

std::optional<PersonProposal> ProposePerson(CClient& client, const QString& cf,
                                            const QString& typed) {
  if (typed.isEmpty()) return std::nullopt;
  // The latest entered first, so the proposal follows a person's latest names and house
  // whatever order the server returns the rows in.
  if (client.Execute(Sql(u"SELECT c.cnp, c.nume, c.prenume, c.cas FROM concedii.concedii AS c "
                         u"WHERE c.cnp LIKE %1 AND c.cf=%2 ORDER BY c.index DESC LIMIT 0,1",
                         client.Like({}, typed, QStringLiteral("%")), client.Text(cf)),
                     1) != 0) {
    return std::nullopt;
  }
  if (client.RowCount() > 0) return ProposalFromRow(client);
  if (client.Execute(Sql(u"SELECT a.cnp, a.nume, a.prenume, a.cas FROM asigurati.asigurati AS a "
                         u"WHERE a.cnp LIKE %1 AND a.cf=%2 AND a.iesire=0 ORDER BY a.index DESC "
                         u"LIMIT 0,1",
                         client.Like({}, typed, QStringLiteral("%")), client.Text(cf)),
                     1) != 0 ||
      client.RowCount() < 1) {
    return std::nullopt;
  }
  return ProposalFromRow(client);
}

std::optional<qint64> InsertCertificate(CClient& client, const CertificateDeclaration& declaration,
                                        const CertificateValues& values) {
  Columns columns = {{QStringLiteral("ID_DECLARATIE"), QString::number(declaration.index)},
                     {QStringLiteral("CF"), declaration.cf}};
  const Columns entry = ValueColumns(declaration.rectifying, values);
  columns.insert(columns.end(), entry.begin(), entry.end());
  if (client.AuditedInsert(CertificatesTable(), columns) != 0) return std::nullopt;
  return static_cast<qint64>(client.LastInsertId());
}

bool UpdateCertificate(CClient& client, const CertificateDeclaration& declaration, qint64 index,
                       const CertificateValues& values) {
  return client.AuditedUpdate(static_cast<double>(index), CertificatesTable(),
                              ValueColumns(declaration.rectifying, values)) == 0;
}

bool DeleteCertificate(CClient& client, qint64 index) {
  return client.AuditedDelete(static_cast<double>(index), CertificatesTable()) == 0;
}
