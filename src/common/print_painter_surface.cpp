#include "common/print_painter_surface.h"

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
  switch (item.kind) {
    case PrintItem::Kind::Frame:
      DrawFrame(item.deviceCell, penWidth);
      return;
    case PrintItem::Kind::Text:
      DrawLines(item, font);
      return;
    case PrintItem::Kind::Cell:
    case PrintItem::Kind::Box:
      painter_.save();
      painter_.setClipRect(ToQRect(item.deviceCell));
      if (item.shaded) painter_.fillRect(ToQRect(item.deviceCell), kShade);
      DrawLines(item, font);
      painter_.restore();
      return;
  }
}

void PainterSurface::DrawLines(const PrintItem& item, const QFont& font) {
  painter_.setFont(font);
  painter_.setPen(Qt::black);
  for (const PrintLine& line : item.lines) {
    int flags = 0;
    const QRect box = AnchorBox(line.device, item.align, flags);
    painter_.drawText(box, flags, line.text);
  }
}

void PainterSurface::DrawFrame(const PrintRect& rect, int penWidth) {
  painter_.setPen(QPen(Qt::black, penWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter_.setBrush(Qt::NoBrush);
  const QPolygon outline({QPoint(rect.left, rect.top), QPoint(rect.right, rect.top),
                          QPoint(rect.right, rect.bottom), QPoint(rect.left, rect.bottom),
                          QPoint(rect.left, rect.top)});
  painter_.drawPolyline(outline);
}
