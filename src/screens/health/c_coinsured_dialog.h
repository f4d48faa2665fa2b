#pragma once

#include <array>
#include <optional>

#include "health/register/coinsured_record.h"
#include "health/register/insured_record.h"
#include "ui/c_record_form.h"
#include "ui/record_fields.h"

class CClient;
class CEditEx;
class Prompter;
class QComboBox;
class QLineEdit;

// The co-insured form: adds a spouse or parent to an active insured person of the current
// company, or corrects one. The insured person is given by the list (read-only) or found by
// typing the first characters of a CNP or of the names. It refuses a dependant already under
// an active insured person and asks before adding an active insured person as dependant.
// Its result is the dependant as saved, for the list to mirror.
class CCoinsuredDialog : public CRecordFormOf<DependantRecord> {
  Q_OBJECT

 public:
  // `insured`: the person chosen in the list; nothing to find one by typing. `dependant`:
  // in modify mode the row being corrected (its INDEX, CNP, names and type).
  CCoinsuredDialog(QWidget* parent, CClient& client, Prompter& prompter, Mode mode,
                   const QString& denumire, const QString& cf,
                   const std::optional<InsuredRecord>& insured,
                   const DependantRecord& dependant = {});

  static QString Footnote() {
    return QStringLiteral(
        "* coasigurati pot fi DOAR sot/sotie si parinti (copiii sau fratii NU POT FI "
        "coasigurati)");
  }

  // The insured person's fields and the dependant's, each held in its own field table.
  using InsuredFields = PersonFields;
  struct DependantFields {
    QString cnp;
    QString nume;
    QString prenume;
  };

 protected:
  [[nodiscard]] std::optional<DependantRecord> Save() override;
  void showEvent(QShowEvent* event) override;

 private:
  enum SearchField { kByCnp, kByNume, kByPrenume };

  void BuildForm(const QString& denumire);
  void ShowInsured(const InsuredRecord& record);
  void OnInsuredTyped(SearchField field, const QString& text);
  void EmptyAround(SearchField field);
  void FocusDependantCnp();
  [[nodiscard]] bool PassesRegisterChecks(const DependantRecord& record);

  CClient& client_;
  Prompter& prompter_;
  const QString cf_;
  const bool given_;
  const int index_;
  RecordFields<InsuredFields> insuredFields_;
  RecordFields<DependantFields> dependantFields_;
  std::array<CEditEx*, 3> search_{};
  std::array<QString, 3> searched_;  // per field: the text the last search left or deleted to
  QLineEdit* form_ = nullptr;
  QComboBox* tip_ = nullptr;
  bool filling_ = false;  // the form itself writes the person's fields: no search
  bool shown_ = false;
};
