#!/usr/bin/python3
"""Interop of the icon core with tools nobody here wrote.

Files our writer makes must decode with icotool and with Pillow to the same
pixels and the same transparency. Files that icotool makes from PNGs, alone
and mixed with images of other sizes and depths, must read to the right grid
and palette.

Usage: interop_test.py ICON_TOOL   (our command-line driver of the icon core)
"""
import os
import random
import shutil
import subprocess
import sys
import tempfile

from PIL import Image

TOOL = sys.argv[1]
failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def run(*args):
    return subprocess.run(args, check=True, capture_output=True, text=True).stdout


def write_icon(path, palette, grid):
    text = " ".join(map(str, palette)) + "\n" + " ".join(map(str, grid)) + "\n"
    result = subprocess.run([TOOL, "write", path], input=text, text=True)
    if result.returncode != 0:
        raise RuntimeError(f"writing {path} failed")


def read_icon(path, n):
    lines = run(TOOL, "read", path, str(n)).split("\n")
    if int(lines[0]) != 0:
        return None
    return list(map(int, lines[1].split())), list(map(int, lines[2].split()))


def count_icon(path):
    return int(run(TOOL, "count", path))


def entry_rgb(palette, value):
    return palette[3 * value + 2], palette[3 * value + 1], palette[3 * value]


def compare_with_decoded(label, palette, grid, rgba):
    """rgba: 32 x 32 decoded by someone else. Opaque cells in their palette colour."""
    check(rgba.size == (32, 32), f"{label}: size {rgba.size}")
    bad = 0
    for row in range(32):
        for col in range(32):
            cell = grid[row * 32 + col]
            r, g, b, a = rgba.getpixel((col, row))
            if cell >= 16:
                ok = a == 0
            else:
                ok = a == 255 and (r, g, b) == entry_rgb(palette, cell)
            if not ok:
                bad += 1
                if bad <= 3:
                    failures.append(f"{label}: cell ({row}, {col}) = {cell} decoded as {(r, g, b, a)}")
    return bad == 0


def pillow_frame(path, offset):
    """Pillow's decoding of the image whose data starts at offset."""
    with Image.open(path) as im:
        for index, entry in enumerate(im.ico.entry):
            if entry["offset"] == offset:
                return im.ico.frame(index).convert("RGBA")
    raise RuntimeError(f"no image at offset {offset} in {path}")


def directory_offsets(path):
    """(width, height, offset) of each directory entry, in file order."""
    data = open(path, "rb").read()
    count = int.from_bytes(data[4:6], "little")
    entries = []
    for i in range(count):
        e = data[6 + 16 * i : 22 + 16 * i]
        entries.append((e[0] or 256, e[1] or 256, int.from_bytes(e[12:16], "little")))
    return entries


def bitmap_32x32_4bit(path):
    """Offsets of the 32 x 32, 4-bit BMP images, in file order, from the directory."""
    data = open(path, "rb").read()
    found = []
    for width, height, offset in directory_offsets(path):
        head = data[offset : offset + 16]
        if head[:4] == b"\x28\0\0\0" and width == 32 and height == 32 and head[14] == 4:
            found.append(offset)
    return found


def ours_to_tools(work):
    rng = random.Random(5)
    standard = [0, 0, 0, 0, 0, 128, 0, 128, 0, 0, 128, 128, 128, 0, 0, 128, 0, 128, 128, 128, 0,
                128, 128, 128, 192, 192, 192, 0, 0, 255, 0, 255, 0, 0, 255, 255, 255, 0, 0, 255,
                0, 255, 255, 255, 0, 255, 255, 255]
    own = [rng.randrange(256) for _ in range(48)]
    cases = {
        "standard": (standard, [rng.randrange(32) for _ in range(1024)]),
        "own": (own, [rng.randrange(32) for _ in range(1024)]),
        "opaque": (own, [rng.randrange(16) for _ in range(1024)]),
        "transparent": (standard, [16] * 1024),
    }
    for name, (palette, grid) in cases.items():
        path = os.path.join(work, f"ours-{name}.ico")
        write_icon(path, palette, grid)
        check(os.path.getsize(path) == 766, f"{name}: size {os.path.getsize(path)}")
        check(read_icon(path, 1) == (palette, grid), f"{name}: our own read differs")

        with Image.open(path) as im:
            check(im.format == "ICO", f"{name}: Pillow sees {im.format}")
            ok = compare_with_decoded(f"{name} (Pillow)", palette, grid, im.convert("RGBA"))

        out = os.path.join(work, f"x-{name}")
        os.mkdir(out)
        listing = run("icotool", "-l", path)
        check("--width=32 --height=32" in listing, f"{name}: icotool lists {listing!r}")
        run("icotool", "-x", "-o", out, path)
        pngs = sorted(os.listdir(out))
        check(len(pngs) == 1, f"{name}: icotool extracted {pngs}")
        with Image.open(os.path.join(out, pngs[0])) as png:
            ok = compare_with_decoded(f"{name} (icotool)", palette, grid, png.convert("RGBA")) and ok
        print(f"ours -> Pillow, icotool: {name}: {'same' if ok else 'DIFFERENT'}")


def sixteen_colour_png(path, size, seed, transparent_share=0.2):
    rng = random.Random(seed)
    colours = [tuple(rng.randrange(256) for _ in range(3)) for _ in range(15)]
    im = Image.new("RGBA", (size, size))
    for y in range(size):
        for x in range(size):
            alpha = 0 if rng.random() < transparent_share else 255
            im.putpixel((x, y), rng.choice(colours) + (alpha,))
    im.save(path)


def many_colour_png(path, size, seed):
    rng = random.Random(seed)
    im = Image.new("RGBA", (size, size))
    for y in range(size):
        for x in range(size):
            im.putpixel((x, y), (rng.randrange(256), rng.randrange(256), rng.randrange(256),
                                 rng.choice((0, 128, 255))))
    im.save(path)


def compare_with_png(label, palette, grid, png_path):
    with Image.open(png_path) as png:
        return compare_with_decoded(label, palette, grid, png.convert("RGBA"))


def tools_to_ours(work):
    a = os.path.join(work, "a.png")
    b = os.path.join(work, "b.png")
    small = os.path.join(work, "small.png")
    big = os.path.join(work, "big.png")
    deep = os.path.join(work, "deep.png")
    sixteen_colour_png(a, 32, 1)
    sixteen_colour_png(b, 32, 2, transparent_share=0.5)
    sixteen_colour_png(small, 16, 3)
    many_colour_png(big, 48, 4)
    many_colour_png(deep, 32, 5)

    # One image, as icotool makes it from a PNG.
    single = os.path.join(work, "single.ico")
    run("icotool", "-c", "-b", "4", "-o", single, a)
    check(count_icon(single) == 1, "single: count")
    got = read_icon(single, 1)
    check(got is not None, "single: image 1 not read")
    if got:
        palette, grid = got
        ok = compare_with_png("single vs PNG", palette, grid, a)
        ok = compare_with_decoded("single vs Pillow", palette, grid,
                                  pillow_frame(single, bitmap_32x32_4bit(single)[0])) and ok
        print(f"icotool -c -b 4 -> ours: {'right' if ok else 'WRONG'}")
    check(read_icon(single, 2) is None, "single: image 2 found")

    # Sizes and depths mixed around two 32 x 32 4-bit images, one PNG-compressed.
    mixed = os.path.join(work, "mixed.ico")
    run("icotool", "-c", "-o", mixed,
        "-b", "4", small, "-b", "8", deep, "-b", "32", big, "-b", "4", a,
        "-b", "32", deep, "-b", "4", small, "-r", big, "-b", "4", b, "-b", "8", a)
    listing = run("icotool", "-l", mixed)
    check(count_icon(mixed) == 9, f"mixed: count {count_icon(mixed)}")
    offsets = bitmap_32x32_4bit(mixed)
    check(len(offsets) == 2, f"mixed: icotool made {listing}")
    for n, png in ((1, a), (2, b)):
        got = read_icon(mixed, n)
        check(got is not None, f"mixed: image {n} not read")
        if got:
            palette, grid = got
            ok = compare_with_png(f"mixed {n} vs PNG", palette, grid, png)
            ok = compare_with_decoded(f"mixed {n} vs Pillow", palette, grid,
                                      pillow_frame(mixed, offsets[n - 1])) and ok
            print(f"mixed icon, image {n}: {'right' if ok else 'WRONG'}")
    check(read_icon(mixed, 1) == read_icon(single, 1), "mixed: image 1 differs from the single icon")
    check(read_icon(mixed, 3) is None, "mixed: image 3 found")

    # No 32 x 32 4-bit image at all: every image is of another kind.
    others = os.path.join(work, "others.ico")
    run("icotool", "-c", "-o", others, "-b", "4", small, "-b", "8", a, "-b", "32", big, "-r", a)
    check(count_icon(others) == 4, "others: count")
    check(read_icon(others, 1) is None, "others: an image was found")

    # Pillow's own icon writer, read back by us after Pillow has read it.
    pillow_ico = os.path.join(work, "pillow.ico")
    with Image.open(a) as im:
        im.save(pillow_ico, sizes=[(32, 32)], bitmap_format="bmp")
    with Image.open(pillow_ico) as im:
        entries = [(e["width"], e["bpp"]) for e in im.ico.entry]
    if (32, 4) in entries:
        got = read_icon(pillow_ico, 1)
        check(got is not None and compare_with_png("pillow.ico", *got, a), "pillow.ico: not read right")
    else:
        check(read_icon(pillow_ico, 1) is None, f"pillow.ico {entries}: an image was found")
    print(f"Pillow's icon {entries}: read as expected")


def main():
    work = tempfile.mkdtemp(prefix="prickverket-interop-")
    try:
        ours_to_tools(work)
        tools_to_ours(work)
    finally:
        shutil.rmtree(work, ignore_errors=True)
    for failure in failures:
        print("FAIL:", failure)
    if failures:
        sys.exit(1)
    print("all interop checks passed")


main()
