"""Helpers shared by the tile sets (and the icons, which look like a square)."""

from .canvas import Picture, centred

TILE = 16       # the side of a small square, in pixels
BIG = 2 * TILE  # the side of a large square


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


def with_art(pic, grid, ink=None, x=None, y=None, box=TILE - 1):
    """Draws a grid centred in the square's open area (or at x, y)."""
    cx, cy = centred(grid, box, box)
    pic.draw(grid, cx if x is None else x, cy if y is None else y, ink)
    return pic


def beveled_square(size, width, light="w", shadow="d", face="s"):
    """A raised square: `width` px of `light` on the top/left and of `shadow`
    on the bottom/right, split along the diagonal at the corners."""
    pic = Picture(size, size, face)
    pic.bevel(0, 0, size - 1, size - 1, width, light, shadow)
    return pic


def lined_square(ground, line="d", size=TILE):
    """An uncovered square with a 1 px line along its top and left, so that
    an open field shows a solid grid."""
    pic = Picture(size, size, ground)
    pic.rect(0, 0, size - 1, 0, line)
    pic.rect(0, 0, 0, size - 1, line)
    return pic


def cross_out(pic, left, top, size, colour, thickness=2, edge=None):
    """An X in the square of `size` px at (left, top): each bar is
    `thickness` px across a row and moves one pixel per row, so the X spans
    `size` columns and `size - thickness + 1` rows and is symmetric.  With
    `edge`, art of the X's own colour just left and right of a bar takes that
    colour, so the X stays apart from it (a red X over a red pennant) while
    the ground around the X stays as it was."""
    bars = set()
    for i in range(size - thickness + 1):
        for dx in range(i, i + thickness):
            bars |= {(left + dx, top + i), (left + size - 1 - dx, top + i)}
    if edge is not None:
        for x, y in bars:
            for side in (x - 1, x + 1):
                inside = 0 <= side < pic.width
                if inside and (side, y) not in bars and pic.px[y][side] == colour:
                    pic.put(side, y, edge)
    for x, y in bars:
        pic.put(x, y, colour)
    return pic


# A question mark narrow enough to leave room for a frame or a die's rim around it.
SMALL_QUESTION = [
    ".####.",
    "##..##",
    "....##",
    "...##.",
    "..##..",
    "..##..",
    "......",
    "..##..",
    "..##..",
]
