#include "ui/buttons.h"

#include <QPushButton>

QPushButton* MakeButton(QWidget* parent, const QString& caption, const char* name) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QLatin1String(name));
  button->setAutoDefault(false);
  return button;
}
