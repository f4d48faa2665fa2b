#include "ui/printer_surface.h"

#include <QPrinter>
#include <QPrinterInfo>

#include "print/print_devices.h"

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
