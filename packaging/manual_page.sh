#!/bin/sh
# manual_page.sh <program> <include file> <changelog> <page.1.gz>: writes the manual page
# velka-asigurati(1) from the program's own --help, --version and each command's --help, so
# the page says what the program does. Romanian headings (NUME, REZUMAT, DESCRIERE) come
# from help2man's Romanian locale, which also reads "Utilizare:" as the synopsis.
# SPDX-License-Identifier: GPL-2.0-or-later
set -eu
program=$1
include=$2
changelog=$3
output=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The month on the page is the release's, not the day of the build.
SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(dpkg-parsechangelog -l "$changelog" -S Timestamp)}
export SOURCE_DATE_EPOCH

# --help and --version answer before a window or the register would start: no display needed.
page() {
  env -u DISPLAY -u WAYLAND_DISPLAY help2man --locale=ro_RO.UTF-8 --no-info --section=1 \
    "$@" "$program"
}

# The commands are the indented words of the help's "Comenzi:" paragraph; each gets a
# subsection with its synopsis and options, read from its own --help.
commands=$(env -u DISPLAY -u WAYLAND_DISPLAY "$program" --help |
  awk '$0 == "Comenzi:" {on = 1; next} /^$/ {on = 0} on {print $1}')
[ -n "$commands" ] || { echo "$program --help names no command" >&2; exit 1; }
{
  echo "[COMENZI]"
  for command in $commands; do
    page --help-option="$command --help" |
      sed -n -e '/^\.SH REZUMAT$/,$ { /^\.SH /!p }' -e "s/^\.SH REZUMAT\$/.SS $command/p" \
        -e 's/^\.SH DESCRIERE$/.PP/p'
  done
} >"$work/commands.h2m"

page --include="$work/commands.h2m" --include="$include" --output="$work/page.1"
if ! grep -q '^\.SH REZUMAT$' "$work/page.1"; then
  echo "help2man wrote no Romanian synopsis: the locale ro_RO.UTF-8 is missing" \
    "(bash scripts/setup-deps.sh makes it)" >&2
  exit 1
fi
gzip -n -9 -c "$work/page.1" >"$output"
