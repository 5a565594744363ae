#!/usr/bin/env python3
"""Draws Fieldclear's pixel art and writes it as XPM files.

    python3 tools/draw_pictures.py                 # writes resources/pictures/*.xpm
    python3 tools/draw_pictures.py --preview DIR   # also writes PNG previews to DIR

Every picture is drawn here from scratch, with the 16 classic VGA colours only
and no transparent pixels.  Colours are written in hex in the XPM files because
some XPM readers map colour names such as "olive" or "silver" to black.

Output is deterministic: running the script twice gives identical files.
"""

import argparse
import os
import struct
import sys
import zlib

# One character per colour; the same characters are used in the hand-drawn
# grids below and in the XPM files.  The order here is the order of the colour
# table in every file.
PALETTE = {
    "k": "#000000",  # black
    "m": "#800000",  # maroon
    "g": "#008000",  # green
    "o": "#808000",  # olive
    "n": "#000080",  # navy
    "p": "#800080",  # purple
    "t": "#008080",  # teal
    "s": "#C0C0C0",  # light grey
    "d": "#808080",  # dark grey
    "r": "#FF0000",  # red
    "l": "#00FF00",  # lime
    "y": "#FFFF00",  # yellow
    "b": "#0000FF",  # blue
    "f": "#FF00FF",  # fuchsia
    "c": "#00FFFF",  # cyan
    "w": "#FFFFFF",  # white
}


# --------------------------------------------------------------------------
# A tiny canvas
# --------------------------------------------------------------------------

class Picture:
    def __init__(self, width, height, fill="s"):
        self.width = width
        self.height = height
        self.px = [[fill] * width for _ in range(height)]

    def put(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.px[y][x] = colour

    def rect(self, x0, y0, x1, y1, colour):
        """Fills the inclusive rectangle (x0, y0)-(x1, y1)."""
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.put(x, y, colour)

    def draw(self, grid, x0, y0, ink=None):
        """Copies a string grid onto the picture.  '.' leaves a pixel alone;
        '#' is painted with `ink`; any other character is a palette colour."""
        for dy, row in enumerate(grid):
            for dx, ch in enumerate(row):
                if ch == ".":
                    continue
                self.put(x0 + dx, y0 + dy, ink if ch == "#" else ch)

    def paste(self, other, x0, y0):
        for y in range(other.height):
            for x in range(other.width):
                self.put(x0 + x, y0 + y, other.px[y][x])

    def crop(self, x0, y0, width, height):
        out = Picture(width, height)
        for y in range(height):
            for x in range(width):
                out.px[y][x] = self.px[y0 + y][x0 + x]
        return out

    def bevel(self, x0, y0, x1, y1, width, top_left, bottom_right):
        """A 3D frame `width` pixels wide just inside the rectangle: `top_left`
        on the top and left, `bottom_right` on the bottom and right.  Where the
        two colours meet, the corner is split along the 45 degree diagonal and
        the diagonal pixels themselves belong to the bottom/right colour, as on
        classic raised and sunken frames."""
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                near_tl = min(x - x0, y - y0)
                near_br = min(x1 - x, y1 - y)
                if min(near_tl, near_br) >= width:
                    continue
                self.put(x, y, top_left if near_tl < near_br else bottom_right)


def grid_size(grid):
    return max(len(row) for row in grid), len(grid)


def centred(grid, box_width, box_height):
    """Offset that centres a grid in a box (leftover odd pixel goes right/down)."""
    w, h = grid_size(grid)
    return (box_width - w) // 2, (box_height - h) // 2


# --------------------------------------------------------------------------
# The face button (101..105)
# --------------------------------------------------------------------------

FACE_DISC = [
    "......kkkkk......",
    "....kkyyyyykk....",
    "...kyyyyyyyyyk...",
    "..kyyyyyyyyyyyk..",
    ".kyyyyyyyyyyyyyk.",
    ".kyyyyyyyyyyyyyk.",
    "kyyyyyyyyyyyyyyyk",
    "kyyyyyyyyyyyyyyyk",
    "kyyyyyyyyyyyyyyyk",
    "kyyyyyyyyyyyyyyyk",
    "kyyyyyyyyyyyyyyyk",
    ".kyyyyyyyyyyyyyk.",
    ".kyyyyyyyyyyyyyk.",
    "..kyyyyyyyyyyyk..",
    "...kyyyyyyyyyk...",
    "....kkyyyyykk....",
    "......kkkkk......",
]

# Features are drawn over the disc, in the disc's own 17 x 17 coordinates.
SMILE = [
    ".................",
    ".................",
    ".................",
    ".................",
    ".................",
    ".....kk...kk.....",
    ".....kk...kk.....",
    ".................",
    ".................",
    ".................",
    "....k.......k....",
    ".....kk...kk.....",
    ".......kkk.......",
]

SURPRISED = [
    ".................",
    ".................",
    ".................",
    ".................",
    ".....kk...kk.....",
    ".....kk...kk.....",
    ".....kk...kk.....",
    ".................",
    ".................",
    ".......kkk.......",
    "......k...k......",
    "......k...k......",
    "......k...k......",
    ".......kkk.......",
]

LOST = [
    ".................",
    ".................",
    ".................",
    ".................",
    "....k.k...k.k....",
    ".....k.....k.....",
    "....k.k...k.k....",
    ".................",
    ".................",
    ".................",
    ".......kkk.......",
    ".....kk...kk.....",
    "....k.......k....",
]

WON = [
    ".................",
    ".................",
    ".................",
    ".................",
    ".kkkkkkkkkkkkkkk.",
    "..kkkwkk.kkwkkk..",
    "..kkkkkk.kkkkkk..",
    "...kkkk...kkkk...",
    ".................",
    ".................",
    "....k.......k....",
    ".....kk...kk.....",
    ".......kkk.......",
]


def face_button(features, pressed=False):
    pic = Picture(25, 25, "s")
    # The dark frame makes the button read as sitting in a slot.
    pic.bevel(0, 0, 24, 24, 1, "d", "d")
    if pressed:
        # Pushed in: flat, with only a shadow line along the top and left.
        pic.rect(1, 1, 23, 1, "d")
        pic.rect(1, 1, 1, 23, "d")
        shift = 1
    else:
        pic.bevel(1, 1, 23, 23, 2, "w", "d")
        shift = 0
    pic.draw(FACE_DISC, 4 + shift, 4 + shift)
    pic.draw(features, 4 + shift, 4 + shift)
    return pic


def draw_faces():
    return {
        101: face_button(SMILE),
        102: face_button(SMILE, pressed=True),
        103: face_button(SURPRISED),
        104: face_button(LOST),
        105: face_button(WON),
    }


# --------------------------------------------------------------------------
# Counter digits (200..210) and the counter panel (500)
# --------------------------------------------------------------------------

# Each segment is (lit pixels, unlit pixels) in the 11 x 21 digit.  A lit
# segment is two pixels thick and tapers at its ends, so that neighbours only
# touch at a corner, like the segments of a real LED display.  An unlit
# segment shows only a faint one-pixel core: a solid dark-red ghost would make
# every digit read as an 8 at a glance.
def _hseg(y_outer, y_inner):
    core = [(x, y_inner) for x in range(3, 8)]
    return [(x, y_outer) for x in range(2, 9)] + core, core


def _vseg(x_outer, x_inner, y_top):
    core = [(x_inner, y) for y in range(y_top + 1, y_top + 7)]
    return [(x_outer, y) for y in range(y_top, y_top + 8)] + core, core


def _middle():
    core = [(x, 10) for x in range(3, 8)]
    return ([(2, 10), (8, 10)] + core                  # pointed at both ends
            + [(x, 9) for x in range(3, 8)] + [(x, 11) for x in range(3, 8)]), core


SEGMENTS = {
    "a": _hseg(1, 2),                       # top
    "b": _vseg(9, 8, 2),                    # upper right
    "c": _vseg(9, 8, 11),                   # lower right
    "d": _hseg(19, 18),                     # bottom
    "e": _vseg(1, 2, 11),                   # lower left
    "f": _vseg(1, 2, 2),                    # upper left
    "g": _middle(),                         # middle
}

LIT_SEGMENTS = {
    "0": "abcdef", "1": "bc", "2": "abdeg", "3": "abcdg", "4": "bcfg",
    "5": "acdfg", "6": "acdefg", "7": "abc", "8": "abcdefg", "9": "abcdfg",
    "-": "g",
}


def counter_digit(symbol):
    pic = Picture(11, 21, "k")
    for name, (lit, unlit) in SEGMENTS.items():
        if name in LIT_SEGMENTS[symbol]:
            for x, y in lit:
                pic.put(x, y, "r")
        else:
            for x, y in unlit:
                pic.put(x, y, "m")
    return pic


def draw_digits():
    pics = {200 + n: counter_digit(str(n)) for n in range(10)}
    pics[210] = counter_digit("-")
    return pics


def counter_panel():
    pic = Picture(41, 25, "k")
    pic.bevel(0, 0, 40, 24, 1, "d", "w")
    return pic


# --------------------------------------------------------------------------
# The window frame (501..507)
# --------------------------------------------------------------------------

HEADER_HEIGHT = 55
SIDE = 12      # width of the side strips, height of the bottom strip


def window_frame(field_w, field_h):
    """Paints the whole frame around a field of field_w x field_h pixels; the
    frame pieces are cut from it, so they are sure to join up."""
    w = field_w + 2 * SIDE
    h = HEADER_HEIGHT + field_h + SIDE
    pic = Picture(w, h, "s")
    pic.bevel(0, 0, w - 1, h - 1, 3, "w", "d")               # raised window
    pic.bevel(9, 9, w - 10, 45, 2, "d", "w")                 # sunken strip
    pic.bevel(9, HEADER_HEIGHT - 3, w - 10, h - 10, 3, "d", "w")  # sunken field
    return pic


def draw_frame():
    def cut(field_w, field_h):
        f = window_frame(field_w, field_h)
        right = SIDE + field_w
        bottom = HEADER_HEIGHT + field_h
        return {
            501: f.crop(0, 0, SIDE, HEADER_HEIGHT),
            502: f.crop(right, 0, SIDE, HEADER_HEIGHT),
            503: f.crop(SIDE, 0, 1, HEADER_HEIGHT),
            504: f.crop(0, bottom, SIDE, SIDE),
            505: f.crop(right, bottom, SIDE, SIDE),
            506: f.crop(SIDE, bottom, 1, SIDE),
            507: f.crop(0, HEADER_HEIGHT, SIDE, 1),
            "right side": f.crop(right, HEADER_HEIGHT, SIDE, 1),
        }

    pieces = cut(16, 16)
    # The pieces must not depend on the field's size, and one side slice must
    # serve both sides of the field.
    assert all(pieces[k].px == v.px for k, v in cut(160, 96).items())
    assert pieces.pop("right side").px == pieces[507].px
    pieces[500] = counter_panel()
    return pieces


# --------------------------------------------------------------------------
# Tile set 0 (300..308, 400..406): the classic grey look
# --------------------------------------------------------------------------

TILE = 16

NUMERALS = {
    1: ("b", [
        "...###...",
        "..####...",
        ".#####...",
        "...###...",
        "...###...",
        "...###...",
        "...###...",
        "...###...",
        "...###...",
        ".#######.",
        ".#######.",
    ]),
    2: ("g", [
        ".#######.",
        "#########",
        "##.....##",
        ".......##",
        "......###",
        "....####.",
        "..####...",
        ".###.....",
        "###......",
        "#########",
        "#########",
    ]),
    3: ("r", [
        "########.",
        "#########",
        ".......##",
        ".......##",
        "..######.",
        "..######.",
        ".......##",
        ".......##",
        ".......##",
        "#########",
        "########.",
    ]),
    4: ("n", [
        "##.....##",
        "##.....##",
        "##.....##",
        "##.....##",
        "##.....##",
        "#########",
        "#########",
        ".......##",
        ".......##",
        ".......##",
        ".......##",
    ]),
    5: ("m", [
        "#########",
        "#########",
        "##.......",
        "##.......",
        "########.",
        "#########",
        ".......##",
        ".......##",
        ".......##",
        "#########",
        "########.",
    ]),
    6: ("t", [
        ".########",
        "#########",
        "##.......",
        "##.......",
        "########.",
        "#########",
        "##.....##",
        "##.....##",
        "##.....##",
        "#########",
        ".#######.",
    ]),
    7: ("p", [
        "#########",
        "#########",
        ".......##",
        "......##.",
        ".....##..",
        "....##...",
        "...##....",
        "...##....",
        "...##....",
        "...##....",
        "...##....",
    ]),
    8: ("k", [
        ".#######.",
        "#########",
        "##.....##",
        "##.....##",
        ".#######.",
        ".#######.",
        "##.....##",
        "##.....##",
        "##.....##",
        "#########",
        ".#######.",
    ]),
}

MINE = [
    "......k......",
    "......k......",
    "..k.kkkkk.k..",
    "...kkkkkkk...",
    "..kkwwkkkkk..",
    "..kkwwkkkkk..",
    "kkkkkkkkkkkkk",
    "..kkkkkkkkk..",
    "..kkkkkkkkk..",
    "...kkkkkkk...",
    "..k.kkkkk.k..",
    "......k......",
    "......k......",
]

FLAG = [
    "....rrk...",
    "..rrrrk...",
    "rrrrrrk...",
    "..rrrrk...",
    "....rrk...",
    "......k...",
    "......k...",
    "......k...",
    ".....kkk..",
    "...kkkkkkk",
    "...kkkkkkk",
]

QUESTION = [
    "..####..",
    ".######.",
    "##....##",
    "......##",
    ".....##.",
    "....##..",
    "...##...",
    "...##...",
    "........",
    "...##...",
    "...##...",
]


def open_square(ground="s"):
    """An uncovered square: flat, with a dotted right and bottom edge so that
    an open field shows a fine dotted grid.  The dots follow a checkerboard,
    so they line up across neighbouring squares."""
    pic = Picture(TILE, TILE, ground)
    last = TILE - 1
    for i in range(TILE):
        for x, y in ((last, i), (i, last)):
            if (x + y) % 2 == 1:
                pic.put(x, y, "k")
    return pic


def raised_square(size, light, shadow):
    """A covered square of any size: `light` px of white on the top/left;
    on the bottom/right `shadow` px of black outside `shadow` px of dark grey."""
    pic = Picture(size, size, "s")
    last = size - 1
    for y in range(size):
        for x in range(size):
            near_tl = min(x, y)
            near_br = min(last - x, last - y)
            if near_br <= near_tl and near_br < 2 * shadow:
                pic.put(x, y, "k" if near_br < shadow else "d")
            elif near_tl < light:
                pic.put(x, y, "w")
    return pic


def covered_square():
    """A raised square: white highlight on top/left, a dark grey line inside a
    black one on the bottom/right."""
    return raised_square(TILE, 1, 1)


def with_art(pic, grid, ink=None, x=None, y=None, box=TILE - 1):
    """Draws a grid centred in the square's open area (or at x, y)."""
    cx, cy = centred(grid, box, box)
    pic.draw(grid, cx if x is None else x, cy if y is None else y, ink)
    return pic


def red_cross(pic):
    """The 2 px red X that marks a wrong flag."""
    for i in range(1, TILE - 2):
        for x, y in ((i, i), (i + 1, i), (TILE - 2 - i, i), (TILE - 3 - i, i)):
            if 1 <= x <= TILE - 3:
                pic.put(x, y, "r")
    return pic


def draw_tile_set_0():
    pics = {300: open_square()}
    for n, (ink, grid) in NUMERALS.items():
        pics[300 + n] = with_art(open_square(), grid, ink)
    pics[400] = covered_square()
    pics[401] = with_art(covered_square(), FLAG, x=2, y=2)
    pics[402] = with_art(open_square(), MINE)
    pics[403] = with_art(open_square("r"), MINE)
    pics[404] = red_cross(with_art(open_square(), MINE))
    pics[405] = with_art(covered_square(), QUESTION, "k", x=4, y=2)
    pics[406] = with_art(open_square(), QUESTION, "k", x=4, y=2)
    return pics


# --------------------------------------------------------------------------
# Tile set 7 (7300..7308, 7400..7406): set 0 at twice the size
# --------------------------------------------------------------------------

# Everything sits where set 0 puts it, at twice the size, so the two sets
# agree when the small one is shown doubled.  The art is redrawn rather than
# doubled: one-pixel steps and rounded corners instead of 2 x 2 blocks.

BIG = 2 * TILE

BIG_NUMERALS = {
    1: ("b", [
        "......######......",
        ".....#######......",
        "....########......",
        "...#########......",
        "..##########......",
        "..##########......",
        "......######......",
        "......######......",
        "......######......",
        "......######......",
        "......######......",
        "......######......",
        "......######......",
        "......######......",
        "......######......",
        "......######......",
        "......######......",
        "......######......",
        "..##############..",
        "..##############..",
        "..##############..",
        "..##############..",
    ]),
    2: ("g", [
        "...############...",
        ".################.",
        "##################",
        "##################",
        "####..........####",
        "####..........####",
        "..............####",
        "..............####",
        ".............#####",
        "...........######.",
        ".........#######..",
        ".......#######....",
        ".....#######......",
        "....######........",
        "...#####..........",
        "..#####...........",
        ".#####............",
        "#####.............",
        "##################",
        "##################",
        "##################",
        "##################",
    ]),
    3: ("r", [
        "###############...",
        "#################.",
        "##################",
        "##################",
        "..............####",
        "..............####",
        "..............####",
        ".............#####",
        "....#############.",
        "....############..",
        "....############..",
        "....#############.",
        ".............#####",
        "..............####",
        "..............####",
        "..............####",
        "..............####",
        "..............####",
        "##################",
        "##################",
        "#################.",
        "###############...",
    ]),
    4: ("n", [
        "####..........####",
        "####..........####",
        "####..........####",
        "####..........####",
        "####..........####",
        "####..........####",
        "####..........####",
        "####..........####",
        "####..........####",
        "####..........####",
        "##################",
        "##################",
        "##################",
        "##################",
        "..............####",
        "..............####",
        "..............####",
        "..............####",
        "..............####",
        "..............####",
        "..............####",
        "..............####",
    ]),
    5: ("m", [
        "##################",
        "##################",
        "##################",
        "##################",
        "####..............",
        "####..............",
        "####..............",
        "####..............",
        "###############...",
        "#################.",
        "##################",
        "##################",
        ".............#####",
        "..............####",
        "..............####",
        "..............####",
        "..............####",
        "..............####",
        "##################",
        "##################",
        "#################.",
        "###############...",
    ]),
    6: ("t", [
        "...###############",
        ".#################",
        "##################",
        "##################",
        "#####.............",
        "####..............",
        "####..............",
        "####..............",
        "###############...",
        "#################.",
        "##################",
        "##################",
        "####.........#####",
        "####..........####",
        "####..........####",
        "####..........####",
        "####..........####",
        "#####........#####",
        "##################",
        "##################",
        ".################.",
        "...############...",
    ]),
    7: ("p", [
        "##################",
        "##################",
        "##################",
        "##################",
        "..............####",
        ".............#####",
        "............#####.",
        "...........#####..",
        "..........#####...",
        ".........#####....",
        "........#####.....",
        ".......#####......",
        "......#####.......",
        "......####........",
        "......####........",
        "......####........",
        "......####........",
        "......####........",
        "......####........",
        "......####........",
        "......####........",
        "......####........",
    ]),
    8: ("k", [
        "...############...",
        ".################.",
        "##################",
        "##################",
        "####..........####",
        "####..........####",
        "####..........####",
        "#####........#####",
        ".################.",
        "..##############..",
        "..##############..",
        ".################.",
        "#####........#####",
        "####..........####",
        "####..........####",
        "####..........####",
        "####..........####",
        "####..........####",
        "##################",
        "##################",
        ".################.",
        "...############...",
    ]),
}

BIG_MINE = [
    "............kk............",
    "............kk............",
    "............kk............",
    "............kk............",
    "....kk....kkkkkk....kk....",
    "....kkk.kkkkkkkkkk.kkk....",
    ".....kkkkkkkkkkkkkkkk.....",
    "......kkkkkkkkkkkkkk......",
    ".....kkkkwwkkkkkkkkkk.....",
    ".....kkkwwwwkkkkkkkkk.....",
    "....kkkkwwwwkkkkkkkkkk....",
    "....kkkkkwwkkkkkkkkkkk....",
    "kkkkkkkkkkkkkkkkkkkkkkkkkk",
    "kkkkkkkkkkkkkkkkkkkkkkkkkk",
    "....kkkkkkkkkkkkkkkkkk....",
    "....kkkkkkkkkkkkkkkkkk....",
    ".....kkkkkkkkkkkkkkkk.....",
    ".....kkkkkkkkkkkkkkkk.....",
    "......kkkkkkkkkkkkkk......",
    ".....kkkkkkkkkkkkkkkk.....",
    "....kkk.kkkkkkkkkk.kkk....",
    "....kk....kkkkkk....kk....",
    "............kk............",
    "............kk............",
    "............kk............",
    "............kk............",
]

BIG_FLAG = [
    ".........rrrkk......",
    ".......rrrrrkk......",
    ".....rrrrrrrkk......",
    "...rrrrrrrrrkk......",
    "rrrrrrrrrrrrkk......",
    "rrrrrrrrrrrrkk......",
    "...rrrrrrrrrkk......",
    ".....rrrrrrrkk......",
    ".......rrrrrkk......",
    ".........rrrkk......",
    "............kk......",
    "............kk......",
    "............kk......",
    "............kk......",
    "............kk......",
    "............kk......",
    "..........kkkkkk....",
    "........kkkkkkkkkk..",
    "......kkkkkkkkkkkkkk",
    "......kkkkkkkkkkkkkk",
    "......kkkkkkkkkkkkkk",
    "......kkkkkkkkkkkkkk",
]

BIG_QUESTION = [
    ".....######.....",
    "...##########...",
    "..############..",
    ".##############.",
    "#####......#####",
    "####........####",
    "............####",
    "...........#####",
    "..........#####.",
    ".........#####..",
    "........#####...",
    ".......#####....",
    "......#####.....",
    "......####......",
    "......####......",
    "......####......",
    "................",
    "................",
    ".......##.......",
    "......####......",
    "......####......",
    ".......##.......",
]


def big_open_square(ground="s"):
    """Set 0's uncovered square at twice the size.  The dotted edge is two
    pixels deep, as set 0's is when doubled, but keeps a one-pixel
    checkerboard, so an open field shows a fine dotted grid of the same
    weight.  The square is even, so the dots line up across neighbours."""
    pic = Picture(BIG, BIG, ground)
    edge = BIG - 2
    for y in range(BIG):
        for x in range(BIG):
            if (x >= edge or y >= edge) and (x + y) % 2 == 1:
                pic.put(x, y, "k")
    return pic


def big_covered_square():
    """Set 0's raised square doubled: 2 px of white, 2 px of dark grey inside
    2 px of black."""
    return raised_square(BIG, 2, 2)


def big_red_cross(pic):
    """Set 0's red X at twice its size: each bar is four pixels across a row
    but moves one pixel per row, so the bars are smooth, and they stop where
    set 0's stop."""
    far = BIG - 3                       # mirrors x about the open area's middle
    for y in range(2, BIG - 4):
        for x in range(y, y + 4):
            for px in (x, far - x):
                if 2 <= px <= BIG - 5:
                    pic.put(px, y, "r")
    return pic


def draw_tile_set_7():
    box = BIG - 2                       # the open area inside the dotted edge
    pics = {7300: big_open_square()}
    for n, (ink, grid) in BIG_NUMERALS.items():
        pics[7300 + n] = with_art(big_open_square(), grid, ink, box=box)
    pics[7400] = big_covered_square()
    pics[7401] = with_art(big_covered_square(), BIG_FLAG, x=4, y=4)
    pics[7402] = with_art(big_open_square(), BIG_MINE, box=box)
    pics[7403] = with_art(big_open_square("r"), BIG_MINE, box=box)
    pics[7404] = big_red_cross(with_art(big_open_square(), BIG_MINE, box=box))
    pics[7405] = with_art(big_covered_square(), BIG_QUESTION, "k", x=8, y=4)
    pics[7406] = with_art(big_open_square(), BIG_QUESTION, "k", x=8, y=4)
    return pics


# Further tile sets go here: one function per set, each returning
# {picture id: Picture}, listed in TILE_SETS.
TILE_SETS = [draw_tile_set_0, draw_tile_set_7]


# --------------------------------------------------------------------------
# Window icons
# --------------------------------------------------------------------------

# The icon: a mine on a covered square with a flag planted beside it.  Both
# sizes are drawn by hand, over the covered-square edges.
ICON_16_ART = [          # the 13 x 13 inside of the 16 px icon
    ".........rrk.",
    ".......rrrrk.",
    ".......rrrrk.",
    ".........rrk.",
    "....k......k.",
    ".k.kkk.k...k.",
    "..kkkkk....k.",
    ".kkwkkkk...k.",
    "kkkkkkkkk..k.",
    ".kkkkkkk..kkk",
    "..kkkkk...kkk",
    ".k.kkk.k.....",
    "....k........",
]

ICON_32_ART = [          # the 26 x 26 inside of the 32 px icon
    "..........................",
    "...................rrkk...",
    ".................rrrrkk...",
    "...............rrrrrrkk...",
    ".............rrrrrrrrkk...",
    "............rrrrrrrrrkk...",
    ".............rrrrrrrrkk...",
    "...............rrrrrrkk...",
    ".................rrrrkk...",
    ".........k.........rrkk...",
    "..k.....kkk.....k....kk...",
    "...k...kkkkk...k.....kk...",
    "....kkkkkkkkkkk......kk...",
    "....kkkkkkkkkkk......kk...",
    "....kkwwwkkkkkk......kk...",
    "...kkkwwwkkkkkkk.....kk...",
    "..kkkkwwwkkkkkkkk....kk...",
    ".kkkkkkkkkkkkkkkkk...kk...",
    "..kkkkkkkkkkkkkkk....kk...",
    "...kkkkkkkkkkkkk.....kk...",
    "....kkkkkkkkkkk....kkkkkk.",
    "....kkkkkkkkkkk....kkkkkk.",
    "....kkkkkkkkkkk...kkkkkkkk",
    "...k...kkkkk...k..kkkkkkkk",
    "..k.....kkk.....k.........",
    ".........k................",
]


def draw_icons():
    icon16 = raised_square(16, 1, 1)
    icon16.draw(ICON_16_ART, 1, 1)
    icon32 = raised_square(32, 2, 2)
    icon32.draw(ICON_32_ART, 2, 2)
    return {"icon101_32": icon32, "icon101_16": icon16}


# --------------------------------------------------------------------------
# Output
# --------------------------------------------------------------------------

def all_pictures():
    pics = {}
    for draw in [draw_faces, draw_digits, draw_frame] + TILE_SETS + [draw_icons]:
        for key, pic in draw().items():
            assert key not in pics, key
            pics[key] = pic
    return pics


def xpm_text(name, pic):
    used = [c for c in PALETTE if any(c in row for row in pic.px)]
    lines = ["/* XPM */",
             "static const char *const xpm_%s[] = {" % name,
             '"%d %d %d 1",' % (pic.width, pic.height, len(used))]
    lines += ['"%s c %s",' % (c, PALETTE[c]) for c in used]
    rows = ['"%s"' % "".join(row) for row in pic.px]
    lines += [r + "," for r in rows[:-1]] + [rows[-1]]
    lines.append("};")
    return "\n".join(lines) + "\n"


def write_xpms(pics, out_dir):
    os.makedirs(out_dir, exist_ok=True)
    for key in sorted(pics, key=str):
        with open(os.path.join(out_dir, "%s.xpm" % key), "w", newline="\n") as f:
            f.write(xpm_text(key, pics[key]))


# --------------------------------------------------------------------------
# Previews (PNG, for looking at the art; never written into the repository)
# --------------------------------------------------------------------------

def png_bytes(pic, scale=1):
    rgb = {c: bytes.fromhex(h[1:]) for c, h in PALETTE.items()}
    raw = bytearray()
    for row in pic.px:
        line = b"".join(rgb[c] * scale for c in row)
        for _ in range(scale):
            raw += b"\0" + line

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data
                + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))

    header = struct.pack(">IIBBBBB", pic.width * scale, pic.height * scale, 8, 2, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))


def write_png(path, pic, scale=1):
    with open(path, "wb") as f:
        f.write(png_bytes(pic, scale))


def beginner_mockup(pics):
    """The content of a Beginner window (8 x 8 squares) with a mix of tiles."""
    field = [
        [300, 300, 301, 400, 400, 401, 400, 400],
        [301, 301, 302, 405, 400, 400, 400, 400],
        [302, 303, 400, 406, 301, 302, 303, 304],
        [403, 402, 404, 301, 300, 300, 300, 305],
        [304, 305, 306, 307, 308, 301, 300, 306],
        [400, 400, 400, 401, 302, 300, 300, 307],
        [400, 400, 400, 400, 303, 300, 300, 308],
        [400, 400, 400, 400, 401, 300, 300, 300],
    ]
    n = len(field)
    fw = fh = n * TILE
    win = Picture(fw + 2 * SIDE, HEADER_HEIGHT + fh + SIDE)
    win.paste(pics[501], 0, 0)
    for x in range(fw):
        win.paste(pics[503], SIDE + x, 0)
        win.paste(pics[506], SIDE + x, HEADER_HEIGHT + fh)
    win.paste(pics[502], SIDE + fw, 0)
    for y in range(fh):
        win.paste(pics[507], 0, HEADER_HEIGHT + y)
        win.paste(pics[507], SIDE + fw, HEADER_HEIGHT + y)
    win.paste(pics[504], 0, HEADER_HEIGHT + fh)
    win.paste(pics[505], SIDE + fw, HEADER_HEIGHT + fh)
    win.paste(pics[500], 16, 15)
    win.paste(pics[500], 93, 15)
    for x, d in zip((18, 31, 44, 96, 109, 122), (210, 200, 207, 201, 202, 209)):
        win.paste(pics[d], x, 17)
    win.paste(pics[101], 63, 15)
    for j, row in enumerate(field):
        for i, tile in enumerate(row):
            win.paste(pics[tile], SIDE + i * TILE, HEADER_HEIGHT + j * TILE)
    return win


def contact_sheet(pics, scale=4):
    """All pictures side by side on a teal ground, for a quick look."""
    keys = sorted(pics, key=str)
    gap = 4
    x = y = gap
    row_h = 0
    places = []
    width = 640 // scale
    for k in keys:
        p = pics[k]
        if x + p.width + gap > width:
            x, y, row_h = gap, y + row_h + gap, 0
        places.append((k, x, y))
        x += p.width + gap
        row_h = max(row_h, p.height)
    sheet = Picture(width, y + row_h + gap, "t")
    for k, x, y in places:
        sheet.paste(pics[k], x, y)
    return sheet


def write_previews(pics, out_dir):
    os.makedirs(out_dir, exist_ok=True)
    for key, pic in pics.items():
        write_png(os.path.join(out_dir, "%s.png" % key), pic, 1)
        write_png(os.path.join(out_dir, "%s_x4.png" % key), pic, 4)
    mock = beginner_mockup(pics)
    write_png(os.path.join(out_dir, "beginner.png"), mock, 1)
    write_png(os.path.join(out_dir, "beginner_x3.png"), mock, 3)
    write_png(os.path.join(out_dir, "sheet_x4.png"), contact_sheet(pics), 4)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", default=os.path.join(here, "..", "resources", "pictures"))
    parser.add_argument("--preview", metavar="DIR", help="also write PNG previews here")
    args = parser.parse_args()
    pics = all_pictures()
    write_xpms(pics, args.out)
    if args.preview:
        write_previews(pics, args.preview)
    return 0


if __name__ == "__main__":
    sys.exit(main())
