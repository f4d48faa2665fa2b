#include "screens/history/record_history_keys.h"

#include <memory>

#include "screens/history/c_deleted_records_dialog.h"
#include "screens/history/c_record_history_dialog.h"
#include "screens/history/history_texts.h"
#include "store/prompter.h"
#include "ui/c_list_view_ex.h"

void AttachRecordHistory(CListViewEx& list, QWidget& parent, CClient& client, Prompter& prompter,
                         RecordListSource source) {
  const auto shared = std::make_shared<RecordListSource>(std::move(source));
  const auto history = [&list, &parent, &client, &prompter, shared] {
    const int row = list.SelectedRow();
    if (row < 0) {
      prompter.Inform(history_texts::kChooseRecord);
      return;
    }
    const std::optional<qint64> index = shared->index(row);
    if (!index) return;
    if (*index < 1) {
      prompter.Inform(history_texts::kNoRecordYet);
      return;
    }
    if (CRecordHistoryDialog::Open(&parent, client, prompter, *shared->table, *index) &&
        shared->changed) {
      shared->changed();
    }
  };
  const auto deleted = [&parent, &client, &prompter, shared] {
    const QString condition = shared->deletedCondition ? shared->deletedCondition() : QString();
    if (CDeletedRecordsDialog::Open(&parent, client, prompter, *shared->table, condition) &&
        shared->changed) {
      shared->changed();
    }
  };
  list.SetRecordHistory(history, deleted);
}

std::function<std::optional<qint64>(int)> IndexColumn(const CListViewEx& list,
                                                      const QString& column) {
  return [&list, column](int row) -> std::optional<qint64> {
    return static_cast<qint64>(list.GetCellInteger(row, column));
  };
}
