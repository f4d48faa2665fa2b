#include "print/report_printer.h"

#include "print/print_fonts.h"
#include "store/prompter.h"

ReportPrinter::ReportPrinter(Prompter* prompter, PrinterChooser chooser)
    : prompter_(prompter), chooser_(std::move(chooser)) {}

ReportPrinter::~ReportPrinter() { EndJob(); }

bool ReportPrinter::BeginJob(PageOrientation orientation, bool askUser) {
  // One job at a time: a job left open is finished rather than lost.
  EndJob();
  orientation_ = orientation;
  PrinterChoice choice = chooser_ ? chooser_(orientation, askUser) : PrinterChoice::NoPrinter();
  if (choice.outcome == PrinterChoice::Outcome::Cancelled) return false;
  if (choice.outcome != PrinterChoice::Outcome::Device || !choice.surface) {
    TellNoPrinter();
    return false;
  }
  return OpenDevice(std::move(choice.surface));
}

bool ReportPrinter::OpenDevice(std::unique_ptr<PrintSurface> surface) {
  if (!surface->Open(orientation_)) {
    TellNoPrinter();
    return false;
  }
  const QSize pixels = surface->PixelSize();
  const int longSide = orientation_ == PageOrientation::Portrait ? pixels.height() : pixels.width();
  if (pixels.width() <= 0 || pixels.height() <= 0 || longSide <= 0) {
    TellNoPrinter();
    return false;
  }
  surface_ = std::move(surface);
  longSidePixels_ = longSide;
  pagePixels_ = pixels;
  penWidth_ = ToDevice(2);
  CreateFonts();
  current_ = ReportFont::Body;
  documentStarted_ = false;
  pageOpen_ = false;
  page_ = 0;
  return true;
}

void ReportPrinter::CreateFonts() {
  for (int i = 0; i < kReportFontCount; ++i) {
    const ReportFontChoice choice = ReportFontChoiceOf(static_cast<ReportFont>(i));
    fonts_[static_cast<size_t>(i)] = MakeReportFont(choice, ToDevice(choice.height));
  }
}

bool ReportPrinter::StartDocument(const QString& title) {
  if (!surface_) return false;
  if (documentStarted_) return true;
  if (!surface_->StartDocument(title)) {
    Release();
    TellNoPrinter();
    return false;
  }
  documentStarted_ = true;
  return true;
}

void ReportPrinter::NewPage(const QString& footer) {
  if (!surface_) return;
  if (!documentStarted_ && !StartDocument(QString())) return;
  if (pageOpen_) EndPage();
  surface_->BeginPage();
  pageOpen_ = true;
  ++page_;
  SelectFont(ReportFont::Footer);
  originX = 0;
  originY = 0;
  const QString text = ProductTitle() + QLatin1Char(' ') + footer;
  if (orientation_ == PageOrientation::Portrait) {
    CellText(2500, 6400, 4700, 6600, text, TextAlign::Right, false, false);
  } else {
    CellText(4500, 4600, 6500, 4800, text, TextAlign::Right, false, false);
  }
}

void ReportPrinter::EndPage() {
  if (!surface_ || !pageOpen_) return;
  surface_->EndPage();
  pageOpen_ = false;
}

void ReportPrinter::EndJob() {
  if (!surface_) return;
  EndPage();
  if (documentStarted_) surface_->Finish();
  Release();
}

void ReportPrinter::Release() {
  surface_.reset();
  fonts_ = {};
  pagePixels_ = QSize();
  documentStarted_ = false;
  pageOpen_ = false;
}

void ReportPrinter::TellNoPrinter() {
  if (prompter_ != nullptr) prompter_->Inform(NoPrinterMessage());
}
