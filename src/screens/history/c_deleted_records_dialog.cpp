#include "screens/history/c_deleted_records_dialog.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "history/write_back.h"
#include "screens/history/history_texts.h"
#include "store/c_client.h"
#include "store/prompter.h"
#include "ui/c_list_view_ex.h"
#include "ui/function_keys.h"
#include "ui/modal.h"

namespace {

const QString kDeletedAt = QStringLiteral("STEARSA LA");
const QString kIndex = QStringLiteral("INDEX");
const QString kPosition = QStringLiteral("POZITIA");  // hidden: the row behind the list's row

}  // namespace

bool CDeletedRecordsDialog::Open(QWidget* parent, CClient& client, Prompter& prompter,
                                 const HistoryTable& table, const QString& condition) {
  CDeletedRecordsDialog window(parent, client, prompter, table, condition);
  if (!window.IsLoaded()) return false;
  RunModal(window);
  return window.Recovered();
}

CDeletedRecordsDialog::CDeletedRecordsDialog(QWidget* parent, CClient& client, Prompter& prompter,
                                             const HistoryTable& table, QString condition)
    : QDialog(parent),
      client_(client),
      prompter_(prompter),
      table_(table),
      condition_(std::move(condition)) {
  setWindowTitle(history_texts::DeletedTitle(table));
  list_ = new CListViewEx(this);
  list_->setObjectName(QStringLiteral("deleted"));
  auto* recover = new QPushButton(QStringLiteral("[F5]   Recupereaza"), this);
  recover->setObjectName(QStringLiteral("recover"));
  auto* close = new QPushButton(QStringLiteral("[ESC]   Iesire"), this);
  close->setObjectName(QStringLiteral("close"));
  auto* buttons = new QHBoxLayout;
  for (QPushButton* button : {recover, close}) {
    button->setAutoDefault(false);
    buttons->addWidget(button);
  }
  buttons->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(
      QStringLiteral("Inregistrarile sterse si nerecuperate (cea stearsa ultima prima):"), this));
  layout->addWidget(list_, 1);
  layout->addLayout(buttons);
  resize(900, 480);
  connect(recover, &QPushButton::clicked, this, &CDeletedRecordsDialog::RecoverSelectedRow);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  if (!Load()) rows_.reset();
}

bool CDeletedRecordsDialog::Load() {
  rows_ = ReadDeletedRows(client_, table_.name, condition_);
  if (!rows_) return false;
  ListModel& model = list_->Model();
  model.DeleteAllRows();
  model.DeleteAllColumns();
  list_->InsertColumn(0, kDeletedAt, QStringLiteral("C"), 130);
  list_->InsertColumn(1, kIndex, QStringLiteral("N"), 60);
  int position = 2;
  for (const QString& column : rows_->columns) {
    list_->InsertColumn(position++, column, QStringLiteral("C"), 100);
  }
  list_->InsertColumn(position, kPosition, QStringLiteral("N"), 0);
  std::vector<QStringList> cells;
  for (size_t at = 0; at < rows_->rows.size(); ++at) {
    const DeletedRow& row = rows_->rows[at];
    QStringList line = {ShownTime(row.version.endedAt), QString::number(row.index)};
    line += row.version.values;
    line.append(QString::number(at));
    cells.push_back(std::move(line));
  }
  model.AppendRows(std::move(cells));
  list_->SelectRow(0);
  return true;
}

void CDeletedRecordsDialog::keyPressEvent(QKeyEvent* event) {
  if (!HandleScreenKey(*event, {{Qt::Key_F5, [this] { RecoverSelectedRow(); }}})) {
    QDialog::keyPressEvent(event);
  }
}

void CDeletedRecordsDialog::RecoverSelectedRow() {
  const int selected = list_->SelectedRow();
  if (!rows_ || selected < 0) {
    prompter_.Inform(history_texts::kChooseDeleted);
    return;
  }
  const auto at = static_cast<size_t>(list_->GetCellInteger(selected, kPosition));
  if (at >= rows_->rows.size()) return;
  const DeletedRow& row = rows_->rows[at];
  if (!prompter_.Ask(history_texts::RecoverQuestion(ShownTime(row.version.endedAt)))) return;
  const CheckResult result = RecoverDeletedRow(client_, table_, *rows_, row);
  if (result.IsRefused()) prompter_.Inform(result.Text());
  if (!result.IsOk()) return;
  recovered_ = true;
  if (!Load()) reject();
}
