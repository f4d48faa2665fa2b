#pragma once

#include <QLineEdit>

// An edit field that remembers the last character typed and whether the last key was
// Delete or Backspace, so search-as-you-type lists stay quiet while the user deletes.
class CEditEx : public QLineEdit {
  Q_OBJECT

 public:
  explicit CEditEx(QWidget* parent = nullptr);

  QChar LastChar() const { return lastChar_; }
  bool LastKeyWasDelete() const { return lastKeyWasDelete_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QChar lastChar_;
  bool lastKeyWasDelete_ = false;
};
