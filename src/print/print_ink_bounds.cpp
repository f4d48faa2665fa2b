#include "print/print_ink_bounds.h"

#include <QFontMetricsF>
#include <algorithm>

namespace {

constexpr int kLatin = 0x300;
// Room for rounding in the device's text placement.
constexpr qreal kSlack = 2;
// A box that holds any page.
constexpr qreal kFar = 1e7;

}  // namespace

InkBounds::FontTable& InkBounds::TableOf(const QFont& font, QPaintDevice* device) {
  if (last_ != nullptr && last_->font == font) return *last_;
  for (const std::unique_ptr<FontTable>& table : tables_) {
    if (table->font == font) {
      last_ = table.get();
      return *last_;
    }
  }
  auto table = std::make_unique<FontTable>();
  table->font = font;
  table->ascent = QFontMetricsF(font, device).ascent();
  table->latin.resize(kLatin);
  table->known.assign(kLatin, false);
  last_ = table.get();
  tables_.push_back(std::move(table));
  return *last_;
}

const InkBounds::Extent& InkBounds::ExtentOf(FontTable& table, const QFont& font,
                                             QPaintDevice* device, QChar c) {
  const auto measure = [&] {
    const QFontMetricsF metrics(font, device);
    const QRectF ink = metrics.boundingRect(c);
    Extent e;
    e.advance = metrics.horizontalAdvance(c);
    e.left = std::min<qreal>(0, ink.left());
    e.right = std::max<qreal>(0, ink.right() - e.advance);
    e.top = ink.top();
    e.bottom = ink.bottom();
    return e;
  };
  const char16_t code = c.unicode();
  if (code < kLatin) {
    if (!table.known[code]) {
      table.latin[code] = measure();
      table.known[code] = true;
    }
    return table.latin[code];
  }
  auto found = table.other.find(code);
  if (found == table.other.end()) found = table.other.emplace(code, measure()).first;
  return found->second;
}

QRectF InkBounds::Of(const QFont& font, QPaintDevice* device, const QString& text, int align,
                     qreal x, qreal top) {
  FontTable& table = TableOf(font, device);
  qreal width = 0, before = 0, after = 0, above = 0, below = 0;
  for (const QChar c : text) {
    // Marks placed on their letters and pairs of surrogates have no box of their own here.
    if (c.isSurrogate() || c.isMark()) return QRectF(-kFar, -kFar, 2 * kFar, 2 * kFar);
    const Extent& e = ExtentOf(table, font, device, c);
    before = std::min(before, e.left);
    after = std::max(after, e.right);
    above = std::min(above, e.top);
    below = std::max(below, e.bottom);
    width += e.advance;
  }
  // Shaped text may be narrower than `width`; anchored right or centred it then starts
  // further right, which the box allows for by reaching from the anchor in both ways.
  qreal left = x;
  if (align == 1) left = x - width / 2;
  if (align == 2) left = x - width;
  const qreal baseline = top + table.ascent;
  return QRectF(QPointF(left + before - kSlack, baseline + above - kSlack),
                QPointF(left + width + after + kSlack, baseline + below + kSlack));
}
