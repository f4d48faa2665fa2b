#pragma once

#include <optional>

#include "health/register/insured_record.h"
#include "ui/c_record_form.h"
#include "ui/record_fields.h"

class CClient;
class CDateInput;
class CEditEx;
class Prompter;
class QComboBox;
class QLineEdit;

// The person a list hands to the liquidation form, as the list shows it.
struct ChosenPerson {
  QString cnp;
  QString nume;
  QString prenume;
  QString formText;  // "S - salariat"
  int intrare = 0;
  QString cas;  // five-character house code
};

// The liquidation form: the first digits of a CNP complete to an active person of the
// current company, and the employment ends on the typed date. Its result is that date.
class CLiquidateDialog : public CRecordFormOf<int> {
  Q_OBJECT

 public:
  // With a chosen person the CNP is fixed and the user types only the date.
  CLiquidateDialog(QWidget* parent, CClient& client, Prompter& prompter, const QString& denumire,
                   const QString& cf, const std::optional<ChosenPerson>& chosen = std::nullopt);

  // The person's fields, held in the form's field table.
  using Fields = PersonFields;

 protected:
  [[nodiscard]] std::optional<int> Save() override;
  void showEvent(QShowEvent* event) override;

 private:
  void BuildForm(const QString& denumire);
  void ShowPerson(const ChosenPerson& person);
  void OnCnpChanged(const QString& text);
  void FixChosenPerson();

  CClient& client_;
  Prompter& prompter_;
  const QString cf_;
  const bool chosen_;
  RecordFields<Fields> fields_;
  CEditEx* cnp_ = nullptr;
  QComboBox* house_ = nullptr;
  QLineEdit* form_ = nullptr;
  CDateInput* liquidation_ = nullptr;
  QString searched_;      // the CNP text the last search left, or the user deleted to
  bool filling_ = false;  // the form itself is writing the CNP: no search
  bool shown_ = false;
};
