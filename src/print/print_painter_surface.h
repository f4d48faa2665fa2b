#pragma once

#include <QPainter>

#include "print/print_ink_bounds.h"
#include "print/print_surface.h"

class QPaintDevice;

// Paints the pages with QPainter on a device its subclass owns (a printer, a PDF writer).
class PainterSurface : public PrintSurface {
 public:
  bool StartDocument(const QString& title) override;
  void BeginPage() override;
  void EndPage() override {}
  void Draw(const PrintItem& item, const QFont& font, int penWidth) override;
  void Finish() override;

 protected:
  virtual QPaintDevice* Device() = 0;
  virtual void SetTitle(const QString& title) = 0;
  // Moves the device on to a fresh page; the first page comes with the document.
  virtual bool NextPage() = 0;

 private:
  void DrawLines(const PrintItem& item);
  void DrawFrame(const PrintRect& rect);
  // True when every line's ink stays inside the cell, so that clipping would change nothing.
  bool LinesInside(const PrintItem& item, const QFont& font);
  // One black pen serves frames and text (text takes only its colour); fonts and the pen are
  // set only when they change, so the PDF does not repeat its graphics state per cell.
  void UsePen(int penWidth);
  void UseFont(const QFont& font);

  QPainter painter_;
  int pages_ = 0;
  int penWidth_ = -1;
  QFont font_;
  bool fontSet_ = false;
  InkBounds ink_;
};
