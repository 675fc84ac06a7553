#!/usr/bin/env bash
# Configures (once) and builds the two builds:
#   build/native  icon core, its unit and interop tests, fuzz target, benchmark (host compiler)
#   build/win64   prickverket.exe and the Win32 tests (MinGW-w64, run under Wine)
# Usage: scripts/build.sh [native|win64|all] [extra make targets...]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
which=${1:-all}
shift || true
jobs=$(nproc 2>/dev/null || echo 2)

configure() {
    local dir=$1
    shift
    if [ ! -f "$dir/CMakeCache.txt" ]; then
        cmake -S "$root" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    fi
}

if [ "$which" = native ] || [ "$which" = all ]; then
    configure "$root/build/native"
    cmake --build "$root/build/native" -j "$jobs" -- --no-print-directory "$@"
fi
if [ "$which" = win64 ] || [ "$which" = all ]; then
    configure "$root/build/win64" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake"
    cmake --build "$root/build/win64" -j "$jobs" -- --no-print-directory "$@"
fi
