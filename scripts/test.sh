#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors and runs the whole test suite.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/setup-deps.sh"
bash "$root/scripts/build.sh" "$root/build-test" -DVELKA_WERROR=ON -DVELKA_TESTS=ON
cd "$root/build-test"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
