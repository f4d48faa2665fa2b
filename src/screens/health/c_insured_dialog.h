#pragma once

#include "health/register/insured_record.h"
#include "ui/c_record_form.h"
#include "ui/record_fields.h"

class CClient;
class CDateInput;
class Prompter;
class QComboBox;

// The insured form: hires a person at the current company, or corrects one employment
// record, its liquidation included. It refuses a second active record of a CNP at the
// company and a re-hire dated on or before the last liquidation, and asks before hiring
// someone active elsewhere or registered as a co-insured dependant. Its result is the
// record as saved, for a list to mirror.
class CInsuredDialog : public CRecordFormOf<InsuredRecord> {
  Q_OBJECT

 public:
  // In modify mode the record with this INDEX is read at once.
  CInsuredDialog(QWidget* parent, CClient& client, Prompter& prompter, Mode mode,
                 const QString& denumire, const QString& cf, int index = 0);

  static QString LiquidationHint() {
    return QStringLiteral(
        "Daca doresti sa anulezi lichidarea, sterge campurile de la <Data lichidarii>");
  }

 protected:
  [[nodiscard]] std::optional<InsuredRecord> Save() override;

 private:
  void BuildForm(const QString& denumire);
  [[nodiscard]] bool Load();
  void ShowLiquidation(int date);
  InsuredFields ReadFields() const;
  // The checks that ask the register: an active record here, the last liquidation, an
  // active record elsewhere and a co-insured dependant, with their refusals and questions.
  [[nodiscard]] bool PassesRegisterChecks(const InsuredRecord& record, int hiring);

  CClient& client_;
  Prompter& prompter_;
  const QString cf_;
  const int index_;
  QString oldCnp_;  // the CNP the record had: its rows follow a corrected CNP
  RecordFields<InsuredFields> fields_;
  int group_ = 0;
  QComboBox* house_ = nullptr;
  QComboBox* form_ = nullptr;
  CDateInput* liquidation_ = nullptr;  // only for a record loaded liquidated
};
