#include "screens/leave/c_code_list_dialog.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "ui/modal.h"

CCodeListDialog::CCodeListDialog(QWidget* parent, const QString& text) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Lista codurilor de urgenta"));
  text_ = new QPlainTextEdit(this);
  text_->setObjectName(QStringLiteral("list"));
  text_->setReadOnly(true);
  text_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  // The lists end their lines with CR LF; the window shows one line per item.
  text_->setPlainText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text_);
  resize(640, 480);
}

void CCodeListDialog::Show(QWidget* parent, const QString& text) {
  CCodeListDialog window(parent, text);
  RunModal(window);
}

QString CCodeListDialog::Text() const { return text_->toPlainText(); }
