"""Tile set 3 (3300..3308, 3400..3406): "Color Blocks (Windows 2000)".

Covered squares are set 1's.  An uncovered square is a plain block of colour
that stands for its count, with set 1's solid grid line on its top and left:
0 white, 1 blue, 2 green, 3 red, 4 navy, 5 maroon, 6 teal, 7 black, 8 dark
grey.  Mines and flags are red and white: the flag is a white flag on a red
block on the covered square, the mine is red on white, or white on red where
it went off.
"""

from . import tileset1
from .squares import TILE, cross_out, lined_square

COUNT_COLOURS = "wbgrnmtkd"   # the block colour of each count, 0 to 8

FLAG = [
    ".#.......",
    ".###.....",
    ".#####...",
    ".#######.",
    ".#####...",
    ".###.....",
    ".#.......",
    ".#.......",
    ".#.......",
    "###......",
]

MINE = [
    "......#......",
    "......#......",
    "..#.#####.#..",
    "...#######...",
    "..##..#####..",
    "..##..#####..",
    "#############",
    "..#########..",
    "..#########..",
    "...#######...",
    "..#.#####.#..",
    "......#......",
    "......#......",
]


def block(count):
    return lined_square(COUNT_COLOURS[count])


def flagged_square():
    pic = tileset1.covered_square()
    pic.rect(2, 2, TILE - 3, TILE - 3, "r")
    pic.draw(FLAG, 4, 3, "w")
    return pic


def mine_square(ground, ink):
    return tileset1.in_open_area(lined_square(ground), MINE, ink)


def draw():
    pics = {3300 + n: block(n) for n in range(9)}
    pics[3400] = tileset1.covered_square()
    pics[3401] = flagged_square()
    pics[3402] = mine_square("w", "r")
    pics[3403] = mine_square("r", "w")
    # Black, the one colour that stands out on both the red block and the white flag.
    pics[3404] = cross_out(flagged_square(), 2, 2, TILE - 4, "k")
    pics[3405] = tileset1.in_open_area(tileset1.covered_square(), tileset1.QUESTION, "k")
    pics[3406] = tileset1.in_open_area(block(0), tileset1.QUESTION, "k")
    return pics
