#include "print/print_recording.h"

namespace {

QString KindName(PrintItem::Kind kind) {
  switch (kind) {
    case PrintItem::Kind::Text:
      return QStringLiteral("text");
    case PrintItem::Kind::Cell:
      return QStringLiteral("cell");
    case PrintItem::Kind::Box:
      return QStringLiteral("box");
    case PrintItem::Kind::Frame:
      return QStringLiteral("frame");
  }
  return QString();
}

QString AlignName(TextAlign align) {
  switch (align) {
    case TextAlign::Left:
      return QStringLiteral("left");
    case TextAlign::Centre:
      return QStringLiteral("centre");
    case TextAlign::Right:
      return QStringLiteral("right");
  }
  return QString();
}

QString FontName(ReportFont font) {
  static const char* const kNames[kReportFontCount] = {
      "Body",   "Title",     "Sans",  "Arial", "BodyBold", "Heading",
      "Footer", "ArialBold", "Large", "Small", "SmallBold"};
  return QString::fromLatin1(kNames[static_cast<int>(font)]);
}

QString Where(const PrintItem& item) {
  const PrintRect& c = item.cell;
  if (item.kind == PrintItem::Kind::Text) {
    return QStringLiteral("%1,%2").arg(item.anchor.x).arg(item.anchor.y);
  }
  return QStringLiteral("%1,%2-%3,%4").arg(c.left).arg(c.top).arg(c.right).arg(c.bottom);
}

}  // namespace

QString DescribePrintItem(const PrintItem& item) {
  QString line = QStringLiteral("p%1 %2 %3").arg(item.page).arg(KindName(item.kind), Where(item));
  if (item.kind == PrintItem::Kind::Frame) return line;
  line += QLatin1Char(' ') + AlignName(item.align);
  if (item.shaded) line += QStringLiteral(" shaded");
  if (item.framed) line += QStringLiteral(" framed");
  return line + QLatin1Char(' ') + FontName(item.font) + QStringLiteral(" |") + item.text +
         QLatin1Char('|');
}

std::vector<PrintItem> PrintRecord::OnPage(int page) const {
  std::vector<PrintItem> found;
  for (const PrintItem& item : items) {
    if (page == 0 || item.page == page) found.push_back(item);
  }
  return found;
}

const PrintItem* PrintRecord::Find(const QString& text, int page) const {
  for (const PrintItem& item : items) {
    if (item.kind != PrintItem::Kind::Frame && item.text == text &&
        (page == 0 || item.page == page)) {
      return &item;
    }
  }
  return nullptr;
}

QStringList PrintRecord::Texts(int page) const {
  QStringList texts;
  for (const PrintItem& item : OnPage(page)) {
    if (item.kind != PrintItem::Kind::Frame) texts.append(item.text);
  }
  return texts;
}

int PrintRecord::Count(PrintItem::Kind kind, int page) const {
  int count = 0;
  for (const PrintItem& item : OnPage(page)) count += item.kind == kind ? 1 : 0;
  return count;
}

QString PrintRecord::Dump() const {
  QString text;
  for (const PrintItem& item : items) text += DescribePrintItem(item) + QLatin1Char('\n');
  return text;
}

RecordingSurface::RecordingSurface(PrintRecord* record, QSize portraitPixels)
    : record_(record), portraitPixels_(portraitPixels) {}

bool RecordingSurface::Open(PageOrientation orientation) {
  record_->orientation = orientation;
  record_->pixels =
      orientation == PageOrientation::Landscape ? portraitPixels_.transposed() : portraitPixels_;
  return !portraitPixels_.isEmpty();
}

bool RecordingSurface::StartDocument(const QString& title) {
  record_->title = title;
  record_->started = true;
  return true;
}

void RecordingSurface::Draw(const PrintItem& item, const QFont&, int penWidth) {
  record_->penWidth = penWidth;
  record_->items.push_back(item);
}

PrinterChooser RecordingChooser(PrintRecord* record, QSize portraitPixels) {
  return [record, portraitPixels](PageOrientation, bool) {
    return PrinterChoice::Of(std::make_unique<RecordingSurface>(record, portraitPixels));
  };
}
