"""The program's own icon for the desktop, one PNG per hicolor size.

The motif is the window icon's (icon group 101): a mine on a raised square,
with a flag planted beside it.  The 16 and 32 pixel icons are those hand-drawn
pictures.  The larger ones are drawn afresh at each size, from shapes laid
out on the square and filled pixel by pixel without smoothing, so every size
is crisp and keeps the pixel-art look; they sit on a transparent ground with a
hard drop shadow, and the mine and flag get a little shading that the small
sizes have no room for.
"""

import math
import os

from .fixed import draw_icons
from .output import rgba_png_bytes
from .palette import PALETTE
from .squares import raised_square

SIZES = [16, 32, 48, 64, 128, 256]
FILE_NAME = "io.github.fieldclear.Fieldclear.png"

CLEAR = (0, 0, 0, 0)
SHADOW = (0, 0, 0, 96)


def colour(c):
    h = PALETTE[c]
    return (int(h[1:3], 16), int(h[3:5], 16), int(h[5:7], 16), 255)


def from_picture(pic):
    return [[colour(c) for c in row] for row in pic.px]


class Icon:
    """An n x n RGBA canvas that shapes are filled into, testing each pixel's
    centre against the shape."""

    def __init__(self, n):
        self.n = n
        self.rows = [[CLEAR] * n for _ in range(n)]

    def fill(self, inside, c, x0=0, y0=0, x1=None, y1=None):
        rgba = colour(c) if isinstance(c, str) else c
        x1 = self.n if x1 is None else x1
        y1 = self.n if y1 is None else y1
        for y in range(max(0, y0), min(self.n, y1)):
            for x in range(max(0, x0), min(self.n, x1)):
                if inside(x + 0.5, y + 0.5):
                    self.rows[y][x] = rgba

    def rect(self, x0, y0, x1, y1, c):
        """Fills x0 <= x < x1, y0 <= y < y1."""
        self.fill(lambda x, y: True, c, x0, y0, x1, y1)


def raised(icon, x0, y0, size, edge):
    """A covered square like the game's, `edge` px bevels, at (x0, y0)."""
    for y, row in enumerate(from_picture(raised_square(size, edge, edge))):
        icon.rows[y0 + y][x0:x0 + size] = row


def mine(icon, cx, cy, r, spike, reach):
    """A black ball centred on the pixel corner (cx, cy), with eight spikes
    `spike` px wide: the upright ones reach `reach` px out, the slanted ones
    a little less.  Light comes from the top left."""
    half = spike / 2

    def ball(x, y):
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r

    def spikes(x, y):
        dx, dy = x - cx, y - cy
        upright = ((abs(dx) < half and abs(dy) <= reach)
                   or (abs(dy) < half and abs(dx) <= reach))
        slanted = (abs(abs(dx) - abs(dy)) < spike * 0.7
                   and math.hypot(dx, dy) <= reach * 0.9)
        return upright or slanted

    icon.fill(spikes, "k")
    icon.fill(ball, "k")
    # A highlight on the lit side, in steps of grey.
    # Each step is smaller and further out, so the shine has a soft inner side.
    steps = ((("d", 0.30, 0.40), ("s", 0.38, 0.28), ("w", 0.44, 0.17)) if r >= 20
             else (("s", 0.36, 0.30), ("w", 0.42, 0.19)))
    for c, out, radius in steps:
        hx, hy = cx - r * out, cy - r * out
        icon.fill(lambda x, y: (x - hx) ** 2 + (y - hy) ** 2 <= (r * radius) ** 2, c)


def flag(icon, pole_x, top, bottom, width, cloth_w, cloth_h, base_w, base_h):
    """A pole `width` px wide standing on a two-step base, flying a pennant
    to the left of its top."""
    icon.rect(pole_x, top, pole_x + width, bottom, "k")
    mid = top + cloth_h / 2

    def pennant(x, y):
        return (x < pole_x and y >= top and y < top + cloth_h
                and (pole_x - x) <= cloth_w * (1 - abs(y - mid) / (cloth_h / 2)))

    icon.fill(pennant, "r")
    # Its lower edge in the shade.
    fold = max(1.0, cloth_h * 0.12)
    icon.fill(lambda x, y: pennant(x, y) and not pennant(x, y + fold) and y > mid, "m")
    centre = pole_x + width / 2
    for step, w in ((0, base_w * 0.6), (1, base_w)):
        y0 = bottom + step * base_h
        icon.rect(round(centre - w / 2), y0, round(centre + w / 2), y0 + base_h, "k")


def large_icon(n):
    icon = Icon(n)
    margin = max(1, round(n / 32))
    drop = max(1, round(n / 64))
    size = n - 2 * margin - drop
    edge = max(1, round(size / 16))
    icon.rect(margin + drop, margin + drop, margin + drop + size, margin + drop + size, SHADOW)
    raised(icon, margin, margin, size, edge)

    # The open area inside the bevel, and the art laid out on it in fractions.
    left, top = margin + edge, margin + edge
    inner = size - 3 * edge

    def at(f):
        return round(f * inner)

    spike = max(2, 2 * round(inner * 0.04))
    mine(icon, left + at(0.38), top + at(0.63), inner * 0.24, spike, inner * 0.35)
    pole = max(2, at(0.06))
    flag(icon, left + at(0.80), top + at(0.05), top + at(0.80), pole,
         cloth_w=at(0.36), cloth_h=at(0.32), base_w=at(0.34), base_h=max(2, at(0.07)))
    return icon.rows


def draw_app_icons():
    """{size: rows of RGBA tuples} for every size."""
    small = draw_icons()
    icons = {16: from_picture(small["icon101_16"]), 32: from_picture(small["icon101_32"])}
    for n in SIZES:
        if n not in icons:
            icons[n] = large_icon(n)
    return icons


def write_app_icons(out_dir):
    """Writes out_dir/<n>x<n>/apps/<FILE_NAME> for every size."""
    for n, rows in draw_app_icons().items():
        folder = os.path.join(out_dir, "%dx%d" % (n, n), "apps")
        os.makedirs(folder, exist_ok=True)
        with open(os.path.join(folder, FILE_NAME), "wb") as f:
            f.write(rgba_png_bytes(rows))
