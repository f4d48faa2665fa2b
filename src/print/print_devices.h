#pragma once

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QString>
#include <memory>

#include "print/print_painter_surface.h"

class QIODevice;
class QPdfWriter;

// Pages written to a PDF file; the whole sheet is printable unless margins are given.
class PdfSurface : public PainterSurface {
 public:
  explicit PdfSurface(const QString& path, int dotsPerInch = 600,
                      const QPageSize& size = QPageSize(QPageSize::A4),
                      const QMarginsF& marginsMm = QMarginsF());
  // Pages written to a device the caller has opened and closes, such as a file that
  // appears under its name only once it is complete.
  explicit PdfSurface(QIODevice* device, int dotsPerInch = 600,
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
  void Configure(int dotsPerInch, const QPageSize& size, const QMarginsF& marginsMm);

  bool hasTarget_ = false;
  std::unique_ptr<QPdfWriter> writer_;
};

QPageLayout::Orientation ToPageLayout(PageOrientation orientation);
