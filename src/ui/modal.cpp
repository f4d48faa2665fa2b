#include "ui/modal.h"

#include <QDialog>

namespace {
ModalDriver& Driver() {
  static ModalDriver driver;
  return driver;
}
}  // namespace

int RunModal(QDialog& dialog) {
  if (!Driver()) return dialog.exec();
  dialog.setModal(true);
  dialog.show();
  // A driver that opens a nested form must be able to use RunModal again.
  ModalDriver driver = Driver();
  driver(dialog);
  if (dialog.isVisible()) dialog.reject();
  return dialog.result();
}

void SetModalDriver(ModalDriver driver) { Driver() = std::move(driver); }
