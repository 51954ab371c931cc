"""Measures the real game at a private sound server (as the listening tests
run it, with the game's own OpenAL Soft settings), under PulseAudio or
PipeWire (the game's own PipeWire stream):
  - the CPU of the game and of the sound server's processes over 10 idle
    seconds at the board (no recorder running then), and while a run plays;
  - the stream's buffer latency at the server (pactl, sink input);
  - key to sink: from the key press sent to the window to the first sample
    of the tile in the sink's mix, over PRESSES presses.

  python3 bench/sound/listen_bench.py build/bin/Tunzle build/bin/tunzle_tone_song [pulseaudio|pipewire] [PRESSES]

Keys are sent through libxdo from this process (no program started per key),
so the press leaves at the stamped time. The sink's clock is tracked around
each press: every chunk the recorder reads is stamped when it arrives, and a
frame's time is the frame count over the rate plus the smallest offset seen
among the chunks of the second after it (the chunk that arrived quickest).
No chunk arrives before its frames were mixed, so the figure is an upper
bound of the time to the sink's mix.
"""
import ctypes
import os
import statistics
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "tests", "e2e"))
sys.path.insert(0, os.path.join(HERE, "..", "..", "tests", "support"))
import soundserver  # noqa: E402
import test_listen  # noqa: E402

TICK = os.sysconf("SC_CLK_TCK")


def cpu_seconds(pid):
    """User and system time of the process, all its threads."""
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / TICK


def cpu_share(pids, seconds):
    """Share of one core each process used over the window."""
    c0, t0 = [cpu_seconds(p) for p in pids], time.monotonic()
    time.sleep(seconds)  # the measurement's own window, not a wait for an event
    dt = time.monotonic() - t0
    return [(cpu_seconds(p) - c) / dt for p, c in zip(pids, c0)]


class Keys:
    """Key presses through libxdo, into the window that has the focus."""

    def __init__(self, display):
        self.lib = ctypes.CDLL("libxdo.so.3")
        self.lib.xdo_new.restype = ctypes.c_void_p
        self.lib.xdo_new.argtypes = [ctypes.c_char_p]
        self.lib.xdo_send_keysequence_window.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_char_p,
                                                         ctypes.c_uint]
        self.xdo = self.lib.xdo_new(display.encode())
        if not self.xdo:
            raise RuntimeError("libxdo could not open the display")

    def press(self, key):
        """Sends the key; returns the monotonic time just before its press left."""
        t = time.monotonic()
        self.lib.xdo_send_keysequence_window(self.xdo, 0, key.encode(), 1000)
        return t


def sink_time(rec, frame, span=1.0):
    """Monotonic time at which `frame` was mixed, from the chunks of the
    second that follows it (the sink's pace changes when a stream comes or
    goes, so earlier chunks may belong to another)."""
    with rec.lock:
        stamps = list(rec.stamps)
    near = [(n, t) for n, t in stamps if frame < n <= frame + span * rec.rate]
    offset = min(t - n / rec.rate for n, t in near)
    return frame / rec.rate + offset


def main():
    program, tone_tool = sys.argv[1], sys.argv[2]
    kind = sys.argv[3] if len(sys.argv) > 3 else "pulseaudio"
    presses = int(sys.argv[4]) if len(sys.argv) > 4 else 50
    server = soundserver.SoundServer(kind=kind)
    s = test_listen.Session(server, 0, [1, 2, 3, 0, 5, 6, 4, 7, 8], (1, 1), program, tone_tool,
                            player_conf=False)
    try:
        s.resume()
        resumed = s.trace.mark()
        pid = s.game.proc.pid
        pids = [pid] + server.server_pids()
        latency = [us / 1000 for us in server.stream_latency(timeout=1)]
        s.trace.wait("output", "sleep", after=resumed, timeout=15)
        # The recorder would keep the server's graph running: idle is measured without it.
        s.rec.close()
        idle = cpu_share(pids, 10)
        s.rec = server.record()
        s.key("f")  # a 16 s run
        s.trace.wait("songrun", "0", "16000")
        playing = cpu_share(pids, 10)
        s.key("z")  # any key silences the song
        s.wait_quiet()

        keys = Keys(s.display.name)
        delays, after_sleep = [], []
        for n in range(presses):
            s.wait_quiet()
            asleep = n % 5 == 4  # every fifth press wakes a sleeping device
            if asleep:
                s.trace.wait("output", "sleep", after=s.trace.mark(), timeout=15)
            mark = s.trace.mark()
            before = keys.press("o" if n % 2 else "Right" if (n // 2) % 2 == 0 else "Left")
            s.trace.wait("songrun", after=mark)
            f0 = s.rec.frame_at(before - 0.05)
            f1 = s.rec.frame_at(before + 0.5)
            s.rec.wait_frames(f1 + int(2.0 * s.rec.rate))
            found = soundserver.spans(s.rec.mono(f0, f1))
            if not found:
                continue
            delay = (sink_time(s.rec, f0 + found[0][0]) - before) * 1000
            (after_sleep if asleep else delays).append(delay)
            s.key("z")
        delays.sort()
        p95 = delays[min(len(delays) - 1, int(round(0.95 * (len(delays) - 1))))]
        names = ["game"] + [f"server pid {p}" for p in pids[1:]]
        print(f"server: {kind}; load average {os.getloadavg()[0]:.1f} on {os.cpu_count()} cores")
        print("idle CPU over 10 s, % of a core: " + ", ".join(f"{n} {c * 100:.2f}" for n, c in zip(names, idle)))
        print("CPU while a run plays (10 s), % of a core: " +
              ", ".join(f"{n} {c * 100:.2f}" for n, c in zip(names, playing)))
        print(f"stream buffer latency at the server: {latency} ms")
        print(f"key to sink over {len(delays)} presses: median {statistics.median(delays):.1f} ms, "
              f"p95 {p95:.1f} ms, min {delays[0]:.1f} ms, max {delays[-1]:.1f} ms")
        if after_sleep:
            print(f"key to sink on a sleeping device over {len(after_sleep)} presses: median "
                  f"{statistics.median(after_sleep):.1f} ms, max {max(after_sleep):.1f} ms")
    finally:
        s.close()
        server.close()


if __name__ == "__main__":
    main()
