#!/usr/bin/env bash
# Installs what is missing, builds and starts the program in the per-user data folder,
# where its server configuration and databases live.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" && -z "${QT_QPA_PLATFORM:-}" ]]; then
  echo "Nu exista niciun ecran grafic (DISPLAY nu este setat)." >&2
  echo "No graphical display: run it inside a desktop session, or without one as" >&2
  echo "  xvfb-run -a bash scripts/run.sh" >&2
  echo "(xvfb-run comes with the Debian package xvfb: bash scripts/setup-deps.sh installs it)" >&2
  exit 1
fi
bash "$root/scripts/setup-deps.sh"
bash "$root/scripts/build.sh" "$root/build" -DVELKA_TESTS=OFF
# The launcher the menu entry runs: it starts the program in the per-user data folder.
exec "$root/build/src/velka-asigurati-start"
