#include "screens/exchange/c_import_reason_label.h"

#include <QHelpEvent>
#include <QSet>
#include <QToolTip>
#include <algorithm>

#include "exchange/import/import_file.h"
#include "ui/c_list_view_ex.h"

namespace {

const QString kCaption = QStringLiteral("EROARE: ");

}  // namespace

CImportReasonLabel::CImportReasonLabel(CListViewEx& records, QWidget* parent)
    : QLabel(parent), records_(records) {
  setObjectName(QStringLiteral("reason"));
  setWordWrap(true);
  setTextFormat(Qt::PlainText);
  // The text can be selected and copied, to be looked up or passed on.
  setTextInteractionFlags(Qt::TextSelectableByMouse);
  // Room for two lines from the start, so that the list does not jump when a text appears.
  setMinimumHeight(2 * fontMetrics().lineSpacing());
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
  records_.viewport()->installEventFilter(this);
  connect(records_.selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &CImportReasonLabel::ShowSelected);
  connect(&records_.Model(), &QAbstractItemModel::dataChanged, this,
          &CImportReasonLabel::ShowSelected);
  connect(&records_.Model(), &QAbstractItemModel::modelReset, this,
          &CImportReasonLabel::ShowSelected);
}

QString CImportReasonLabel::ReasonOf(int row) const {
  if (row < 0 || row >= records_.RowCount()) return {};
  return records_.GetCellText(row, QLatin1String(kErrorColumn));
}

void CImportReasonLabel::ShowSelected() {
  const QString reason = ReasonOf(records_.SelectedRow());
  setText(reason.isEmpty() ? QString() : kCaption + reason);
}

void CImportReasonLabel::FitColumn() {
  const QString column = QLatin1String(kErrorColumn);
  if (records_.FindColumn(column) < 0) return;
  // A file's rows share a handful of texts: each is measured once.
  QSet<QString> texts;
  for (int row = 0; row < records_.RowCount(); ++row) texts.insert(ReasonOf(row));
  const QFontMetrics metrics = records_.fontMetrics();
  int widest = metrics.horizontalAdvance(column);
  for (const QString& text : texts) widest = std::max(widest, metrics.horizontalAdvance(text));
  // The cell's own margins on both sides.
  records_.SetColumnWidth(column, widest + 2 * metrics.averageCharWidth() + 8);
}

bool CImportReasonLabel::eventFilter(QObject* watched, QEvent* event) {
  if (watched != records_.viewport() || event->type() != QEvent::ToolTip) {
    return QLabel::eventFilter(watched, event);
  }
  const auto* help = static_cast<QHelpEvent*>(event);
  const QModelIndex index = records_.indexAt(help->pos());
  const QString reason = index.isValid() ? ReasonOf(index.row()) : QString();
  if (reason.isEmpty()) {
    QToolTip::hideText();
  } else {
    QToolTip::showText(help->globalPos(), reason, records_.viewport(), records_.visualRect(index));
  }
  return true;
}
