"""A small hand-drawn proportional pixel font for captions and headings.

Letters stand on a baseline: capitals are 8 pixels tall, lower case 6, and
g and p hang 2 pixels below.  Each glyph is a grid from the cap line (row 0)
down to the lowest descender (row 9); '#' is ink.  Only the letters that the
pictures use are drawn; add more as they are needed.
"""

CAP_HEIGHT = 8
LETTER_GAP = 1   # blank columns between two letters
SPACE = 3        # width of a blank

_X = ["", ""]    # lower-case letters start at row 2

GLYPHS = {
    "B": ["####.", "#...#", "#...#", "####.", "#...#", "#...#", "#...#", "####."],
    "E": ["####", "#...", "#...", "###.", "#...", "#...", "#...", "####"],
    "I": ["#"] * 8,
    "T": ["#####"] + ["..#.."] * 7,
    "a": _X + [".###.", "....#", ".####", "#...#", "#...#", ".####"],
    "d": ["....#", "....#", ".####", "#...#", "#...#", "#...#", "#...#", ".####"],
    "e": _X + [".###.", "#...#", "#####", "#....", "#...#", ".###."],
    "g": _X + [".####", "#...#", "#...#", "#...#", "#...#", ".####", "....#", ".###."],
    "i": ["#", ".", "#", "#", "#", "#", "#", "#"],
    "m": _X + ["######.", "#..#..#", "#..#..#", "#..#..#", "#..#..#", "#..#..#"],
    "n": _X + ["####.", "#...#", "#...#", "#...#", "#...#", "#...#"],
    "p": _X + ["####.", "#...#", "#...#", "#...#", "#...#", "####.", "#....", "#...."],
    "r": _X + ["#.##", "##..", "#...", "#...", "#...", "#..."],
    "s": _X + [".###", "#...", "##..", "..##", "...#", "###."],
    "t": ["...", ".#.", "###", ".#.", ".#.", ".#.", ".#.", "..#"],
    "x": _X + ["#...#", ".#.#.", "..#..", "..#..", ".#.#.", "#...#"],
    ":": _X + [".", "#", ".", ".", ".", "#"],
}


def _glyph(ch):
    assert ch in GLYPHS, "the font has no %r yet" % ch
    return GLYPHS[ch]


def _glyph_width(ch, bold):
    if ch == " ":
        return SPACE
    return max(len(row) for row in _glyph(ch)) + (1 if bold else 0)


def text_width(text, bold=False):
    """Width in pixels of `text` as draw_text() lays it out."""
    return sum(_glyph_width(ch, bold) for ch in text) + LETTER_GAP * (len(text) - 1)


def draw_text(pic, text, x, cap_top, colour, bold=False):
    """Draws `text` with its capitals' top row at `cap_top`.  Bold strikes
    each letter twice, one pixel apart, as classic bold screen fonts do."""
    for ch in text:
        if ch != " ":
            for dy, row in enumerate(_glyph(ch)):
                for dx, cell in enumerate(row):
                    if cell == "#":
                        for extra in range(2 if bold else 1):
                            pic.put(x + dx + extra, cap_top + dy, colour)
        x += _glyph_width(ch, bold) + LETTER_GAP
