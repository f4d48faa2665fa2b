#include <gtest/gtest.h>

#include <QImage>

#include <QFontMetricsF>

#include "print/print_fixture.h"
#include "print/print_fonts.h"
#include "print/print_ink_bounds.h"
#include "print/print_painter_surface.h"

namespace {

// A page painted into an image, so the ink itself can be examined.
class ImageSurface : public PainterSurface {
 public:
  explicit ImageSurface(QSize portrait) : portrait_(portrait) {}

  bool Open(PageOrientation orientation) override {
    image_ = QImage(orientation == PageOrientation::Landscape ? portrait_.transposed() : portrait_,
                    QImage::Format_RGB32);
    image_.fill(Qt::white);
    return true;
  }
  QSize PixelSize() const override { return image_.size(); }
  const QImage& Image() const { return image_; }

 protected:
  QPaintDevice* Device() override { return &image_; }
  void SetTitle(const QString&) override {}
  bool NextPage() override { return false; }  // one page is enough here

 private:
  QSize portrait_;
  QImage image_;
};

// A4 at 150 dots per inch: fine enough to see glyph edges, small enough to scan quickly.
constexpr int kLong = 1754;

class RenderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(printer_.BeginJob(PageOrientation::Portrait, true));
    ASSERT_TRUE(printer_.StartDocument(QStringLiteral("render")));
    printer_.NewPage(QStringLiteral("2.06 (2009.06.04)"));
    printer_.SelectFont(ReportFont::Body);
  }

  static int Dev(int v) { return v * kLong / 7000; }
  const QImage& Page() const { return surface_->Image(); }

  static bool Inked(QRgb pixel) { return qGray(pixel) < 128; }

  // Columns [x0, x1) and rows [y0, y1) in device pixels: the extremes of the dark pixels.
  struct Ink {
    int left = -1, right = -1, top = -1, bottom = -1;
    bool Any() const { return left >= 0; }
  };
  Ink InkIn(int x0, int y0, int x1, int y1) const {
    Ink ink;
    for (int y = y0; y < y1; ++y) {
      for (int x = x0; x < x1; ++x) {
        if (!Inked(Page().pixel(x, y))) continue;
        if (!ink.Any() || x < ink.left) ink.left = x;
        if (x > ink.right) ink.right = x;
        if (ink.top < 0) ink.top = y;
        ink.bottom = y;
      }
    }
    return ink;
  }
  // Rows of ink separated by blank rows: the lines of text in a box.
  int TextRows(int x0, int y0, int x1, int y1) const {
    int rows = 0;
    bool inRow = false;
    for (int y = y0; y < y1; ++y) {
      const bool inked = InkIn(x0, y, x1, y + 1).Any();
      if (inked && !inRow) ++rows;
      inRow = inked;
    }
    return rows;
  }

  ImageSurface* surface_ = nullptr;
  ReportPrinter printer_{nullptr, [this](PageOrientation, bool) {
                           auto surface = std::make_unique<ImageSurface>(QSize(1240, kLong));
                           surface_ = surface.get();
                           return PrinterChoice::Of(std::move(surface));
                         }};
};

const QString kLongName = QStringLiteral("POPESCU-IONESCU MARIA-MAGDALENA ALEXANDRA");

TEST_F(RenderTest, AlignedTextEndsAtItsAnchor) {
  struct Case {
    TextAlign align;
    int top;
  };
  const Case cases[] = {
      {TextAlign::Left, 1100}, {TextAlign::Centre, 1300}, {TextAlign::Right, 1500}};
  for (const Case& c : cases) {
    printer_.CellText(100, c.top, 4600, c.top + 100, QStringLiteral("12.345.678"), c.align, false,
                      false);
  }
  const Ink left = InkIn(0, Dev(1100), Page().width(), Dev(1200));
  const Ink centre = InkIn(0, Dev(1300), Page().width(), Dev(1400));
  const Ink right = InkIn(0, Dev(1500), Page().width(), Dev(1600));
  ASSERT_TRUE(left.Any() && centre.Any() && right.Any());
  EXPECT_NEAR(left.left, Dev(120), 3);
  EXPECT_NEAR((centre.left + centre.right) / 2, Dev(2350), 3);
  EXPECT_NEAR(right.right, Dev(4580), 3);
  EXPECT_LE(right.right, Dev(4580));
  // The top of the text is 10 units below the top of the cell; digits stand a little lower.
  EXPECT_GE(left.top, Dev(1110));
  EXPECT_LE(left.top, Dev(1110) + Dev(90) / 3);
}

TEST_F(RenderTest, CellTextIsCutAtTheCellEdgeAndBoxTextWraps) {
  printer_.CellText(200, 1100, 900, 1200, kLongName, TextAlign::Left, false, false);
  printer_.BoxText(200, 1300, 900, 1800, kLongName, TextAlign::Left, false);

  const Ink cut = InkIn(0, Dev(1100), Page().width(), Dev(1200));
  ASSERT_TRUE(cut.Any());
  EXPECT_LT(cut.right, Dev(900));
  EXPECT_GE(cut.right, Dev(900) - 4);  // the text runs right up to the edge
  EXPECT_EQ(TextRows(Dev(200), Dev(1100), Dev(900), Dev(1200)), 1);

  const Ink wrapped = InkIn(0, Dev(1300), Page().width(), Dev(1800));
  ASSERT_TRUE(wrapped.Any());
  EXPECT_LT(wrapped.right, Dev(900));
  EXPECT_GE(TextRows(Dev(200), Dev(1300), Dev(900), Dev(1800)), 3);
}

// Names wider than their cell stop at its edge whichever side they are anchored to, and
// the Romanian letters print with their marks: the commas and cedillas below the line and
// the breve and circumflex above the capitals, where their plain letters leave no ink.
TEST_F(RenderTest, RomanianNamesPrintWholeOrCutAtTheCellEdge) {
  const QString kWide = QStringLiteral("ŢUŢEA-BRÂNCUŞI ŞTEFĂNESCU-ÎNŢELEPCIUNE ANA-MARIA");
  struct Case {
    TextAlign align;
    QString text;
    QString plain;  // the same letters without their marks; empty: not compared
  };
  const Case cases[] = {
      {TextAlign::Left, kWide, {}},
      {TextAlign::Centre, kWide, {}},
      {TextAlign::Right, kWide, {}},
      {TextAlign::Left, QStringLiteral("ŞŢşţ"), QStringLiteral("STst")},
      {TextAlign::Left, QStringLiteral("ȘȚșț"), QStringLiteral("STst")},
      {TextAlign::Left, QStringLiteral("ĂÂÎ"), QStringLiteral("AAI")},
  };
  // Each case on a row of its own, the cell 900..1600 with a neighbour on either side.
  int top = 1100;
  for (const Case& c : cases) {
    printer_.CellText(900, top, 1600, top + 100, c.text, c.align, false, false);
    if (!c.plain.isEmpty()) {
      printer_.CellText(2900, top, 3600, top + 100, c.plain, c.align, false, false);
    }
    top += 200;
  }
  top = 1100;
  for (const Case& c : cases) {
    const Ink ink = InkIn(0, Dev(top - 50), Page().width(), Dev(top + 150));
    ASSERT_TRUE(ink.Any()) << c.text.toStdString();
    if (c.plain.isEmpty()) {
      // Within the cell, and running up to the edge on the side away from the anchor.
      EXPECT_GE(ink.left, Dev(900)) << static_cast<int>(c.align);
      EXPECT_LT(ink.right, Dev(1600));
      if (c.align != TextAlign::Left) {
        EXPECT_LE(ink.left, Dev(900) + 4);
      }
      if (c.align != TextAlign::Right) {
        EXPECT_GE(ink.right, Dev(1600) - 4);
      }
    } else {
      const Ink marked = InkIn(Dev(900), Dev(top), Dev(1600), Dev(top + 100));
      const Ink plain = InkIn(Dev(2900), Dev(top), Dev(3600), Dev(top + 100));
      ASSERT_TRUE(plain.Any());
      EXPECT_TRUE(marked.bottom > plain.bottom || marked.top < plain.top) << c.text.toStdString();
      EXPECT_LT(marked.right, Dev(1600));
    }
    top += 200;
  }
}

// The box within which a line may put ink holds the ink Qt's own shaping gives the line,
// whatever the font, anchor or letters: a cell whose text lies inside it draws unclipped.
TEST(InkBounds, HoldTheShapedInkOfTheLine) {
  QImage device(10, 10, QImage::Format_RGB32);
  InkBounds bounds;
  for (const int pixels : {22, 90, 300}) {
    for (const bool heavy : {false, true}) {
      const QFont font = MakeReportFont({QStringLiteral("Times New Roman"), 90, heavy}, pixels);
      const QFontMetricsF metrics(font, &device);
      for (const QString& text :
           {QStringLiteral("ŢUŢEA-BRÂNCUŞI Ştefan"), QStringLiteral("fiffi WAVE Ij"),
            QStringLiteral("1.234.567"), QStringLiteral("ĂÂÎȘȚăâîșț")}) {
        const QRectF ink = metrics.tightBoundingRect(text);
        const qreal width = metrics.horizontalAdvance(text);
        for (const int align : {0, 1, 2}) {
          const qreal x = 1000;
          const qreal start = align == 0 ? x : align == 1 ? x - width / 2 : x - width;
          const QRectF placed = ink.translated(start, 500 + metrics.ascent());
          EXPECT_TRUE(bounds.Of(font, &device, text, align, x, 500).contains(placed))
              << text.toStdString() << " " << pixels << " " << align;
        }
      }
    }
  }
}

TEST_F(RenderTest, ShadingFillsTheCellAndFramesDrawTheOutline) {
  printer_.CellText(1000, 2000, 2000, 2100, QStringLiteral("TOTAL"), TextAlign::Right, true, true);
  const QRgb inside = Page().pixel(Dev(1000) + 4, Dev(2050));
  EXPECT_EQ(qRed(inside), 192);
  EXPECT_EQ(qGreen(inside), 192);
  EXPECT_EQ(qBlue(inside), 192);
  EXPECT_EQ(Page().pixel(Dev(1000) - 5, Dev(2050)), qRgb(255, 255, 255));
  EXPECT_EQ(Page().pixel(Dev(2000) + 5, Dev(2050)), qRgb(255, 255, 255));
  // The outline: every side is inked; the pen is trunc(2 * 0.25) = 0 here, a hairline.
  EXPECT_TRUE(Inked(Page().pixel(Dev(1500), Dev(2000))));
  EXPECT_TRUE(Inked(Page().pixel(Dev(1500), Dev(2100))));
  EXPECT_TRUE(Inked(Page().pixel(Dev(1000), Dev(2050))));
  EXPECT_TRUE(Inked(Page().pixel(Dev(2000), Dev(2050))));
}

}  // namespace
