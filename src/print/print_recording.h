#pragma once

#include <QSize>
#include <QString>
#include <QStringList>
#include <vector>

#include "print/print_surface.h"

// Everything one print job did, kept for tests of the printed reports.
struct PrintRecord {
  QString title;
  PageOrientation orientation = PageOrientation::Portrait;
  QSize pixels;
  bool started = false;
  bool finished = false;
  int pagesBegun = 0;
  int pagesEnded = 0;
  int penWidth = 0;
  std::vector<PrintItem> items;

  // Items of one page (page 0: every page), in drawing order.
  std::vector<PrintItem> OnPage(int page) const;
  // The first item whose text is exactly `text` (on `page`, or anywhere for 0); null if none.
  const PrintItem* Find(const QString& text, int page = 0) const;
  // Texts of the text, cell and box items, in drawing order.
  QStringList Texts(int page = 0) const;
  int Count(PrintItem::Kind kind, int page = 0) const;
  // One line per item, in logical units: "p1 cell 100,1100-4600,1200 right framed Body |text|".
  // Meant for comparing a report with a reference text.
  QString Dump() const;
};

// A surface that draws nothing and records everything. The size is the printable area in
// portrait, in device pixels (A4 at 600 dots per inch by default); landscape swaps the sides.
// An empty size stands for a device that offers no drawing surface.
class RecordingSurface : public PrintSurface {
 public:
  explicit RecordingSurface(PrintRecord* record, QSize portraitPixels = QSize(4960, 7016));

  bool Open(PageOrientation orientation) override;
  QSize PixelSize() const override { return record_->pixels; }
  bool StartDocument(const QString& title) override;
  void BeginPage() override { ++record_->pagesBegun; }
  void EndPage() override { ++record_->pagesEnded; }
  void Draw(const PrintItem& item, const QFont& font, int penWidth) override;
  void Finish() override { record_->finished = true; }

 private:
  PrintRecord* record_;
  QSize portraitPixels_;
};

// A chooser that always offers a recorder writing into `record`, for tests of the reports.
PrinterChooser RecordingChooser(PrintRecord* record, QSize portraitPixels = QSize(4960, 7016));

// Describes one item the way Dump does.
QString DescribePrintItem(const PrintItem& item);
