"""The fixed pictures: the face button (101..105), the counter digits
(200..210), the counter panel (500), the window frame (501..507) and the
window icon 101 at 16 and 32 pixels, and the best-times panel (600, and
600_<code> in each of the game's languages)."""

import glob
import os
import xml.etree.ElementTree as ET

from .canvas import Picture
from .font import CAP_HEIGHT, draw_text, text_rise, text_width
from .squares import raised_square


# --------------------------------------------------------------------------
# The face button (101..105)
# --------------------------------------------------------------------------

FACE_DISC = [
    "......kkkkk......",
    "....kkyyyyykk....",
    "...kyyyyyyyyyk...",
    "..kyyyyyyyyyyyk..",
    ".kyyyyyyyyyyyyyk.",
    ".kyyyyyyyyyyyyyk.",
    "kyyyyyyyyyyyyyyyk",
    "kyyyyyyyyyyyyyyyk",
    "kyyyyyyyyyyyyyyyk",
    "kyyyyyyyyyyyyyyyk",
    "kyyyyyyyyyyyyyyyk",
    ".kyyyyyyyyyyyyyk.",
    ".kyyyyyyyyyyyyyk.",
    "..kyyyyyyyyyyyk..",
    "...kyyyyyyyyyk...",
    "....kkyyyyykk....",
    "......kkkkk......",
]

# Features are drawn over the disc, in the disc's own 17 x 17 coordinates.
SMILE = [
    ".................",
    ".................",
    ".................",
    ".................",
    ".................",
    ".....kk...kk.....",
    ".....kk...kk.....",
    ".................",
    ".................",
    ".................",
    "....k.......k....",
    ".....kk...kk.....",
    ".......kkk.......",
]

SURPRISED = [
    ".................",
    ".................",
    ".................",
    ".................",
    ".....kk...kk.....",
    ".....kk...kk.....",
    ".....kk...kk.....",
    ".................",
    ".................",
    ".......kkk.......",
    "......k...k......",
    "......k...k......",
    "......k...k......",
    ".......kkk.......",
]

LOST = [
    ".................",
    ".................",
    ".................",
    ".................",
    "....k.k...k.k....",
    ".....k.....k.....",
    "....k.k...k.k....",
    ".................",
    ".................",
    ".................",
    ".......kkk.......",
    ".....kk...kk.....",
    "....k.......k....",
]

WON = [
    ".................",
    ".................",
    ".................",
    ".................",
    ".kkkkkkkkkkkkkkk.",
    "..kkkwkk.kkwkkk..",
    "..kkkkkk.kkkkkk..",
    "...kkkk...kkkk...",
    ".................",
    ".................",
    "....k.......k....",
    ".....kk...kk.....",
    ".......kkk.......",
]


def face_button(features, pressed=False):
    pic = Picture(25, 25, "s")
    # The dark frame makes the button read as sitting in a slot.
    pic.bevel(0, 0, 24, 24, 1, "d", "d")
    if pressed:
        # Pushed in: flat, with only a shadow line along the top and left.
        pic.rect(1, 1, 23, 1, "d")
        pic.rect(1, 1, 1, 23, "d")
        shift = 1
    else:
        pic.bevel(1, 1, 23, 23, 2, "w", "d")
        shift = 0
    pic.draw(FACE_DISC, 4 + shift, 4 + shift)
    pic.draw(features, 4 + shift, 4 + shift)
    return pic


def draw_faces():
    return {
        101: face_button(SMILE),
        102: face_button(SMILE, pressed=True),
        103: face_button(SURPRISED),
        104: face_button(LOST),
        105: face_button(WON),
    }


# --------------------------------------------------------------------------
# Counter digits (200..210) and the counter panel (500)
# --------------------------------------------------------------------------

# Each segment is (lit pixels, unlit pixels) in the 11 x 21 digit.  A lit
# segment is two pixels thick and tapers at its ends, so that neighbours only
# touch at a corner, like the segments of a real LED display.  An unlit
# segment shows only a faint one-pixel core: a solid dark-red ghost would make
# every digit read as an 8 at a glance.
def _hseg(y_outer, y_inner):
    core = [(x, y_inner) for x in range(3, 8)]
    return [(x, y_outer) for x in range(2, 9)] + core, core


def _vseg(x_outer, x_inner, y_top):
    core = [(x_inner, y) for y in range(y_top + 1, y_top + 7)]
    return [(x_outer, y) for y in range(y_top, y_top + 8)] + core, core


def _middle():
    core = [(x, 10) for x in range(3, 8)]
    return ([(2, 10), (8, 10)] + core                  # pointed at both ends
            + [(x, 9) for x in range(3, 8)] + [(x, 11) for x in range(3, 8)]), core


SEGMENTS = {
    "a": _hseg(1, 2),                       # top
    "b": _vseg(9, 8, 2),                    # upper right
    "c": _vseg(9, 8, 11),                   # lower right
    "d": _hseg(19, 18),                     # bottom
    "e": _vseg(1, 2, 11),                   # lower left
    "f": _vseg(1, 2, 2),                    # upper left
    "g": _middle(),                         # middle
}

LIT_SEGMENTS = {
    "0": "abcdef", "1": "bc", "2": "abdeg", "3": "abcdg", "4": "bcfg",
    "5": "acdfg", "6": "acdefg", "7": "abc", "8": "abcdefg", "9": "abcdfg",
    "-": "g",
}


def counter_digit(symbol):
    pic = Picture(11, 21, "k")
    for name, (lit, unlit) in SEGMENTS.items():
        if name in LIT_SEGMENTS[symbol]:
            for x, y in lit:
                pic.put(x, y, "r")
        else:
            for x, y in unlit:
                pic.put(x, y, "m")
    return pic


def draw_digits():
    pics = {200 + n: counter_digit(str(n)) for n in range(10)}
    pics[210] = counter_digit("-")
    return pics


def counter_panel():
    pic = Picture(41, 25, "k")
    pic.bevel(0, 0, 40, 24, 1, "d", "w")
    return pic


# --------------------------------------------------------------------------
# The window frame (501..507)
# --------------------------------------------------------------------------

HEADER_HEIGHT = 55
SIDE = 12      # width of the side strips, height of the bottom strip


def window_frame(field_w, field_h):
    """Paints the whole frame around a field of field_w x field_h pixels; the
    frame pieces are cut from it, so they are sure to join up."""
    w = field_w + 2 * SIDE
    h = HEADER_HEIGHT + field_h + SIDE
    pic = Picture(w, h, "s")
    pic.bevel(0, 0, w - 1, h - 1, 3, "w", "d")               # raised window
    pic.bevel(9, 9, w - 10, 45, 2, "d", "w")                 # sunken strip
    pic.bevel(9, HEADER_HEIGHT - 3, w - 10, h - 10, 3, "d", "w")  # sunken field
    return pic


def draw_frame():
    def cut(field_w, field_h):
        f = window_frame(field_w, field_h)
        right = SIDE + field_w
        bottom = HEADER_HEIGHT + field_h
        return {
            501: f.crop(0, 0, SIDE, HEADER_HEIGHT),
            502: f.crop(right, 0, SIDE, HEADER_HEIGHT),
            503: f.crop(SIDE, 0, 1, HEADER_HEIGHT),
            504: f.crop(0, bottom, SIDE, SIDE),
            505: f.crop(right, bottom, SIDE, SIDE),
            506: f.crop(SIDE, bottom, 1, SIDE),
            507: f.crop(0, HEADER_HEIGHT, SIDE, 1),
            "right side": f.crop(right, HEADER_HEIGHT, SIDE, 1),
        }

    pieces = cut(16, 16)
    # The pieces must not depend on the field's size, and one side slice must
    # serve both sides of the field.
    assert all(pieces[k].px == v.px for k, v in cut(160, 96).items())
    assert pieces.pop("right side").px == pieces[507].px
    pieces[500] = counter_panel()
    return pieces


# --------------------------------------------------------------------------
# Window icons
# --------------------------------------------------------------------------

# The icon: a mine on a covered square with a flag planted beside it.  Both
# sizes are drawn by hand, over the covered-square edges.
ICON_16_ART = [          # the 13 x 13 inside of the 16 px icon
    ".........rrk.",
    ".......rrrrk.",
    ".......rrrrk.",
    ".........rrk.",
    "....k......k.",
    ".k.kkk.k...k.",
    "..kkkkk....k.",
    ".kkwkkkk...k.",
    "kkkkkkkkk..k.",
    ".kkkkkkk..kkk",
    "..kkkkk...kkk",
    ".k.kkk.k.....",
    "....k........",
]

ICON_32_ART = [          # the 26 x 26 inside of the 32 px icon
    "..........................",
    "...................rrkk...",
    ".................rrrrkk...",
    "...............rrrrrrkk...",
    ".............rrrrrrrrkk...",
    "............rrrrrrrrrkk...",
    ".............rrrrrrrrkk...",
    "...............rrrrrrkk...",
    ".................rrrrkk...",
    ".........k.........rrkk...",
    "..k.....kkk.....k....kk...",
    "...k...kkkkk...k.....kk...",
    "....kkkkkkkkkkk......kk...",
    "....kkkkkkkkkkk......kk...",
    "....kkwwwkkkkkk......kk...",
    "...kkkwwwkkkkkkk.....kk...",
    "..kkkkwwwkkkkkkkk....kk...",
    ".kkkkkkkkkkkkkkkkk...kk...",
    "..kkkkkkkkkkkkkkk....kk...",
    "...kkkkkkkkkkkkk.....kk...",
    "....kkkkkkkkkkk....kkkkkk.",
    "....kkkkkkkkkkk....kkkkkk.",
    "....kkkkkkkkkkk...kkkkkkkk",
    "...k...kkkkk...k..kkkkkkkk",
    "..k.....kkk.....k.........",
    ".........k................",
]


def draw_icons():
    icon16 = raised_square(16, 1, 1)
    icon16.draw(ICON_16_ART, 1, 1)
    icon32 = raised_square(32, 2, 2)
    icon32.draw(ICON_32_ART, 2, 2)
    return {"icon101_32": icon32, "icon101_16": icon16}


# --------------------------------------------------------------------------
# The best-times panel (600)
# --------------------------------------------------------------------------

PANEL_WIDTH, PANEL_HEIGHT = 303, 100
FRAME_TOP = 5                   # the etched line the heading sits on
HEADING_LEFT = 9                # where the gap in the frame line starts
CAPTION_LEFT = 10
# The dialog shows a row of labels, each 13 px high, with their tops at these
# rows of the panel; a caption's capitals sit on the labels' baseline.
ROW_TOPS = (24, 48, 72)
BASELINE_BELOW_ROW_TOP = 11
TIME_LABELS_LEFT = 107          # the dialog's time labels; every caption ends before

# The heading and the three levels, in English (picture 600) and in each of the
# game's languages (600_<code>), taken from the program's translations of the
# best-times message's title and the Game menu's levels, so the two never drift.
ENGLISH = ("Best Times", ("Beginner", "Intermediate", "Expert"))
TRANSLATIONS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..",
                            "translations")


def translated_words(ts_file):
    wanted = {("records::RecordKeeper", ENGLISH[0])}
    wanted.update(("ui::MainWindow", level) for level in ENGLISH[1])
    found = {}
    for context in ET.parse(ts_file).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            key = (name, message.findtext("source"))
            if key in wanted:
                found[key[1]] = message.findtext("translation")
    assert len(found) == len(wanted), ts_file
    return found[ENGLISH[0]], tuple(found[level] for level in ENGLISH[1])


LANGUAGES = {
    os.path.basename(f)[len("fieldclear_"):-len(".ts")]: translated_words(f)
    for f in sorted(glob.glob(os.path.join(TRANSLATIONS, "fieldclear_*.ts")))
    if not f.endswith("_en.ts")
}


def best_times_panel(heading, levels):
    pic = Picture(PANEL_WIDTH, PANEL_HEIGHT, "s")
    right, bottom = PANEL_WIDTH - 1, PANEL_HEIGHT - 1
    # An etched group frame: a dark line with a white one offset down and right.
    pic.bevel(0, FRAME_TOP, right - 1, bottom - 1, 1, "d", "d")
    pic.bevel(1, FRAME_TOP + 1, right, bottom, 1, "w", "w")
    # The heading interrupts the frame's top line, with a little air each side;
    # its marks may rise above the cap line, but not out of the picture.
    heading_top = FRAME_TOP + 1 - CAP_HEIGHT // 2
    gap_right = HEADING_LEFT + text_width(heading, bold=True) + 3
    assert text_rise(heading, bold=True) <= heading_top, heading
    assert gap_right < right - 2, heading       # the frame keeps its corner
    pic.rect(HEADING_LEFT, FRAME_TOP, gap_right, FRAME_TOP + 1, "s")
    draw_text(pic, heading, HEADING_LEFT + 2, heading_top, "k", bold=True)
    for level, row_top in zip(levels, ROW_TOPS):
        caption = level + ":"
        assert CAPTION_LEFT + text_width(caption) <= TIME_LABELS_LEFT, caption
        cap_top = row_top + BASELINE_BELOW_ROW_TOP - CAP_HEIGHT
        draw_text(pic, caption, CAPTION_LEFT, cap_top, "k")
    return pic


def draw():
    pics = {600: best_times_panel(*ENGLISH)}
    pics.update({"600_" + code: best_times_panel(*words) for code, words in LANGUAGES.items()})
    for part in (draw_faces, draw_digits, draw_frame, draw_icons):
        pics.update(part())
    return pics
