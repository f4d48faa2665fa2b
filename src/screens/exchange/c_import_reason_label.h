#pragma once

#include <QLabel>

class CListViewEx;

// The "EROARE" text of an import row read whole, however long: the selected row's text
// under the list, the text of the row under the pointer as its tip, and the column as wide
// as its longest text, so that scrolling the list to the right shows every reason whole.
class CImportReasonLabel : public QLabel {
  Q_OBJECT

 public:
  CImportReasonLabel(CListViewEx& records, QWidget* parent);

  // Once a save has written the texts: the column takes the width of the longest.
  void FitColumn();
  // The text of the list's row, empty when it has none (or the list has no such column).
  QString ReasonOf(int row) const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ShowSelected();

  CListViewEx& records_;
};
