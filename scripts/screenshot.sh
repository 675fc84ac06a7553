#!/usr/bin/env bash
# Makes docs/screenshot.png from the real editor: starts prickverket.exe in a
# Wine session of its own, opens the program's own icon through the open
# dialog, picks red, switches the grid lines on, brings the previews up to date,
# and crops the window's client area out of a screenshot of the whole display.
#
#   scripts/screenshot.sh [output.png]
#
# PRICKVERKET_BUILD names the win64 build to use (default build/win64); it is
# built first if its prickverket.exe is missing.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${PRICKVERKET_BUILD:-$root/build/win64}
output=$(realpath -m "${1:-$root/docs/screenshot.png}")
exe="$build/app/prickverket.exe"

if [ ! -f "$exe" ]; then
    if [ "$build" != "$root/build/win64" ]; then
        echo "screenshot: $exe is missing; build the target prickverket in $build" >&2
        exit 1
    fi
    "$root/scripts/build.sh" win64 prickverket
fi
mkdir -p "$(dirname "$output")"

driver=$(cat <<'PYTHON'
import os, shutil, subprocess, sys, tempfile
exe, output, e2e, icon = sys.argv[1:5]
sys.path.insert(0, e2e)
import x

work = tempfile.mkdtemp(prefix="pv-shot-")
shutil.copyfile(icon, work + "/prickverket.ico")
program = subprocess.Popen(["wine", exe], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
window = None
try:
    window = x.wait_for("the editor's window", lambda: x.windows("^Prickverket$"), 60)[0]
    o = x.wait_for("the transparent swatch", lambda: x.client_origin(x.shot()))
    at = lambda point: x.shot().getpixel((o[0] + point[0], o[1] + point[1]))
    x.click(o, x.OPEN)
    x.type_into(x.wait_for("the open dialog", lambda: x.windows("ppna ikon"))[0],
                "Z:" + work.replace("/", "\\") + "\\prickverket.ico")
    x.wait_for("the icon to open", lambda: "prickverket.ico\n" in x.xdo("getwindowname", window))
    x.click(o, x.RED_SWATCH)
    x.wait_for("red as the left colour", lambda: at(x.LEFT) == (255, 0, 0))
    x.click(o, x.GRID)
    x.wait_for("the grid lines", lambda: at((119, 12)) == (0, 0, 0))
    x.click(o, x.UPDATE)
    x.xdo("mousemove", 5, 5)  # the pointer off the window
    # The client area ends one border width inside the frame Wine draws.
    fx, fy, fw, fh = x.geometry(window)
    box = (o[0], o[1], fx + fw - (o[0] - fx), fy + fh - (o[0] - fx))
    shots = [None]
    # Done when two screenshots in a row agree: the last repaint has landed.
    x.wait_for("a still picture", lambda: shots.append(x.shot().crop(box)) or shots[-1] == shots[-2])
    shots[-1].save(output)
    print("screenshot: wrote %s (%d x %d)" % (output, box[2] - box[0], box[3] - box[1]))
finally:
    if program.poll() is None and window:
        x.xdo("windowfocus", "--sync", window, "key", "alt+F4")
        try:
            program.wait(timeout=15)
        except subprocess.TimeoutExpired:
            print("screenshot: the editor did not close on Alt+F4; stopping it", file=sys.stderr)
    program.kill()
    shutil.rmtree(work, ignore_errors=True)
PYTHON
)

export WINEPREFIX=${WINEPREFIX:-$build/wineprefix}
"$root/scripts/wine-session.sh" /usr/bin/python3 -c "$driver" \
    "$exe" "$output" "$root/tests/e2e" "$root/resources/prickverket.ico"
