"""Drives the real game on a virtual X display, as a player would: keys in
through xdotool, what was said and played read back from the trace."""
import os
import shutil
import subprocess
import tempfile
import time


class Display:
    """An Xvfb server of its own, so tests never touch a real desktop."""

    def __init__(self, size="1280x800x24"):
        # Xvfb takes the first free number itself and tells it: two runs
        # starting at once never share a display.
        r, w = os.pipe()
        self.proc = subprocess.Popen(["Xvfb", "-displayfd", str(w), "-screen", "0", size, "-nolisten", "tcp"],
                                     pass_fds=(w,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(w)
        with os.fdopen(r, "rb") as told:
            number = told.readline().strip()  # empty when Xvfb died
        if not number:
            self.proc.kill()
            self.proc.wait()
            raise RuntimeError("Xvfb did not start")
        self.number = int(number)
        self.name = f":{self.number}"

    def close(self):
        self.proc.terminate()
        self.proc.wait(timeout=10)


class Game:
    def __init__(self, program, display, appdata, args=(), env=None):
        self.trace = os.path.join(appdata, "trace.txt")
        self.env = dict(os.environ)
        self.env.update({"DISPLAY": display.name, "appdata": appdata, "TUNZLE_TRACE": self.trace,
                         "ALSOFT_DRIVERS": "null", "QT_QPA_PLATFORM": "xcb"})
        self.env.pop("QT_ACCESSIBILITY", None)
        if env:
            self.env.update(env)
        self.display = display
        self.offset = self._size()
        self.proc = subprocess.Popen([program, *args], env=self.env, stdout=subprocess.DEVNULL,
                                     stderr=subprocess.DEVNULL)

    def _size(self):
        try:
            return os.path.getsize(self.trace)
        except OSError:
            return 0

    def lines(self):
        """Trace lines of this run, split into fields without the time."""
        try:
            with open(self.trace, encoding="utf-8", errors="replace") as f:
                f.seek(self.offset)
                return [line.rstrip("\n").split("\t")[1:] for line in f if "\t" in line]
        except OSError:
            return []

    def wait_for(self, *fields, timeout=30, after=0):
        """Waits until a trace line starts with these fields; returns its index."""
        return self.wait_until(lambda line: line[:len(fields)] == list(fields), fields, timeout, after)

    def wait_said(self, start, timeout=30, after=0):
        """Waits until the game says a text beginning with `start`; returns its index and the text."""
        i = self.wait_until(lambda line: line[0] == "speak" and len(line) > 2 and line[2].startswith(start),
                            ("speak", start), timeout, after)
        return i, self.lines()[i][2]

    def wait_until(self, matches, what, timeout, after):
        deadline = time.time() + timeout
        while time.time() < deadline:
            for i, line in enumerate(self.lines()):
                if i >= after and matches(line):
                    return i
            if self.proc.poll() is not None:
                break
            time.sleep(0.05)
        raise AssertionError(f"trace never showed {what}; last lines: {self.lines()[-8:]}")

    def count(self, *fields):
        return sum(1 for line in self.lines() if line[:len(fields)] == list(fields))

    def timed(self):
        """Trace lines of this run as (seconds since start, fields)."""
        try:
            with open(self.trace, encoding="utf-8", errors="replace") as f:
                f.seek(self.offset)
                return [(int(p[0]) / 1000.0, p[1:]) for p in (line.rstrip("\n").split("\t") for line in f if "\t" in line)]
        except OSError:
            return []

    def won(self, whole_songs_before, timeout=20, after=0):
        """After the winning move: the flourish and the whole song start; a key
        goes on to the question (the first after trace line `after`) without
        waiting for the song's end."""
        deadline = time.time() + timeout
        while self.count("songrun", "0", "0") == whole_songs_before:
            if time.time() > deadline:
                raise AssertionError(f"the whole song never started; last lines: {self.lines()[-8:]}")
            time.sleep(0.05)
        self.key("Escape")
        return self.wait_for("msgbox", "Congratulations", "Would you like another game?", timeout=timeout, after=after)

    def new_game(self, size="3", song=None, after=0):
        """From the end of the intro, or from trace line `after`: the song (typed
        as a full path into the file-name box) or the sample song (Escape), then the size."""
        self.wait_for("selectfile", timeout=25, after=after)
        self.settle()
        if song:
            self.key("Tab", "ctrl+a")
            self.type(song)
            self.key("Return")
            self.wait_for("answer", song, after=after)
        else:
            self.key("Escape")
        self.wait_for("pick", "Select square size", after=after)
        self.settle()
        if size != "3":
            self.key(*(["Down"] * (int(size) - 3)))
        self.key("Return")
        self.wait_for("answer", size, after=after)

    def key(self, *keys, delay=60):
        subprocess.run(["xdotool", "key", "--delay", str(delay), *keys], env=self.env, check=True)

    def type(self, text, delay=20):
        subprocess.run(["xdotool", "type", "--delay", str(delay), text], env=self.env, check=True)

    def settle(self, seconds=0.3):
        time.sleep(seconds)

    def wait_exit(self, timeout=30):
        return self.proc.wait(timeout=timeout)

    def kill(self):
        if self.proc.poll() is None:
            self.proc.kill()
            self.proc.wait()


def end(proc, timeout=5):
    """Asks a process started by a test to end, and kills it if it will not."""
    if proc.poll() is None:
        proc.terminate()
        try:
            proc.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            proc.kill()
            proc.wait()


def temp_player_folder():
    return tempfile.mkdtemp(prefix="tunzle-e2e-")


def cleanup(path):
    shutil.rmtree(path, ignore_errors=True)
