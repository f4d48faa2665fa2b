#pragma once

#include <QDialog>

#include "health/company_fields.h"

class CClient;
class CEditEx;
class Prompter;
class QComboBox;
class QPushButton;
class QRadioButton;

// The company form: adds a company, or modifies one and moves its rows to a changed
// fiscal code. Shared by the health and the medical-leave screens.
class CCompanyDialog : public QDialog {
  Q_OBJECT

 public:
  enum class Mode { kAdd, kModify };

  // In modify mode the company with this INDEX is read at once.
  CCompanyDialog(QWidget* parent, CClient& client, Prompter& prompter, Mode mode, int index = 0);

  // Modify mode: false when the company could not be read; the form is then not shown.
  bool IsLoaded() const { return loaded_; }

  // The saved company, once the form closed with OK.
  const QString& Cf() const { return saved_.cf; }
  const QString& Denumire() const { return saved_.denumire; }
  int Index() const { return index_; }

  // Confirms the form: the checks, then the write (and the CUI move); closes only when all
  // of it succeeded, otherwise the typed values stay for the user to correct.
  void accept() override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // The fields with their length, case and digit rules.
  void CreateFields();
  // Captions, the address group and the buttons.
  void LayOutForm();
  CEditEx* AddField(const char* name, int maxLength);
  void ShowFields(const CompanyFields& company);
  CompanyFields ReadFields() const;
  bool Save(const CompanyFields& company);
  void OnCountyChosen(int position);

  CClient& client_;
  Prompter& prompter_;
  const Mode mode_;
  int index_;
  bool loaded_ = true;
  QString oldCf_;  // the fiscal code when the form was loaded, for the CUI move
  CompanyFields saved_;

  CEditEx* cf_ = nullptr;
  CEditEx* denumire_ = nullptr;
  CEditEx* regCom_ = nullptr;
  CEditEx* repr_ = nullptr;
  CEditEx* ziuaLic_ = nullptr;
  QRadioButton* sameMonth_ = nullptr;
  QRadioButton* nextMonth_ = nullptr;
  CEditEx* str_ = nullptr;
  CEditEx* nr_ = nullptr;
  CEditEx* bl_ = nullptr;
  CEditEx* sc_ = nullptr;
  CEditEx* et_ = nullptr;
  CEditEx* ap_ = nullptr;
  CEditEx* loc_ = nullptr;
  QComboBox* judet_ = nullptr;
  CEditEx* sect_ = nullptr;
  CEditEx* email_ = nullptr;
  CEditEx* tel_ = nullptr;
  CEditEx* b1_ = nullptr;
  CEditEx* f1_ = nullptr;
  CEditEx* c1_ = nullptr;
  QPushButton* ok_ = nullptr;
};
