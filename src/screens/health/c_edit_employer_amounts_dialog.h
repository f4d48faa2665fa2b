#pragma once

#include <optional>

#include "health/amounts/amounts_record.h"
#include "ui/c_record_form.h"

class CClient;
class Prompter;
class QLineEdit;

// "Sume datorate de catre angajator": the fund of salaries of one company in the report
// month and the employer's contribution owed and paid. Owed and paid follow the fund the
// user types, at the month's employer rate, and can then be typed over.
class CEditEmployerAmountsDialog : public CRecordFormOf<EmployerAmounts> {
  Q_OBJECT

 public:
  // The amounts as stored (with the INDEX of their row in idSuma), or nothing when the user
  // left without saving.
  [[nodiscard]] static std::optional<EmployerAmounts> Modify(QWidget* parent, CClient& client,
                                                             Prompter& prompter, int month,
                                                             const QString& companyName,
                                                             const EmployerAmounts& amounts);

  CEditEmployerAmountsDialog(QWidget* parent, CClient& client, Prompter& prompter, int month,
                             const QString& companyName, const EmployerAmounts& amounts);

 protected:
  std::optional<EmployerAmounts> Save() override;

 private:
  CClient& client_;
  Prompter& prompter_;
  const int month_;
  EmployerAmounts amounts_;
  const double rate_;
  QLineEdit* fund_ = nullptr;
  QLineEdit* owed_ = nullptr;
  QLineEdit* paid_ = nullptr;
};
