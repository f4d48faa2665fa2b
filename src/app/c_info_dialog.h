#pragma once

#include <QDialog>

// "Informatii": what the program is, its version, where its register is, its licence, the
// house's address and the way to the user manual.
class CInfoDialog : public QDialog {
  Q_OBJECT

 public:
  // `registerPlace`: the data folder or the server of the register open; no line when empty.
  CInfoDialog(QWidget* parent, const QString& version, const QString& registerPlace);

  static QString HouseAddress() { return QStringLiteral("https://www.casmb.ro"); }
  static QString Licence() { return QStringLiteral("Licenta: GNU GPL versiunea 2 sau mai noua"); }
};
