#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetrics>

#include "print/print_fixture.h"
#include "print/print_fonts.h"

namespace {

class GeometryTest : public RecordingPrinterTest {
 protected:
  // trunc(v * 7016 / 7000): the A4 printer at 600 dots per inch the fixture offers.
  static int Dev(int v) { return static_cast<int>(static_cast<qint64>(v) * 7016 / 7000); }

  const PrintItem& Last() const { return Record().items.back(); }
};

TEST_F(GeometryTest, ScalePenAndBodyFontFollowTheLongSide) {
  struct Case {
    const char* name;
    QSize portrait;
    PageOrientation orientation;
    int pen;
    int bodyPixels;
    int longSide;
    QSize logicalPage;
  };
  const Case cases[] = {
      {"A4 600 dpi portrait", QSize(4960, 7016), PageOrientation::Portrait, 2, 90, 7016,
       QSize(4948, 7000)},
      {"A4 600 dpi landscape", QSize(4960, 7016), PageOrientation::Landscape, 2, 90, 7016,
       QSize(7000, 4948)},
      {"A4 300 dpi", QSize(2480, 3508), PageOrientation::Portrait, 1, 45, 3508, QSize(4948, 7000)},
      {"A4 1200 dpi", QSize(9920, 14032), PageOrientation::Portrait, 4, 180, 14032,
       QSize(4948, 7000)},
      {"A5 600 dpi", QSize(3496, 4960), PageOrientation::Portrait, 1, 63, 4960, QSize(4933, 7000)},
      {"Letter 600 dpi landscape", QSize(4900, 6400), PageOrientation::Landscape, 1, 82, 6400,
       QSize(7000, 5359)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    UseDevice(c.portrait);
    ASSERT_TRUE(Printer().BeginJob(c.orientation, true));
    EXPECT_DOUBLE_EQ(Printer().Scale(), c.longSide / 7000.0);
    EXPECT_EQ(Printer().PenWidth(), c.pen);
    // The whole long side, exactly: a floating scale would lose its last pixel.
    EXPECT_EQ(Printer().ToDevice(7000), c.longSide);
    EXPECT_EQ(Printer().ToDevice(700), c.longSide / 10);
    EXPECT_EQ(QSize(Printer().PageWidth(), Printer().PageHeight()), c.logicalPage);
    const QFontMetrics body(Printer().FontOf(ReportFont::Body));
    EXPECT_NEAR(body.ascent() + body.descent(), c.bodyPixels, 1);
    Printer().EndJob();
  }
}

TEST_F(GeometryTest, ElevenFontsWithTheirFacesHeightsAndWeights) {
  struct Case {
    ReportFont font;
    const char* family;
    int height;
    bool heavy;
  };
  const Case cases[] = {
      {ReportFont::Body, "Liberation Serif", 90, false},
      {ReportFont::Title, "Liberation Serif", 200, false},
      {ReportFont::Sans, "Liberation Sans", 100, false},
      {ReportFont::Arial, "Liberation Sans", 130, false},
      {ReportFont::BodyBold, "Liberation Serif", 90, true},
      {ReportFont::Heading, "Liberation Serif", 110, true},
      {ReportFont::Footer, "Liberation Serif", 60, true},
      {ReportFont::ArialBold, "Liberation Sans", 130, true},
      {ReportFont::Large, "Liberation Serif", 120, false},
      {ReportFont::Small, "Liberation Serif", 70, false},
      {ReportFont::SmallBold, "Liberation Serif", 70, true},
  };
  ASSERT_EQ(std::size(cases), static_cast<size_t>(kReportFontCount));
  ASSERT_TRUE(Printer().BeginJob(PageOrientation::Portrait, true));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.height);
    const QFont& font = Printer().FontOf(c.font);
    const QFontInfo info(font);
    EXPECT_EQ(info.family(), QString::fromLatin1(c.family));
    EXPECT_EQ(info.bold(), c.heavy);
    EXPECT_FALSE(info.italic());
    const QFontMetrics metrics(font);
    EXPECT_NEAR(metrics.ascent() + metrics.descent(), Dev(c.height), 1);
  }
}

TEST_F(GeometryTest, CellTextAnchorsInsideTheCell) {
  struct Case {
    TextAlign align;
    int left, right, originX, originY;
    PrintPoint anchor;
  };
  const Case cases[] = {
      {TextAlign::Left, 100, 4600, 0, 0, {120, 1110}},
      {TextAlign::Centre, 100, 4600, 0, 0, {2350, 1110}},
      {TextAlign::Right, 100, 4600, 0, 0, {4580, 1110}},
      {TextAlign::Right, 100, 4600, 300, 0, {4880, 1110}},
      {TextAlign::Right, 100, 4600, 0, 2000, {4580, 3110}},
      {TextAlign::Left, 100, 4600, -50, 40, {70, 1150}},
      {TextAlign::Centre, 101, 200, 0, 0, {150, 1110}},  // odd width: the half is truncated
  };
  OpenPage();
  for (const Case& c : cases) {
    Printer().originX = c.originX;
    Printer().originY = c.originY;
    Printer().CellText(c.left, 1100, c.right, 1200, QStringLiteral("1.234"), c.align, false, false);
    const PrintItem& item = Last();
    EXPECT_EQ(item.anchor, c.anchor);
    EXPECT_EQ(item.deviceAnchor, (PrintPoint{Dev(c.anchor.x), Dev(c.anchor.y)}));
    EXPECT_EQ(item.cell, (PrintRect{c.left + c.originX, 1100 + c.originY, c.right + c.originX,
                                    1200 + c.originY}));
    ASSERT_EQ(item.lines.size(), 1u);
    EXPECT_EQ(item.lines[0].device, item.deviceAnchor);
  }
}

TEST_F(GeometryTest, TextAtAnchorsAtThePointPlusOrigin) {
  OpenPage();
  Printer().SelectFont(ReportFont::BodyBold);
  Printer().originX = 1000;
  Printer().TextAt(5500, 100, QStringLiteral("Anexa 1"), TextAlign::Right);
  EXPECT_EQ(Last().anchor, (PrintPoint{6500, 100}));
  EXPECT_EQ(Last().deviceAnchor, (PrintPoint{Dev(6500), Dev(100)}));
  EXPECT_EQ(Last().font, ReportFont::BodyBold);
  EXPECT_EQ(Last().align, TextAlign::Right);
}

TEST_F(GeometryTest, FooterOnEveryPageAtTheLowerRight) {
  struct Case {
    PageOrientation orientation;
    PrintRect cell;
    PrintPoint anchor;
  };
  const Case cases[] = {
      {PageOrientation::Portrait, {2500, 6400, 4700, 6600}, {4680, 6410}},
      {PageOrientation::Landscape, {4500, 4600, 6500, 4800}, {6480, 4610}},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(Printer().BeginJob(c.orientation, true));
    Printer().StartDocument(QStringLiteral("t"));
    const size_t first = Record().items.size();
    for (int page = 0; page < 3; ++page) {
      Printer().SelectFont(ReportFont::Title);
      Printer().originX = 700;
      Printer().originY = 900;
      Printer().NewPage(kFooterVersion);
      EXPECT_EQ(Printer().originX, 0);
      EXPECT_EQ(Printer().originY, 0);
      EXPECT_EQ(Printer().CurrentFont(), ReportFont::Footer);
      Printer().TextAt(200, 100, QStringLiteral("body"), TextAlign::Left);
      Printer().EndPage();
    }
    Printer().EndJob();
    std::vector<PrintItem> footers;
    for (size_t i = first; i < Record().items.size(); ++i) {
      if (Record().items[i].text == kFooterText) footers.push_back(Record().items[i]);
    }
    ASSERT_EQ(footers.size(), 3u);
    for (int page = 1; page <= 3; ++page) {
      const PrintItem& footer = footers[static_cast<size_t>(page - 1)];
      EXPECT_EQ(footer.page, page);
      EXPECT_EQ(footer.kind, PrintItem::Kind::Cell);
      EXPECT_EQ(footer.cell, c.cell);
      EXPECT_EQ(footer.anchor, c.anchor);
      EXPECT_EQ(footer.align, TextAlign::Right);
      EXPECT_EQ(footer.font, ReportFont::Footer);
      EXPECT_FALSE(footer.shaded);
      EXPECT_FALSE(footer.framed);
    }
  }
}

TEST_F(GeometryTest, FramesAndShading) {
  OpenPage();
  Printer().originX = 100;
  Printer().CellText(200, 900, 1300, 1000, QStringLiteral("CASAB"), TextAlign::Centre, true, true);
  Printer().CellText(1300, 900, 2000, 1000, QStringLiteral("-"), TextAlign::Centre, false, false);
  Printer().Frame(400, 3200, 6500, 3500);
  const std::vector<PrintItem> frames = Items(PrintItem::Kind::Frame);
  ASSERT_EQ(frames.size(), 2u);
  EXPECT_EQ(frames[0].cell, (PrintRect{300, 900, 1400, 1000}));
  EXPECT_EQ(frames[1].deviceCell, (PrintRect{Dev(500), Dev(3200), Dev(6600), Dev(3500)}));
  const PrintItem* shaded = Record().Find(QStringLiteral("CASAB"));
  ASSERT_NE(shaded, nullptr);
  EXPECT_TRUE(shaded->shaded);
  EXPECT_TRUE(shaded->framed);
  EXPECT_FALSE(Record().Find(QStringLiteral("-"))->shaded);
  EXPECT_EQ(Record().penWidth, 2);
}

TEST_F(GeometryTest, BoxTextBreaksWhereCellTextCuts) {
  const QString head = QStringLiteral(
      "nominala cuprinzand persoanele asigurate pentru care se plateste contributia");
  OpenPage();
  Printer().SelectFont(ReportFont::Body);
  Printer().CellText(900, 900, 1600, 1000, head, TextAlign::Left, false, false);
  Printer().BoxText(900, 900, 1600, 1400, head, TextAlign::Left, true);
  const PrintItem cell = Items(PrintItem::Kind::Cell).back();
  ASSERT_EQ(cell.lines.size(), 1u);
  EXPECT_EQ(cell.lines[0].text, head);

  const PrintItem box = Items(PrintItem::Kind::Box).back();
  ASSERT_GT(box.lines.size(), 2u);
  const QFontMetrics metrics(Printer().FontOf(ReportFont::Body));
  QStringList words;
  for (size_t i = 0; i < box.lines.size(); ++i) {
    const PrintLine& line = box.lines[i];
    EXPECT_LE(metrics.horizontalAdvance(line.text), Dev(1600) - Dev(900)) << i;
    EXPECT_EQ(line.device.x, Dev(900));
    EXPECT_EQ(line.device.y, Dev(900) + static_cast<int>(i) * metrics.height());
    words += line.text.split(QLatin1Char(' '));
  }
  EXPECT_EQ(words.join(QLatin1Char(' ')), head);  // nothing lost or doubled at the breaks
  EXPECT_EQ(Items(PrintItem::Kind::Frame).size(), 1u);
}

TEST_F(GeometryTest, BoxTextKeepsTheTextsOwnLineBreaks) {
  struct Case {
    QString text;
    QStringList lines;
  };
  const Case cases[] = {
      {QStringLiteral("Suma\r\ndatorata"), {QStringLiteral("Suma"), QStringLiteral("datorata")}},
      {QStringLiteral("Categoria de\n\rasigurat **)"),
       {QStringLiteral("Categoria de"), QStringLiteral("asigurat **)")}},
      {QStringLiteral("Casa de\r\nasigurari de\r\nsanatate **)"),
       {QStringLiteral("Casa de"), QStringLiteral("asigurari de"), QStringLiteral("sanatate **)")}},
      {QStringLiteral("CNP"), {QStringLiteral("CNP")}},
  };
  OpenPage();
  Printer().SelectFont(ReportFont::Body);
  for (const Case& c : cases) {
    Printer().BoxText(900, 900, 1700, 1200, c.text, TextAlign::Centre, true);
    const PrintItem box = Items(PrintItem::Kind::Box).back();
    QStringList lines;
    for (const PrintLine& line : box.lines) {
      lines.append(line.text);
      EXPECT_EQ(line.device.x, (Dev(900) + Dev(1700)) / 2);
    }
    EXPECT_EQ(lines, c.lines);
  }
}

TEST_F(GeometryTest, DumpReadsLikeTheLayoutTables) {
  OpenPage();
  Printer().SelectFont(ReportFont::Body);
  Printer().originY = 100;
  Printer().CellText(2800, 1100, 3250, 1200, QStringLiteral("1.234"), TextAlign::Right, false,
                     true);
  const QStringList lines = Record().Dump().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 3);
  EXPECT_EQ(lines[0],
            QStringLiteral("p1 cell 2500,6400-4700,6600 right Footer |") + kFooterText + '|');
  EXPECT_EQ(lines[1], QStringLiteral("p1 cell 2800,1200-3250,1300 right framed Body |1.234|"));
  EXPECT_EQ(lines[2], QStringLiteral("p1 frame 2800,1200-3250,1300"));
}

}  // namespace
