#include "print/print_layout.h"

#include <QFontMetrics>
#include <QTextLayout>
#include <QTextOption>

namespace {

QStringList Paragraphs(QString text) {
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return text.split(QLatin1Char('\n'));
}

QString WithoutTrailingSpaces(QString line) {
  while (!line.isEmpty() && line.back().isSpace()) line.chop(1);
  return line;
}

void BreakParagraph(const QString& paragraph, const QFont& font, int widthPixels,
                    QStringList& lines) {
  if (paragraph.isEmpty()) {
    lines.append(QString());
    return;
  }
  QTextLayout layout(paragraph, font);
  QTextOption option;
  option.setWrapMode(QTextOption::WordWrap);
  layout.setTextOption(option);
  layout.beginLayout();
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(widthPixels);
    lines.append(WithoutTrailingSpaces(paragraph.mid(line.textStart(), line.textLength())));
  }
  layout.endLayout();
}

}  // namespace

QStringList BreakIntoLines(const QString& text, const QFont& font, int widthPixels) {
  QStringList lines;
  for (const QString& paragraph : Paragraphs(text)) {
    BreakParagraph(paragraph, font, widthPixels, lines);
  }
  return lines;
}

int LineHeightPixels(const QFont& font) { return QFontMetrics(font).height(); }
