#!/usr/bin/env bash
# Runs one Windows program under Wine. ctest uses it as the cross-compiling
# emulator. Inside a session (scripts/wine-session.sh) it reuses that session's
# display and wineserver; outside one it starts a session just for this program.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

if [ -z "${PRICKVERKET_WINE_SESSION:-}" ]; then
    exec "$here/wine-session.sh" "$0" "$@"
fi
exec wine "$@"
