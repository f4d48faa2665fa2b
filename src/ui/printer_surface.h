#pragma once

#include <memory>

#include "print/print_painter_surface.h"
#include "print/print_surface.h"

class QPrinter;

// Pages sent to a printer (or to the PDF file the print dialog offers).
class PrinterSurface : public PainterSurface {
 public:
  explicit PrinterSurface(std::unique_ptr<QPrinter> printer);
  ~PrinterSurface() override;

  bool Open(PageOrientation orientation) override;
  QSize PixelSize() const override;

 protected:
  QPaintDevice* Device() override;
  void SetTitle(const QString& title) override;
  bool NextPage() override;

 private:
  std::unique_ptr<QPrinter> printer_;
};

// The system's default printer, or NoPrinter when none is set up.
PrinterChoice DefaultPrinterChoice(PageOrientation orientation);
