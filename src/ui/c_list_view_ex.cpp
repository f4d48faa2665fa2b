#include "ui/c_list_view_ex.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>

#include "ui/function_keys.h"

CListViewEx::CListViewEx(QWidget* parent) : QTreeView(parent) {
  // The lists' column widths are pixels chosen for an 8-point face: a CNP's 13 digits fill a
  // 100-pixel column. The larger default face of the desktop would cut them off.
  QFont listFont = font();
  listFont.setPointSize(8);
  setFont(listFont);
  setModel(&model_);
  setRootIsDecorated(false);
  setItemsExpandable(false);
  setUniformRowHeights(true);
  setAllColumnsShowFocus(true);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSortingEnabled(false);  // the list sorts itself by its own rule
  header()->setMinimumSectionSize(0);
  header()->setStretchLastSection(false);
  header()->setSectionsClickable(true);
  header()->setSortIndicatorShown(false);
  connect(header(), &QHeaderView::sectionClicked, this, &CListViewEx::OnHeaderClicked);
  connect(&model_, &QAbstractItemModel::modelReset, this, &CListViewEx::ApplyColumnWidths);
  connect(&model_, &ListModel::ColumnWidthChanged, this,
          [this](int column, int width) { header()->resizeSection(column, width); });
  connect(&model_, &ListModel::Resorted, this, &CListViewEx::Resorted);
}

void CListViewEx::ApplyColumnWidths() {
  for (int column = 0; column < model_.ColumnCount(); ++column) {
    header()->resizeSection(column, model_.ColumnAt(column).width);
  }
  header()->setSortIndicatorShown(false);
}

void CListViewEx::OnHeaderClicked(int column) {
  const bool add = QGuiApplication::keyboardModifiers().testFlag(Qt::ControlModifier);
  model_.SortByHeaderClick(column, add);
  const bool ascending = model_.ColumnAt(column).ascending;
  header()->setSortIndicatorShown(true);
  header()->setSortIndicator(column, ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
}

int CListViewEx::SelectedRow() const {
  const QModelIndexList rows = selectionModel()->selectedRows();
  return rows.isEmpty() ? -1 : rows.first().row();
}

void CListViewEx::SelectRow(int row) {
  if (row < 0 || row >= model_.RowCount()) {
    clearSelection();
    return;
  }
  const QModelIndex index = model_.index(row, 0);
  selectionModel()->setCurrentIndex(
      index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  scrollTo(index);
}

void CListViewEx::paintEvent(QPaintEvent* event) {
  QTreeView::paintEvent(event);
  if (model_.RowCount() > 0) return;
  QPainter painter(viewport());
  painter.setPen(palette().color(QPalette::Disabled, QPalette::Text));
  const QRect top(0, 0, viewport()->width(), fontMetrics().height() * 3);
  painter.drawText(top, Qt::AlignCenter, EmptyListText());
}

void CListViewEx::SetRecordHistory(std::function<void()> history, std::function<void()> deleted) {
  history_ = std::move(history);
  deleted_ = std::move(deleted);
}

void CListViewEx::keyPressEvent(QKeyEvent* event) {
  const bool historyKey = event->key() == kHistoryKey || event->key() == kDeletedRecordsKey;
  if (historyKey && history_ &&
      HandleScreenKey(*event, {{kHistoryKey, history_}, {kDeletedRecordsKey, deleted_}})) {
    return;
  }
  QTreeView::keyPressEvent(event);
}
