#pragma once

#include <optional>

#include "companies/company_record.h"
#include "ui/c_record_form.h"
#include "ui/record_fields.h"

class CClient;
class CEditEx;
class Prompter;
class QComboBox;
class QRadioButton;

// The company form: adds a company, or modifies one and moves its rows to a changed
// fiscal code. Shared by the health and the medical-leave screens.
class CCompanyDialog : public CRecordFormOf<CompanyRecord> {
  Q_OBJECT

 public:
  using Mode = CRecordForm::Mode;

  // The form in add mode; the stored company (with its new INDEX), or nothing when the user
  // left without saving.
  [[nodiscard]] static std::optional<CompanyRecord> Add(QWidget* parent, CClient& client,
                                                        Prompter& prompter);
  // The form on the company with this INDEX; the company as stored, or nothing when the
  // user left without saving or the company could not be read.
  [[nodiscard]] static std::optional<CompanyRecord> Modify(QWidget* parent, CClient& client,
                                                           Prompter& prompter, int index);

  // In modify mode the company with this INDEX is read at once.
  CCompanyDialog(QWidget* parent, CClient& client, Prompter& prompter, Mode mode, int index = 0);

 protected:
  // The checks, then the write (and the CUI move).
  std::optional<CompanyRecord> Save() override;

 private:
  void BuildOwnFields(const std::vector<int>& groups);
  void ShowRecord(const CompanyRecord& company);
  CompanyRecord ReadRecord() const;
  void OnCountyChosen(int position);

  CClient& client_;
  Prompter& prompter_;
  RecordFields<CompanyRecord> fields_;
  int index_;
  QString oldCf_;  // the fiscal code when the form was loaded, for the CUI move

  QRadioButton* sameMonth_ = nullptr;
  QRadioButton* nextMonth_ = nullptr;
  QComboBox* judet_ = nullptr;
  CEditEx* sect_ = nullptr;
};
