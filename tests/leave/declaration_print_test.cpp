#include <QSet>
#include <algorithm>

#include "common/dates.h"
#include "declaration_fixture.h"
#include "leave/output/declaration_print.h"
#include "print/print_recording.h"
#include "print/report_printer.h"

namespace {

class DeclarationPrintTest : public DeclarationTest {
 protected:
  PrintOutcome Print(std::optional<qint64> selected) {
    record_ = PrintRecord();
    ReportPrinter printer(&prompter(), [this](PageOrientation orientation, bool askUser) {
      ++asked_;
      EXPECT_EQ(orientation, PageOrientation::Landscape);
      EXPECT_TRUE(askUser);
      if (cancel_) return PrinterChoice::Cancelled();
      return PrinterChoice::Of(std::make_unique<RecordingSurface>(&record_));
    });
    return PrintDeclaration(client(), prompter(), printer, selected);
  }

  // The page's items as the recorder describes them, one per line.
  QSet<QString> Lines(int page) const {
    QSet<QString> lines;
    for (const PrintItem& item : record_.OnPage(page)) lines.insert(DescribePrintItem(item));
    return lines;
  }

  // Certificate rows on the page: the cells of the running number.
  int RowsOn(int page) const {
    int rows = 0;
    for (const PrintItem& item : record_.OnPage(page)) {
      if (item.kind == PrintItem::Kind::Cell && item.cell.left == 200 && item.cell.right == 400 &&
          item.cell.top >= 1000) {
        ++rows;
      }
    }
    return rows;
  }

  PrintRecord record_;
  int asked_ = 0;
  bool cancel_ = false;
};

// Every figure, label and text form of Anexa 1 where the official form has it.
TEST_F(DeclarationPrintTest, Anexa1PutsEachFigureInItsCell) {
  const qint64 initial = AddDeclaration(0);
  AddEntries(initial,
             {{"", "MUŢU", "Ştefan", "1800101221144", "CASCJ", "CCMAA", "12", 1, 10, "300"},
              {"", "ALBU", "ANA", "2800404221145", "CASCJ", "CCMAB", "13", 8, 8, "1200.75"}});
  ASSERT_EQ(Print(initial), PrintOutcome::kPrinted);
  EXPECT_TRUE(prompter().Texts().isEmpty()) << prompter().LastText().toStdString();
  EXPECT_EQ(record_.title, QStringLiteral("12345674_200906_concedii"));

  // I = 255 + 9 = 264; J = 300 + 1200.75; I < J, so N = J + K - I.
  const QString expected[] = {
      "p1 text 200,100 left Body |Casa de Asigurari de Sanatate CJ|",
      "p1 text 5500,100 left Body |Anexa 1|",
      "p1 cell 200,200-6600,300 centre Body |DECLARATIE    initiala |",
      "p1 cell 200,400-6600,500 centre Body |pentru concedii si indemnizatii pentru luna 06, "
      "anul 2009|",
      "p1 cell 1800,700-4000,800 left framed Body |SC ŢESĂTORIA D'ARCY\\ SRL|",
      "p1 cell 4500,700-5200,800 right Body |B. CUI (cod fiscal):|",
      "p1 cell 5300,700-6200,800 right framed Body |12345674|",
      "p1 cell 1800,800-4000,900 left framed Body |J12/345/2001|",
      "p1 cell 5300,800-6200,900 right framed Body |5|",
      "p1 cell 2300,900-3200,1000 right framed Body |100000|",
      "p1 cell 5300,900-6200,1000 right framed Body |255|",
      "p1 cell 2300,1000-3200,1100 right framed Body |1.234.567|",
      "p1 cell 5300,1100-6200,1200 right framed Body |9|",
      "p1 cell 3300,1200-4200,1300 right framed Body |264|",
      "p1 cell 3300,1300-4200,1400 right framed Body |1.500|",
      "p1 box 4300,1400-5200,1600 centre Body |Total zile de prestatii din FNUASS|",
      "p1 cell 600,1600-5000,1700 left Body |J1. Indemnizatii pentru incapacitate temporara "
      "de munca:|",
      "p1 cell 2500,1600-3200,1700 centre framed Body |1|",
      "p1 cell 3300,1600-4200,1700 centre framed Body |10|",
      "p1 cell 4300,1600-5200,1700 centre framed Body |5|",
      "p1 cell 5300,1600-6200,1700 right framed Body |300|",
      "p1 cell 2500,1700-3200,1800 centre framed Body |0|",
      "p1 cell 4300,1800-5200,1900 centre framed Body |4|",
      "p1 cell 5300,1800-6200,1900 right framed Body |1200|",
      "p1 cell 5300,2200-6200,2300 right framed Body |20|",
      "p1 cell 5300,2300-6200,2400 right framed Body |0|",
      "p1 cell 5300,2400-6200,2500 right framed Body |0|",
      "p1 cell 5300,2500-6200,2600 right framed Body |1.256|",
      "p1 text 1300,2600 left Body |Localitate: Cluj-Napoca, strada Horea, nr. 7, bl. A1, sc. "
      "2, et. 3, ap. 14, tel.: 0264123456|",
      "p1 text 1300,2700 left Body |Judet: Cluj, sector: 0, e-mail: office@tesatoria.ro|",
      "p1 text 1300,2800 left Body |Banca: BCR   Filiala Cluj   Cont: "
      "RO49AAAA1B31007593840000|",
      "p1 text 400,2900 left BodyBold |Sub sanctiunile aplicate falsului in acte publice, "
      "declar ca am examinat aceasta declaratie si, in conformitate cu informatiile furnizate, "
      "o declar corecta si completa.|",
      "p1 text 400,3000 left Body |Numele si prenumele: POPESCU ION|",
      "p1 text 2400,3000 left Body |Data: " + TodayText() + "|",
      "p1 text 4800,3100 left Body |Semnatura si stampila " + QString(42, u'.') + "|",
      "p1 cell 5600,3200-5900,3300 left framed Body ||",
      "p1 text 2200,3400 left Body |Nume " + QString(67, u'.') + " |",
      "p1 cell 400,3200-6500,3500 left framed Body ||",
      "p1 cell 4500,4600-6500,4800 right Footer |Velka Asigurati " + client().Version() + "|",
  };
  const QSet<QString> page = Lines(1);
  for (const QString& line : expected) {
    EXPECT_TRUE(page.contains(line)) << line.toStdString() << "\n" << record_.Dump().toStdString();
  }
}

// Anexa 2 continues on as many pages as its rows need and never adds an empty one.
TEST_F(DeclarationPrintTest, Anexa2TakesThirtySixRowsAPage) {
  const struct {
    int certificates;
    int pages;
  } cases[] = {{0, 1}, {1, 2}, {36, 2}, {37, 3}, {72, 3}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.certificates);
    Run(QStringLiteral("TRUNCATE TABLE concedii.declaratii"));
    Run(QStringLiteral("TRUNCATE TABLE concedii.concedii"));
    const qint64 initial = AddDeclaration(0);
    AddNumberedEntries(initial, c.certificates);
    ASSERT_EQ(Print(initial), PrintOutcome::kPrinted);
    EXPECT_EQ(record_.pagesBegun, c.pages);
    EXPECT_EQ(record_.pagesEnded, c.pages);
    EXPECT_TRUE(record_.finished);
    for (int page = 2; page <= c.pages; ++page) {
      EXPECT_EQ(RowsOn(page), std::min(36, c.certificates - (page - 2) * 36));
      const QSet<QString> lines = Lines(page);
      EXPECT_TRUE(
          lines.contains("p" + QString::number(page) + " text 5500,100 left Body |Anexa 2|"));
      EXPECT_TRUE(lines.contains("p" + QString::number(page) +
                                 " cell 5500,900-6150,1000 centre framed Body |initial|"));
      // The page's first row carries the running number k and the page's first name.
      const int k = (page - 2) * 36 + 1;
      const QString p = "p" + QString::number(page);
      EXPECT_TRUE(lines.contains(p + " cell 200,1000-400,1100 centre framed Body |" +
                                 QString::number(k) + "|"));
      EXPECT_TRUE(lines.contains(p + QStringLiteral(" cell 600,1000-1500,1100 left framed Body "
                                                    "|P%1 ION|")
                                         .arg(k, 4, 10, QLatin1Char('0'))));
    }
    if (c.certificates > 0) {
      const int lastRowTop = 1000 + 100 * ((c.certificates - 1) % 36);
      const QString p = "p" + QString::number(c.pages);
      EXPECT_TRUE(
          Lines(c.pages).contains(p + QStringLiteral(" cell 200,%1-400,%2 centre framed Body |%3|")
                                          .arg(lastRowTop)
                                          .arg(lastRowTop + 100)
                                          .arg(c.certificates)));
    }
  }
}

// One row as printed: the house in two letters, the amount grouped, the certificates small.
TEST_F(DeclarationPrintTest, Anexa2RowShowsEachColumn) {
  const qint64 initial = AddDeclaration(0);
  AddEntries(initial, {{"", "MUŢU", "Ştefan", "1800101221144", "CASCJ", "CCMAA", "12", 1, 10,
                        "12345.5", "CCMZZ", "7"}});
  ASSERT_EQ(Print(initial), PrintOutcome::kPrinted);
  const QString row = "p2 cell %1,1000-%2,1100 %3 framed %4 |%5|";
  const QStringList expected = {
      row.arg(200).arg(400).arg("centre", "Body", "1"),
      row.arg(400).arg(600).arg("centre", "Body", ""),
      row.arg(600).arg(1500).arg("left", "Body", "MUŢU Ştefan"),
      row.arg(1500).arg(2100).arg("centre", "Body", "1800101221144"),
      row.arg(2100).arg(2300).arg("centre", "Body", "CJ"),
      row.arg(2300).arg(2650).arg("centre", "Body", "22"),
      row.arg(2650).arg(2950).arg("centre", "Body", "20"),
      row.arg(2950).arg(3300).arg("centre", "Body", "10"),
      row.arg(3300).arg(3750).arg("centre", "Body", "5"),
      row.arg(3750).arg(4550).arg("right", "Body", "12.345,5"),
      row.arg(4550).arg(4850).arg("centre", "Body", "1"),
      row.arg(4850).arg(5500).arg("centre", "Small", "CCMAA 12"),
      row.arg(5500).arg(6150).arg("centre", "Small", "CCMZZ 7"),
      row.arg(6150).arg(6450).arg("centre", "Body", "1"),
      row.arg(6450).arg(6750).arg("centre", "Body", "2"),
  };
  const QSet<QString> lines = Lines(2);
  for (const QString& line : expected) {
    EXPECT_TRUE(lines.contains(line)) << line.toStdString() << "\n" << record_.Dump().toStdString();
  }
  EXPECT_TRUE(lines.contains(QStringLiteral(
      "p2 text 200,600 left Body |Denumire angajator: SC ŢESĂTORIA D'ARCY\\ SRL  CUI: 12345674|")));
}

// A rectification lists its own entries, while J and its groups replay the whole month.
TEST_F(DeclarationPrintTest, RectificationListsItsEntriesAndReplaysTheMonth) {
  const qint64 initial = AddDeclaration(0);
  const qint64 first = AddDeclaration(1);
  const qint64 second = AddDeclaration(2, 100, 0, 20);
  AddEntries(initial, {{"", "POP", "ION", "1800101221144", "CASCJ", "CCMAA", "12", 1, 10, "300"},
                       {"", "ALBU", "ANA", "2800404221145", "CASCJ", "CCMAB", "13", 8, 8, "200"}});
  AddEntries(first, {{"M", "POP", "ION", "1800101221144", "CASCJ", "CCMAA", "12", 1, 6, "100"}});
  AddEntries(second, {{"S", "ALBU", "ANA", "2800404221145", "CASCJ", "CCMAB", "13", 8, 0, "0"},
                      {"A", "COSTIN", "DAN", "1900202221146", "CASCJ", "CCMAC", "14", 9, 4, "50"}});
  ASSERT_EQ(Print(second), PrintOutcome::kPrinted);
  EXPECT_EQ(record_.pagesBegun, 2);
  const QSet<QString> anexa1 = Lines(1);
  for (const char* line : {
           "p1 cell 200,200-6600,300 centre Body |DECLARATIE    rectificativa 2|",
           "p1 cell 3300,1200-4200,1300 right framed Body |100|",
           "p1 cell 3300,1300-4200,1400 right framed Body |150|",
           "p1 cell 2500,1600-3200,1700 centre framed Body |1|",
           "p1 cell 5300,1600-6200,1700 right framed Body |100|",
           "p1 cell 2500,1800-3200,1900 centre framed Body |0|",
           "p1 cell 3300,1900-4200,2000 centre framed Body |4|",
           "p1 cell 5300,1900-6200,2000 right framed Body |50|",
           // I 100, J 150, K 20: nothing recovered or paid this month, 70 to recover.
           "p1 cell 5300,2200-6200,2300 right framed Body |20|",
           "p1 cell 5300,2300-6200,2400 right framed Body |0|",
           "p1 cell 5300,2400-6200,2500 right framed Body |0|",
           "p1 cell 5300,2500-6200,2600 right framed Body |70|",
       }) {
    EXPECT_TRUE(anexa1.contains(QString::fromUtf8(line))) << line;
  }
  const QSet<QString> anexa2 = Lines(2);
  EXPECT_TRUE(anexa2.contains("p2 cell 600,1000-1500,1100 left framed Body |ALBU ANA|"));
  EXPECT_TRUE(anexa2.contains("p2 cell 400,1000-600,1100 centre framed Body |S|"));
  EXPECT_TRUE(anexa2.contains("p2 cell 600,1100-1500,1200 left framed Body |COSTIN DAN|"));
  EXPECT_FALSE(record_.Find(QStringLiteral("POP ION")));
  EXPECT_EQ(RowsOn(2), 2);
}

// Refusals come in the order of the preparation; none of them reaches the printer.
TEST_F(DeclarationPrintTest, RefusalsInOrderAndNothingPrinted) {
  const QString dbError = QStringLiteral("EROARE Mysql:");
  const struct {
    const char* name;
    bool selected;
    bool declaration;
    const char* company;  // "row", "none", "no county"
    bool certificatesReadable;
    QString message;
  } cases[] = {
      {"nothing selected", false, false, "none", true, print_texts::kNotSelected},
      {"declaration gone", true, false, "none", true, source_texts::kNoDeclaration},
      {"month unreadable", true, true, "none", false, dbError},
      {"company gone", true, true, "none", true, source_texts::kNoCompany},
      {"no county", true, true, "no county", true, print_texts::kNoCounty},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    SetUp();
    asked_ = 0;
    qint64 index = 999;
    if (c.declaration) {
      index = AddDeclaration(0);
      AddNumberedEntries(index, 3);
    }
    Run(QStringLiteral("DELETE FROM asigurati.societati"));
    if (QLatin1String(c.company) == QLatin1String("no county")) AddCompanyRow(QString());
    if (!c.certificatesReadable) {
      Run(QStringLiteral("RENAME TABLE concedii.concedii TO concedii.concedii_old"));
    }
    const PrintOutcome outcome = Print(c.selected ? std::optional<qint64>(index) : std::nullopt);
    const QStringList shown = prompter().Texts();
    if (!c.certificatesReadable) {
      Run(QStringLiteral("RENAME TABLE concedii.concedii_old TO concedii.concedii"));
    }
    EXPECT_EQ(outcome, PrintOutcome::kStopped);
    ASSERT_EQ(shown.size(), 1) << shown.join(u'|').toStdString();
    EXPECT_TRUE(shown.front().startsWith(c.message)) << shown.front().toStdString();
    EXPECT_EQ(asked_, 0);
    EXPECT_TRUE(record_.items.empty());
  }
}

TEST_F(DeclarationPrintTest, CancelledDialogPrintsNothingSilently) {
  cancel_ = true;
  EXPECT_EQ(Print(AddDeclaration(0)), PrintOutcome::kCancelled);
  EXPECT_EQ(asked_, 1);
  EXPECT_TRUE(prompter().Texts().isEmpty());
  EXPECT_FALSE(record_.started);
}

}  // namespace
