# SPDX-License-Identifier: GPL-3.0-or-later
"""A desktop of its own for one screen-reader test: an X server, a window manager, a D-Bus
session (with the accessibility bus it starts), speech-dispatcher and Orca, in a home and a
runtime folder of their own, all gone again at the end.

Orca's speech is read from its own speech log: a customization file, which Orca loads at
start, sends that log to a file line by line, so every utterance is there the moment Orca says
it. Orca's full debug output (--debug-file) is far too slow for this: Qt gives a screen reader
only 100 ms to answer each key, and a slower one gets keys delivered out of turn."""

import os
import re
import signal
import subprocess
import tempfile
import threading
import time

# Every process of the desktop carries this variable, whoever started it, so that the end
# can find and stop each of them by its id, and nothing else.
MARK = "FIELDCLEAR_SCREEN_READER_TEST"

# "SPEECH OUTPUT: 'text'", then maybe the voice, or for an echoed key its speech settings.
SPEECH = re.compile(r"^SPEECH OUTPUT: '(.*)'(?: voice=\w+| \{.*\})?$")

# speech-dispatcher with its dummy voice, whose sound goes to ALSA's null device: speech
# works the whole way through with no sound card.
SPEECHD_CONF = """\
AudioOutputMethod "alsa"
AudioALSADevice "null"
AddModule "dummy" "sd_dummy" ""
DefaultModule dummy
"""

# Loaded by Orca at start: its speech log, to a file. Orca 43 logs every utterance to its
# "speech" log; later ones (48 on Debian 13) have no such log, and there the two functions
# every utterance goes through write it instead.
ORCA_CUSTOMIZATIONS = """\
import logging
_log = logging.getLogger("speech")
if not any(getattr(h, "fieldclear", False) for h in _log.handlers):
    _h = logging.FileHandler({path!r}, encoding="utf-8")
    _h.fieldclear = True
    _h.setFormatter(logging.Formatter("%(message)s"))
    _log.addHandler(_h)
from orca import speech as _speech
if hasattr(_speech, "speak_character") and not getattr(_speech, "fieldclear", False):
    _speech.fieldclear = True
    _out = open({path!r}, "a", encoding="utf-8", buffering=1)
    _speak, _character = _speech._speak, _speech.speak_character
    def _spoken(text, acss, interrupt):
        _out.write("SPEECH OUTPUT: '%s'\\n" % text)
        return _speak(text, acss, interrupt)
    def _character_spoken(character, acss=None):
        _out.write("SPEECH OUTPUT: '%s'\\n" % character)
        return _character(character, acss)
    _speech._speak, _speech.speak_character = _spoken, _character_spoken
"""


class Failure(Exception):
    pass


class Utterance:
    def __init__(self, text, when):
        self.text = text
        self.when = when

    @property
    def key_echo(self):
        # Orca echoes a typed key as its name and the state of the locking keys, which is
        # an empty string here: "space ".
        return self.text.endswith(" ")


class Desktop:
    def __init__(self, log_dir, debug=False):
        self.log_dir = log_dir
        self.debug = debug  # Orca's full debug output too, for a look inside; slows it down
        self.tmp = tempfile.mkdtemp(prefix="fieldclear-orca-")
        self.processes = []
        self.speech = []
        self.speech_lock = threading.Condition()
        self.env = None

    # ---- start

    def __enter__(self):
        try:
            self._start()
        except BaseException:
            self.close()
            raise
        return self

    def __exit__(self, *exc):
        self.close()

    def _start(self):
        home = os.path.join(self.tmp, "home")
        runtime = os.path.join(self.tmp, "run")
        os.makedirs(os.path.join(home, ".config", "speech-dispatcher"))
        os.makedirs(runtime, mode=0o700)
        with open(os.path.join(home, ".config", "speech-dispatcher", "speechd.conf"), "w") as f:
            f.write(SPEECHD_CONF)
        orca_dir = os.path.join(home, ".local", "share", "orca")
        os.makedirs(orca_dir)
        self.speech_log = os.path.join(self.log_dir, "orca-speech.log")
        open(self.speech_log, "w").close()
        with open(os.path.join(orca_dir, "orca-customizations.py"), "w") as f:
            f.write(ORCA_CUSTOMIZATIONS.format(path=self.speech_log))
        env = {
            k: v
            for k, v in os.environ.items()
            # The game and Orca speak English here, whatever the desktop running the test speaks.
            if not k.startswith(("DBUS_", "XDG_", "QT_", "AT_SPI", "WAYLAND", "DISPLAY", "LC_",
                                 "LANGUAGE"))
        }
        env.update(
            {
                MARK: self.tmp,
                "HOME": home,
                "XDG_RUNTIME_DIR": runtime,
                "XDG_CONFIG_HOME": os.path.join(home, ".config"),
                "XDG_DATA_HOME": os.path.join(home, ".local", "share"),
                "XDG_CACHE_HOME": os.path.join(home, ".cache"),
                "XDG_SESSION_TYPE": "x11",
                "GSETTINGS_BACKEND": "memory",
                "LANG": "C.UTF-8",
                "NO_AT_BRIDGE": "1",  # the helpers themselves need not be read
            }
        )
        self.env = env

        display = self._start_with_fd(["Xvfb", "-displayfd", "{fd}", "-screen", "0",
                                       "1280x1024x24", "-nolisten", "tcp"], "xvfb")
        env["DISPLAY"] = ":" + display
        address = self._start_with_fd(["dbus-daemon", "--session", "--nofork",
                                       "--print-address={fd}"], "dbus")
        env["DBUS_SESSION_BUS_ADDRESS"] = address
        self._spawn(["openbox", "--sm-disable"], "openbox")
        self._start_orca()

    def _log(self, name):
        return open(os.path.join(self.log_dir, name + ".log"), "w")

    def _spawn(self, argv, name, env=None, **kwargs):
        p = subprocess.Popen(argv, env=env or self.env, stdout=self._log(name),
                             stderr=subprocess.STDOUT, stdin=subprocess.DEVNULL, **kwargs)
        self.processes.append(p)
        return p

    # Starts a program that reports where it listens on a file descriptor, and returns that.
    def _start_with_fd(self, argv, name):
        read, write = os.pipe()
        argv = [a.replace("{fd}", str(write)) for a in argv]
        p = self._spawn(argv, name, pass_fds=(write,))
        os.close(write)
        with os.fdopen(read) as f:
            line = f.readline().strip()
        if not line:
            raise Failure(f"{argv[0]} did not start; see {name}.log")
        return line

    def _start_orca(self):
        # Orca refuses to start beside another Orca of the same user, and --replace would end
        # that one: wait for it to finish instead.
        deadline = time.monotonic() + 180
        while other_orcas():
            if time.monotonic() > deadline:
                raise Failure("another Orca of this user is running (process %s); this test "
                              "does not replace it" % ", ".join(map(str, other_orcas())))
            time.sleep(2)
        self._reading = True
        self._reader = threading.Thread(target=self._read_speech, daemon=True)
        self._reader.start()
        argv = ["orca"]
        if self.debug:
            argv += ["--debug-file", os.path.join(self.log_dir, "orca-debug.log")]
        self.orca = self._spawn(argv, "orca")
        self.wait_for(lambda u: u.text.startswith("Screen reader on"), 60, "Orca to start")

    def _read_speech(self):
        with open(self.speech_log, encoding="utf-8", errors="replace") as f:
            pending = ""
            while self._reading:
                chunk = f.read()
                if not chunk:
                    time.sleep(0.02)
                    continue
                pending += chunk
                *lines, pending = pending.split("\n")
                for line in lines:
                    m = SPEECH.match(line)
                    if m:
                        with self.speech_lock:
                            self.speech.append(Utterance(m.group(1), time.monotonic()))
                            self.speech_lock.notify_all()

    # ---- use

    def start(self, argv, name, **env):
        return self._spawn(argv, name, env={**self.env, **env})

    def key(self, name):
        subprocess.run(["xdotool", "key", "--delay", "40", name], env=self.env, check=True)

    # A modifier alone, held as a hand would: Qt's menu bar takes only an Alt held a moment.
    def hold(self, name):
        subprocess.run(["xdotool", "keydown", name, "sleep", "0.2", "keyup", name], env=self.env,
                       check=True)

    def type(self, text):
        subprocess.run(["xdotool", "type", "--delay", "40", text], env=self.env, check=True)

    def said_since(self, index):
        with self.speech_lock:
            return self.speech[index:]

    def mark(self):
        with self.speech_lock:
            return len(self.speech)

    def wait_for(self, match, timeout, what, since=0):
        deadline = time.monotonic() + timeout
        with self.speech_lock:
            while True:
                if any(match(u) for u in self.speech[since:]):
                    return
                left = deadline - time.monotonic()
                if left <= 0:
                    raise Failure(f"timed out waiting for {what}")
                self.speech_lock.wait(left)

    # Waits until Orca has said something since `since` (other than echoing a key) and then
    # kept quiet for `quiet` seconds; returns what it said.
    def settle(self, since, timeout=6.0, quiet=0.7):
        deadline = time.monotonic() + timeout
        with self.speech_lock:
            while True:
                spoken = [u for u in self.speech[since:] if not u.key_echo]
                now = time.monotonic()
                if spoken and now - self.speech[-1].when >= quiet:
                    return self.speech[since:]
                if now >= deadline:
                    return self.speech[since:]
                wake = deadline - now
                if spoken:
                    wake = min(wake, quiet - (now - self.speech[-1].when))
                self.speech_lock.wait(max(wake, 0.01))

    # ---- end

    def close(self):
        for p in reversed(self.processes):
            if p.poll() is None:
                p.terminate()
        for p in reversed(self.processes):
            try:
                p.wait(5)
            except subprocess.TimeoutExpired:
                p.kill()
                p.wait()
        # The helpers the session started on its own (the accessibility bus, speech-dispatcher
        # and the like) carry the mark.
        for sig in (signal.SIGTERM, signal.SIGKILL):
            left = marked_processes(self.tmp)
            for pid in left:
                try:
                    os.kill(pid, sig)
                except ProcessLookupError:
                    pass
            deadline = time.monotonic() + 5
            while marked_processes(self.tmp) and time.monotonic() < deadline:
                time.sleep(0.1)
        self._reading = False
        subprocess.run(["rm", "-rf", self.tmp], check=False)


def marked_processes(value):
    found = []
    entry = f"{MARK}={value}".encode()
    for pid in os.listdir("/proc"):
        if not pid.isdigit() or int(pid) == os.getpid():
            continue
        try:
            with open(f"/proc/{pid}/environ", "rb") as f:
                if entry in f.read().split(b"\0"):
                    found.append(int(pid))
        except OSError:
            pass
    return found


def other_orcas():
    """Orca's own test for another Orca: a process of this user named orca."""
    found = []
    for pid in os.listdir("/proc"):
        if not pid.isdigit():
            continue
        try:
            with open(f"/proc/{pid}/comm") as f:
                name = f.read().strip()
            if name == "orca" and os.stat(f"/proc/{pid}").st_uid == os.getuid():
                found.append(int(pid))
        except OSError:
            pass
    return found
