# SPDX-License-Identifier: GPL-3.0-or-later
"""The picture catalogue: every asset's name, pixel size, format and drawing.

A drawing gets (ctx, w, h, env). `env.ground(name, x, y)` paints the part of
another picture (a window background) that lies under this one where the game
first shows it, so opaque tiles blend into their window at their corners.
"""
import math
from dataclasses import dataclass, field
from typing import Callable, Optional, Tuple

import cairo

from . import scenes
from .kit import (BLUE, BLUE_EDGE, CREAM, CYAN, CYAN_EDGE, GREEN, GREEN_EDGE, GREY,
                  GREY_EDGE, LIGHT_BLUE, LIGHT_BLUE_EDGE, MAGENTA, MAGENTA_EDGE,
                  ORANGE, ORANGE_EDGE, PALE_YELLOW, RED, RED_EDGE, button, col, set_font,
                  darker, fill_all, fit_size, marked_square,
                  outlined_text, panel, paragraph, rgb, rounded_rect, text, tile)


@dataclass
class Picture:
    name: str
    w: int
    h: int
    fmt: str  # "bmp" (24-bit), "bmp256" (8-bit palette) or "gif"
    draw: Callable
    # GIF only: the picture's usual ground (asset name, x, y) for edge blending;
    # None keeps edges crisp in the picture's own colours.
    matte: Optional[Tuple[str, int, int]] = None
    threshold: float = 0.5
    tags: tuple = field(default_factory=tuple)


WORDS_LOW = ["one", "two", "three", "four", "five"]
WORDS_HIGH = ["Six", "Seven", "Eight", "Nine", "Ten"]
NAMES = ["one", "two", "three", "four", "five", "six", "seven", "eight", "nine", "ten"]

# Grounds, as positions on the window backgrounds where each picture stands.
MENU = "main.Image1"
MATCH = "nummatch.Image1"  # shown 24 px higher in its window
BOARD = "MissingNum.Image1"
SUN = "Sequence.Image1"
TREE = "NumberPicking.Image1"


# --- dot layouts ------------------------------------------------------------

# Round-1 tiles, like dice faces: 10 px squares on a 3 x 3 grid of places;
# only diagonal neighbours share a row band, so every gap is at least 2 px.
DICE_X = [6, 18, 30]
DICE_Y = [5, 15, 24]
DICE = {
    1: [(1, 1)],
    2: [(0, 0), (2, 2)],
    3: [(0, 0), (2, 0), (1, 2)],
    4: [(0, 0), (2, 0), (0, 2), (2, 2)],
    5: [(0, 0), (2, 0), (1, 1), (0, 2), (2, 2)],
}
DICE_SIZE = 10

# Round-2 tiles: smaller squares in loose, irregular places (top-left corners).
LOOSE_SIZE = 8
LOOSE = {
    1: [(25, 9)],
    2: [(8, 20), (27, 7)],
    3: [(7, 7), (30, 12), (17, 25)],
    4: [(6, 12), (19, 5), (31, 22), (16, 26)],
    5: [(5, 6), (20, 10), (33, 5), (10, 25), (27, 25)],
}

# Sequence quantity tiles: 15 px squares scattered over a 97 x 87 tile, each
# layout spread out so the squares can be counted at a glance.
SCATTER_SIZE = 15
SCATTER = {
    1: [(41, 36)],
    2: [(20, 22), (60, 48)],
    3: [(14, 16), (66, 14), (40, 56)],
    4: [(20, 8), (11, 55), (72, 64), (68, 16)],
    5: [(39, 47), (35, 7), (10, 41), (71, 47), (66, 12)],
    6: [(43, 46), (11, 54), (43, 9), (15, 20), (72, 9), (74, 37)],
    7: [(19, 9), (45, 38), (71, 17), (23, 65), (11, 37), (72, 46), (45, 10)],
    8: [(46, 20), (71, 38), (8, 10), (43, 52), (17, 37), (18, 65), (74, 8), (69, 63)],
    9: [(40, 37), (16, 30), (50, 8), (8, 53), (34, 61), (72, 39), (58, 62), (74, 12), (21, 7)],
    10: [(74, 49), (35, 7), (53, 36), (22, 31), (75, 28), (28, 55), (68, 7), (7, 58), (53, 61),
         (9, 7)],
}


def dice_squares(n):
    return [(DICE_X[c], DICE_Y[r]) for (c, r) in DICE[n]]


def check_layout(squares, size, w, h, margin, gap=2):
    """Every square inside the tile by `margin`, no two closer than `gap`."""
    for (x, y) in squares:
        assert margin <= x and x + size <= w - margin, (x, y)
        assert margin <= y and y + size <= h - margin, (x, y)
    for i, (x1, y1) in enumerate(squares):
        for (x2, y2) in squares[i + 1:]:
            assert max(abs(x1 - x2), abs(y1 - y2)) - size >= gap, ((x1, y1), (x2, y2))


for _n in range(1, 6):
    check_layout(dice_squares(_n), DICE_SIZE, 46, 39, 4)
    check_layout(LOOSE[_n], LOOSE_SIZE, 46, 39, 4)
for _n in range(1, 11):
    assert len(SCATTER[_n]) == _n
    check_layout(SCATTER[_n], SCATTER_SIZE, 97, 87, 7, gap=5)


# --- drawings ---------------------------------------------------------------

def d_menu(ctx, w, h, env):
    scenes.menu_background(ctx, w, h, lettering=True)


def d_match_bg(ctx, w, h, env):
    scenes.menu_background(ctx, w, h, lettering=False)


def gif_button(face, edge, label):
    def draw(ctx, w, h, env):
        button(ctx, w, h, face, edge, label, radius=9)
    return draw


def bmp_button(face, edge, label):
    # Opaque buttons stand on many different grounds, so their corners take
    # the edge colour and read as part of the button wherever it is.
    def draw(ctx, w, h, env):
        fill_all(ctx, w, h, edge)
        button(ctx, w, h, face, edge, label, radius=5)
    return draw


def bar(face, edge, label, ground):
    def draw(ctx, w, h, env):
        env.ground(*ground)
        tile(ctx, 0, 0, w, h, face, edge, 9)
        size = fit_size(ctx, label, w - 30, 21)
        text(ctx, label, w / 2, h / 2 + 0.5, size, "#FFFFFF",
             shadow=darker(col(edge), 0.25) + (0.85,), shadow_offset=(1, 1.5))
    return draw


def big_numeral(n, word):
    # shown in two windows on different grounds: corners in the edge colour
    def draw(ctx, w, h, env):
        fill_all(ctx, w, h, RED_EDGE)
        tile(ctx, 0, 0, w, h, RED, RED_EDGE, 6)
        shadow = darker(col(RED_EDGE), 0.2) + (0.75,)
        size = fit_size(ctx, str(n), w * 0.7, 50)
        text(ctx, str(n), w / 2, 34, size, "#FFFFFF", valign="ink", shadow=shadow,
             shadow_offset=(1, 1.5))
        size = fit_size(ctx, word, w - 14, 20)
        text(ctx, word, w / 2, 70, size, CREAM, shadow=shadow, shadow_offset=(0.8, 1.2))
    return draw


def small_numeral(n, face, edge, digit=CREAM):
    def draw(ctx, w, h, env):
        fill_all(ctx, w, h, edge)
        tile(ctx, 0, 0, w, h, face, edge, 5)
        size = fit_size(ctx, str(n), w * 0.74, 30)
        text(ctx, str(n), w / 2, h / 2 + 0.5, size, digit, valign="ink",
             shadow=darker(col(edge), 0.2) + (0.75,), shadow_offset=(0.8, 1.2))
    return draw


def dot_tile(squares, size, edge_color, edge_w, ground):
    def draw(ctx, w, h, env):
        env.ground(*ground)
        tile(ctx, 0, 0, w, h, BLUE, BLUE_EDGE, 5, gloss=False)
        # a faint sheen only along the top, so it never mixes with the squares
        for (x, y) in squares:
            ctx.rectangle(x + 1, y + 1.5, size, size)
        ctx.set_source_rgba(0.02, 0.1, 0.3, 0.45)
        ctx.fill()
        for (x, y) in squares:
            marked_square(ctx, x, y, size, edge_color, edge_w)
    return draw


def bigdot_tile(n):
    def draw(ctx, w, h, env):
        tile(ctx, 0, 0, w, h, GREEN, GREEN_EDGE, 12, edge_w=2, gloss=False)
        for (x, y) in SCATTER[n]:
            ctx.rectangle(x + 1.5, y + 2, SCATTER_SIZE, SCATTER_SIZE)
        ctx.set_source_rgba(0.02, 0.2, 0.05, 0.45)
        ctx.fill()
        for (x, y) in SCATTER[n]:
            marked_square(ctx, x, y, SCATTER_SIZE, RED, 2)
    return draw


def lamp(core, glow, rim, bright=True):
    def draw(ctx, w, h, env):
        fill_all(ctx, w, h, "#1B2233")
        cx, cy = w / 2, h / 2
        g = cairo.RadialGradient(cx, cy, 2, cx, cy, w * 0.55)
        g.add_color_stop_rgba(0, *col(glow), 0.9 if bright else 0.45)
        g.add_color_stop_rgba(1, *col(glow), 0.0)
        ctx.rectangle(0, 0, w, h)
        ctx.set_source(g)
        ctx.fill()
        lw, lh = 26, 21
        rounded_rect(ctx, cx - lw / 2, cy - lh / 2, lw, lh, 4)
        g = cairo.RadialGradient(cx - 3, cy - 4, 1, cx, cy, lw * 0.62)
        g.add_color_stop_rgb(0, *col(core))
        g.add_color_stop_rgb(0.45, *col(glow))
        g.add_color_stop_rgb(1, *col(rim))
        ctx.set_source(g)
        ctx.fill_preserve()
        ctx.set_source_rgb(*darker(col(rim), 0.35))
        ctx.set_line_width(1.2)
        ctx.stroke()
        rounded_rect(ctx, cx - lw / 2 + 3, cy - lh / 2 + 2, lw - 6, 6, 3)
        ctx.set_source_rgba(1, 1, 1, 0.45 if bright else 0.3)
        ctx.fill()
    return draw


def outcome_panel(code, sentence, size):
    def draw(ctx, w, h, env):
        panel(ctx, w, h)
        outlined_text(ctx, code, w / 2, 30, 34, PALE_YELLOW, "#0B2A66", 2.5)
        paragraph(ctx, sentence, w / 2, 58, w - 56, size, "#FFFFFF", line_gap=1.32,
                  shadow=(0, 0, 0.2, 0.6))
    return draw


def star(ctx, cx, cy, r, color, angle=0.0):
    ctx.new_path()
    for i in range(10):
        rr = r if i % 2 == 0 else r * 0.45
        a = angle - math.pi / 2 + i * math.pi / 5
        ctx.line_to(cx + rr * math.cos(a), cy + rr * math.sin(a))
    ctx.close_path()
    ctx.set_source_rgb(*col(color))
    ctx.fill_preserve()
    ctx.set_source_rgb(*darker(col(color), 0.45))
    ctx.set_line_width(1.2)
    ctx.stroke()


def d_congrats(ctx, w, h, env):
    panel(ctx, w, h)
    for (x, y, r, c, a) in [(34, 30, 12, "#FFD23F", 0.1), (76, 22, 8, "#FF8A3D", -0.2),
                            (114, 34, 10, "#7FE36B", 0.3), (160, 20, 7, "#FFD23F", 0.0),
                            (212, 30, 9, "#FF6FB5", -0.1), (254, 18, 6, "#7FD0FF", 0.2),
                            (446, 150, 8, "#FFD23F", 0.25), (212, 148, 6, "#7FD0FF", 0.1)]:
        star(ctx, x, y, r, c, a)
    outlined_text(ctx, "Congratulations!", w / 2, 82, 42, PALE_YELLOW, "#0B2A66", 3)
    text(ctx, "You've made it!", 334, 134, 25, "#FFFFFF", shadow=(0, 0, 0.2, 0.6),
         shadow_offset=(1, 1.5))


def d_complete(ctx, w, h, env):
    panel(ctx, w, h)
    for (x, y, r, c, a) in [(218, 24, 9, "#FFD23F", 0.2), (452, 26, 10, "#FF8A3D", -0.1),
                            (448, 150, 7, "#7FE36B", 0.3), (30, 150, 7, "#FF6FB5", 0.0)]:
        star(ctx, x, y, r, c, a)
    outlined_text(ctx, "Yipee!", 334, 38, 44, PALE_YELLOW, "#0B2A66", 3)
    paragraph(ctx, "You have completed all of the levels of this activity.", w / 2, 78,
              w - 70, 23, "#FFFFFF", line_gap=1.3, shadow=(0, 0, 0.2, 0.6))


def d_uhoh(ctx, w, h, env):
    panel(ctx, w, h)
    ctx.save()
    ctx.translate(88, 36)
    ctx.rotate(math.radians(-9))
    outlined_text(ctx, "UH OH!", 0, 0, 40, "#FFB13B", "#5A1F00", 3, italic=True)
    ctx.restore()


def d_plain_panel(ctx, w, h, env):
    panel(ctx, w, h)


def banner(label, stars):
    def draw(ctx, w, h, env):
        env.ground(SUN, 8, 184)
        rounded_rect(ctx, 1.5, 1.5, w - 3, h - 3, 12)
        ctx.set_source_rgb(*rgb("#0F2F6E"))
        ctx.set_line_width(3)
        ctx.stroke_preserve()
        g = cairo.LinearGradient(0, 0, 0, h)
        g.add_color_stop_rgb(0, *rgb("#3478DE"))
        g.add_color_stop_rgb(1, *rgb("#1A448F"))
        ctx.set_source(g)
        ctx.fill()
        rounded_rect(ctx, 6.5, 6.5, w - 13, h - 13, 8)
        ctx.set_source_rgb(*rgb(PALE_YELLOW))
        ctx.set_line_width(2.5)
        ctx.stroke()
        if stars:
            for (x, y, r, c, a) in [(60, 44, 16, "#FFD23F", 0.2), (38, 116, 10, "#7FE36B", -0.1),
                                    (w - 62, 44, 16, "#FFD23F", -0.2),
                                    (w - 38, 116, 10, "#FF6FB5", 0.15)]:
                star(ctx, x, y, r, c, a)
        outlined_text(ctx, label, w / 2 + 1.5, h / 2 + 3, 92, "#08214F", "#08214F", 5)
        outlined_text(ctx, label, w / 2, h / 2, 92, CREAM, "#7A3E00", 4)
    return draw


def d_slot(ctx, w, h, env):
    env.ground(BOARD, 284, 256)
    tile(ctx, 0, 0, w, h, "#16418F", "#9CC3F0", 6, edge_w=2, gloss=False)
    # hollow look: shade along the top and left inside
    rounded_rect(ctx, 3, 3, w - 6, h - 6, 4)
    g = cairo.LinearGradient(0, 3, 0, h - 3)
    g.add_color_stop_rgba(0, 0, 0.02, 0.12, 0.55)
    g.add_color_stop_rgba(0.4, 0, 0.02, 0.12, 0.0)
    ctx.set_source(g)
    ctx.fill()


def answer_tile(n):
    def draw(ctx, w, h, env):
        env.ground(BOARD, 232, 304)
        tile(ctx, 0, 0, w, h, BLUE, BLUE_EDGE, 6)
        outlined_text(ctx, str(n), w / 2, h / 2 + 0.5, 31 if n < 10 else 29, "#FFFFFF",
                      ORANGE, 2.2)
    return draw


def d_order(ctx, w, h, env):
    env.ground(BOARD, 232, 304)
    tile(ctx, 0, 0, w, h, BLUE, BLUE_EDGE, 6)
    text(ctx, "?", w / 2, h / 2 + 0.5, 30, "#FFFFFF", valign="ink",
         shadow=(0.02, 0.1, 0.3, 0.8), shadow_offset=(1, 1.5))


NUMERAL_GIFS = [
    ("oneimg", 20, 39, "#8E2F17"), ("twoimg", 27, 40, "#1F5BD8"),
    ("threeimg", 28, 42, "#2C9A3A"), ("fourimg", 32, 41, "#7D7A12"),
    ("fiveimg", 30, 42, "#F07C00"), ("siximg", 29, 42, "#7B3FC6"),
    ("sevenimg", 32, 41, "#0E8C8A"), ("eightimg", 29, 42, "#D8262C"),
    ("nineimg", 30, 41, "#E86A00"), ("tenimg", 55, 41, "#E2509B"),
]


def loose_numeral(n, outline):
    """A white numeral with a coloured outline, filling its picture."""
    def draw(ctx, w, h, env):
        ow = 2.6
        set_font(ctx, 100, bold=True)
        ext = ctx.text_extents(str(n))
        fit_w = (w - 2 * ow - 1) / ext.width
        fit_h = (h - 2 * ow - 1) / ext.height
        # A narrow picture (the "1") would leave its numeral much shorter
        # than its neighbours: let it grow taller than wide, a little.
        sx = min(fit_w, fit_h)
        sy = min(fit_h, sx * 1.45)
        ctx.save()
        ctx.translate(w / 2, h / 2)
        ctx.scale(sx, sy)
        ctx.move_to(-ext.x_bearing - ext.width / 2, -ext.y_bearing - ext.height / 2)
        ctx.text_path(str(n))
        ctx.restore()
        ctx.set_line_join(cairo.LINE_JOIN_ROUND)
        ctx.set_line_width(ow * 2)
        ctx.set_source_rgb(*rgb(outline))
        ctx.stroke_preserve()
        ctx.set_source_rgb(1, 1, 1)
        ctx.fill()
    return draw


def d_bar_plain(ctx, w, h, env):
    fill_all(ctx, w, h, "#1E5A2A")
    ctx.rectangle(0, 0, w, 2)
    ctx.set_source_rgb(*rgb("#123D1B"))
    ctx.fill()


def _scene(fn):
    def draw(ctx, w, h, env):
        fn(ctx, w, h)
    return draw


# --- the catalogue ----------------------------------------------------------

def catalogue():
    P = Picture
    pics = [
        P("main.Image1", 591, 534, "bmp", d_menu),
        # EXIT also stands on the About panel, so its edge stays crisp
        P("main.Image2", 154, 31, "gif", gif_button(RED, RED_EDGE, "EXIT")),
        P("main.Image3", 320, 32, "bmp", bar(GREEN, GREEN_EDGE, "Number Matching", (MENU, 120, 192))),
        P("main.Image4", 320, 32, "bmp", bar(LIGHT_BLUE, LIGHT_BLUE_EDGE, "Numbers Out Of Order",
                                             (MENU, 120, 232))),
        P("main.Image5", 320, 32, "bmp", bar(ORANGE, ORANGE_EDGE, "Complete The Sequence",
                                             (MENU, 120, 272))),
        P("main.Image6", 154, 31, "gif", gif_button(BLUE, BLUE_EDGE, "About"),
          matte=(MENU, 424, 424)),
        P("main.Image7", 320, 32, "bmp", bar(MAGENTA, MAGENTA_EDGE, "Number Picking",
                                             (MENU, 120, 312))),
        P("nummatch.Image1", 591, 534, "bmp", d_match_bg),
        P("nummatch.Image2", 170, 39, "bmp", bmp_button(RED, RED_EDGE, "Back To Menu")),
    ]
    for n in range(1, 6):
        pics.append(P(f"nummatch.big{n}", 97, 87, "bmp",
                      big_numeral(n, WORDS_LOW[n - 1])))
    for n in range(1, 6):
        pics.append(P(f"nummatch.dot{n}", 46, 39, "bmp",
                      dot_tile(dice_squares(n), DICE_SIZE, RED, 1.5, (MATCH, 256, 312))))
    for n in range(1, 6):
        pics.append(P(f"nummatch.dot{n}b", 46, 39, "bmp",
                      dot_tile(LOOSE[n], LOOSE_SIZE, GREEN_EDGE, 1.3, (MATCH, 256, 312))))
    pics += [
        P("nummatch.wrong5", 46, 39, "bmp", lamp("#FFE1D8", "#FF3B2F", "#B3140C")),
        P("nummatch.question5", 46, 39, "bmp256", lamp("#F4F6F8", "#A4ABB4", "#5D646E", bright=False)),
        P("nummatch.right5", 46, 39, "bmp", lamp("#E6FFE0", "#3BD65A", "#13852B")),
    ]
    for n in range(1, 11):
        pics.append(P(f"nummatch.{NAMES[n - 1]}b", 46, 39, "bmp256",
                      small_numeral(n, GREY, GREY_EDGE, digit="#FFFFFF")))
    for n in range(1, 11):
        pics.append(P(f"nummatch.{NAMES[n - 1]}a", 46, 39, "bmp",
                      small_numeral(n, RED, RED_EDGE, digit="#FFFFFF")))
    pics += [
        P("info.Image1", 482, 169, "bmp", outcome_panel(
            "N1", "Say the number sequence by 1s starting anywhere from 1 to 10 and from 10 to 1.",
            21)),
        P("info.Image2", 154, 31, "bmp", bmp_button(RED, RED_EDGE, "Close")),
        P("levelup.Image4", 170, 39, "bmp", bmp_button(LIGHT_BLUE, BLUE_EDGE, "Back To Menu")),
        P("levelup.completepic", 482, 169, "bmp", d_complete),
        P("levelup.Image2", 170, 39, "bmp", bmp_button(GREEN, GREEN_EDGE, "Next Level")),
        P("levelup.Image1", 482, 169, "bmp", d_congrats),
        P("info2.Image1", 579, 137, "bmp", outcome_panel(
            "N2", "Recognize, at a glance, and name familiar arrangements of 1 to 5 objects or dots.",
            20)),
        P("MissingNum.Image15", 103, 183, "gif", _scene(scenes.man)),
    ]
    for (name, w, h, outline), n in zip(NUMERAL_GIFS, range(1, 11)):
        pics.append(P(f"MissingNum.{name}", w, h, "gif", loose_numeral(n, outline)))
    pics += [
        P("MissingNum.Image13", 221, 31, "bmp", bmp_button(CYAN, CYAN_EDGE, "Start Over")),
        P("MissingNum.Image11", 56, 42, "bmp", d_slot),
    ]
    for n in range(1, 11):
        pics.append(P(f"MissingNum.answer{n}", 56, 42, "bmp", answer_tile(n)))
    pics += [
        P("MissingNum.Image12", 221, 31, "bmp", bmp_button(GREEN, GREEN_EDGE, "Check My Answer")),
        P("MissingNum.order10", 56, 42, "bmp", d_order),
        P("MissingNum.Image1", 591, 534, "bmp", _scene(scenes.ordering_board)),
        P("message.Image1", 482, 169, "bmp", d_uhoh),
        P("Sequence.tryagainimg", 571, 150, "bmp", banner("Try Again!", stars=False)),
        P("Sequence.correctimg", 571, 150, "bmp", banner("Correct!", stars=True)),
    ]
    for n in range(1, 11):
        pics.append(P(f"Sequence.bigdot{n}", 97, 87, "gif", bigdot_tile(n),
                      matte=(SUN, 232, 112)))
    for n in range(6, 11):
        pics.append(P(f"Sequence.big{n}", 97, 87, "bmp",
                      big_numeral(n, WORDS_HIGH[n - 6])))
    pics += [
        P("Sequence.Image1", 591, 534, "bmp", _scene(scenes.sun_background)),
        P("NumberPicking.Image6", 170, 39, "bmp", bmp_button(GREEN, GREEN_EDGE, "Play Again")),
        P("NumberPicking.token10", 37, 38, "gif", _scene(scenes.apple), matte=(TREE, 352, 168),
          threshold=0.4),
        P("NumberPicking.Image5", 66, 63, "bmp", _scene(scenes.drop_box)),
        P("NumberPicking.Image3", 320, 129, "gif", _scene(scenes.crate)),
        P("NumberPicking.Image4", 592, 82, "bmp", d_bar_plain),
        P("NumberPicking.small10", 46, 39, "bmp", small_numeral(10, RED, RED_EDGE)),
        P("NumberPicking.small1", 46, 39, "bmp", small_numeral(1, RED, RED_EDGE)),
        P("NumberPicking.Image1", 591, 534, "bmp", _scene(scenes.tree_scene)),
        P("About.Image1", 449, 406, "bmp", _scene(scenes.about_panel)),
        P("info3.Image1", 571, 150, "bmp", outcome_panel(
            "N3", "Relate a numeral, 1 to 10, to its respective quantity.", 22)),
        P("numpickresult.Image1", 482, 169, "bmp", d_plain_panel),
    ]
    return pics


ICON = Picture("main.Icon", 48, 48, "png", _scene(scenes.icon))
