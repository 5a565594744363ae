#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Plays the game by keys alone under the Orca screen reader and checks, after every key, what
Orca said: the square moved to and nothing else, what Space, F and Enter did, the loss and the
win the moment they happen, every new game with its level and size, the counters on request.

The mines fall at random, so the script reads the field through AT-SPI, as any screen reader
may, to choose its next key: a loss on a field packed with mines comes within a few keys, and
a win comes from playing Beginner by sure deductions, starting again when none is left.

Usage: speech_test.py GAME OUT_DIR. Orca's words, key by key, go to OUT_DIR/transcript.txt."""

import argparse
import json
import os
import re
import subprocess
import sys
import time

from desktop import Desktop, Failure

HERE = os.path.dirname(os.path.abspath(__file__))

# What Orca says, and what it is matched against, phrase by phrase: "covered, row 1, column 1",
# whether said alone or within an announcement with more.
SHOWN = r"(covered|flagged|question mark|empty|[1-8]|mine|exploded mine|wrong flag)"
WON = r"Game won in \d+ seconds?"
BUTTON = r"(?:push )?button"  # Orca 43 says "push button", 48 "button"
FACE = rf"New game(?: {BUTTON})?"  # the face, as a focus or in an announcement
PROMPT = r"Congratulations dialog"
# The prompt's question and its text box, read whole.
QUESTION = r"You have the fastest time for this level\. Please type your name: text"



def square(row, column, shown=SHOWN):
    return rf"{shown}, row {row + 1}, column {column + 1}"


def other_squares(row, column):
    return rf"\brow (?!{row + 1}, column {column + 1}\b)\d+, column \d+"


def spoken(words):
    """Orca's utterances as one text: each without its closing full stop, joined by '. '."""
    return ". ".join(w.strip().rstrip(".") for w in words)


def phrase(p):
    return re.compile(rf"(?:^|(?<=\. ))(?:{p})(?=\.|$)")


def says(phrases, words, alone=False, once=False):
    """Whether `words` hold each of the `phrases` in order, each a whole phrase; with `alone`,
    they must be all that was said, and with `once`, none of them may be said twice."""
    text = spoken(words)
    if alone:
        return re.fullmatch(r"\. ".join(f"(?:{p})" for p in phrases), text) is not None
    if once and any(len(phrase(p).findall(text)) != 1 for p in phrases):
        return False
    at = 0
    for p in phrases:
        m = phrase(p).search(text, at)
        if m is None:
            return False
        at = m.end()
    return True


class Transcript:
    def __init__(self, path):
        self.file = open(path, "w", encoding="utf-8")

    def write(self, line=""):
        self.file.write(line + "\n")
        self.file.flush()

    def section(self, title):
        self.write()
        self.write(f"== {title}")
        print(f"   {title}", flush=True)


class Player:
    """Presses keys, keeps track of where the cursor is, and checks what Orca says."""

    def __init__(self, desktop, transcript):
        self.d = desktop
        self.t = transcript
        self.across = self.down = 8
        self.row = self.column = 0
        self.mines_left = 0

    # ---- keys and checks

    def press(self, key, want, why, alone=False, forbid=None, hold=False, timeout=12.0,
              once=False):
        """Presses `key` and waits until Orca's words (its echo of the key aside) hold each of
        the phrases in `want`, in that order, then for the rest of what it says. With `alone`
        that must be all it says; none of its words may match `forbid`."""
        start = self.d.mark()
        self.t.write(f"> {key}")
        if hold:
            self.d.hold(key)
        else:
            self.d.key(key)
        deadline = time.monotonic() + timeout
        while True:
            heard = self.d.said_since(start)
            words = [u.text for u in heard if not u.key_echo]
            if says(want, words) or time.monotonic() > deadline:
                break
            time.sleep(0.05)
        heard = self.d.settle(start, timeout=1.0, quiet=0.6)
        for u in heard:
            self.t.write(f'    "{u.text}"' + ("   (the key echoed)" if u.key_echo else ""))
        words = [u.text for u in heard if not u.key_echo]
        # No control is read with the ampersand that marks its access key.
        ok = (says(want, words, alone, once) and not any("&" in w for w in words)
              and not (forbid and any(re.search(forbid, w) for w in words)))
        self.t.write(f"  {'ok' if ok else 'FAILED'}: {why}")
        if not ok:
            expected = (" then ".join(f"/{w}/" for w in want) +
                        (" and nothing else" if alone else "") + (", each once" if once else "") +
                        (f", not /{forbid}/" if forbid else ""))
            raise Failure(f"after {key}, Orca said {words}; expected {expected}")
        return words

    def move_to(self, row, column, shown=SHOWN):
        """Moves the cursor by the fewest keys, each of which must speak the one square it
        lands on, showing `shown`."""
        for key, r, c in path(self.row, self.column, row, column, self.across, self.down):
            self.press(key, [square(r, c, shown)], "only the square moved to", alone=True)
            self.row, self.column = r, c

    def new_game_words(self, level, across, down, mines):
        self.across, self.down, self.mines_left = across, down, mines
        self.row = min(self.row, down - 1)
        self.column = min(self.column, across - 1)
        return rf"New game, {level}, {across} by {down}, {mines} mines"

    def menu(self, item, downs, want, why, once=False):
        """Opens the Game menu with Alt and chooses the item `downs` down from its title."""
        self.press("alt", [r"Game"], "Alt: the menu bar", hold=True)
        for _ in range(downs - 1):
            self.press("Down", [r".+"], "the next item")
        # Orca 48 tells a check mark's state as well: "Beginner checked".
        self.press("Down", [rf"{item}(?: (?:not )?checked)?"], "the item")
        return self.press("Return", want, why, once=once)

    def read_field(self):
        out = subprocess.run(["/usr/bin/python3", os.path.join(HERE, "read_field.py")],
                             env=self.d.env, capture_output=True, text=True, timeout=60)
        if out.returncode != 0:
            raise Failure("could not read the field through AT-SPI: " + out.stderr.strip())
        return json.loads(out.stdout)


def path(row, column, to_row, to_column, across, down):
    """The keys from one square to another, each with the square it lands on: arrows, or Home,
    End, Page Up and Page Down and then arrows, whichever is shortest."""
    def line(at, to, size, first_key, last_key, back, forth):
        ways = [[]]
        if at != 0:
            ways.append([(first_key, 0)])
        if at != size - 1:
            ways.append([(last_key, size - 1)])
        best = None
        for way in ways:
            pos = way[-1][1] if way else at
            steps = way + [(forth if to > pos else back, None)] * abs(to - pos)
            if best is None or len(steps) < len(best):
                best = steps
        out, pos = [], at
        for key, landing in best:
            pos = landing if landing is not None else pos + (1 if key == forth else -1)
            out.append((key, pos))
        return out

    keys = []
    for key, c in line(column, to_column, across, "Home", "End", "Left", "Right"):
        keys.append((key, row, c))
    for key, r in line(row, to_row, down, "Page_Up", "Page_Down", "Up", "Down"):
        keys.append((key, r, to_column))
    return keys


def neighbours(r, c, down, across):
    for dr in (-1, 0, 1):
        for dc in (-1, 0, 1):
            if (dr or dc) and 0 <= r + dr < down and 0 <= c + dc < across:
                yield r + dr, c + dc


def deduce(field):
    """Squares sure to hold a mine and squares sure to be safe, from the numbers shown: a
    number whose mines are all known frees the rest of its covered neighbours, one with as
    many covered neighbours as mines has them all, and one whose covered neighbours include
    another's tells the difference."""
    down, across = len(field), len(field[0])
    mines, safe = set(), set()
    changed = True
    while changed:
        changed = False
        rules = []
        for r in range(down):
            for c in range(across):
                if not field[r][c].isdigit():
                    continue
                hidden = {n for n in neighbours(r, c, down, across)
                          if field[n[0]][n[1]] in ("covered", "flagged", "question mark")}
                left = int(field[r][c]) - len(hidden & mines)
                unknown = frozenset(hidden - mines - safe)
                if unknown:
                    rules.append((unknown, left))
        for cells, count in rules:
            found = None
            if count == 0:
                found = (safe, cells)
            elif count == len(cells):
                found = (mines, cells)
            if found and not found[1] <= found[0]:
                found[0].update(found[1])
                changed = True
        for a, na in rules:
            for b, nb in rules:
                if a < b:
                    rest = b - a
                    if nb - na == 0 and not rest <= safe:
                        safe.update(rest)
                        changed = True
                    elif nb - na == len(rest) and not rest <= mines:
                        mines.update(rest)
                        changed = True
    return mines, safe


# ---- the game, part by part

def opening(p, since):
    p.t.section("The game opens: the reader lands on the first square")
    # No key: the window's own focus.
    p.d.wait_for(lambda u: re.search(square(0, 0), u.text), 30, "the first square", since)
    heard = p.d.settle(since, timeout=2.0, quiet=0.8)
    for u in heard:
        p.t.write(f'    "{u.text}"')
    if any(re.search(other_squares(0, 0), u.text) for u in heard):
        raise Failure(f"the window opened, and Orca read other squares: {[u.text for u in heard]}")


def moves_face_and_counters(p):
    p.t.section("Beginner: a new game, moves in every direction, the face, the counters")
    p.press("F2", [square(0, 0, "covered"), p.new_game_words("Beginner", 8, 8, 10)],
            "F2: a new game, with its level and size", alone=True)
    for target in [(0, 1), (1, 1), (7, 1), (7, 7), (0, 7), (0, 0), (3, 4), (2, 4), (2, 3)]:
        p.move_to(*target)
    p.press("Tab", [rf"New game {BUTTON}"], "Tab: the face", alone=True)
    p.press("space", [FACE, p.new_game_words("Beginner", 8, 8, 10)],
            "Space on the face: a new game, as a click starts one", alone=True)
    p.press("Return", [FACE, p.new_game_words("Beginner", 8, 8, 10)],
            "Enter on the face: a new game too", alone=True)
    p.press("shift+Tab", [square(p.row, p.column, "covered")],
            "Shift+Tab: back to the square the cursor was on, and no other",
            forbid=other_squares(p.row, p.column))
    p.press("c", [square(p.row, p.column), r"Mines left: 10\. Time: 0 seconds"],
            "C: the mines left and the time", alone=True)
    p.menu(r"Intermediate", 3,
           [square(p.row, p.column, "covered"), p.new_game_words("Intermediate", 16, 16, 40)],
           "a level from the menu: a new game, with its level and size", once=True)
    p.move_to(15, 15)
    p.move_to(p.row, 14)


def custom_field(p, across, down, mines):
    p.menu(r"Custom.*", 5, [r"Custom Field dialog"], "Custom...: its dialog")
    for caption, value in (("Width", across), ("Height", down), ("Mines", mines)):
        p.press("Tab", [rf"{caption}: text", r"\d* ?selected"],
                "the next box by its caption, its text selected")
        p.t.write(f"> typing {value}")
        start = p.d.mark()
        p.d.type(str(value))
        for u in p.d.settle(start, timeout=3.0, quiet=0.6):
            p.t.write(f'    "{u.text}"')
    p.press("Tab", [rf"Cancel {BUTTON}"], "to Cancel", alone=True)
    words = p.new_game_words("Custom", across, down, mines)
    p.press("Tab", [rf"OK {BUTTON}"], "to OK, read by its own name", alone=True)
    p.press("Return", [square(p.row, p.column, "covered"), words],
            "the custom field's OK: a new game, with its level and size", once=True)


def loss(p):
    p.t.section("Custom 8 by 8 with 49 mines: marks, a chord that opens nothing, a loss")
    custom_field(p, 8, 8, 49)
    p.menu(r"Marks \(\?\)", 6, [square(p.row, p.column, "covered")], "Marks (?) on")
    p.move_to(0, 0)
    p.press("f", [square(0, 0, "flagged"), r"Mines left: 48"],
            "F: the new mark and the mines left", alone=True)
    p.press("f", [square(0, 0, "question mark"), r"Mines left: 49"],
            "F: the question mark and the mines left", alone=True)
    p.press("f", [square(0, 0, "covered"), r"Mines left: 49"],
            "F: covered again and the mines left", alone=True)
    # The mines were laid at the first release, away from this square: it is safe.
    p.press("space", [square(0, 0, r"(empty|[1-8])")], "Space: the square's new content")
    p.press("Return", [square(0, 0), r"Nothing opened"],
            "Enter with no flags around: the chord opens nothing", alone=True)
    while True:
        field = p.read_field()
        covered = [(r, c) for r in range(8) for c in range(8) if field[r][c] == "covered"]
        p.move_to(*covered[0])
        words = p.press("space", [square(p.row, p.column, r"(exploded mine|empty|[1-8])")],
                        "Space: the square's new content")
        if any("exploded mine" in w for w in words):
            break
    if not spoken(words).endswith("Game lost") or spoken(words).count("Game lost") != 1:
        raise Failure(f"the mine went off, and Orca said {words}; expected 'Game lost' once, last")
    p.t.write("  ok: the loss, at once, on the square that exploded")
    # The end of the game is not repeated with every square after it.
    p.move_to(p.row, p.column + 1 if p.column < 7 else p.column - 1)
    p.press("F2", [square(p.row, p.column, "covered"), p.new_game_words("Custom", 8, 8, 49)],
            "F2 after the loss: a new game, with its level and size", alone=True)
    # Back over the squares the last game opened, and its mines: all covered now.
    p.move_to(0, 0, "covered")


def win(p, attempts=40):
    p.t.section("Beginner, played by sure deductions until a win; the record's prompt after it")
    p.menu(r"Beginner", 2,
           [square(p.row, p.column, "covered"), p.new_game_words("Beginner", 8, 8, 10)],
           "Beginner from the menu: a new game, with its level and size", once=True)
    for attempt in range(attempts):
        if attempt:
            p.press("F2", [square(p.row, p.column, "covered"),
                           p.new_game_words("Beginner", 8, 8, 10)], "F2: a new game")
        if play_to_the_end(p):
            # The winning key's words end in the prompt for the record, after the win.
            p.press("Return", [square(p.row, p.column)],
                    "the name taken: back on the square, the news of the win not repeated",
                    forbid=WON)
            return
    raise Failure(f"no win by sure deductions in {attempts} games")


def won(p, words):
    """Whether a key's words tell the win; if so, waits for the record's prompt after it."""
    if not any(re.search(WON, w) for w in words):
        return False
    if len(re.findall(WON, spoken(words))) != 1:
        raise Failure(f"the game was won, and Orca said {words}; expected the win once")
    for phrase in (PROMPT, QUESTION):
        if not any(re.search(phrase, w) for w in words):
            p.d.wait_for(lambda u, phrase=phrase: re.search(phrase, u.text), 15,
                         f"the record's prompt: /{phrase}/")
            p.t.write(f"    ... /{phrase}/")
    return True


def play_to_the_end(p):
    p.move_to(0, 0)
    words = p.press("space", [square(0, 0, r"(empty|[1-8])")], "Space: the square's new content")
    if won(p, words):
        return True
    chorded = False
    while True:
        field = p.read_field()
        mines, safe = deduce(field)
        todo = sorted(s for s in safe if field[s[0]][s[1]] == "covered")
        if not todo:
            p.t.write("  (no sure square left: the next game)")
            return False
        if not chorded:
            words = chord(p, field, mines)
            chorded = words is not None
            if chorded:
                if won(p, words):
                    return True
                continue
        r, c = min(todo, key=lambda s: abs(s[0] - p.row) + abs(s[1] - p.column))
        p.move_to(r, c)
        covered = sum(row.count("covered") + row.count("flagged") for row in field)
        last = covered - 10 == 1
        want = [square(r, c, r"(empty|[1-8])")] + ([WON, PROMPT] if last else [])
        words = p.press("space", want, "Space: the square's new content" +
                        (", and the win at once, before the record's prompt" if last else ""))
        if won(p, words):
            return True


def chord(p, field, mines):
    """Flags the mines around a number that has safe squares still covered, then plays the
    chord on it: F tells each flag and the mines left, Enter what the chord opened. Returns
    the chord's words, or None where no number was ready for one."""
    down, across = len(field), len(field[0])
    for r in range(down):
        for c in range(across):
            if not field[r][c].isdigit() or field[r][c] == "0":
                continue
            around = list(neighbours(r, c, down, across))
            flags = [n for n in around if n in mines]
            free = [n for n in around if field[n[0]][n[1]] == "covered" and n not in mines]
            if len(flags) == int(field[r][c]) and free:
                for fr, fc in flags:
                    p.move_to(fr, fc)
                    p.mines_left -= 1
                    p.press("f", [square(fr, fc, "flagged"), rf"Mines left: {p.mines_left}"],
                            "F: the flag and the mines left", alone=True)
                p.move_to(r, c)
                return p.press("Return", [square(r, c), r"(1 square|(?!1 )\d+ squares) opened"],
                               "Enter: what the chord opened")
    return None


# Qt's note that the reader did not answer a key within Qt's time for it, so that Qt handed the
# key on by itself: a matter of how busy the machine is, not of the game.
KEY_UNANSWERED = "QSpiApplication::keyEventError"


def game_output(out, transcript):
    """Fails on anything the game printed through the whole game, such as Qt's warnings of a
    reader asking for an object that is gone."""
    with open(os.path.join(out, "game.log"), encoding="utf-8", errors="replace") as f:
        lines = [line.rstrip("\n") for line in f if line.strip()]
    unanswered = [line for line in lines if line.startswith(KEY_UNANSWERED)]
    if unanswered:
        transcript.write(f"(Orca left {len(unanswered)} keys unanswered in Qt's time)")
    lines = [line for line in lines if not line.startswith(KEY_UNANSWERED)]
    if lines:
        raise Failure(f"the game printed {len(lines)} lines, the first: {lines[0]!r}")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("game", help="the fieldclear program")
    parser.add_argument("out", help="where the transcript and the logs go")
    parser.add_argument("--orca-debug", action="store_true",
                        help="also keep Orca's full debug output (it slows Orca down)")
    args = parser.parse_args()
    os.makedirs(args.out, exist_ok=True)
    transcript = Transcript(os.path.join(args.out, "transcript.txt"))
    version = subprocess.run(["orca", "--version"], capture_output=True, text=True).stdout
    transcript.write(f"What {version.strip()} said, key by key, playing {args.game}")
    began = time.monotonic()
    try:
        with Desktop(args.out, debug=args.orca_debug) as desktop:
            since = desktop.mark()
            desktop.start([os.path.abspath(args.game)], "game", QT_QPA_PLATFORM="xcb")
            p = Player(desktop, transcript)
            opening(p, since)
            moves_face_and_counters(p)
            loss(p)
            win(p)
        game_output(args.out, transcript)
    except Failure as failure:
        transcript.write(f"\nFAILED: {failure}")
        print(f"FAILED: {failure}\n(Orca's words, key by key: {transcript.file.name})",
              file=sys.stderr)
        return 1
    transcript.write(f"\nAll checks passed in {time.monotonic() - began:.0f} s.")
    print(f"   all checks passed in {time.monotonic() - began:.0f} s; Orca's words, key by key:"
          f" {transcript.file.name}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
