#pragma once

#include <QFont>
#include <QRectF>
#include <QString>
#include <memory>
#include <unordered_map>
#include <vector>

class QPaintDevice;

// Where a line of text can put ink at most, from each character's advance and outline box
// taken on its own. Without kerning, shaping only keeps or shortens the sum of the advances,
// so the box found here holds the real one (text with combining marks gets a box without
// bounds); the pages use it to leave out clipping, which
// costs the PDF a clip path and a graphics state per cell, where the text stays inside.
class InkBounds {
 public:
  // The box of `text` drawn with its top at `top` and its left edge, centre or right edge
  // (by `align`: 0, 1, 2) at `x`, in device pixels.
  QRectF Of(const QFont& font, QPaintDevice* device, const QString& text, int align, qreal x,
            qreal top);

 private:
  struct Extent {
    qreal advance = 0;
    qreal left = 0;    // ink left of the pen position (negative: before it)
    qreal right = 0;   // ink right beyond the advance
    qreal top = 0;     // highest ink, from the baseline (negative: above it)
    qreal bottom = 0;  // lowest ink, from the baseline
  };
  struct FontTable {
    QFont font;
    qreal ascent = 0;
    std::vector<Extent> latin;  // U+0000..U+02FF, filled on first use
    std::vector<bool> known;
    std::unordered_map<char16_t, Extent> other;
  };

  FontTable& TableOf(const QFont& font, QPaintDevice* device);
  const Extent& ExtentOf(FontTable& table, const QFont& font, QPaintDevice* device, QChar c);

  // A job's few fonts, each with its table; the last one used is tried first.
  std::vector<std::unique_ptr<FontTable>> tables_;
  FontTable* last_ = nullptr;
};
