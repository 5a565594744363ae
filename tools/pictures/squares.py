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
