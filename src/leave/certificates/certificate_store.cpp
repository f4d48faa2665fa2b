#include "leave/certificates/certificate_store.h"

#include "leave/replay/declaration_totals.h"
#include "store/c_client.h"
#include "store/schema/schema_tables.h"
#include "store/sql.h"

namespace {

// The entry's columns in the table's order; the rectification type only in a rectifying
// declaration, an initial one leaves it empty.
void AddValueColumns(Columns& columns, bool rectifying, const CertificateValues& values) {
  columns.push_back({QStringLiteral("CNP"), values.cnp});
  columns.push_back({QStringLiteral("NUME"), values.nume});
  columns.push_back({QStringLiteral("PRENUME"), values.prenume});
  columns.push_back({QStringLiteral("CAS"), values.cas});
  if (rectifying) columns.push_back({QStringLiteral("TIP_RECTIF"), values.tipRectif});
  columns.push_back({QStringLiteral("CERT_SERIE"), values.serie});
  columns.push_back({QStringLiteral("CERT_NUMAR"), values.numar});
  columns.push_back({QStringLiteral("CERT_INIT_SERIE"), values.initSerie});
  columns.push_back({QStringLiteral("CERT_INIT_NUMAR"), values.initNumar});
  columns.push_back({QStringLiteral("COD_INDEMN"), values.codIndemn});
  columns.push_back({QStringLiteral("ZILE_LUCRATOARE"), values.zileLucratoare});
  columns.push_back({QStringLiteral("ZILE_LUCRATE"), values.zileLucrate});
  columns.push_back({QStringLiteral("ZILE_PRESTATII"), values.zilePrestatii});
  columns.push_back({QStringLiteral("ZILE_SUPORTATE_FNUASS"), values.zileFnuass});
  columns.push_back({QStringLiteral("SUMA_SUPORTATA_FNUASS"), values.sumaFnuass});
  columns.push_back({QStringLiteral("COD_URG"), values.codUrg});
  columns.push_back({QStringLiteral("COD_CONTAG"), values.codContag});
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
  const auto field = [&client](const char* column) {
    return client.GetField(0, QLatin1String(column));
  };
  return CertificateValues{field("CNP"),
                           field("PRENUME"),
                           field("NUME"),
                           field("CAS"),
                           field("TIP_RECTIF"),
                           field("CERT_SERIE"),
                           field("CERT_NUMAR"),
                           field("CERT_INIT_SERIE"),
                           field("CERT_INIT_NUMAR"),
                           field("COD_INDEMN"),
                           field("ZILE_LUCRATOARE"),
                           field("ZILE_LUCRATE"),
                           field("ZILE_PRESTATII"),
                           field("ZILE_SUPORTATE_FNUASS"),
                           field("SUMA_SUPORTATA_FNUASS"),
                           field("COD_URG"),
                           field("COD_CONTAG")};
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
  AddValueColumns(columns, declaration.rectifying, values);
  if (client.AuditedInsert(CertificatesTable(), columns) != 0) return std::nullopt;
  return static_cast<qint64>(client.LastInsertId());
}

bool UpdateCertificate(CClient& client, const CertificateDeclaration& declaration, qint64 index,
                       const CertificateValues& values) {
  Columns columns;
  AddValueColumns(columns, declaration.rectifying, values);
  return client.AuditedUpdate(static_cast<double>(index), CertificatesTable(), columns) == 0;
}

bool DeleteCertificate(CClient& client, qint64 index) {
  return client.AuditedDelete(static_cast<double>(index), CertificatesTable()) == 0;
}
