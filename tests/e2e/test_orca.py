"""The game beside a real screen reader: Orca on a headless desktop (Xvfb,
openbox, a D-Bus session with the accessibility bus), speaking through a
private speech-dispatcher into a private sound server. The game is started
with the speech type given (1 or 3) and walked through the song selector,
the board size, a few keys and a slide on the board, a Ctrl key, help, the
speech type and the save question; with type 1 it resumes a saved game
and wins it first, and asks no save question (CI time). From Orca's debug log and the speech server's log:
each dialog's title and focused item is announced, nothing is said twice,
the game's words on the board (the win's too) reach the braille line
through the caption and Orca never speaks them, a pick list's and a
message box's question reach the braille line, none of Orca's utterances
is dropped;
from a recording of the game's own output: its voice never speaks over the
screen reader.

Usage: test_orca.py TUNZLE SPEECHTYPE. Exit 77 (skipped) only when the
desktop services cannot start here."""
import array
import datetime
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import threading
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
sys.path.insert(0, os.path.join(HERE, "..", "support"))
import driver  # noqa: E402
import soundserver  # noqa: E402

SKIP = 77
PROGRAM = sys.argv[1] if len(sys.argv) > 1 else ""
TYPE = sys.argv[2] if len(sys.argv) > 2 else "1"
BUS_LAUNCHERS = ("/usr/libexec/at-spi-bus-launcher", "/usr/lib/at-spi2-core/at-spi-bus-launcher")
TOOLS = ("Xvfb", "openbox", "dbus-daemon", "gsettings", "orca", "speech-dispatcher", "xdotool")


LINE_BUFFERED_LOG = """import builtins, os
_open, _log = builtins.open, os.environ.get("TUNZLE_ORCA_LOG")
def _opened(file, mode="r", buffering=-1, *args, **kwargs):
    if _log and file == _log and "w" in mode:
        buffering = 1
    return _open(file, mode, buffering, *args, **kwargs)
builtins.open = _opened
"""


class Skip(Exception):
    pass


def wait_until(what, check, timeout):
    deadline = time.monotonic() + timeout
    while True:
        got = check()
        if got:
            return got
        if time.monotonic() > deadline:
            raise AssertionError(f"timed out waiting for {what}")
        time.sleep(0.05)


def read(path):
    try:
        with open(path, encoding="utf-8", errors="replace") as f:
            return f.read()
    except OSError:
        return ""


class Desktop:
    """Everything a blind player's session has, private to this test. Only
    processes started here are stopped, by their ids."""

    def __init__(self):
        self.procs = []
        self.pids = []
        self.sound = None
        self.display = None
        self.root = tempfile.mkdtemp(prefix="tunzle-orca-")
        try:
            self._start()
        except Exception:
            self.close()
            raise

    def _spawn(self, args, **kw):
        kw.setdefault("env", self.env)
        kw.setdefault("stdout", subprocess.DEVNULL)
        kw.setdefault("stderr", subprocess.DEVNULL)
        p = subprocess.Popen(args, stdin=subprocess.DEVNULL, **kw)
        self.procs.append(p)
        return p

    def _start(self):
        for tool in TOOLS:
            if not shutil.which(tool):
                raise Skip(f"{tool} is not installed (scripts/setup.sh installs it)")
        launcher = next((p for p in BUS_LAUNCHERS if os.access(p, os.X_OK)), None)
        if not launcher:
            raise Skip("at-spi-bus-launcher (at-spi2-core) is not installed")
        try:
            self.sound = soundserver.SoundServer()
        except soundserver.Unavailable as e:
            raise Skip(f"no private sound server: {e}")
        # The game's own output gets a sink of its own, so its voice can be told from the reader's.
        self.sound.pactl("load-module", "module-null-sink", "sink_name=game")
        self.display = driver.Display()
        home = os.path.join(self.root, "home")
        os.makedirs(home)
        self.env = self.sound.environ()
        self.env.pop("AT_SPI_BUS_ADDRESS", None)
        self.env.pop("SPEECHD_ADDRESS", None)
        self.env.update({"DISPLAY": self.display.name, "HOME": home,
                         "XDG_CONFIG_HOME": os.path.join(home, ".config"),
                         "XDG_DATA_HOME": os.path.join(home, ".local", "share"),
                         "XDG_CACHE_HOME": os.path.join(home, ".cache"), "GSETTINGS_BACKEND": "dconf"})
        bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"], env=self.env,
                               stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        self.procs.append(bus)
        address = bus.stdout.readline().strip()
        if not address:
            raise Skip("the D-Bus session daemon did not start")
        self.env["DBUS_SESSION_BUS_ADDRESS"] = address
        self._spawn([launcher, "--launch-immediately"])
        try:
            wait_until("the accessibility bus", lambda: subprocess.run(
                ["gdbus", "call", "--session", "--dest", "org.a11y.Bus", "--object-path", "/org/a11y/bus",
                 "--method", "org.a11y.Bus.GetAddress"], env=self.env, capture_output=True,
                text=True).stdout.find("unix:") >= 0, 10)
        except AssertionError:
            raise Skip("the accessibility bus did not start")
        for schema, key in (("org.gnome.desktop.interface", "toolkit-accessibility"),
                            ("org.gnome.desktop.a11y.applications", "screen-reader-enabled")):
            if subprocess.run(["gsettings", "set", schema, key, "true"], env=self.env).returncode:
                raise Skip(f"gsettings cannot set {schema} {key}")
        self._spawn(["openbox", "--sm-disable"])
        # The speech server the reader and the game share.
        self.speechd_logs = os.path.join(self.root, "speechd")
        os.makedirs(self.speechd_logs)
        self.speechd_log = os.path.join(self.speechd_logs, "speech-dispatcher.log")
        socket = os.path.join(self.root, "speechd.sock")
        pidfile = os.path.join(self.root, "speechd.pid")
        if subprocess.run(["speech-dispatcher", "-d", "-c", "unix_socket", "-S", socket, "-t", "0", "-l", "5",
                           "-L", self.speechd_logs, "-P", pidfile], env=self.env, stdin=subprocess.DEVNULL,
                          stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=30).returncode:
            raise Skip("speech-dispatcher did not start")
        try:
            wait_until("the speech server", lambda: os.path.exists(socket) and read(pidfile).strip(), 15)
        except AssertionError:
            raise Skip("speech-dispatcher did not open its socket")
        self.pids.append(int(read(pidfile).split()[0]))
        self.env["SPEECHD_ADDRESS"] = "unix_socket:" + socket
        self.orca_log = os.path.join(self.root, "orca.log")
        # Orca will not start beside another Orca of the same user, in any
        # session (the suite runs one walk at a time); never --replace, which
        # would kill the player's own.
        # Orca's debug log written line by line, not in 8 KB blocks: the walk
        # reads from it when Orca has finished reacting to a key.
        site = os.path.join(self.root, "orca-site")
        os.makedirs(site)
        with open(os.path.join(site, "sitecustomize.py"), "w") as f:
            f.write(LINE_BUFFERED_LOG)
        env = dict(self.env, PYTHONPATH=site, TUNZLE_ORCA_LOG=self.orca_log)
        said = os.path.join(self.root, "orca.out")
        with open(said, "wb") as out:
            orca = self._spawn(["orca", "-u", os.path.join(self.root, "orca-prefs"), "--debug-file", self.orca_log],
                               env=env, stdout=out, stderr=subprocess.STDOUT)
        wait_until("Orca to say it is on, or to end",
                   lambda: "Screen reader on." in read(self.orca_log) or orca.poll() is not None, 120)
        if orca.poll() is not None:
            raise Skip("Orca ended at start: " + read(said).strip()[-300:])

    def stop_speech(self):
        """Orca and the speech server end, so their logs are whole."""
        for p in self.procs:
            if p.args[0] == "orca":
                driver.end(p, timeout=10)
        for pid in self.pids:
            try:
                os.kill(pid, signal.SIGTERM)
            except OSError:
                continue
            wait_until("the speech server to end", lambda: not os.path.exists(f"/proc/{pid}"), 10)

    def close(self):
        for p in reversed(self.procs):
            driver.end(p)
        for pid in self.pids:
            try:
                os.kill(pid, signal.SIGTERM)
            except OSError:
                pass
        if self.display:
            self.display.close()
        if self.sound:
            self.sound.close()
        shutil.rmtree(self.root, ignore_errors=True)


# -- what was said and heard ----------------------------------------------------

SPEECH_OUTPUT = re.compile(r"^(\d\d):(\d\d):(\d\d\.\d+) - SPEECH OUTPUT: '(.*?)' ?\{'established", re.S | re.M)
KEY_ECHO = re.compile(r"^\S+ $")  # Orca's echo of a key: "escape ", "F1 "
BRAILLE_LINE = re.compile(r"^(\d\d):(\d\d):(\d\d\.\d+) - BRAILLE LINE:  '(.*)'$", re.M)


def log_clock():
    """Maps a log's local time of day to wall-clock seconds: the moment of that
    time nearest now, so that a walk may cross midnight."""
    now = time.time()
    midnight = datetime.datetime.combine(datetime.date.fromtimestamp(now), datetime.time()).timestamp()

    def at(h, m, s):
        t = midnight + int(h) * 3600 + int(m) * 60 + float(s)
        return t + 86400 * round((now - t) / 86400)
    return at


def orca_utterances(log):
    """(wall clock, text) of each thing Orca said."""
    at = log_clock()
    return [(at(h, m, sec), text) for h, m, sec, text in SPEECH_OUTPUT.findall(log)]


def braille_lines(log):
    """(wall clock, text) of each line Orca put on the braille display."""
    at = log_clock()
    return [(at(h, m, sec), text) for h, m, sec, text in BRAILLE_LINE.findall(log)]


def plain(text):
    text = re.sub(r"<[^>]*>", "", text)
    text = text.replace("&lt;", "<").replace("&gt;", ">").replace("&quot;", '"').replace("&apos;", "'")
    return " ".join(text.replace("&amp;", "&").split()).strip(" .").lower()


SPEECHD_LINE = re.compile(r"^\[\w+ \w+ +\d+ (\d\d):(\d\d):(\d\d) \d+ : (\d+)\] speechd: +(.*)$", re.M)


def speech_server_record(log):
    """From the speech server's log, Orca's texts (it sends SSML, the game
    plain text): when each was given, and which were dropped before they
    began (a cancel empties a client's queue), with their texts. Also whether the server has
    spoken out everything it was given: nothing waits in a queue and the last message begun has
    ended (an end after the last queueing is not enough: others may still wait their turn)."""
    def fd(client):
        m = re.search(r"(\d+):DATA:\|SET self CLIENT_NAME \S*" + client, log, re.I)
        return m.group(1) if m else None
    orca_fd, game_fd = fd(":Orca:"), fd(":tunzle:main")
    given, dropped, pending, waits = [], [], [], []
    game_pending, game_dropped = [], []
    last_start = last_end = -1
    at = log_clock()
    latest = 0.0
    for m in SPEECHD_LINE.finditer(log):
        micro = int(m.group(4))
        when = at(m.group(1), m.group(2), m.group(3)) + micro / 1e6
        # The server reads the second from a coarse clock and the microsecond
        # from a fine one: just past a second's turn the second may still be
        # the last one, and the line would seem to come a second early.
        if when < latest and micro < 50000:
            when += 1
        latest = max(latest, when)
        what = m.group(5)
        if what.startswith("Queueing message |"):
            if what.startswith("Queueing message |<speak>"):
                given.append(when)
                pending.append((when, re.sub(r"<[^>]*>", "", what[len("Queueing message |"):].rsplit("|", 1)[0])))
            else:
                game_pending.append(when)
        elif what.startswith("MSG before index marking:"):
            last_start = m.start()
            if what.endswith("ssml_mode=1") and pending:
                waits.append(when - pending.pop(0)[0])
            elif what.endswith("ssml_mode=0") and game_pending:
                game_pending.pop(0)
        elif what.startswith("Cancel received from fd "):
            client = what[len("Cancel received from fd "):].rstrip(".")
            if client == orca_fd:
                dropped += pending
                pending = []
            elif client == game_fd:
                game_dropped += game_pending
                game_pending = []
        elif what.startswith("got end"):
            last_end = m.start()
    speech_server_record.longest_wait = max(waits, default=0)
    speech_server_record.game_dropped = game_dropped + game_pending
    return given, dropped + pending, not pending and not game_pending and last_end >= last_start


class SinkRecorder:
    """Levels of one sink's monitor, stamped with the monotonic clock (the
    game's own output here; soundserver's recorder takes the shared sink)."""

    def __init__(self, server, sink):
        self.levels = []  # (monotonic time, peak) per 10 ms
        self.proc = subprocess.Popen(["parec", "-d", sink + ".monitor", "--raw", "--format=s16le", "--rate=44100",
                                      "--channels=1", "--latency-msec=10"], env=server.environ(),
                                     stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        self.thread = threading.Thread(target=self._read, daemon=True)
        self.thread.start()

    def _read(self):
        while True:
            data = self.proc.stdout.read(882)
            if len(data) < 882:
                break
            a = array.array("h")
            a.frombytes(data)
            self.levels.append((time.monotonic(), max(abs(v) for v in a)))

    def loud(self, threshold=300):
        return [t for t, v in list(self.levels) if v > threshold]

    def close(self):
        if self.proc.poll() is None:
            self.proc.terminate()
            self.proc.wait(timeout=10)


FRAME = "music tunzle press f1 for help frame"
# The walk with the speech server's voice first wins a saved game (CI time
# allows the win in one walk).
WIN = TYPE == "1"
WON_BUT_ONE = (1, 2, 3, 4, 5, 6, 7, 0, 8)  # tile 8 on row 3, column 3, the empty square left of it
# What Orca must say in each step (besides key echoes). The walk also waits
# for these words before it judges a step heard out: on a busy machine Orca
# can stall for seconds in the middle of its reaction, longer than any quiet.
EXPECT = {
    "resume": ("save game?", "would you like to play your saved game?"),
    "resumed": (FRAME,),
    "won": ("would you like another game?",),
    # The hints the game keeps quiet beside a reader reach it as descriptions.
    "selector": ("select music file to tunzle", "sample.mp3", "escape plays the sample song"),
    "size": ("select", "select square size", "3", "escape to cancel"),
    "board": (FRAME,),
    "help": ("help", "help index"),
    "heading": ("help index", "1.1 about music tunzle"),
    "help closed": (FRAME,),
    "speech": ("select", "select speech type", "escape to cancel"),
    "speech kept": (FRAME,),
    "save": ("save game?", "would you like to save your game?"),
    "save cancelled": (FRAME,),
}


# The steps on the board, after the first: each has the game's words in the caption.
BOARD_STEPS = ("empty square", "status on", "move", "slide", "ctrl", "win", "won")


def says(words, phrase):
    return any(re.search(r"(^| )" + re.escape(phrase) + r"( |$)", x) for x in words)


# In a list's step the question and the current item come before the hint:
# a player pressing a key every few seconds must hear the item.
FIRST = {
    "selector": ("sample.mp3", "escape plays the sample song"),
    "size": ("select square size", "3", "escape to cancel"),
    "speech": ("select speech type", "escape to cancel"),
}


def where(words, phrase):
    """(utterance, offset) where Orca first said `phrase`, or None."""
    for i, x in enumerate(words):
        m = re.search(r"(^| )" + re.escape(phrase) + r"( |$)", x)
        if m:
            return i, m.start()
    return None


class Walk:
    """Keys in, one step at a time. Each step waits for the game to show what
    it should, then for the reader's speech to be heard out at the sink, so
    nothing is cut by the next key (but a long help topic, which is cut by
    Page Down as a player would)."""

    def __init__(self, desk, game, voice):
        self.desk = desk
        self.game = game
        self.voice = voice  # recorder of the shared sink
        self.steps = []  # (name, wall clock when the key went in, trace mark, monotonic time)
        self.orca_log_size, self.orca_log_grew = -1, 0.0
        self.said_size, self.said = -1, []  # what Orca said in the current step, and the log size read

    def orca_idle(self, quiet=1.2):
        """Orca has logged nothing for `quiet` seconds: it has done reacting
        (on a busy machine it may queue its words seconds after the key)."""
        try:
            size = os.path.getsize(self.desk.orca_log)
        except OSError:
            size = 0
        now = time.monotonic()
        if size != self.orca_log_size:
            self.orca_log_size, self.orca_log_grew = size, now
        return now - self.orca_log_grew >= quiet

    def said_since(self, start, phrases):
        """Orca has said every one of `phrases` since `start` (wall clock)."""
        size = os.path.getsize(self.desk.orca_log)
        if size != self.said_size:  # the log is long: read it only when it grew
            self.said_size = size
            self.said = [plain(t) for when, t in orca_utterances(read(self.desk.orca_log)) if when >= start]
        return all(says(self.said, p) for p in phrases)

    def heard_out(self, since, patience, start=0.0, phrases=()):
        """Orca has said `phrases` since `start`, something was heard after
        `since`, the speech server has spoken out all it was given and the
        sink has been silent for a while (the reader may take a moment to
        react) and Orca is idle; or the sink has been speaking for `patience`
        seconds."""
        self.said_size = -1
        wait_until(f"Orca to say {phrases}", lambda: self.said_since(start, phrases), 60)

        def done():
            idle = self.orca_idle()
            spoke = self.voice_since(since)
            if spoke and time.monotonic() - since > patience:
                return True
            if not spoke and time.monotonic() - since < 8:
                return False
            end = self.voice.frames()
            quiet = max(self.voice.mono(max(0, end - int(1.2 * soundserver.RATE)), end), default=0) <= 300
            return quiet and idle and speech_server_record(read(self.desk.speechd_log))[2]
        wait_until("the reader to be heard out", done, 60)

    def voice_since(self, since):
        return any(v > 300 for v in self.voice.mono(self.voice.frame_at(since)))

    def step(self, name, key, shown, timeout=30, patience=30):
        mark = len(self.game.lines())
        start = time.time()
        self.steps.append((name, start, mark, time.monotonic()))
        since = time.monotonic()
        if callable(key):
            key()
        elif key:
            self.game.key(key)
        if shown:
            self.game.wait_for(*shown, after=mark, timeout=timeout)
            since = time.monotonic()
        self.heard_out(since, patience, start, EXPECT.get(name, ()))

    def sounding(self, when):
        """True when the game played a sound (not a voice) in the step of
        monotonic time `when`, or a song in the step before (the key that
        stops it is echoed as it fades)."""
        lines = self.game.lines()
        for i, (_, _, mark, start) in enumerate(self.steps):
            end = self.steps[i + 1][3] if i + 1 < len(self.steps) else float("inf")
            if start <= when < end:
                last = self.steps[i + 1][2] if i + 1 < len(self.steps) else len(lines)
                before = self.steps[i - 1][2] if i else mark
                return any(line[0] in ("sound", "songrun", "beep") for line in lines[mark:last]) or any(
                    line[0] == "songrun" for line in lines[before:mark])
        return False

    def segments(self, utterances):
        """What Orca said in each step, and the game's speech in it."""
        lines = self.game.lines()
        out = {}
        for i, (name, start, mark, _) in enumerate(self.steps):
            end = self.steps[i + 1][1] if i + 1 < len(self.steps) else float("inf")
            next_mark = self.steps[i + 1][2] if i + 1 < len(self.steps) else len(lines)
            said = [t for when, t in utterances if start <= when < end]
            game = [line[2] for line in lines[mark:next_mark] if line[0] == "speak"]
            out[name] = (said, game)
        return out


def check(failures, ok, message):
    if not ok:
        failures.append(message)


def main():
    if not PROGRAM:
        print("usage: test_orca.py TUNZLE SPEECHTYPE", file=sys.stderr)
        return 2
    started = time.monotonic()
    try:
        desk = Desktop()
    except Skip as e:
        print(f"SKIPPED: {e}")
        return SKIP
    appdata = driver.temp_player_folder()
    game = voice = own = None
    failures = []
    try:
        folder = os.path.join(appdata, "Music Tunzle")
        os.makedirs(folder)
        with open(os.path.join(folder, "config.ini"), "wb") as f:
            f.write(f'0,95,1,"",{TYPE},2\r\n'.encode())
        if WIN:
            # A saved game one slide from the win, the cursor on that tile: the
            # walk wins it, then plays a new game.
            song = os.path.join(folder, "sample.mp3")
            shutil.copy(os.path.join(os.path.dirname(PROGRAM), "sample.mp3"), song)
            with open(os.path.join(folder, "SaveGame.gam"), "w", newline="") as f:
                f.write(f'3,3,3,2,3,3,"2",#FALSE#,0,#FALSE#,"{song}",0\r\n' + "".join(f"{v}\r\n" for v in WON_BUT_ONE))
        voice = desk.sound.record()
        own = SinkRecorder(desk.sound, "game")
        env = dict(desk.env)
        env.pop("HOME")
        env.pop("QT_QPA_PLATFORM", None)  # the game's own choice: the real display
        env["PULSE_SINK"] = "game"
        game = driver.Game(PROGRAM, desk.display, appdata, args=[TYPE], env=env)
        game.wait_for("screenreader", "1", timeout=30)
        w = Walk(desk, game, voice)
        if WIN:
            w.step("resume", None, ("msgbox", "Save Game?", "Would you like to play your saved game?"), timeout=40)
            walk_start = time.monotonic()
            w.step("resumed", "Return", ("speak",))
            w.step("win", "space", ("songrun", "0", "0"), timeout=60)
            # A key skips the whole song: the result is said, then the question.
            w.step("won", "Escape", ("msgbox", "Congratulations", "Would you like another game?"))
            game.key("y")
            w.step("selector", "Return", ("window", "Select Music File to tunzle"), timeout=40)
        else:
            w.step("selector", None, ("window", "Select Music File to tunzle"), timeout=40)
            walk_start = time.monotonic()
        w.step("size", "Escape", ("window", "Select"))
        w.step("board", "Return", ("answer", "3"))
        # On the board Orca echoes the key and the game answers: both are heard.
        w.step("empty square", "b", ("speak",))
        # Correct and wrong on: every move has words, and the caption shows them.
        w.step("status on", "c", ("speak",))
        said = [line[2] for line in game.lines()[w.steps[-2][2]:w.steps[-1][2]] if line[0] == "speak"]
        row, column = (int(n) for n in re.findall(r"\d+", said[-1])[:2])
        for _ in range(row - 1):
            w.step("move", "Down", ("speak",))
        if column == 1:
            w.step("move", "End", ("speak",))
        w.step("slide", "space", ("speak",), timeout=60)
        # New words while Ctrl is down (the best results): braille, not speech.
        w.step("ctrl", lambda: hold_ctrl(game, "i"), ("speak",))
        w.step("help", "F1", ("window", "HELP"))
        w.step("heading", "Return", None)
        w.step("topic", "Return", None, patience=4)
        w.step("next block", "Next", None, patience=4)
        w.step("help closed", "Escape", None)
        w.step("speech", "F5", ("window", "Select"))
        w.step("speech kept", "Escape", ("answer", ""))
        if not WIN:  # the resume question was the message box there
            w.step("save", "q", ("msgbox", "Save Game?"))
            w.step("save cancelled", "Escape", ("answer", "2"))
        walk_end = time.monotonic()
        game.kill()
        desk.stop_speech()
        said = orca_utterances(read(desk.orca_log))
        segments = w.segments(said)
        braille = braille_lines(read(desk.orca_log))

        for name, (orca, ours) in segments.items():
            words = [plain(t) for t in orca if not KEY_ECHO.match(t)]
            flat = " | ".join(words)
            for phrase in EXPECT.get(name, ()):
                check(failures, says(words, phrase),
                      f"{name}: Orca never said {phrase!r}; it said: {flat}")
            found = [where(words, phrase) for phrase in FIRST.get(name, ())]
            check(failures, None in found or found == sorted(found),
                  f"{name}: Orca did not say {FIRST.get(name)} in that order: {flat}")
            # A list announces its current item after itself.
            for i, x in enumerate(words):
                if re.fullmatch(r"list with \d+ items?", x):
                    check(failures, i + 1 < len(words), f"{name}: a list opened without its current item: {flat}")
            # Nothing twice: not by Orca, not by the game over Orca.
            repeated = sorted({x for x in words if words.count(x) > 1})
            # Nor again inside something longer (a help block's line after the block).
            # (A part is not counted against the utterance it came from.)
            parts = {(plain(re.sub(r"\s*selected\.?$", "", x)), x) for x in words}
            repeated += sorted({p for p, x in parts if len(p) >= 15 and any(p in y and y not in (p, x) for y in words)})
            check(failures, not repeated, f"{name}: Orca said {repeated} twice: {flat}")
            both = sorted({plain(t) for t in ours} & set(words))
            check(failures, not both, f"{name}: the game said what Orca said: {both}")
            # On the board the caption is brailled, never spoken: not even inside something longer.
            inside = sorted({plain(t) for t in ours for x in words if len(plain(t)) >= 4 and plain(t) in x})
            check(failures, name not in BOARD_STEPS or not inside, f"{name}: Orca spoke the game's words {inside}: {flat}")
        # Each of the game's texts on the board reached the braille line, in its
        # step, after a Ctrl key too.
        # Back on the board, what was said while a dialog had the focus shows too.
        for i, (name, start, _, _) in enumerate(w.steps):
            if name not in BOARD_STEPS + ("board", "resumed"):
                continue
            end = w.steps[i + 1][1] if i + 1 < len(w.steps) else float("inf")
            lines = [plain(t) for when, t in braille if start <= when < end]
            ours = [line[2] for line in game.lines()[w.steps[i][2]:w.steps[i + 1][2] if i + 1 < len(w.steps) else None]
                    if line[0] == "speak"]
            for t in ours:
                # The caption is the read-only text ("rdonly") on the line.
                check(failures, any(plain(t) in x and x.endswith("$l rdonly") for x in lines),
                      f"{name}: {t!r} never reached the braille line; it showed: {' | '.join(lines)}")
        # A dialog's question is on the braille line while it is open: a pick
        # list's, and a message box's words.
        for i, (name, start, mark, _) in enumerate(w.steps):
            end = w.steps[i + 1][1] if i + 1 < len(w.steps) else float("inf")
            lines = [plain(t) for when, t in braille if start <= when < end]
            asked = [t for line in game.lines()[mark:w.steps[i + 1][2] if i + 1 < len(w.steps) else None]
                     if line[0] in ("pick", "msgbox") for t in line[1:] if t]
            for t in asked:
                check(failures, any(plain(t) in x for x in lines),
                      f"{name}: the question {t!r} never reached the braille line; it showed: {' | '.join(lines)}")
        check(failures, any(step[0] == "slide" for step in w.steps) and segments["slide"][1],
              "the slide said nothing")
        won = segments.get("won", ([], []))[1]
        check(failures, not WIN or any(t.startswith("Solved in 1 move") for t in won),
              f"the win's words were not said: {won}")
        # Every utterance of Orca's reached the voice, but where the walk
        # itself cut a long help topic short, as a player would.
        given, dropped, _ = speech_server_record(read(desk.speechd_log))
        cut_from = next(step[1] for step in w.steps if step[0] == "topic")
        cut_to = next(step[1] for step in w.steps if step[0] == "help closed")
        # Orca stops its own echo of a key when the key's effect (a new window)
        # is to be told, as it does on any desktop: not a word lost.
        dropped = [(t, text) for t, text in dropped if not cut_from <= t < cut_to and not KEY_ECHO.match(text)]
        check(failures, len(given) == len(said), f"Orca said {len(said)} things, the speech server got {len(given)}")
        check(failures, not dropped, f"{len(dropped)} of Orca's {len(given)} utterances were never spoken: "
                                     + " | ".join(f"{step_at(w, t)}: {text}" for t, text in dropped))
        lost = speech_server_record.game_dropped
        check(failures, not lost, f"{len(lost)} of the game's texts were never spoken")
        check(failures, any(plain(t) == "b" for t in segments["empty square"][0]), "Orca's echo of B went unheard")
        check(failures, len(said) > 10, f"Orca said almost nothing: {said}")
        # The game's own sound output never carries a voice while the reader speaks.
        reader = {round(t, 2) for t in voice_times(voice, walk_start, walk_end)}
        overlap = [t for t in own.loud() if walk_start <= t <= walk_end and round(t, 2) in reader
                   and not w.sounding(t)]
        check(failures, not overlap, f"two voices at once for {len(overlap) * 10} ms, in "
                                     f"{sorted({step_at(w, time.time() - time.monotonic() + t) for t in overlap})}")
        check(failures, not any(line[0] == "speak" and line[1] == "3" for line in game.lines()),
              "the built-in voice spoke beside the screen reader")
        ours = sum(1 for line in game.lines() if line[0] == "speak")
        print(f"Orca said {len(said)} things, {len(dropped)} dropped, the longest wait for the voice "
              f"{speech_server_record.longest_wait:.1f} s; the game said {ours}")
        for f in failures:
            print("FAIL:", f)
        print(f"(took {time.monotonic() - started:.1f} s)")
        print(f"1 passed, 0 failed" if not failures else "0 passed, 1 failed")
        return 1 if failures else 0
    finally:
        if game:
            game.kill()
        for r in (voice, own):
            if r:
                r.close()
        keep = os.environ.get("TUNZLE_KEEP_LOGS")
        if keep:
            # One folder per speech type: both walks may keep theirs in one run.
            shutil.copytree(desk.root, os.path.join(keep, f"type{TYPE}"), dirs_exist_ok=True,
                            ignore=shutil.ignore_patterns("*.sock"))
        desk.close()
        driver.cleanup(appdata)


def hold_ctrl(game, key):
    """Ctrl+`key`, Ctrl let go only once the game has answered: a hand is
    slower than the game, and a reader speaks what comes while Ctrl is down."""
    mark = len(game.lines())
    subprocess.run(["xdotool", "keydown", "ctrl", "key", key], env=game.env, check=True)
    try:
        game.wait_for("speak", after=mark)
    finally:
        subprocess.run(["xdotool", "keyup", "ctrl"], env=game.env, check=True)


def step_at(walk, when):
    """The walk's step that was under way at this wall-clock time."""
    names = [name for name, start, _, _ in walk.steps if start <= when]
    return names[-1] if names else "before the walk"


def voice_times(recorder, start, end):
    """Monotonic times (10 ms steps) at which the shared sink carried sound."""
    first, last = recorder.frame_at(start), recorder.frame_at(end)
    levels = recorder.mono(first, last)
    step = soundserver.RATE // 100
    out = []
    for i in range(0, len(levels), step):
        if max(levels[i:i + step], default=0) > 300:
            out.append(start + i / soundserver.RATE)
    return out


if __name__ == "__main__":
    sys.exit(main())
