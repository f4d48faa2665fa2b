#include "print/print_fonts.h"

#include <QFontMetricsF>
#include <QStringList>
#include <algorithm>
#include <cmath>

namespace {

const QString kTimes = QStringLiteral("Times New Roman");
const QString kArial = QStringLiteral("Arial");
const QString kSans = QStringLiteral("MS Sans Serif");

}  // namespace

ReportFontChoice ReportFontChoiceOf(ReportFont font) {
  switch (font) {
    case ReportFont::Body:
      return {kTimes, 90, false};
    case ReportFont::Title:
      return {kTimes, 200, false};
    case ReportFont::Sans:
      return {kSans, 100, false};
    case ReportFont::Arial:
      return {kArial, 130, false};
    case ReportFont::BodyBold:
      return {kTimes, 90, true};
    case ReportFont::Heading:
      return {kTimes, 110, true};
    case ReportFont::Footer:
      return {kTimes, 60, true};
    case ReportFont::ArialBold:
      return {kArial, 130, true};
    case ReportFont::Large:
      return {kTimes, 120, false};
    case ReportFont::Small:
      return {kTimes, 70, false};
    case ReportFont::SmallBold:
      return {kTimes, 70, true};
  }
  return {kTimes, 90, false};
}

void InstallReportFontSubstitutes() {
  static const bool installed = [] {
    const QString serif = QStringLiteral("Liberation Serif");
    const QString sans = QStringLiteral("Liberation Sans");
    QFont::insertSubstitution(kTimes, serif);
    QFont::insertSubstitution(kArial, sans);
    QFont::insertSubstitution(kSans, sans);
    return true;
  }();
  (void)installed;
}

QFont MakeReportFont(const ReportFontChoice& choice, int cellPixels) {
  InstallReportFontSubstitutes();
  QFont font(choice.face);
  font.setWeight(choice.heavy ? QFont::Black : QFont::Normal);
  // Printed pages use outline metrics; hinting and kerning would move text by device.
  font.setHintingPreference(QFont::PreferNoHinting);
  font.setKerning(false);
  constexpr int kProbe = 1000;
  font.setPixelSize(kProbe);
  const QFontMetricsF probe(font);
  const double cell = probe.ascent() + probe.descent();
  const double em = cell > 0 ? cellPixels * kProbe / cell : cellPixels;
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(em))));
  return font;
}
