#pragma once

#include <QTreeView>
#include <functional>

#include "store/list_model.h"

// Every list of the screens: a report-style list over a ListModel, with the named-column
// cell operations, hidden columns (width 0), row colours, display kinds and sorting by a
// click on a header (Ctrl adds the column to those already chosen).
class CListViewEx : public QTreeView {
  Q_OBJECT

 public:
  explicit CListViewEx(QWidget* parent = nullptr);

  ListModel& Model() { return model_; }
  const ListModel& Model() const { return model_; }

  // The named-column operations of the list, as the screens use them.
  int InsertColumn(int position, const QString& header, const QString& typeLetter = "C",
                   int width = 100) {
    return model_.InsertColumn(position, header, typeLetter, width);
  }
  QString GetCellText(int row, const QString& name) const { return model_.GetCellText(row, name); }
  double GetCellInteger(int row, const QString& name) const {
    return model_.GetCellInteger(row, name);
  }
  bool SetCellText(int row, const QString& name, const QString& text) {
    return model_.SetCellText(row, name, text);
  }
  bool SetCellInteger(int row, const QString& name, double number) {
    return model_.SetCellInteger(row, name, number);
  }
  void SetRowColor(int row, QRgb color) { model_.SetRowColor(row, color); }
  void SetColumnWidth(const QString& name, int width) { model_.SetColumnWidth(name, width); }
  int FindColumn(const QString& name) const { return model_.FindColumn(name); }
  void SetColumnKind(const QString& name, const QString& kind) { model_.SetColumnKind(name, kind); }
  int RowCount() const { return model_.RowCount(); }

  // The selected row, or -1.
  int SelectedRow() const;
  void SelectRow(int row);

  static QString EmptyListText() { return QStringLiteral("Nu exista date in aceasta lista"); }

  // A list of register records answers the history keys (kHistoryKey, kDeletedRecordsKey)
  // while it has the focus: the selected record's history, the table's deleted records.
  void SetRecordHistory(std::function<void()> history, std::function<void()> deleted);

 signals:
  // The rows were re-sorted by a header click.
  void Resorted();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void ApplyColumnWidths();
  void OnHeaderClicked(int column);

  ListModel model_;
  std::function<void()> history_;
  std::function<void()> deleted_;
};
