"""Tile set 0 (300..308, 400..406): the classic grey look."""

from .canvas import Picture
from .squares import TILE, cross_out, raised_square, with_art

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


def covered_square():
    """A raised square: white highlight on top/left, a dark grey line inside a
    black one on the bottom/right."""
    return raised_square(TILE, 1, 1)


def flag_square():
    return with_art(covered_square(), FLAG, x=2, y=2)


def draw():
    pics = {300: open_square()}
    for n, (ink, grid) in NUMERALS.items():
        pics[300 + n] = with_art(open_square(), grid, ink)
    pics[400] = covered_square()
    pics[401] = flag_square()
    pics[402] = with_art(open_square(), MINE)
    pics[403] = with_art(open_square("r"), MINE)
    # A wrong flag: the flag crossed out across the whole face, with a black line
    # between the red X and the red pennant so that the two stay apart.
    pics[404] = cross_out(flag_square(), 1, 1, TILE - 3, "r", edge="k")
    pics[405] = with_art(covered_square(), QUESTION, "k", x=4, y=2)
    pics[406] = with_art(open_square(), QUESTION, "k", x=4, y=2)
    return pics
