#!/usr/bin/env bash
# Rules of the code base that no compiler checks:
#  - message boxes and file dialogs only through the prompter of src/ui;
#  - the core folders and the command line never include a Qt Widgets or Qt Print Support
#    header, and no core file includes a screens one;
#  - no folder includes from a folder above it.
set -u
root=${1:-$(cd "$(dirname "$0")/.." && pwd)}
libraries=${2:-}  # the build's src folder: the built libraries are checked as well
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
# The folders of the core library (everything without a window) and of the command line,
# which links the core alone.
core="common store dbf print companies health leave exchange history month"
widgets=$(for folder in $core cli; do
  grep -rnE "#include <(QtWidgets/|QtPrintSupport/|(${classes:-QWidget})>)" "$root/src/$folder"
done)
if [[ -n "$widgets" ]]; then
  echo "the core folders and src/cli must not include Qt Widgets or Print Support headers:"
  echo "$widgets"
  status=1
fi
# Dependencies point downwards: common <- store <- dbf, print <- companies <- health, leave
# <- exchange, history <- month (the core); ui <- screens <- app (the window); cli stands beside the window
# on the core alone. Each rule names what a folder must not include.
upward() {
  local folder=$1 above=$2
  [[ -d "$root/src/$folder" ]] || return 0
  grep -rnE "#include \"($above)/" "$root/src/$folder"
}
screens="ui|screens|app|cli"
for rule in "common:store|dbf|print|companies|health|leave|exchange|history|month|$screens" \
  "store:dbf|print|companies|health|leave|exchange|history|month|$screens" \
  "dbf:print|companies|health|leave|exchange|history|month|$screens" \
  "print:dbf|companies|health|leave|exchange|history|month|$screens" \
  "companies:health|leave|exchange|history|month|$screens" \
  "health:leave|exchange|history|month|$screens" "leave:health|exchange|history|month|$screens" \
  "exchange:history|month|$screens" "history:exchange|month|$screens" "month:$screens" \
  "ui:screens|app|cli" \
  "screens:app|cli" "screens/companies:screens/(health|leave|exchange)" \
  "screens/history:screens/(companies|health|leave|exchange)" \
  "screens/health:screens/(leave|exchange)" "screens/leave:screens/(health|exchange)" \
  "screens/exchange:screens/(health|leave|month)" \
  "screens/month:screens/(companies|health|leave|exchange|history)" "cli:ui|screens|app" \
  "app:cli"; do
  found=$(upward "${rule%%:*}" "${rule#*:}")
  if [[ -n "$found" ]]; then
    echo "src/${rule%%:*} must not include from ${rule#*:}:"
    echo "$found"
    status=1
  fi
done
# month/ stands above exchange and history: the month's work across every area.
for folder in common store dbf print companies health leave exchange history; do
  found=$(upward "$folder" "month")
  if [[ -n "$found" ]]; then
    echo "src/$folder must not include from month:"
    echo "$found"
    status=1
  fi
done
found=$(upward month "$screens")
if [[ -n "$found" ]]; then
  echo "src/month must not include from $screens:"
  echo "$found"
  status=1
fi
# What the headers cannot show: a widget reached through a macro or a template.
if [[ -n "$libraries" ]]; then
  for library in libvelka_core.a libvelka_cli.a; do
    if [[ ! -f "$libraries/$library" ]]; then
      echo "$libraries/$library was not built"
      status=1
    elif nm -C "$libraries/$library" | grep -qE '\bQ(Widget|PrintDialog|Printer)\b'; then
      echo "$library references Qt Widgets or Print Support:"
      nm -C "$libraries/$library" | grep -E '\bQ(Widget|PrintDialog|Printer)\b' | head -n 5
      status=1
    fi
  done
fi
[[ $status -eq 0 ]] && echo "project rules: ok"
exit $status
