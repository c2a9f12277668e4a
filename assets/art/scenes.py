# SPDX-License-Identifier: GPL-3.0-or-later
"""The larger drawings: window backgrounds, the waving man, apple, crate, icon."""
import math

import cairo

from .kit import (BLUE, GREEN, ORANGE, PALE_YELLOW, PANEL_DARK, TITLE_ORANGE,
                  col, darker, fill_all, lighter, outlined_text, paragraph,
                  radial_background, rgb, rounded_rect, set_font, text, vgradient)


# --- menu -------------------------------------------------------------------

def _tree_outline(ctx, cx, base_y, scale, color):
    """A simple line drawing of a tree: cloud crown, trunk, two roots."""
    s = scale
    ctx.save()
    ctx.set_line_width(3)
    ctx.set_line_cap(cairo.LINE_CAP_ROUND)
    ctx.set_line_join(cairo.LINE_JOIN_ROUND)
    ctx.set_source_rgba(*col(color), 0.42)
    # trunk
    ctx.move_to(cx - 12 * s, base_y)
    ctx.curve_to(cx - 8 * s, base_y - 40 * s, cx - 9 * s, base_y - 80 * s, cx - 7 * s, base_y - 115 * s)
    ctx.move_to(cx + 12 * s, base_y)
    ctx.curve_to(cx + 8 * s, base_y - 40 * s, cx + 9 * s, base_y - 80 * s, cx + 7 * s, base_y - 115 * s)
    ctx.move_to(cx - 12 * s, base_y)
    ctx.curve_to(cx - 20 * s, base_y + 2, cx - 26 * s, base_y + 4, cx - 32 * s, base_y + 4)
    ctx.move_to(cx + 12 * s, base_y)
    ctx.curve_to(cx + 20 * s, base_y + 2, cx + 26 * s, base_y + 4, cx + 32 * s, base_y + 4)
    # branches into the crown
    ctx.move_to(cx - 3 * s, base_y - 95 * s)
    ctx.line_to(cx - 24 * s, base_y - 122 * s)
    ctx.move_to(cx + 3 * s, base_y - 100 * s)
    ctx.line_to(cx + 22 * s, base_y - 128 * s)
    ctx.stroke()
    # crown: a ring of bumps around the top
    cy = base_y - 165 * s
    bumps = 11
    rx, ry = 62 * s, 50 * s
    ctx.new_path()
    for i in range(bumps):
        a0 = 2 * math.pi * i / bumps + math.pi / 2
        a1 = 2 * math.pi * (i + 1) / bumps + math.pi / 2
        am = (a0 + a1) / 2
        bx, by = cx + rx * math.cos(am), cy + ry * math.sin(am)
        r = 21 * s
        ctx.arc(bx, by, r, am - 1.5, am + 1.5)
    ctx.close_path()
    ctx.stroke()
    # a few leaf curls inside
    for (dx, dy, r, a) in [(-25, -10, 10, 0.3), (18, -22, 9, 2.1), (5, 18, 11, 4.0),
                           (-30, 22, 8, 5.2), (32, 12, 8, 1.2)]:
        ctx.new_path()
        ctx.arc(cx + dx * s, cy + dy * s, r * s, a, a + 2.2)
        ctx.stroke()
    ctx.restore()


def green_backdrop(ctx, w, h):
    radial_background(ctx, w, h, "#86D45C", "#1C6A2C", cx=w * 0.42, cy=h * 0.46,
                      r=math.hypot(w, h) * 0.6)
    # a faint hill line along the bottom
    ctx.set_source_rgba(*rgb("#C9F7A8"), 0.28)
    ctx.set_line_width(3)
    ctx.move_to(-10, 470)
    ctx.curve_to(150, 440, 330, 455, 600, 430)
    ctx.stroke()
    _tree_outline(ctx, 512, 432, 1.0, "#D4FFB8")
    _tree_outline(ctx, 58, 462, 0.55, "#D4FFB8")


def arched_title(ctx, word, cx, top_baseline, radius, size, tilt):
    """Hand-lettered word along an arch: each letter turned to the arc and
    given a small tilt and bounce of its own, with a thick cartoon outline."""
    set_font(ctx, size, bold=True)
    widths = [ctx.text_extents(ch).x_advance for ch in word]
    spacing = -1.5
    total = sum(widths) + spacing * (len(word) - 1)
    centre_y = top_baseline + radius
    bounce = [0, -3, 2, -2, 3, -1, 2, -3, 1]
    layers = [
        ("shadow", None),
        ("outline", None),
        ("rim", None),
        ("fill", None),
    ]
    for layer, _ in layers:
        pos = -total / 2
        for i, ch in enumerate(word):
            w = widths[i]
            mid = pos + w / 2
            ang = mid / radius
            ctx.save()
            ctx.translate(cx + radius * math.sin(ang),
                          centre_y - radius * math.cos(ang) + bounce[i % len(bounce)])
            ctx.rotate(ang + math.radians(tilt[i % len(tilt)]))
            ext = ctx.text_extents(ch)
            ctx.new_path()
            ctx.move_to(-ext.x_advance / 2, 0)
            ctx.text_path(ch)
            ctx.set_line_join(cairo.LINE_JOIN_ROUND)
            if layer == "shadow":
                ctx.translate(3, 4)
                ctx.set_source_rgba(0.02, 0.2, 0.04, 0.45)
                ctx.set_line_width(12)
                ctx.stroke_preserve()
                ctx.fill()
            elif layer == "outline":
                ctx.set_source_rgb(*rgb("#6A2600"))
                ctx.set_line_width(11)
                ctx.stroke()
            elif layer == "rim":
                ctx.set_source_rgb(*rgb("#FFE08A"))
                ctx.set_line_width(5)
                ctx.stroke()
            else:
                g = cairo.LinearGradient(0, -size * 0.72, 0, size * 0.1)
                g.add_color_stop_rgb(0, *rgb("#FFB347"))
                g.add_color_stop_rgb(1, *rgb("#F26A00"))
                ctx.set_source(g)
                ctx.fill()
            ctx.restore()
            pos += w + spacing


def menu_background(ctx, w, h, lettering=True):
    green_backdrop(ctx, w, h)
    if lettering:
        arched_title(ctx, "Tallowby", w / 2 - 2, 112, 560, 86,
                     tilt=[-4, 3, -2, 4, -3, 2, -4, 3])
        text(ctx, "Kindergarten Math \u00b7 Numbers 1-10", 16, 487, 15, "#FFFFFF",
             align="left", shadow=(0, 0.15, 0, 0.6))


# --- ordering board ---------------------------------------------------------

def _cloud_path(ctx, x, y, w, h, bump):
    """A cloud: a rounded body with round puffs centred on its rim."""
    r = min(w, h) / 4.5
    rounded_rect(ctx, x, y, w, h, r)
    # walk the rim of the body and drop a puff every so often
    straight = [(w - 2 * r, (x + r, y), (1, 0)), (h - 2 * r, (x + w, y + r), (0, 1)),
                (w - 2 * r, (x + w - r, y + h), (-1, 0)), (h - 2 * r, (x, y + h - r), (0, -1))]
    centres = [(x + w - r, y + r, -math.pi / 2), (x + w - r, y + h - r, 0),
               (x + r, y + h - r, math.pi / 2), (x + r, y + r, math.pi)]
    k = 0
    for (length, (sx, sy), (dx, dy)), (cx, cy, a0) in zip(straight, centres):
        n = max(1, round(length / (bump * 1.5)))
        for i in range(n):
            t = (i + 0.5) / n * length
            k += 1
            ctx.new_sub_path()
            ctx.arc(sx + dx * t, sy + dy * t, bump * (0.85 + 0.15 * (k % 3)), 0, 2 * math.pi)
        for j in range(2):  # two puffs around each rounded corner
            a = a0 + (j + 0.5) * math.pi / 4
            k += 1
            ctx.new_sub_path()
            ctx.arc(cx + r * math.cos(a), cy + r * math.sin(a), bump * (0.85 + 0.15 * (k % 3)),
                    0, 2 * math.pi)


def thought_bubble(ctx, x, y, w, h, trail):
    bump = 14
    # soft shadow
    ctx.save()
    ctx.translate(3, 5)
    _cloud_path(ctx, x, y, w, h, bump)
    for (tx, ty, r) in trail:
        ctx.new_sub_path()
        ctx.arc(tx, ty, r, 0, 2 * math.pi)
    ctx.set_source_rgba(0.02, 0.08, 0.25, 0.35)
    ctx.fill()
    ctx.restore()
    # outline: stroke every part, then fill over it so only the rim remains
    _cloud_path(ctx, x, y, w, h, bump)
    for (tx, ty, r) in trail:
        ctx.new_sub_path()
        ctx.arc(tx, ty, r, 0, 2 * math.pi)
    ctx.set_line_width(5)
    ctx.set_source_rgb(*rgb("#9CC3F0"))
    ctx.stroke_preserve()
    ctx.set_source_rgb(1, 1, 1)
    ctx.fill()


def ordering_board(ctx, w, h):
    radial_background(ctx, w, h, "#5A9BEA", "#0E2C6E", cx=w * 0.45, cy=h * 0.55,
                      r=math.hypot(w, h) * 0.62)
    # The numerals start at x 328..558, y 32..186; the cloud body holds them
    # with a margin, and the small puffs lead down to the man's head.
    thought_bubble(ctx, 320, 24, 246, 170,
                   trail=[(112, 104, 5), (140, 122, 8), (178, 142, 11), (226, 164, 14)])


# --- sequence ---------------------------------------------------------------

def sun_background(ctx, w, h):
    radial_background(ctx, w, h, "#FFF6AE", "#F5B21A", cx=w * 0.5, cy=h * 0.58,
                      r=math.hypot(w, h) * 0.58)
    cx, cy, r = 296, 262, 84
    ctx.save()
    ctx.set_line_cap(cairo.LINE_CAP_ROUND)
    ctx.set_source_rgba(1, 1, 1, 0.5)
    ctx.set_line_width(5)
    ctx.arc(cx, cy, r, 0, 2 * math.pi)
    ctx.stroke()
    for i in range(16):
        a = 2 * math.pi * i / 16
        r0, r1 = r + 18, r + (62 if i % 2 == 0 else 40)
        ctx.move_to(cx + r0 * math.cos(a), cy + r0 * math.sin(a))
        ctx.line_to(cx + r1 * math.cos(a), cy + r1 * math.sin(a))
    ctx.stroke()
    # a smiling face, faint
    ctx.set_line_width(4)
    for ex in (-28, 28):
        ctx.new_path()
        ctx.arc(cx + ex, cy - 18, 8, math.pi * 1.1, math.pi * 1.9)
        ctx.stroke()
    ctx.new_path()
    ctx.arc(cx, cy + 4, 40, math.pi * 0.2, math.pi * 0.8)
    ctx.stroke()
    ctx.restore()
    # A warm band behind the question line keeps its white letters readable.
    rounded_rect(ctx, 84, 56, 418, 62, 18)
    ctx.set_source_rgba(*rgb("#C45C00"), 0.8)
    ctx.fill()


# --- number picking ---------------------------------------------------------

CROWN = "#3FA33A"


def _crown_path(ctx):
    # The apples hang at x 112..461, y 72..222; the crown covers them all.
    parts = [(290, 156, 178, 84), (175, 125, 55, 0), (250, 108, 50, 0), (335, 108, 50, 0),
             (410, 125, 52, 0), (140, 142, 45, 0), (452, 178, 46, 0), (130, 182, 50, 0),
             (180, 222, 42, 0), (270, 232, 44, 0), (360, 226, 44, 0), (425, 210, 38, 0)]
    for (x, y, rx, ry) in parts:
        ctx.new_sub_path()
        if ry:
            ctx.save()
            ctx.translate(x, y)
            ctx.scale(rx, ry)
            ctx.arc(0, 0, 1, 0, 2 * math.pi)
            ctx.restore()
        else:
            ctx.arc(x, y, rx, 0, 2 * math.pi)


def _cloud(ctx, x, y, s):
    ctx.new_path()
    for (dx, dy, r) in [(0, 0, 12), (14, -6, 15), (30, 0, 12), (15, 5, 12)]:
        ctx.new_sub_path()
        ctx.arc(x + dx * s, y + dy * s, r * s, 0, 2 * math.pi)
    ctx.set_source_rgba(1, 1, 1, 0.9)
    ctx.fill()


def tree_scene(ctx, w, h):
    horizon = 342
    ctx.rectangle(0, 0, w, horizon + 2)
    ctx.set_source(vgradient(0, horizon, [(0, "#86CFFF"), (1, "#D8F2FF")]))
    ctx.fill()
    _cloud(ctx, 518, 92, 1.1)
    _cloud(ctx, 36, 104, 0.9)
    # grass: darker towards the bottom, where the white result labels sit
    ctx.rectangle(0, horizon, w, h - horizon)
    ctx.set_source(vgradient(horizon, h, [(0, "#93DB66"), (0.35, "#6BBF4A"), (1, "#276E24")]))
    ctx.fill()
    ctx.set_source_rgba(*rgb("#4E9E36"), 0.8)
    ctx.set_line_width(2)
    ctx.set_line_cap(cairo.LINE_CAP_ROUND)
    for i in range(0, 600, 23):
        x = i + (i * 7) % 11
        y = horizon + 10 + (i * 13) % 40
        ctx.move_to(x, y)
        ctx.line_to(x - 3, y - 7)
        ctx.move_to(x + 4, y)
        ctx.line_to(x + 6, y - 8)
    ctx.stroke()
    ctx.set_source_rgba(*rgb("#3E8F30"), 0.7)
    ctx.set_line_width(3)
    ctx.move_to(0, horizon + 1)
    ctx.curve_to(200, horizon - 6, 380, horizon + 6, w, horizon - 2)
    ctx.stroke()

    # trunk: the numeral tile (253..299, 296..335) and the box
    # (240..306, 352..415) both sit on it
    trunk = "#8A5A2E"
    ctx.new_path()
    ctx.move_to(238, 200)
    ctx.curve_to(232, 280, 230, 360, 210, 432)
    ctx.curve_to(240, 424, 256, 428, 274, 432)
    ctx.curve_to(292, 428, 310, 424, 340, 432)
    ctx.curve_to(318, 360, 316, 280, 312, 200)
    ctx.close_path()
    g = cairo.LinearGradient(216, 0, 338, 0)
    g.add_color_stop_rgb(0, *darker(rgb(trunk), 0.18))
    g.add_color_stop_rgb(0.4, *lighter(rgb(trunk), 0.15))
    g.add_color_stop_rgb(1, *darker(rgb(trunk), 0.28))
    ctx.set_source(g)
    ctx.fill_preserve()
    ctx.set_source_rgb(*rgb("#4A2C12"))
    ctx.set_line_width(2.5)
    ctx.set_line_join(cairo.LINE_JOIN_ROUND)
    ctx.stroke()
    ctx.set_source_rgba(*rgb("#5C3716"), 0.55)
    ctx.set_line_width(2)
    for (x0, y0, x1, y1) in [(246, 240, 244, 285), (302, 250, 304, 290), (236, 345, 232, 395),
                             (314, 345, 318, 400), (274, 420, 276, 428)]:
        ctx.move_to(x0, y0)
        ctx.line_to(x1, y1)
    ctx.stroke()

    # crown
    ctx.save()
    ctx.translate(3, 6)
    _crown_path(ctx)
    ctx.set_source_rgba(0.05, 0.25, 0.05, 0.3)
    ctx.fill()
    ctx.restore()
    _crown_path(ctx)
    ctx.set_source_rgb(*rgb("#1F6A22"))
    ctx.set_line_width(5)
    ctx.stroke_preserve()
    gr = cairo.RadialGradient(260, 120, 10, 290, 165, 210)
    gr.add_color_stop_rgb(0, *rgb("#7BD35A"))
    gr.add_color_stop_rgb(0.6, *rgb(CROWN))
    gr.add_color_stop_rgb(1, *rgb("#2E8A2E"))
    ctx.set_source(gr)
    ctx.fill()
    ctx.set_source_rgba(*rgb("#B6F08F"), 0.45)
    ctx.set_line_width(2.5)
    ctx.set_line_cap(cairo.LINE_CAP_ROUND)
    for (x, y, r, a) in [(200, 110, 26, 3.6), (300, 92, 28, 3.8), (400, 120, 24, 4.0),
                         (160, 190, 20, 3.4), (250, 170, 22, 3.7), (350, 175, 24, 3.9),
                         (430, 190, 18, 4.1)]:
        ctx.new_path()
        ctx.arc(x, y, r, a, a + 1.1)
        ctx.stroke()


def apple(ctx, w, h):
    cx = w / 2
    # body: two lobes meeting in a dip under the stalk
    ctx.new_path()
    ctx.move_to(cx, 11.5)
    ctx.curve_to(cx + 7, 6.5, cx + 17, 8.5, cx + 17, 20.5)
    ctx.curve_to(cx + 17, 30.5, cx + 10, 36.5, cx + 5, 36.5)
    ctx.curve_to(cx + 2, 36.5, cx + 1, 35, cx, 35)
    ctx.curve_to(cx - 1, 35, cx - 2, 36.5, cx - 5, 36.5)
    ctx.curve_to(cx - 10, 36.5, cx - 17, 30.5, cx - 17, 20.5)
    ctx.curve_to(cx - 17, 8.5, cx - 7, 6.5, cx, 11.5)
    ctx.close_path()
    g = cairo.RadialGradient(cx - 6, 17, 2, cx, 22, 19)
    g.add_color_stop_rgb(0, *rgb("#FF6B5A"))
    g.add_color_stop_rgb(0.55, *rgb("#E0201E"))
    g.add_color_stop_rgb(1, *rgb("#A10E1A"))
    ctx.set_source(g)
    ctx.fill_preserve()
    ctx.set_source_rgb(*rgb("#5E0710"))
    ctx.set_line_width(1.3)
    ctx.stroke()
    # shine
    ctx.save()
    ctx.translate(cx - 8.5, 18)
    ctx.rotate(-0.5)
    ctx.scale(2.6, 4.6)
    ctx.arc(0, 0, 1, 0, 2 * math.pi)
    ctx.restore()
    ctx.set_source_rgba(1, 1, 1, 0.75)
    ctx.fill()
    # stalk
    ctx.set_line_cap(cairo.LINE_CAP_ROUND)
    ctx.move_to(cx, 12)
    ctx.curve_to(cx, 8, cx + 1, 5, cx + 3, 2.5)
    ctx.set_source_rgb(*rgb("#5B3A1A"))
    ctx.set_line_width(2.4)
    ctx.stroke()
    # leaf
    ctx.save()
    ctx.translate(cx + 8.5, 6)
    ctx.rotate(-0.45)
    ctx.move_to(-6, 0)
    ctx.curve_to(-3, -4.2, 3, -4.2, 6.5, 0)
    ctx.curve_to(3, 4.2, -3, 4.2, -6, 0)
    ctx.close_path()
    ctx.set_source_rgb(*rgb("#4CB83A"))
    ctx.fill_preserve()
    ctx.set_source_rgb(*rgb("#1F6A1A"))
    ctx.set_line_width(1)
    ctx.stroke()
    ctx.move_to(-5, 0)
    ctx.line_to(5, 0)
    ctx.set_line_width(0.7)
    ctx.stroke()
    ctx.restore()


# Column edges and row edges of the crate compartments, matched to where the
# crate apples stand (x 16, 80, 144, 208, 264 and y 16, 80 inside the crate).
CRATE_COLS = [6, 66, 130, 194, 256, 314]
CRATE_ROWS = [8, 67, 123]


def crate(ctx, w, h):
    wood = rgb("#D9A062")
    dark = rgb("#5E3718")
    rounded_rect(ctx, 1, 1, w - 2, h - 2, 7)
    ctx.set_source(vgradient(0, h, [(0, lighter(wood, 0.15)), (1, darker(wood, 0.1))]))
    ctx.fill_preserve()
    ctx.set_source_rgb(*dark)
    ctx.set_line_width(2)
    ctx.stroke()
    # compartment floors, shaded at the top like a hollow
    for r in range(2):
        for c in range(5):
            x0 = CRATE_COLS[c] + (0 if c == 0 else 2)
            x1 = CRATE_COLS[c + 1] - (0 if c == 4 else 2)
            y0 = CRATE_ROWS[r] + (0 if r == 0 else 2)
            y1 = CRATE_ROWS[r + 1] - (0 if r == 1 else 2)
            rounded_rect(ctx, x0, y0, x1 - x0, y1 - y0, 3)
            ctx.set_source(vgradient(y0, y1, [(0, darker(wood, 0.42)), (0.35, darker(wood, 0.2)),
                                              (1, darker(wood, 0.12))]))
            ctx.fill_preserve()
            ctx.set_source_rgb(*darker(dark, 0.1))
            ctx.set_line_width(1.5)
            ctx.stroke()
    # dark-brown divisions between the compartments
    ctx.set_source_rgb(*dark)
    for x in CRATE_COLS[1:-1]:
        ctx.rectangle(x - 2, CRATE_ROWS[0], 4, CRATE_ROWS[2] - CRATE_ROWS[0])
    ctx.rectangle(CRATE_COLS[0], CRATE_ROWS[1] - 2, CRATE_COLS[-1] - CRATE_COLS[0], 4)
    ctx.fill()
    # nail heads on the rim
    ctx.set_source_rgba(*dark, 0.8)
    for x in (4, w - 4):
        for y in (4, h / 2, h - 4):
            ctx.new_sub_path()
            ctx.arc(x, y, 1.2, 0, 2 * math.pi)
    ctx.fill()


def drop_box(ctx, w, h):
    wood = rgb("#D9A062")
    fill_all(ctx, w, h, "#5E3718")
    rounded_rect(ctx, 3, 3, w - 6, h - 6, 3)
    ctx.set_source(vgradient(0, h, [(0, lighter(wood, 0.2)), (1, darker(wood, 0.05))]))
    ctx.fill()
    # the open inside of the box
    rounded_rect(ctx, 10, 10, w - 20, h - 20, 3)
    ctx.set_source(vgradient(10, h - 10, [(0, darker(wood, 0.5)), (0.5, darker(wood, 0.3)),
                                          (1, darker(wood, 0.2))]))
    ctx.fill_preserve()
    ctx.set_source_rgb(*rgb("#5E3718"))
    ctx.set_line_width(1.5)
    ctx.stroke()


# --- the waving man ---------------------------------------------------------

INK = rgb("#262431")
SKIN = rgb("#F6C9A0")
JACKET = rgb("#2E3F63")
TROUSERS = rgb("#E3D5B8")


def _limb(ctx, pts, width, color):
    ctx.new_path()
    ctx.move_to(*pts[0])
    if len(pts) == 3:
        ctx.curve_to(pts[1][0], pts[1][1], pts[1][0], pts[1][1], *pts[2])
    else:
        for p in pts[1:]:
            ctx.line_to(*p)
    ctx.set_line_cap(cairo.LINE_CAP_ROUND)
    ctx.set_line_join(cairo.LINE_JOIN_ROUND)
    ctx.set_source_rgb(*INK)
    ctx.set_line_width(width + 4)
    ctx.stroke_preserve()
    ctx.set_source_rgb(*color)
    ctx.set_line_width(width)
    ctx.stroke()


def _blob(ctx, x, y, rx, ry, color, line=2):
    ctx.save()
    ctx.translate(x, y)
    ctx.scale(rx, ry)
    ctx.new_path()
    ctx.arc(0, 0, 1, 0, 2 * math.pi)
    ctx.restore()
    ctx.set_source_rgb(*color)
    ctx.fill_preserve()
    ctx.set_source_rgb(*INK)
    ctx.set_line_width(line)
    ctx.stroke()


def man(ctx, w, h):
    # legs
    _limb(ctx, [(41, 118), (40, 144), (39, 166)], 13, TROUSERS)
    _limb(ctx, [(61, 118), (62, 144), (63, 166)], 13, TROUSERS)
    _blob(ctx, 36, 172, 11, 5.5, rgb("#4A2A14"))
    _blob(ctx, 66, 172, 11, 5.5, rgb("#4A2A14"))
    # arm hanging down (behind the jacket)
    _limb(ctx, [(32, 66), (22, 92), (24, 112)], 11, JACKET)
    _blob(ctx, 25, 116, 5.5, 5.5, SKIN, 1.8)
    # waving arm
    _limb(ctx, [(70, 66), (88, 56), (88, 28)], 11, JACKET)
    # waving hand with a thumb
    _blob(ctx, 88, 20, 7, 8, SKIN, 1.8)
    _blob(ctx, 81.5, 24, 2.6, 3.6, SKIN, 1.4)
    ctx.set_source_rgb(*INK)
    ctx.set_line_width(1.2)
    for dx in (-2.5, 0.5, 3.5):
        ctx.move_to(88 + dx, 12.5)
        ctx.line_to(88 + dx, 17)
    ctx.stroke()
    # wave marks
    ctx.set_line_cap(cairo.LINE_CAP_ROUND)
    ctx.set_line_width(1.8)
    ctx.set_source_rgba(*INK, 0.8)
    ctx.new_path()
    ctx.arc(88, 20, 13, -1.25, -0.5)
    ctx.stroke()
    ctx.new_path()
    ctx.arc(88, 20, 13, math.pi + 0.5, math.pi + 1.25)
    ctx.stroke()
    # jacket body
    ctx.new_path()
    ctx.move_to(30, 64)
    ctx.curve_to(38, 57, 64, 57, 72, 64)
    ctx.line_to(72, 121)
    ctx.curve_to(60, 125, 42, 125, 30, 121)
    ctx.close_path()
    ctx.set_source(vgradient(57, 125, [(0, lighter(JACKET, 0.12)), (1, darker(JACKET, 0.15))]))
    ctx.fill_preserve()
    ctx.set_source_rgb(*INK)
    ctx.set_line_width(2)
    ctx.stroke()
    # shirt and collar
    ctx.move_to(44, 60)
    ctx.line_to(51, 80)
    ctx.line_to(58, 60)
    ctx.close_path()
    ctx.set_source_rgb(*rgb("#EAF4FF"))
    ctx.fill_preserve()
    ctx.set_source_rgb(*INK)
    ctx.set_line_width(1.5)
    ctx.stroke()
    ctx.move_to(51, 80)
    ctx.line_to(51, 120)
    ctx.set_line_width(1.2)
    ctx.set_source_rgba(*INK, 0.7)
    ctx.stroke()
    for y in (90, 102):
        ctx.new_sub_path()
        ctx.arc(55, y, 1.6, 0, 2 * math.pi)
    ctx.set_source_rgb(*rgb("#C9A24A"))
    ctx.fill()
    # head
    _blob(ctx, 51, 55, 6, 4, SKIN, 1.5)
    _blob(ctx, 33.5, 35, 4, 5.5, SKIN, 1.8)
    _blob(ctx, 68.5, 35, 4, 5.5, SKIN, 1.8)
    _blob(ctx, 51, 34, 17.5, 19.5, SKIN, 2)
    # hair
    ctx.new_path()
    ctx.move_to(34, 30)
    ctx.curve_to(32, 12, 48, 10, 52, 14)
    ctx.curve_to(58, 9, 72, 14, 68, 30)
    ctx.curve_to(64, 22, 58, 20, 52, 21)
    ctx.curve_to(45, 19, 38, 24, 34, 30)
    ctx.close_path()
    ctx.set_source_rgb(*rgb("#6B3D1E"))
    ctx.fill_preserve()
    ctx.set_source_rgb(*INK)
    ctx.set_line_width(1.6)
    ctx.stroke()
    # eyes with a sparkle, cheeks, smile
    for ex in (44, 58):
        ctx.new_path()
        ctx.arc(ex, 34, 2.6, 0, 2 * math.pi)
        ctx.set_source_rgb(*INK)
        ctx.fill()
        ctx.arc(ex + 0.9, 33, 0.9, 0, 2 * math.pi)
        ctx.set_source_rgb(1, 1, 1)
        ctx.fill()
    for ex in (40, 62):
        ctx.new_path()
        ctx.arc(ex, 42, 3.2, 0, 2 * math.pi)
        ctx.set_source_rgba(*rgb("#F08A7A"), 0.6)
        ctx.fill()
    ctx.new_path()
    ctx.arc(51, 39, 9, 0.35, math.pi - 0.35)
    ctx.set_source_rgb(*INK)
    ctx.set_line_width(2)
    ctx.set_line_cap(cairo.LINE_CAP_ROUND)
    ctx.stroke()


# --- about ------------------------------------------------------------------

def cube_logo(ctx, cx, cy, s):
    """Our maker's mark: a bright isometric cube with a number dot on each face."""
    c30 = math.cos(math.radians(30))
    top = [(cx, cy - s), (cx + s * c30, cy - s / 2), (cx, cy), (cx - s * c30, cy - s / 2)]
    left = [(cx - s * c30, cy - s / 2), (cx, cy), (cx, cy + s), (cx - s * c30, cy + s / 2)]
    right = [(cx, cy), (cx + s * c30, cy - s / 2), (cx + s * c30, cy + s / 2), (cx, cy + s)]
    for face, colour in ((top, ORANGE), (left, BLUE), (right, GREEN)):
        ctx.new_path()
        ctx.move_to(*face[0])
        for p in face[1:]:
            ctx.line_to(*p)
        ctx.close_path()
        ctx.set_source_rgb(*rgb(colour))
        ctx.fill_preserve()
        ctx.set_source_rgb(1, 1, 1)
        ctx.set_line_width(3)
        ctx.set_line_join(cairo.LINE_JOIN_ROUND)
        ctx.stroke()
    # one, two and three dots on the faces
    ctx.set_source_rgb(1, 1, 1)
    dots = [(cx, cy - s / 2)]
    dots += [(cx - s * c30 * 0.68, cy + s * 0.02), (cx - s * c30 * 0.32, cy + s * 0.42)]
    dots += [(cx + s * c30 * 0.25, cy + s * 0.5), (cx + s * c30 * 0.5, cy + s * 0.25),
             (cx + s * c30 * 0.75, cy)]
    for (x, y) in dots:
        ctx.new_sub_path()
        ctx.arc(x, y, s * 0.09, 0, 2 * math.pi)
    ctx.fill()


def about_panel(ctx, w, h):
    plain_from = 300
    ctx.rectangle(0, 0, w, h)
    ctx.set_source(vgradient(0, plain_from, [(0, "#2A63C4"), (1, PANEL_DARK)]))
    ctx.fill()
    ctx.rectangle(0, plain_from, w, h - plain_from)
    ctx.set_source_rgb(*rgb(PANEL_DARK))
    ctx.fill()
    # title: straight hand lettering in the menu's style
    outlined_text(ctx, "Tallowby", 22, 58, 58, "#6A2600", "#6A2600", 5, align="left",
                  valign="baseline")
    outlined_text(ctx, "Tallowby", 22, 58, 58, TITLE_ORANGE, "#FFE08A", 1.6, align="left",
                  valign="baseline")
    text(ctx, "Kindergarten Mathematics", 24, 92, 19, "#FFFFFF", align="left",
         shadow=(0, 0, 0.2, 0.6))
    cube_logo(ctx, 384, 62, 40)
    paragraph(ctx, "This program is a supplement tool for educational purposes. "
              "It is not intended to be a replacement for actual classroom learning.",
              w / 2, 150, 380, 19, PALE_YELLOW, line_gap=1.45,
              shadow=(0, 0, 0.15, 0.6))
    ctx.set_source_rgba(1, 1, 1, 0.25)
    ctx.set_line_width(2)
    ctx.move_to(24, 126)
    ctx.line_to(w - 24, 126)
    ctx.stroke()


# --- icon -------------------------------------------------------------------

def icon(ctx, w, h):
    s = w / 48.0
    ctx.scale(s, s)
    rounded_rect(ctx, 1, 1, 46, 46, 11)
    ctx.set_source(vgradient(1, 47, [(0, "#5CCB4A"), (1, "#23862C")]))
    ctx.fill_preserve()
    ctx.set_source_rgb(*rgb("#145A1C"))
    ctx.set_line_width(1.5)
    ctx.stroke()
    rounded_rect(ctx, 3, 3, 42, 19, 9)
    ctx.set_source_rgba(1, 1, 1, 0.18)
    ctx.fill()
    for digit, x, y in (("1", 11.5, 31), ("2", 24, 24.5), ("3", 36.5, 18)):
        set_font(ctx, 21, bold=True)
        ext = ctx.text_extents(digit)
        ox = x - ext.x_bearing - ext.width / 2
        oy = y - ext.y_bearing - ext.height / 2
        ctx.new_path()
        ctx.move_to(ox + 0.8, oy + 1.2)
        ctx.text_path(digit)
        ctx.set_source_rgba(0.04, 0.3, 0.06, 0.7)
        ctx.fill()
        ctx.move_to(ox, oy)
        ctx.text_path(digit)
        ctx.set_source_rgb(1, 1, 1)
        ctx.fill()
