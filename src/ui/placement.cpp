#include "ui/placement.h"

#include <QApplication>
#include <QWidget>
#include <algorithm>

QPoint PlaceWithPanel(const QRect& available, const QSize& window, const QSize& panel) {
  const int width = window.width() + panel.width();
  const int height = std::max(window.height(), panel.height());
  int x = available.left() + (available.width() - width) / 2;
  int y = available.top() + (available.height() - height) / 2;
  x = std::max(available.left(), std::min(x, available.right() + 1 - width));
  y = std::max(available.top(), std::min(y, available.bottom() + 1 - height));
  return {x, y};
}

QWidget* WindowToCentreOver(QWidget* fallback) {
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  if (QWidget* active = QApplication::activeWindow()) return active;
  return fallback;
}
