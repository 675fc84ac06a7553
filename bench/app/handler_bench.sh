#!/usr/bin/env bash
# Runs the handler benchmark under Wine with its windows unmanaged.
#
#   handler_bench.sh <app_handler_bench.exe>
#
# Our Xvfb has no window manager. For a managed window Wine then waits 2 s,
# its timeout, for a window manager to confirm every hide, so each message box
# and dialog would cost 2 s of waiting that no user sees. Unmanaged, Wine
# draws and hides the windows itself. The setting is for this exe alone.
set -euo pipefail
if [ -z "${DISPLAY:-}" ] || [ -z "${WINEPREFIX:-}" ]; then
    echo "handler_bench: no DISPLAY or WINEPREFIX: run inside scripts/wine-session.sh" >&2
    exit 1
fi
key='HKCU\Software\Wine\AppDefaults\app_handler_bench.exe\X11 Driver'
wine reg add "$key" /v Managed /t REG_SZ /d N /f >/dev/null
exec wine "$1"
