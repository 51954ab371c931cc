"""The real game heard at a private sound server: what the trace claims is
compared with what the sink's monitor recorded. Song: one steady tone per
tile (tunzle_tone_song), so each heard stretch tells its tile and length.

  test_listen.py TUNZLE TONE_SONG_TOOL stereo [SERVER]    keys after the output slept, tiles, runs, notes, win (no
                                                         speech), the stream's identity
  test_listen.py TUNZLE TONE_SONG_TOOL mono [SERVER]      a mono sink: intro, tiles, cues and their volume, both voices
  test_listen.py TUNZLE TONE_SONG_TOOL flac [SERVER]      the stereo game with a FLAC song
  test_listen.py TUNZLE TONE_SONG_TOOL dropouts [SERVER]  40 tiles, each play the same to the sample
SERVER: pulseaudio (the default) or pipewire.
"""
import os
import shutil
import subprocess
import sys
import threading
import time
import wave

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
sys.path.insert(0, os.path.join(HERE, "..", "support"))
import driver  # noqa: E402
import soundserver  # noqa: E402

TILE = 2.0
TILES = 8  # a 3 x 3 board's song
RATE = soundserver.RATE
# A tile's heard length may differ from its nominal one by this much: the
# null sink's clock against the sample count, and where a tone's half-wave
# first passes the level threshold.
LENGTH_TOLERANCE = 0.010
PLAYER_PERIOD = 1024
# Silence inside a sound put down to the machine's load rather than the game:
# a quarter of it (the server's underruns reached 131 ms in a 2 s tile under a
# load of 10 on 2 cores; a feeder that stalls loses far more).
MAX_GAPS = 0.25
# A sound claimed by the trace must start within this after the line is seen
# (the device's mix-ahead and the server's latency) ...
LATE = 0.4
# The first sound of a run of the game: its stream is new at the server.
INTRO_LATE = 2.0
# ... and not before it, less the trace's own polling and write delay.
EARLY = 0.1
# A run begun on a sleeping output ends, by the game's clock, at most this
# late: the stream's latency and the timer's, not the server's wake.
RUN_LATE = 0.150
# A recorder that holds the server to no short latency, as when nobody
# records: its idle sink then mixes this far ahead.
IDLE_RECORDER_MSEC = 500


def whole_cycle_end(tone):
    """The tone's last sample lies within one sample's step below zero, rising:
    the next would have started a new cycle."""
    return len(tone) > 2 and tone[-2] < tone[-1] <= 0 and -tone[-1] <= 1.5 * (tone[-1] - tone[-2])


def whole_cycle_start(tone):
    """The tone's first heard sample lies within one step above zero, rising."""
    return len(tone) > 2 and 0 < tone[0] < tone[1] and tone[0] <= 1.5 * (tone[1] - tone[0])


def splices(tone):
    """Places where the tone's cycles jump: samples lost on the way to the
    recorder without a gap of silence (a graph cycle the machine missed). A
    clean tile, and a clean change of tile, keeps every cycle's length."""
    ups = [i for i in range(1, len(tone)) if tone[i - 1] <= 0 < tone[i]]
    cycles = [b - a for a, b in zip(ups, ups[1:])]
    return sum(1 for before, c, after in zip(cycles, cycles[1:], cycles[2:])
               if abs(c - before) > 2 and abs(c - after) > 2)


def pitch_of(tile):
    return 330.0 + 110.0 * tile


class Trace(threading.Thread):
    """Follows the game's trace, stamping each new line with the monotonic
    time it was first seen, so sounds can be found in the recording."""

    def __init__(self, game):
        super().__init__(daemon=True)
        self.game = game
        self.seen = []  # (time, fields)
        self.cond = threading.Condition()
        self.stop = False
        self.start()

    def run(self):
        offset, pending = self.game.offset, ""
        while not self.stop:
            try:
                with open(self.game.trace, encoding="utf-8", errors="replace") as f:
                    f.seek(offset)
                    text = f.read()
                    offset = f.tell()
            except OSError:
                text = ""
            now = time.monotonic()
            pending += text
            *whole, pending = pending.split("\n")
            with self.cond:
                for line in whole:
                    if "\t" in line:
                        self.seen.append((now, line.split("\t")[1:]))
                self.cond.notify_all()
            time.sleep(0.005)

    def mark(self):
        with self.cond:
            return len(self.seen)

    def wait(self, *fields, after=0, timeout=30):
        """Index, time and fields of the first line from `after` starting with `fields`."""
        deadline = time.monotonic() + timeout
        with self.cond:
            while True:
                for i in range(after, len(self.seen)):
                    t, line = self.seen[i]
                    if line[:len(fields)] == list(fields):
                        return i, t, line
                left = deadline - time.monotonic()
                if left <= 0 or self.game.proc.poll() is not None:
                    raise AssertionError(f"trace never showed {fields}; last: {[l for _, l in self.seen[-6:]]}")
                self.cond.wait(min(left, 0.1))

    def wait_asleep(self, timeout=15):
        """Waits until the game's output has gone to sleep and not woken since."""
        deadline = time.monotonic() + timeout
        with self.cond:
            while True:
                states = [l[1] for _, l in self.seen if l[:1] == ["output"] and l[1:2] in (["sleep"], ["wake"])]
                if states and states[-1] == "sleep":
                    return
                left = deadline - time.monotonic()
                if left <= 0 or self.game.proc.poll() is not None:
                    raise AssertionError(f"the output never went to sleep; last: {[l for _, l in self.seen[-6:]]}")
                self.cond.wait(min(left, 0.1))

    def count(self, *fields, start=0, end=None):
        with self.cond:
            return sum(1 for _, l in self.seen[start:end] if l[:len(fields)] == list(fields))


def focused_name(game):
    r = subprocess.run(["xdotool", "getwindowfocus", "getwindowname"], env=game.env, capture_output=True, text=True)
    return r.stdout.strip()


def wait_focus(game, name, timeout=20):
    """Keys go to a window only once it holds the focus: wait for that, not a
    time. `name` is the start of the window's caption."""
    deadline = time.monotonic() + timeout
    while not focused_name(game).startswith(name):
        if time.monotonic() > deadline or game.proc.poll() is not None:
            raise AssertionError(f"focus never reached {name!r} (has {focused_name(game)!r})")
        time.sleep(0.02)


def frequency(samples):
    """Of a steady tone: crossings of zero, upward, per second."""
    ups = sum(1 for a, b in zip(samples, samples[1:]) if a < 0 <= b)
    return ups * RATE / max(1, len(samples))


WINDOW = 0.02


def tiles_heard(samples):
    """The tiles heard one after another: (tile, windows of 20 ms, first frame),
    each window's tile told by its tone's pitch; silent windows are skipped."""
    n = int(WINDOW * RATE)
    out = []
    for at in range(0, len(samples) - n + 1, n):
        w = samples[at:at + n]
        if max(abs(v) for v in w) < 2000:
            continue
        tile = round((frequency(w) - 330.0) / 110.0)
        if out and out[-1][0] == tile:
            out[-1][1] += 1
        else:
            out.append([tile, 1, at])
    return [tuple(t) for t in out]


def tile_stretches(samples):
    """As tiles_heard, joined across the odd window a dropout or a tile's edge
    makes unclear: [tile, windows, first frame] per tile heard in turn."""
    out = []
    for tile, n, at in tiles_heard(samples):
        if n * WINDOW < 0.1:
            continue
        if out and out[-1][0] == tile:
            out[-1][1] += n
        else:
            out.append([tile, n, at])
    return out


def short_tiles(stretches):
    """Tiles heard for less than their length, less what a busy server may drop."""
    return [(tile, n * WINDOW) for tile, n, _ in stretches if n * WINDOW < TILE * (1 - MAX_GAPS)]


def onsets(levels, floor=2000, rise=1.5, window=220):
    """Starts of sounds: 5 ms windows whose peak passes `floor` and is `rise`
    times the loudest of the 20 ms before (a note struck over a fading one)."""
    env = [max(levels[i:i + window], default=0) for i in range(0, len(levels), window)]
    found = []
    for w, v in enumerate(env):
        before = max(env[max(0, w - 4):w], default=0)
        if v > floor and v > rise * before:
            if not found or w - found[-1] > 10:  # one sound, not its first wobbles
                found.append(w)
    return [w * window for w in found]


class Session:
    def __init__(self, server, speech, board, cursor, program, tone_tool, player_conf=True, song="tones.mp3"):
        self.server = server
        self.display = driver.Display()
        self.appdata = driver.temp_player_folder()
        folder = os.path.join(self.appdata, "Music Tunzle")
        os.makedirs(folder)
        self.song = os.path.join(folder, song)
        subprocess.run([tone_tool, self.song, str(TILES), str(TILE)], check=True)
        empty = board.index(0)
        header = [cursor[0], cursor[1], empty // 3 + 1, empty % 3 + 1, 3, 3, "2", "#FALSE#", 0, "#FALSE#",
                  f'"{self.song}"', 0]
        with open(os.path.join(folder, "SaveGame.gam"), "w", newline="") as f:
            f.write(",".join(str(v) for v in header) + "\r\n" + "".join(f"{v}\r\n" for v in board))
        # The player's own OpenAL Soft periods, longer than the game's: they must
        # win, and with the mixer's real-time priority (where allowed) they keep
        # a busy test machine from breaking up the sound.
        self.rec = server.record()
        env = server.environ({})
        if player_conf:
            env["ALSOFT_CONF"] = os.path.join(self.appdata, "alsoft.conf")
            with open(env["ALSOFT_CONF"], "w") as f:
                f.write(f"[general]\nperiod_size = {PLAYER_PERIOD}\nperiods = 4\nrt-prio = 1\n")
        self.game = driver.Game(program, self.display, self.appdata, args=[str(speech)], env=env)
        self.trace = Trace(self.game)
        self.dropouts = 0

    def __enter__(self):
        return self

    def __exit__(self, kind, value, tb):
        keep = os.environ.get("TUNZLE_KEEP_LOGS")
        if kind and keep:
            self.keep(os.path.join(keep, f"listen-{sys.argv[3]}-{self.server.kind}"))
        self.close()

    def keep(self, folder):
        """What a failure is read from: the whole recording, when each part of
        it was read, each trace line and when it was seen, the server's logs."""
        os.makedirs(folder, exist_ok=True)
        with self.rec.lock:
            samples, stamps = self.rec.samples[:], list(self.rec.stamps)
        with wave.open(os.path.join(folder, "monitor.wav"), "wb") as w:
            w.setnchannels(self.rec.channels)
            w.setsampwidth(2)
            w.setframerate(self.rec.rate)
            w.writeframes(samples.tobytes())
        with open(os.path.join(folder, "reads.txt"), "w") as f:
            f.writelines(f"{frames}\t{at:.4f}\n" for frames, at in stamps)
        with self.trace.cond:
            seen = list(self.trace.seen)
        with open(os.path.join(folder, "trace-seen.txt"), "w") as f:
            f.write(f"failed at {time.monotonic():.4f}\n")
            f.writelines(f"{at:.4f}\t" + "\t".join(line) + "\n" for at, line in seen)
        for name in os.listdir(self.server.runtime):
            if name.endswith(".log"):
                shutil.copy(os.path.join(self.server.runtime, name), folder)
        if os.path.exists(self.game.trace):
            shutil.copy(self.game.trace, folder)
        print("kept in", folder)

    def close(self):
        print(f"gaps and splices inside runs (server underruns): {self.dropouts}")
        self.trace.stop = True
        self.game.kill()
        self.rec.close()
        self.display.close()
        driver.cleanup(self.appdata)

    def key(self, *keys):
        self.game.key(*keys, delay=20)

    def wait_quiet(self, quiet=0.06, timeout=10):
        """Waits until the monitor has been silent for `quiet` seconds, so the
        next sound is measured from silence, not joined to the last one's tail."""
        deadline = time.monotonic() + timeout
        n = int(quiet * RATE)
        while True:
            end = self.rec.frames()
            if end >= n and not soundserver.spans(self.rec.mono(end - n, end)):
                return
            if time.monotonic() > deadline:
                raise AssertionError("the monitor never fell silent")
            time.sleep(0.01)

    def heard(self, since, until, gap=None):
        """Stretches of sound between two monotonic times, in frames from `since`."""
        f0, f1 = self.rec.between(since, until)
        return f0, soundserver.spans(self.rec.mono(f0, f1), gap=gap, edges=True)

    def run_window(self, pressed, paused_seen):
        """First and end frame of a run's sound, from just before its key. The
        trace's pause line comes once the run's last sample is mixed, which the
        monitor hears a stream's latency later, and later still after the server
        stalls: while sound still reaches the window's edge, the window grows."""
        until = paused_seen + 0.3
        while True:
            f0, f1 = self.rec.between(pressed - 0.05, until)
            found = soundserver.spans(self.rec.mono(f0, f1))
            if not found or f1 - f0 - found[-1][1] >= RATE // 10 or until > paused_seen + 3:
                return f0, f1
            until += 0.3

    def claimed(self, index, t, what, min_length=0.0, late=LATE):
        """The sound of trace line `index` (seen at t) is heard: a stretch starts
        within the allowed window around the line and lasts `min_length`."""
        f0, found = self.heard(t - EARLY, t + late + max(min_length, 0.05) * (1 + MAX_GAPS) + 0.05)
        if os.environ.get("LISTEN_DEBUG"):
            print(what, found, flush=True)
        starts = [i for i, (s, e) in enumerate(found) if s <= (EARLY + late) * RATE]
        assert starts, f"{what}: the trace says it sounded, nothing was heard (line {index})"
        s = found[starts[0]][0]
        total = sum(b - a for a, b in found[starts[0]:]) / RATE
        assert total >= min_length * (1 - MAX_GAPS), f"{what}: heard {total:.3f} s, wanted {min_length} s"
        return f0 + s

    def play_run(self, *keys, tile=None, asleep=False):
        """Presses keys that start one run of tiles and waits for the tile timer
        to end it; checks the trace's pause against the run's end and the heard
        stretch against the run's length, each of its tiles heard in turn (and
        its pitch for a single tile). `asleep`: the keys wait for the game's
        output to sleep, and the pause must come on time after its wake."""
        self.wait_quiet()
        if asleep:
            self.trace.wait_asleep()
        mark = self.trace.mark()
        pressed = time.monotonic()
        self.key(*keys)
        i, _, run = self.trace.wait("songrun", after=mark)
        j, paused_seen, pause = self.trace.wait("songpause", after=i + 1, timeout=70)
        start, ms, pos = float(run[1]), int(run[2]), float(pause[1])
        assert ms > 0, run
        end = start + ms / 1000.0
        assert pos >= end - 0.0005, f"{keys}: the timer paused at {pos}, before the run's end {end}"
        ran_dry = self.trace.count("output", "underrun", start=i, end=j) + self.trace.count("songstarved", start=i, end=j)
        if asleep and not ran_dry:
            # By the game's own clock, from its run to its pause: a wake that
            # held the sound back shows here whatever the recorder heard. (A
            # stream or a song source that ran dry waits for the game as long
            # as a busy machine made it late; what is heard of that run is
            # judged below, as any run's gaps are.)
            timed = self.game.timed()
            late = timed[j][0] - timed[i][0] - ms / 1000.0
            assert late <= RUN_LATE, \
                f"{keys}: after a sleep the run of {ms} ms ended {late * 1000:.0f} ms late: {timed[i:j + 1]}"
        # A busy machine makes the server miss some of the device's short
        # periods (seen under a load of 10 on 2 cores): a gap of silence that
        # delays the rest of the run or stands for samples it dropped. So what
        # is heard, less the gaps, is never longer than the run, and its extent
        # reaches the run's length; a run cut short fails.
        f0, f1 = self.run_window(pressed, paused_seen)
        found = soundserver.spans(self.rec.mono(f0, f1), edges=True)
        if os.environ.get("LISTEN_DEBUG"):
            print(keys, "pressed", self.rec.frame_at(pressed) - f0, "found", found,
                  [round(frequency(self.rec.channel(0, f0 + a, f0 + b))) for a, b in found], flush=True)
        assert found, f"{keys}: nothing heard of the run the trace claims"
        extent = (found[-1][1] - found[0][0]) / RATE
        gaps = sum(b - a for (_, a), (b, _) in zip(found, found[1:])) / RATE
        want = ms / 1000.0
        # Every tile holds whole cycles of its tone, so a run heard to its last
        # sample ends as a cycle ends; a run cut anywhere else does not.
        a, b = f0 + found[0][0], f0 + found[-1][1]
        tone = self.rec.channel(0, a, b)
        assert whole_cycle_end(tone), f"{keys}: the run was cut off, not ended on its last sample ({list(tone[-3:])})"
        # The server may drop a run's first stretch when the machine stalls the
        # mixer as it starts: the tone then begins mid-cycle, shortened. A
        # missed cycle inside the run may drop samples without a gap: a splice.
        start_lost = not whole_cycle_start(tone)
        spliced = splices(tone)
        self.dropouts += start_lost + spliced
        if os.environ.get("LISTEN_DEBUG"):
            print(keys, "start lost" if start_lost else "", "splices", spliced, flush=True)
        short_ok = MAX_GAPS * want if start_lost or spliced else LENGTH_TOLERANCE
        # On failure, the game's own account of the run (an "output underrun"
        # is the server finding the game's stream empty, "songstarved" the
        # feeder late) tells the game's fault from the server's.
        assert extent - gaps <= want + LENGTH_TOLERANCE and extent >= want - short_ok, \
            (f"{keys}: run of {ms} ms heard over {extent * 1000:.1f} ms with {gaps * 1000:.1f} ms of gaps: {found}; "
             f"the game's trace: {[l for _, l in self.trace.seen[mark:]]}")
        self.dropouts += len(found) - 1
        assert gaps <= MAX_GAPS * want, f"{keys}: {gaps * 1000:.0f} ms of dropouts in {found}"
        length = extent
        if ms > TILE * 1000:
            first = round(start / TILE) + 1
            tiles = tile_stretches(tone)
            assert [t for t, _, _ in tiles] == list(range(first, first + round(ms / 1000 / TILE))), \
                f"{keys}: the run's tiles in turn, heard {tiles}"
            assert not short_tiles(tiles), f"{keys}: tiles heard too briefly: {short_tiles(tiles)} in {tiles}"
        if tile is not None:
            assert round(start / TILE) + 1 == tile, f"{keys}: the trace ran tile {start / TILE + 1}, not {tile}"
            a, b = max(found, key=lambda span: span[1] - span[0])
            got = frequency(self.rec.channel(0, f0 + a, f0 + min(b, a + RATE // 4)))
            assert abs(got - pitch_of(tile)) < 15, f"{keys}: heard {got:.0f} Hz, tile {tile} is {pitch_of(tile)}"
        return length

    def resume(self):
        """Answers Yes to the saved game and checks the intro was heard first."""
        i, t, _ = self.trace.wait("sound", "INTRO0.WAV", timeout=30)
        # The first sound also waits for the game's stream to be set up at the
        # server, which a busy machine may take a second or more to do.
        self.claimed(i, t, "the intro", min_length=5.0, late=INTRO_LATE)
        self.trace.wait("msgbox", "Save Game?", timeout=30)
        wait_focus(self.game, "Save Game?")
        mark = self.trace.mark()
        self.key("Return")
        # The resumed game plays its in-order tiles: wait for the timer to end them.
        # Opening the song starts it untimed, and the game pauses it at once.
        i, _, line = self.trace.wait("songrun", after=mark)
        while line[2] == "0":
            i, _, line = self.trace.wait("songrun", after=i + 1, timeout=30)
        self.trace.wait("songpause", after=i + 1, timeout=30)
        # Any key stops the voice, still reading what came before.
        self.key("z")
        self.wait_quiet(timeout=30)


def game_stream(s, timeout=10):
    """The game's stream at the server, while it plays."""
    deadline = time.monotonic() + timeout
    while True:
        mine = [i for i in s.server.sink_inputs() if i.get("application.process.id") == str(s.game.proc.pid)]
        if mine:
            return mine[0]
        if time.monotonic() > deadline:
            raise AssertionError(f"no stream of the game at the server: {s.server.sink_inputs()}")
        time.sleep(0.05)


def check_identity(s):
    """The stream says who it is, and runs with the player's own periods."""
    mark = s.trace.mark()
    s.key("f")  # a long run, so the stream is there to be looked at
    i, t, _ = s.trace.wait("songrun", after=mark)
    stream = game_stream(s)
    s.claimed(i, t, "the whole song", min_length=0.2)
    s.key("z")
    for key, want in (("application.name", "Music Tunzle"), ("application.icon_name", "io.github.musictunzle.Tunzle"),
                      ("media.role", "game")):
        assert stream.get(key) == want, f"{key} is {stream.get(key)!r}, not {want!r}: {stream}"
    # Nothing empty, nothing that is another property's name (a value read past its end).
    names = {"t" + k for k in stream}
    bad = {k: v for k, v in stream.items() if k != "Buffer Latency" and v in names}
    assert not bad, f"garbled properties: {bad}"
    assert stream.get("media.name"), stream
    if s.server.kind == "pipewire":
        # pipewire-pulse shows no buffer latency; the graph's quantum is the period asked.
        assert int(stream["node.latency"].split("/")[0]) >= PLAYER_PERIOD, f"the player's periods lost: {stream}"
    else:
        # The game's own periods give the stream about 17 ms; the player's, far more.
        latency = stream["Buffer Latency"] or s.server.stream_latency()[0]
        assert latency >= 2 * 3 * 256 * 1e6 / RATE, f"the player's periods lost: {latency} us"
    s.wait_quiet()


def after_sleep(s):
    """A player who thinks between moves: each key once the output has slept,
    on the first row (the cursor ends where it began), then the whole board.
    Recorded so the server idles as it does with nobody recording."""
    s.rec.close()
    s.rec = s.server.record(latency_msec=IDLE_RECORDER_MSEC)
    for key, tile in (("o", 1), ("Right", 2), ("o", 2), ("Left", 1), ("o", 1)):
        s.play_run(key, tile=tile, asleep=True)
    s.play_run("f", asleep=True)
    s.rec.close()
    s.rec = s.server.record()


def stereo(server, program, tone_tool, song="tones.mp3", asleep=False):
    # 1 2 3 / _ 5 6 / 4 7 8: sliding 4 up joins 4, 5 and 6; then 7, then 8 wins.
    s = Session(server, 0, [1, 2, 3, 0, 5, 6, 4, 7, 8], (1, 1), program, tone_tool, song=song)
    with s:
        s.resume()
        if asleep:
            after_sleep(s)
        check_identity(s)
        # Twenty tiles in a row, by arrows and by O, none cut short.
        steps = [("Right", 2), ("o", 2), ("Right", 3), ("o", 3), ("Down", 6), ("o", 6), ("Left", 5), ("o", 5),
                 ("Down", 7), ("o", 8), ("Right", 8), ("Up", 6), ("o", 6), ("Up", 3), ("o", 3), ("Left", 2),
                 ("o", 2), ("Left", 1), ("o", 1), ("Right", 2), ("o", 2), ("Left", 1)]
        for key, tile in steps:
            s.play_run(key, tile=tile)
        # F: the whole board's run ends on its last sample, not early.
        s.play_run("f")

        # Down twice (over the empty square) to tile 4 below it, then Space.
        mark = s.trace.mark()
        s.key("Down", "Down")
        i, _, _ = s.trace.wait("songrun", after=mark)
        s.trace.wait("songpause", after=i, timeout=10)  # the tile under the cursor, ended by its timer
        s.wait_quiet()
        mark = s.trace.mark()
        pressed = time.monotonic()
        s.key("space")
        i, t_run, run = s.trace.wait("songrun", after=mark, timeout=10)
        assert run[1] == "0", run
        notes = s.trace.count("sound", "NOTE.WAV", start=mark, end=i)
        assert notes == 3, f"the trace played {notes} notes for three joined tiles"
        f0, _ = s.heard(pressed, t_run + 0.1)
        heard = onsets(s.rec.mono(f0, s.rec.frame_at(t_run + 0.1)))
        assert len(heard) == notes + 1, f"{notes} notes and the run: heard {len(heard)} onsets"
        # What follows the notes is the run, from tile 1 (past the square's cue).
        first = f0 + heard[-1]
        s.rec.wait_frames(first + RATE * 2)
        got = frequency(s.rec.channel(0, first + RATE // 2, first + RATE))
        assert abs(got - pitch_of(1)) < 15, f"the run after the notes starts at {got:.0f} Hz"

        # 7 joins (one note), then 8 wins: its note, ten more, the whole song.
        mark = s.trace.mark()
        s.key("Right", "space")
        s.trace.wait("songrun", "0", after=mark, timeout=10)
        mark = s.trace.mark()
        s.key("Right")
        i, _, _ = s.trace.wait("songrun", after=mark)
        s.trace.wait("songpause", after=i, timeout=10)
        s.wait_quiet()
        mark = s.trace.mark()
        pressed = time.monotonic()
        s.key("space")
        i, t_song, run = s.trace.wait("songrun", "0", "0", after=mark, timeout=15)
        # The question comes once the whole song has been heard.
        q, _, _ = s.trace.wait("msgbox", "Congratulations", after=mark, timeout=TILES * TILE + 15)
        notes = s.trace.count("sound", "NOTE.WAV", start=mark, end=i)
        assert notes == 11, f"the trace played {notes} notes for the last tile and the win"
        # The moves and time are said after the song (and a pause): the song is heard up to them.
        with s.trace.cond:
            words = [t for t, line in s.trace.seen[i:q] if line[:1] == ["speak"]]
        f0, found = s.heard(pressed, min([t_song + TILES * TILE + 1.0] + words))
        assert found, "nothing heard of the win"
        song = tile_stretches(s.rec.channel(0, f0, f0 + found[-1][1]))
        assert [tile for tile, _, _ in song[-TILES:]] == list(range(1, TILES + 1)), \
            f"the whole song in order after the notes: heard tiles {song}; heard {found}; " \
            f"the game's trace: {[l for _, l in s.trace.seen[mark:]]}"
        short = short_tiles(song[-TILES:])
        assert not short, f"tiles of the whole song heard too briefly: {short} in {song}; heard {found}"
        # The song ends on its last sample (checked as runs are), so it began
        # its length before that; the last note fades out over its first 150 ms.
        song_end = found[-1][1]
        tone = s.rec.channel(0, f0 + song_end - RATE // 10, f0 + song_end)
        assert whole_cycle_end(tone), "the whole song was cut off before its end"
        # (A dropout in the song moves its end, not its first tile.)
        song_start = min(song_end - int(TILES * TILE * RATE), song[-TILES][2])
        notes_heard = onsets(s.rec.mono(f0, f0 + song_start - int(0.03 * RATE)))
        assert len(notes_heard) == notes, \
            f"{notes} notes in the trace, {len(notes_heard)} heard at {[round(n / RATE, 3) for n in notes_heard]} s " \
            f"before the song at {song_start / RATE:.3f} s"


def mono(server, program, tone_tool):
    # 1 2 3 / 4 5 6 / 7 _ 8, cursor on 1; the built-in voice speaks.
    s = Session(server, 3, [1, 2, 3, 4, 5, 6, 7, 0, 8], (1, 1), program, tone_tool)
    with s:
        s.resume()
        s.play_run("o", tile=1)
        s.play_run("Down", tile=4)
        # Cues: F3 at the loudest song volume bumps; Ctrl+B goes to the empty square.
        for key, name in (("F3", "BOOP2.WAV"), ("ctrl+b", "NOTILE.WAV")):
            s.wait_quiet()
            mark = s.trace.mark()
            s.key(key)
            i, t, _ = s.trace.wait("sound", name, after=mark)
            s.claimed(i, t, name, min_length=0.2)
        # The cues' volume: the same bump at full volume and 20 dB below it (F12 ten times).
        peaks = []
        for keys in (("F3",), ("F12",) * 10):
            s.wait_quiet()
            mark = s.trace.mark()
            s.key(*keys)
            if len(keys) > 1:
                s.trace.wait("speak", "3", "Sound effects 33 percent.", after=mark, timeout=15)
                s.wait_quiet(quiet=0.5, timeout=15)
                mark = s.trace.mark()
                s.key("F3")
            i, t, _ = s.trace.wait("sound", "BOOP2.WAV", after=mark)
            start = s.claimed(i, t, "the bump", min_length=0.1)
            peaks.append(max(s.rec.mono(start, start + RATE // 5)))
        print(f"the bump's peak at full cue volume and 20 dB below: {peaks}")
        assert peaks[1] * 5 < peaks[0], f"the bump's peak at full cue volume and 20 dB below: {peaks}"
        # B says where the empty square is: through the built-in voice, then
        # through the screen reader's speech server.
        s.wait_quiet()
        mark = s.trace.mark()
        s.key("b")
        i, t, line = s.trace.wait("speak", after=mark, timeout=15)
        assert line[1:] == ["3", "3, 2"], line
        s.claimed(i, t, "speech type 3", min_length=0.3)
        mark = s.trace.mark()
        s.key("F5")
        s.trace.wait("pick", "Select Speech Type", after=mark)
        wait_focus(s.game, "Select")
        s.key("Up", "Return")  # the list opens on the voice in use; Screen reader is above it
        s.trace.wait("answer", "1", after=mark)
        # Back on the board, the new speech says its name.
        s.trace.wait("speak", "1", "Screen reader", after=mark, timeout=15)
        # No window manager here gives the focus back when the dialog closes.
        subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Music Tunzle ", "windowfocus"], env=s.game.env)
        wait_focus(s.game, "Music Tunzle")
        s.wait_quiet()
        mark = s.trace.mark()
        s.key("b")
        i, t, line = s.trace.wait("speak", after=mark, timeout=15)
        assert line[1:] == ["1", "3, 2"], line
        # The server starts its voice module on first use: allow it seconds, not
        # the cue's fraction of one.
        f0, found = s.heard(t - EARLY, t + 8)
        assert found, "speech type 1: the trace says it was spoken, nothing was heard"
        length = sum(e - a for a, e in found) / RATE
        assert length >= 0.3, f"speech type 1 heard for only {length:.2f} s"


PLAYS = int(os.environ.get("LISTEN_PLAYS", "40"))
# A dropout: a run of silent frames inside a tile (the server's quantum is 256
# or 512 frames; no tile of the tone song holds even one silent frame).
DROPOUT_FRAMES = 128


def restart(server, program, tone_tool):
    """The sound server dies under a playing song and comes back: meanwhile
    the game answers keys (a run still ends, by its own clock); then it says
    the sound is back, with the built-in voice that plays through it, and the
    next tiles are heard."""
    s = Session(server, 3, [1, 2, 3, 0, 5, 6, 4, 7, 8], (1, 1), program, tone_tool)
    with s:
        s.resume()
        mark = s.trace.mark()
        s.key("f")
        s.trace.wait("songrun", after=mark)
        s.rec.close()
        server.stop()
        lost, _, _ = s.trace.wait("output", "lost", after=mark, timeout=10)
        mark = s.trace.mark()
        s.key("o")
        i, _, _ = s.trace.wait("songrun", after=mark)
        s.trace.wait("songpause", after=i + 1, timeout=10)
        server.start()
        s.rec = server.record()
        s.trace.wait("output", "back", after=lost, timeout=20)
        _, t, _ = s.trace.wait("speak", "3", "The sound is back.", after=lost, timeout=10)
        # A recorder new at a new server places sounds only roughly: heard at all will do.
        _, found = s.heard(t - EARLY, t + 2.0)
        assert sum(b - a for a, b in found) >= 0.4 * RATE, f"the voice saying the sound is back: heard {found}"
        s.wait_quiet(quiet=0.5)  # longer than the pauses between its words
        for key, tile in (("Right", 2), ("Left", 1), ("Right", 2)):
            s.play_run(key, tile=tile)


def dropouts(server, program, tone_tool):
    """Tiles 2 and 1 in turn by Right and Left, a tile every few seconds, the
    game's own periods; every tenth wakes a sleeping device. Each play is cut
    from the recording at its first sound and compared with the others of its
    tile sample by sample: clean plays are identical."""
    s = Session(server, 0, [1, 2, 3, 0, 5, 6, 4, 7, 8], (1, 1), program, tone_tool, player_conf=False)
    with s:
        s.resume()
        plays = {1: [], 2: []}
        gaps = []
        for n in range(PLAYS):
            s.wait_quiet()
            if n % 10 == 9:
                s.trace.wait("output", "sleep", after=s.trace.mark(), timeout=15)
            key, tile = ("Right", 2) if n % 2 == 0 else ("Left", 1)
            mark = s.trace.mark()
            pressed = time.monotonic()
            s.key(key)
            i, _, _ = s.trace.wait("songrun", after=mark)
            _, paused_seen, _ = s.trace.wait("songpause", after=i + 1, timeout=30)
            f0, f1 = s.run_window(pressed, paused_seen)
            left, right = s.rec.channel(0, f0, f1), s.rec.channel(1, f0, f1)
            sounding = [k for k in range(len(left)) if left[k] or right[k]]
            assert sounding, f"play {n} ({key}): nothing heard"
            a, b = sounding[0], sounding[-1] + 1
            silent = run = 0
            for k in range(a, b):
                run = run + 1 if not (left[k] or right[k]) else 0
                if run == DROPOUT_FRAMES:
                    silent += 1
                if run and (left[k + 1] or right[k + 1]) and run >= DROPOUT_FRAMES and os.environ.get("LISTEN_DEBUG"):
                    print(f"play {n} ({key}): {run} silent frames ending at {k - a + 1} of {b - a}", flush=True)
            if silent:
                gaps.append((n, key, silent))
            # Heard from its first sample to its last: the tile's length, no more, no less.
            if abs((b - a) / RATE - TILE) > LENGTH_TOLERANCE:
                gaps.append((n, key, f"heard for {(b - a) / RATE:.4f} s"))
            plays[tile].append((n, bytes(left[a:b]) + bytes(right[a:b])))
        print(f"server underruns the game was told of: {s.trace.count('output', 'underrun')}; "
              f"song feeder starved: {s.trace.count('songstarved')}")
        print(f"{PLAYS} plays at {server.kind}: dropouts in {gaps or 'none'}; versions per tile: "
              f"{ {t: len({d for _, d in h}) for t, h in plays.items()} }")
        assert not gaps, f"dropouts (play, key, count): {gaps}"
        for tile, heard in plays.items():
            versions = {}
            for n, data in heard:
                versions.setdefault(data, []).append(n)
            common = max(versions.values(), key=len)
            odd = sorted(n for ns in versions.values() if ns is not common for n in ns)
            if odd and os.environ.get("LISTEN_DEBUG"):
                ref = next(d for d, ns in versions.items() if ns is common)
                for d, ns in versions.items():
                    if ns is common:
                        continue
                    first = next((k for k in range(min(len(d), len(ref))) if d[k] != ref[k]), None)
                    print(f"tile {tile} plays {ns}: {len(d) // 4} frames against {len(ref) // 4}, first differing byte "
                          f"{first}, head {list(d[:8])} vs {list(ref[:8])}", flush=True)
            assert not odd, f"tile {tile}: plays {odd} differ from plays {common}"


def main():
    global RATE
    program, tone_tool, mode = sys.argv[1], sys.argv[2], sys.argv[3]
    kind = sys.argv[4] if len(sys.argv) > 4 else "pulseaudio"
    channels = 1 if mode == "mono" else 2
    try:
        server = soundserver.SoundServer(channels=channels, kind=kind)
    except soundserver.Unavailable as e:
        print("skipped:", e)
        sys.exit(soundserver.SKIP)
    RATE = server.rate
    try:
        if mode == "mono":
            mono(server, program, tone_tool)
        elif mode == "dropouts":
            dropouts(server, program, tone_tool)
        elif mode == "restart":
            restart(server, program, tone_tool)
        else:
            # The same game with a FLAC song: its tiles must be heard as exactly.
            # The keys after a sleep are played once, with the MP3.
            stereo(server, program, tone_tool, song="tones.flac" if mode == "flac" else "tones.mp3",
                   asleep=mode == "stereo")
    finally:
        server.close()
    print("1 passed, 0 failed")


if __name__ == "__main__":
    main()
