"""Tile set 6 (6300..6308, 6400..6406): dice on a green baize.

Every square is a die with rounded corners.  An uncovered square is a white
die showing its count in red pips, one to eight, and no pips for none.  A
covered square is a navy die not yet turned over; flags and question marks
sit on it.  After a loss a mine shows as a black ball on a white die, on a red
die for the one that went off.
"""

from .canvas import Picture
from .squares import SMALL_QUESTION as QUESTION, TILE, cross_out, with_art

BAIZE = "g"

# The die fills columns and rows 1..14; its corners are rounded by cutting
# this many pixels off each end of the first and last rows.
DIE_LO, DIE_HI = 1, TILE - 2
CORNER_CUT = [2, 1]  # for the outermost row, then the next one in

# Pips are 2 x 2 pixels on a 3 x 3 grid, 4 pixels apart, centred on the die.
PIP_AT = [3, 7, 11]
PIPS = {
    0: [],
    1: [(1, 1)],  # drawn larger, see pips()
    2: [(2, 0), (0, 2)],
    3: [(2, 0), (1, 1), (0, 2)],
    4: [(0, 0), (2, 0), (0, 2), (2, 2)],
    5: [(0, 0), (2, 0), (1, 1), (0, 2), (2, 2)],
    6: [(0, 0), (0, 1), (0, 2), (2, 0), (2, 1), (2, 2)],
    7: [(0, 0), (0, 1), (0, 2), (1, 1), (2, 0), (2, 1), (2, 2)],
    8: [(0, 0), (0, 1), (0, 2), (1, 0), (1, 2), (2, 0), (2, 1), (2, 2)],
}

MINE = [
    "....k.....",
    ".k.kkk.k..",
    "..kkkkk...",
    ".kkwkkkk..",
    "kkwwkkkkk.",
    ".kkkkkkk..",
    "..kkkkk...",
    ".k.kkk.k..",
    "....k.....",
]

FLAG = [
    "..wrr.....",
    "..wrrrr...",
    "..wrrrrrr.",
    "..wrrrr...",
    "..wrr.....",
    "..w.......",
    "..w.......",
    "..w.......",
    ".www......",
    "wwwww.....",
]


def die(face, light=None, shadow=None):
    """A die on the baize: `face` inside, with an optional 1 px `light` rim on
    the top and left and `shadow` rim on the bottom and right."""
    pic = Picture(TILE, TILE, BAIZE)
    for y in range(DIE_LO, DIE_HI + 1):
        edge = min(y - DIE_LO, DIE_HI - y)
        cut = CORNER_CUT[edge] if edge < len(CORNER_CUT) else 0
        for x in range(DIE_LO + cut, DIE_HI - cut + 1):
            pic.put(x, y, face)
    # The rim is every face pixel that touches the baize, side or corner; it
    # is in the shadow where the baize lies to its right, below or both.
    def baize(x, y):
        return pic.px[y][x] == BAIZE

    rim = {}
    for y in range(DIE_LO, DIE_HI + 1):
        for x in range(DIE_LO, DIE_HI + 1):
            if baize(x, y):
                continue
            if baize(x + 1, y) or baize(x, y + 1) or baize(x + 1, y + 1):
                rim[x, y] = shadow
            elif baize(x - 1, y) or baize(x, y - 1) or baize(x - 1, y - 1) \
                    or baize(x + 1, y - 1) or baize(x - 1, y + 1):
                rim[x, y] = light
    for (x, y), colour in rim.items():
        if colour:
            pic.put(x, y, colour)
    return pic


def white_die():
    return die("w", shadow="s")


def covered_die():
    return die("n", light="b", shadow="k")


def pips(count):
    pic = white_die()
    if count == 1:
        # As on real dice, a lone pip is larger: 4 x 4 with its corners cut.
        pic.rect(6, 7, 9, 8, "r")
        pic.rect(7, 6, 8, 9, "r")
        return pic
    for col, row in PIPS[count]:
        pic.rect(PIP_AT[col], PIP_AT[row], PIP_AT[col] + 1, PIP_AT[row] + 1, "r")
    return pic


def flag_die():
    return with_art(covered_die(), FLAG, x=3, y=3)


def draw():
    pics = {6300 + n: pips(n) for n in range(9)}
    pics[6400] = covered_die()
    pics[6401] = flag_die()
    pics[6402] = with_art(white_die(), MINE, x=3, y=3)
    pics[6403] = with_art(die("r", shadow="m"), MINE, x=3, y=3)
    pics[6404] = cross_out(flag_die(), 3, 3, TILE - 6, "r", edge="k")   # within the rim
    pics[6405] = with_art(covered_die(), QUESTION, "w", x=5, y=4)
    pics[6406] = with_art(white_die(), QUESTION, "n", x=5, y=4)
    return pics
