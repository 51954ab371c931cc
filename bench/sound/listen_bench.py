"""Measures the real game at a private PulseAudio server (as the listening
tests run it, with the game's own OpenAL Soft settings):
  - the game's CPU over 10 idle seconds at the board, and while a run plays;
  - the stream's buffer latency at the server (pactl, sink input);
  - key to sink: from the moment xdotool has sent a key to the window to the
    first sample of the tile at the sink's monitor, over PRESSES presses.

  python3 bench/sound/listen_bench.py build/bin/Tunzle build/bin/tunzle_tone_song [PRESSES]

The onset's time is taken from the recorder's chunks around it (the null
sink's clock drifts against the system's), less the samples after it in its
chunk; it includes the recorder's own delivery (parec, 10 ms fragments), so
the figure is an upper bound of what reaches the sink.
"""
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


def cpu_share(pid, seconds):
    c0, t0 = cpu_seconds(pid), time.monotonic()
    time.sleep(seconds)  # the measurement's own window, not a wait for an event
    return (cpu_seconds(pid) - c0) / (time.monotonic() - t0)


def main():
    program, tone_tool = sys.argv[1], sys.argv[2]
    presses = int(sys.argv[3]) if len(sys.argv) > 3 else 50
    server = soundserver.SoundServer()
    s = test_listen.Session(server, 0, [1, 2, 3, 0, 5, 6, 4, 7, 8], (1, 1), program, tone_tool,
                            player_conf=False)
    try:
        s.resume()
        pid = s.game.proc.pid
        latency = [us / 1000 for us in server.stream_latency()]
        idle = cpu_share(pid, 10)
        s.key("f")  # a 16 s run
        s.trace.wait("songrun", "0", "16000")
        playing = cpu_share(pid, 10)
        s.key("z")  # any key silences the song
        s.wait_quiet()

        delays = []
        for n in range(presses):
            s.wait_quiet()
            mark = s.trace.mark()
            before = time.monotonic()
            s.key("o" if n % 2 else "Right" if (n // 2) % 2 == 0 else "Left")
            s.trace.wait("songrun", after=mark)
            f0 = s.rec.frame_at(before - 0.05)
            f1 = s.rec.frame_at(before + 0.5)
            s.rec.wait_frames(f1)
            found = soundserver.spans(s.rec.mono(f0, f1))
            if not found:
                continue
            onset = f0 + found[0][0]
            # The chunk that brought the onset: its read time, less the frames after the onset in it.
            with s.rec.lock:
                stamps = list(s.rec.stamps)
            end, when = next((n_, t) for n_, t in stamps if n_ > onset)
            heard_at = when - (end - onset) / s.rec.rate
            delays.append((heard_at - before) * 1000)
            s.key("z")
        delays.sort()
        p95 = delays[min(len(delays) - 1, int(round(0.95 * (len(delays) - 1))))]
        print(f"idle CPU over 10 s: {idle * 100:.2f} % of a core")
        print(f"CPU while a run plays (10 s): {playing * 100:.2f} % of a core")
        print(f"stream buffer latency at the server: {latency} ms")
        print(f"key to sink over {len(delays)} presses, from starting xdotool: median "
              f"{statistics.median(delays):.1f} ms, p95 {p95:.1f} ms, min {delays[0]:.1f} ms, max {delays[-1]:.1f} ms")
    finally:
        s.close()
        server.close()


if __name__ == "__main__":
    main()
