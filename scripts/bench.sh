#!/usr/bin/env bash
# Builds the benchmarks if needed and prints their figures, one line each:
#   <what>  median <x> ms  p95 <y> ms  over <n> runs
# the icon reader natively, then the reader, the drawing toolkit and the
# editor's handlers under one Wine session, each handler until its window is
# still. The session runs on one CPU (see one-cpu.sh): `taskset -c 1
# scripts/bench.sh` runs it on CPU 1. Asserts nothing about times.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
scripts/install-deps.sh
scripts/build.sh native read_bench >/dev/null
scripts/build.sh win64 read_bench draw_bench handler_bench >/dev/null
native=$root/build/native
win64=$root/build/win64

echo "== natively"
"$native/bench/read_bench"
echo "== under Wine"
# Wine's console ends lines with CR LF.
WINEPREFIX=${WINEPREFIX:-$win64/wineprefix} scripts/wine-session.sh bash -c '
    for exe in read_bench draw_bench handler_bench; do wine "$0/bench/$exe.exe"; done' "$win64" |
    tr -d '\r'
