# SPDX-License-Identifier: GPL-3.0-or-later
"""Render the desktop icon at the hicolor theme's usual sizes, and as SVG.

The same drawing as the window icon (art.pictures.ICON), so the menu entry,
the taskbar and the window show one picture. Run with the Debian python
(/usr/bin/python3); see assets/README.md. Output is byte-for-byte the same on
every run.
"""
import os
import sys

import cairo
import numpy as np
from PIL import Image

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

from art import writers  # noqa: E402
from art.pictures import ICON  # noqa: E402

ICONS = os.path.join(HERE, "icons")
SIZES = [16, 22, 24, 32, 48, 64, 128, 256, 512]


def render_png(size, path):
    surf = cairo.ImageSurface(cairo.FORMAT_ARGB32, size, size)
    ICON.draw(cairo.Context(surf), size, size, None)
    writers.save_png(writers.surface_rgba(surf), path, alpha=True)


def render_svg(path):
    # Cairo writes the lettering as outlines, so the SVG needs no font.
    surf = cairo.SVGSurface(path, ICON.w, ICON.h)
    surf.set_document_unit(cairo.SVGUnit.PX)
    ICON.draw(cairo.Context(surf), ICON.w, ICON.h, None)
    surf.finish()


def check(files):
    for size in SIZES:
        img = Image.open(os.path.join(ICONS, f"{size}x{size}.png"))
        if img.size != (size, size) or img.mode != "RGBA":
            sys.exit(f"icons: {size}x{size}.png is {img.size} {img.mode}")
        alpha = np.array(img)[:, :, 3]
        if alpha[0, 0] != 0 or alpha[size // 2, size // 2] != 255:
            sys.exit(f"icons: {size}x{size}.png wants transparent corners and an opaque middle")
    if sorted(os.listdir(ICONS)) != sorted(files):
        sys.exit(f"icons: unexpected files in {ICONS}")


def main():
    os.makedirs(ICONS, exist_ok=True)
    files = []
    for size in SIZES:
        name = f"{size}x{size}.png"
        render_png(size, os.path.join(ICONS, name))
        files.append(name)
    render_svg(os.path.join(ICONS, "scalable.svg"))
    files.append("scalable.svg")
    check(files)
    print(f"rendered {len(SIZES)} icon sizes and the scalable icon into {os.path.relpath(ICONS)}")


if __name__ == "__main__":
    main()
