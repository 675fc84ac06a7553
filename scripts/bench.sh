#!/usr/bin/env bash
# Builds the benchmarks if needed and prints their figures, one line each:
#   <what>  median <x> ms  p95 <y> ms  over <n> runs
# the icon reader natively, then the reader, the drawing toolkit and the
# editor's handlers under one Wine session. Asserts nothing about times.
# BENCH_NATIVE and BENCH_WIN64 name other (configured) build folders than
# build/native and build/win64.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
scripts/install-deps.sh
native=${BENCH_NATIVE:-$root/build/native}
win64=${BENCH_WIN64:-$root/build/win64}

build() {
    local which=$1 dir=$2
    shift 2
    if [ "$dir" = "$root/build/$which" ]; then
        scripts/build.sh "$which" "$@" >/dev/null
    else
        cmake --build "$dir" -j "$(nproc)" --target "$@" >/dev/null
    fi
}
build native "$native" read_bench
build win64 "$win64" read_bench draw_bench handler_bench

echo "== natively"
"$native/bench/read_bench"
echo "== under Wine"
# Wine's console ends lines with CR LF.
WINEPREFIX=${WINEPREFIX:-$win64/wineprefix} scripts/wine-session.sh bash -c '
    for exe in read_bench draw_bench handler_bench; do wine "$0/bench/$exe.exe"; done' "$win64" |
    tr -d '\r'
