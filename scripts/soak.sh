#!/usr/bin/env bash
# The long soak: random use of the real editor window under Wine, with its
# figures printed (events by kind, GDI and USER objects, memory).
#   scripts/soak.sh [EVENTS [SEED]]     100000 events and the test's own seed by default
# The short form runs in scripts/test.sh as the ctest entry app.soak.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
events=${1:-100000}
seed=${2:-${PRICKVERKET_SOAK_SEED:-}}

scripts/install-deps.sh
scripts/build.sh win64 app_soak_test app_wine_unmanaged

programs="$root/build/win64/tests/app"
# As ctest's fixture does: Managed=N first, so closing a dialog costs no 2 s wait.
WINEPREFIX="$root/build/win64/wineprefix" scripts/wine-session.sh bash -c '
    wine "$1/app_wine_unmanaged.exe" app_soak_test.exe &&
    PRICKVERKET_SOAK_EVENTS=$2 PRICKVERKET_SOAK_SEED=$3 wine "$1/app_soak_test.exe"
' soak "$programs" "$events" "$seed"
