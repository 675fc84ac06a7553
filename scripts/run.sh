#!/usr/bin/env bash
# Builds the editor if needed and starts it under Wine, in the project's own
# Wine prefix (build/win64/wineprefix), never in ~/.wine.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

if [ -z "${DISPLAY:-}" ]; then
    echo "No display: start the editor on a virtual one with: xvfb-run -a -s '-screen 0 1280x1024x24' scripts/run.sh" >&2
    exit 1
fi

scripts/install-deps.sh
if [ ! -f app/CMakeLists.txt ] || ! grep -q prickverket app/CMakeLists.txt; then
    echo "The editor is not built yet: only the icon core exists so far." >&2
    exit 1
fi
scripts/build.sh win64 prickverket

export WINEPREFIX="$root/build/win64/wineprefix"
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Preparing the Wine prefix (once, about 20 s)..." >&2
    wineboot -i >/dev/null 2>&1
fi
exec wine "$root/build/win64/app/prickverket.exe"
