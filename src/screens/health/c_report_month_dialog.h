#pragma once

#include <optional>

#include "ui/c_record_form.h"

class Prompter;
class QLineEdit;

// Step 1 of the report wizard: the month the reports are made for, typed as month and year.
// Returns the month as the number 200906.
class CReportMonthDialog : public CRecordFormOf<int> {
  Q_OBJECT

 public:
  // The form shows `month` when one is chosen already (not 0). The month saved, or nothing
  // when the user cancelled.
  [[nodiscard]] static std::optional<int> Choose(QWidget* parent, Prompter& prompter, int month);

  CReportMonthDialog(QWidget* parent, Prompter& prompter, int month);

 protected:
  std::optional<int> Save() override;

 private:
  Prompter& prompter_;
  QLineEdit* month_ = nullptr;
  QLineEdit* year_ = nullptr;
};
