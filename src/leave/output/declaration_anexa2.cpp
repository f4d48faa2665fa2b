#include <algorithm>

#include "common/number_texts.h"
#include "leave/output/declaration_pages.h"
#include "print/report_printer.h"

namespace {

// One piece of the column heads: text in a 100-unit row, or (empty text, framed) the
// outline of a head spanning several rows.
struct HeadCell {
  int left;
  int right;
  int top;
  int bottom;
  const char* text;
  bool framed;
};

constexpr HeadCell kHeads[] = {
    {200, 400, 800, 900, "Nr.", false},
    {200, 400, 900, 1000, "crt.", false},
    {200, 400, 700, 1000, "", true},
    {400, 600, 800, 900, "Tip.", false},
    {400, 600, 900, 1000, "rectif.", false},
    {400, 600, 700, 1000, "", true},
    {600, 1500, 800, 900, "Nume si prenume asigurat", false},
    {600, 1500, 700, 1000, "", true},
    {1500, 2100, 800, 900, "CNP asigurat", false},
    {1500, 2100, 700, 1000, "", true},
    {2100, 2300, 800, 900, "CAS", false},
    {2100, 2300, 700, 1000, "", true},
    {2300, 3750, 700, 800, "Zile", true},
    {2300, 2650, 800, 1000, "lucratoare", true},
    {2650, 2950, 800, 1000, "lucrate", true},
    {2950, 3300, 800, 1000, "prestatii", true},
    {3300, 3750, 800, 900, "suportate", false},
    {3300, 3750, 900, 1000, "din FNUASS", false},
    {3300, 3750, 800, 1000, "", true},
    {3750, 4550, 700, 800, "Suma din FNUASS", false},
    {3750, 4550, 800, 900, "pentru concedii", false},
    {3750, 4550, 900, 1000, "si indemnizatii", false},
    {3750, 4550, 700, 1000, "", true},
    {4550, 4850, 800, 900, "Cod de", false},
    {4550, 4850, 900, 1000, "indemn.", false},
    {4550, 4850, 700, 1000, "", true},
    {4850, 6150, 700, 800, "Serie si numar de Certificat", false},
    {4850, 6150, 800, 900, "de Concediu Medical", false},
    {4850, 6150, 700, 900, "", true},
    {5500, 6150, 900, 1000, "initial", true},
    {6150, 6450, 700, 800, "Cod", false},
    {6150, 6450, 800, 900, "urg.", false},
    {6150, 6450, 900, 1000, "m.-c.", false},
    {6150, 6450, 700, 1000, "", true},
    {6450, 6750, 700, 800, "Cod", false},
    {6450, 6750, 800, 900, "boala", false},
    {6450, 6750, 900, 1000, "i.-c.", false},
    {6450, 6750, 700, 1000, "", true},
};

// The row's cells left to right; the certificates in the small font.
void AddRow(PageElements& page, const DeclaredCertificate& c, int number, int top) {
  const int bottom = top + 100;
  const auto centred = [&](int left, int right, const QString& text,
                           ReportFont font = ReportFont::Body) {
    page.push_back(Framed(left, top, right, bottom, text, TextAlign::Centre, font));
  };
  centred(200, 400, QString::number(number));
  centred(400, 600, c.tipRectif);
  page.push_back(Framed(600, top, 1500, bottom, c.nume + QLatin1Char(' ') + c.prenume));
  centred(1500, 2100, c.cnp);
  centred(2100, 2300, c.cas.mid(3));
  centred(2300, 2650, c.zileLucratoare);
  centred(2650, 2950, c.zileLucrate);
  centred(2950, 3300, c.zilePrestatii);
  centred(3300, 3750, c.zileFnuass);
  page.push_back(Framed(3750, top, 4550, bottom, FormatThousands(c.sumaFnuass), TextAlign::Right));
  centred(4550, 4850, c.codIndemn);
  centred(4850, 5500, c.certSerie + QLatin1Char(' ') + c.certNumar, ReportFont::Small);
  centred(5500, 6150, c.certInitSerie + QLatin1Char(' ') + c.certInitNumar, ReportFont::Small);
  centred(6150, 6450, c.codUrg);
  centred(6450, 6750, c.codContag);
}

}  // namespace

PageElements Anexa2Heading(const DeclarationPrintout& printout) {
  PageElements page;
  page.reserve(48);
  AddAnnexHeading(page, printout.company.jud, QStringLiteral("Anexa 2"), printout.totals.stored);
  page.push_back(TextAt(200, 600,
                        QStringLiteral("Denumire angajator: ") + printout.company.denumire +
                            QStringLiteral("  CUI: ") + printout.totals.stored.cf));
  for (const HeadCell& head : kHeads) {
    page.push_back(Cell(head.left, head.top, head.right, head.bottom, QLatin1String(head.text),
                        TextAlign::Centre, head.framed));
  }
  return page;
}

PageElements Anexa2Rows(const std::vector<DeclaredCertificate>& certificates, int first,
                        int count) {
  PageElements page;
  page.reserve(static_cast<size_t>(count) * 15);
  for (int i = 0; i < count; ++i) {
    AddRow(page, certificates[static_cast<size_t>(first + i)], first + i + 1, 1000 + 100 * i);
  }
  return page;
}

void DrawDeclaration(ReportPrinter& printer, const DeclarationPrintout& printout,
                     const QString& footer, const QString& today) {
  printer.NewPage(footer);
  printer.SelectFont(ReportFont::Body);
  DrawElements(printer, Anexa1Page(printout, today));
  const PageElements heading = Anexa2Heading(printout);
  const int total = static_cast<int>(printout.certificates.size());
  // A page is begun only for rows still to print, so a last page of exactly 36 rows is
  // followed by no empty one; the job ends the last page.
  for (int first = 0; first < total; first += kAnexa2Rows) {
    printer.EndPage();
    printer.NewPage(footer);
    printer.SelectFont(ReportFont::Body);
    DrawElements(printer, heading);
    DrawElements(printer,
                 Anexa2Rows(printout.certificates, first, std::min(kAnexa2Rows, total - first)));
  }
  printer.EndJob();
}
