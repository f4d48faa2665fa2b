#!/usr/bin/env bash
# The whole test suite once more, built with AddressSanitizer and UndefinedBehaviorSanitizer
# (not part of the regular run: it doubles the build time). The embedded server points
# standard error at its log, so every report goes into a file of its own and is printed at
# the end; a report fails the run even where the test that met it passed.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/setup-deps.sh"
bash "$root/scripts/build.sh" "$root/build-asan" -DVELKA_WERROR=ON -DVELKA_SANITIZE=ON \
  -DCMAKE_BUILD_TYPE=Debug
cd "$root/build-asan"
reports="$root/build-asan/sanitizer-reports"
rm -rf "$reports"
mkdir -p "$reports"
status=0
QT_QPA_PLATFORM=offscreen \
  ASAN_OPTIONS="log_path=$reports/asan:detect_leaks=1" \
  LSAN_OPTIONS="suppressions=$root/tests/sanitizer-suppressions.txt:print_suppressions=0" \
  UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1:log_path=$reports/ubsan" \
  ctest --output-on-failure -j"$(nproc)" || status=$?
if compgen -G "$reports/*" >/dev/null; then
  echo "Sanitizer reports:"
  for report in "$reports"/*; do
    echo "== $report"
    cat "$report"
  done
  status=1
fi
exit "$status"
