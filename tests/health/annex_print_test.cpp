#include <QFile>
#include <QRegularExpression>

#include "annex_fixture.h"
#include "health/annexes/annex_print.h"
#include "health/annexes/annex_print_pages.h"
#include "print/print_recording.h"
#include "print/report_printer.h"
#include "screens/health/c_print_preview_dialog.h"
#include "support/pdf_reader.h"

namespace {

const QString kFirstFootnoteWithoutPoint = QStringLiteral(
    "*) Se depune lunar la casele de asigurari de sanatate, in termen de 25 de zile de la "
    "expirarea perioadei pentru care se datoreaza contributiile");

class AnnexPrintTest : public AnnexTest {
 protected:
  // A printer that records; `cancel` leaves the print dialog.
  ReportPrinter& Printer() {
    record_ = PrintRecord();
    printer_ = std::make_unique<ReportPrinter>(&prompter(), [this](PageOrientation o, bool ask) {
      ++asked_;
      EXPECT_EQ(o, PageOrientation::Portrait);
      EXPECT_TRUE(ask);
      if (cancel_) return PrinterChoice::Cancelled();
      return PrinterChoice::Of(std::make_unique<RecordingSurface>(&record_));
    });
    return *printer_;
  }

  static AnnexPrintChoices Choices(HouseScope scope, std::optional<PrintedAnnex> annex,
                                   const QString& selected = QStringLiteral("CASAB")) {
    AnnexPrintChoices choices;
    choices.houses.month = kMonth;
    choices.houses.cf = kCui;
    choices.houses.houses = {QStringLiteral("CASAB"), QStringLiteral("CAS_B"),
                             QStringLiteral("CASVL")};
    choices.houses.selectedHouse = selected;
    choices.houses.scope = scope;
    choices.annex = annex;
    return choices;
  }

  // One annex of one house, standalone, into the recorder.
  void PrintOne(PrintedAnnex annex, const QString& cas = QStringLiteral("CASAB")) {
    const AnnexPrintChoices choices = Choices(HouseScope::kSelected, annex, cas);
    ASSERT_EQ(PrintSingleAnnex(client(), prompter(), Printer(), choices, {cas, annex}),
              AnnexPrintOutcome::kPrinted)
        << prompter().LastText();
  }

  // Cells of the page in a column, top to bottom (the column heads excluded).
  QStringList Column(int page, int left, int right, int fromTop = 1100) const {
    QStringList texts;
    for (const PrintItem& item : record_.OnPage(page)) {
      if (item.kind == PrintItem::Kind::Cell && item.cell.left == left &&
          item.cell.right == right && item.cell.top >= fromTop) {
        texts.append(item.text);
      }
    }
    return texts;
  }

  static void AddPeople(int count, const char* cas = "CASVL") {
    for (int i = 0; i < count; ++i) {
      Person(QStringLiteral("1%1").arg(800000000000 + i), cas,
             QStringLiteral("P%1").arg(i, 4, 10, QLatin1Char('0')), QStringLiteral("ION"), "S",
             20050101, 0, QStringLiteral("10"), QStringLiteral("10"));
    }
  }

  PrintRecord record_;
  std::unique_ptr<ReportPrinter> printer_;
  int asked_ = 0;
  bool cancel_ = false;
};

// The house's people in name order, each amount rounded to whole lei as printed, the TOTAL
// the sum of the printed amounts; dates ZZ.LL.AAAA, empty for someone still employed.
TEST_F(AnnexPrintTest, Annex2aRowsAndTotalAsPrinted) {
  PrintOne(PrintedAnnex::k2A);
  EXPECT_EQ(record_.title, QStringLiteral("CASAB_12345674_200907_2A"));
  EXPECT_EQ(record_.pagesBegun, 1);
  EXPECT_TRUE(record_.finished);
  EXPECT_EQ(Column(1, 900, 1600), (QStringList{"BRÂNCUȘI", "MUȚU", "O'NEIL"}));
  EXPECT_EQ(Column(1, 2800, 3250), (QStringList{"31", "56", "0", "87"}));
  EXPECT_EQ(Column(1, 3250, 3700), (QStringList{"31", "31", "0", "62"}));
  EXPECT_EQ(Column(1, 3700, 4150), (QStringList{"01.01.2001", "04.06.2009", "01.01.2008"}));
  EXPECT_EQ(Column(1, 4150, 4600), (QStringList{"15.07.2009", "", ""}));
  const PrintItem* total = record_.Find(QStringLiteral("TOTAL"));
  ASSERT_NE(total, nullptr);
  EXPECT_EQ(total->cell, (PrintRect{2300, 1400, 2800, 1500}));
  const PrintItem* repr = record_.Find(QStringLiteral("D'ANGELO ION VASILE"));
  ASSERT_NE(repr, nullptr);
  EXPECT_EQ(repr->cell, (PrintRect{100, 1600, 4600, 1700}));
}

// Pages of 50 rows, each with its head, column heads, footnotes and footer; the closing
// lines after the last row, or on a page of their own when the rows filled the last page.
TEST_F(AnnexPrintTest, Annex2aPagesOfFiftyRows) {
  struct Case {
    int people;
    std::vector<int> rows;
    int totalPage;
    int totalTop;
  };
  for (const Case& c : {Case{120, {50, 50, 20}, 3, 3100}, Case{50, {50, 0}, 2, 1100}}) {
    Run(QStringLiteral("DELETE FROM asigurati.asigurati WHERE cas='CASVL'"));
    AddPeople(c.people);
    PrintOne(PrintedAnnex::k2A, QStringLiteral("CASVL"));
    const int pages = static_cast<int>(c.rows.size());
    ASSERT_EQ(record_.pagesBegun, pages);
    EXPECT_EQ(record_.pagesEnded, pages);
    for (int page = 1; page <= pages; ++page) {
      const QStringList texts = record_.Texts(page);
      EXPECT_EQ(Column(page, 200, 900).size(), c.rows[static_cast<size_t>(page - 1)]);
      EXPECT_TRUE(texts.contains(QStringLiteral("ANEXA Nr. 2a)")));
      EXPECT_TRUE(texts.contains(QStringLiteral("Categoria de\n\rasigurat **)")));
      EXPECT_TRUE(
          texts.contains(QStringLiteral("de persoane care realizeaza venituri asimilate "
                                        "salariilor.")));
      EXPECT_TRUE(
          texts.contains(ReportPrinter::ProductTitle() + QLatin1Char(' ') + client().Version()));
    }
    const PrintItem* total = record_.Find(QStringLiteral("TOTAL"), c.totalPage);
    ASSERT_NE(total, nullptr) << c.people;
    EXPECT_EQ(total->cell.top, c.totalTop);
    EXPECT_EQ(record_.Find(PrintedLei(10 * c.people), c.totalPage)->cell.left, 2800);
    EXPECT_NE(record_.Find(QStringLiteral("Reprezentant legal,"), c.totalPage), nullptr);
  }
}

// A dependant linked to two insured persons is listed once, with the smaller CNP; 30 rows a
// page; the representative at x 400.
TEST_F(AnnexPrintTest, Annex2bListsEachDependantOnce) {
  PrintOne(PrintedAnnex::k2B);
  // D1 is linked to P2 and P1, D2 to P1 and to P4 of another house: both go with P1.
  EXPECT_EQ(Column(1, 1300, 2000), (QStringList{kD2, kD1}));
  EXPECT_EQ(Column(1, 200, 1300), (QStringList{kP1, kP1}));
  EXPECT_EQ(Column(1, 2000, 3000), (QStringList{"ILIE", "MUȚU"}));
  EXPECT_EQ(Column(1, 4000, 4600), (QStringList{"P", "S"}));
  EXPECT_TRUE(record_.Texts(1).contains(
      QStringLiteral("**) Se va mentiona tipul de co-asigurat (S - sot/sotie, P -  parinti)")));
  EXPECT_EQ(record_.Find(QStringLiteral("Reprezentant legal,"))->cell,
            (PrintRect{400, 1500, 4600, 1600}));

  for (int i = 0; i < 31; ++i) {
    Dependant(QStringLiteral("2%1").arg(900000000000 + i), kP8,
              QStringLiteral("D%1").arg(i, 2, 10, QLatin1Char('0')), QStringLiteral("ANA"), "P");
  }
  PrintOne(PrintedAnnex::k2B, QStringLiteral("CASVL"));
  ASSERT_EQ(record_.pagesBegun, 2);
  EXPECT_EQ(Column(1, 1300, 2000).size(), 30);
  EXPECT_EQ(Column(2, 1300, 2000).size(), 1);
  EXPECT_EQ(record_.Find(QStringLiteral("Reprezentant legal,"), 2)->cell.top, 1400);
}

// The whole 2c page: "-" in the employer cells of house rows, the form's house bold and
// shaded, each house row the sum of its people's printed amounts.
TEST_F(AnnexPrintTest, Annex2cPage) {
  PrintOne(PrintedAnnex::k2C, QStringLiteral("CAS_B"));
  QStringList rows;
  for (const PrintItem& item : record_.OnPage(1)) {
    if (item.cell.top >= 1200 && item.kind == PrintItem::Kind::Cell &&
        item.font != ReportFont::Footer) {
      rows.append(DescribePrintItem(item));
    }
  }
  EXPECT_EQ(rows.join(QLatin1Char('\n')).toStdString(),
            R"(p1 cell 900,1200-1700,1300 centre framed Body |CASAB|
p1 cell 1700,1200-2300,1300 right framed Body |-|
p1 cell 2300,1200-2900,1300 right framed Body |-|
p1 cell 2900,1200-3500,1300 right framed Body |87|
p1 cell 3500,1200-4100,1300 right framed Body |62|
p1 cell 900,1300-1700,1400 centre framed Body |CASVL|
p1 cell 1700,1300-2300,1400 right framed Body |-|
p1 cell 2300,1300-2900,1400 right framed Body |-|
p1 cell 2900,1300-3500,1400 right framed Body |0|
p1 cell 3500,1300-4100,1400 right framed Body |0|
p1 cell 900,1400-1700,1500 centre shaded framed BodyBold |CAS_B|
p1 cell 1700,1400-2300,1500 right shaded framed BodyBold |-|
p1 cell 2300,1400-2900,1500 right shaded framed BodyBold |-|
p1 cell 2900,1400-3500,1500 right shaded framed BodyBold |100|
p1 cell 3500,1400-4100,1500 right shaded framed BodyBold |90|
p1 cell 900,1500-1700,1600 centre framed BodyBold |TOTAL|
p1 cell 1700,1500-2300,1600 right framed BodyBold |121|
p1 cell 2300,1500-2900,1600 right framed BodyBold |100|
p1 cell 2900,1500-3500,1600 right framed BodyBold |187|
p1 cell 3500,1500-4100,1600 right framed BodyBold |152|
p1 cell 400,1800-4600,1900 right Body |Reprezentant legal,|
p1 cell 400,1900-4600,2000 right Body |D'ANGELO ION VASILE|)");
  const QStringList texts = record_.Texts(1);
  EXPECT_TRUE(texts.contains(QStringLiteral("Casa de\r\nasigurari de\r\nsanatate **)")));
  const PrintItem* footnote = record_.Find(kFirstFootnoteWithoutPoint);
  ASSERT_NE(footnote, nullptr);
  EXPECT_EQ(footnote->anchor, (PrintPoint{200, 6400}));
  EXPECT_EQ(footnote->font, ReportFont::Small);
  const PrintItem* second = record_.Find(QStringLiteral(
      "**) Se vor inscrie toate casele de asigurari alese in mod liber de salariati."));
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(second->anchor, (PrintPoint{200, 6500}));
}

// A 2c with more houses than one page holds (codes outside the 44, from old data) goes on
// over a new page with the head; the closing lines follow the TOTAL row, on a page of their
// own when the rows filled the last one (below them the name would meet the footer).
TEST_F(AnnexPrintTest, Annex2cContinuesOnANewPage) {
  struct Case {
    int houses;  // besides the fixture's three
    std::vector<int> rows;
    int reprTop;  // on the last page
  };
  for (const Case& c : {Case{44, {48}, 6200}, Case{45, {49, 0}, 1400}, Case{57, {49, 12}, 2600}}) {
    Run(QStringLiteral("DELETE FROM asigurati.asigurati WHERE cas LIKE 'X%'"));
    for (int i = 0; i < c.houses; ++i) {
      const QString code = QStringLiteral("X%1").arg(i, 2, 10, QLatin1Char('0'));
      Person(QStringLiteral("1%1").arg(700000000000 + i), code.toLatin1().constData(),
             QStringLiteral("N"), QStringLiteral("P"), "S", 20050101, 0, QStringLiteral("1"),
             QStringLiteral("1"));
    }
    PrintOne(PrintedAnnex::k2C);
    const int pages = static_cast<int>(c.rows.size());
    ASSERT_EQ(record_.pagesBegun, pages) << c.houses;
    int rowsPage = 0;
    for (int page = 1; page <= pages; ++page) {
      const int rows = c.rows[static_cast<size_t>(page - 1)];
      EXPECT_EQ(Column(page, 900, 1700, 1200).size(), rows) << c.houses << " " << page;
      EXPECT_TRUE(record_.Texts(page).contains(QStringLiteral("ANEXA Nr. 2c)")));
      EXPECT_NE(record_.Find(kFirstFootnoteWithoutPoint, page), nullptr);
      if (rows > 0) rowsPage = page;
    }
    const QStringList owed = Column(rowsPage, 2900, 3500, 1200);
    EXPECT_EQ(owed.back(), PrintedLei(87 + 100 + c.houses)) << c.houses;
    EXPECT_EQ(Column(rowsPage, 900, 1700, 1200).back(), QStringLiteral("TOTAL"));
    const PrintItem* repr = record_.Find(QStringLiteral("D'ANGELO ION VASILE"), pages);
    ASSERT_NE(repr, nullptr) << c.houses;
    EXPECT_EQ(repr->cell.top, c.reprTop + 100) << c.houses;
    // The name stays above the footnotes.
    EXPECT_LE(repr->cell.bottom, record_.Find(kFirstFootnoteWithoutPoint, pages)->anchor.y);
  }
}

// The preview prints the rows it shows: what changes in the register after the list was
// filled does not reach the paper.
TEST_F(AnnexPrintTest, PreviewPrintsTheRowsOfItsList) {
  const AnnexPrintChoices choices = Choices(HouseScope::kSelected, PrintedAnnex::k2A);
  CPrintPreviewDialog form(nullptr, client(), prompter(), Printer(), choices.houses,
                           {QStringLiteral("CASAB"), PrintedAnnex::k2A}, true);
  ASSERT_TRUE(form.FillList());
  Run(QStringLiteral("DELETE FROM asigurati.sume"));
  Run(QStringLiteral("UPDATE asigurati.asigurati SET nume='ALTUL'"));
  ASSERT_EQ(form.Print(), AnnexPrintOutcome::kPrinted);
  EXPECT_EQ(Column(1, 900, 1600), (QStringList{"BRÂNCUȘI", "MUȚU", "O'NEIL"}));
  EXPECT_EQ(Column(1, 2800, 3250), (QStringList{"31", "56", "0", "87"}));
}

// A list query that fails: the server's message, no preview and nothing printed for one
// annex; in a job of several, the job is closed with the annexes printed before it; no PDF.
TEST_F(AnnexPrintTest, FailingListQueryStopsThePrint) {
  struct Case {
    const char* table;
    std::optional<PrintedAnnex> annex;
    bool started;
    int pages;
  };
  const Case cases[] = {
      {"sume", PrintedAnnex::k2A, false, 0},
      {"coasigurati", PrintedAnnex::k2B, false, 0},
      {"coasigurati", std::nullopt, true, 1},  // 2a printed, 2b failed, 2c never read
  };
  const auto preview = [this](const PlannedAnnex& planned) {
    EXPECT_EQ(CPrintPreviewDialog::Open(nullptr, client(), prompter(), *printer_,
                                        Choices(HouseScope::kSelected, planned.annex).houses,
                                        planned, true),
              AnnexPrintOutcome::kStopped);
  };
  for (const Case& c : cases) {
    const QString table = QStringLiteral("asigurati.") + QLatin1String(c.table);
    Run(QStringLiteral("RENAME TABLE %1 TO %1_away").arg(table));
    prompter().Clear();
    asked_ = 0;
    const AnnexPrintChoices choices = Choices(HouseScope::kSelected, c.annex);
    (void)PrintAnnexes(client(), prompter(), Printer(), choices, preview);
    ASSERT_EQ(prompter().Texts().size(), 1u) << c.table;
    EXPECT_TRUE(prompter().LastText().startsWith(QStringLiteral("EROARE Mysql:")));
    EXPECT_EQ(record_.started, c.started) << c.table;
    EXPECT_EQ(record_.finished, c.started);
    EXPECT_EQ(record_.pagesBegun, c.pages);
    EXPECT_EQ(record_.pagesEnded, c.pages);
    EXPECT_EQ(asked_, c.started ? 1 : 0);

    prompter().Clear();
    prompter().QueueFolder(dir_.path());
    EXPECT_EQ(SaveAnnexesPdf(client(), prompter(), choices).outcome, AnnexPrintOutcome::kStopped);
    EXPECT_EQ(prompter().Texts().size(), 1u);
    EXPECT_TRUE(FilesIn(dir_.path()).isEmpty());
    Run(QStringLiteral("RENAME TABLE %1_away TO %1").arg(table));
  }
}

// All houses and all annexes: one job under its own title, the annexes house by house in
// order, closed once; one annex waits for the preview form and prints nothing before it.
TEST_F(AnnexPrintTest, CommandPrintsSeveralAnnexesInOneJob) {
  std::vector<QString> previewed;
  const auto preview = [&](const PlannedAnnex& planned) { previewed.push_back(planned.cas); };
  ASSERT_EQ(PrintAnnexes(client(), prompter(), Printer(), Choices(HouseScope::kAll, std::nullopt),
                         preview),
            AnnexPrintOutcome::kPrinted);
  EXPECT_EQ(asked_, 1);
  EXPECT_EQ(record_.title, annex_print_texts::kJobTitle);
  EXPECT_TRUE(record_.finished);
  EXPECT_EQ(record_.pagesBegun, 9);
  EXPECT_EQ(record_.pagesEnded, 9);
  QStringList order;
  for (const PrintItem& item : record_.items) {
    if (item.cell.top == 100 && item.align == TextAlign::Right) order.append(item.text);
    if (item.text.startsWith(QStringLiteral("Casa de Asigurari: ")))
      order.append(item.text.mid(19));
  }
  EXPECT_EQ(order.join(QLatin1Char(' ')),
            QStringLiteral("CASAB ANEXA Nr. 2a) CASAB ANEXA Nr. 2b) CASAB ANEXA Nr. 2c) "
                           "CAS_B ANEXA Nr. 2a) CAS_B ANEXA Nr. 2b) CAS_B ANEXA Nr. 2c) "
                           "CASVL ANEXA Nr. 2a) CASVL ANEXA Nr. 2b) CASVL ANEXA Nr. 2c)"));
  // Each house's 2c shades its own row.
  EXPECT_EQ(record_.Find(QStringLiteral("CAS_B"), 6)->shaded, true);
  EXPECT_EQ(record_.Find(QStringLiteral("CASAB"), 6)->shaded, false);
  EXPECT_TRUE(previewed.empty());

  record_ = PrintRecord();
  ASSERT_EQ(PrintAnnexes(client(), prompter(), Printer(),
                         Choices(HouseScope::kSelected, PrintedAnnex::k2B), preview),
            AnnexPrintOutcome::kPrinted);
  EXPECT_EQ(previewed, std::vector<QString>{QStringLiteral("CASAB")});
  EXPECT_FALSE(record_.started);
  EXPECT_TRUE(prompter().Texts().isEmpty()) << prompter().LastText();
}

// Refusals before any job opens, a cancelled dialog silently, a missing company row after
// the job opened: the job is closed with what was printed.
TEST_F(AnnexPrintTest, CommandRefusesAndStops) {
  struct Case {
    AnnexPrintChoices choices;
    QString message;
  };
  AnnexPrintChoices noCompany = Choices(HouseScope::kAll, PrintedAnnex::k2A);
  noCompany.houses.cf.clear();
  AnnexPrintChoices noHouses = Choices(HouseScope::kAll, std::nullopt);
  noHouses.houses.houses.clear();
  const Case cases[] = {
      {Choices(HouseScope::kSelected, PrintedAnnex::k2A, QString()), annex_print_texts::kNoHouse},
      {Choices(HouseScope::kSelected, std::nullopt, QString()), annex_print_texts::kNoHouse},
      {noCompany, annex_print_texts::kNoCompany},
      {noHouses, save_texts::kNoInsured},
  };
  const auto preview = [](const PlannedAnnex&) { ADD_FAILURE() << "no preview expected"; };
  for (const Case& c : cases) {
    prompter().Clear();
    EXPECT_EQ(PrintAnnexes(client(), prompter(), Printer(), c.choices, preview),
              AnnexPrintOutcome::kStopped);
    EXPECT_EQ(prompter().Texts(), QStringList{c.message});
    EXPECT_EQ(asked_, 0);
    prompter().Clear();
    EXPECT_EQ(SaveAnnexesPdf(client(), prompter(), c.choices).outcome, AnnexPrintOutcome::kStopped);
    EXPECT_EQ(prompter().Texts(), QStringList{c.message});
  }

  cancel_ = true;
  prompter().Clear();
  EXPECT_EQ(PrintAnnexes(client(), prompter(), Printer(), Choices(HouseScope::kAll, std::nullopt),
                         preview),
            AnnexPrintOutcome::kCancelled);
  EXPECT_TRUE(prompter().Texts().isEmpty());
  cancel_ = false;

  Run(QStringLiteral("DELETE FROM asigurati.societati"));
  EXPECT_EQ(PrintAnnexes(client(), prompter(), Printer(), Choices(HouseScope::kAll, std::nullopt),
                         preview),
            AnnexPrintOutcome::kStopped);
  EXPECT_EQ(prompter().Texts(), QStringList{QStringLiteral("Eroare #1234")});
  EXPECT_TRUE(record_.started);
  EXPECT_TRUE(record_.finished);
  EXPECT_EQ(record_.pagesBegun, 0);
}

// "Salveaza ca PDF": one real file named after the choices; an older file stays whole when
// an annex fails.
TEST_F(AnnexPrintTest, SavesThePagesAsPdf) {
  SKIP_WITHOUT_PDF_READER();
  prompter().QueueFolder(dir_.path());
  ASSERT_EQ(
      SaveAnnexesPdf(client(), prompter(), Choices(HouseScope::kSelected, std::nullopt)).outcome,
      AnnexPrintOutcome::kPrinted);
  EXPECT_TRUE(prompter().Texts().isEmpty()) << prompter().LastText();
  const QString path = dir_.filePath(QStringLiteral("CASAB_12345674_200907_ANEXE.pdf"));
  EXPECT_EQ(FilesIn(dir_.path()), QStringList{QStringLiteral("CASAB_12345674_200907_ANEXE.pdf")});
  const QString info = PdfInfo(path);
  EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+3\\n")))) << info;
  const QString text = PdfText(path);
  for (const char* expected : {"ANEXA Nr. 2a)", "ANEXA Nr. 2c)", "TOTAL", "MUȚU", "Ștefan"}) {
    EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected << "\n" << text;
  }

  const QByteArray before = [&] {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }();
  Run(QStringLiteral("DELETE FROM asigurati.societati"));
  prompter().QueueFolder(dir_.path());
  EXPECT_EQ(
      SaveAnnexesPdf(client(), prompter(), Choices(HouseScope::kSelected, std::nullopt)).outcome,
      AnnexPrintOutcome::kStopped);
  EXPECT_EQ(prompter().Texts(), QStringList{QStringLiteral("Eroare #1234")});
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), before);
  EXPECT_EQ(FilesIn(dir_.path()).size(), 1);
}

// The file names of the choices.
TEST(AnnexPdfName, NamesFollowTheChoices) {
  struct Case {
    HouseScope scope;
    std::optional<PrintedAnnex> annex;
    const char* name;
  };
  for (const Case& c :
       {Case{HouseScope::kSelected, PrintedAnnex::k2A, "CASAB_12345674_200906_2A.pdf"},
        Case{HouseScope::kSelected, std::nullopt, "CASAB_12345674_200906_ANEXE.pdf"},
        Case{HouseScope::kAll, PrintedAnnex::k2C, "TOATE_12345674_200906_2C.pdf"},
        Case{HouseScope::kAll, std::nullopt, "TOATE_12345674_200906_ANEXE.pdf"}}) {
    AnnexPrintChoices choices;
    choices.houses.month = QStringLiteral("200906");
    choices.houses.cf = QStringLiteral("12345674");
    choices.houses.scope = c.scope;
    choices.annex = c.annex;
    EXPECT_EQ(AnnexPdfName(choices, QStringLiteral("CASAB")), QLatin1String(c.name));
  }
}

}  // namespace
