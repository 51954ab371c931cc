"""A private sound server on a null sink, as a desktop would put one between
the game and the player's ears, and a recorder on the sink's monitor: either
PulseAudio, or PipeWire with its PulseAudio replacement (each with its own
runtime folder; PipeWire also with its own D-Bus session bus).

Used by the listening tests (import it) and around real-engine test programs:
    soundserver.py run [--channels N] [--server pulseaudio|pipewire] -- PROGRAM ARGS...
runs the program with OpenAL Soft and speech-dispatcher pointed at the
server. Only processes started here are stopped, by their ids. Exit code 77
(a skip to CTest) only when the server itself cannot start.
"""
import array
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import threading
import time

SKIP = 77
RATE = 44100


class Unavailable(RuntimeError):
    """The server could not be started here; the reason is the message."""


SERVERS = ("pulseaudio", "pipewire")


class SoundServer:
    def __init__(self, channels=2, rate=None, kind="pulseaudio"):
        needs = {"pulseaudio": ["pulseaudio"], "pipewire": ["pipewire", "wireplumber", "pipewire-pulse", "dbus-daemon"]}
        missing = [p for p in needs[kind] + ["parec", "pactl"] if not shutil.which(p)]
        if missing:
            raise Unavailable(" ".join(missing) + " not installed (scripts/setup.sh installs them)")
        self.kind = kind
        self.channels = channels
        # PipeWire's graph runs at 48 kHz: a sink at that rate hears streams unresampled.
        self.rate = rate or (48000 if kind == "pipewire" else RATE)
        self.procs = []  # what we started, in order; stopped in reverse
        self.runtime = tempfile.mkdtemp(prefix=f"tunzle-{kind}-")
        os.chmod(self.runtime, 0o700)
        self.socket = os.path.join(self.runtime, "pulse", "native")
        self.env = {
            "XDG_RUNTIME_DIR": self.runtime,
            "PULSE_SERVER": "unix:" + self.socket,
            # Nothing of the machine's own client settings (a cookie, a default server).
            "PULSE_CLIENTCONFIG": os.path.join(self.runtime, "client.conf"),
            "ALSOFT_DRIVERS": "pulse",
            "PULSE_SINK": "out",
        }
        with open(self.env["PULSE_CLIENTCONFIG"], "w") as f:
            f.write("autospawn = no\n")
        try:
            if kind == "pipewire":
                self._start_pipewire()
            else:
                self._start_pulseaudio()
        except Unavailable:
            self.close()
            raise

    def _start_pulseaudio(self):
        self._spawn(
            ["pulseaudio", "--daemonize=no", "--exit-idle-time=-1", "-n", "--use-pid-file=no",
             "--disable-shm=yes", "--log-target=file:" + os.path.join(self.runtime, "pulse.log"),
             "-L", f"module-null-sink sink_name=out rate={self.rate} channels={self.channels}",
             "-L", "module-native-protocol-unix auth-anonymous=1",
             "-L", "module-always-sink"], "pulse.out")
        self._wait(lambda: os.path.exists(self.socket) and self._pactl_ok("info"), "pulseaudio answers")

    def _start_pipewire(self):
        # Its own session bus, state and configuration folders: nothing of the
        # machine's desktop session is touched, nothing is stored in $HOME.
        for sub in ("state", "config"):
            os.makedirs(os.path.join(self.runtime, sub))
        self.env.update({
            "XDG_STATE_HOME": os.path.join(self.runtime, "state"),
            "XDG_CONFIG_HOME": os.path.join(self.runtime, "config"),
            "PIPEWIRE_RUNTIME_DIR": self.runtime,
            "DBUS_SESSION_BUS_ADDRESS": "unix:path=" + os.path.join(self.runtime, "bus"),
        })
        bus = os.path.join(self.runtime, "bus")
        self._spawn(["dbus-daemon", "--session", "--nofork", "--nopidfile", "--address=unix:path=" + bus],
                    "dbus.log")
        self._wait(lambda: os.path.exists(bus), "the session bus is up")
        self._start_pipewire_daemons()

    def _start_pipewire_daemons(self):
        self._spawn(["pipewire"], "pipewire.log")
        self._wait(lambda: os.path.exists(os.path.join(self.runtime, "pipewire-0")), "pipewire is up")
        self._spawn(["wireplumber"], "wireplumber.log")
        self._spawn(["pipewire-pulse"], "pipewire-pulse.log")
        self._wait(lambda: os.path.exists(self.socket) and self._pactl_ok("info"), "pipewire-pulse answers")
        # Loaded once the session manager runs, made the default once listed.
        ok = subprocess.run(["pactl", "load-module", "module-null-sink", "sink_name=out", f"rate={self.rate}",
                             f"channels={self.channels}"] + (["channel_map=mono"] if self.channels == 1 else []),
                            env=self.environ(), capture_output=True, text=True)
        if ok.returncode != 0:
            raise Unavailable("pipewire-pulse would not load a null sink: " + ok.stderr.strip())
        self._wait(lambda: any(line.split("\t")[1:2] == ["out"]
                               for line in self.pactl("list", "short", "sinks").splitlines()), "the null sink is listed")
        self._wait(lambda: self._pactl_ok("set-default-sink", "out"), "the null sink is the default")

    def stop(self):
        """Kills the server as a crash would (its session bus stays), so a
        client sees its connection fail."""
        for proc, _ in reversed(self.procs):
            if proc.args[0] != "dbus-daemon" and proc.poll() is None:
                proc.kill()
                proc.wait()
        self.procs = [(p, log) for p, log in self.procs if p.args[0] == "dbus-daemon"]
        # What a killed server leaves behind would pass for the new one being up.
        for name in ("pipewire-0", "pipewire-0.lock", "pipewire-0-manager", "pipewire-0-manager.lock", "pulse/native"):
            try:
                os.unlink(os.path.join(self.runtime, name))
            except OSError:
                pass

    def start(self):
        """Starts the server again in the same runtime folder, with the same null sink."""
        if self.kind == "pipewire":
            self._start_pipewire_daemons()
        else:
            self._start_pulseaudio()

    def _spawn(self, argv, log):
        with open(os.path.join(self.runtime, log), "ab") as out:
            proc = subprocess.Popen(argv, env=self.environ(), stdin=subprocess.DEVNULL, stdout=out,
                                    stderr=subprocess.STDOUT)
        self.procs.append((proc, log))
        return proc

    def _pactl_ok(self, *args):
        return subprocess.run(["pactl", *args], env=self.environ(), stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL).returncode == 0

    def _wait(self, condition, what, timeout=15):
        deadline = time.monotonic() + timeout
        while not condition():
            for proc, log in self.procs:
                if proc.poll() is not None:
                    raise Unavailable(f"{proc.args[0]} exited at start: " + self._log(log)[-400:])
            if time.monotonic() > deadline:
                raise Unavailable(f"{self.kind}: not ready within {timeout} s: {what}")
            time.sleep(0.05)

    def _log(self, name="pulse.log"):
        try:
            with open(os.path.join(self.runtime, name), errors="replace") as f:
                return f.read()
        except OSError:
            return ""

    def server_pids(self):
        """The sound server's own processes (for their CPU), not the bus."""
        return [p.pid for p, _ in self.procs if p.args[0] != "dbus-daemon"]

    def environ(self, base=None):
        env = dict(os.environ if base is None else base)
        env.update(self.env)
        return env

    def pactl(self, *args):
        return subprocess.run(["pactl", *args], env=self.environ(), capture_output=True, text=True).stdout

    def sink_inputs(self):
        """The playing streams: each a dict of its properties, with its buffer
        latency (us) under "Buffer Latency"."""
        out = []
        for line in self.pactl("list", "sink-inputs").splitlines():
            line = line.strip()
            if line.startswith("Sink Input #"):
                out.append({})
            elif out and line.startswith("Buffer Latency:"):
                out[-1]["Buffer Latency"] = int(line.split()[2])
            elif out and " = " in line:
                key, value = line.split(" = ", 1)
                out[-1][key] = value[1:-1] if value.startswith('"') and value.endswith('"') else value
        return out

    def stream_latency(self, timeout=5):
        """Buffer latencies (us) of the playing streams, once the server has measured them."""
        deadline = time.monotonic() + timeout
        while True:
            found = [int(line.split()[2]) for line in self.pactl("list", "sink-inputs").splitlines()
                     if "Buffer Latency:" in line]
            if (found and all(found)) or time.monotonic() > deadline:
                return found
            time.sleep(0.05)

    def record(self, latency_msec=10):
        return Recorder(self, latency_msec)

    def _speechd_pids(self):
        pids = []
        folder = os.path.join(self.runtime, "speech-dispatcher", "pid")
        try:
            names = os.listdir(folder)
        except OSError:
            return pids
        for name in names:
            try:
                with open(os.path.join(folder, name)) as f:
                    pids.append(int(f.read().split()[0]))
            except (OSError, ValueError, IndexError):
                pass
        return pids

    def close(self):
        # A speech-dispatcher that a client spawned for this runtime folder is ours too.
        for pid in self._speechd_pids():
            _stop(pid)
        for proc, _ in reversed(self.procs):
            if proc.poll() is None:
                proc.terminate()
                try:
                    proc.wait(timeout=10)
                except subprocess.TimeoutExpired:
                    proc.kill()
                    proc.wait()
        self._remove()

    def _remove(self):
        shutil.rmtree(self.runtime, ignore_errors=True)


def _stop(pid):
    try:
        os.kill(pid, signal.SIGTERM)
    except OSError:
        return
    for _ in range(100):
        try:
            os.kill(pid, 0)
        except OSError:
            return
        time.sleep(0.02)
    try:
        os.kill(pid, signal.SIGKILL)
    except OSError:
        pass


class Recorder:
    """Records the sink's monitor as 16-bit samples. Each chunk read is stamped
    with the monotonic clock, so a sample's time is found from the chunks
    around it: the null sink's clock drifts against the system's. Its latency
    binds the sink too: while it records, the sink mixes no further ahead."""

    def __init__(self, server, latency_msec=10):
        self.channels = server.channels
        self.rate = server.rate
        self.samples = array.array("h")
        self.stamps = []  # (frames recorded so far, monotonic time when read)
        self.lock = threading.Lock()
        self.proc = subprocess.Popen(
            ["parec", "-d", "out.monitor", "--raw", "--format=s16le", f"--rate={self.rate}",
             f"--channels={self.channels}", f"--latency-msec={latency_msec}"],
            env=server.environ(), stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        self.thread = threading.Thread(target=self._read, daemon=True)
        self.thread.start()
        self.wait_frames(1, timeout=15)  # the stream is connected and flowing

    def _read(self):
        pending = b""
        frame = 2 * self.channels
        while True:
            data = self.proc.stdout.read1(4096) if hasattr(self.proc.stdout, "read1") else self.proc.stdout.read(4096)
            if not data:
                break
            now = time.monotonic()
            pending += data
            whole = len(pending) - len(pending) % frame
            chunk = array.array("h")
            chunk.frombytes(pending[:whole])
            pending = pending[whole:]
            with self.lock:
                self.samples.extend(chunk)
                self.stamps.append((len(self.samples) // self.channels, now))

    def frames(self):
        with self.lock:
            return len(self.samples) // self.channels

    def _wait(self, done, timeout, wanted):
        deadline = time.monotonic() + timeout
        while not done():
            if time.monotonic() > deadline or self.proc.poll() is not None:
                raise AssertionError(f"recorder stalled at {self.frames()} frames, wanted {wanted}")
            time.sleep(0.02)

    def last_read(self):
        with self.lock:
            return self.stamps[-1][1] if self.stamps else 0.0

    def wait_frames(self, count, timeout=30):
        self._wait(lambda: self.frames() >= count, timeout, count)

    def frame_at(self, when):
        """The frame that was being recorded at monotonic time `when`."""
        with self.lock:
            stamps = list(self.stamps)
        # A chunk read at t ends at frame n, recorded at t or before: each
        # chunk read after `when` bounds its frame from below. A reader that
        # stalled reads its backlog late, so the first such chunk alone
        # would place `when` too early; the best bound of the next two seconds is
        # close (the null sink's clock drifts against the system's over longer).
        best = None
        for n, t in stamps:
            if t > when + 2.0:
                break
            if t >= when:
                bound = n - int((t - when) * self.rate)
                best = bound if best is None else max(best, bound)
        if best is not None:
            return max(0, best)
        if not stamps:
            return 0
        n, t = stamps[-1]
        return n + int((when - t) * self.rate)

    def between(self, since, until, timeout=30):
        """First and end frame recorded between two monotonic times, once all
        of it is in. It waits for chunks read half a second past `until`, so
        the end is measured from them, not guessed from the rate while the
        reader may still be behind."""
        self._wait(lambda: self.last_read() >= until + 0.5, timeout, "a chunk read after the window")
        f0, f1 = self.frame_at(since), self.frame_at(until)
        self.wait_frames(f1, timeout)
        return f0, f1

    def time_of(self, frame):
        """Monotonic time at which `frame` reached the recorder (from the first chunk holding it)."""
        with self.lock:
            stamps = list(self.stamps)
        for n, t in stamps:
            if n >= frame:
                return t
        return None

    def mono(self, start=0, end=None):
        """Peak of the channels per frame, as absolute values."""
        with self.lock:
            total = len(self.samples) // self.channels
            end = total if end is None else min(end, total)
            c = self.channels
            part = self.samples[start * c:end * c]
        if c == 1:
            return [abs(v) for v in part]
        return [max(abs(part[i + k]) for k in range(c)) for i in range(0, len(part), c)]

    def channel(self, index, start=0, end=None):
        with self.lock:
            total = len(self.samples) // self.channels
            end = total if end is None else min(end, total)
            return self.samples[start * self.channels + index:end * self.channels:self.channels]

    def close(self):
        if self.proc.poll() is None:
            self.proc.terminate()
            self.proc.wait(timeout=10)
        self.thread.join(timeout=10)


def spans(levels, threshold=300, gap=None, rate=RATE, edges=False):
    """Stretches of sound: (first frame, last frame + 1) where the level
    passes `threshold`, joined across quiet stretches shorter than `gap`
    (default 5 ms, longer than a half-wave of any tone in the tests).
    `edges`: each stretch takes in the frames around it that are not quite
    silent, where the game's sounds fade in and out under the threshold."""
    gap = int(0.005 * rate) if gap is None else gap
    out = []
    start = last = None
    for i, v in enumerate(levels):
        if v > threshold:
            if start is None:
                start = i
            elif i - last > gap:
                out.append((start, last + 1))
                start = i
            last = i
    if start is not None:
        out.append((start, last + 1))
    if edges:
        wide = []
        for a, b in out:
            floor = wide[-1][1] if wide else 0
            while a > floor and levels[a - 1]:
                a -= 1
            while b < len(levels) and levels[b]:
                b += 1
            if wide and a <= wide[-1][1]:
                wide[-1] = (wide[-1][0], max(b, wide[-1][1]))
            else:
                wide.append((a, b))
        out = wide
    return out


def main(argv):
    if len(argv) < 2 or argv[0] != "run" or "--" not in argv:
        print(__doc__, file=sys.stderr)
        return 2
    split = argv.index("--")
    opts, command = argv[1:split], argv[split + 1:]
    channels = int(opts[opts.index("--channels") + 1]) if "--channels" in opts else 2
    kind = opts[opts.index("--server") + 1] if "--server" in opts else "pulseaudio"
    try:
        server = SoundServer(channels=channels, kind=kind)
    except Unavailable as e:
        print("skipped: no private sound server:", e)
        return SKIP
    try:
        env = server.environ()
        env["TUNZLE_SOUND_SERVER"] = "1"  # tests that need the server fail rather than skip
        return subprocess.run(command, env=env).returncode
    finally:
        server.close()


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
