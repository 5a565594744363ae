"""Writing pictures: XPM files for the game, PNG files for looking at them."""

import os
import struct
import zlib

from .palette import PALETTE


def xpm_text(name, pic):
    used = [c for c in PALETTE if any(c in row for row in pic.px)]
    lines = ["/* XPM */",
             "static const char *const xpm_%s[] = {" % name,
             '"%d %d %d 1",' % (pic.width, pic.height, len(used))]
    lines += ['"%s c %s",' % (c, PALETTE[c]) for c in used]
    rows = ['"%s"' % "".join(row) for row in pic.px]
    lines += [r + "," for r in rows[:-1]] + [rows[-1]]
    lines.append("};")
    return "\n".join(lines) + "\n"


def write_xpms(pics, out_dir):
    os.makedirs(out_dir, exist_ok=True)
    for key in sorted(pics, key=str):
        with open(os.path.join(out_dir, "%s.xpm" % key), "w", newline="\n") as f:
            f.write(xpm_text(key, pics[key]))


def _png(width, height, colour_type, raw):
    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data
                + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))

    header = struct.pack(">IIBBBBB", width, height, 8, colour_type, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))


def png_bytes(pic, scale=1):
    rgb = {c: bytes.fromhex(h[1:]) for c, h in PALETTE.items()}
    raw = bytearray()
    for row in pic.px:
        line = b"".join(rgb[c] * scale for c in row)
        for _ in range(scale):
            raw += b"\0" + line
    return _png(pic.width * scale, pic.height * scale, 2, raw)


def rgba_png_bytes(rows):
    """A PNG with transparency from rows of (red, green, blue, alpha) tuples."""
    raw = bytearray()
    for row in rows:
        raw += b"\0" + b"".join(bytes(p) for p in row)
    return _png(len(rows[0]), len(rows), 6, raw)


def write_png(path, pic, scale=1):
    with open(path, "wb") as f:
        f.write(png_bytes(pic, scale))
