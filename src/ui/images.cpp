#include "ui/images.h"

#include <QPainter>

QPixmap ApplicationImage() {
  QPixmap image(64, 64);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setBrush(QColor(0, 90, 160));
  painter.setPen(Qt::NoPen);
  painter.drawRoundedRect(QRectF(2, 2, 60, 60), 10, 10);
  painter.setPen(Qt::white);
  QFont font(QStringLiteral("Liberation Sans"));
  font.setPixelSize(28);
  font.setBold(true);
  painter.setFont(font);
  painter.drawText(QRectF(0, 0, 64, 64), Qt::AlignCenter, QStringLiteral("VA"));
  return image;
}

QIcon ApplicationIcon() {
  return QIcon::fromTheme(QStringLiteral("velka-asigurati"), QIcon(ApplicationImage()));
}

QPixmap IndicatorImage(bool open) {
  QPixmap image(16, 16);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QColor(60, 60, 60));
  painter.setBrush(open ? QColor(0, 170, 0) : QColor(170, 170, 170));
  painter.drawEllipse(QRectF(2, 2, 12, 12));
  return image;
}
