#include "health/annexes/annex_print_pages.h"

#include <algorithm>
#include <functional>
#include <utility>

#include "common/number_texts.h"
#include "print/report_printer.h"

namespace {

const QString kFirstFootnote = QStringLiteral(
    "*) Se depune lunar la casele de asigurari de sanatate, in termen de 25 de zile de la "
    "expirarea perioadei pentru care se datoreaza contributiile");
const QString kOwed = QStringLiteral("Suma\r\ndatorata");
const QString kPaid = QStringLiteral("Suma totala\r\nvirata");

PageElement RightAt(int x, int y, QString text) {
  PageElement e = TextAt(x, y, std::move(text));
  e.align = TextAlign::Right;
  return e;
}

void AddCommonHead(PageElements& page, const AnnexPrintHead& head, const QString& annexName,
                   const QString& title1, const QString& title2) {
  page.push_back(TextAt(200, 100, head.denumire));
  page.push_back(TextAt(200, 200, QStringLiteral("CUI / CNP: ") + head.cf));
  page.push_back(TextAt(200, 300, QStringLiteral("Nr. Reg. Com.: ") + head.regCom));
  page.push_back(TextAt(200, 400, QStringLiteral("Casa de Asigurari: ") + head.cas));
  page.push_back(RightAt(4600, 100, annexName));
  page.push_back(RightAt(4600, 200, QStringLiteral("la normele metodologice")));
  page.push_back(Cell(200, 500, 4600, 600, title1, TextAlign::Centre));
  page.push_back(Cell(200, 600, 4600, 700, title2, TextAlign::Centre));
  page.push_back(Cell(200, 700, 4600, 800,
                      QStringLiteral("Luna ") + QString::number(head.month.mid(4, 2).toInt()) +
                          QStringLiteral(", anul ") + head.month.left(4),
                      TextAlign::Centre));
}

void AddHeadBox(PageElements& page, int left, int top, int right, int bottom, QString text) {
  page.push_back(Box(left, top, right, bottom, std::move(text), TextAlign::Centre, true));
}

void AddFootnote(PageElements& page, int y, QString text) {
  page.push_back(TextAt(200, y, std::move(text), ReportFont::Small));
}

void Add2aHead(PageElements& page, const AnnexPrintHead& head) {
  AddCommonHead(page, head, QStringLiteral("ANEXA Nr. 2a)"), QStringLiteral("LISTA *)"),
                QStringLiteral("nominala cuprinzand persoanele asigurate pentru care se plateste "
                               "contributia de asigurari sociale de sanatate"));
  AddHeadBox(page, 200, 900, 900, 1100, QStringLiteral("CNP"));
  AddHeadBox(page, 900, 900, 1600, 1100, QStringLiteral("Numele"));
  AddHeadBox(page, 1600, 900, 2300, 1100, QStringLiteral("Prenumele"));
  AddHeadBox(page, 2300, 900, 2800, 1100, QStringLiteral("Categoria de\n\rasigurat **)"));
  AddHeadBox(page, 2800, 900, 3250, 1100, kOwed);
  AddHeadBox(page, 3250, 900, 3700, 1100, kPaid);
  AddHeadBox(page, 3700, 900, 4150, 1100, QStringLiteral("Data\r\nangajarii"));
  AddHeadBox(page, 4150, 900, 4600, 1100, QStringLiteral("Data\r\nplecarii"));
  AddFootnote(page, 6500, kFirstFootnote + QLatin1Char('.'));
  AddFootnote(page, 6600,
              QStringLiteral("**) Se va mentiona categoria de salariat: S - salariati, CM - "
                             "concedii medicale, AM - accident de munca, CT - cenzori, membri in "
                             "consiliul de administratie, alte categorii"));
  AddFootnote(page, 6700,
              QStringLiteral("de persoane care realizeaza venituri asimilate salariilor."));
}

void Add2bHead(PageElements& page, const AnnexPrintHead& head) {
  AddCommonHead(page, head, QStringLiteral("ANEXA Nr. 2b)"), QStringLiteral("LISTA *)"),
                QStringLiteral("nominala cuprinzand persoanele aflate in intretinerea "
                               "asiguratilor pentru care se plateste contributia de asigurari "
                               "sociale de sanatate"));
  AddHeadBox(page, 200, 900, 1300, 1100, QStringLiteral("CNP angajat"));
  AddHeadBox(page, 1300, 900, 4600, 1000, QStringLiteral("Persoane coasigurate"));
  AddHeadBox(page, 1300, 1000, 2000, 1100, QStringLiteral("CNP"));
  AddHeadBox(page, 2000, 1000, 3000, 1100, QStringLiteral("Numele"));
  AddHeadBox(page, 3000, 1000, 4000, 1100, QStringLiteral("Prenumele"));
  AddHeadBox(page, 4000, 1000, 4600, 1100, QStringLiteral("Tipul **)"));
  AddFootnote(page, 6500, kFirstFootnote + QLatin1Char('.'));
  AddFootnote(
      page, 6600,
      QStringLiteral("**) Se va mentiona tipul de co-asigurat (S - sot/sotie, P -  parinti)"));
}

void Add2cHead(PageElements& page, const AnnexPrintHead& head) {
  AddCommonHead(page, head, QStringLiteral("ANEXA Nr. 2c)"), QStringLiteral("CENTRALIZATOR *)"),
                QStringLiteral("referitor la obligatiile de plata ale angajatorului la FNUASS"));
  AddHeadBox(page, 900, 900, 1700, 1200, QStringLiteral("Casa de\r\nasigurari de\r\nsanatate **)"));
  AddHeadBox(page, 1700, 900, 2900, 1000, QStringLiteral("Contributia angajatorului"));
  AddHeadBox(page, 1700, 1000, 2300, 1200, kOwed);
  AddHeadBox(page, 2300, 1000, 2900, 1200, kPaid);
  AddHeadBox(page, 2900, 900, 4100, 1000, QStringLiteral("Contributia asiguratilor"));
  AddHeadBox(page, 2900, 1000, 3500, 1200, kOwed);
  AddHeadBox(page, 3500, 1000, 4100, 1200, kPaid);
  // The 2c form has its footnotes a line higher than 2a and 2b.
  AddFootnote(page, 6400, kFirstFootnote);
  AddFootnote(page, 6500,
              QStringLiteral("**) Se vor inscrie toate casele de asigurari alese in mod liber de "
                             "salariati."));
}

// "Reprezentant legal," and the name, right-aligned, one under the other.
void AddRepresentative(PageElements& page, int left, int top, const QString& repr) {
  page.push_back(
      Cell(left, top, 4600, top + 100, QStringLiteral("Reprezentant legal,"), TextAlign::Right));
  page.push_back(Cell(left, top + 100, 4600, top + 200, repr, TextAlign::Right));
}

void StartPage(ReportPrinter& printer, const QString& footer, const PageElements& head) {
  printer.NewPage(footer);
  printer.SelectFont(ReportFont::Body);
  DrawElements(printer, head);
}

// Rows page by page under the head, then the closing lines at the next free place, on a
// page of their own when they would not fit (a place beyond `lastClosingPlace`).
void DrawPaged(ReportPrinter& printer, const QString& footer, const PageElements& head, int perPage,
               int lastClosingPlace, int count,
               const std::function<PageElements(int first, int count)>& rows,
               const std::function<PageElements(int place)>& closing) {
  StartPage(printer, footer, head);
  int place = 0;
  for (int first = 0; first < count; first += perPage) {
    if (first > 0) {
      printer.EndPage();
      StartPage(printer, footer, head);
    }
    place = std::min(perPage, count - first);
    DrawElements(printer, rows(first, place));
  }
  if (place > lastClosingPlace) {
    printer.EndPage();
    StartPage(printer, footer, head);
    place = 0;
  }
  DrawElements(printer, closing(place));
  printer.EndPage();
}

}  // namespace

QString PrintedDate(const QString& stored) {
  const QString text = stored.trimmed();
  if (text.toLongLong() < 1) return {};
  const QString digits = text.rightJustified(8, QLatin1Char('0'));
  return digits.mid(6, 2) + QLatin1Char('.') + digits.mid(4, 2) + QLatin1Char('.') + digits.left(4);
}

QString PrintedLei(double lei) { return FormatThousands(FormatInteger(lei)); }

PageElements AnnexPageHead(PrintedAnnex annex, const AnnexPrintHead& head) {
  PageElements page;
  page.reserve(24);
  switch (annex) {
    case PrintedAnnex::k2A:
      Add2aHead(page, head);
      break;
    case PrintedAnnex::k2B:
      Add2bHead(page, head);
      break;
    case PrintedAnnex::k2C:
      Add2cHead(page, head);
      break;
  }
  return page;
}

PageElements Annex2aRows(const std::vector<InsuredLine>& lines, int first, int count) {
  PageElements page;
  page.reserve(static_cast<size_t>(count) * 8);
  for (int i = 0; i < count; ++i) {
    const InsuredLine& line = lines[static_cast<size_t>(first + i)];
    const int top = 1100 + 100 * i;
    const int bottom = top + 100;
    page.push_back(Framed(200, top, 900, bottom, line.cnp, TextAlign::Centre));
    page.push_back(Framed(900, top, 1600, bottom, line.nume));
    page.push_back(Framed(1600, top, 2300, bottom, line.prenume));
    page.push_back(Framed(2300, top, 2800, bottom, line.categoria, TextAlign::Centre));
    page.push_back(Framed(2800, top, 3250, bottom, PrintedLei(line.owed), TextAlign::Right));
    page.push_back(Framed(3250, top, 3700, bottom, PrintedLei(line.paid), TextAlign::Right));
    page.push_back(Framed(3700, top, 4150, bottom, PrintedDate(line.hired), TextAlign::Centre));
    page.push_back(Framed(4150, top, 4600, bottom, PrintedDate(line.left), TextAlign::Centre));
  }
  return page;
}

PageElements Annex2bRows(const std::vector<DependantLine>& lines, int first, int count) {
  PageElements page;
  page.reserve(static_cast<size_t>(count) * 5);
  for (int i = 0; i < count; ++i) {
    const DependantLine& line = lines[static_cast<size_t>(first + i)];
    const int top = 1100 + 100 * i;
    const int bottom = top + 100;
    page.push_back(Framed(200, top, 1300, bottom, line.cnpAngajat, TextAlign::Centre));
    page.push_back(Framed(1300, top, 2000, bottom, line.cnp, TextAlign::Centre));
    page.push_back(Framed(2000, top, 3000, bottom, line.nume));
    page.push_back(Framed(3000, top, 4000, bottom, line.prenume));
    page.push_back(Framed(4000, top, 4600, bottom, line.tip, TextAlign::Centre));
  }
  return page;
}

PageElements Annex2cRows(const HouseSummary& summary, const QString& formHouse, int first,
                         int count) {
  PageElements page;
  page.reserve(static_cast<size_t>(count) * 5);
  const int houses = static_cast<int>(summary.houses.size());
  for (int i = 0; i < count; ++i) {
    const int index = first + i;
    const bool total = index >= houses;
    const HouseLine line =
        total ? HouseLine{QStringLiteral("TOTAL"), summary.insuredOwed, summary.insuredPaid}
              : summary.houses[static_cast<size_t>(index)];
    const bool own = !total && line.cas == formHouse;
    const ReportFont font = total || own ? ReportFont::BodyBold : ReportFont::Body;
    const int top = 1200 + 100 * i;
    const int bottom = top + 100;
    const auto add = [&](int left, int right, const QString& text, TextAlign align) {
      PageElement e = Framed(left, top, right, bottom, text, align, font);
      e.shaded = own;
      page.push_back(std::move(e));
    };
    const QString dash = QStringLiteral("-");
    add(900, 1700, line.cas, TextAlign::Centre);
    add(1700, 2300, total ? PrintedLei(summary.employerOwed) : dash, TextAlign::Right);
    add(2300, 2900, total ? PrintedLei(summary.employerPaid) : dash, TextAlign::Right);
    add(2900, 3500, PrintedLei(line.owed), TextAlign::Right);
    add(3500, 4100, PrintedLei(line.paid), TextAlign::Right);
  }
  return page;
}

PageElements Annex2aClosing(const InsuredTotals& totals, const QString& repr, int place) {
  PageElements page;
  const int top = 1100 + 100 * place;
  page.push_back(Framed(2300, top, 2800, top + 100, QStringLiteral("TOTAL"), TextAlign::Right));
  page.push_back(Framed(2800, top, 3250, top + 100, PrintedLei(totals.owed), TextAlign::Right));
  page.push_back(Framed(3250, top, 3700, top + 100, PrintedLei(totals.paid), TextAlign::Right));
  AddRepresentative(page, 100, top + 100, repr);
  return page;
}

PageElements Annex2bClosing(const QString& repr, int place) {
  PageElements page;
  AddRepresentative(page, 400, 1300 + 100 * place, repr);
  return page;
}

PageElements Annex2cClosing(const QString& repr, int place) {
  PageElements page;
  AddRepresentative(page, 400, 1400 + 100 * place, repr);
  return page;
}

void DrawAnnex2a(ReportPrinter& printer, const AnnexPrintHead& head,
                 const std::vector<InsuredLine>& lines, const InsuredTotals& totals,
                 const QString& footer) {
  DrawPaged(
      printer, footer, AnnexPageHead(PrintedAnnex::k2A, head), kAnnex2aRows, kAnnex2aRows - 1,
      static_cast<int>(lines.size()),
      [&](int first, int count) { return Annex2aRows(lines, first, count); },
      [&](int place) { return Annex2aClosing(totals, head.repr, place); });
}

void DrawAnnex2b(ReportPrinter& printer, const AnnexPrintHead& head,
                 const std::vector<DependantLine>& lines, const QString& footer) {
  DrawPaged(
      printer, footer, AnnexPageHead(PrintedAnnex::k2B, head), kAnnex2bRows, kAnnex2bRows - 1,
      static_cast<int>(lines.size()),
      [&](int first, int count) { return Annex2bRows(lines, first, count); },
      [&](int place) { return Annex2bClosing(head.repr, place); });
}

void DrawAnnex2c(ReportPrinter& printer, const AnnexPrintHead& head, const HouseSummary& summary,
                 const QString& footer) {
  // Below a full page of 49 rows the representative's name would run into the page footer:
  // the closing lines then go onto a page of their own, as in 2a and 2b.
  DrawPaged(
      printer, footer, AnnexPageHead(PrintedAnnex::k2C, head), kAnnex2cRows, kAnnex2cRows - 1,
      static_cast<int>(summary.houses.size()) + 1,
      [&](int first, int count) { return Annex2cRows(summary, head.cas, first, count); },
      [&](int place) { return Annex2cClosing(head.repr, place); });
}
