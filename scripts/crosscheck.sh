#!/usr/bin/env bash
# The long form of the loader cross-check: our writer's icon files, loaded and
# drawn by Windows itself (LoadImageA, DrawIconEx on grey, black and white, and
# the AND mask), compared pixel by pixel with the editor's previews, mask and
# thumbnail after the real Open command. The set: the 32 shifts of a diagonal of
# all 32 cell values (every value at every position) and N seeded random grids,
# each with the standard palette and with a palette of its own.
#
#   scripts/crosscheck.sh [--random=N] [--seed=S]     (default N 200, S 1)
#
# The short form runs in the README's test command (ctest app.loader_crosscheck).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

scripts/install-deps.sh
scripts/build.sh win64 app_loader_crosscheck_test app_wine_unmanaged

programs="$root/build/win64/tests/app"
# Managed=N first, so that closing the program's windows costs no 2 s wait.
WINEPREFIX="$root/build/win64/wineprefix" scripts/wine-session.sh bash -c '
    wine "$0/app_wine_unmanaged.exe" app_loader_crosscheck_test.exe &&
    wine "$0/app_loader_crosscheck_test.exe" --long "$@"' "$programs" "$@"
