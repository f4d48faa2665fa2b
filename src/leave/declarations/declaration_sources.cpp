#include "leave/declarations/declaration_sources.h"

#include "store/c_client.h"
#include "store/prompter.h"
#include "store/sql.h"

namespace {

// Reads the columns of a stored result by name, once per query rather than once per cell.
class ResultColumns {
 public:
  explicit ResultColumns(const ResultTable& result)
      : names_(result.ColumnNames()), cells_(result.Cells()) {}

  // The cell of `row` in the column named `upperName`; empty when there is no such column.
  QString Cell(qsizetype row, const char* upperName) const {
    const qsizetype column = names_.indexOf(QLatin1String(upperName));
    if (column < 0) return {};
    return cells_.value(row * names_.size() + column);
  }
  qsizetype Column(const char* upperName) const { return names_.indexOf(QLatin1String(upperName)); }
  QString At(qsizetype row, qsizetype column) const {
    if (column < 0) return {};
    return cells_.value(row * names_.size() + column);
  }

 private:
  const QStringList& names_;
  const QStringList& cells_;
};

}  // namespace

std::optional<DeclarationCompany> ReadDeclarationCompany(CClient& client, Prompter& prompter,
                                                         const QString& cf) {
  const QString sql = Sql(u"SELECT * FROM asigurati.societati AS s WHERE s.cf=%1", client.Text(cf));
  if (client.Execute(sql, 1) != 0) return std::nullopt;
  if (client.RowCount() < 1) {
    prompter.Inform(source_texts::kNoCompany);
    return std::nullopt;
  }
  const ResultColumns row(client.Result());
  DeclarationCompany company;
  company.denumire = row.Cell(0, "DENUMIRE");
  company.regCom = row.Cell(0, "REG_COM");
  company.jud = row.Cell(0, "JUD");
  company.loc = row.Cell(0, "LOC");
  company.str = row.Cell(0, "STR");
  company.nr = row.Cell(0, "NR");
  company.bl = row.Cell(0, "BL");
  company.sc = row.Cell(0, "SC");
  company.et = row.Cell(0, "ET");
  company.ap = row.Cell(0, "AP");
  company.tel = row.Cell(0, "TEL");
  company.sect = row.Cell(0, "SECT");
  company.email = row.Cell(0, "EMAIL");
  company.b1 = row.Cell(0, "B1");
  company.f1 = row.Cell(0, "F1");
  company.c1 = row.Cell(0, "C1");
  company.repr = row.Cell(0, "REPR");
  return company;
}

bool DeclarationPresent(CClient& client, Prompter& prompter, qint64 index) {
  const QString sql =
      Sql(u"SELECT * FROM concedii.declaratii AS d WHERE d.index=%1", Number(index));
  if (client.Execute(sql, 1) != 0) return false;
  if (client.RowCount() < 1) {
    prompter.Inform(source_texts::kNoDeclaration);
    return false;
  }
  return true;
}

std::optional<std::vector<DeclaredCertificate>> ReadDeclaredCertificates(CClient& client,
                                                                         qint64 index) {
  // Two entries of one surname and one initial series keep the order they were entered.
  const QString sql =
      Sql(u"SELECT * FROM concedii.concedii AS c WHERE c.id_declaratie=%1 "
          u"ORDER BY c.nume, c.cert_init_serie, c.index",
          Number(index));
  if (client.Execute(sql, 1) != 0) return std::nullopt;
  const ResultColumns rows(client.Result());
  const qsizetype columns[] = {rows.Column("TIP_RECTIF"),
                               rows.Column("NUME"),
                               rows.Column("PRENUME"),
                               rows.Column("CNP"),
                               rows.Column("CAS"),
                               rows.Column("ZILE_LUCRATOARE"),
                               rows.Column("ZILE_LUCRATE"),
                               rows.Column("ZILE_PRESTATII"),
                               rows.Column("ZILE_SUPORTATE_FNUASS"),
                               rows.Column("SUMA_SUPORTATA_FNUASS"),
                               rows.Column("COD_INDEMN"),
                               rows.Column("CERT_SERIE"),
                               rows.Column("CERT_NUMAR"),
                               rows.Column("CERT_INIT_SERIE"),
                               rows.Column("CERT_INIT_NUMAR"),
                               rows.Column("COD_URG"),
                               rows.Column("COD_CONTAG")};
  std::vector<DeclaredCertificate> certificates;
  const auto count = static_cast<qsizetype>(client.RowCount());
  certificates.reserve(static_cast<size_t>(count));
  for (qsizetype r = 0; r < count; ++r) {
    const auto at = [&](int i) { return rows.At(r, columns[i]); };
    certificates.push_back({at(0), at(1), at(2), at(3), at(4), at(5), at(6), at(7), at(8), at(9),
                            at(10), at(11), at(12), at(13), at(14), at(15), at(16)});
  }
  return certificates;
}
