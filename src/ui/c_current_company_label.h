#pragma once

#include <QLabel>

// The current company of a panel, green on black: its name, or a line saying that none is
// selected.
class CCurrentCompanyLabel : public QLabel {
  Q_OBJECT

 public:
  explicit CCurrentCompanyLabel(QWidget* parent = nullptr);

  static QString NoCompanyText() { return QStringLiteral("   --  nici o societate selectata --"); }

  void ShowCompany(const QString& denumire) { setText(denumire); }
  void ShowNoCompany() { setText(NoCompanyText()); }
};
