#pragma once

#include <optional>

#include "health/amounts/amounts_record.h"
#include "ui/c_record_form.h"

class CClient;
class Prompter;
class QLineEdit;

// "Modifica sumele": the salary, owed and paid of one employee in the report month. Owed
// and paid follow the salary the user types, at the month's rate, and can then be typed
// over. The month's first amounts are inserted; amounts already recorded are updated.
class CEditEmployeeAmountsDialog : public CRecordFormOf<EmployeeAmounts> {
  Q_OBJECT

 public:
  // The amounts as stored, or nothing when the user left without saving.
  [[nodiscard]] static std::optional<EmployeeAmounts> Modify(QWidget* parent, CClient& client,
                                                             Prompter& prompter, int month,
                                                             const QString& companyName,
                                                             const QString& cf,
                                                             const EmployeeRow& employee);

  CEditEmployeeAmountsDialog(QWidget* parent, CClient& client, Prompter& prompter, int month,
                             const QString& companyName, const QString& cf,
                             const EmployeeRow& employee);

 protected:
  std::optional<EmployeeAmounts> Save() override;

 private:
  void BuildPerson(int group, const QString& companyName);
  void BuildAmounts(int group);

  CClient& client_;
  Prompter& prompter_;
  const int month_;
  const QString cf_;
  const EmployeeRow employee_;
  const double rate_;
  QLineEdit* salary_ = nullptr;
  QLineEdit* owed_ = nullptr;
  QLineEdit* paid_ = nullptr;
};
