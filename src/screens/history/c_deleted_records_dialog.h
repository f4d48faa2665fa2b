#pragma once

#include <QDialog>
#include <optional>

#include "history/history_tables.h"
#include "store/record_history.h"

class CClient;
class CListViewEx;
class Prompter;

// "Inregistrari sterse": the rows of one table deleted and not put back since, the latest
// delete first, with the time of the delete. "[F5]   Recupereaza" puts the selected row back
// with its index, after the rules of its form.
class CDeletedRecordsDialog : public QDialog {
  Q_OBJECT

 public:
  // `condition` selects the rows shown (SQL on the audit copy, as z; empty: all).
  CDeletedRecordsDialog(QWidget* parent, CClient& client, Prompter& prompter,
                        const HistoryTable& table, QString condition);

  // Shows the window modally; true when a row was recovered.
  static bool Open(QWidget* parent, CClient& client, Prompter& prompter, const HistoryTable& table,
                   const QString& condition);

  bool IsLoaded() const { return rows_.has_value(); }
  bool Recovered() const { return recovered_; }
  CListViewEx& Rows() { return *list_; }

  // F5: the selected row back, after the user's word.
  void RecoverSelectedRow();

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  [[nodiscard]] bool Load();

  CClient& client_;
  Prompter& prompter_;
  const HistoryTable& table_;
  const QString condition_;
  std::optional<DeletedRows> rows_;
  bool recovered_ = false;
  CListViewEx* list_ = nullptr;
};
