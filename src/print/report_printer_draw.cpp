#include "print/print_layout.h"
#include "print/report_printer.h"

namespace {

// Where a cell's text starts: a little in from the aligned side and below the top.
constexpr int kCellInsetX = 20;
constexpr int kCellInsetY = 10;

}  // namespace

int ReportPrinter::ToDevice(int logical) const {
  return static_cast<int>(static_cast<qint64>(logical) * longSidePixels_ / kLongSide);
}

int ReportPrinter::ToLogical(int pixels) const {
  if (longSidePixels_ <= 0) return 0;
  return static_cast<int>(static_cast<qint64>(pixels) * kLongSide / longSidePixels_);
}

PrintRect ReportPrinter::Logical(int left, int top, int right, int bottom) const {
  return {originX + left, originY + top, originX + right, originY + bottom};
}

PrintRect ReportPrinter::DeviceRect(const PrintRect& logical) const {
  return {ToDevice(logical.left), ToDevice(logical.top), ToDevice(logical.right),
          ToDevice(logical.bottom)};
}

PrintPoint ReportPrinter::DevicePoint(const PrintPoint& logical) const {
  return {ToDevice(logical.x), ToDevice(logical.y)};
}

PrintItem ReportPrinter::StartItem(PrintItem::Kind kind, const QString& text,
                                   TextAlign align) const {
  PrintItem item;
  item.kind = kind;
  item.page = page_;
  item.text = text;
  item.font = current_;
  item.align = align;
  return item;
}

void ReportPrinter::Emit(const PrintItem& item) {
  surface_->Draw(item, FontOf(item.font), penWidth_);
}

void ReportPrinter::SelectFont(ReportFont font) {
  if (surface_) current_ = font;
}

void ReportPrinter::TextAt(int x, int y, const QString& text, TextAlign align) {
  if (!CanDraw()) return;
  PrintItem item = StartItem(PrintItem::Kind::Text, text, align);
  item.anchor = {originX + x, originY + y};
  item.deviceAnchor = DevicePoint(item.anchor);
  item.cell = {item.anchor.x, item.anchor.y, item.anchor.x, item.anchor.y};
  item.deviceCell = DeviceRect(item.cell);
  item.lines = {{text, item.deviceAnchor}};
  Emit(item);
}

void ReportPrinter::CellText(int left, int top, int right, int bottom, const QString& text,
                             TextAlign align, bool shaded, bool framed) {
  if (!CanDraw()) return;
  PrintItem item = StartItem(PrintItem::Kind::Cell, text, align);
  item.cell = Logical(left, top, right, bottom);
  item.deviceCell = DeviceRect(item.cell);
  int x = left + kCellInsetX;
  if (align == TextAlign::Centre) x = left + (right - left) / 2;
  if (align == TextAlign::Right) x = right - kCellInsetX;
  item.anchor = {originX + x, originY + top + kCellInsetY};
  item.deviceAnchor = DevicePoint(item.anchor);
  item.lines = {{text, item.deviceAnchor}};
  item.shaded = shaded;
  item.framed = framed;
  Emit(item);
  if (framed) Frame(left, top, right, bottom);
}

void ReportPrinter::BoxText(int left, int top, int right, int bottom, const QString& text,
                            TextAlign align, bool framed) {
  if (!CanDraw()) return;
  PrintItem item = StartItem(PrintItem::Kind::Box, text, align);
  item.cell = Logical(left, top, right, bottom);
  item.deviceCell = DeviceRect(item.cell);
  item.framed = framed;
  const PrintRect& cell = item.cell;
  const PrintRect& device = item.deviceCell;
  item.anchor = {cell.left, cell.top};
  int x = device.left;
  if (align == TextAlign::Centre) {
    item.anchor.x = cell.left + (cell.right - cell.left) / 2;
    x = device.left + (device.right - device.left) / 2;
  } else if (align == TextAlign::Right) {
    item.anchor.x = cell.right;
    x = device.right;
  }
  item.deviceAnchor = DevicePoint(item.anchor);
  const QFont& font = FontOf(current_);
  const QStringList lines = BreakIntoLines(text, font, device.right - device.left);
  const int lineHeight = LineHeightPixels(font);
  for (int i = 0; i < lines.size(); ++i) {
    item.lines.push_back({lines[i], {x, device.top + i * lineHeight}});
  }
  Emit(item);
  if (framed) Frame(left, top, right, bottom);
}

void ReportPrinter::Frame(int left, int top, int right, int bottom) {
  if (!CanDraw()) return;
  PrintItem item = StartItem(PrintItem::Kind::Frame, QString(), TextAlign::Left);
  item.cell = Logical(left, top, right, bottom);
  item.deviceCell = DeviceRect(item.cell);
  item.anchor = {item.cell.left, item.cell.top};
  item.deviceAnchor = DevicePoint(item.anchor);
  Emit(item);
}
