#include "leave/certificates/certificate_store.h"

#include "leave/replay/declaration_totals.h"
#include "store/c_client.h"
#include "store/sql.h"

namespace {

const QString kDatabase = QStringLiteral("CONCEDII");
const QString kTable = QStringLiteral("CONCEDII");

// The entry's columns in the table's order; the rectification type only in a rectifying
// declaration, an initial one leaves it empty.
void AddValueColumns(CClient& client, bool rectifying, const CertificateValues& values) {
  client.AddColumn(QStringLiteral("CNP"), values.cnp);
  client.AddColumn(QStringLiteral("NUME"), values.nume);
  client.AddColumn(QStringLiteral("PRENUME"), values.prenume);
  client.AddColumn(QStringLiteral("CAS"), values.cas);
  if (rectifying) client.AddColumn(QStringLiteral("TIP_RECTIF"), values.tipRectif);
  client.AddColumn(QStringLiteral("CERT_SERIE"), values.serie);
  client.AddColumn(QStringLiteral("CERT_NUMAR"), values.numar);
  client.AddColumn(QStringLiteral("CERT_INIT_SERIE"), values.initSerie);
  client.AddColumn(QStringLiteral("CERT_INIT_NUMAR"), values.initNumar);
  client.AddColumn(QStringLiteral("COD_INDEMN"), values.codIndemn);
  client.AddColumn(QStringLiteral("ZILE_LUCRATOARE"), values.zileLucratoare);
  client.AddColumn(QStringLiteral("ZILE_LUCRATE"), values.zileLucrate);
  client.AddColumn(QStringLiteral("ZILE_PRESTATII"), values.zilePrestatii);
  client.AddColumn(QStringLiteral("ZILE_SUPORTATE_FNUASS"), values.zileFnuass);
  client.AddColumn(QStringLiteral("SUMA_SUPORTATA_FNUASS"), values.sumaFnuass);
  client.AddColumn(QStringLiteral("COD_URG"), values.codUrg);
  client.AddColumn(QStringLiteral("COD_CONTAG"), values.codContag);
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
  client.ClearColumns();
  client.AddColumn(QStringLiteral("ID_DECLARATIE"), QString::number(declaration.index));
  client.AddColumn(QStringLiteral("CF"), declaration.cf);
  AddValueColumns(client, declaration.rectifying, values);
  if (client.AuditedInsert(kDatabase, kTable) != 0) return std::nullopt;
  return static_cast<qint64>(client.LastInsertId());
}

bool UpdateCertificate(CClient& client, const CertificateDeclaration& declaration, qint64 index,
                       const CertificateValues& values) {
  client.ClearColumns();
  AddValueColumns(client, declaration.rectifying, values);
  return client.AuditedUpdate(static_cast<double>(index), kDatabase, kTable) == 0;
}

bool DeleteCertificate(CClient& client, qint64 index) {
  return client.AuditedDelete(static_cast<double>(index), kDatabase, kTable) == 0;
}
