#include "print/print_elements.h"

#include <utility>

#include "print/report_printer.h"

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

PageElement Box(int left, int top, int right, int bottom, QString text, TextAlign align,
                bool framed) {
  return {PageElement::Kind::kBox, left,  top,    right,           bottom,
          std::move(text),         align, framed, ReportFont::Body};
}

void DrawElements(ReportPrinter& printer, const PageElements& elements) {
  for (const PageElement& e : elements) {
    if (printer.CurrentFont() != e.font) printer.SelectFont(e.font);
    switch (e.kind) {
      case PageElement::Kind::kText:
        printer.TextAt(e.left, e.top, e.text, e.align);
        break;
      case PageElement::Kind::kCell:
        printer.CellText(e.left, e.top, e.right, e.bottom, e.text, e.align, e.shaded, e.framed);
        break;
      case PageElement::Kind::kBox:
        printer.BoxText(e.left, e.top, e.right, e.bottom, e.text, e.align, e.framed);
        break;
    }
  }
  if (printer.CurrentFont() != ReportFont::Body) printer.SelectFont(ReportFont::Body);
}
