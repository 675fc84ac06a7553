"""Driving a Wine program on an X display with real input, and reading it back.

Input goes only through xdotool (XTEST events, which Wine takes as a real
mouse and keyboard); output is read only from screenshots of the root window
(ImageMagick's import) and from files.
"""

import io
import os
import subprocess
import sys
import time

from PIL import Image


class E2EFailure(Exception):
    """A check of the end-to-end flow failed; the message says which."""


def require_session():
    """Fail loudly unless we run inside a Wine session with a display."""
    missing = [name for name in ("DISPLAY", "WINEPREFIX") if not os.environ.get(name)]
    if missing:
        raise E2EFailure(
            "%s not set: run inside scripts/wine-session.sh (the test run starts one)"
            % " and ".join(missing)
        )
    for tool in ("wine", "xdotool", "import"):
        if subprocess.run(["which", tool], stdout=subprocess.DEVNULL).returncode != 0:
            raise E2EFailure("%s is not installed (scripts/install-deps.sh installs it)" % tool)


def log(message):
    print("[%7.2f s] %s" % (time.monotonic() - _START, message), flush=True)


_START = time.monotonic()


def xdotool(*args, check=True):
    result = subprocess.run(
        ["xdotool"] + [str(a) for a in args],
        stdout=subprocess.PIPE,
        stderr=subprocess.PIPE,
        text=True,
    )
    if check and result.returncode != 0:
        raise E2EFailure("xdotool %s failed: %s" % (" ".join(map(str, args)), result.stderr.strip()))
    return result.stdout


def wait_for(what, probe, timeout=30.0, interval=0.1):
    """Poll probe() until it gives something true; fail with what after timeout."""
    deadline = time.monotonic() + timeout
    while True:
        value = probe()
        if value:
            return value
        if time.monotonic() > deadline:
            raise E2EFailure("timed out after %.0f s waiting for %s" % (timeout, what))
        time.sleep(interval)


def find_windows(name_pattern):
    """X windows whose name matches the regular expression, visible ones only."""
    out = xdotool("search", "--onlyvisible", "--name", name_pattern, check=False)
    return [int(line) for line in out.split()]


def window_name(window):
    return xdotool("getwindowname", window, check=False).strip()


def window_geometry(window):
    """(x, y, width, height) of an X window on the screen."""
    out = xdotool("getwindowgeometry", "--shell", window)
    values = dict(line.split("=", 1) for line in out.split() if "=" in line)
    return int(values["X"]), int(values["Y"]), int(values["WIDTH"]), int(values["HEIGHT"])


def window_exists(window):
    return subprocess.run(
        ["xdotool", "getwindowname", str(window)],
        stdout=subprocess.DEVNULL,
        stderr=subprocess.DEVNULL,
    ).returncode == 0


def screenshot():
    """The whole screen as an RGB Pillow image."""
    png = subprocess.run(
        ["import", "-window", "root", "png:-"], stdout=subprocess.PIPE, stderr=subprocess.PIPE
    )
    if png.returncode != 0:
        raise E2EFailure("import -window root failed: %s" % png.stderr.decode(errors="replace"))
    # import writes grey-only screens as a grey PNG; compare in RGB always.
    return Image.open(io.BytesIO(png.stdout)).convert("RGB")


def move(x, y):
    # No --sync: it waits for a motion, and there is none when the pointer is
    # already there. The X server delivers the motion before any later press.
    xdotool("mousemove", x, y)


def click(x, y, button=1):
    """Press and release at a screen point, as a user would."""
    move(x, y)
    xdotool("click", button)


def press_release(x, y, button=1, pause=0.05):
    move(x, y)
    xdotool("mousedown", button)
    time.sleep(pause)
    xdotool("mouseup", button)


def focus(window):
    """Give a window the X keyboard focus. There is no window manager, so the
    pointer goes over it too, in case focus follows the pointer."""
    x, y, width, height = window_geometry(window)
    move(x + width // 2, y + height // 2)
    xdotool("windowfocus", "--sync", window, check=False)


def type_text(text):
    xdotool("type", "--delay", 30, text)


def key(*names):
    xdotool("key", *names)


def save_evidence(image, path):
    """Keep a screenshot beside the test's output for a failure report."""
    try:
        image.save(path)
        print("screenshot kept at %s" % path, file=sys.stderr)
    except OSError:
        pass
