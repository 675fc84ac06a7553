"""edit_flow.py <prickverket.exe>: the linked exe under Wine, driven by X input only."""
import shutil, struct, subprocess, sys, tempfile, x

# The standard palette as screen colours 0xRRGGBB; the file keeps each as B, G, R, 0.
PALETTE = [0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0x808080,
           0xC0C0C0, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF]
# Every colour; the diagonal transparent (16..31), each cell keeping its colour under the mask.
PICTURE = {(r, c): (r // 2 + c) % 16 + 16 * (r == c) for r in range(32) for c in range(32)}
PAINTED = {(0, 0): 9, (31, 31): 9, (12, 12): 16, (4, 20): 16}  # red (left button), clear (right)

def encode(g):  # our own oracle of the 766-byte file, bottom row first
    v = [g[r, c] for r in range(31, -1, -1) for c in range(32)]
    colours = bytes(a % 16 << 4 | b % 16 for a, b in zip(v[::2], v[1::2]))
    mask = bytes(sum(0x80 >> b for b in range(8) if v[i + b] > 15) for i in range(0, 1024, 8))
    return (struct.pack("<3H4B2H2I I2i2H2I2i2I 16I", 0, 1, 1, 32, 32, 16, 0, 0, 0, 744, 22,
                        40, 32, 64, 1, 4, 0, 640, 0, 0, 0, 0, *PALETTE) + colours + mask)
def through_dialog(frame, o, button, title, path):  # on a failure the screenshot shows any box
    x.click(o, button)
    x.type_into(x.wait_for(title, lambda: x.windows(title))[0], path)
    x.wait_for("the title " + path, lambda: x.xdo("getwindowname", frame) == path + "\n")

work = tempfile.mkdtemp(prefix="pv-e2e-")
open(work + "/indata.ico", "wb").write(encode(PICTURE))
program = subprocess.Popen(["wine", sys.argv[1]])
try:
    frame = x.wait_for("the window Prickverket", lambda: x.windows("^Prickverket$"), 60)[0]
    o = x.wait_for("the transparent swatch", lambda: x.client_origin(x.shot()))
    through_dialog(frame, o, x.OPEN, "ppna ikon", "Z:" + work.replace("/", "\\") + "\\indata.ico")
    x.click(o, x.RED_SWATCH, 1)  # a release over a swatch picks its colour
    x.click(o, x.MARK_SWATCH, 3)
    for (r, c), v in PAINTED.items():  # the window takes X input in order: then the save
        x.click(o, (115 + 10 * c, 15 + 10 * r), 1 if v == 9 else 3)
    through_dialog(frame, o, x.SAVE, "Spara ikon", "Z:" + work.replace("/", "\\") + "\\sparad.ico")
    got, want = open(work + "/sparad.ico", "rb").read(), encode(PICTURE | PAINTED)
    diff = ["%d: got %02X, want %02X" % d for d in zip(range(766), got, want) if d[1] != d[2]]
    assert got == want, "saved %d bytes, want 766; at %s" % (len(got), "; ".join(diff[:6]))
    fx, fy, fw, _ = x.geometry(frame)  # the close box ends the caption Wine draws above o
    half = (o[1] - fy - (o[0] - fx)) // 2  # half the caption's height
    x.click(o, (fw - 2 * (o[0] - fx) - 2 - half, -half))
    assert program.wait(timeout=30) == 0, "exit code %d on close, want 0" % program.returncode
except Exception as failure:
    x.shot().save(work + "/failure.png")
    program.kill()
    sys.exit("FAILED: %s\nscreenshot and files kept in %s" % (failure or repr(failure), work))
shutil.rmtree(work)
