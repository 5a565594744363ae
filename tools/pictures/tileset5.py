"""Tile set 5 (5300..5308, 5400..5406): a landscape on olive ground.

An uncovered square is open ground, and its count is told by things growing
on it instead of a numeral: one tree, two sunflowers, three tulips, four
stones, beds of five, six and seven small flowers, and a flock of eight
sheep.  Each count has its own colour, so the eight tell apart at a glance,
and the things stand in plain rows, so they can be counted.  Covered squares are raised ground with a
yellow question mark (the land is unknown); a question-marked square shows a
magenta one.
"""

from . import tileset0
from .canvas import Picture
from .squares import SMALL_QUESTION as QUESTION, TILE, cross_out, with_art

GROUND = "o"

TREE = [            # one tree
    "...kkkkk...",
    "..kllgggk..",
    ".kllggggk..",
    "kllgggggggk",
    "klggggggggk",
    "klgggggggdk",
    "kggggggggdk",
    ".kgggggddk.",
    "..kkdmmkk..",
    "....mmm....",
    "....mmm....",
    "....mmm....",
    "...mmmmm...",
]

SUNFLOWERS = [      # two sunflowers
    ".yyy.........",
    "ymmmy........",
    "ymmmy...yyy..",
    "ymmmy..ymmmy.",
    ".yyy...ymmmy.",
    "..g....ymmmy.",
    "..gg....yyy..",
    "..g......g...",
    ".gg......gg..",
    "..g......g...",
    "..g.....gg...",
    "..g......g...",
]

TULIPS = [          # three tulips
    "......r......",
    ".....rrr.....",
    "r.r..rrr.....",
    "rrr..rrr..r.r",
    "rrr...g...rrr",
    ".g...gg...rrr",
    ".g....g....g.",
    ".gg...g...gg.",
    ".g....g....g.",
    ".g....g....g.",
]

STONE = [
    ".kkkk.",
    "kwssdk",
    "kssddk",
    ".kkkk.",
]

FLOWER = [          # a small flower seen from the side; '#' is its colour
    ".#.",
    "#y#",
    ".#.",
    ".g.",
]

SHEEP = [          # facing right, its head black
    "www.",
    "wwwk",
    "k.k.",
]

# The larger counts: {count: (thing, its colour, rows)}, a row being
# (top, [left of each thing in it]).  Rows are centred on the square.
IN_ROWS = {
    5: (FLOWER, "b", [(2, [2, 6, 10]), (9, [4, 8])]),
    6: (FLOWER, "c", [(2, [2, 6, 10]), (9, [2, 6, 10])]),
    7: (FLOWER, "f", [(2, [0, 4, 8, 12]), (9, [2, 6, 10])]),
    8: (SHEEP, None, [(1, [0, 5, 10]), (6, [3, 8]), (11, [0, 5, 10])]),
}

# Every covered square carries this one, so it is drawn light, with thin
# strokes; the question mark a player puts down is the bold one below.
UNKNOWN = [
    ".###.",
    "#...#",
    "....#",
    "...#.",
    "..#..",
    ".....",
    "..#..",
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
    "...lglglg.",
    "..glgggllg",
]

MINE = [            # a mine half sunk in a mound of earth
    ".....k.....",
    ".k...k...k.",
    "..k.kkk.k..",
    "...kkkkk...",
    "..kwwkkkk..",
    "kkkwkkkkkkk",
    "..kkkkkkk..",
    ".mmkkkkkmm.",
    "mmmmmmmmmmm",
]


def open_ground(ground=GROUND):
    """Flat ground with set 0's dotted grid on the right and bottom edge."""
    return tileset0.open_square(ground)


def raised_ground():
    """Covered: the ground raised, lit from the top left."""
    pic = Picture(TILE, TILE, GROUND)
    pic.bevel(0, 0, TILE - 1, TILE - 1, 1, "y", "k")
    pic.bevel(1, 1, TILE - 2, TILE - 2, 1, GROUND, "m")
    return pic


def flag_square():
    return with_art(raised_ground(), FLAG, x=3, y=3)


def planted(grid, ink=None):
    return with_art(open_ground(), grid, ink)


def in_rows(thing, colour, rows):
    pic = open_ground()
    for top, lefts in rows:
        for left in lefts:
            pic.draw(thing, left, top, colour)
    return pic


def stones():
    pic = open_ground()
    for x, y in ((1, 2), (8, 1), (2, 8), (8, 9)):
        pic.draw(STONE, x, y)
    return pic


def draw():
    pics = {
        5300: open_ground(),
        5301: planted(TREE),
        5302: planted(SUNFLOWERS),
        5303: planted(TULIPS),
        5304: stones(),
    }
    for n, (thing, colour, rows) in IN_ROWS.items():
        pics[5300 + n] = in_rows(thing, colour, rows)
    pics[5400] = with_art(raised_ground(), UNKNOWN, "y")
    pics[5401] = flag_square()
    pics[5402] = planted(MINE)
    pics[5403] = with_art(open_ground("r"), MINE)
    pics[5404] = cross_out(flag_square(), 2, 2, TILE - 4, "r", edge="k")
    pics[5405] = with_art(raised_ground(), QUESTION, "f", x=5, y=3)
    pics[5406] = with_art(open_ground(), QUESTION, "f", x=5, y=3)
    return pics
