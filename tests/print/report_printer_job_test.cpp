#include <gtest/gtest.h>

#include "print/print_fixture.h"

namespace {

using Outcome = PrinterChoice::Outcome;

class JobTest : public RecordingPrinterTest {
 protected:
  // Every drawing operation once, as a report would call them.
  void DrawEverything() {
    Printer().SelectFont(ReportFont::Title);
    Printer().TextAt(200, 100, QStringLiteral("text"), TextAlign::Left);
    Printer().CellText(200, 500, 4600, 600, QStringLiteral("cell"), TextAlign::Centre, true, true);
    Printer().BoxText(200, 900, 900, 1100, QStringLiteral("box"), TextAlign::Centre, true);
    Printer().Frame(400, 3200, 6500, 3500);
  }
};

TEST_F(JobTest, BeginJobOutcomes) {
  struct Case {
    const char* name;
    Outcome outcome;
    QSize pixels;
    bool askUser;
    bool begun;
    QStringList messages;
  };
  const QStringList none;
  const QStringList noPrinter{ReportPrinter::NoPrinterMessage()};
  const Case cases[] = {
      {"dialog cancelled", Outcome::Cancelled, QSize(4960, 7016), true, false, none},
      {"no default printer", Outcome::NoPrinter, QSize(4960, 7016), false, false, noPrinter},
      {"no printer behind the dialog", Outcome::NoPrinter, QSize(4960, 7016), true, false,
       noPrinter},
      {"device without a drawing surface", Outcome::Device, QSize(), true, false, noPrinter},
      {"printer chosen", Outcome::Device, QSize(4960, 7016), true, true, none},
      {"default printer", Outcome::Device, QSize(4960, 7016), false, true, none},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Prompts().Clear();
    AnswerWith(c.outcome);
    UseDevice(c.pixels);
    EXPECT_EQ(Printer().BeginJob(PageOrientation::Portrait, c.askUser), c.begun);
    EXPECT_EQ(LastAskUser(), c.askUser);
    EXPECT_EQ(Printer().JobOpen(), c.begun);
    EXPECT_EQ(Prompts().Texts(), c.messages);
    Printer().EndJob();
  }
}

TEST_F(JobTest, DrawingOutsideAnOpenPageLeavesNoTrace) {
  DrawEverything();  // never begun
  Printer().NewPage(kFooterVersion);
  AnswerWith(Outcome::Cancelled);
  ASSERT_FALSE(Printer().BeginJob(PageOrientation::Portrait, true));
  DrawEverything();
  AnswerWith(Outcome::Device);
  ASSERT_TRUE(Printer().BeginJob(PageOrientation::Portrait, true));
  DrawEverything();  // job open, no page yet
  Printer().StartDocument(QStringLiteral("t"));
  Printer().NewPage(kFooterVersion);
  Printer().EndPage();
  DrawEverything();  // between pages
  Printer().EndJob();
  DrawEverything();  // after the job
  Printer().NewPage(kFooterVersion);
  EXPECT_EQ(Record().Texts(), QStringList{kFooterText}) << Record().Dump().toStdString();
  EXPECT_EQ(Record().pagesBegun, 1);
}

TEST_F(JobTest, PagesAreBegunAndEndedOnceEach) {
  ASSERT_TRUE(Printer().BeginJob(PageOrientation::Landscape, true));
  ASSERT_TRUE(Printer().StartDocument(QStringLiteral("12345678_200906_concedii")));
  Printer().NewPage(kFooterVersion);
  Printer().NewPage(kFooterVersion);  // a caller that forgot EndPage
  Printer().EndPage();
  Printer().NewPage(kFooterVersion);
  Printer().EndPage();
  Printer().EndJob();  // after EndPage: no extra page ending
  EXPECT_EQ(Record().title, QStringLiteral("12345678_200906_concedii"));
  EXPECT_EQ(Record().orientation, PageOrientation::Landscape);
  EXPECT_EQ(Record().pagesBegun, 3);
  EXPECT_EQ(Record().pagesEnded, 3);
  EXPECT_TRUE(Record().finished);
  EXPECT_FALSE(Printer().JobOpen());
  EXPECT_TRUE(Prompts().Texts().isEmpty());
}

TEST_F(JobTest, RefusedDocumentIsReportedAndEndsTheJob) {
  RefuseDocuments();
  ASSERT_TRUE(Printer().BeginJob(PageOrientation::Portrait, true));
  EXPECT_FALSE(Printer().StartDocument(QStringLiteral("t")));
  EXPECT_EQ(Prompts().Texts(), QStringList{ReportPrinter::NoPrinterMessage()});
  EXPECT_FALSE(Printer().JobOpen());
  Printer().NewPage(kFooterVersion);
  DrawEverything();
  EXPECT_TRUE(Record().items.empty());
  EXPECT_EQ(Record().pagesBegun, 0);
}

TEST_F(JobTest, NewJobFinishesTheOneLeftOpen) {
  OpenPage();
  ASSERT_TRUE(Printer().BeginJob(PageOrientation::Portrait, true));
  EXPECT_TRUE(Record().finished);
  EXPECT_EQ(Record().pagesEnded, 1);
  EXPECT_EQ(TimesAsked(), 2);
}

TEST(ReportPrinterLifetime, EndsAnOpenJobWhenDestroyed) {
  PrintRecord record;
  {
    ReportPrinter printer(nullptr, RecordingChooser(&record));
    ASSERT_TRUE(printer.BeginJob(PageOrientation::Portrait, false));
    printer.StartDocument(QStringLiteral("t"));
    printer.NewPage(kFooterVersion);
  }
  EXPECT_EQ(record.pagesEnded, 1);
  EXPECT_TRUE(record.finished);
}

}  // namespace
