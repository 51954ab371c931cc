"""A first run heard through the built-in voice alone, no screen reader: the
speech question, the tutorial taken to its end (a wrong key corrected, hints
followed, nothing of it kept), the song selector (a folder typed, then a song), the size,
the tile length kept, a whole 3 x 3 game to the win, No to another game, the
farewell. Asserts from the trace that every question, state and value was
said once, and that speech never ran over a tile or the reward song.

Usage: test_first_run_voice.py TUNZLE TONE_SONG_MAKER"""
import os
import re
import subprocess
import sys

sys.path.insert(0, os.path.dirname(__file__))
import driver  # noqa: E402
from test_play_to_win import solve  # noqa: E402

PROGRAM, TONE_SONG = sys.argv[1], sys.argv[2]
TILES, TILE = 8, 2.0  # the tone song: tile k is a tone of its own, two seconds each, as the game's tiles
SPEAK = "speak", "3"


def said(game, text):
    return game.count(*SPEAK, text)


def said_once(game, *texts):
    for text in texts:
        assert said(game, text) == 1, f"{text!r} said {said(game, text)} times"


def wait_said(game, text, timeout=20):
    return game.wait_for(*SPEAK, text, timeout=timeout)


def wait_new(game, mark, *fields, timeout=15):
    return game.wait_for(*fields, after=mark, timeout=timeout)


def tutorial(game, folder):
    """Yes to the first start's offer, then every step with its key, as a player
    who waits for each step's words."""
    box = game.wait_for("msgbox", "Tutorial", timeout=40)
    wait_new(game, box, *SPEAK, "yes")  # the button with the focus
    game.key("Return")
    game.wait_said("Tutorial. A song is cut into tiles of one second")
    game.wait_said("The cursor is on the top left square.")
    steps = [(["Right"], "Good. Every square is the home"),
             (["n"], "Not that key now. Every square is the home"),  # N would start a new game
             (["o"], "Good. Press B"), (["b"], "Good. Press Control+B"),
             (["ctrl+b"], "Good. A tile beside the empty square"),
             (["space"], "That beep means nothing can slide"),  # the cursor is on the empty square
             (["Down", "space"], "Good. The cursor went with the empty square."),
             (["Left", "Left", "space"], "Good. When a slide brings tiles home"),
             (["p"], "Good. Press E"), (["e"], "Good. Press M"), (["m"], "Good. Whenever you land"),
             (["Down", "g"], "Good. Press I"), (["i"], "Good. Press U"), (["u"], "Good. Now put the whole song")]
    for keys, words in steps:
        mark = len(game.lines())
        game.key(*keys)
        game.wait_until(lambda line: line[:2] == list(SPEAK) and line[2].startswith(words), words, 15, mark)
    # The undo left 1 2 3 / 8 5 _ / 4 7 6 with the cursor on the empty square:
    # each hint is one slide of the shortest way home.
    row, col = 2, 3
    for n in range(len(solve([1, 2, 3, 8, 5, 0, 4, 7, 6]))):
        mark = len(game.lines())
        game.key("h")
        i = game.wait_until(lambda line: line[:2] == list(SPEAK) and line[2].startswith("Hint: "), "a hint", 10, mark)
        r, c = map(int, re.fullmatch(r"Hint: slide the tile on row (\d), column (\d)\.", game.lines()[i][2]).groups())
        assert abs(r - row) + abs(c - col) == 1, f"hint {r}, {c} is not beside the empty square {row}, {col}"
        game.key({(1, 0): "Down", (-1, 0): "Up", (0, 1): "Right", (0, -1): "Left"}[(r - row, c - col)], "space")
        row, col = r, c
    mark = game.wait_said("Solved! That was the song in order. The tutorial is over.", timeout=20)[0]
    solved = [line for line in game.lines()[:mark] if line[0] == "songrun"][-1]
    assert solved[1:] == ["0", "8000"], f"the last slide's run is the whole board in order: {solved}"
    assert sorted(os.listdir(folder)) == ["sample.mp3"], f"the tutorial kept something: {os.listdir(folder)}"


def main():
    display = driver.Display()
    appdata = driver.temp_player_folder()
    music = os.path.join(appdata, "My Music")
    os.makedirs(music)
    song = os.path.join(music, "tones.mp3")
    subprocess.run([TONE_SONG, song, str(TILES), str(TILE)], check=True)
    game = None
    try:
        game = driver.Game(PROGRAM, display, appdata)
        # The first question, in the built-in voice before anything is chosen:
        # its title, the choice it opens on, how to answer and leave.
        game.wait_for("pick", "Select Speech Type", timeout=20)
        hint = "Up and Down to choose, Enter to select, Escape to cancel."
        i = wait_said(game, hint)
        assert [line[2] for line in game.lines()[i - 2:i + 1] if line[:2] == list(SPEAK)] == [
            "Select Speech Type", "Built-in voice", hint], game.lines()[:i + 1]
        game.key("Return")
        game.wait_for("answer", "3")
        tutorial(game, os.path.join(appdata, "Music Tunzle"))
        selector = len(game.lines())

        # The selector: its title, the focused entry, then how to leave.
        wait_said(game, "Escape plays the sample song.", timeout=30)
        said_once(game, "Select Music File to tunzle")
        game.key("Tab")
        game.type(music)
        game.key("Return")  # a typed folder opens that folder
        game.wait_for("selectfile", "Select Music File to tunzle", music)
        wait_said(game, "tones.mp3")
        game.key("Return")
        game.wait_for("answer", song)
        assert not [f for f in game.lines()[selector:] if f[0] == "msgbox"], "the typed folder was taken for a missing file"

        pick = game.wait_for("pick", "Select square size")
        size_hint = game.wait_for(*SPEAK, hint, after=pick)
        game.key("Return")
        i = game.wait_for(*SPEAK, timeout=10, after=game.wait_for("answer", "3", after=pick))
        state = game.lines()[i][2]
        m = re.fullmatch(r"New game, 3 by 3\. The cursor is on row 1, column 1, "
                         r"the empty square on row (\d), column (\d)\.", state)
        assert m, f"the new game was not said: {state!r}"
        empty = (int(m.group(1)), int(m.group(2)))
        assert size_hint < i

        # The tile length list opens on the length in use and is said like the others.
        game.key("F9")
        title = game.wait_for(*SPEAK, "Song tile duration in seconds", after=game.wait_for("pick", "Song tile duration in seconds"))
        opened_on = game.lines()[title + 1]
        game.key("Return")  # Enter keeps it
        game.wait_for("answer", "*2")

        # Listen to every square, as a player would, with row and column on:
        # the words are heard before the tile, never over it.
        game.key("s")
        wait_said(game, "Row and column on")
        cells = [None] * 9
        timed_gaps = []
        row, col = 1, 1
        walk = [("Right", 0, 1), ("Right", 0, 1), ("Down", 1, 0), ("Left", 0, -1), ("Left", 0, -1), ("Down", 1, 0),
                ("Right", 0, 1), ("Right", 0, 1), ("Prior", -2, 0), ("Home", 0, -2)]
        for key, dr, dc in walk:
            mark = len(game.lines())
            game.key(key)
            row, col = row + dr, col + dc
            words = wait_new(game, mark, *SPEAK, f"{row}, {col}")
            while True:
                heard = [(t, f) for t, f in game.timed()[mark:] if f[0] == "songrun" or f[:2] == ["sound", "NOTILE.WAV"]]
                if heard:
                    break
                if game.proc.poll() is not None:
                    raise AssertionError("the game ended")
                game.settle(0.05)
            t_words = game.timed()[words][0]
            t_heard, what = heard[0]
            timed_gaps.append(t_heard - t_words)
            cells[(row - 1) * 3 + col - 1] = 0 if what[0] == "sound" else round(float(what[1]) / TILE) + 1
        assert (row, col) == (1, 1)
        assert sorted(cells) == list(range(9)), f"the squares heard: {cells}"
        assert cells.index(0) == (empty[0] - 1) * 3 + empty[1] - 1, "the empty square is where the game said"
        # "1, 2" takes the voice a few tenths of a second: the tile waited for it.
        assert min(timed_gaps) > 0.15, f"a tile started {min(timed_gaps):.3f} s after its square's words"
        game.key("s")
        wait_said(game, "Row and column off")

        # Play to the win.
        path = solve(cells)
        for n, (r, c) in enumerate(path):
            keys = ["Down"] * max(0, r - row) + ["Up"] * max(0, row - r)
            keys += ["Right"] * max(0, c - col) + ["Left"] * max(0, col - c)
            if keys:
                game.key(*keys, delay=40)
            row, col = r, c
            mark = len(game.lines())
            whole = game.count("songrun", "0", "0")
            game.key("space")
            if n < len(path) - 1:
                # The empty square sounds once the run the slide started has played.
                wait_new(game, mark, "sound", "NOTILE.WAV", timeout=TILES * TILE + 15)
                continue
            # The flourish: board keys are ignored until the question.
            game.key("Left", "Up", "p")
            asked = game.wait_for("msgbox", "Congratulations", "Would you like another game?", timeout=TILES * TILE + 20)
            lines = game.timed()
            after_win = [f for _, f in lines[mark:asked]]
            runs = [f for f in after_win if f[0] == "songrun"]
            assert runs == [["songrun", "0", "0"]], f"only the whole song plays after the winning move: {runs}"
            assert game.count("songrun", "0", "0") == whole + 1
            notes = sum(1 for f in after_win if f[:2] == ["sound", "NOTE.WAV"])
            assert notes >= 11, f"{notes} notes: the last tile's and the flourish"
            t_song = next(t for t, f in lines[mark:] if f == ["songrun", "0", "0"])
            t_congrats = next(t for t, f in lines[mark:] if f[:3] == ["speak", "3", "Congratulations"])
            # The question is spoken once the song has played out, not over it.
            assert t_congrats - t_song >= TILES * TILE - 0.3, f"the question came {t_congrats - t_song:.2f} s into the song"
            print(f"words to tile: {min(timed_gaps):.2f}-{max(timed_gaps):.2f} s; "
                  f"question {t_congrats - t_song:.1f} s after the {TILES * TILE:.0f} s song began")
        said_once(game, "Congratulations", "Would you like another game?")

        # No: no save question, the farewell once, the end.
        game.settle(0.5)
        game.key("n")
        game.settle(0.3)
        game.key("Return")
        assert game.wait_exit(20) == 0
        assert game.count("msgbox", "Save Game?") == 0
        farewell = [f for f in game.lines() if f[:2] == list(SPEAK) and f[2].startswith("Thank you for playing")]
        assert len(farewell) == 1, farewell

        # Every question and state once; nothing of the platform's old words.
        said_once(game, "Select Speech Type", "Would you like a short tutorial first? It teaches the game one key at a "
                  "time on a small board. T starts it again whenever you like.", "Select Music File to tunzle", "Escape plays the sample song.",
                  "Select square size", "Song tile duration in seconds", state)
        assert opened_on[2] == "2", "the tile length list opens on the length in use"
        spoken = [f[2] for f in game.lines() if f[:2] == list(SPEAK)]
        assert not [t for t in spoken if "SAPI" in t or "DirectSound" in t], spoken
        print("1 passed, 0 failed")
    finally:
        if game:
            game.kill()
        display.close()
        driver.cleanup(appdata)


if __name__ == "__main__":
    main()
