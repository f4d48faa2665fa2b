#!/usr/bin/env bash
# package_test.sh <build folder>: installs the built program into a temporary root and checks
# what a desktop reads from it and the manual page, makes the .deb with CPack for a real-looking
# maintainer, checks its files and dependencies and has lintian check it (no error and no
# warning beyond the package's own overrides), then starts the installed launcher on a
# virtual display.
set -u
build=$1
here=$(cd "$(dirname "$0")" && pwd)

# On the virtual display: starts the launcher, waits for the main menu and reports the
# window's class and icon sizes, then stops the program as the system would.
if [[ ${2:-} == --on-display ]]; then
  launcher=$3
  "$launcher" >/dev/null 2>&1 &
  program=$!
  window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Velka Asigurati$' | head -n1)
  if [[ -n "$window" ]]; then
    echo "window=$window"
    xprop -id "$window" WM_CLASS
    xprop -id "$window" -notype -len 4000000 _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)'
  fi
  kill -TERM "$program" 2>/dev/null
  wait "$program"
  exit 0
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail=0
problem() {
  echo "$*"
  fail=1
}

root=$work/root
DESTDIR=$root cmake --install "$build" --prefix /usr >"$work/install.log" 2>&1 ||
  problem "cmake --install failed: $(cat "$work/install.log")"
share=usr/share
hicolor=$share/icons/hicolor
doc=$share/doc/velka-asigurati
page=$share/man/man1/velka-asigurati.1.gz
installed=(usr/bin/velka-asigurati usr/bin/velka-asigurati-start
  $share/applications/velka-asigurati.desktop $share/metainfo/ro.velka.asigurati.metainfo.xml
  $hicolor/48x48/apps/velka-asigurati.png $hicolor/128x128/apps/velka-asigurati.png
  $hicolor/256x256/apps/velka-asigurati.png $hicolor/scalable/apps/velka-asigurati.svg
  $page $share/man/man1/velka-asigurati-start.1.gz
  $share/bash-completion/completions/velka-asigurati $doc/copyright $doc/changelog.gz
  $doc/manual.md $share/lintian/overrides/velka-asigurati)
for file in "${installed[@]}"; do
  [[ -f $root/$file ]] || problem "not installed: $file"
done
for size in 48 128 256; do
  file -b "$root/$hicolor/${size}x$size/apps/velka-asigurati.png" |
    grep -q "PNG image data, $size x $size," || problem "the $size pixel icon is not a $size pixel PNG"
done
desktop-file-validate "$root/$share/applications/velka-asigurati.desktop" ||
  problem "desktop-file-validate rejects the menu entry"
appstreamcli validate --no-net "$root/$share/metainfo/ro.velka.asigurati.metainfo.xml" >"$work/as.log" 2>&1 ||
  problem "appstreamcli rejects the metadata: $(cat "$work/as.log")"

# The manual page holds, for every command of the help, a subsection with every option of
# that command's help.
program=$root/usr/bin/velka-asigurati
commands=$("$program" --help | awk '$0 == "Comenzi:" {on = 1; next} /^$/ {on = 0} on {print $1}')
[[ -n $commands ]] || problem "the help names no command"
zcat "$root/$page" >"$work/page.1" 2>/dev/null || problem "the manual page is not a gzip file"
for command in $commands; do
  # The option of each .TP entry of the command's subsection.
  section=$(awk -v head=".SS $command" '$0 == head {on = 1; next} /^\.S[SH] / {on = 0}
    on && entry {print} {entry = ($0 == ".TP")}' "$work/page.1" |
    grep -oE '^\\fB(\\-){2}[a-z]([a-z]|\\-)*' | sed 's/^\\fB//; s/\\//g' | sort -u)
  named=$("$program" "$command" --help | grep -oE '^ +--[a-z][a-z-]*' | tr -d ' ' | sort -u)
  [[ -n $named && $section == "$named" ]] ||
    problem "the manual page's $command section names '$(echo $section)', its help '$(echo $named)'"
done
grep -q '^\.SH REZUMAT$' "$work/page.1" || problem "the manual page has no synopsis"
grep -qF '\-\-version' "$work/page.1" || problem "the manual page does not name --version"

# The package, from the same build, for a maintainer with a real address.
maintainer='Ana Popescu <ana.popescu@example.com>'
(cd "$work" && cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/deb" \
  -D CPACK_DEBIAN_PACKAGE_MAINTAINER="$maintainer") >"$work/cpack.log" 2>&1 ||
  problem "cpack failed: $(cat "$work/cpack.log")"
deb=$(ls "$work"/deb/*.deb 2>/dev/null | head -n1)
if [[ -z "$deb" ]]; then
  problem "cpack made no .deb"
else
  contents=$(dpkg-deb --contents "$deb")
  for file in "${installed[@]}"; do
    grep -qE " \./$file( -> [^ ]+)?\$" <<<"$contents" || problem "not in the package: $file"
  done
  depends=$(dpkg-deb --field "$deb" Depends)
  echo "Depends: $depends"
  echo "Size: $(stat -c %s "$deb") bytes"
  for needed in 'libqt6widgets6[a-z]*' 'libqt6printsupport6[a-z]*' 'libqt6gui6[a-z]*' \
    'libmariadbd[0-9]+' fonts-liberation2 qt6-qpa-plugins; do
    grep -qE "(^|, )$needed( |,|$)" <<<"$depends" || problem "Depends lacks $needed"
  done
  development=$(tr ',' '\n' <<<"$depends" | grep -E -- '-dev( |$)')
  [[ -z "$development" ]] || problem "Depends names development packages: $development"
  # No maintainer scripts: removing the package cannot touch the users' registers.
  scripts=$(dpkg-deb --ctrl-tarfile "$deb" | tar -t | grep -E 'inst$|rm$')
  [[ -z "$scripts" ]] || problem "the package has maintainer scripts: $scripts"
  # The maintainer given to cpack, in the control file and signing the changelog.
  [[ $(dpkg-deb --field "$deb" Maintainer) == "$maintainer" ]] ||
    problem "Maintainer: $(dpkg-deb --field "$deb" Maintainer), not $maintainer"
  signature=$(dpkg-deb --fsys-tarfile "$deb" | tar -xO "./$doc/changelog.gz" | zcat | grep '^ -- ')
  [[ $signature == " -- $maintainer  "* ]] || problem "the changelog is signed '$signature'"
  # Errors and warnings fail, and so does an override that no longer matches anything.
  lintian --fail-on error,warning --display-info --show-overrides "$deb" >"$work/lintian.log" 2>&1 ||
    problem "lintian: $(grep -E '^[EW]: ' "$work/lintian.log" || cat "$work/lintian.log")"
  echo "lintian:"
  grep -E '^[A-Z]: ' "$work/lintian.log"
  stale=$(grep -E '(unused|mismatched)-override' "$work/lintian.log")
  [[ -z $stale ]] || problem "lintian overrides that match nothing: $stale"
fi

# The installed launcher, as the menu starts it: a data folder that does not exist yet, a
# umask that would leave it readable by everyone, the installed icons visible to the program.
data_home=$work/data-home
report=$(umask 022 && cd / && env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY XDG_DATA_HOME="$data_home" \
  XDG_DATA_DIRS="$root/$share:/usr/share" xvfb-run -a -s "-screen 0 1366x768x24" \
  bash "$here/package_test.sh" "$build" --on-display "$root/usr/bin/velka-asigurati-start")
data=$data_home/velka-asigurati
mode=$(stat -c %a "$data" 2>/dev/null)
[[ $mode == 700 ]] || problem "the data folder's mode is '$mode', not 700"
[[ -f $data/srv_embedded.cfg ]] || problem "the program did not start in the data folder"
grep -q '^window=' <<<"$report" || problem "the main menu did not appear: $report"
class=$(sed -n 's/^StartupWMClass=//p' "$root/$share/applications/velka-asigurati.desktop")
grep -qE "^WM_CLASS.* = \"$class\", \"$class\"$" <<<"$report" ||
  problem "the window's class does not match StartupWMClass=$class: $report"
# The installed icon in all its sizes, not the drawn 64 pixel fallback.
for size in 48 128 256; do
  grep -q "Icon ($size x $size)" <<<"$report" || problem "the window's icon lacks the $size pixel size: $report"
done

[[ $fail -eq 0 ]] && echo "installed tree, package and launcher: ok"
exit $fail
