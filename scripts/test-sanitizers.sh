#!/usr/bin/env bash
# The whole test suite once more, built with AddressSanitizer and UndefinedBehaviorSanitizer
# (not part of the regular run: it doubles the build time).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/setup-deps.sh"
bash "$root/scripts/build.sh" "$root/build-asan" -DVELKA_WERROR=ON -DVELKA_SANITIZE=ON \
  -DCMAKE_BUILD_TYPE=Debug
cd "$root/build-asan"
QT_QPA_PLATFORM=offscreen UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  ctest --output-on-failure -j"$(nproc)"
