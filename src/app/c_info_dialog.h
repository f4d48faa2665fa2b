#pragma once

#include <QDialog>

// "Informatii": what the program is, with links to the health-insurance house and to
// the publisher, and which register is open when it is on a server.
class CInfoDialog : public QDialog {
  Q_OBJECT

 public:
  // `registerNote`: a line about the register open (server, encryption); none when empty.
  explicit CInfoDialog(QWidget* parent = nullptr, const QString& registerNote = {});

  static QString HouseAddress() { return QStringLiteral("https://www.casmb.ro"); }
  static QString PublisherAddress() { return QStringLiteral("https://velka-asigurati.example.ro"); }
};
