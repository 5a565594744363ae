# SPDX-License-Identifier: GPL-3.0-or-later
"""The game on Wayland: under a headless weston at output scales 1 and 2, the program runs on
Qt's Wayland platform, its window maps at the field's size, the field's pixels are crisp in
weston's own screenshot, and it quits through its Game > Exit item without a word on its
output. Run inside a D-Bus session (dbus-run-session): Exit is pressed through AT-SPI, as an
assistive tool would, since a headless weston has no input devices.

Usage: weston_test.py PROGRAM
"""

import os
import shutil
import struct
import subprocess
import sys
import tempfile
import time
import zlib

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

# The Beginner field with its counters and face, in logical pixels at 16-pixel tiles.
FIELD_WIDTH, FIELD_HEIGHT = 152, 195
# The 16 VGA colours, the only ones the first tile set paints.
VGA = {
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
    (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
    (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
}
BACKGROUND = (0x12, 0x34, 0x56)  # the desktop behind the window: no colour of the game
WESTON_INI = """[core]
idle-time=0
[shell]
background-color=0xff123456
panel-position=none
locking=false
animation=none
startup-animation=none
close-animation=none
"""


def read_png(path):
    """Width, height and rows of (r, g, b) of an 8-bit RGB or RGBA PNG without interlacing."""
    with open(path, "rb") as f:
        data = f.read()
    pos, idat = 8, b""
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            width, height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", body)
            if depth != 8 or colour not in (2, 6) or interlace:
                raise ValueError(f"{path}: unexpected PNG format")
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    channels = 3 if colour == 2 else 4
    stride = width * channels
    raw = zlib.decompress(idat)
    rows, prev = [], bytearray(stride)
    for y in range(height):
        kind = raw[y * (stride + 1)]
        line = bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            a = line[i - channels] if i >= channels else 0
            b = prev[i]
            c = prev[i - channels] if i >= channels else 0
            if kind == 1:
                line[i] = (line[i] + a) & 255
            elif kind == 2:
                line[i] = (line[i] + b) & 255
            elif kind == 3:
                line[i] = (line[i] + (a + b) // 2) & 255
            elif kind == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                line[i] = (line[i] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
        rows.append([tuple(line[x * channels:x * channels + 3]) for x in range(width)])
        prev = line
    return width, height, rows


def window_box(rows):
    """Left, top, right and bottom (exclusive) of everything that is not the background."""
    ys = [y for y, row in enumerate(rows) if any(p != BACKGROUND for p in row)]
    if not ys:
        return None
    xs = [x for x in range(len(rows[0])) if any(rows[y][x] != BACKGROUND for y in ys)]
    return xs[0], ys[0], xs[-1] + 1, ys[-1] + 1


def screenshot(runtime, env):
    for old in os.listdir(runtime):
        if old.startswith("wayland-screenshot"):
            os.remove(os.path.join(runtime, old))
    subprocess.run(["weston-screenshooter"], cwd=runtime, env=env, check=True, timeout=10,
                   stdout=subprocess.DEVNULL)
    shots = [n for n in os.listdir(runtime) if n.startswith("wayland-screenshot")]
    return read_png(os.path.join(runtime, shots[0]))[2]


def press_exit(timeout):
    """Presses Game > Exit of the running game through AT-SPI."""
    def find(node, depth=0):
        if node is None or depth > 10:
            return None
        if node.get_role() == Atspi.Role.MENU_ITEM and node.get_name() == "Exit":
            return node
        for i in range(node.get_child_count()):
            found = find(node.get_child_at_index(i), depth + 1)
            if found:
                return found
        return None

    end = time.monotonic() + timeout
    while time.monotonic() < end:
        desktop = Atspi.get_desktop(0)
        for i in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(i)
            if app is not None and app.get_name() == "fieldclear":
                item = find(app)
                if item is not None:
                    Atspi.Action.do_action(item, 0)
                    return
        time.sleep(0.2)
    raise AssertionError("no Game > Exit item reached through AT-SPI")


def weston_options():
    version = subprocess.run(["weston", "--version"], capture_output=True, text=True).stdout
    major = int(version.split()[1].split(".")[0])
    # Headless weston draws nothing, so shows nothing to a screenshot, without a renderer.
    return ["--renderer=pixman"] if major >= 12 else ["--use-pixman"]


def run_at_scale(program, scale):
    faults = []
    runtime = tempfile.mkdtemp(prefix="fieldclear-weston-")
    weston = game = None
    try:
        with open(os.path.join(runtime, "weston.ini"), "w") as f:
            f.write(WESTON_INI)
        env = {
            "PATH": os.environ["PATH"],
            "HOME": runtime,
            "LANG": "C.UTF-8",  # as in any desktop session; Qt warns without a UTF-8 locale
            "XDG_RUNTIME_DIR": runtime,
            "XDG_DATA_HOME": os.path.join(runtime, "data"),
            "WAYLAND_DISPLAY": "wayland-fieldclear",
            "DBUS_SESSION_BUS_ADDRESS": os.environ["DBUS_SESSION_BUS_ADDRESS"],
        }
        # --debug lets any client take a screenshot.
        weston = subprocess.Popen(
            ["weston", "--backend=headless-backend.so", *weston_options(), "--width=800",
             "--height=600", f"--scale={scale}", "--socket=wayland-fieldclear",
             f"--config={runtime}/weston.ini", "--debug", "--idle-time=0"],
            env=env, stdout=subprocess.DEVNULL, stderr=open(f"{runtime}/weston.log", "w"))
        for _ in range(100):
            if os.path.exists(os.path.join(runtime, "wayland-fieldclear")):
                break
            time.sleep(0.1)
        # As a Wayland session starts it: no X display to fall back on, no platform forced.
        # Qt's own title bar is left out, the window is the game's drawing alone.
        game_env = dict(env, XDG_SESSION_TYPE="wayland", QT_WAYLAND_DISABLE_WINDOWDECORATION="1",
                        QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        game = subprocess.Popen([program], env=game_env, stdout=subprocess.PIPE,
                                stderr=subprocess.STDOUT, text=True)

        # The window is on screen once two screenshots in a row show it at the same place, with
        # the desktop's background (drawn by a client of its own) around it.
        box, rows, end = None, None, time.monotonic() + 20
        while time.monotonic() < end:
            time.sleep(0.3)
            rows = screenshot(runtime, env)
            now = window_box(rows)
            if now == (0, 0, len(rows[0]), len(rows)):
                now = None
            if now and now == box:
                break
            box = now
        if box is None:
            faults.append("no window appeared")
            return faults
        left, top, right, bottom = box
        width, height = FIELD_WIDTH * scale, FIELD_HEIGHT * scale
        if right - left != width or bottom - top <= height:
            faults.append(f"window of {right - left}x{bottom - top} screen pixels, not the field's "
                          f"{width} across and its {height} down under the menu bar")
        else:
            # The field fills the bottom of the window: every pixel a colour of the tile set,
            # and at scale 2 every picture pixel two by two screen pixels of one colour.
            field_top = bottom - height
            odd = {rows[y][x] for y in range(field_top, bottom) for x in range(left, right)} - VGA
            if odd:
                faults.append(f"{len(odd)} colours of no tile set in the field, e.g. {sorted(odd)[:3]}")
            uneven = sum(
                1 for y in range(field_top, bottom, scale) for x in range(left, right, scale)
                if len({rows[y + dy][x + dx] for dy in range(scale) for dx in range(scale)}) > 1)
            if uneven:
                faults.append(f"{uneven} picture pixels not {scale}x{scale} screen pixels of one colour")

        press_exit(10)
        try:
            output, _ = game.communicate(timeout=10)
        except subprocess.TimeoutExpired:
            faults.append("Game > Exit did not end the game")
            return faults
        if game.returncode != 0:
            faults.append(f"the game exited with status {game.returncode}")
        if output:
            faults.append("the game wrote:\n" + output)
        return faults
    finally:
        for process in (game, weston):
            if process is not None and process.poll() is None:
                process.terminate()
                process.wait(timeout=10)
        shutil.rmtree(runtime, ignore_errors=True)


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    failed = False
    for scale in (1, 2):
        faults = run_at_scale(sys.argv[1], scale)
        for fault in faults:
            print(f"scale {scale}: {fault}")
        print(f"scale {scale}: {'FAILED' if faults else 'passed'}")
        failed = failed or bool(faults)
    sys.exit(1 if failed else 0)


if __name__ == "__main__":
    main()
