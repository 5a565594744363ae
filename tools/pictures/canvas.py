"""A tiny canvas: a grid of palette characters, and helpers for string grids."""


class Picture:
    def __init__(self, width, height, fill="s"):
        self.width = width
        self.height = height
        self.px = [[fill] * width for _ in range(height)]

    def put(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.px[y][x] = colour

    def rect(self, x0, y0, x1, y1, colour):
        """Fills the inclusive rectangle (x0, y0)-(x1, y1)."""
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.put(x, y, colour)

    def draw(self, grid, x0, y0, ink=None):
        """Copies a string grid onto the picture.  '.' leaves a pixel alone;
        '#' is painted with `ink`; any other character is a palette colour."""
        for dy, row in enumerate(grid):
            for dx, ch in enumerate(row):
                if ch == ".":
                    continue
                self.put(x0 + dx, y0 + dy, ink if ch == "#" else ch)

    def paste(self, other, x0, y0):
        for y in range(other.height):
            for x in range(other.width):
                self.put(x0 + x, y0 + y, other.px[y][x])

    def crop(self, x0, y0, width, height):
        out = Picture(width, height)
        for y in range(height):
            for x in range(width):
                out.px[y][x] = self.px[y0 + y][x0 + x]
        return out

    def bevel(self, x0, y0, x1, y1, width, top_left, bottom_right):
        """A 3D frame `width` pixels wide just inside the rectangle: `top_left`
        on the top and left, `bottom_right` on the bottom and right.  Where the
        two colours meet, the corner is split along the 45 degree diagonal and
        the diagonal pixels themselves belong to the bottom/right colour, as on
        classic raised and sunken frames."""
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                near_tl = min(x - x0, y - y0)
                near_br = min(x1 - x, y1 - y)
                if min(near_tl, near_br) >= width:
                    continue
                self.put(x, y, top_left if near_tl < near_br else bottom_right)


def grid_size(grid):
    return max(len(row) for row in grid), len(grid)


def centred(grid, box_width, box_height):
    """Offset that centres a grid in a box (leftover odd pixel goes right/down)."""
    w, h = grid_size(grid)
    return (box_width - w) // 2, (box_height - h) // 2
