#!/usr/bin/env bash
# Builds the editor if needed and starts it under Wine, in the project's own
# Wine prefix (build/win64/wineprefix), never in ~/.wine.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

# First, so that xvfb-run exists when the line below suggests it.
scripts/install-deps.sh
if [ -z "${DISPLAY:-}" ]; then
    echo "No display: start the editor on a virtual one with: xvfb-run -a -s '-screen 0 1280x1024x24' scripts/run.sh" >&2
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
# Wine and its server on one CPU: see one-cpu.sh.
exec scripts/one-cpu.sh wine "$root/build/win64/app/prickverket.exe"
