# SPDX-License-Identifier: GPL-3.0-or-later
"""Shared drawing helpers: colours, fonts, rounded shapes, tiles, buttons, text.

Every drawing function works in the picture's 1x pixel units; the renderer
scales the cairo context for the 2x variants, so nothing here knows the scale.
"""
import math

import cairo

FONT = "Andika"


def rgb(hexstr, a=None):
    """'#RRGGBB' -> (r, g, b[, a]) floats for cairo."""
    h = hexstr.lstrip("#")
    c = tuple(int(h[i:i + 2], 16) / 255.0 for i in (0, 2, 4))
    return c if a is None else c + (a,)


def mix(c1, c2, t):
    """Blend two colours given as '#RRGGBB' or tuples; t=0 gives c1."""
    a = rgb(c1) if isinstance(c1, str) else c1
    b = rgb(c2) if isinstance(c2, str) else c2
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def lighter(c, t):
    return mix(c, (1, 1, 1), t)


def darker(c, t):
    return mix(c, (0, 0, 0), t)


def col(c):
    return rgb(c) if isinstance(c, str) else c


# The game's colour set: one face colour and one edge colour per hue, so that
# tiles, bars and buttons of one hue look alike in every window.
RED = "#E2372F"
RED_EDGE = "#8E1512"
BLUE = "#2470D8"
BLUE_EDGE = "#0E3A7E"
GREEN = "#3DAA3F"
GREEN_EDGE = "#1B5E20"
ORANGE = "#F7901E"
ORANGE_EDGE = "#A85300"
MAGENTA = "#D6258E"
MAGENTA_EDGE = "#7E0F50"
LIGHT_BLUE = "#3FB8F0"
LIGHT_BLUE_EDGE = "#0B6BA8"
CYAN = "#18C1CF"
CYAN_EDGE = "#08727C"
GREY = "#4A4F57"
GREY_EDGE = "#23262B"
PANEL = "#1F4FA8"
PANEL_DARK = "#163A82"
CREAM = "#FFF3C4"
PALE_YELLOW = "#FFF2A0"
TITLE_ORANGE = "#FF8A1C"


# --- fonts and text ---------------------------------------------------------

def set_font(ctx, size, bold=True, italic=False):
    ctx.select_font_face(
        FONT,
        cairo.FONT_SLANT_ITALIC if italic else cairo.FONT_SLANT_NORMAL,
        cairo.FONT_WEIGHT_BOLD if bold else cairo.FONT_WEIGHT_NORMAL,
    )
    ctx.set_font_size(size)
    opts = cairo.FontOptions()
    # Hinting keeps small 1x lettering sharp; grey antialiasing avoids colour
    # fringes on the many different backgrounds.
    opts.set_antialias(cairo.ANTIALIAS_GRAY)
    opts.set_hint_style(cairo.HINT_STYLE_SLIGHT)
    opts.set_hint_metrics(cairo.HINT_METRICS_ON)
    ctx.set_font_options(opts)


def cap_height(ctx):
    return -ctx.text_extents("H").y_bearing


def text_width(ctx, text):
    return ctx.text_extents(text).x_advance


def fit_size(ctx, text, max_w, max_size, bold=True, italic=False):
    """Largest font size <= max_size at which text fits in max_w."""
    size = max_size
    while size > 6:
        set_font(ctx, size, bold, italic)
        if ctx.text_extents(text).width <= max_w:
            return size
        size -= 0.5
    return size


def _origin(ctx, text, x, y, align, valign):
    ext = ctx.text_extents(text)
    if align == "center":
        ox = x - ext.x_bearing - ext.width / 2
    elif align == "right":
        ox = x - ext.x_bearing - ext.width
    else:
        ox = x
    if valign == "center":  # centre the capital height, so words sit alike
        oy = y + cap_height(ctx) / 2
    elif valign == "ink":  # centre the ink of this very text (numerals)
        oy = y - ext.y_bearing - ext.height / 2
    else:
        oy = y
    return ox, oy


def text(ctx, s, x, y, size, color, bold=True, align="center", valign="center",
         shadow=None, shadow_offset=(0, 1), italic=False):
    """Hinted text; optional soft shadow underneath for contrast."""
    set_font(ctx, size, bold, italic)
    ox, oy = _origin(ctx, s, x, y, align, valign)
    if shadow is not None:
        ctx.set_source_rgba(*shadow)
        ctx.move_to(ox + shadow_offset[0], oy + shadow_offset[1])
        ctx.show_text(s)
    ctx.set_source_rgb(*col(color))
    ctx.move_to(ox, oy)
    ctx.show_text(s)


def outlined_text(ctx, s, x, y, size, fill, outline, width, bold=True,
                  align="center", valign="ink", italic=False):
    """Text as a path: a round-joined outline stroked under the fill."""
    set_font(ctx, size, bold, italic)
    ox, oy = _origin(ctx, s, x, y, align, valign)
    ctx.new_path()
    ctx.move_to(ox, oy)
    ctx.text_path(s)
    ctx.set_line_join(cairo.LINE_JOIN_ROUND)
    ctx.set_line_width(width * 2)
    ctx.set_source_rgb(*col(outline))
    ctx.stroke_preserve()
    ctx.set_source_rgb(*col(fill))
    ctx.fill()


def wrapped_lines(ctx, s, max_w):
    words = s.split()
    lines, cur = [], ""
    for w in words:
        trial = w if not cur else cur + " " + w
        if text_width(ctx, trial) <= max_w or not cur:
            cur = trial
        else:
            lines.append(cur)
            cur = w
    if cur:
        lines.append(cur)
    return lines


def paragraph(ctx, s, cx, top, max_w, size, color, line_gap=1.3, bold=True,
              align="center", shadow=None):
    """Word-wrapped, centred lines starting at top; returns the bottom."""
    set_font(ctx, size, bold)
    lines = wrapped_lines(ctx, s, max_w)
    step = size * line_gap
    y = top + size * 0.5
    for line in lines:
        text(ctx, line, cx, y, size, color, bold, align=align, shadow=shadow)
        y += step
    return top + step * len(lines)


# --- shapes -----------------------------------------------------------------

def rounded_rect(ctx, x, y, w, h, r):
    r = min(r, w / 2, h / 2)
    ctx.new_sub_path()
    ctx.arc(x + w - r, y + r, r, -math.pi / 2, 0)
    ctx.arc(x + w - r, y + h - r, r, 0, math.pi / 2)
    ctx.arc(x + r, y + h - r, r, math.pi / 2, math.pi)
    ctx.arc(x + r, y + r, r, math.pi, 3 * math.pi / 2)
    ctx.close_path()


def vgradient(y0, y1, stops):
    g = cairo.LinearGradient(0, y0, 0, y1)
    for t, c in stops:
        g.add_color_stop_rgb(t, *col(c))
    return g


def fill_all(ctx, w, h, color):
    ctx.rectangle(0, 0, w, h)
    ctx.set_source_rgb(*col(color))
    ctx.fill()


def radial_background(ctx, w, h, inner, outer, cx=None, cy=None, r=None):
    cx = w / 2 if cx is None else cx
    cy = h / 2 if cy is None else cy
    r = math.hypot(w, h) * 0.62 if r is None else r
    g = cairo.RadialGradient(cx, cy, 0, cx, cy, r)
    g.add_color_stop_rgb(0, *col(inner))
    g.add_color_stop_rgb(1, *col(outer))
    ctx.rectangle(0, 0, w, h)
    ctx.set_source(g)
    ctx.fill()


def tile(ctx, x, y, w, h, face, edge, radius, edge_w=1.5, gloss=True):
    """A raised rounded tile: vertical shading, a thin darker edge and a soft
    highlight across the upper half."""
    face = col(face)
    inset = edge_w / 2
    rounded_rect(ctx, x + inset, y + inset, w - 2 * inset, h - 2 * inset, radius)
    ctx.set_source(vgradient(y, y + h, [(0, lighter(face, 0.22)), (0.55, face),
                                         (1, darker(face, 0.14))]))
    ctx.fill_preserve()
    ctx.set_line_width(edge_w)
    ctx.set_source_rgb(*col(edge))
    ctx.stroke()
    if gloss:
        g_in = edge_w + 1
        rounded_rect(ctx, x + g_in, y + g_in, w - 2 * g_in, (h - 2 * g_in) * 0.46,
                     max(radius - g_in, 1))
        g = cairo.LinearGradient(0, y + g_in, 0, y + g_in + (h - 2 * g_in) * 0.46)
        g.add_color_stop_rgba(0, 1, 1, 1, 0.38)
        g.add_color_stop_rgba(1, 1, 1, 1, 0.06)
        ctx.set_source(g)
        ctx.fill()


def opaque_tile(ctx, w, h, face, edge, radius, ground, edge_w=1.5, gloss=True):
    """A tile filling a whole opaque bitmap; the corners outside the rounding
    take the colour the picture usually sits on."""
    fill_all(ctx, w, h, ground)
    tile(ctx, 0, 0, w, h, face, edge, radius, edge_w, gloss)


def button(ctx, w, h, face, edge, label, ground=None, text_color="#FFFFFF",
           radius=None):
    """A rounded push button with a white, shadowed caption."""
    if ground is not None:
        fill_all(ctx, w, h, ground)
    r = h * 0.42 if radius is None else radius
    tile(ctx, 0, 0, w, h, face, edge, r)
    size = fit_size(ctx, label, w - 2 * r - 4, h * 0.56)
    text(ctx, label, w / 2, h / 2 + 0.5, size, text_color,
         shadow=darker(col(edge), 0.2) + (0.75,), shadow_offset=(0, 1.2))


def numeral_tile(ctx, w, h, face, edge, numeral, ground, digit_color="#FFFFFF",
                 radius=6):
    opaque_tile(ctx, w, h, face, edge, radius, ground)
    size = fit_size(ctx, numeral, w * 0.72, h * 0.8)
    text(ctx, numeral, w / 2, h / 2 + 0.5, size, digit_color, valign="ink",
         shadow=darker(col(edge), 0.2) + (0.7,), shadow_offset=(0.8, 1.2))


def panel(ctx, w, h, top=PANEL, bottom=PANEL_DARK, border=True):
    """The blue message panel used by every small window."""
    ctx.rectangle(0, 0, w, h)
    ctx.set_source(vgradient(0, h, [(0, top), (1, bottom)]))
    ctx.fill()
    if border:
        ctx.set_line_width(3)
        rounded_rect(ctx, 4.5, 4.5, w - 9, h - 9, 10)
        ctx.set_source_rgba(1, 1, 1, 0.22)
        ctx.stroke()


def marked_square(ctx, x, y, size, edge_color, edge_w):
    """One countable square: white with a coloured edge, drawn inside its box."""
    ctx.rectangle(x, y, size, size)
    ctx.set_source_rgb(*col(edge_color))
    ctx.fill()
    ctx.rectangle(x + edge_w, y + edge_w, size - 2 * edge_w, size - 2 * edge_w)
    ctx.set_source_rgb(1, 1, 1)
    ctx.fill()
