"""What a screen reader finds in the real game: on a virtual display inside a
private D-Bus session with the accessibility bus, every dialog a player meets
(song selector, board size, speech type, help, save question) is read from
the accessibility tree. Every control the player can reach must have a role
and a name, Tab must reach each of them, and the control holding the focus
must be the one the game's own voice just spoke (read back from the trace).

Usage: test_accessibility.py TUNZLE [wayland]: with "wayland", the game is a
Wayland client of a headless sway instead of an X client of Xvfb."""
import importlib.util
import os
import shutil
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(__file__))
import driver  # noqa: E402

SKIP = 77
PROGRAM = sys.argv[1] if len(sys.argv) > 1 else ""
WAYLAND = sys.argv[2:] == ["wayland"]
BUS_LAUNCHERS = ("/usr/libexec/at-spi-bus-launcher", "/usr/lib/at-spi2-core/at-spi-bus-launcher")


def skip(reason):
    print(f"SKIPPED: {reason}")
    sys.exit(SKIP)


def have_pyatspi():
    return importlib.util.find_spec("gi") is not None and importlib.util.find_spec("pyatspi") is not None


def ensure_pyatspi():
    """The bindings come with the system's Python; another interpreter
    (a virtual environment, say) runs this file again with that one."""
    if have_pyatspi():
        return
    system = "/usr/bin/python3"
    if (not os.environ.get("TUNZLE_E2E_REEXEC") and os.access(system, os.X_OK)
            and os.path.realpath(system) != os.path.realpath(sys.executable)):
        os.environ["TUNZLE_E2E_REEXEC"] = "1"
        os.execv(system, [system, os.path.abspath(__file__), *sys.argv[1:]])
    skip("python3-pyatspi (gi, pyatspi) cannot be imported")


class Services:
    """A session bus and the accessibility bus of our own, so nothing of a
    desktop the tests run on is touched or read."""

    def __init__(self, display):
        self.procs = []
        for tool in ("dbus-daemon", "dbus-send"):
            if not shutil.which(tool):
                skip(f"{tool} is not installed")
        launcher = next((p for p in BUS_LAUNCHERS if os.access(p, os.X_OK)), None)
        if not launcher:
            skip("at-spi-bus-launcher (at-spi2-core) is not installed")
        bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                               stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        self.procs.append(bus)
        self.address = bus.stdout.readline().strip()
        if not self.address:
            self.close()
            skip("the D-Bus session daemon did not start")
        self.env = {"DBUS_SESSION_BUS_ADDRESS": self.address, **display.client_env()}
        env = dict(os.environ)
        env.pop("AT_SPI_BUS_ADDRESS", None)
        env.update(self.env)
        self.procs.append(subprocess.Popen([launcher, "--launch-immediately"], env=env,
                                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        deadline = time.time() + 10
        while True:
            r = subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
                                "org.a11y.Bus.GetAddress"], env=env, capture_output=True, text=True)
            if r.returncode == 0 and "unix:" in r.stdout:
                break
            if time.time() > deadline:
                self.close()
                skip("the accessibility bus did not start")
            time.sleep(0.1)

    def close(self):
        for p in reversed(self.procs):
            driver.end(p)


class Checker:
    def __init__(self, game, pyatspi):
        self.game = game
        self.at = pyatspi
        self.app = self._find_app()
        self.failures = []

    def _find_app(self):
        desktop = self.at.Registry.getDesktop(0)
        deadline = time.time() + 15
        while time.time() < deadline:
            for i in range(desktop.childCount):
                app = desktop.getChildAtIndex(i)
                try:
                    if app is not None and app.get_process_id() == self.game.proc.pid:
                        # Read live every time: no event listener keeps a cache fresh here.
                        app.set_cache_mask(0)
                        return app
                except Exception:
                    continue
            time.sleep(0.2)
        raise AssertionError("the game never appeared on the accessibility bus")

    # -- the tree --------------------------------------------------------------

    def states(self, acc):
        return acc.getState()

    def has(self, acc, state):
        return self.states(acc).contains(state)

    def children(self, acc):
        out = []
        for i in range(acc.childCount):
            c = acc.getChildAtIndex(i)
            if c is not None:
                out.append(c)
        return out

    def window(self, name):
        """The showing top-level window of that name."""
        for w in self.children(self.app):
            if w.name == name and self.has(w, self.at.STATE_SHOWING):
                return w
        shown = [(w.getRoleName(), w.name) for w in self.children(self.app) if self.has(w, self.at.STATE_SHOWING)]
        raise AssertionError(f"no showing window {name!r}; showing: {shown}")

    def reachable(self, root):
        """Every focusable control that shows, inside ancestors that show:
        what Tab, the arrows or the mouse can get to. Items of lists too."""
        found = []

        def walk(acc):
            for c in self.children(acc):
                if not self.has(c, self.at.STATE_SHOWING):
                    continue  # a hidden control hides all it holds
                if self.has(c, self.at.STATE_FOCUSABLE):
                    found.append(c)
                walk(c)

        walk(root)
        return found

    def controls(self, root):
        """Reachable controls that take the focus themselves (not list items)."""
        return [c for c in self.reachable(root) if c.getRole() != self.at.ROLE_LIST_ITEM]

    def find(self, root, role, name):
        for c in self.reachable(root):
            if c.getRole() == role and c.name == name:
                return c
        have = [(c.getRoleName(), c.name) for c in self.controls(root)]
        raise AssertionError(f"no {self.at.roleToString(role)} {name!r} in {root.name!r}; it has {have}")

    def focused(self, root):
        focus = [c for c in self.controls(root) if self.has(c, self.at.STATE_FOCUSED)]
        assert len(focus) == 1, f"{root.name!r}: focus on {[(c.getRoleName(), c.name) for c in focus]}"
        return focus[0]

    def selected_item(self, lst):
        items = [c for c in self.children(lst) if self.has(c, self.at.STATE_SELECTED)]
        assert len(items) == 1, f"list {lst.name!r}: selected {[c.name for c in items]}"
        return items[0]

    # -- the checks --------------------------------------------------------------

    def check_names(self, root):
        """A role a reader can say and a name for everything reachable."""
        reach = self.reachable(root)
        assert reach, f"{root.name!r}: nothing a player can reach"
        bad = []
        for c in reach:
            role = c.getRole()
            if role in (self.at.ROLE_INVALID, self.at.ROLE_UNKNOWN) or not (c.name or "").strip():
                bad.append((c.getRoleName(), c.name))
        assert not bad, f"{root.name!r}: reachable controls without a role or a name: {bad}"

    def what_focus_says(self, root):
        """The texts a reader would give for the focused control: its name,
        for a list the selected item, for a text pane its selection."""
        c = self.focused(root)
        texts = [c.name]
        if c.getRole() == self.at.ROLE_LIST:
            texts = [self.selected_item(c).name]
        elif c.getRole() == self.at.ROLE_TEXT:
            try:
                t = c.queryText()
                if t.getNSelections() > 0:
                    start, end = t.getSelection(0)
                    texts.append(t.getText(start, end))
            except NotImplementedError:
                pass
        return c, [s for s in texts if s and s.strip()]

    def spoken_since(self, mark):
        return [line[2] for line in self.game.lines()[mark:] if line[0] == "speak" and len(line) > 2]

    def wait_speech(self, mark, timeout=8):
        """Waits for the game to speak after mark and to fall quiet."""
        deadline = time.time() + timeout
        while not self.spoken_since(mark) and time.time() < deadline:
            time.sleep(0.05)
        count = -1
        while count != len(self.game.lines()) and time.time() < deadline:
            count = len(self.game.lines())
            time.sleep(0.35)

    def check_focus_spoken(self, root, mark, step, timeout=10):
        # Waits for the focus's words themselves: a quiet gap proves nothing
        # on a loaded machine, where the next line may come late.
        deadline = time.time() + timeout
        while True:
            c, texts = self.what_focus_says(root)
            said = self.spoken_since(mark)
            # The same words: a button shows "no" and is named "No" for the reader.
            norm = [" ".join(s.split()).lower() for s in said]
            ok = any(" ".join(t.split()).lower() in s for t in texts for s in norm)
            if ok or time.time() > deadline:
                break
            time.sleep(0.1)
        assert ok, (f"{root.name!r} {step}: focus on {c.getRoleName()} {c.name!r} "
                    f"(reads {texts}), but the game said {said}")
        return c

    def caption(self, board):
        """The text of the board's caption line: read-only text that shows."""
        lines = [c for c in self.children(board) if c.getRole() == self.at.ROLE_TEXT
                 and self.has(c, self.at.STATE_SHOWING) and not self.has(c, self.at.STATE_EDITABLE)]
        assert len(lines) == 1, f"the board's window holds {len(lines)} caption lines"
        t = lines[0].queryText()
        return t.getText(0, t.characterCount)

    def check_captions(self, board, keys):
        """After each key the caption holds what the game said for it, as the trace has it."""
        for key in keys:
            mark = len(self.game.lines())
            self.game.key(key)
            self.wait_speech(mark)
            said = " ".join(s.strip() for s in self.spoken_since(mark))
            assert said, f"{key}: the game said nothing"
            deadline = time.time() + 5
            while self.caption(board) != said and time.time() < deadline:
                time.sleep(0.1)
            assert self.caption(board) == said, f"{key}: the caption shows {self.caption(board)!r}, the game said {said!r}"

    def tab_round(self, root, start):
        """Tab goes once round every reachable control, each spoken as it
        gets the focus, and comes back to where it started."""
        want = len(self.controls(root))
        seen = [(start.getRoleName(), start.name)]
        for i in range(want):
            mark = len(self.game.lines())
            self.game.key("Tab")
            self.wait_speech(mark)
            c = self.check_focus_spoken(root, mark, f"after Tab {i + 1}")
            seen.append((c.getRoleName(), c.name))
        assert seen[-1] == seen[0], f"{root.name!r}: Tab did not come round: {seen}"
        missed = {(c.getRoleName(), c.name) for c in self.controls(root)} - set(seen)
        assert not missed, f"{root.name!r}: Tab never reaches {missed}"


def main():
    if not PROGRAM or not os.access(PROGRAM, os.X_OK):
        raise SystemExit(f"usage: {sys.argv[0]} path/to/Tunzle")
    ensure_pyatspi()
    for tool in ("sway", "wtype", "setpriv") if WAYLAND else ("Xvfb", "xdotool"):
        if not shutil.which(tool):
            skip(f"{tool} is not installed")
    started = time.time()
    display = driver.Compositor() if WAYLAND else driver.Display()
    services = None
    game = None
    appdata = driver.temp_player_folder()
    try:
        services = Services(display)
        os.environ.update(services.env)
        os.environ.pop("AT_SPI_BUS_ADDRESS", None)
        import pyatspi  # after the buses exist: it finds them through the environment

        # The voice in use, so what the player hears shows in the trace.
        folder = os.path.join(appdata, "Music Tunzle")
        os.makedirs(folder)
        with open(os.path.join(folder, "config.ini"), "wb") as f:
            f.write(b'0,95,1,"",3,2\r\n')
        env = dict(services.env)
        env.update({"QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1", "QT_ACCESSIBILITY": "1"})
        game = driver.Game(PROGRAM, display, appdata, env=env)
        game.wait_for("selectfile", "Select Music File to tunzle", timeout=30)
        at = Checker(game, pyatspi)
        mark = game.wait_for("window", "Select Music File to tunzle")

        # The song selector: the list has the focus; Escape takes the sample song.
        at.wait_speech(mark)
        d = at.window("Select Music File to tunzle")
        assert d.getRole() == pyatspi.ROLE_DIALOG, d.getRoleName()
        at.check_names(d)
        # Named by the folder it shows.
        songs = next((c for c in at.reachable(d) if c.getRole() == pyatspi.ROLE_LIST), None)
        assert songs is not None and songs.name.startswith("Folder "), songs and songs.name
        at.find(songs, pyatspi.ROLE_LIST_ITEM, "sample.mp3")
        at.find(d, pyatspi.ROLE_TEXT, "File name")
        for b in ("OK", "Cancel", "Delete"):
            at.find(d, pyatspi.ROLE_PUSH_BUTTON, b)
        start = at.check_focus_spoken(d, mark, "on opening")
        assert start.getRole() == pyatspi.ROLE_LIST, start.getRoleName()
        assert songs.name in at.spoken_since(mark), "the list's name is spoken"
        at.tab_round(d, start)
        game.key("Escape")
        game.wait_for("answer", "", after=mark)

        # The board size.
        mark = game.wait_for("pick", "Select square size", after=mark)
        game.wait_for("window", "Select", after=mark)
        at.wait_speech(mark)
        d = at.window("Select")
        at.check_names(d)
        sizes = at.find(d, pyatspi.ROLE_LIST, "Select square size")
        assert [c.name for c in at.children(sizes)] == [str(n) for n in range(3, 10)]
        for b in ("OK", "Cancel"):
            at.find(d, pyatspi.ROLE_PUSH_BUTTON, b)
        start = at.check_focus_spoken(d, mark, "on opening")
        assert start.name == "Select square size", start.name
        assert "Select square size" in at.spoken_since(mark), "the question is spoken"
        at.tab_round(d, start)
        game.key("Return")
        mark = game.wait_for("answer", "3", after=mark)
        game.settle(1.0)

        # The board: its window is named for the reader, with the help key.
        caption = next((line[1] for line in game.lines() if line[0] == "window"), None)
        assert caption is not None, "the board's window was never shown"
        board = at.window(caption)
        assert "Press F1 for Help" in board.name, board.name
        assert at.has(board, pyatspi.STATE_FOCUSABLE)
        assert board.getRole() not in (pyatspi.ROLE_INVALID, pyatspi.ROLE_UNKNOWN), board.getRoleName()
        at.check_captions(board, ("b", "s", "c", "Right", "i"))

        # The speech type: Down moves the selection and says it; Escape keeps the voice.
        mark = len(game.lines())
        game.key("F5")
        game.wait_for("pick", "Select Speech Type", after=mark)
        game.wait_for("window", "Select", after=mark)
        at.wait_speech(mark)
        d = at.window("Select")
        at.check_names(d)
        kinds = at.find(d, pyatspi.ROLE_LIST, "Select Speech Type")
        assert [c.name for c in at.children(kinds)] == ["No speech", "Screen reader", "Built-in voice"]
        for b in ("OK", "Cancel"):
            at.find(d, pyatspi.ROLE_PUSH_BUTTON, b)
        at.check_focus_spoken(d, mark, "on opening")
        assert at.selected_item(kinds).name == "Built-in voice", "the list opens on the speech in use"
        mark = len(game.lines())
        game.key("Up")
        at.wait_speech(mark)
        at.check_focus_spoken(d, mark, "after Up")
        assert at.selected_item(kinds).name == "Screen reader", at.selected_item(kinds).name
        game.key("Escape")
        game.wait_for("answer", "", after=mark)
        game.settle(0.5)

        # Help: the index, the text pane and Close; Escape closes it.
        mark = len(game.lines())
        game.key("F1")
        game.wait_for("window", "HELP", after=mark)
        at.wait_speech(mark)
        d = at.window("HELP")
        assert d.getRole() == pyatspi.ROLE_DIALOG, d.getRoleName()
        at.check_names(d)
        index = at.find(d, pyatspi.ROLE_LIST, "Help index")
        assert at.children(index), "the help index is empty"
        at.find(d, pyatspi.ROLE_TEXT, "Help text")
        at.find(d, pyatspi.ROLE_PUSH_BUTTON, "Close")
        start = at.check_focus_spoken(d, mark, "on opening")
        assert start.name == "Help index", start.name
        # Into a heading, then a topic: the pane takes the focus and reads its first lines.
        mark = len(game.lines())
        game.key("Return")
        at.wait_speech(mark)
        at.check_focus_spoken(d, mark, "in a heading")
        first = at.selected_item(index).name
        assert first.startswith("1.1 "), first
        mark = len(game.lines())
        game.key("Return")
        at.wait_speech(mark)
        start = at.check_focus_spoken(d, mark, f"in topic {first}")
        assert start.name == "Help text", start.name
        at.tab_round(d, start)
        game.key("Escape")
        deadline = time.time() + 10
        while any(w.name == "HELP" and at.has(w, pyatspi.STATE_SHOWING) for w in at.children(at.app)):
            assert time.time() < deadline, "Escape did not close the help"
            time.sleep(0.1)
        game.settle(0.5)

        # The save question: Yes has the focus; Escape is Cancel and keeps the game.
        mark = len(game.lines())
        game.key("q")
        game.wait_for("msgbox", "Save Game?", "Would you like to save your game?", after=mark)
        game.wait_for("window", "Save Game?", after=mark)
        at.wait_speech(mark)
        d = at.window("Save Game?")
        at.check_names(d)
        for b in ("Yes", "No", "Cancel", "Repeat Message"):
            at.find(d, pyatspi.ROLE_PUSH_BUTTON, b)
        labels = [c.name for c in at.children(d) if c.getRole() == pyatspi.ROLE_LABEL
                  and at.has(c, pyatspi.STATE_SHOWING)]
        assert "Would you like to save your game?" in labels, labels
        start = at.check_focus_spoken(d, mark, "on opening")
        assert start.name == "Yes", start.name
        said = at.spoken_since(mark)
        assert "Would you like to save your game?" in said, said
        at.tab_round(d, start)
        game.key("Escape")
        game.wait_for("answer", "2", after=mark)
        game.settle(0.5)
        assert game.proc.poll() is None, "Cancel ended the game"
        assert not any(line[0] == "end" for line in game.lines()), "Cancel ended the game"
        print(f"(took {time.time() - started:.1f} s)")
        print("1 passed, 0 failed")
    finally:
        if game:
            game.kill()
        if services:
            services.close()
        display.close()
        driver.cleanup(appdata)


if __name__ == "__main__":
    main()
