#include "leave/output/declaration_page_elements.h"

#include "leave/replay/declaration_totals.h"

void AddAnnexHeading(PageElements& page, const QString& county, const QString& annex,
                     const StoredDeclaration& declaration) {
  const QString luna = QString::number(declaration.luna);
  const QString kind =
      declaration.rectifying ? QStringLiteral("rectificativa") : QStringLiteral("initiala");
  const QString number = declaration.rectifying ? QString::number(declaration.rectifNr) : QString();
  page.push_back(TextAt(200, 100, QStringLiteral("Casa de Asigurari de Sanatate ") + county));
  page.push_back(TextAt(5500, 100, annex));
  page.push_back(Cell(200, 200, 6600, 300,
                      QStringLiteral("DECLARATIE    ") + kind + QLatin1Char(' ') + number,
                      TextAlign::Centre));
  page.push_back(Cell(200, 300, 6600, 400,
                      QStringLiteral("Privind evidenta obligatiilor de plata catre bugetul "
                                     "Fondului National Unic de Asigurari Sociale de Sanatate"),
                      TextAlign::Centre));
  page.push_back(Cell(200, 400, 6600, 500,
                      QStringLiteral("pentru concedii si indemnizatii pentru luna ") +
                          luna.mid(4, 2) + QStringLiteral(", anul ") + luna.left(4),
                      TextAlign::Centre));
}
