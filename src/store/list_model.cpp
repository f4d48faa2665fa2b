#include "store/list_model.h"

#include <QBrush>
#include <QColor>
#include <algorithm>

#include "common/number_texts.h"

ListModel::ListModel(QObject* parent) : QAbstractTableModel(parent) {}

int ListModel::InsertColumn(int position, const QString& header, const QString& typeLetter,
                            int width) {
  position = std::clamp(position, 0, ColumnCount());
  beginResetModel();
  Column column;
  column.name = header.toUpper();
  column.type = typeLetter;
  column.header = header;
  column.width = width;
  column.rightAligned = typeLetter == QLatin1String("N");
  columns_.insert(columns_.begin() + position, column);
  NumberOwnColumns();
  const int slot = ownSlots_[position];
  for (Row& row : rows_) {
    if (row.record < 0) {
      row.cells.insert(position, QString());
    } else if (!row.cells.isEmpty()) {
      row.cells.insert(slot, QString());
    }
  }
  sortColumns_.clear();
  endResetModel();
  return position;
}

void ListModel::DeleteAllColumns() {
  beginResetModel();
  columns_.clear();
  NumberOwnColumns();
  for (Row& row : rows_) row.cells.clear();
  // No column shows the source any more: its rows are left with own cells only.
  source_.reset();
  sortColumns_.clear();
  endResetModel();
}

void ListModel::NumberOwnColumns() {
  ownSlots_.assign(columns_.size(), -1);
  ownColumns_ = 0;
  for (std::size_t column = 0; column < columns_.size(); ++column) {
    if (columns_[column].sourceColumn < 0) ownSlots_[column] = ownColumns_++;
  }
}

int ListModel::ExactColumn(const QString& upperName) const {
  for (int i = 0; i < ColumnCount(); ++i) {
    if (columns_[i].name == upperName) return i;
  }
  return -1;
}

int ListModel::FindColumn(const QString& name) const {
  const QString wanted = name.toUpper();
  for (int i = 0; i < ColumnCount(); ++i) {
    if (columns_[i].name.trimmed() == wanted) return i;
  }
  return -1;
}

void ListModel::SetColumnWidth(const QString& name, int width) {
  const int column = FindColumn(name);
  if (column < 0) return;
  columns_[column].width = width;
  emit ColumnWidthChanged(column, width);
}

void ListModel::SetColumnKind(const QString& name, const QString& kind) {
  const int column = FindColumn(name);
  if (column < 0) return;
  Column& c = columns_[column];
  c.kind = kind;
  const int number = kind.toInt();
  c.rightAligned = number >= 1 && number <= 5;
  if (c.rightAligned) c.type = QStringLiteral("N");
  emit headerDataChanged(Qt::Horizontal, column, column);
  if (!rows_.empty()) emit dataChanged(index(0, column), index(RowCount() - 1, column));
}

void ListModel::DeleteAllRows() {
  source_.reset();
  if (rows_.empty()) return;
  beginResetModel();
  rows_.clear();
  endResetModel();
}

void ListModel::SetSourceRows(std::shared_ptr<const CellSource> source) {
  beginResetModel();
  rows_.clear();
  const int shown = source ? std::min(source->ColumnCount(), ColumnCount()) : 0;
  for (int column = 0; column < ColumnCount(); ++column) {
    columns_[column].sourceColumn = column < shown ? column : -1;
  }
  NumberOwnColumns();
  if (source) {
    rows_.resize(source->RowCount());
    for (int row = 0; row < RowCount(); ++row) rows_[row].record = row;
  }
  source_ = std::move(source);
  endResetModel();
}

void ListModel::RemoveRows(const std::vector<int>& ascending) {
  if (ascending.empty()) return;
  beginResetModel();
  auto next = ascending.begin();
  std::size_t kept = 0;
  for (std::size_t row = 0; row < rows_.size(); ++row) {
    while (next != ascending.end() && *next < static_cast<int>(row)) ++next;  // told twice
    if (next != ascending.end() && *next == static_cast<int>(row)) continue;
    if (kept != row) rows_[kept] = std::move(rows_[row]);
    ++kept;
  }
  rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(kept), rows_.end());
  endResetModel();
}

void ListModel::ReserveRows(int count) { rows_.reserve(rows_.size() + std::max(0, count)); }

int ListModel::AppendRow() {
  QStringList cells;
  cells.resize(ColumnCount());
  AppendRowCells(std::move(cells));
  return RowCount() - 1;
}

void ListModel::AppendRowCells(QStringList cells) {
  cells.resize(ColumnCount());
  const int row = RowCount();
  beginInsertRows({}, row, row);
  rows_.push_back(Row{std::move(cells), std::nullopt});
  endInsertRows();
}

void ListModel::AppendRows(std::vector<QStringList> rows) {
  if (rows.empty()) return;
  const int first = RowCount();
  beginInsertRows({}, first, first + static_cast<int>(rows.size()) - 1);
  rows_.reserve(rows_.size() + rows.size());
  for (QStringList& cells : rows) {
    cells.resize(ColumnCount());
    rows_.push_back(Row{std::move(cells), std::nullopt});
  }
  endInsertRows();
}

int ListModel::InsertRowCells(int position, QStringList cells) {
  position = std::clamp(position, 0, RowCount());
  cells.resize(ColumnCount());
  beginInsertRows({}, position, position);
  rows_.insert(rows_.begin() + position, Row{std::move(cells), std::nullopt});
  endInsertRows();
  return position;
}

void ListModel::InsertRow(int position) { InsertRowCells(position, {}); }

void ListModel::RemoveRow(int row) {
  if (row < 0 || row >= RowCount()) return;
  beginRemoveRows({}, row, row);
  rows_.erase(rows_.begin() + row);
  endRemoveRows();
}

QString ListModel::Cell(int row, int column) const {
  if (row < 0 || row >= RowCount() || column < 0 || column >= ColumnCount()) return {};
  return CellOf(rows_[row], column);
}

QString ListModel::CellOf(const Row& row, int column) const {
  if (row.record < 0) return row.cells.at(column);
  const int sourceColumn = columns_[column].sourceColumn;
  if (sourceColumn >= 0) return source_->Cell(row.record, sourceColumn);
  return row.cells.value(ownSlots_[column]);
}

QString& ListModel::OwnCell(Row& row, int column) {
  if (row.record < 0) return row.cells[column];
  if (row.cells.isEmpty()) row.cells.resize(ownColumns_);
  return row.cells[ownSlots_[column]];
}

void ListModel::MakeOwn(Row& row) const {
  QStringList cells;
  cells.reserve(ColumnCount());
  for (int column = 0; column < ColumnCount(); ++column) cells.append(CellOf(row, column));
  row.cells = std::move(cells);
  row.record = -1;
}

void ListModel::SetCell(int row, int column, const QString& text) {
  if (row < 0 || row >= RowCount() || column < 0 || column >= ColumnCount()) return;
  Row& target = rows_[row];
  if (target.record >= 0 && columns_[column].sourceColumn >= 0) MakeOwn(target);
  OwnCell(target, column) = text;
  emit dataChanged(index(row, column), index(row, column));
}

QString ListModel::GetCellText(int row, const QString& name) const {
  const int column = FindColumn(name);
  if (column < 0) return {};
  return Cell(row, column).trimmed();
}

double ListModel::GetCellInteger(int row, const QString& name) const {
  const int column = FindColumn(name);
  if (column < 0) return 0;
  return static_cast<double>(LeadingInteger(Cell(row, column).trimmed()));
}

bool ListModel::SetCellText(int row, const QString& name, const QString& text) {
  const int column = ExactColumn(name.toUpper());
  if (column < 0) return false;
  SetCell(row, column, text);
  return true;
}

bool ListModel::SetCellInteger(int row, const QString& name, double number) {
  const int column = ExactColumn(name.toUpper());
  if (column < 0) return false;
  SetCell(row, column, FormatInteger(number));
  return true;
}

void ListModel::SetRowColor(int row, QRgb color) {
  if (row < 0 || row >= RowCount()) return;
  rows_[row].color = color;
  // A row without cells has nothing to redraw, and no index to name it by.
  if (ColumnCount() > 0) emit dataChanged(index(row, 0), index(row, ColumnCount() - 1));
}

std::optional<QRgb> ListModel::RowColor(int row) const {
  if (row < 0 || row >= RowCount()) return std::nullopt;
  return rows_[row].color;
}

void ListModel::SortByHeaderClick(int column, bool add) {
  if (column < 0 || column >= ColumnCount()) return;
  if (!add) {
    sortColumns_.assign(1, column);
  } else if (std::find(sortColumns_.begin(), sortColumns_.end(), column) == sortColumns_.end()) {
    if (static_cast<int>(sortColumns_.size()) >= kMaxSortColumns) return;
    sortColumns_.push_back(column);
  }
  columns_[column].ascending = !columns_[column].ascending;
  SortRows();
  emit headerDataChanged(Qt::Horizontal, 0, ColumnCount() - 1);
  emit Resorted();
}

void ListModel::SortRows() {
  emit layoutAboutToBeChanged();
  const int count = RowCount();
  std::vector<int> order(count);
  for (int i = 0; i < count; ++i) order[i] = i;
  // One stable pass per chosen column, the most recently chosen first, so that the first
  // chosen column ends up deciding the order and the later ones break its ties.
  for (auto it = sortColumns_.rbegin(); it != sortColumns_.rend(); ++it) {
    const int column = *it;
    const bool ascending = columns_[column].ascending;
    const bool numeric = columns_[column].type == QLatin1String("N");
    // Each cell made once, not at every comparison: a source's cells are decoded on demand.
    std::vector<double> numbers;
    std::vector<QString> texts;
    if (numeric) {
      numbers.resize(count);
      for (int i = 0; i < count; ++i) numbers[i] = LeadingDecimal(CellOf(rows_[i], column));
    } else {
      texts.resize(count);
      for (int i = 0; i < count; ++i) texts[i] = CellOf(rows_[i], column);
    }
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
      if (!ascending) std::swap(a, b);
      if (numeric) return numbers[a] < numbers[b];
      return QString::compare(texts[a], texts[b], Qt::CaseInsensitive) < 0;
    });
  }
  std::vector<Row> sorted;
  sorted.reserve(count);
  std::vector<int> newPosition(count);
  for (int k = 0; k < count; ++k) {
    sorted.push_back(std::move(rows_[order[k]]));
    newPosition[order[k]] = k;
  }
  rows_ = std::move(sorted);
  // Keep the selection on the same rows, as the user expects after a sort.
  const QModelIndexList from = persistentIndexList();
  QModelIndexList to;
  to.reserve(from.size());
  for (const QModelIndex& old : from) to.append(index(newPosition[old.row()], old.column()));
  changePersistentIndexList(from, to);
  emit layoutChanged();
}

int ListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : RowCount();
}

int ListModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : ColumnCount();
}

QVariant ListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const int row = index.row();
  const int column = index.column();
  switch (role) {
    case Qt::DisplayRole:
      return DisplayTextForKind(columns_[column].kind, Cell(row, column));
    case kRawTextRole:
      return Cell(row, column);
    case Qt::ForegroundRole:
      if (const auto color = rows_[row].color) return QBrush(QColor::fromRgb(*color));
      return {};
    case Qt::TextAlignmentRole:
      return QVariant::fromValue(Qt::AlignVCenter |
                                 (columns_[column].rightAligned ? Qt::AlignRight : Qt::AlignLeft));
    default:
      return {};
  }
}

QVariant ListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount()) return {};
  if (role == Qt::DisplayRole) return columns_[section].header;
  if (role == Qt::TextAlignmentRole) {
    return QVariant::fromValue(Qt::AlignVCenter |
                               (columns_[section].rightAligned ? Qt::AlignRight : Qt::AlignLeft));
  }
  return {};
}
