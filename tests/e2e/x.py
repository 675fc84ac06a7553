"""The editor under Wine on an X display: xdotool input, `import` screenshots, where things are."""
import io, subprocess, time, PIL.Image

OPEN, SAVE, RED_SWATCH, MARK_SWATCH = (45, 12), (45, 37), (540, 82), (555, 297)  # client points

def xdo(*a): return subprocess.run(["xdotool", *map(str, a)], capture_output=True, text=True).stdout
def windows(pattern): return xdo("search", "--onlyvisible", "--name", pattern).split()
def click(o, p, button=1): xdo("mousemove", o[0] + p[0], o[1] + p[1], "click", button)
def geometry(window):  # X, Y, WIDTH, HEIGHT
    return [int(f.split("=")[1]) for f in xdo("getwindowgeometry", "--shell", window).split()[1:5]]
def type_into(w, text):  # the pointer over the window, as focus follows it
    xdo("mousemove", "--window", w, 20, 20, "windowfocus", "--sync", w, "type", text)
    xdo("key", "Return")
def wait_for(what, probe, timeout=30, why=lambda: ""):
    deadline = time.monotonic() + timeout
    while not (value := probe()) and time.monotonic() < deadline:
        time.sleep(0.1)  # between polls of the screen or the window list
    assert value, "timed out after %d s waiting for %s%s" % (timeout, what, why())
    return value
def shot():  # in RGB: import writes an all-grey screen as a grey PNG
    png = subprocess.run(["import", "-window", "root", "png:-"], capture_output=True, check=True)
    return PIL.Image.open(io.BytesIO(png.stdout)).convert("RGB")
def client_origin(image):  # by the 30 x 30 transparent swatch at (540, 282), while no cell is
    px, w = image.load(), image.width
    for i, c in enumerate(image.getdata()):
        if c == (200, 100, 100) and px[i % w + 29, i // w + 29] == c:
            return i % w - 540, i // w - 282
