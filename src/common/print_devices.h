#pragma once

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QString>
#include <memory>

#include "common/print_painter_surface.h"

class QPdfWriter;
class QPrinter;

// Pages written to a PDF file; the whole sheet is printable unless margins are given.
class PdfSurface : public PainterSurface {
 public:
  explicit PdfSurface(const QString& path, int dotsPerInch = 600,
                      const QPageSize& size = QPageSize(QPageSize::A4),
                      const QMarginsF& marginsMm = QMarginsF());
  ~PdfSurface() override;

  bool Open(PageOrientation orientation) override;
  QSize PixelSize() const override;

 protected:
  QPaintDevice* Device() override;
  void SetTitle(const QString& title) override;
  bool NextPage() override;

 private:
  QString path_;
  std::unique_ptr<QPdfWriter> writer_;
};

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

QPageLayout::Orientation ToPageLayout(PageOrientation orientation);

// The system's default printer, or NoPrinter when none is set up.
PrinterChoice DefaultPrinterChoice(PageOrientation orientation);
