#!/usr/bin/env bash
# Builds the benchmarks if needed and prints their figures, one line each:
#   <what>  median <x> ms  p95 <y> ms  over <n> runs
# the icon reader natively, then the reader, the drawing toolkit and the
# editor's waits under one Wine session. Each wait has a floor: the same
# platform calls on a bare window (floor_bench), which runs beside the editor's
# bench, the two taking turns round by round. The floors are printed first, and
# each of the editor's rows ends in "  floor <f> ms  ratio <r>", its median over
# its floor's. The session runs on one CPU (see one-cpu.sh): `taskset -c 1
# scripts/bench.sh` runs it on CPU 1. BENCH_ONLY=<text> times only the waits
# whose name holds the text. Asserts nothing about times.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
scripts/install-deps.sh
scripts/build.sh native read_bench >/dev/null
scripts/build.sh win64 read_bench draw_bench floor_bench handler_bench >/dev/null
native=$root/build/native
win64=$root/build/win64
floors=$(mktemp "$win64/floors.XXXXXX")
trap 'rm -f "$floors"' EXIT

echo "== natively"
"$native/bench/read_bench"
echo "== under Wine"
# Wine's console ends lines with CR LF. The floors' file reaches both programs
# under its Wine name; the editor's bench prints once the floors are in it.
WINEPREFIX=${WINEPREFIX:-$win64/wineprefix} scripts/wine-session.sh bash -c '
    for exe in read_bench draw_bench; do wine "$0/bench/$exe.exe"; done
    export PRICKVERKET_FLOORS="Z:${1//\//\\}"
    wine "$0/bench/floor_bench.exe" &
    floor=$!
    wine "$0/bench/handler_bench.exe" >"$1.editor"
    wait "$floor"
    echo "== floors: the same platform calls on a bare window"
    cat "$1"
    echo "== the editor'"'"'s waits, each beside its floor"
    cat "$1.editor"
    rm -f "$1.editor"' "$win64" "$floors" |
    tr -d '\r'
