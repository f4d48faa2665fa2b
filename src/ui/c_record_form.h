#pragma once

#include <QDialog>
#include <optional>
#include <vector>

#include "ui/modal.h"

class QGridLayout;
class QPushButton;
class QVBoxLayout;

// What every add/modify form of the register shares: its mode, the OK button with its key
// (F5 "Adauga" to add, F6 "Modifica" to modify, unless the form names its own), "[ESC]
// Renunta", Enter that confirms only where the form says so, and accept, which closes the
// form only when the form's save succeeded; otherwise the typed values stay to be corrected.
// A form gives its fields, in groups with one label column each, and its save.
class CRecordForm : public QDialog {
  Q_OBJECT

 public:
  enum class Mode { kAdd, kModify };

  CRecordForm(QWidget* parent, Mode mode, const QString& title);

  Mode FormMode() const { return mode_; }
  // Modify mode: false when the record could not be read; the form is then not shown.
  bool IsLoaded() const { return loaded_; }

  // The confirming key of a form whose key is not F5/F6: F2, F4, F6, F8 or F9, with the
  // button's caption ("Salveaza") and whether Enter confirms as well.
  void SetOkKey(Qt::Key key, const QString& caption, bool enterConfirms = false);

  // A group of rows with its own label column, framed when it has a title. Returns its
  // number for AddRow.
  int AddGroup(const QString& title = {});
  // A caption and its field on the next row of the group, with an optional hint after it.
  void AddRow(int group, const QString& caption, QWidget& field, QWidget* hint = nullptr);
  // A row without a caption, under the fields of the group.
  void AddRow(int group, QLayout& row);

  void accept() override;

 protected:
  void SetLoaded(bool loaded) { loaded_ = loaded; }
  // Checks and writes the record; false (after telling the user why) keeps the form open.
  [[nodiscard]] virtual bool SaveRecord() = 0;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  const Mode mode_;
  bool loaded_ = true;
  Qt::Key okKey_;
  bool enterConfirms_ = false;
  QPushButton* ok_ = nullptr;
  QVBoxLayout* groups_ = nullptr;
  std::vector<QGridLayout*> grids_;
};

// A form that returns the record it saved.
template <class Record>
class CRecordFormOf : public CRecordForm {
 public:
  using CRecordForm::CRecordForm;

  // Shows the form modally; the saved record, or nothing when the user cancelled (or, in
  // modify mode, when the record could not be read).
  [[nodiscard]] std::optional<Record> Run() {
    if (!IsLoaded() || RunModal(*this) != QDialog::Accepted) return std::nullopt;
    return saved_;
  }
  const std::optional<Record>& Saved() const { return saved_; }

 protected:
  // The form's save: the record as stored, or nothing after a refusal or a failure (shown).
  [[nodiscard]] virtual std::optional<Record> Save() = 0;

 private:
  bool SaveRecord() final {
    std::optional<Record> saved = Save();
    if (!saved) return false;
    saved_ = std::move(saved);
    return true;
  }

  std::optional<Record> saved_;
};
