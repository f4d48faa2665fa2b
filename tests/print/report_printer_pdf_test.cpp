#include <gtest/gtest.h>

#include <QFileInfo>
#include <QRegularExpression>
#include <QSizeF>
#include <QTemporaryDir>
#include <cmath>

#include "print/print_devices.h"
#include "print/print_fixture.h"
#include "support/pdf_reader.h"

namespace {

class PdfTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SKIP_WITHOUT_PDF_READER();
    ASSERT_TRUE(folder_.isValid());
    path_ = folder_.filePath(QStringLiteral("anexa.pdf"));
  }

  bool Begin(PageOrientation orientation) {
    return printer_.BeginJob(orientation, true) &&
           printer_.StartDocument(QStringLiteral("CASAB_12345678_200906_2A"));
  }

  QString PageText(int page) const { return PdfPageText(path_, page); }

  // The value after "<key>:" in pdfinfo's report.
  QString Info(const QString& key) const {
    const QString info = PdfInfo(path_);
    const QRegularExpression line(QStringLiteral("^%1:\\s*(.*)$").arg(key),
                                  QRegularExpression::MultilineOption);
    return line.match(info).captured(1).trimmed();
  }

  // The page in whole points, as pdfinfo reports it ("595 x 842 pts (A4)").
  QSizeF PageSize() const {
    const QRegularExpression size(QStringLiteral("^([\\d.]+) x ([\\d.]+) pts"));
    const QRegularExpressionMatch match = size.match(Info(QStringLiteral("Page size")));
    if (!match.hasMatch()) return {};
    return QSizeF(std::round(match.captured(1).toDouble()),
                  std::round(match.captured(2).toDouble()));
  }

  QTemporaryDir folder_;
  QString path_;
  ScriptedPrompter prompter_;
  ReportPrinter printer_{&prompter_, [this](PageOrientation, bool) {
                           return PrinterChoice::Of(std::make_unique<PdfSurface>(path_));
                         }};
};

TEST_F(PdfTest, TwoPortraitPagesWithTheirTextAndFooters) {
  ASSERT_TRUE(Begin(PageOrientation::Portrait));
  for (int page = 1; page <= 2; ++page) {
    printer_.NewPage(kFooterVersion);
    printer_.SelectFont(ReportFont::Body);
    printer_.TextAt(200, 100, QStringLiteral("SC Ţesătoria Şiretului SRL"), TextAlign::Left);
    printer_.TextAt(4600, 100, QStringLiteral("ANEXA Nr. 2a)"), TextAlign::Right);
    printer_.CellText(200, 1100, 900, 1200, QStringLiteral("Pagina %1").arg(page),
                      TextAlign::Centre, false, true);
    printer_.EndPage();
  }
  printer_.EndJob();
  ASSERT_TRUE(prompter_.Texts().isEmpty()) << prompter_.LastText().toStdString();

  EXPECT_EQ(Info(QStringLiteral("Pages")), QStringLiteral("2"));
  EXPECT_EQ(Info(QStringLiteral("Title")), QStringLiteral("CASAB_12345678_200906_2A"));
  EXPECT_EQ(PageSize(), QSizeF(595, 842));
  for (int page = 1; page <= 2; ++page) {
    SCOPED_TRACE(page);
    const QString text = PageText(page);
    EXPECT_TRUE(text.contains(QStringLiteral("SC Ţesătoria Şiretului SRL"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("ANEXA Nr. 2a)")));
    EXPECT_TRUE(text.contains(QStringLiteral("Pagina %1").arg(page)));
    EXPECT_FALSE(text.contains(QStringLiteral("Pagina %1").arg(3 - page)));
    EXPECT_TRUE(text.contains(kFooterText));
  }
}

// Where poppler finds a word: its box in points from the page's top-left corner.
struct WordBox {
  double xMin = -1, yMin = -1, xMax = -1, yMax = -1;
};

WordBox FindWord(const QString& bboxHtml, const QString& word) {
  const QRegularExpression pattern(
      QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
                     "yMax=\"([\\d.]+)\">%1</word>")
          .arg(QRegularExpression::escape(word)));
  const QRegularExpressionMatch match = pattern.match(bboxHtml);
  if (!match.hasMatch()) return {};
  return {match.captured(1).toDouble(), match.captured(2).toDouble(), match.captured(3).toDouble(),
          match.captured(4).toDouble()};
}

TEST_F(PdfTest, LandscapeFooterEndsAtTheRightOfItsCell) {
  ASSERT_TRUE(Begin(PageOrientation::Landscape));
  printer_.NewPage(kFooterVersion);
  printer_.SelectFont(ReportFont::Body);
  printer_.TextAt(200, 100, QStringLiteral("Casa"), TextAlign::Left);
  printer_.EndJob();

  EXPECT_EQ(PageSize(), QSizeF(842, 595));
  const QString boxes = PdfWordBoxes(path_);
  // 7000 logical units across 841.89 points.
  const double pointsPerUnit = 841.89 / 7000;
  const WordBox version = FindWord(boxes, QStringLiteral("(2009.06.04)"));
  ASSERT_GE(version.xMax, 0) << boxes.toStdString();
  EXPECT_NEAR(version.xMax, 6480 * pointsPerUnit, 1.5);
  EXPECT_GT(version.yMin, 4600 * pointsPerUnit);
  EXPECT_LT(version.yMax, 4800 * pointsPerUnit);
  const WordBox casa = FindWord(boxes, QStringLiteral("Casa"));
  EXPECT_NEAR(casa.xMin, 200 * pointsPerUnit, 1.5);
  EXPECT_GE(casa.yMin, 100 * pointsPerUnit - 0.5);
}

TEST_F(PdfTest, UnwritableFileIsReportedNotPrinted) {
  path_ = folder_.filePath(QStringLiteral("missing-folder/anexa.pdf"));
  ASSERT_TRUE(printer_.BeginJob(PageOrientation::Portrait, true));
  EXPECT_FALSE(printer_.StartDocument(QStringLiteral("t")));
  EXPECT_EQ(prompter_.Texts(), QStringList{ReportPrinter::NoPrinterMessage()});
  EXPECT_FALSE(printer_.JobOpen());
  EXPECT_FALSE(QFileInfo::exists(path_));
}

}  // namespace
