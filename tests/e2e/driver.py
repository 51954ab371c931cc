"""Drives the real game on a virtual X display or in a headless Wayland
compositor, as a player would: keys in through xdotool or wtype, what was said
and played read back from the trace."""
import json
import os
import shutil
import socket
import struct
import subprocess
import tempfile
import time

NOBODY = 65534  # sway refuses to run as root


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

    def client_env(self):
        return {"DISPLAY": self.name, "QT_QPA_PLATFORM": "xcb"}

    def key(self, env, keys, delay):
        subprocess.run(["xdotool", "key", "--delay", str(delay), *keys], env=env, check=True)

    def type(self, env, text, delay):
        subprocess.run(["xdotool", "type", "--delay", str(delay), text], env=env, check=True)

    def close(self):
        self.proc.terminate()
        self.proc.wait(timeout=10)


class Offscreen:
    """Qt's own headless platform: no display at all."""

    def client_env(self):
        return {"QT_QPA_PLATFORM": "offscreen"}


class Compositor:
    """A headless sway of its own, run by an unprivileged user when the test
    runs as root. Its windows get title bars, as on a desktop."""

    def __init__(self, size=(1280, 800)):
        root = os.geteuid() == 0
        # Where the unprivileged compositor can reach its folder, whatever TMPDIR is.
        self.folder = tempfile.mkdtemp(prefix="tunzle-sway-", dir="/tmp" if root else None)
        config = os.path.join(self.folder, "config")
        with open(config, "w") as f:
            f.write(f"xwayland disable\noutput HEADLESS-1 resolution {size[0]}x{size[1]}\n")
        env = {"PATH": os.environ.get("PATH", "/usr/bin:/bin"), "XDG_RUNTIME_DIR": self.folder,
               "HOME": self.folder, "WLR_BACKENDS": "headless", "WLR_LIBINPUT_NO_DEVICES": "1",
               "WLR_RENDERER": "pixman"}
        command = ["sway", "-c", config]
        if root:
            # The folder is the compositor's runtime folder: its own, private.
            os.chown(self.folder, NOBODY, NOBODY)
            os.chown(config, NOBODY, NOBODY)
            command = ["setpriv", f"--reuid={NOBODY}", f"--regid={NOBODY}", "--clear-groups", *command]
        self.devices = None
        self.log = open(os.path.join(self.folder, "sway.log"), "w")
        self.proc = subprocess.Popen(command, env=env, stdout=self.log, stderr=subprocess.STDOUT)
        deadline = time.time() + 20
        self.socket = self.ipc = None
        while not (self.socket and self.ipc):
            names = os.listdir(self.folder)
            self.socket = next((os.path.join(self.folder, n) for n in names
                                if n.startswith("wayland-") and not n.endswith(".lock")), None)
            self.ipc = next((os.path.join(self.folder, n) for n in names if n.startswith("sway-ipc.")), None)
            if self.proc.poll() is not None or time.time() > deadline:
                self._fail("sway did not start")
            time.sleep(0.05)
        # Ready once it answers on its control socket.
        while subprocess.run(["swaymsg", "-s", self.ipc, "-t", "get_outputs"], capture_output=True).returncode:
            if self.proc.poll() is not None or time.time() > deadline:
                self._fail("sway did not answer")
            time.sleep(0.05)
        # From the start, so every client has bound its pointer before a click;
        # the cursor rests on the title bars' row, over no client.
        self.devices = InputDevices(self.socket)
        self.msg("seat", "seat0", "cursor", "set", "0", "0")

    def _fail(self, what):
        self.log.flush()
        with open(self.log.name, errors="replace") as f:
            told = f.read()[-2000:]
        self.close()
        raise RuntimeError(f"{what}; its log ends:\n{told}")

    def client_env(self):
        # An absolute socket path: the client needs no runtime folder of the compositor's user.
        return {"WAYLAND_DISPLAY": self.socket, "QT_QPA_PLATFORM": "wayland"}

    def key(self, env, keys, delay):
        # Each wtype is a new virtual keyboard with a new keymap; a key pressed
        # before the focused client has taken the keymap is lost.
        args = ["wtype", "-s", "400"]
        for n, k in enumerate(keys):
            *mods, name = k.split("+")
            if n:
                args += ["-s", str(delay)]
            for m in mods:
                args += ["-M", m]
            args += ["-k", name]
            for m in mods:
                args += ["-m", m]
        subprocess.run(args, env=env, check=True)

    def type(self, env, text, delay):
        subprocess.run(["wtype", "-s", "400", "-d", str(delay), text], env=env, check=True)

    def msg(self, *args):
        out = subprocess.run(["swaymsg", "-s", self.ipc, *args], capture_output=True, text=True, check=True).stdout
        return json.loads(out) if "-t" in args else out

    def click(self, x, y):
        """A left click of the seat's own pointer, in layout pixels."""
        for action in (("set", str(x), str(y)), ("press", "button1"), ("release", "button1")):
            self.msg("seat", "seat0", "cursor", *action)

    def focused(self):
        """The title of the window holding the keyboard focus."""
        todo = [self.msg("-t", "get_tree")]
        while todo:
            node = todo.pop()
            if node.get("focused"):
                return node.get("name")
            todo += node.get("nodes", []) + node.get("floating_nodes", [])
        return None

    def wait_focus(self, title, timeout=10):
        deadline = time.time() + timeout
        while (now := self.focused()) != title:
            assert time.time() < deadline, f"the keyboard focus is on {now!r}, not {title!r}"
            time.sleep(0.05)

    def screenshot(self):
        return Image(subprocess.run(["grim", "-t", "ppm", "-"], env={"WAYLAND_DISPLAY": self.socket},
                                    capture_output=True, check=True).stdout)

    def close(self):
        if self.devices:
            self.devices.close()
        if self.proc.poll() is None:
            end(self.proc)
        self.log.close()
        shutil.rmtree(self.folder, ignore_errors=True)


class InputDevices:
    """A pointer and a keyboard that exist while this connection is open. A
    seat without input devices offers clients neither: the compositor's own
    cursor commands would reach nobody, and each wtype's keyboard going away
    would take the keyboard focus, and with it the window's activation, from
    the client."""

    KEYMAP = (b'xkb_keymap { xkb_keycodes "k" { minimum = 8; maximum = 255; <K1> = 9; }; '
              b'xkb_types "t" { include "complete" }; xkb_compatibility "c" { include "complete" }; '
              b'xkb_symbols "s" { key <K1> { [ Escape ] }; }; };\0')

    def __init__(self, path):
        self.sock = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        self.sock.connect(path)
        self._send(1, 1, struct.pack("<I", 2))  # wl_display.get_registry -> 2
        self._send(1, 0, struct.pack("<I", 3))  # wl_display.sync -> 3
        wanted = {b"wl_seat": None, b"zwlr_virtual_pointer_manager_v1": None,
                  b"zwp_virtual_keyboard_manager_v1": None}
        data = b""
        while True:
            while len(data) < 8 or len(data) < struct.unpack_from("<HH", data, 4)[1]:
                more = self.sock.recv(65536)
                assert more, "the compositor closed the connection"
                data += more
            sender, opcode, size = *struct.unpack_from("<IH", data), struct.unpack_from("<H", data, 6)[0]
            body, data = data[8:size], data[size:]
            if sender == 3:
                break  # the sync's done: every global was announced
            if sender == 2 and opcode == 0:  # wl_registry.global
                name, length = struct.unpack_from("<II", body)
                interface = body[8:8 + length - 1]
                if interface in wanted:
                    wanted[interface] = name
        missing = [i.decode() for i, name in wanted.items() if name is None]
        assert not missing, f"the compositor does not offer {missing}"
        for new_id, interface in enumerate(wanted, start=4):
            self._bind(wanted[interface], interface, new_id)
        self._send(5, 0, struct.pack("<II", 0, 7))  # create_virtual_pointer(any seat) -> 7
        self._send(6, 0, struct.pack("<II", 4, 8))  # create_virtual_keyboard(seat 4) -> 8
        with tempfile.TemporaryFile() as keymap:
            keymap.write(self.KEYMAP)
            keymap.flush()
            # keymap(XKB v1, fd, size): the descriptor travels beside the message
            message = struct.pack("<IHHII", 8, 0, 16, 1, len(self.KEYMAP))
            self.sock.sendmsg([message], [(socket.SOL_SOCKET, socket.SCM_RIGHTS, struct.pack("<i", keymap.fileno()))])

    def _bind(self, name, interface, new_id):
        text = interface + b"\0"
        args = struct.pack("<II", name, len(text)) + text + b"\0" * (-len(text) % 4) + struct.pack("<II", 1, new_id)
        self._send(2, 0, args)

    def _send(self, target, opcode, args):
        self.sock.sendall(struct.pack("<IHH", target, opcode, 8 + len(args)) + args)

    def close(self):
        self.sock.close()


class Image:
    """A binary PPM (P6, 8 bits)."""

    def __init__(self, data):
        fields, pos = [], 0
        while len(fields) < 4:  # P6, width, height, maximum
            while data[pos:pos + 1].isspace():
                pos += 1
            if data[pos:pos + 1] == b"#":
                pos = data.index(b"\n", pos) + 1
                continue
            end_ = pos
            while not data[end_:end_ + 1].isspace():
                end_ += 1
            fields.append(data[pos:end_])
            pos = end_
        assert fields[0] == b"P6" and fields[3] == b"255", fields
        self.width, self.height = int(fields[1]), int(fields[2])
        self.data = data[pos + 1:]

    def pixel(self, x, y):
        i = (y * self.width + x) * 3
        return tuple(self.data[i:i + 3])

    def rectangles(self, colours, least=10):
        """Solid rectangles of the given colours, at least `least` pixels each
        way, as (left, top, width, height, colour)."""
        wanted = {bytes(c) for c in colours}
        open_, done = {}, []
        for y in range(self.height + 1):
            row = self.data[y * self.width * 3:(y + 1) * self.width * 3] if y < self.height else b""
            runs = set()
            x = 0
            while x < len(row) // 3:
                c = row[x * 3:x * 3 + 3]
                if c in wanted:
                    start = x
                    while x < self.width and row[x * 3:x * 3 + 3] == c:
                        x += 1
                    if x - start >= least:
                        runs.add((start, x, c))
                else:
                    x += 1
            for run in list(open_):
                if run not in runs:
                    top = open_.pop(run)
                    if y - top >= least:
                        done.append((run[0], top, run[1] - run[0], y - top, tuple(run[2])))
            for run in runs:
                open_.setdefault(run, y)
        return done


class Game:
    def __init__(self, program, display, appdata, args=(), env=None):
        self.trace = os.path.join(appdata, "trace.txt")
        self.env = dict(os.environ)
        for name in ("DISPLAY", "WAYLAND_DISPLAY", "QT_ACCESSIBILITY"):
            self.env.pop(name, None)
        self.env.update({"appdata": appdata, "TUNZLE_TRACE": self.trace, "ALSOFT_DRIVERS": "null"})
        self.env.update(display.client_env())
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
        self.display.key(self.env, keys, delay)

    def type(self, text, delay=20):
        self.display.type(self.env, text, delay)

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
