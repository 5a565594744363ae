"""Tile set 4 (4300..4308, 4400..4406): shades of grey.

An uncovered square is a grey level instead of a numeral, from white (no
mined neighbour) to black (eight).  Between the four greys of the palette the
levels are ordered dithers, so the nine come out evenly stepped (about 32 of
255 apart).  The covered squares, flags, mines and question marks are set 0's.
"""

from . import tileset0
from .canvas import Picture
from .squares import TILE

# Each level: a lighter and a darker palette grey, and how many of the 4
# cells of a 2 x 2 tile take the darker one.  The patterns repeat every two
# pixels, so neighbouring squares of one level join without a seam.
LEVELS = [
    ("w", "w", 0),  # 255
    ("w", "s", 2),  # 224: white and light grey checker
    ("s", "s", 0),  # 192
    ("s", "d", 2),  # 160: light and dark grey checker
    ("d", "d", 0),  # 128
    ("d", "k", 1),  #  96: dark grey, one black pixel in four
    ("d", "k", 2),  #  64: dark grey and black checker
    ("d", "k", 3),  #  32: black, one dark grey pixel in four
    ("k", "k", 0),  #   0
]

# Which cell of the 2 x 2 tile turns dark first, second, third: the checker
# cells come first so that two in four is a true checker.
ORDER = [(0, 0), (1, 1), (1, 0)]

# The dotted grid on the right and bottom edge, as in set 0: black dots on the
# light levels, white ones on the dark levels, so the grid shows on all nine.
GRID_DOT = ["k", "k", "k", "k", "k", "s", "s", "s", "s"]


def grey_level(count):
    light, dark, n_dark = LEVELS[count]
    dark_cells = set(ORDER[:n_dark])
    pic = Picture(TILE, TILE, light)
    for y in range(TILE):
        for x in range(TILE):
            if (x % 2, y % 2) in dark_cells:
                pic.put(x, y, dark)
    last = TILE - 1
    for i in range(TILE):
        for x, y in ((last, i), (i, last)):
            if (x + y) % 2 == 1:
                pic.put(x, y, GRID_DOT[count])
    return pic


def draw():
    pics = {4300 + n: grey_level(n) for n in range(9)}
    classic = tileset0.draw()
    for offset in range(400, 407):
        pics[4000 + offset] = classic[offset]
    return pics
