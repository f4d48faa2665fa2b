#pragma once

#include <QDialog>
#include <optional>

#include "health/annexes/annex_save.h"

class QRadioButton;

// "Selecteaza forma denumirii fisierelor": the legal names or the names by house, each radio
// with the three names the files get. The names by house are chosen when the form opens.
class CReportNamingDialog : public QDialog {
  Q_OBJECT

 public:
  // Shows the form modally; nothing when the user leaves it with "[ESC]   Renunta".
  static std::optional<NamingForm> Choose(QWidget* parent, const NamingChoice& names);

  CReportNamingDialog(QWidget* parent, const NamingChoice& names);

  NamingForm Chosen() const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QRadioButton* legal_ = nullptr;
  QRadioButton* byHouse_ = nullptr;
};
