#include "ui/print_dialog.h"

#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QWidget>

#include "print/print_devices.h"
#include "ui/printer_surface.h"

namespace {

PrinterChoice AskForPrinter(QWidget* parent, PageOrientation orientation) {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer->setPageOrientation(ToPageLayout(orientation));
  QPrintDialog dialog(printer.get(), parent);
  // The reports always print whole; a page range would be silently ignored.
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
  dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
  if (dialog.exec() != QDialog::Accepted) return PrinterChoice::Cancelled();
  return PrinterChoice::Of(std::make_unique<PrinterSurface>(std::move(printer)));
}

}  // namespace

std::unique_ptr<QPrinter> AskForTextPrinter(QWidget* parent) {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  QPrintDialog dialog(printer.get(), parent);
  dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
  if (dialog.exec() != QDialog::Accepted) return nullptr;
  return printer;
}

PrinterChooser DialogPrinterChooser(QWidget* parent) {
  QPointer<QWidget> guarded(parent);
  return [guarded](PageOrientation orientation, bool askUser) {
    if (!askUser) return DefaultPrinterChoice(orientation);
    return AskForPrinter(guarded.data(), orientation);
  };
}
