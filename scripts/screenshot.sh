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
import os, shutil, sys, tempfile, time
exe, output, e2e, icon = sys.argv[1:5]
sys.path.insert(0, e2e)
import subprocess
import editor_layout as layout
import icon_file
import x_driver as x

x.require_session()
work = tempfile.mkdtemp(prefix="pv-shot-")
path = os.path.join(work, "prickverket.ico")
shutil.copyfile(icon, path)
palette = icon_file.STANDARD_PALETTE
program = subprocess.Popen(["wine", exe], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
try:
    window = x.wait_for("the editor's window", lambda: x.find_windows("^Prickverket$"), timeout=60)[0]
    near = x.window_geometry(window)[:2]

    def located():
        try:
            return layout.locate_client(x.screenshot(), near, palette)
        except x.E2EFailure:
            return None

    client = layout.Client(x.wait_for("the palette swatches", located, timeout=30))
    x.click(*client.screen(layout.OPEN_BUTTON))
    dialog = x.wait_for("the open dialog", lambda: x.find_windows("ppna ikon"), timeout=30)[0]
    x.focus(dialog)
    x.type_text("Z:" + path.replace("/", "\\"))
    x.key("Return")
    x.wait_for("the icon to open", lambda: x.window_name(window).endswith("prickverket.ico"), timeout=30)
    picture = icon_file.decode(open(path, "rb").read())[1]

    def shows(what, check):
        x.wait_for(what, lambda: not check(x.screenshot()), timeout=20, interval=0.2)

    shows("the icon in the grid", lambda image: client.grid_mismatches(image, palette, picture))
    red = icon_file.screen_rgb(palette, 9)
    x.press_release(*client.screen(layout.swatch_centre(layout.SWATCHES[2][0])))
    shows("red as the left colour",
          lambda image: client.pixel(image, layout.swatch_centre(layout.LEFT_COLOUR_SWATCH)) != red)
    x.click(*client.screen(layout.GRID_BUTTON))
    shows("the grid lines", lambda image: client.cell_pixel(image, 0, 0, (layout.LINE_OFFSET, 2)) != (0, 0, 0))
    x.click(*client.screen(layout.UPDATE_BUTTON))
    # The grey preview's image area is dark grey until the previews are drawn.
    shows("the previews", lambda image: client.pixel(image, (184 + 9, 347 + 9)) == (100, 100, 100))
    # Park the pointer outside the window, then let the last repaint land.
    x.move(5, 5)
    time.sleep(1.0)
    left, top = client.origin
    _, _, width, height = x.window_geometry(window)
    x.screenshot().crop((left, top, left + width, top + height)).save(output)
    print("screenshot: wrote %s (%d x %d)" % (output, width, height))
finally:
    if program.poll() is None:
        # The close box is drawn by the window manager, and there is none here.
        x.focus(window)
        x.key("alt+F4")
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
