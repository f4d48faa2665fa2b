#pragma once

#include <QAbstractTableModel>
#include <QRgb>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <vector>

#include "store/cell_source.h"

// The rows and named columns behind every list of the screens. Everything is text; a
// column's kind only changes how a cell is drawn (see DisplayTextForKind). Widgets show it
// through CListViewEx; the store, the file engine and the tests use it directly.
//
// The rows may come from a CellSource (a file's records): their cells are asked of the source
// when they are read or shown, so a list of a million records holds no text per cell.
class ListModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  static constexpr int kMaxSortColumns = 64;
  // Role under which data() gives the stored (not display-formatted) cell text.
  static constexpr int kRawTextRole = Qt::UserRole + 1;

  struct Column {
    QString name;    // header text upper-cased when inserted
    QString type;    // "C" or "N"
    QString kind;    // "" or "1".."5"
    QString header;  // as shown
    int width = 100;
    bool rightAligned = false;
    bool ascending = false;  // direction of its last sort; a click on its header turns it over
    int sourceColumn = -1;   // the column of the row source it shows; -1 for the list's own
  };

  explicit ListModel(QObject* parent = nullptr);

  // --- columns
  int InsertColumn(int position, const QString& header, const QString& typeLetter = "C",
                   int width = 100);
  void DeleteAllColumns();
  int ColumnCount() const { return static_cast<int>(columns_.size()); }
  const Column& ColumnAt(int position) const { return columns_.at(position); }
  int FindColumn(const QString& name) const;
  void SetColumnWidth(const QString& name, int width);
  void SetColumnKind(const QString& name, const QString& kind);

  // --- rows
  void DeleteAllRows();
  void ReserveRows(int count);
  int AppendRow();               // an empty row at the end; returns its position
  void InsertRow(int position);  // an empty row before `position` (at the end past the last)
  void RemoveRow(int row);
  int RowCount() const { return static_cast<int>(rows_.size()); }
  // Removes the rows at these positions (ascending) in one step.
  void RemoveRows(const std::vector<int>& ascending);
  // Replaces the rows by one row per row of the source, which the list keeps: the first
  // columns (inserted before) show the source's columns in its order, their cells made when
  // asked for. Columns inserted later are the list's own. A row whose cell of a source
  // column is set becomes the list's own.
  void SetSourceRows(std::shared_ptr<const CellSource> source);

  // --- cells by position
  QString Cell(int row, int column) const;
  void SetCell(int row, int column, const QString& text);
  // Appends a whole row at once (the fast path of filling and reading files).
  void AppendRowCells(QStringList cells);
  // Appends many rows in one step, so an attached view lays itself out once.
  void AppendRows(std::vector<QStringList> rows);
  // Puts a whole row at this position (clamped to the rows there are); the rows from there
  // on move one down. Returns the position.
  int InsertRowCells(int position, QStringList cells);

  // --- cells by column name
  QString GetCellText(int row, const QString& name) const;
  double GetCellInteger(int row, const QString& name) const;
  // False when the list has no such column. Lists that fill cells of their own columns
  // may ignore it, so it is not [[nodiscard]].
  bool SetCellText(int row, const QString& name, const QString& text);
  bool SetCellInteger(int row, const QString& name, double number);
  void SetRowColor(int row, QRgb color);
  std::optional<QRgb> RowColor(int row) const;

  // --- sorting: a header click; with add set (Ctrl held) the column joins those chosen.
  void SortByHeaderClick(int column, bool add);
  // Columns of the last sort, most recently chosen last.
  const std::vector<int>& SortColumns() const { return sortColumns_; }

  // --- QAbstractTableModel
  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 signals:
  // The rows were re-sorted by a header click (the list tells its screen).
  void Resorted();
  // A column's width changed; views apply it.
  void ColumnWidthChanged(int column, int width);

 private:
  // A row of the source (record >= 0) keeps only the texts of the list's own columns, by
  // their order among those, and none until one is set; any other row keeps one text per
  // column.
  struct Row {
    QStringList cells;
    std::optional<QRgb> color;
    int record = -1;  // the source's row it shows
  };
  int ExactColumn(const QString& upperName) const;
  void SortRows();
  QString CellOf(const Row& row, int column) const;
  // The row's text of an own column, made room for; the row is the list's own or the
  // column is not the source's.
  QString& OwnCell(Row& row, int column);
  void MakeOwn(Row& row) const;
  void NumberOwnColumns();

  std::vector<Column> columns_;
  std::vector<Row> rows_;
  std::vector<int> sortColumns_;
  std::shared_ptr<const CellSource> source_;
  std::vector<int> ownSlots_;  // by column: its place among the own columns, -1 for the source's
  int ownColumns_ = 0;
};

// How a cell of the given column kind is drawn (dates, months, time stamps, amounts).
QString DisplayTextForKind(const QString& kind, const QString& text);
