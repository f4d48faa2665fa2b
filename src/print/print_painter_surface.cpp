#include "print/print_painter_surface.h"

#include <QColor>
#include <QPen>
#include <QPolygon>
#include <QRect>

namespace {

// The shading of highlighted cells.
const QColor kShade(192, 192, 192);

QRect ToQRect(const PrintRect& rect) {
  return QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

// A rectangle as wide as any page, with the anchor on its left edge, centre or right edge,
// so that Qt aligns the line the way the anchor says and never wraps it.
QRect AnchorBox(const PrintPoint& at, TextAlign align, int& flags) {
  constexpr int kReach = 1 << 20;
  flags = Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip;
  switch (align) {
    case TextAlign::Left:
      flags |= Qt::AlignLeft;
      return QRect(at.x, at.y, kReach, kReach);
    case TextAlign::Centre:
      flags |= Qt::AlignHCenter;
      return QRect(at.x - kReach, at.y, 2 * kReach, kReach);
    case TextAlign::Right:
      flags |= Qt::AlignRight;
      return QRect(at.x - kReach, at.y, kReach, kReach);
  }
  return QRect(at.x, at.y, kReach, kReach);
}

}  // namespace

bool PainterSurface::StartDocument(const QString& title) {
  SetTitle(title);
  if (!painter_.begin(Device())) return false;
  pages_ = 0;
  penWidth_ = -1;
  fontSet_ = false;
  painter_.setBrush(Qt::NoBrush);
  return true;
}

void PainterSurface::BeginPage() {
  if (!painter_.isActive()) return;
  if (pages_ > 0) NextPage();
  ++pages_;
}

void PainterSurface::Finish() {
  if (painter_.isActive()) painter_.end();
}

void PainterSurface::Draw(const PrintItem& item, const QFont& font, int penWidth) {
  if (!painter_.isActive()) return;
  UsePen(penWidth);
  // Before any save: what a restore brings back must be what was last set.
  if (item.kind != PrintItem::Kind::Frame) UseFont(font);
  switch (item.kind) {
    case PrintItem::Kind::Frame:
      DrawFrame(item.deviceCell);
      return;
    case PrintItem::Kind::Text:
      DrawLines(item);
      return;
    case PrintItem::Kind::Cell:
    case PrintItem::Kind::Box:
      if (item.shaded) painter_.fillRect(ToQRect(item.deviceCell), kShade);
      if (LinesInside(item, font)) {
        DrawLines(item);
        return;
      }
      painter_.save();
      painter_.setClipRect(ToQRect(item.deviceCell));
      DrawLines(item);
      painter_.restore();
      return;
  }
}

void PainterSurface::UsePen(int penWidth) {
  if (penWidth == penWidth_) return;
  painter_.setPen(QPen(Qt::black, penWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  penWidth_ = penWidth;
}

void PainterSurface::UseFont(const QFont& font) {
  if (fontSet_ && font == font_) return;
  painter_.setFont(font);
  font_ = font;
  fontSet_ = true;
}

bool PainterSurface::LinesInside(const PrintItem& item, const QFont& font) {
  const QRectF cell = ToQRect(item.deviceCell);
  for (const PrintLine& line : item.lines) {
    const QRectF box = ink_.Of(font, Device(), line.text, static_cast<int>(item.align),
                               line.device.x, line.device.y);
    if (!cell.contains(box)) return false;
  }
  return true;
}

void PainterSurface::DrawLines(const PrintItem& item) {
  for (const PrintLine& line : item.lines) {
    int flags = 0;
    const QRect box = AnchorBox(line.device, item.align, flags);
    painter_.drawText(box, flags, line.text);
  }
}

void PainterSurface::DrawFrame(const PrintRect& rect) {
  const QPolygon outline({QPoint(rect.left, rect.top), QPoint(rect.right, rect.top),
                          QPoint(rect.right, rect.bottom), QPoint(rect.left, rect.bottom),
                          QPoint(rect.left, rect.top)});
  painter_.drawPolyline(outline);
}
