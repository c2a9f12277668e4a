# SPDX-License-Identifier: GPL-3.0-or-later
"""Render every picture of the catalogue, the window icon and the contact sheet.

Run with the Debian python (/usr/bin/python3); see assets/README.md.
Output is byte-for-byte the same on every run.
"""
import os
import sys

import cairo
import numpy as np
from PIL import Image, ImageDraw, ImageFont

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

from art import writers  # noqa: E402
from art.pictures import ICON, catalogue  # noqa: E402

PICTURES = os.path.join(HERE, "pictures")
PICTURES_2X = os.path.join(PICTURES, "2x")
EXTENSION = {"bmp": "bmp", "bmp256": "bmp", "gif": "gif"}


class Env:
    """Lets one drawing paint the window background that lies under it."""

    def __init__(self, by_name, scale):
        self.by_name = by_name
        self.scale = scale
        self.ctx = None

    def ground(self, name, x, y):
        surf = render_surface(self.by_name[name], self.scale, self.by_name)
        ctx = self.ctx
        ctx.save()
        ctx.identity_matrix()
        ctx.set_source_surface(surf, -x * self.scale, -y * self.scale)
        ctx.paint()
        ctx.restore()


_cache = {}


def render_surface(pic, scale, by_name):
    key = (pic.name, scale)
    if key not in _cache:
        surf = cairo.ImageSurface(cairo.FORMAT_ARGB32, pic.w * scale, pic.h * scale)
        ctx = cairo.Context(surf)
        ctx.scale(scale, scale)
        env = Env(by_name, scale)
        env.ctx = ctx
        pic.draw(ctx, pic.w, pic.h, env)
        surf.flush()
        _cache[key] = surf
    return _cache[key]


def matte_array(by_name, matte, w, h):
    name, x, y = matte
    rgba = writers.surface_rgba(render_surface(by_name[name], 1, by_name))
    crop = rgba[y:y + h, x:x + w, :3].astype(np.float64)
    assert crop.shape[:2] == (h, w), f"matte for {name} at {x},{y} runs off the picture"
    return crop


def clean(folder):
    for f in sorted(os.listdir(folder)):
        if f.endswith((".bmp", ".gif", ".png")):
            os.remove(os.path.join(folder, f))


def render_all():
    os.makedirs(PICTURES_2X, exist_ok=True)
    clean(PICTURES)
    clean(PICTURES_2X)
    pics = catalogue()
    by_name = {p.name: p for p in pics}
    assert len(by_name) == len(pics), "duplicate asset name"
    written = []
    for pic in pics:
        rgba = writers.surface_rgba(render_surface(pic, 1, by_name))
        path = os.path.join(PICTURES, f"{pic.name}.{EXTENSION[pic.fmt]}")
        if pic.fmt == "bmp":
            writers.save_bmp_rgb(rgba, path)
        elif pic.fmt == "bmp256":
            writers.save_bmp_256(rgba, path)
        else:
            matte = matte_array(by_name, pic.matte, pic.w, pic.h) if pic.matte else None
            writers.save_gif(rgba, path, matte, pic.threshold)
        rgba2 = writers.surface_rgba(render_surface(pic, 2, by_name))
        writers.save_png(rgba2, os.path.join(PICTURES_2X, f"{pic.name}.png"),
                         alpha=pic.fmt == "gif")
        written.append((pic, path))

    icon = writers.surface_rgba(render_surface(ICON, 1, by_name))
    writers.save_icon_png(icon, os.path.join(PICTURES, "main.Icon.png"))
    big = cairo.ImageSurface(cairo.FORMAT_ARGB32, 256, 256)
    ctx = cairo.Context(big)
    ICON.draw(ctx, 256, 256, None)
    writers.save_png(writers.surface_rgba(big), os.path.join(PICTURES_2X, "main.Icon.png"),
                     alpha=True)
    written.append((ICON, os.path.join(PICTURES, "main.Icon.png")))
    return written


def contact_sheet(written, path):
    font = ImageFont.truetype("/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf", 11)
    sheet_w, pad, label_h = 1800, 10, 14
    items = []
    for pic, file in written:
        img = Image.open(file).convert("RGBA")
        items.append((pic.name, img))
    # shelf packing, in catalogue order
    x, y, shelf_h, places = pad, pad, 0, []
    for name, img in items:
        w = max(img.width, int(font.getlength(name)))
        h = img.height + label_h
        if x + w > sheet_w - pad:
            x, y, shelf_h = pad, y + shelf_h + pad, 0
        places.append((x, y))
        x += w + pad
        shelf_h = max(shelf_h, h)
    height = y + shelf_h + pad
    sheet = Image.new("RGBA", (sheet_w, height), (128, 128, 128, 255))
    draw = ImageDraw.Draw(sheet)
    for (name, img), (px, py) in zip(items, places):
        draw.text((px, py), name, fill=(255, 255, 255, 255), font=font)
        sheet.alpha_composite(img, (px, py + label_h))
    # a palette keeps the review sheet small; slight banding does not matter there
    sheet = sheet.convert("RGB").quantize(256, method=Image.Quantize.MEDIANCUT,
                                          dither=Image.Dither.NONE)
    sheet.save(path, format="PNG", optimize=True)


def main():
    written = render_all()
    contact_sheet(written, os.path.join(HERE, "contact_sheet.png"))
    print(f"rendered {len(written)} pictures into {os.path.relpath(PICTURES)}")


if __name__ == "__main__":
    main()
