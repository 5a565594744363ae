"""PNG previews for looking at the art; never written into the repository."""

import os

from .canvas import Picture
from .fixed import HEADER_HEIGHT, SIDE
from .output import write_png
from .squares import TILE


def beginner_mockup(pics, tile_set=0):
    """The content of a Beginner window (8 x 8 squares) with a mix of tiles
    from one 16-pixel tile set."""
    field = [
        [300, 300, 301, 400, 400, 401, 400, 400],
        [301, 301, 302, 405, 400, 400, 400, 400],
        [302, 303, 400, 406, 301, 302, 303, 304],
        [403, 402, 404, 301, 300, 300, 300, 305],
        [304, 305, 306, 307, 308, 301, 300, 306],
        [400, 400, 400, 401, 302, 300, 300, 307],
        [400, 400, 400, 400, 303, 300, 300, 308],
        [400, 400, 400, 400, 401, 300, 300, 300],
    ]
    n = len(field)
    fw = fh = n * TILE
    win = Picture(fw + 2 * SIDE, HEADER_HEIGHT + fh + SIDE)
    win.paste(pics[501], 0, 0)
    for x in range(fw):
        win.paste(pics[503], SIDE + x, 0)
        win.paste(pics[506], SIDE + x, HEADER_HEIGHT + fh)
    win.paste(pics[502], SIDE + fw, 0)
    for y in range(fh):
        win.paste(pics[507], 0, HEADER_HEIGHT + y)
        win.paste(pics[507], SIDE + fw, HEADER_HEIGHT + y)
    win.paste(pics[504], 0, HEADER_HEIGHT + fh)
    win.paste(pics[505], SIDE + fw, HEADER_HEIGHT + fh)
    win.paste(pics[500], 16, 15)
    win.paste(pics[500], 93, 15)
    for x, d in zip((18, 31, 44, 96, 109, 122), (210, 200, 207, 201, 202, 209)):
        win.paste(pics[d], x, 17)
    win.paste(pics[101], 63, 15)
    for j, row in enumerate(field):
        for i, tile in enumerate(row):
            win.paste(pics[1000 * tile_set + tile], SIDE + i * TILE, HEADER_HEIGHT + j * TILE)
    return win


def contact_sheet(pics, scale=4):
    """All pictures side by side on a teal ground, for a quick look."""
    keys = sorted(pics, key=str)
    gap = 4
    x = y = gap
    row_h = 0
    places = []
    width = 640 // scale
    for k in keys:
        p = pics[k]
        if x + p.width + gap > width:
            x, y, row_h = gap, y + row_h + gap, 0
        places.append((k, x, y))
        x += p.width + gap
        row_h = max(row_h, p.height)
    sheet = Picture(width, y + row_h + gap, "t")
    for k, x, y in places:
        sheet.paste(pics[k], x, y)
    return sheet


def write_previews(pics, out_dir):
    os.makedirs(out_dir, exist_ok=True)
    for key, pic in pics.items():
        write_png(os.path.join(out_dir, "%s.png" % key), pic, 1)
        write_png(os.path.join(out_dir, "%s_x4.png" % key), pic, 4)
    for tile_set in range(7):
        if 1000 * tile_set + 400 in pics:
            mock = beginner_mockup(pics, tile_set)
            name = "beginner" if tile_set == 0 else "beginner_set%d" % tile_set
            write_png(os.path.join(out_dir, name + ".png"), mock, 1)
            write_png(os.path.join(out_dir, name + "_x3.png"), mock, 3)
    write_png(os.path.join(out_dir, "sheet_x4.png"), contact_sheet(pics), 4)
