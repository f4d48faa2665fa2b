#include "screens/history/c_record_history_dialog.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "history/write_back.h"
#include "screens/history/history_texts.h"
#include "store/c_client.h"
#include "store/prompter.h"
#include "ui/c_list_view_ex.h"
#include "ui/function_keys.h"
#include "ui/modal.h"

namespace {

const QString kNumber = QStringLiteral("VERSIUNEA");
const QString kKind = QStringLiteral("FELUL");
const QString kWritten = QStringLiteral("SCRISA LA");
const QString kEnded = QStringLiteral("INLOCUITA LA");
const QString kChanged = QStringLiteral("CAMPURI SCHIMBATE");
const QString kPosition = QStringLiteral("POZITIA");  // hidden: the version behind the row

// A changed field stands out in the fields' table.
const QColor kChangedColour(255, 244, 186);

}  // namespace

bool CRecordHistoryDialog::Open(QWidget* parent, CClient& client, Prompter& prompter,
                                const HistoryTable& table, qint64 index) {
  CRecordHistoryDialog window(parent, client, prompter, table, index);
  if (!window.IsLoaded()) return false;
  RunModal(window);
  return window.Restored();
}

CRecordHistoryDialog::CRecordHistoryDialog(QWidget* parent, CClient& client, Prompter& prompter,
                                           const HistoryTable& table, qint64 index)
    : QDialog(parent), client_(client), prompter_(prompter), table_(table), index_(index) {
  setWindowTitle(QStringLiteral("Istoricul inregistrarii"));
  heading_ = new QLabel(this);
  heading_->setObjectName(QStringLiteral("heading"));
  versions_ = new CListViewEx(this);
  versions_->setObjectName(QStringLiteral("versions"));
  fields_ = new QTableWidget(0, 3, this);
  fields_->setObjectName(QStringLiteral("fields"));
  fields_->setHorizontalHeaderLabels(
      {QStringLiteral("Camp"), QStringLiteral("Valoarea"), QStringLiteral("Valoarea dinainte")});
  fields_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  fields_->setSelectionMode(QAbstractItemView::NoSelection);
  fields_->verticalHeader()->hide();
  fields_->horizontalHeader()->setStretchLastSection(true);
  fields_->setColumnWidth(0, 190);
  fields_->setColumnWidth(1, 260);
  auto* restore = new QPushButton(QStringLiteral("[F6]   Restaureaza aceasta versiune"), this);
  restore->setObjectName(QStringLiteral("restore"));
  auto* close = new QPushButton(QStringLiteral("[ESC]   Iesire"), this);
  close->setObjectName(QStringLiteral("close"));
  auto* buttons = new QHBoxLayout;
  for (QPushButton* button : {restore, close}) {
    button->setAutoDefault(false);
    buttons->addWidget(button);
  }
  buttons->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(heading_);
  layout->addWidget(new QLabel(QStringLiteral("Versiuni (cea mai noua prima):"), this));
  layout->addWidget(versions_, 2);
  layout->addWidget(new QLabel(
      QStringLiteral("Campurile versiunii selectate (* schimbat de aceasta versiune):"), this));
  layout->addWidget(fields_, 3);
  layout->addLayout(buttons);
  resize(860, 620);
  connect(restore, &QPushButton::clicked, this, &CRecordHistoryDialog::RestoreSelectedVersion);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  connect(versions_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this](const QModelIndex& current) { ShowFields(current.row()); });
  if (!Load()) history_.reset();
}

bool CRecordHistoryDialog::Load() {
  history_ = ReadRecordHistory(client_, table_.name, index_);
  if (!history_) return false;
  heading_->setText(history_texts::Heading(table_, index_, history_->HasCurrent()));
  ListModel& model = versions_->Model();
  model.DeleteAllRows();
  model.DeleteAllColumns();
  versions_->InsertColumn(0, kNumber, QStringLiteral("N"), 80);
  versions_->InsertColumn(1, kKind, QStringLiteral("C"), 90);
  versions_->InsertColumn(2, kWritten, QStringLiteral("C"), 140);
  versions_->InsertColumn(3, kEnded, QStringLiteral("C"), 140);
  versions_->InsertColumn(4, kChanged, QStringLiteral("C"), 360);
  versions_->InsertColumn(5, kPosition, QStringLiteral("N"), 0);
  const auto count = static_cast<int>(history_->versions.size());
  std::vector<QStringList> rows;
  for (int position = 0; position < count; ++position) {
    const RecordVersion& version = history_->versions[static_cast<size_t>(position)];
    rows.push_back(
        {QString::number(count - position), VersionKindText(version.kind),
         ShownTime(version.writtenAt),
         version.kind == RecordVersion::Kind::kCurrent ? QString() : ShownTime(version.endedAt),
         version.changed.join(QStringLiteral(", ")), QString::number(position)});
  }
  model.AppendRows(std::move(rows));
  versions_->SelectRow(0);
  ShowFields(0);
  return true;
}

void CRecordHistoryDialog::ShowFields(int row) {
  fields_->setRowCount(0);
  if (!history_ || row < 0 || row >= versions_->RowCount()) return;
  const auto position = static_cast<size_t>(versions_->GetCellInteger(row, kPosition));
  if (position >= history_->versions.size()) return;
  const RecordVersion& version = history_->versions[position];
  // The version written before this one is the next older in the list.
  const RecordVersion* before =
      position + 1 < history_->versions.size() ? &history_->versions[position + 1] : nullptr;
  fields_->setRowCount(static_cast<int>(history_->columns.size()));
  for (qsizetype c = 0; c < history_->columns.size(); ++c) {
    const QString& column = history_->columns[c];
    const bool changed = version.changed.contains(column);
    const QString value =
        version.missing.contains(column) ? QStringLiteral("(lipsa)") : version.values.value(c);
    const QString earlier = changed && before != nullptr ? before->values.value(c) : QString();
    const QStringList cells = {(changed ? QStringLiteral("* ") : QStringLiteral("  ")) + column,
                               value, earlier};
    for (int cell = 0; cell < 3; ++cell) {
      auto* item = new QTableWidgetItem(cells[cell]);
      if (changed) {
        QFont bold = item->font();
        bold.setBold(true);
        item->setFont(bold);
        item->setBackground(kChangedColour);
      }
      fields_->setItem(static_cast<int>(c), cell, item);
    }
  }
}

void CRecordHistoryDialog::keyPressEvent(QKeyEvent* event) {
  if (!HandleScreenKey(*event, {{Qt::Key_F6, [this] { RestoreSelectedVersion(); }}})) {
    QDialog::keyPressEvent(event);
  }
}

void CRecordHistoryDialog::RestoreSelectedVersion() {
  const int row = versions_->SelectedRow();
  if (!history_ || row < 0) {
    prompter_.Inform(history_texts::kChooseVersion);
    return;
  }
  const auto position = static_cast<size_t>(versions_->GetCellInteger(row, kPosition));
  if (position >= history_->versions.size()) return;
  const RecordVersion& version = history_->versions[position];
  if (version.kind == RecordVersion::Kind::kCurrent) {
    prompter_.Inform(write_back_texts::AlreadyCurrent());
    return;
  }
  if (!prompter_.Ask(history_texts::RestoreQuestion(versions_->GetCellText(row, kNumber),
                                                    ShownTime(version.writtenAt)))) {
    return;
  }
  const CheckResult result = RestoreVersion(client_, table_, index_, *history_, version);
  if (result.IsRefused()) prompter_.Inform(result.Text());
  if (!result.IsOk()) return;
  restored_ = true;
  // The restored version is now the current one, and the one it replaced is in the history.
  if (!Load()) reject();
}
