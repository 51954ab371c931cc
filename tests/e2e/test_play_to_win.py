"""A 3 x 3 game played to the win with real keys on a virtual display: start,
save on quit, resume, solve, decline another game. Reads the trace.

Usage: test_play_to_win.py TUNZLE [SONG_MAKER SONG_NAME]: with a song maker
(the asset generator), the game is played on the project's song written as
SONG_NAME (its extension names the format), chosen in the song selector."""
import collections
import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(__file__))
import driver  # noqa: E402

PROGRAM = sys.argv[1]
SONG_MAKER = sys.argv[2] if len(sys.argv) > 3 else None
SONG_NAME = sys.argv[3] if len(sys.argv) > 3 else None


def solve(cells):
    """Shortest list of squares (row, col) to slide into the empty square."""
    goal = tuple(list(range(1, 9)) + [0])
    start = tuple(cells)
    came = {start: None}
    todo = collections.deque([start])
    while todo:
        s = todo.popleft()
        if s == goal:
            break
        e = s.index(0)
        r, c = divmod(e, 3)
        for dr, dc in ((-1, 0), (1, 0), (0, -1), (0, 1)):
            nr, nc = r + dr, c + dc
            if 0 <= nr < 3 and 0 <= nc < 3:
                t = list(s)
                t[e], t[nr * 3 + nc] = t[nr * 3 + nc], t[e]
                t = tuple(t)
                if t not in came:
                    came[t] = (s, (nr + 1, nc + 1))
                    todo.append(t)
    path = []
    s = goal
    while came[s] is not None:
        s, square = came[s]
        path.append(square)
    return list(reversed(path))


def opened(game, song):
    """The trace shows the song (upper case, as sound names are) given a song player."""
    return any(line[:2] == ["sound", song.upper()] and int(line[2]) > 200 for line in game.lines())


def read_saved_game(folder):
    with open(os.path.join(folder, "SaveGame.gam"), newline="") as f:
        text = f.read()
    records = text.split("\r\n")
    header = records[0].split(",")
    cursor = (int(header[0]), int(header[1]))
    cells = [int(v) for v in records[1:10]]
    return cursor, cells


def main():
    display = driver.Display()
    appdata = driver.temp_player_folder()
    folder = os.path.join(appdata, "Music Tunzle")
    song = None
    if SONG_MAKER:
        music = os.path.join(appdata, "My Music")
        os.makedirs(music)
        song = os.path.join(music, SONG_NAME)
        subprocess.run([SONG_MAKER, "--song", song], check=True)
    try:
        # First run: the voice, the song selector (Escape: the sample), size 3.
        game = driver.Game(PROGRAM, display, appdata, args=["3"])
        game.wait_for("speak", "3", "Music Tunzle.", timeout=20)
        game.new_game(song=song)
        if song:
            assert opened(game, song), "the chosen song opened in a song player"
        game.settle(0.5)
        # Quit, saving the game.
        game.key("q")
        game.wait_for("msgbox", "Save Game?", "Would you like to save your game?")
        game.settle()
        game.key("Return")
        game.wait_for("speak", "3", timeout=10, after=len(game.lines()) - 1)
        assert game.wait_exit(20) == 0, "the game ended with an error"
        cursor, cells = read_saved_game(folder)
        assert sorted(cells) == list(range(9)), cells

        # Second run: resume, then play to the win from the keyboard.
        game = driver.Game(PROGRAM, display, appdata, args=["3"])
        game.wait_for("msgbox", "Save Game?", "Would you like to play your saved game?", timeout=25)
        game.settle()
        mark = len(game.lines())
        game.key("Return")
        # The resumed game is said: its size, the cursor and the empty square.
        i = game.wait_for("speak", "3", timeout=10, after=mark + 1)
        said = game.lines()[i]
        assert said[2].startswith("Saved game, 3 by 3. The cursor is on row"), said
        if song:
            assert opened(game, song), "the saved game's song opened again"
        game.settle(0.5)
        row, col = cursor
        path = solve(cells)
        for n, (r, c) in enumerate(path):
            keys = []
            keys += ["Down"] * max(0, r - row) + ["Up"] * max(0, row - r)
            keys += ["Right"] * max(0, c - col) + ["Left"] * max(0, col - c)
            if keys:
                game.key(*keys, delay=40)
            game.settle(0.15)
            before = game.count("sound", "NOTILE.WAV")
            whole = game.count("songrun", "0", "0")
            game.key("space")
            if n == len(path) - 1:
                break
            # The slide ends by announcing the empty square now under the cursor,
            # unless it won: then the flourish and the question come.
            deadline = time.time() + 15
            while game.count("sound", "NOTILE.WAV") == before and time.time() < deadline:
                if game.count("msgbox", "Congratulations") > 0:
                    break
                time.sleep(0.05)
            row, col = r, c
        won = game.won(whole)
        lines = game.lines()
        notes = [i for i, line in enumerate(lines[:won]) if line[:2] == ["sound", "NOTE.WAV"]]
        assert len(notes) >= 10, "the win's flourish"
        assert any(line[0] == "songrun" and line[1] == "0" for line in lines[notes[-1]:won]), "the whole song"
        game.settle()
        # "n" moves to No without pressing it; Enter answers.
        game.key("n")
        game.settle()
        game.key("Return")
        assert game.wait_exit(20) == 0
        assert not os.path.exists(os.path.join(folder, "SaveGame.gam")), "a solved game leaves no saved game"
        assert game.count("msgbox", "Save Game?") == 1, "no save question after a solved game"
        print("1 passed, 0 failed")
    finally:
        try:
            game.kill()
        except Exception:
            pass
        display.close()
        driver.cleanup(appdata)


if __name__ == "__main__":
    main()
