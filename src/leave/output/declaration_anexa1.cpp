#include "common/code_lists.h"
#include "common/number_texts.h"
#include "leave/output/declaration_pages.h"

namespace {

// A derived figure in whole lei, truncated, grouped by thousands.
QString Amount(double value) { return FormatThousands(FormatInteger(value)); }

// A label on the left of a 100-unit row, and its figure framed on the right.
void AddLabelled(PageElements& page, int top, int labelRight, const QString& label, int figureLeft,
                 int figureRight, const QString& figure) {
  page.push_back(Cell(400, top, labelRight, top + 100, label));
  page.push_back(Framed(figureLeft, top, figureRight, top + 100, figure, TextAlign::Right));
}

void AddIdentification(PageElements& page, const DeclarationPrintout& printout) {
  const StoredDeclaration& d = printout.totals.stored;
  const DeclarationCompany& c = printout.company;
  page.push_back(Cell(400, 700, 1400, 800, QStringLiteral("A. Denumire angajator:")));
  page.push_back(Framed(1800, 700, 4000, 800, c.denumire));
  page.push_back(
      Cell(4500, 700, 5200, 800, QStringLiteral("B. CUI (cod fiscal):"), TextAlign::Right));
  page.push_back(Framed(5300, 700, 6200, 800, d.cf, TextAlign::Right));
  page.push_back(Cell(400, 800, 1400, 900, QStringLiteral("C. Nr. Inreg. Reg. Comertului:")));
  page.push_back(Framed(1800, 800, 4000, 900, c.regCom));
  page.push_back(Cell(4500, 800, 5200, 900, QStringLiteral("D. Nr. angajati:"), TextAlign::Right));
  page.push_back(Framed(5300, 800, 6200, 900, d.d, TextAlign::Right));
}

void AddContributions(PageElements& page, const DeclarationPrintout& printout) {
  const DeclarationTotals& t = printout.totals;
  const StoredDeclaration& d = t.stored;
  page.push_back(
      Cell(400, 900, 2300, 1000, QStringLiteral("E. Total fond de salarii brute realizate:")));
  page.push_back(Framed(2300, 900, 3200, 1000, d.e, TextAlign::Right));
  page.push_back(Cell(3200, 900, 5200, 1000,
                      QStringLiteral("F. Total contributii datorate pentru concedii si "
                                     "indemnizatii:"),
                      TextAlign::Right));
  page.push_back(Framed(5300, 900, 6200, 1000, d.f, TextAlign::Right));
  page.push_back(
      Cell(400, 1000, 2300, 1100, QStringLiteral("G. Total indemnizatii suportate din FAAMBP:")));
  page.push_back(Framed(2300, 1000, 3200, 1100, FormatThousands(d.g), TextAlign::Right));
  page.push_back(Cell(3200, 1000, 6200, 1100,
                      QStringLiteral("H. Total contributii pentru concedii si indemnizatii "
                                     "datorate pentru indemnizatiile")));
  page.push_back(
      Cell(3200, 1100, 5200, 1200, QStringLiteral("suportate din FAAMBP: "), TextAlign::Right));
  page.push_back(Framed(5300, 1100, 6200, 1200, FormatThousands(d.h), TextAlign::Right));
  AddLabelled(page, 1200, 3200,
              QStringLiteral("I. Total contributii datorate FNUASS pentru concedii si "
                             "indemnizatii:"),
              3300, 4200, Amount(t.i));
  AddLabelled(page, 1300, 3200,
              QStringLiteral("J. Total cuantum prestatii de suportat din FNUASS pentru concedii "
                             "si indemnizatii:"),
              3300, 4200, Amount(t.j));
}

void AddGroups(PageElements& page, const DeclarationTotals& totals) {
  page.push_back(Cell(600, 1500, 2300, 1600, QStringLiteral("Din care:")));
  page.push_back(Cell(2500, 1500, 3200, 1600, QStringLiteral("Nr. de cazuri"), TextAlign::Centre));
  page.push_back(
      Cell(3300, 1500, 4200, 1600, QStringLiteral("Total zile de prestatii"), TextAlign::Centre));
  page.push_back(Box(4300, 1400, 5200, 1600, QStringLiteral("Total zile de prestatii din FNUASS"),
                     TextAlign::Centre));
  page.push_back(Box(5300, 1400, 6200, 1600,
                     QStringLiteral("Suma din FNUASS pentru concedii si indemnizatii"),
                     TextAlign::Centre));
  static const char* const kLabels[kIndemnityGroupCount] = {
      "J1. Indemnizatii pentru incapacitate temporara de munca:", "J2. Prevenire imbolnavire:",
      "J3. Sarcina si lauzie:", "J4. Ingrijire copil bolnav:",
      "J5. Indemnizatie de risc maternal:"};
  for (int g = 0; g < kIndemnityGroupCount; ++g) {
    const IndemnityGroup& group = totals.groups[static_cast<size_t>(g)];
    const int top = 1600 + 100 * g;
    const int bottom = top + 100;
    page.push_back(Cell(600, top, 5000, bottom, QLatin1String(kLabels[g])));
    page.push_back(
        Framed(2500, top, 3200, bottom, QString::number(group.cases), TextAlign::Centre));
    page.push_back(
        Framed(3300, top, 4200, bottom, QString::number(group.benefitDays), TextAlign::Centre));
    page.push_back(
        Framed(4300, top, 5200, bottom, QString::number(group.fnuassDays), TextAlign::Centre));
    page.push_back(
        Framed(5300, top, 6200, bottom, FormatInteger(group.fnuassSum), TextAlign::Right));
  }
}

void AddSettlement(PageElements& page, const DeclarationTotals& t) {
  const struct {
    int top;
    const char* label;
    double value;
  } lines[] = {
      {2200,
       "K. Total suma de recuperat de la FNUASS pentru concedii si indemnizatii din "
       "luna/lunile anterioare:",
       t.k},
      {2300,
       "L*). Total suma recuperata de catre angajator din contributia lunii curente (I - J):", t.l},
      {2400, "M. Total suma de virat la FNUASS pentru concedii si indemnizatii (I - J - L):", t.m},
      {2500, "N. Total suma de recuperat de la FNUASS pentru concedii si indemnizatii:", t.n},
  };
  for (const auto& line : lines) {
    AddLabelled(page, line.top, 5200, QLatin1String(line.label), 5300, 6200, Amount(line.value));
  }
}

void AddAddress(PageElements& page, const DeclarationCompany& c) {
  page.push_back(Cell(400, 2600, 5200, 2700, QStringLiteral("O. Adresa angajator:")));
  page.push_back(TextAt(1300, 2600,
                        QStringLiteral("Localitate: ") + c.loc + QStringLiteral(", strada ") +
                            c.str + QStringLiteral(", nr. ") + c.nr + QStringLiteral(", bl. ") +
                            c.bl + QStringLiteral(", sc. ") + c.sc + QStringLiteral(", et. ") +
                            c.et + QStringLiteral(", ap. ") + c.ap + QStringLiteral(", tel.: ") +
                            c.tel));
  page.push_back(TextAt(1300, 2700,
                        QStringLiteral("Judet: ") + CountyName(CountyIndex(c.jud)) +
                            QStringLiteral(", sector: ") + c.sect + QStringLiteral(", e-mail: ") +
                            c.email));
  page.push_back(Cell(400, 2800, 5200, 2900, QStringLiteral("P. Conturi bancare:")));
  page.push_back(TextAt(1300, 2800,
                        QStringLiteral("Banca: ") + c.b1 + QStringLiteral("   Filiala ") + c.f1 +
                            QStringLiteral("   Cont: ") + c.c1));
}

void AddSignature(PageElements& page, const DeclarationCompany& c, const QString& today) {
  page.push_back(TextAt(400, 2900,
                        QStringLiteral("Sub sanctiunile aplicate falsului in acte publice, declar "
                                       "ca am examinat aceasta declaratie si, in conformitate cu "
                                       "informatiile furnizate, o declar corecta si completa."),
                        ReportFont::BodyBold));
  page.push_back(TextAt(400, 3000, QStringLiteral("Numele si prenumele: ") + c.repr));
  page.push_back(TextAt(2400, 3000, QStringLiteral("Data: ") + today));
  page.push_back(TextAt(3700, 3000, QStringLiteral("Numar total de file in Anexa 2 .........")));
  page.push_back(TextAt(400, 3100, QStringLiteral("Functia: reprezentant legal")));
  page.push_back(TextAt(4800, 3100, QStringLiteral("Semnatura si stampila ") + QString(42, u'.')));
  page.push_back(TextAt(500, 3200, QStringLiteral("Declaratia nominala pe suport magnetic")));
  page.push_back(Framed(2000, 3200, 2100, 3300, {}));
  page.push_back(
      TextAt(2200, 3200, QStringLiteral("Declaratia nominala transmisa pe cale electronica")));
  page.push_back(Framed(4000, 3200, 4100, 3300, {}));
  page.push_back(TextAt(4800, 3200, QStringLiteral("Nr. Dischete / CD-ROM ")));
  page.push_back(Framed(5600, 3200, 5900, 3300, {}));
  page.push_back(TextAt(500, 3400, QStringLiteral("Verificat corectitudinea fisierelor")));
  page.push_back(
      TextAt(2200, 3400, QStringLiteral("Nume ") + QString(67, u'.') + QLatin1Char(' ')));
  page.push_back(TextAt(4800, 3400, QStringLiteral("Semnatura ") + QString(67, u'.')));
  page.push_back(Framed(400, 3200, 6500, 3500, {}));
}

}  // namespace

PageElements Anexa1Page(const DeclarationPrintout& printout, const QString& today) {
  PageElements page;
  page.reserve(120);
  AddAnnexHeading(page, printout.company.jud, QStringLiteral("Anexa 1"), printout.totals.stored);
  AddIdentification(page, printout);
  AddContributions(page, printout);
  AddGroups(page, printout.totals);
  AddSettlement(page, printout.totals);
  AddAddress(page, printout.company);
  AddSignature(page, printout.company, today);
  return page;
}
