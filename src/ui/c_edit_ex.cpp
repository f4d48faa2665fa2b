#include "ui/c_edit_ex.h"

#include <QKeyEvent>

CEditEx::CEditEx(QWidget* parent) : QLineEdit(parent) {}

void CEditEx::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if (key == Qt::Key_Delete || key == Qt::Key_Backspace) {
    lastKeyWasDelete_ = true;
    lastChar_ = QChar();
  } else if (!event->text().isEmpty() && event->text()[0].isPrint()) {
    lastKeyWasDelete_ = false;
    lastChar_ = event->text()[0];
  }
  QLineEdit::keyPressEvent(event);
}
