# SPDX-License-Identifier: GPL-3.0-or-later
"""Turning cairo surfaces into the catalogue's file formats, and checking them."""
import struct

import cairo
import numpy as np
from PIL import Image

TRANSPARENT_INDEX = 255
# Shown nowhere: the palette slot of the transparent colour only has to be
# distinct from every drawn colour for viewers that ignore transparency.
TRANSPARENT_RGB = (255, 0, 255)


def surface_rgba(surface):
    """Cairo ARGB32 (premultiplied, BGRA in memory) -> straight RGBA uint8."""
    surface.flush()
    h, w = surface.get_height(), surface.get_width()
    stride = surface.get_stride()
    buf = np.frombuffer(surface.get_data(), dtype=np.uint8).reshape(h, stride)
    bgra = buf[:, : w * 4].reshape(h, w, 4).astype(np.float64)
    a = bgra[:, :, 3:4]
    safe = np.where(a > 0, a, 1)
    rgb = np.where(a > 0, bgra[:, :, 2::-1] * 255.0 / safe, 0)
    out = np.concatenate([rgb, a], axis=2)
    return np.clip(np.rint(out), 0, 255).astype(np.uint8)


def rgb_image(rgba):
    return Image.fromarray(np.ascontiguousarray(rgba[:, :, :3]), "RGB")


def save_bmp_rgb(rgba, path):
    rgb_image(rgba).save(path, format="BMP")


def save_bmp_256(rgba, path):
    img = rgb_image(rgba).quantize(colors=256, method=Image.Quantize.MEDIANCUT,
                                   dither=Image.Dither.NONE)
    img.save(path, format="BMP")


def _nearest(pixels, palette):
    """Index of the nearest palette colour for each pixel (both Nx3)."""
    p = pixels.astype(np.int32)[:, None, :]
    q = palette.astype(np.int32)[None, :, :]
    return np.argmin(((p - q) ** 2).sum(axis=2), axis=1)


def gif_image(rgba, matte=None, threshold=0.5):
    """A 256-entry palette image with index 255 as the only transparent colour.

    GIF transparency is all or nothing, so soft edges are settled here:
    pixels below the alpha threshold vanish, the rest become opaque, blended
    with the matte colour (the ground the picture usually sits on) or, without
    a matte, kept at their own colour for a crisp edge.
    """
    rgb = rgba[:, :, :3].astype(np.float64)
    a = rgba[:, :, 3].astype(np.float64) / 255.0
    opaque = a >= threshold
    if matte is not None:
        m = np.asarray(matte, dtype=np.float64)
        if m.ndim == 1:
            m = m.reshape(1, 1, 3)
        rgb = rgb * a[:, :, None] + m * (1 - a[:, :, None])
    rgb = np.clip(np.rint(rgb), 0, 255).astype(np.uint8)

    solid = rgb[opaque]
    strip = Image.fromarray(solid.reshape(1, -1, 3), "RGB")
    q = strip.quantize(colors=255, method=Image.Quantize.MEDIANCUT,
                       dither=Image.Dither.NONE)
    used = len(q.getcolors(256))
    pal = np.array(q.getpalette()[: used * 3], dtype=np.uint8).reshape(-1, 3)

    idx = np.full(a.shape, TRANSPARENT_INDEX, dtype=np.uint8)
    idx[opaque] = _nearest(solid, pal).astype(np.uint8)

    palette = bytearray(768)
    palette[: len(pal) * 3] = pal.tobytes()
    palette[TRANSPARENT_INDEX * 3: TRANSPARENT_INDEX * 3 + 3] = bytes(TRANSPARENT_RGB)
    img = Image.fromarray(idx, "P")
    img.putpalette(bytes(palette))
    return img


def save_gif(rgba, path, matte=None, threshold=0.5):
    img = gif_image(rgba, matte, threshold)
    img.save(path, format="GIF", transparency=TRANSPARENT_INDEX, optimize=False)
    check_gif(path)


def save_png(rgba, path, alpha):
    if alpha:
        Image.fromarray(np.ascontiguousarray(rgba), "RGBA").save(path, format="PNG")
    else:
        rgb_image(rgba).save(path, format="PNG")


def save_icon_png(rgba, path):
    """48 x 48 palette PNG; fully transparent corners, soft edges kept as
    per-entry palette alpha."""
    img = Image.fromarray(np.ascontiguousarray(rgba), "RGBA")
    q = img.quantize(colors=256, method=Image.Quantize.FASTOCTREE,
                     dither=Image.Dither.NONE)
    q.save(path, format="PNG")


# --- verification -----------------------------------------------------------

class FormatError(Exception):
    pass


def check_gif(path):
    """Parse the written GIF: 256-entry colour table, a graphic control
    extension with the transparency flag set and index 255 as the
    transparent colour."""
    data = open(path, "rb").read()
    if data[:6] not in (b"GIF87a", b"GIF89a"):
        raise FormatError(f"{path}: not a GIF")
    w, h, flags = struct.unpack("<HHB", data[6:11])
    pos = 13
    table_size = 0
    if flags & 0x80:
        table_size = 2 ** ((flags & 7) + 1)
        pos += 3 * table_size
    transparent = None
    local_size = None
    while pos < len(data):
        block = data[pos]
        if block == 0x21:  # extension
            label = data[pos + 1]
            pos += 2
            if label == 0xF9:
                size = data[pos]
                packed, _delay, tindex = struct.unpack("<BHB", data[pos + 1: pos + 5])
                if packed & 1:
                    transparent = tindex
            while data[pos]:
                pos += data[pos] + 1
            pos += 1
        elif block == 0x2C:  # image descriptor
            lflags = data[pos + 9]
            pos += 10
            if lflags & 0x80:
                local_size = 2 ** ((lflags & 7) + 1)
                pos += 3 * local_size
            pos += 1  # LZW minimum code size
            while data[pos]:
                pos += data[pos] + 1
            pos += 1
        elif block == 0x3B:
            break
        else:
            raise FormatError(f"{path}: unexpected block {block:#x}")
    size = local_size or table_size
    if size != 256:
        raise FormatError(f"{path}: colour table has {size} entries, not 256")
    if transparent != TRANSPARENT_INDEX:
        raise FormatError(f"{path}: transparent index {transparent}, not 255")
    img = Image.open(path)
    idx = np.array(img)
    pal = img.getpalette()
    if len(pal) < 768:
        raise FormatError(f"{path}: palette shrank to {len(pal) // 3} entries")
    return w, h, int((idx == TRANSPARENT_INDEX).sum())


def new_surface(w, h):
    return cairo.ImageSurface(cairo.FORMAT_ARGB32, w, h)
