#pragma once

#include <QFont>
#include <QSize>
#include <QString>
#include <array>
#include <memory>

#include "print/print_surface.h"
#include "print/print_types.h"

class Prompter;

// Draws the printed reports on a logical page whose long side measures 7000 units, whatever
// the printer's resolution; x grows to the right and y downwards from the printable area's
// top-left corner. Callers decide the layout; the engine places text, cells and frames and
// writes the product title and version at the lower right of every page.
//
// Idle -> BeginJob -> StartDocument -> (NewPage ... EndPage)* -> EndJob -> idle.
// Drawing does nothing while no job is open, and nothing between EndPage and the next
// NewPage (there is no page to draw on).
class ReportPrinter {
 public:
  static constexpr int kLongSide = 7000;

  ReportPrinter(Prompter* prompter, PrinterChooser chooser);
  ~ReportPrinter();
  ReportPrinter(const ReportPrinter&) = delete;
  ReportPrinter& operator=(const ReportPrinter&) = delete;

  // Asks the user for a printer (askUser) or takes the default one; false when the user
  // cancels (silently) or nothing can print (after telling the user).
  bool BeginJob(PageOrientation orientation, bool askUser);
  // Starts the job under that title; false (after telling the user) when the device refuses,
  // which also ends the job.
  bool StartDocument(const QString& title);
  // Begins a page and writes "Velka Asigurati " + footer at its lower right in the footer
  // font, which stays selected; both origins go back to 0.
  void NewPage(const QString& footer);
  void EndPage();
  // Ends the page and the document and releases the device.
  void EndJob();

  void SelectFont(ReportFont font);
  void TextAt(int x, int y, const QString& text, TextAlign align);
  // One line inside the cell, 20 units in from the aligned side and 10 below the top, cut at
  // the cell's edges; shaded cells are filled light grey behind the text.
  void CellText(int left, int top, int right, int bottom, const QString& text, TextAlign align,
                bool shaded, bool framed);
  // Text broken into lines at word boundaries and at its own line breaks, from the cell's top.
  void BoxText(int left, int top, int right, int bottom, const QString& text, TextAlign align,
               bool framed);
  void Frame(int left, int top, int right, int bottom);

  // Logical offsets added to every coordinate; NewPage sets both to 0.
  int originX = 0;
  int originY = 0;

  bool JobOpen() const { return surface_ != nullptr; }
  bool PageOpen() const { return pageOpen_; }
  int PageNumber() const { return page_; }
  PageOrientation Orientation() const { return orientation_; }
  // Device pixels per logical unit, from the long side of the printable area.
  double Scale() const { return static_cast<double>(longSidePixels_) / kLongSide; }
  // The printable area in logical units: 7000 on the long side, the short side as the paper
  // has it (about 4950 on A4).
  int PageWidth() const { return ToLogical(pagePixels_.width()); }
  int PageHeight() const { return ToLogical(pagePixels_.height()); }
  // trunc(v * scale) for a logical value that already includes the origin, computed in whole
  // numbers so that the long side lands on its last pixel exactly.
  int ToDevice(int logical) const;
  int PenWidth() const { return penWidth_; }
  ReportFont CurrentFont() const { return current_; }
  // The job's font; meaningful while a job is open.
  const QFont& FontOf(ReportFont font) const { return fonts_[static_cast<size_t>(font)]; }

  static QString ProductTitle() { return QStringLiteral("Velka Asigurati"); }
  static QString NoPrinterMessage() {
    return QStringLiteral("Imprimanta nu este instalata bine sau deloc ...");
  }

 private:
  bool OpenDevice(std::unique_ptr<PrintSurface> surface);
  void CreateFonts();
  void TellNoPrinter();
  void Release();
  bool CanDraw() const { return surface_ != nullptr && pageOpen_; }
  int ToLogical(int pixels) const;
  PrintRect DeviceRect(const PrintRect& logical) const;
  PrintPoint DevicePoint(const PrintPoint& logical) const;
  PrintRect Logical(int left, int top, int right, int bottom) const;
  PrintItem StartItem(PrintItem::Kind kind, const QString& text, TextAlign align) const;
  void Emit(const PrintItem& item);

  Prompter* prompter_;
  PrinterChooser chooser_;
  std::unique_ptr<PrintSurface> surface_;
  bool documentStarted_ = false;
  bool pageOpen_ = false;
  int page_ = 0;
  PageOrientation orientation_ = PageOrientation::Portrait;
  int longSidePixels_ = 0;
  QSize pagePixels_;
  int penWidth_ = 0;
  std::array<QFont, kReportFontCount> fonts_;
  ReportFont current_ = ReportFont::Body;
};
