#pragma once

#include <QFont>
#include <QSize>
#include <QString>
#include <functional>
#include <memory>

#include "print/print_types.h"

// A device that takes the pages of one print job: a printer, a PDF file, or a recorder.
// The engine calls Open once, then StartDocument, then pages, then Finish.
class PrintSurface {
 public:
  virtual ~PrintSurface() = default;

  // Turns the pages to the orientation and readies the device; false when it cannot print.
  virtual bool Open(PageOrientation orientation) = 0;
  // The printable area in device pixels; valid after a successful Open.
  virtual QSize PixelSize() const = 0;
  // Starts the document under that title; false when the device refuses it.
  virtual bool StartDocument(const QString& title) = 0;
  virtual void BeginPage() = 0;
  virtual void EndPage() = 0;
  virtual void Draw(const PrintItem& item, const QFont& font, int penWidth) = 0;
  // Ends the document; the device is released with the surface.
  virtual void Finish() = 0;
};

// What the print dialog or the system's printer settings offered for a job.
struct PrinterChoice {
  enum class Outcome { Device, Cancelled, NoPrinter };

  static PrinterChoice Of(std::unique_ptr<PrintSurface> surface) {
    return {Outcome::Device, std::move(surface)};
  }
  static PrinterChoice Cancelled() { return {Outcome::Cancelled, nullptr}; }
  static PrinterChoice NoPrinter() { return {Outcome::NoPrinter, nullptr}; }

  Outcome outcome = Outcome::NoPrinter;
  std::unique_ptr<PrintSurface> surface;
};

// Asks the user for a printer (askUser) or takes the default one. The screens hand the dialog
// in from the user-interface layer; tests hand in a script.
using PrinterChooser = std::function<PrinterChoice(PageOrientation orientation, bool askUser)>;
