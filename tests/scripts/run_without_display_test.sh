#!/usr/bin/env bash
# scripts/run.sh started without any display: it must say how to start it under xvfb-run,
# fail, and leave nothing behind in the folder it was started from.
set -u
root=$1
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cd "$folder"
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM bash "$root/scripts/run.sh" \
  >"$folder/.out" 2>"$folder/.err"
status=$?
fail=0
if [[ $status -eq 0 ]]; then
  echo "run.sh succeeded without a display"
  fail=1
fi
if ! grep -q "xvfb-run -a bash scripts/run.sh" "$folder/.err"; then
  echo "the xvfb-run hint is missing from the error output:"
  cat "$folder/.err"
  fail=1
fi
if grep -q "Bad file descriptor" "$folder/.err"; then
  echo "run.sh wrote to a closed descriptor"
  fail=1
fi
left=$(ls -A "$folder" | grep -vxE '\.out|\.err')
if [[ -n "$left" ]]; then
  echo "run.sh left files in the folder it was started from: $left"
  fail=1
fi
[[ $fail -eq 0 ]] && echo "run.sh without a display: ok"
exit $fail
