#pragma once

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QString>
#include <memory>

#include "common/print_painter_surface.h"

class QPdfWriter;

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

QPageLayout::Orientation ToPageLayout(PageOrientation orientation);
