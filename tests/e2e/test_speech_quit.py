"""Leaving the game, played with real keys on a virtual display.

First run, beside a speech server that takes the call and never answers:
the intro's last line is heard to its end; F5 to the screen reader fails
soon, and the voice says why while the error box is up; F6 then reaches the
voice chooser; Q saves, says the farewell to its end, and the program ends.
Second run: the window system destroys the game's window; the game asks to
save and saves, as it does on a close."""
import array
import ctypes
import os
import socket
import subprocess
import sys
import tempfile
import threading
import time
import wave

sys.path.insert(0, os.path.dirname(__file__))
import driver  # noqa: E402

PROGRAM = sys.argv[1]
ERROR = "Error starting the screen reader or the built-in voice."
SLACK = 0.25  # seconds: the trace's clock against the samples' length


class MuteServer:
    """Takes every connection and never says a word."""

    def __init__(self, folder):
        self.path = os.path.join(folder, "speechd.sock")
        self.sock = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        self.sock.bind(self.path)
        self.sock.listen(8)
        self.clients = []
        threading.Thread(target=self._accept, daemon=True).start()

    def _accept(self):
        while True:
            try:
                self.clients.append(self.sock.accept()[0])
            except OSError:
                return

    def close(self):
        self.sock.close()
        for c in self.clients:
            c.close()


def timed(game):
    """Trace lines of this run as (seconds, fields)."""
    out = []
    with open(game.trace, encoding="utf-8", errors="replace") as f:
        f.seek(game.offset)
        for line in f:
            parts = line.rstrip("\n").split("\t")
            if len(parts) > 1:
                out.append((int(parts[0]) / 1000.0, parts[1:]))
    return out


def spoken_seconds(text):
    """How long the voice takes to say text, to its last audible sample: the
    same engine, voice and rate as the game's."""
    with tempfile.NamedTemporaryFile(suffix=".wav") as f:
        subprocess.run(["espeak-ng", "-v", "en", "-w", f.name, text], check=True)
        with wave.open(f.name) as w:
            assert w.getsampwidth() == 2 and w.getnchannels() == 1
            samples = array.array("h", w.readframes(w.getnframes()))
            rate = w.getframerate()
    last = max((i for i, v in enumerate(samples) if abs(v) > 100), default=0)
    return last / rate


def find(lines, *fields, after=0):
    for i, (t, line) in enumerate(lines):
        if i >= after and line[:len(fields)] == list(fields):
            return i, t
    raise AssertionError(f"no {fields} after line {after}")


def destroy_window(game):
    """What a window system does when it takes a window away: XDestroyWindow."""
    wid = subprocess.run(["xdotool", "search", "--name", "Press F1 for Help"], env=game.env,
                         capture_output=True, text=True, check=True).stdout.split()
    assert len(wid) == 1, wid
    x11 = ctypes.CDLL("libX11.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XDestroyWindow.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
    x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
    dpy = x11.XOpenDisplay(game.display.name.encode())
    assert dpy, "cannot open the display"
    x11.XDestroyWindow(dpy, int(wid[0]))
    x11.XSync(dpy, 0)
    x11.XCloseDisplay(dpy)


def hung_server_run(display, appdata, server):
    game = driver.Game(PROGRAM, display, appdata, args=["3"],
                       env={"SPEECHD_ADDRESS": "unix_socket:" + server.path})
    try:
        game.new_game()
        lines = timed(game)
        i, korvel = find(lines, "speak", "3", "A Korvel Game.")
        credit = lines[i + 1][1]
        assert credit[:2] == ["speak", "3"], credit
        _, cut = find(lines, "stopspeech", after=i)
        heard = spoken_seconds("A Korvel Game.") + spoken_seconds(credit[2])
        assert cut - korvel >= heard - SLACK, f"intro's last line cut after {cut - korvel:.2f} s of {heard:.2f} s"
        print(f"intro's last lines: {cut - korvel:.2f} s before the next stop, {heard:.2f} s of speech")

        # F5, Screen reader: the server takes the call and stays mute.
        game.settle()
        game.key("F5")
        pick = game.wait_for("pick", "Select Speech Type")
        game.settle()
        game.key("Up", "Return")  # the list opens on the voice in use; Screen reader is above it
        box = game.wait_for("msgbox", "Error! ", ERROR, timeout=20)
        lines = timed(game)
        _, asked = find(lines, "answer", "1", after=pick)
        assert lines[box][0] - asked < 4, f"the failed switch took {lines[box][0] - asked:.1f} s"
        print(f"switch to a mute speech server failed after {lines[box][0] - asked:.2f} s")
        said = [n for n, (_, line) in enumerate(lines) if line == ["speak", "3", ERROR]]
        assert said and said[0] < box, "the error is spoken while its box is up"
        game.settle()
        game.key("Return")
        game.wait_for("answer", after=box + 1)

        # The voice speaks, so its settings are in reach.
        game.settle()
        game.key("F6")
        # The voice list opens on the voice in use and names it; Escape keeps it.
        opened = game.wait_for("speak", "3", "Use the arrows  to select voice. Press Enter when done. "
                               "British English", timeout=10)
        game.settle()
        game.key("Escape")
        game.wait_for("speak", "3", "British English", after=opened + 1, timeout=10)
        game.settle()

        game.key("q")
        save = game.wait_for("msgbox", "Save Game?", "Would you like to save your game?", timeout=10)
        game.settle()
        game.key("Return")
        game.wait_for("end", timeout=30, after=save)
        assert game.wait_exit(10) == 0, "the game ended with an error"
        lines = timed(game)
        answered, _ = find(lines, "answer", after=save)
        i, said_at = find(lines, "speak", "3", after=answered)
        farewell = lines[i][1][2]
        _, ended = find(lines, "end", after=i)
        length = spoken_seconds(farewell)
        assert ended - said_at >= length - SLACK, f"farewell cut after {ended - said_at:.2f} s of {length:.2f} s"
        assert ended - said_at <= 10.5, f"the end waited {ended - said_at:.2f} s"
        print(f"farewell: the end came {ended - said_at:.2f} s after it, {length:.2f} s of speech")
        assert os.path.exists(os.path.join(appdata, "Music Tunzle", "SaveGame.gam"))
    finally:
        game.kill()


def destroyed_window_run(display, appdata):
    os.remove(os.path.join(appdata, "Music Tunzle", "SaveGame.gam"))
    game = driver.Game(PROGRAM, display, appdata, args=["3"])
    try:
        game.new_game()
        game.settle(0.5)
        destroy_window(game)
        game.wait_for("msgbox", "Save Game?", "Would you like to save your game?", timeout=10)
        game.settle()
        game.key("Return")
        assert game.wait_exit(30) == 0, "the game ended with an error"
        assert os.path.exists(os.path.join(appdata, "Music Tunzle", "SaveGame.gam")), "the game was saved"
    finally:
        game.kill()


def main():
    display = driver.Display()
    appdata = driver.temp_player_folder()
    server = MuteServer(appdata)
    try:
        hung_server_run(display, appdata, server)
        destroyed_window_run(display, appdata)
        print("1 passed, 0 failed")
    finally:
        server.close()
        display.close()
        driver.cleanup(appdata)


if __name__ == "__main__":
    main()
