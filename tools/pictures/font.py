"""A small hand-drawn proportional pixel font for captions and headings.

Letters stand on a baseline: capitals are 8 pixels tall, lower case 6, and
g, j, p, y and their kin hang 2 pixels below.  Each glyph is a grid from the
cap line (row 0) down to the lowest descender (row 9); '#' is ink.  A mark
over a letter sits one blank row above it, so over a capital, and over some
lower-case letters, it rises above the cap line: those glyphs start that many
rows higher.  Only the letters that the pictures use are drawn, with the
accented Latin and the Cyrillic letters of the game's languages; add more as
they are needed.  Cyrillic letters that look like Latin ones share their
drawings.
"""

CAP_HEIGHT = 8
LETTER_GAP = 1   # blank columns between two letters
SPACE = 3        # width of a blank

_X = ["", ""]    # lower-case letters start at row 2


def _over(mark, body, top=2):
    """A letter with a mark over it: the mark's rows, one blank row, then the
    letter's rows from `top` (2 for lower case, 0 for capitals) down.
    Returns (rows above the cap line, grid)."""
    return len(mark) + 1 - top, mark + [""] + body


def _struck(rows):
    """The rows struck twice, one pixel apart: the bold of a letter."""
    return ["".join("#" if "#" in row[max(0, x - 1):x + 1] else "." for x in range(len(row) + 1))
            if row else row for row in rows]


# The lower-case letters that carry marks, from the x-height down.
_A = [".###.", "....#", ".####", "#...#", "#...#", ".####"]
_C = [".###.", "#...#", "#....", "#....", "#...#", ".###."]
_E = [".###.", "#...#", "#####", "#....", "#...#", ".###."]
_G = [".####", "#...#", "#...#", "#...#", "#...#", ".####", "....#", ".###."]
_I = ["#"] * 6
_N = ["####.", "#...#", "#...#", "#...#", "#...#", "#...#"]
_O = [".###.", "#...#", "#...#", "#...#", "#...#", ".###."]
_R = ["#.##", "##..", "#...", "#...", "#...", "#..."]
_S = [".###", "#...", "##..", "..##", "...#", "###."]
_U = ["#...#"] * 5 + [".####"]
_Y = _U + ["....#", ".###."]
_Z = ["#####", "...#.", "..#..", ".#...", "#....", "#####"]
_CYR_I = ["#...#", "#..##", "#.#.#", "#.#.#", "##..#", "#...#"]      # и
_CAP_S = [".###.", "#...#", "#....", ".###.", "....#", "....#", "#...#", ".###."]

# Marks over a five-pixel letter.
_ACUTE = ["...#.", "..#.."]
_GRAVE = [".#...", "..#.."]
_CARON = [".#.#.", "..#.."]
_DIAERESIS = [".#.#."]
_BREVE = ["#...#", ".###."]
_OGONEK = ["...#.", "....#"]

GLYPHS = {
    # Latin capitals
    "A": ["..#..", ".#.#.", ".#.#.", "#...#", "#...#", "#####", "#...#", "#...#"],
    "B": ["####.", "#...#", "#...#", "####.", "#...#", "#...#", "#...#", "####."],
    "D": ["####."] + ["#...#"] * 6 + ["####."],
    "E": ["####", "#...", "#...", "###.", "#...", "#...", "#...", "####"],
    "F": ["####", "#...", "#...", "###.", "#...", "#...", "#...", "#..."],
    "G": [".###.", "#...#", "#....", "#....", "#..##", "#...#", "#...#", ".###."],
    "I": ["#"] * 8,
    "M": ["#.....#", "##...##", "#.#.#.#", "#..#..#"] + ["#.....#"] * 4,
    "N": ["#...#", "##..#", "##..#", "#.#.#", "#.#.#", "#..##", "#..##", "#...#"],
    "O": [".###."] + ["#...#"] * 6 + [".###."],
    "P": ["####.", "#...#", "#...#", "#...#", "####.", "#....", "#....", "#...."],
    "S": _CAP_S,
    "T": ["#####"] + ["..#.."] * 7,
    "U": ["#...#"] * 7 + [".###."],
    "Z": ["#####", "....#", "...#.", "..#..", "..#..", ".#...", "#....", "#####"],
    # Latin lower case
    "a": _X + _A,
    "b": ["#....", "#....", "####.", "#...#", "#...#", "#...#", "#...#", "####."],
    "c": _X + _C,
    "d": ["....#", "....#", ".####", "#...#", "#...#", "#...#", "#...#", ".####"],
    "e": _X + _E,
    "f": [".##", ".#.", "###", ".#.", ".#.", ".#.", ".#.", ".#."],
    "g": _X + _G,
    "h": ["#....", "#...."] + _N,
    "i": ["#", "."] + _I,
    "j": [".#", "..", ".#", ".#", ".#", ".#", ".#", ".#", ".#", "#."],
    "k": ["#...", "#...", "#..#", "#.#.", "##..", "##..", "#.#.", "#..#"],
    "l": ["#"] * 8,
    "m": _X + ["######.", "#..#..#", "#..#..#", "#..#..#", "#..#..#", "#..#..#"],
    "n": _X + _N,
    "o": _X + _O,
    "p": _X + ["####.", "#...#", "#...#", "#...#", "#...#", "####.", "#....", "#...."],
    "r": _X + _R,
    "s": _X + _S,
    "t": ["...", ".#.", "###", ".#.", ".#.", ".#.", ".#.", "..#"],
    "u": _X + _U,
    "v": _X + ["#...#", "#...#", ".#.#.", ".#.#.", "..#..", "..#.."],
    "x": _X + ["#...#", ".#.#.", "..#..", "..#..", ".#.#.", "#...#"],
    "y": _X + _Y,
    "z": _X + _Z,
    # Latin lower case with a mark below, or none over
    "ą": _X + _A + _OGONEK,
    "ę": _X + _E + _OGONEK,
    "ç": _X + _C + ["..#..", ".##.."],
    "ş": _X + _S + [".#..", "##.."],
    "ı": _X + _I,
    "ł": [".#.", ".#.", ".#.", ".##", "##.", ".#.", ".#.", ".#."],
    # Cyrillic capitals
    "Л": [".####"] + [".#..#"] * 6 + ["#...#"],
    "Н": ["#...#", "#...#", "#...#", "#####", "#...#", "#...#", "#...#", "#...#"],
    "Э": [".###.", "#...#", "....#", "..###", "....#", "....#", "#...#", ".###."],
    # Cyrillic lower case
    "б": [".####", "#....", "####.", "#...#", "#...#", "#...#", "#...#", ".###."],
    "в": _X + ["####.", "#...#", "####.", "#...#", "#...#", "####."],
    "и": _X + _CYR_I,
    "к": _X + ["#..#", "#.#.", "##..", "##..", "#.#.", "#..#"],
    "л": _X + [".####", ".#..#", ".#..#", ".#..#", ".#..#", "#...#"],
    "м": _X + ["#...#", "##.##", "#.#.#", "#...#", "#...#", "#...#"],
    "н": _X + ["#...#", "#...#", "#####", "#...#", "#...#", "#...#"],
    "п": _X + ["#####"] + ["#...#"] * 5,
    "т": _X + ["#####"] + ["..#.."] * 5,
    "ч": _X + ["#...#", "#...#", "#...#", ".####", "....#", "....#"],
    "ш": _X + ["#..#..#"] * 5 + ["#######"],
    "щ": _X + ["#..#..#."] * 5 + ["########", ".......#"],
    "ь": _X + ["#....", "#....", "####.", "#...#", "#...#", "####."],
    "ю": _X + ["#..##.", "#.#..#", "###..#", "#.#..#", "#.#..#", "#..##."],
    "я": _X + [".####", "#...#", "#...#", ".####", ".#..#", "#...#"],
    "є": _X + [".###.", "#...#", "###..", "#....", "#...#", ".###."],
    ":": _X + [".", "#", ".", ".", ".", "#"],
}

for _cyrillic, _latin in zip("АЕаеіорсу", "AEaeiopcy"):
    GLYPHS[_cyrillic] = GLYPHS[_latin]

# Letters with a mark over them: (rows above the cap line, grid).
MARKED = {
    "Ś": _over(_ACUTE, _CAP_S, top=0),
    "á": _over(_ACUTE, _A),
    "ä": _over(_DIAERESIS, _A),
    "å": _over(["..#..", ".#.#.", "..#.."], _A),
    "č": _over(_CARON, _C),
    "é": _over(_ACUTE, _E),
    "è": _over(_GRAVE, _E),
    "ě": _over(_CARON, _E),
    "ğ": _over(_BREVE, _G),
    "í": _over([".#", "#."], _I),
    "ñ": _over([".##.#", "#..#."], _N),
    "ó": _over(_ACUTE, _O),
    "ö": _over(_DIAERESIS, _O),
    "ř": _over([".#.#", "..#."], _R),
    "ś": _over(["...#", "..#."], _S),
    "š": _over([".#.#", "..#."], _S),
    "ú": _over(_ACUTE, _U),
    "ü": _over(_DIAERESIS, _U),
    "ý": _over(_ACUTE, _Y),
    "ż": _over(["..#.."], _Z),
    "ž": _over(_CARON, _Z),
    "й": _over(_BREVE, _CYR_I),
    "ї": _over(["#.#"], [".#."] * 6),
}

# Letters that striking twice would fill in: where one blank pixel parts two
# strokes (a diaeresis, a caron, the middle of M or N, the arm of r), bold
# has a drawing of its own, one or two pixels wider.  Marks stay one pixel
# thin in bold.
BOLD = {
    "M": (0, ["##.....##", "###...###", "####.####", "##.###.##",
              "##..#..##", "##.....##", "##.....##", "##.....##"]),
    "N": (0, ["##..##", "###.##", "###.##", "###.##",
              "##.###", "##.###", "##.###", "##..##"]),
    "r": (0, _X + ["##.##", "####.", "###..", "##...", "##...", "##..."]),
    "ä": _over([".#..#."], _struck(_A)),
    "ü": _over([".#..#."], _struck(_U)),
    "č": _over([".#..#.", "..##.."], _struck(_C)),
    "š": _over([".#.#.", "..#.."], _struck(_S)),
    "и": (0, _X + ["##..##", "##.###", "##.###", "###.##", "###.##", "##..##"]),
    "й": _over([".#..#.", "..##.."],
               ["##..##", "##.###", "##.###", "###.##", "###.##", "##..##"]),
    "к": (0, _X + ["##.##", "####.", "###..", "###..", "####.", "##.##"]),
    "м": (0, _X + ["##...##", "###.###", "##.#.##", "##...##", "##...##", "##...##"]),
}


def _glyph(ch, bold=False):
    """(rows above the cap line, grid, struck twice?) of a letter."""
    if bold and ch in BOLD:
        return BOLD[ch] + (False,)
    if ch in MARKED:
        rise, rows = MARKED[ch]
    else:
        assert ch in GLYPHS, "the font has no %r yet" % ch
        rise, rows = 0, GLYPHS[ch]
    assert not (bold and any("#.#" in row for row in rows)), \
        "striking %r twice fills it in: draw it in BOLD" % ch
    return rise, rows, bold


def _glyph_width(ch, bold):
    if ch == " ":
        return SPACE
    _, rows, struck = _glyph(ch, bold)
    return max(len(row) for row in rows) + (1 if struck else 0)


def text_width(text, bold=False):
    """Width in pixels of `text` as draw_text() lays it out."""
    return sum(_glyph_width(ch, bold) for ch in text) + LETTER_GAP * (len(text) - 1)


def text_rise(text, bold=False):
    """How many rows above the cap line the marks of `text` reach."""
    return max([_glyph(ch, bold)[0] for ch in text if ch != " "] + [0])


def draw_text(pic, text, x, cap_top, colour, bold=False):
    """Draws `text` with its capitals' top row at `cap_top`.  Bold strikes
    each letter twice, one pixel apart, as classic bold screen fonts do."""
    for ch in text:
        if ch != " ":
            rise, rows, struck = _glyph(ch, bold)
            for dy, row in enumerate(rows):
                for dx, cell in enumerate(row):
                    if cell == "#":
                        for extra in range(2 if struck else 1):
                            pic.put(x + dx + extra, cap_top - rise + dy, colour)
        x += _glyph_width(ch, bold) + LETTER_GAP
