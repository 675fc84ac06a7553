#!/usr/bin/python3
"""End to end: the real prickverket.exe under Wine, driven by X input only.

  edit_flow.py <prickverket.exe>

Opens an icon through the open dialog, picks colours from the swatches and
paints cells, switches the grid lines on and off, saves through the save
dialog and compares the saved bytes with the expected ones, then closes the
window with its close box and checks the exit code. Everything is read from
screenshots and from the saved file.
"""

import os
import shutil
import subprocess
import sys
import tempfile
import time

import editor_layout as layout
import icon_file
import x_driver as x
from x_driver import E2EFailure, log

# Without a window manager Wine leaves the caption undrawn; asked not to rely
# on one, it draws the caption and its close box itself. Only for this exe.
X11_KEY = r"HKCU\Software\Wine\AppDefaults\prickverket.exe\X11 Driver"


def windows_path(path):
    return "Z:" + os.path.abspath(path).replace("/", "\\")


def input_picture():
    """The icon the test opens: every standard colour, transparent cells, and
    transparent cells that keep a colour (17..31), which a file may hold."""
    grid = [[(row // 2 + column // 4) % 16 for column in range(32)] for row in range(32)]
    for i in range(32):
        grid[i][i] = icon_file.TRANSPARENT
    grid[4][20] = 25
    grid[30][1] = 17
    return grid


# Cells painted, in this order: (row, column, mouse button).
LEFT_BUTTON, RIGHT_BUTTON = 1, 3
PAINTED = [
    (0, 0, LEFT_BUTTON),     # a transparent cell (diagonal) becomes red
    (3, 5, LEFT_BUTTON),
    (4, 20, LEFT_BUTTON),    # a kept-colour transparent cell becomes red
    (31, 31, LEFT_BUTTON),   # the far corner
    (12, 25, RIGHT_BUTTON),  # opaque cells become transparent
    (31, 0, RIGHT_BUTTON),
    (20, 7, RIGHT_BUTTON),
]
RED = 9


def wine_reg(*args):
    return subprocess.run(
        ["wine", "reg"] + list(args), stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True
    )


def draw_own_caption():
    """Sets Decorated=N for prickverket.exe; returns the earlier value, or None."""
    query = wine_reg("query", X11_KEY, "/v", "Decorated")
    earlier = None
    if query.returncode == 0:
        for line in query.stdout.splitlines():
            parts = line.split()
            if len(parts) >= 3 and parts[0] == "Decorated":
                earlier = parts[2]
    result = wine_reg("add", X11_KEY, "/v", "Decorated", "/t", "REG_SZ", "/d", "N", "/f")
    if result.returncode != 0:
        raise E2EFailure("could not set Wine's Decorated=N for prickverket.exe: " + result.stdout)
    return earlier


def restore_caption_setting(earlier):
    if earlier is None:
        wine_reg("delete", X11_KEY, "/v", "Decorated", "/f")
    else:
        wine_reg("add", X11_KEY, "/v", "Decorated", "/t", "REG_SZ", "/d", earlier, "/f")


def check_dialog_gone(pattern, what):
    boxes = x.find_windows(pattern)
    if boxes:
        shot = x.screenshot()
        x.save_evidence(shot, "e2e-message-box.png")
        titles = ", ".join(x.window_name(b) for b in boxes)
        x.focus(boxes[0])
        x.key("Return")
        raise E2EFailure("unexpected message box during %s: %s" % (what, titles))


def wait_screen(what, check, timeout=20.0):
    """Poll screenshots until check(image) gives an empty list of faults."""
    last = []

    def probe():
        nonlocal last
        image = x.screenshot()
        last = check(image)
        if os.environ.get("E2E_DEBUG"):
            log("%s: %d faults %s" % (what, len(last), last[:2]))
        return image if not last else None

    try:
        return x.wait_for(what, probe, timeout=timeout, interval=0.2)
    except E2EFailure as failure:
        x.save_evidence(x.screenshot(), "e2e-failure.png")
        shown = "; ".join(str(f) for f in last[:6])
        raise E2EFailure("%s (first of %d faults: %s)" % (failure, len(last), shown)) from None


def choose_file(client, button, title_pattern, path, what):
    x.click(*client.screen(button))
    dialog = x.wait_for("the %s dialog" % what, lambda: x.find_windows(title_pattern), timeout=30)[0]
    log("%s dialog is up: %r" % (what, x.window_name(dialog)))
    x.focus(dialog)
    x.type_text(windows_path(path))
    x.key("Return")
    return dialog


def close_box(frame, client):
    """Screen point of the close box at the right end of the caption that Wine draws."""
    fx, fy, fwidth, _ = x.window_geometry(frame)
    if client.origin[1] - fy < 10:
        raise E2EFailure("Wine drew no caption above the client area, so there is no close box")
    border = client.origin[0] - fx
    caption_bottom = client.origin[1]
    caption_top = fy + border
    half = (caption_bottom - caption_top) // 2
    return (fx + fwidth - border - 2 - half, caption_top + half)


def run(exe):
    x.require_session()
    if not os.path.isfile(exe):
        raise E2EFailure("%s does not exist: build the target prickverket first" % exe)

    work = tempfile.mkdtemp(prefix="pv-e2e-")
    in_path = os.path.join(work, "indata.ico")
    out_path = os.path.join(work, "sparad.ico")
    palette = icon_file.STANDARD_PALETTE
    picture = input_picture()
    with open(in_path, "wb") as f:
        f.write(icon_file.encode(palette, picture))

    earlier_setting = draw_own_caption()
    program_log = open(os.path.join(work, "program.log"), "w")
    program = subprocess.Popen(["wine", exe], stdout=program_log, stderr=subprocess.STDOUT)
    passed = False
    try:
        frames = x.wait_for(
            "the window titled Prickverket",
            lambda: x.find_windows("^Prickverket$"),
            timeout=60,
        )
        if len(frames) != 1:
            raise E2EFailure("%d windows titled Prickverket on the display; want ours alone"
                             % len(frames))
        frame = frames[0]
        fx, fy, _, _ = x.window_geometry(frame)
        start = wait_screen(
            "the palette swatches",
            lambda image: [] if _try_locate(image, (fx, fy), palette) else ["no swatches yet"],
        )
        client = layout.Client(layout.locate_client(start, (fx, fy), palette))
        log("window %d, frame at (%d, %d), client area at %s" % (frame, fx, fy, client.origin))

        white = [[15] * 32 for _ in range(32)]
        wait_screen(
            "the start state: white grid, black left and white right colour",
            lambda image: client.grid_mismatches(image, palette, white)
            + _colour_faults(client, image, (0, 0, 0), (255, 255, 255)),
        )
        log("start state shown")

        # 1. Open the icon through the open dialog.
        choose_file(client, layout.OPEN_BUTTON, "ppna ikon", in_path, "open")
        x.wait_for(
            "the title to become the opened path",
            lambda: (check_dialog_gone("meddelande", "opening")
                     or x.window_name(frame) == windows_path(in_path)),
            timeout=30,
        )
        wait_screen(
            "the opened icon in the grid and in thumbnail 1",
            lambda image: client.grid_mismatches(image, palette, picture)
            + _thumbnail_faults(client, image, palette, picture),
        )
        log("opened %s" % windows_path(in_path))

        # 2. Pick colours from the swatches (the release picks) and paint.
        expected = [row[:] for row in picture]
        red_swatch = layout.swatch_centre(layout.SWATCHES[2][0])
        x.press_release(*client.screen(red_swatch), button=LEFT_BUTTON)
        mark = icon_file.TRANSPARENT_MARK_RGB
        x.press_release(*client.screen(layout.swatch_centre(layout.TRANSPARENT_SWATCH)),
                        button=RIGHT_BUTTON)
        red = icon_file.screen_rgb(palette, RED)
        wait_screen(
            "red as the left colour and the transparent mark as the right colour",
            lambda image: _colour_faults(client, image, red, mark),
        )
        for row, column, button in PAINTED:
            x.press_release(*client.screen(layout.cell_centre(row, column)), button=button)
            expected[row][column] = RED if button == LEFT_BUTTON else icon_file.TRANSPARENT
            time.sleep(0.1)
        wait_screen(
            "the painted cells",
            lambda image: client.grid_mismatches(image, palette, expected),
        )
        log("painted %d cells" % len(PAINTED))

        # 3. Grid lines on, then off again.
        x.click(*client.screen(layout.GRID_BUTTON))
        wait_screen(
            "black grid lines between the cells",
            lambda image: _line_faults(client, image, lambda row, column: (0, 0, 0))
            + client.grid_mismatches(image, palette, expected),
        )
        log("grid lines on")
        x.click(*client.screen(layout.GRID_BUTTON))
        wait_screen(
            "the grid lines gone again",
            lambda image: _line_faults(
                client, image, lambda row, column: layout.cell_colour(palette, expected[row][column])
            ),
        )
        log("grid lines off")

        # 4. Save through the save dialog and compare the bytes.
        choose_file(client, layout.SAVE_BUTTON, "Spara ikon", out_path, "save")
        x.wait_for(
            "the saved file and the title showing its path",
            lambda: (check_dialog_gone("meddelande", "saving")
                     or (x.window_name(frame) == windows_path(out_path)
                         and os.path.isfile(out_path))),
            timeout=30,
        )
        with open(out_path, "rb") as f:
            saved = f.read()
        want = icon_file.encode(palette, expected)
        if saved != want:
            diff = [i for i in range(min(len(saved), len(want))) if saved[i] != want[i]]
            raise E2EFailure(
                "saved file differs: %d bytes (want 766), first differing offsets %s"
                % (len(saved), diff[:10])
            )
        log("saved %s: 766 bytes as expected" % windows_path(out_path))

        # 5. Close with the close box; the process ends with 0.
        box = close_box(frame, client)
        log("clicking the close box at %s" % (box,))
        x.click(*box)
        x.wait_for("the program to exit", lambda: program.poll() is not None, timeout=30)
        if program.returncode != 0:
            raise E2EFailure("prickverket.exe exited with %d, want 0" % program.returncode)
        log("closed with the close box, exit code 0")
        passed = True
    finally:
        if program.poll() is None:
            x.save_evidence(x.screenshot(), "e2e-still-running.png")
            program.kill()
            program.wait(timeout=10)
        program_log.close()
        restore_caption_setting(earlier_setting)
        # On failure the icons and the program's output stay for a look.
        if passed:
            shutil.rmtree(work, ignore_errors=True)
        else:
            print("files kept in %s" % work, file=sys.stderr)


def _try_locate(image, near, palette):
    try:
        layout.locate_client(image, near, palette)
        return True
    except E2EFailure:
        return False


def _colour_faults(client, image, left, right):
    faults = []
    for name, corner, want in (("left", layout.LEFT_COLOUR_SWATCH, left),
                               ("right", layout.RIGHT_COLOUR_SWATCH, right)):
        seen = client.pixel(image, layout.swatch_centre(corner))
        if seen != want:
            faults.append("%s colour swatch shows %s, want %s" % (name, seen, want))
    return faults


def _thumbnail_faults(client, image, palette, grid):
    faults = []
    tx, ty = layout.THUMBNAIL_1
    for row in range(32):
        for column in range(32):
            value = grid[row][column]
            want = layout.BACKGROUND if value >= 16 else icon_file.screen_rgb(palette, value)
            # Kept-colour transparent cells show the grey background XOR their colour.
            if value > 16:
                kept = icon_file.screen_rgb(palette, value - 16)
                want = tuple(b ^ k for b, k in zip(layout.BACKGROUND, kept))
            seen = client.pixel(image, (tx + column, ty + row))
            if seen != want:
                faults.append(("thumbnail", row, column, seen, want))
    return faults


def _line_faults(client, image, want_at):
    """Check the pixel column right of every cell against want_at(row, column)."""
    faults = []
    for row in range(32):
        for column in range(32):
            seen = client.cell_pixel(image, row, column, (layout.LINE_OFFSET, 2))
            want = want_at(row, column)
            if seen != want:
                faults.append(("line", row, column, seen, want))
    return faults


def main():
    if len(sys.argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    started = time.monotonic()
    try:
        run(sys.argv[1])
    except E2EFailure as failure:
        print("FAILED: %s" % failure, file=sys.stderr)
        return 1
    print("end-to-end flow passed in %.1f s" % (time.monotonic() - started))
    return 0


if __name__ == "__main__":
    sys.exit(main())
