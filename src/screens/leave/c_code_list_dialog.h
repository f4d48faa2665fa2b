#pragma once

#include <QDialog>

class QPlainTextEdit;

// The read-only window "Lista codurilor de urgenta" with one of the fixed code lists the
// certificate form's "lista" buttons show.
class CCodeListDialog : public QDialog {
  Q_OBJECT

 public:
  CCodeListDialog(QWidget* parent, const QString& text);

  // Shows the window modally over the form.
  static void Show(QWidget* parent, const QString& text);

  QString Text() const;

 private:
  QPlainTextEdit* text_ = nullptr;
};
