"""Tile set 1 (1300..1308, 1400..1406): "Windows 2000".

Covered squares have a 2 px bevel; uncovered ones are flat with a solid dark
grey line on the top and left, so an open field shows a solid grid.  The
numerals are bolder than set 0's (3 px upright strokes), in set 0's colours
except 7 black and 8 dark grey.
"""

from . import tileset0
from .squares import TILE, beveled_square, cross_out, lined_square, with_art

OPEN_BOX = TILE - 1   # the open area right of and below the grid line

NUMERALS = {
    1: ("b", [
        "....###...",
        "...####...",
        "..#####...",
        ".######...",
        "....###...",
        "....###...",
        "....###...",
        "....###...",
        "....###...",
        "....###...",
        ".#########",
        ".#########",
    ]),
    2: ("g", [
        ".########.",
        "##########",
        "###....###",
        ".......###",
        ".......###",
        ".....####.",
        "...#####..",
        ".#####....",
        "####......",
        "###.......",
        "##########",
        "##########",
    ]),
    3: ("r", [
        ".########.",
        "##########",
        "###....###",
        ".......###",
        "....#####.",
        "....#####.",
        ".......###",
        ".......###",
        ".......###",
        "###....###",
        "##########",
        ".########.",
    ]),
    4: ("n", [
        "###...###.",
        "###...###.",
        "###...###.",
        "###...###.",
        "###...###.",
        "###...###.",
        "##########",
        "##########",
        "......###.",
        "......###.",
        "......###.",
        "......###.",
    ]),
    5: ("m", [
        "##########",
        "##########",
        "###.......",
        "###.......",
        "#########.",
        "##########",
        ".......###",
        ".......###",
        ".......###",
        "###....###",
        "##########",
        ".########.",
    ]),
    6: ("t", [
        ".#########",
        "##########",
        "###.......",
        "###.......",
        "#########.",
        "##########",
        "###....###",
        "###....###",
        "###....###",
        "###....###",
        "##########",
        ".########.",
    ]),
    7: ("k", [
        "##########",
        "##########",
        ".......###",
        "......###.",
        ".....###..",
        "....###...",
        "....###...",
        "...###....",
        "...###....",
        "...###....",
        "...###....",
        "...###....",
    ]),
    8: ("d", [
        ".########.",
        "##########",
        "###....###",
        "###....###",
        ".########.",
        ".########.",
        "###....###",
        "###....###",
        "###....###",
        "###....###",
        "##########",
        ".########.",
    ]),
}

QUESTION = [
    ".######.",
    "########",
    "###..###",
    ".....###",
    "....###.",
    "...###..",
    "...###..",
    "...###..",
    "........",
    "...###..",
    "...###..",
]


def open_square(ground="s"):
    return lined_square(ground)


def covered_square():
    return beveled_square(TILE, 2)


def flag_square():
    return with_art(covered_square(), tileset0.FLAG, x=3, y=2)


def in_open_area(pic, grid, ink=None):
    """Centres art in the open area right of and below the grid line (an odd
    pixel left over goes right/down)."""
    width = max(len(row) for row in grid)
    x = 1 + (OPEN_BOX - width) // 2
    y = 1 + (OPEN_BOX - len(grid)) // 2
    pic.draw(grid, x, y, ink)
    return pic


def draw():
    pics = {1300: open_square()}
    for n, (ink, grid) in NUMERALS.items():
        pics[1300 + n] = in_open_area(open_square(), grid, ink)
    pics[1400] = covered_square()
    pics[1401] = flag_square()
    pics[1402] = in_open_area(open_square(), tileset0.MINE)
    pics[1403] = in_open_area(open_square("r"), tileset0.MINE)
    pics[1404] = cross_out(flag_square(), 2, 2, TILE - 4, "r", edge="k")   # inside the bevel
    pics[1405] = with_art(covered_square(), QUESTION, "k", x=4, y=2)
    pics[1406] = in_open_area(open_square(), QUESTION, "k")
    return pics
