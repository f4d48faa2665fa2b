#include "common/print_devices.h"

#include <QPageLayout>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

QPageLayout::Orientation ToPageLayout(PageOrientation orientation) {
  return orientation == PageOrientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
}

PdfSurface::PdfSurface(const QString& path, int dotsPerInch, const QPageSize& size,
                       const QMarginsF& marginsMm)
    : path_(path), writer_(std::make_unique<QPdfWriter>(path)) {
  writer_->setResolution(dotsPerInch);
  writer_->setPageLayout(
      QPageLayout(size, QPageLayout::Portrait, marginsMm, QPageLayout::Millimeter));
  writer_->setCreator(QStringLiteral("Velka Asigurati"));
}

PdfSurface::~PdfSurface() = default;

bool PdfSurface::Open(PageOrientation orientation) {
  if (path_.isEmpty()) return false;
  return writer_->setPageOrientation(ToPageLayout(orientation));
}

QSize PdfSurface::PixelSize() const { return QSize(writer_->width(), writer_->height()); }

QPaintDevice* PdfSurface::Device() { return writer_.get(); }

void PdfSurface::SetTitle(const QString& title) { writer_->setTitle(title); }

bool PdfSurface::NextPage() { return writer_->newPage(); }

PrinterSurface::PrinterSurface(std::unique_ptr<QPrinter> printer) : printer_(std::move(printer)) {}

PrinterSurface::~PrinterSurface() = default;

bool PrinterSurface::Open(PageOrientation orientation) {
  if (!printer_ || !printer_->isValid()) return false;
  printer_->setPageOrientation(ToPageLayout(orientation));
  return true;
}

QSize PrinterSurface::PixelSize() const { return QSize(printer_->width(), printer_->height()); }

QPaintDevice* PrinterSurface::Device() { return printer_.get(); }

void PrinterSurface::SetTitle(const QString& title) { printer_->setDocName(title); }

bool PrinterSurface::NextPage() { return printer_->newPage(); }

PrinterChoice DefaultPrinterChoice(PageOrientation orientation) {
  const QPrinterInfo info = QPrinterInfo::defaultPrinter();
  if (info.isNull()) return PrinterChoice::NoPrinter();
  auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
  printer->setPageOrientation(ToPageLayout(orientation));
  return PrinterChoice::Of(std::make_unique<PrinterSurface>(std::move(printer)));
}
