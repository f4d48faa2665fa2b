#!/usr/bin/env bash
# Fuzzes the dBase reader with libFuzzer (clang) for a bounded time; not part of the tests.
#   scripts/fuzz-dbf.sh [seconds=60] [work folder=build-fuzz]
# A crash input is left in the work folder as crash-*; copy it into the reader's tests.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
work=${2:-$root/build-fuzz}
mkdir -p "$work/corpus"

qt_flags=$(pkg-config --cflags Qt6Core Qt6Gui)
qt_libs=$(pkg-config --libs Qt6Core Qt6Gui)
/usr/lib/qt6/libexec/moc "$root/src/store/list_model.h" -o "$work/moc_list_model.cpp"

sources=(
  "$root/tests/fuzz/dbf_read_fuzz.cpp"
  "$root/src/dbf/codepage.cpp"
  "$root/src/dbf/dbf_file.cpp"
  "$root/src/dbf/dbf_read.cpp"
  "$root/src/dbf/dbf_write.cpp"
  "$root/src/store/list_model.cpp"
  "$root/src/store/cell_display.cpp"
  "$root/src/common/number_texts.cpp"
  "$work/moc_list_model.cpp"
)
# shellcheck disable=SC2086
clang++ -std=c++20 -g -O1 -fPIC -fsanitize=fuzzer,address,undefined \
  -fno-sanitize-recover=undefined -DQT_NO_CAST_TO_ASCII -DQT_NO_CAST_FROM_BYTEARRAY \
  -I"$root/src" $qt_flags "${sources[@]}" $qt_libs -o "$work/dbf_read_fuzz"

# Seeds: a small valid table, one with a deleted record and a numeric field, and the
# header variants other writers produce.
python3 - "$work/corpus" <<'PY'
import struct, sys, os
def table(fields, records, terminator=b'\r', end=b'\x1a', count=None):
    head = struct.pack('<BBBBIHH20x', 3, 9, 6, 4, len(records) if count is None else count,
                       32 + 32 * len(fields) + len(terminator), 1 + sum(f[2] for f in fields))
    for name, kind, length in fields:
        head += name.ljust(11, b'\0') + kind + b'\0' * 4 + bytes([length]) + b'\0' * 15
    return head + terminator + b''.join(records) + end
seeds = {
    'plain': table([(b'CNP', b'N', 13), (b'NUME', b'C', 10)],
                   [b' 1800101420010\xaatefan    ', b'*2960529460014Ionescu   ']),
    'numbers': table([(b'SDL', b'N', 12)], [b' 0.5         ', b'    00012.50']),
    'two-byte-end': table([(b'A', b'C', 2)], [b' ab'], terminator=b'\r\0', end=b''),
}
for name, data in seeds.items():
    with open(os.path.join(sys.argv[1], name), 'wb') as f:
        f.write(data)
PY

cd "$work"
"$work/dbf_read_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=5 -rss_limit_mb=2048 \
  -print_final_stats=1 "$work/corpus"
