#!/usr/bin/env bash
# Rules of the code base that no compiler checks:
#  - message boxes and file dialogs only through the prompter of src/ui;
#  - store/ and common/ never include a Qt Widgets header.
set -u
root=${1:-$(cd "$(dirname "$0")/.." && pwd)}
status=0
direct=$(grep -rnE 'QMessageBox::|QFileDialog::' "$root/src" | grep -v "^$root/src/ui/qt_prompter\.cpp:")
if [[ -n "$direct" ]]; then
  echo "Message boxes and file dialogs must go through the Prompter:"
  echo "$direct"
  status=1
fi
widgets=$(grep -rnE '#include <(QtWidgets/|QWidget|QDialog|QMessageBox|QFileDialog|QApplication|QPrintDialog|QTreeView|QLineEdit)' \
  "$root/src/store" "$root/src/common")
if [[ -n "$widgets" ]]; then
  echo "store/ and common/ must not include Qt Widgets headers:"
  echo "$widgets"
  status=1
fi
[[ $status -eq 0 ]] && echo "project rules: ok"
exit $status
