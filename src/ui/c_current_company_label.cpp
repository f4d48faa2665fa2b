#include "ui/c_current_company_label.h"

CCurrentCompanyLabel::CCurrentCompanyLabel(QWidget* parent) : QLabel(NoCompanyText(), parent) {
  setTextFormat(Qt::PlainText);  // a company's name shows exactly as typed, never as markup
  setAutoFillBackground(true);
  QPalette colours = palette();
  colours.setColor(QPalette::WindowText, QColor(0, 255, 0));
  colours.setColor(QPalette::Window, QColor(0, 0, 0));
  setPalette(colours);
}
