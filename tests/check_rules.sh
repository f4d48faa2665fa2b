#!/usr/bin/env bash
# Rules of the code base that no compiler checks:
#  - message boxes and file dialogs only through the prompter of src/ui;
#  - store/ and common/ never include a Qt Widgets or Qt Print Support header;
#  - no area includes from an area above it.
set -u
root=${1:-$(cd "$(dirname "$0")/.." && pwd)}
status=0
direct=$(grep -rnE 'QMessageBox::|QFileDialog::' "$root/src" | grep -v "^$root/src/ui/qt_prompter\.cpp:")
if [[ -n "$direct" ]]; then
  echo "Message boxes and file dialogs must go through the Prompter:"
  echo "$direct"
  status=1
fi
# The programs without screens link the core alone, so a widget used there fails their link;
# this catches what no link sees: a header that is included but whose classes are not used,
# or are used only inline. Every class header of Qt Widgets and Qt Print Support counts.
module_headers() {
  local dir
  for dir in /usr/include/*/qt6/"$1" /usr/include/qt6/"$1"; do
    [[ -d $dir ]] && ls "$dir" | grep -E '^Q[A-Za-z]+$'
  done
}
classes=$( (module_headers QtWidgets; module_headers QtPrintSupport) | sort -u | paste -sd'|')
if [[ -z "$classes" ]]; then
  echo "the Qt Widgets headers were not found"
  status=1
fi
widgets=$(grep -rnE "#include <(QtWidgets/|QtPrintSupport/|(${classes:-QWidget})>)" \
  "$root/src/store" "$root/src/common")
if [[ -n "$widgets" ]]; then
  echo "store/ and common/ must not include Qt Widgets or Print Support headers:"
  echo "$widgets"
  status=1
fi
# Dependencies point downwards: app, cli -> health, leave, exchange -> companies -> ui,
# common -> store.
upward() {
  local area=$1 above=$2
  [[ -d "$root/src/$area" ]] || return 0
  grep -rnE "#include \"($above)/" "$root/src/$area"
}
# The command line (cli) stands beside app: it uses the areas below, and they never use it.
for rule in "store:common|ui|companies|health|leave|exchange|app|cli" \
  "common:ui|companies|health|leave|exchange|app|cli" \
  "ui:companies|health|leave|exchange|app|cli" "companies:health|leave|exchange|app|cli" \
  "health:leave|exchange|app|cli" "leave:health|exchange|app|cli" \
  "exchange:health|leave|app|cli" "cli:app" "app:cli"; do
  found=$(upward "${rule%%:*}" "${rule#*:}")
  if [[ -n "$found" ]]; then
    echo "src/${rule%%:*} must not include from ${rule#*:}:"
    echo "$found"
    status=1
  fi
done
[[ $status -eq 0 ]] && echo "project rules: ok"
exit $status
