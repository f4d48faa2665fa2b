#pragma once

#include <vector>

#include "health/register/change_rules.h"
#include "health/register/change_store.h"
#include "ui/c_record_form.h"
#include "ui/record_fields.h"

class CClient;
class CDateInput;
class Prompter;
class QComboBox;

// What the two change forms share: the record shown read-only, "In data:", the list of new
// values, the notice of the two records to come, and the save that closes the record the
// day before the change and opens a new one from the change date. Its result is the
// written pair, for the list to mirror.
class CChangeDialog : public CRecordFormOf<ChangedRecord> {
  Q_OBJECT

 public:
  // The person's fields, held in the form's field table.
  using Fields = PersonFields;

 protected:
  // `record` is the active employment record as stored (its FORMA code too).
  CChangeDialog(QWidget* parent, CClient& client, Prompter& prompter, ChangeKind kind,
                const QString& denumire, const InsuredRecord& record);

  [[nodiscard]] std::optional<ChangedRecord> Save() override;

 private:
  void BuildForm(const QString& denumire);
  void AddNotice(int group);

  CClient& client_;
  Prompter& prompter_;
  const ChangeKind kind_;
  const InsuredRecord record_;
  const std::vector<ChangeChoice> choices_;
  RecordFields<Fields> fields_;
  CDateInput* date_ = nullptr;
  QComboBox* choice_ = nullptr;
};

// "Modifica forma de angajare": the entry record keeps the house and takes the new form.
class CChangeFormDialog : public CChangeDialog {
  Q_OBJECT

 public:
  CChangeFormDialog(QWidget* parent, CClient& client, Prompter& prompter, const QString& denumire,
                    const InsuredRecord& record)
      : CChangeDialog(parent, client, prompter, ChangeKind::kForm, denumire, record) {}
};

// "Schimba casa de asigurare": the entry record keeps the form and takes the new house.
class CChangeHouseDialog : public CChangeDialog {
  Q_OBJECT

 public:
  CChangeHouseDialog(QWidget* parent, CClient& client, Prompter& prompter, const QString& denumire,
                     const InsuredRecord& record)
      : CChangeDialog(parent, client, prompter, ChangeKind::kHouse, denumire, record) {}
};
