#include "leave/declaration_page_elements.h"

#include <utility>

#include "common/report_printer.h"
#include "leave/declaration_totals.h"

PageElement TextAt(int x, int y, QString text, ReportFont font) {
  return {PageElement::Kind::kText, x, y, x, y, std::move(text), TextAlign::Left, false, font};
}

PageElement Cell(int left, int top, int right, int bottom, QString text, TextAlign align,
                 bool framed, ReportFont font) {
  return {PageElement::Kind::kCell, left, top, right, bottom, std::move(text), align, framed, font};
}

PageElement Framed(int left, int top, int right, int bottom, QString text, TextAlign align,
                   ReportFont font) {
  return Cell(left, top, right, bottom, std::move(text), align, true, font);
}

PageElement Box(int left, int top, int right, int bottom, QString text, TextAlign align) {
  return {PageElement::Kind::kBox, left,  top,   right,           bottom,
          std::move(text),         align, false, ReportFont::Body};
}

void DrawElements(ReportPrinter& printer, const PageElements& elements) {
  for (const PageElement& e : elements) {
    if (printer.CurrentFont() != e.font) printer.SelectFont(e.font);
    switch (e.kind) {
      case PageElement::Kind::kText:
        printer.TextAt(e.left, e.top, e.text, e.align);
        break;
      case PageElement::Kind::kCell:
        printer.CellText(e.left, e.top, e.right, e.bottom, e.text, e.align, false, e.framed);
        break;
      case PageElement::Kind::kBox:
        printer.BoxText(e.left, e.top, e.right, e.bottom, e.text, e.align, e.framed);
        break;
    }
  }
  // The pages end in the body font, as every page of the declaration begins.
  if (printer.CurrentFont() != ReportFont::Body) printer.SelectFont(ReportFont::Body);
}

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
