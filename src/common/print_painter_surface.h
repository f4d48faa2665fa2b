#pragma once

#include <QPainter>

#include "common/print_surface.h"

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
  void DrawLines(const PrintItem& item, const QFont& font);
  void DrawFrame(const PrintRect& rect, int penWidth);

  QPainter painter_;
  int pages_ = 0;
};
