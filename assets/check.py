# SPDX-License-Identifier: GPL-3.0-or-later
"""Check the rendered files against the catalogue: names, pixel sizes, formats.

GIFs are parsed byte by byte (colour table of 256, transparent index 255),
since image libraries hide exactly the details that the game relies on.
"""
import os
import sys

import numpy as np
from PIL import Image

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

from art.pictures import catalogue  # noqa: E402
from art.writers import TRANSPARENT_INDEX, check_gif  # noqa: E402

PICTURES = os.path.join(HERE, "pictures")
SOUNDS = ["Chime.wav", "startup.wav", "correct.wav", "Endlvl.wav", "dong.wav", "click.wav"]


def fail(msg):
    print(f"check: {msg}", file=sys.stderr)
    sys.exit(1)


def bmp_bits(path):
    with open(path, "rb") as f:
        head = f.read(30)
    if head[:2] != b"BM":
        fail(f"{path}: not a BMP")
    return int.from_bytes(head[28:30], "little")


def main():
    pics = catalogue()
    expected = {"main.Icon.png"}
    for pic in pics:
        ext = "gif" if pic.fmt == "gif" else "bmp"
        path = os.path.join(PICTURES, f"{pic.name}.{ext}")
        expected.add(os.path.basename(path))
        if not os.path.exists(path):
            fail(f"missing {path}")
        img = Image.open(path)
        if img.size != (pic.w, pic.h):
            fail(f"{path}: size {img.size}, wanted {(pic.w, pic.h)}")
        if pic.fmt == "bmp" and (img.mode != "RGB" or bmp_bits(path) != 24):
            fail(f"{path}: not a 24-bit bitmap")
        if pic.fmt == "bmp256" and (img.mode != "P" or bmp_bits(path) != 8):
            fail(f"{path}: not a 256-colour bitmap")
        if pic.fmt == "gif":
            check_gif(path)
            idx = np.array(img)
            if not (idx == TRANSPARENT_INDEX).any():
                fail(f"{path}: no transparent pixel")
        two = Image.open(os.path.join(PICTURES, "2x", f"{pic.name}.png"))
        if two.size != (2 * pic.w, 2 * pic.h):
            fail(f"2x/{pic.name}.png: size {two.size}")
        if two.mode != ("RGBA" if pic.fmt == "gif" else "RGB"):
            fail(f"2x/{pic.name}.png: mode {two.mode}")
    icon = Image.open(os.path.join(PICTURES, "main.Icon.png"))
    if icon.size != (48, 48) or icon.mode != "P":
        fail("main.Icon.png: wanted a 48 x 48 palette image")
    rgba = np.array(icon.convert("RGBA"))
    if rgba[0, 0, 3] != 0 or rgba[24, 24, 3] != 255:
        fail("main.Icon.png: corners must be transparent and the middle opaque")
    if Image.open(os.path.join(PICTURES, "2x", "main.Icon.png")).size != (256, 256):
        fail("2x/main.Icon.png: wanted 256 x 256")
    extra = set(f for f in os.listdir(PICTURES) if not os.path.isdir(os.path.join(PICTURES, f)))
    if extra != expected:
        fail(f"unexpected or missing files: {sorted(extra ^ expected)}")
    for s in SOUNDS:
        if not os.path.exists(os.path.join(HERE, "sounds", s)):
            fail(f"missing sound {s}")
    print(f"check: {len(pics)} pictures, the icon and {len(SOUNDS)} sounds are in order")


if __name__ == "__main__":
    main()
