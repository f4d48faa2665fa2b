#pragma once

#include <QDialog>
#include <optional>

#include "history/history_tables.h"
#include "store/record_history.h"

class CClient;
class CListViewEx;
class Prompter;
class QLabel;
class QTableWidget;

// "Istoricul inregistrarii": the versions of one register row, newest first, each with the
// time it was written; below, the fields of the selected version, those it changed marked.
// "[F6]   Restaureaza aceasta versiune" writes the selected version back after the rules of
// the row's form.
class CRecordHistoryDialog : public QDialog {
  Q_OBJECT

 public:
  CRecordHistoryDialog(QWidget* parent, CClient& client, Prompter& prompter,
                       const HistoryTable& table, qint64 index);

  // Shows the history of the row modally; true when a version was restored.
  static bool Open(QWidget* parent, CClient& client, Prompter& prompter, const HistoryTable& table,
                   qint64 index);

  bool IsLoaded() const { return history_.has_value(); }
  bool Restored() const { return restored_; }
  CListViewEx& Versions() { return *versions_; }
  QTableWidget& Fields() { return *fields_; }

  // F6: the selected version back over the row, after the user's word.
  void RestoreSelectedVersion();

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  [[nodiscard]] bool Load();
  void ShowFields(int row);

  CClient& client_;
  Prompter& prompter_;
  const HistoryTable& table_;
  const qint64 index_;
  std::optional<RecordHistory> history_;
  bool restored_ = false;
  QLabel* heading_ = nullptr;
  CListViewEx* versions_ = nullptr;
  QTableWidget* fields_ = nullptr;
};
