#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;

// A small window with a line of text and a progress bar, for work of more than a second
// that runs while no other window is open for it (the copy at the program's exit, a restore
// before the register opens). The user's input waits until the work is done; the window
// cannot be closed meanwhile.
class CWorkProgressDialog : public QDialog {
  Q_OBJECT

 public:
  CWorkProgressDialog(QWidget* parent, const QString& title, const QString& text);

  // How far the work has come, 0 to 1; the window is repainted.
  void SetFraction(double done);
  void SetText(const QString& text);

 protected:
  void reject() override {}  // Esc does not stop the work

 private:
  QLabel* text_;
  QProgressBar* bar_;
};
