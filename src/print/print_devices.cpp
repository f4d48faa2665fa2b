#include "print/print_devices.h"

#include <QPageLayout>
#include <QPdfWriter>

QPageLayout::Orientation ToPageLayout(PageOrientation orientation) {
  return orientation == PageOrientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
}

PdfSurface::PdfSurface(const QString& path, int dotsPerInch, const QPageSize& size,
                       const QMarginsF& marginsMm)
    : hasTarget_(!path.isEmpty()), writer_(std::make_unique<QPdfWriter>(path)) {
  Configure(dotsPerInch, size, marginsMm);
}

PdfSurface::PdfSurface(QIODevice* device, int dotsPerInch, const QPageSize& size,
                       const QMarginsF& marginsMm)
    : hasTarget_(device != nullptr), writer_(std::make_unique<QPdfWriter>(device)) {
  Configure(dotsPerInch, size, marginsMm);
}

void PdfSurface::Configure(int dotsPerInch, const QPageSize& size, const QMarginsF& marginsMm) {
  writer_->setResolution(dotsPerInch);
  writer_->setPageLayout(
      QPageLayout(size, QPageLayout::Portrait, marginsMm, QPageLayout::Millimeter));
  writer_->setCreator(QStringLiteral("Velka Asigurati"));
}

PdfSurface::~PdfSurface() = default;

bool PdfSurface::Open(PageOrientation orientation) {
  if (!hasTarget_) return false;
  return writer_->setPageOrientation(ToPageLayout(orientation));
}

QSize PdfSurface::PixelSize() const { return QSize(writer_->width(), writer_->height()); }

QPaintDevice* PdfSurface::Device() { return writer_.get(); }

void PdfSurface::SetTitle(const QString& title) { writer_->setTitle(title); }

bool PdfSurface::NextPage() { return writer_->newPage(); }
