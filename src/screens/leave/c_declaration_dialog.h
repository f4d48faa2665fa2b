#pragma once

#include <optional>
#include <vector>

#include "leave/declarations/declaration_store.h"
#include "leave/replay/declaration_figures.h"
#include "ui/c_record_form.h"

class CClient;
class Prompter;
class QLabel;
class QLineEdit;

// The form of one monthly declaration: adds the company's next declaration of a month (its
// initial one, or the next rectification), or changes the figures of one. Base, F, H and I
// follow what the user types.
class CDeclarationDialog : public CRecordFormOf<SavedDeclaration> {
  Q_OBJECT

 public:
  // The form in add mode for the company; the stored declaration, or nothing.
  [[nodiscard]] static std::optional<SavedDeclaration> Add(QWidget* parent, CClient& client,
                                                           Prompter& prompter, const QString& cf);
  // The form on the declaration with this index; the declaration as stored, or nothing when
  // the user left without saving or it could not be read.
  [[nodiscard]] static std::optional<SavedDeclaration> Modify(QWidget* parent, CClient& client,
                                                              Prompter& prompter, qint64 index);

  // In add mode `cf` is the company's; in modify mode the declaration is read at once.
  CDeclarationDialog(QWidget* parent, CClient& client, Prompter& prompter, Mode mode,
                     const QString& cf, qint64 index = 0);

 protected:
  std::optional<SavedDeclaration> Save() override;

 private:
  void BuildForm();
  void BuildFootnotes();
  void Load();
  DeclarationFormValues ReadValues() const;
  void ShowValue(QString DeclarationFormValues::*member, const QString& text);
  void ShowKind(const std::optional<DeclarationKind>& kind);
  // The user changed the month, the year, D, the minimum wage or the salary fund.
  void RecalculateContributions();
  // The user changed G.
  void RecalculateFaambp();

  CClient& client_;
  Prompter& prompter_;
  QString cf_;
  const qint64 index_;
  QString number_;  // the rectification number; "0" for an initial declaration being modified
  std::vector<QLineEdit*> inputs_;  // by position in the form's field table
  QLineEdit* month_ = nullptr;
  QLineEdit* year_ = nullptr;
  QLineEdit* type_ = nullptr;
  QLabel* rate_ = nullptr;
};
