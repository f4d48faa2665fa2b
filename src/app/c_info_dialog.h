#pragma once

#include <QDialog>

// "Informatii": what the program is, with links to the health-insurance house and to
// the publisher.
class CInfoDialog : public QDialog {
  Q_OBJECT

 public:
  explicit CInfoDialog(QWidget* parent = nullptr);

  static QString HouseAddress() { return QStringLiteral("https://www.casmb.ro"); }
  static QString PublisherAddress() { return QStringLiteral("https://velka-asigurati.example.ro"); }
};
