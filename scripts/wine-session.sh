#!/usr/bin/env bash
# Runs one command inside a Wine session of its own: a private prefix, one
# Xvfb display and one persistent wineserver. Everything is stopped on exit,
# also when the command fails or the script is interrupted.
#
#   WINEPREFIX=<dir> scripts/wine-session.sh <command> [args...]
#
# WINEPREFIX defaults to build/win64/wineprefix in the source tree. The prefix
# is made on first use. A session that cannot start fails loudly.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/.." && pwd)

# The session, wineserver and Xvfb included, on one CPU: see one-cpu.sh.
[ -n "${PRICKVERKET_PINNED_TO:-}" ] || exec "$here/one-cpu.sh" "$0" "$@"

export WINEPREFIX=${WINEPREFIX:-$root/build/win64/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64

logdir=$(mktemp -d "${TMPDIR:-/tmp}/prickverket-session.XXXXXX")
xvfb_pid=""

stop_session() {
    local rc=$?
    trap - EXIT INT TERM
    exec 4>&- 2>/dev/null || true
    if [ -d "$WINEPREFIX" ]; then
        timeout 20 wineserver -k >/dev/null 2>&1 || true
        timeout 20 wineserver -w >/dev/null 2>&1 || true
    fi
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$logdir"
    exit "$rc"
}
trap stop_session EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

fail() {
    echo "wine-session: $*" >&2
    exit 1
}

command -v Xvfb >/dev/null || fail "Xvfb is not installed (scripts/install-deps.sh installs it)"
command -v wine >/dev/null || fail "wine is not installed (scripts/install-deps.sh installs it)"

# Let Xvfb pick a free display number itself, so parallel sessions never clash.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$logdir/display" \
    >"$logdir/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 1 100); do
    [ -s "$logdir/display" ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
done
[ -s "$logdir/display" ] || { cat "$logdir/xvfb.log" >&2; fail "Xvfb did not start"; }
export DISPLAY=":$(head -n1 "$logdir/display")"

mkdir -p "$WINEPREFIX"
# The persistent server first, so that wineboot and every program share it.
wineserver -p || fail "wineserver did not start for $WINEPREFIX"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "wine-session: creating Wine prefix $WINEPREFIX" >&2
    # The complaint about syswow64\rundll32.exe is expected: there is no 32-bit Wine.
    timeout 300 wineboot -i >"$logdir/wineboot.log" 2>&1 || {
        cat "$logdir/wineboot.log" >&2
        fail "wineboot failed"
    }
fi
timeout 120 wineboot >/dev/null 2>&1 || fail "Wine did not start in $WINEPREFIX"

# Wine's settings for the programs the tests run: a crash fails at once instead
# of waiting for a click on Wine's crash dialog; with no window manager on the
# display, the test programs' windows are unmanaged, so a closing box costs no
# wait for one; and the editor gets a caption and close box drawn by Wine.
{
    printf 'REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Wine\\WineDbg]\n"ShowCrashDialog"=dword:00000000\n'
    for exe in icon_test toolkit_test editor_test handler_bench floor_bench draw_bench; do
        printf '[HKEY_CURRENT_USER\\Software\\Wine\\AppDefaults\\%s.exe\\X11 Driver]\n"Managed"="N"\n' "$exe"
    done
    printf '[HKEY_CURRENT_USER\\Software\\Wine\\AppDefaults\\prickverket.exe\\X11 Driver]\n"Decorated"="N"\n'
} >"$logdir/settings.reg"
timeout 60 wine regedit /S "Z:${logdir//\//\\}\\settings.reg" || fail "cannot write Wine's settings"

# Wine's desktop process (explorer.exe) quits a second after the last program
# on the desktop has ended, and starting it again made every later program over
# ten seconds slower here. A console that waits for input on a pipe keeps one
# program alive for the whole session.
mkfifo "$logdir/keep"
wine cmd.exe <"$logdir/keep" >/dev/null 2>&1 &
exec 4>"$logdir/keep"
# The console answers once it runs; from then on the desktop cannot quit.
echo "echo up>\"Z:${logdir//\//\\}\\up\"" >&4
for _ in $(seq 1 600); do
    [ -e "$logdir/up" ] && break
    sleep 0.1
done
[ -e "$logdir/up" ] || fail "the keep-alive console did not start"
# The desktop process may already have quit, between wineboot and regedit or
# between regedit and the console. The first program that then makes a window
# starts it again and hands it its own standard error: under ctest, a test's
# output pipe, which the desktop process then keeps open for the rest of the
# session, so that ctest waits on it until its timeout although the test has
# ended. So a window is made here, by a program whose output goes nowhere:
# the session's desktop process is running, and it holds no one's pipe.
timeout 60 wine rundll32.exe user32.dll,GetDesktopWindow </dev/null >/dev/null 2>&1 ||
    fail "Wine's desktop process did not start"

export PRICKVERKET_WINE_SESSION=$DISPLAY
"$@"
