#!/usr/bin/env python3
"""Draws Fieldclear's pixel art and writes it as XPM files.

    python3 tools/draw_pictures.py                 # writes resources/pictures/*.xpm
    python3 tools/draw_pictures.py --out DIR       # writes the XPM files to DIR instead
    python3 tools/draw_pictures.py --icons DIR     # the desktop icons to DIR/<n>x<n>/apps/
    python3 tools/draw_pictures.py --preview DIR   # also writes PNG previews to DIR

Every picture is drawn from scratch in the package tools/pictures/, with the 16
classic VGA colours only and no transparent pixels; only the program's own icon
for the desktop (PNG, one per hicolor size) has a transparent ground.  Output
is deterministic: running the script twice gives identical files, and
scripts/test checks that the committed files are exactly what this script
draws.

To add a tile set: write tools/pictures/tilesetN.py with a draw() function
returning {picture id: Picture} and list it in MODULES below.
"""

import argparse
import os
import sys

from pictures import fixed, tileset0, tileset1, tileset2, tileset3, tileset7
from pictures.output import write_xpms
from pictures.preview import write_previews
from pictures.app_icon import write_app_icons
from pictures import tileset4
from pictures import tileset5
from pictures import tileset6

# Every module that draws pictures; each has draw() -> {picture id: Picture}.
MODULES = [
    fixed,
    tileset0,
    tileset1,
    tileset2,
    tileset3,
    tileset7,
    tileset4,
    tileset5,
    tileset6,
]


def all_pictures():
    pics = {}
    for module in MODULES:
        for key, pic in module.draw().items():
            assert key not in pics, "picture %s drawn twice" % key
            pics[key] = pic
    return pics


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", metavar="DIR",
                        default=os.path.join(here, "..", "resources", "pictures"),
                        help="where to write the XPM files (default: resources/pictures)")
    parser.add_argument("--icons", metavar="DIR",
                        default=os.path.join(here, "..", "resources", "icons", "hicolor"),
                        help="where to write the desktop icons (default: resources/icons/hicolor)")
    parser.add_argument("--preview", metavar="DIR", help="also write PNG previews here")
    args = parser.parse_args()
    pics = all_pictures()
    write_xpms(pics, args.out)
    write_app_icons(args.icons)
    if args.preview:
        write_previews(pics, args.preview)
    return 0


if __name__ == "__main__":
    sys.exit(main())
