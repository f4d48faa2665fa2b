#include "ui/c_current_company_label.h"

CCurrentCompanyLabel::CCurrentCompanyLabel(QWidget* parent) : QLabel(NoCompanyText(), parent) {
  setAutoFillBackground(true);
  QPalette colours = palette();
  colours.setColor(QPalette::WindowText, QColor(0, 255, 0));
  colours.setColor(QPalette::Window, QColor(0, 0, 0));
  setPalette(colours);
}
