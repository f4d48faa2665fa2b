#pragma once

#include <QDialog>
#include <optional>

#include "health/register/coinsured_record.h"
#include "health/register/insured_list_rules.h"
#include "health/register/insured_record.h"

class CClient;
class CListViewEx;
class Prompter;
class QVBoxLayout;

// "Vizualizarea listei de asigurati": one company's employment records under the panel's
// filter, liquidated ones in red, with the selected person's co-insured dependants below.
// From it records are corrected, liquidated, changed, deleted, and dependants added,
// corrected and removed. Every change is mirrored into the rows without a reload: a row
// that no longer matches the filter stays until the list is opened again.
class CInsuredListDialog : public QDialog {
  Q_OBJECT

 public:
  CInsuredListDialog(QWidget* parent, CClient& client, Prompter& prompter, const QString& denumire,
                     const QString& cf, int filter);

  // False when the records could not be read: the screen is then not shown.
  bool IsLoaded() const { return loaded_; }

  static QString Title() { return QStringLiteral("Vizualizarea listei de asigurati"); }
  static constexpr QRgb kLiquidatedColor = qRgb(255, 0, 0);
  static constexpr QRgb kActiveColor = qRgb(0, 0, 0);

  CListViewEx& InsuredView() { return *insured_; }
  CListViewEx& DependantsView() { return *dependants_; }

  // Runs an action as its button or key does.
  void Run(ListAction action);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void BuildWindow(const QString& denumire, int filter);
  QVBoxLayout* BuildButtons();
  QVBoxLayout* BuildFootnotes();
  void Load(int filter);
  // The history keys of both lists; after a restore or a recovery the lists are read again.
  void AttachHistory();
  void ReloadAfterHistory();
  void ColourRow(int row);
  void OnInsuredSelectionChanged();
  // Makes the next selection change be handled whatever row it lands on: after a row left
  // the list, the same position holds another person.
  void ForgetHandledRow() { handledRow_ = kNoRowHandled; }
  void ReloadDependants();
  InsuredRecord RecordAt(int row) const;
  DependantRecord DependantAt(int row) const;
  void ShowRecord(int row, const InsuredRecord& record);
  void RemoveAndSelectNext(CListViewEx& list, int row);

  void ModifyInsured(int row);
  void Liquidate(int row);
  void Change(int row, bool house);
  void DeleteRecord(int row);
  void AddDependant(int row);
  void ModifyDependant(int row, int dependant);
  void DeleteDependant(int dependant);

  static constexpr int kNoRowHandled = -2;

  CClient& client_;
  Prompter& prompter_;
  const QString denumire_;
  const QString cf_;
  bool loaded_ = false;
  int filter_ = 0;
  CListViewEx* insured_ = nullptr;
  CListViewEx* dependants_ = nullptr;
  int handledRow_ = -1;
};
