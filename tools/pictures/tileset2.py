"""Tile set 2 (2300..2308, 2400..2406): "Black and White".

Black on white only.  Covered squares are a one-pixel black-and-white checker
inside a white highlight and a black shadow; a mark on one sits on a white
plate, so that it stays readable on the checker.  Uncovered squares are white
with set 0's dotted grid and numerals, all in black.
"""

from . import tileset0
from .canvas import Picture
from .squares import TILE, cross_out, with_art

INVERSE = {"k": "w", "w": "k"}

# Without red, set 0's flag reads as a numeral 1 at a glance; this one flies a
# wide pennant away from its pole.
FLAG = [
    ".##.......",
    ".#####....",
    ".########.",
    ".#####....",
    ".##.......",
    ".#........",
    ".#........",
    ".#........",
    ".#........",
    "###.......",
    "#####.....",
]


def open_square():
    return tileset0.open_square("w")


def covered_square():
    pic = Picture(TILE, TILE, "w")
    last = TILE - 1
    for y in range(TILE):
        for x in range(TILE):
            if x == last or y == last:
                colour = "k"
            elif x == 0 or y == 0:
                colour = "w"
            else:
                colour = "k" if (x + y) % 2 else "w"
            pic.put(x, y, colour)
    return pic


def marked_square(grid, x, y):
    """A covered square with a mark on a rounded white plate."""
    pic = covered_square()
    for py in range(2, TILE - 2):
        for px in range(2, TILE - 2):
            if px not in (2, TILE - 3) or py not in (2, TILE - 3):
                pic.put(px, py, "w")
    pic.draw(grid, x, y, "k")
    return pic


def flag_square():
    return marked_square(FLAG, 3, 2)


def inverted(pic):
    """Swaps black and white: the exploded mine shows white on black."""
    for row in pic.px:
        row[:] = [INVERSE[c] for c in row]
    return pic


def mine_square():
    return with_art(open_square(), tileset0.MINE)


def draw():
    pics = {2300: open_square()}
    for n, (_, grid) in tileset0.NUMERALS.items():
        pics[2300 + n] = with_art(open_square(), grid, "k")
    pics[2400] = covered_square()
    pics[2401] = flag_square()
    pics[2402] = mine_square()
    pics[2403] = inverted(mine_square())
    # The X spans the plate; white where it meets the flag keeps the two apart.
    pics[2404] = cross_out(flag_square(), 2, 2, TILE - 4, "k", edge="w")
    pics[2405] = marked_square(tileset0.QUESTION, 4, 3)
    pics[2406] = with_art(open_square(), tileset0.QUESTION, "k", x=4, y=2)
    return pics
