"""A 3 x 3 game played to the win with real keys on a virtual display: start,
a slide and its undo, the progress key, save on quit, resume (its moves and
time kept), solve with a wrong slide taken back, the moves and time said at
the win; with --second-win a second game, won in fewer moves, is announced
as the best; then another game is declined. Reads the trace.

Usage: test_play_to_win.py TUNZLE [SONG_MAKER SONG_NAME] [--second-win]: with
a song maker (the asset generator), the game is played on the project's song
written as SONG_NAME (its extension names the format), chosen in the song
selector."""
import collections
import os
import re
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(__file__))
import driver  # noqa: E402

ARGS = [a for a in sys.argv[1:] if a != "--second-win"]
SECOND_WIN = len(ARGS) < len(sys.argv) - 1
PROGRAM = ARGS[0]
SONG_MAKER = ARGS[1] if len(ARGS) > 2 else None
SONG_NAME = ARGS[2] if len(ARGS) > 2 else None


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


PROGRESS = re.compile(r"(\d+) of 8 tiles in order, (\d+) moves?, (.+)\.$")
SOLVED = re.compile(r"Solved in (\d+) moves? and (.+)\.$")
BEST = "Your best for 3 by 3 with tiles of 2 seconds: "


def seconds(words):
    """ "1 minute 5 seconds" as 65."""
    units = {"hour": 3600, "minute": 60, "second": 1}
    return sum(int(n) * units[u] for n, u in re.findall(r"(\d+) (hour|minute|second)s?\b", words))


def neighbours(square):
    r, c = square
    return [(r + dr, c + dc) for dr, dc in ((-1, 0), (1, 0), (0, -1), (0, 1)) if 1 <= r + dr <= 3 and 1 <= c + dc <= 3]


def empty_square(announced):
    """Row and column of the empty square in "New game, 3 by 3. ..." or "Saved game, ..."."""
    m = re.search(r"the empty square on row (\d), column (\d)\.", announced)
    return int(m.group(1)), int(m.group(2))


def walk(game, frm, to):
    r, c = to
    row, col = frm
    keys = ["Down"] * max(0, r - row) + ["Up"] * max(0, row - r)
    keys += ["Right"] * max(0, c - col) + ["Left"] * max(0, col - c)
    if keys:
        game.key(*keys, delay=40)
    game.settle(0.15)


def press(game, key, wins=False):
    """A slide or an undo: it ends by sounding the empty square now under the
    cursor, unless it won: then the flourish and the question come."""
    before, won = game.count("sound", "NOTILE.WAV"), game.count("msgbox", "Congratulations")
    game.key(key)
    if wins:
        return
    deadline = time.time() + 30  # the empty square sounds once the run the slide started has played
    while game.count("sound", "NOTILE.WAV") == before:
        assert time.time() < deadline and game.count("msgbox", "Congratulations") == won, "the slide never ended"
        time.sleep(0.05)


def slide_path(game, cursor, path, win=True):
    """Slides the tiles on the squares of `path` in turn; returns the cursor."""
    for n, square in enumerate(path):
        walk(game, cursor, square)
        press(game, "space", wins=win and n == len(path) - 1)
        cursor = square
    return cursor


def learn_board(game, announced):
    """The cells of a new game, from the tiles its squares play on a walk from
    the top-left square (tile k starts at (k - 1) x 2 s of the song)."""
    cells = [None] * 9
    empty = empty_square(announced)
    cells[(empty[0] - 1) * 3 + empty[1] - 1] = 0
    row, col = 1, 1
    for key, dr, dc in (("Right", 0, 1), ("Right", 0, 1), ("Down", 1, 0), ("Left", 0, -1), ("Left", 0, -1),
                        ("Down", 1, 0), ("Right", 0, 1), ("Right", 0, 1)):
        mark = len(game.lines())
        game.key(key)
        row, col = row + dr, col + dc
        i = game.wait_until(lambda line: (line[0] == "songrun" and line[2] != "0") or line[:2] == ["sound", "NOTILE.WAV"],
                            "the square's tile", 10, mark)
        line = game.lines()[i]
        if line[0] == "songrun":
            cells[(row - 1) * 3 + col - 1] = round(float(line[1]) / 2.0) + 1
    # The top-left square was never played: its tile is the one left over.
    cells[0] = (set(range(9)) - set(cells[1:])).pop()
    assert sorted(cells) == list(range(9)), cells
    return cells, (row, col)


def result(game, mark, whole_songs_before):
    """At the win: the whole song starts, a key skips it, and the moves and time
    are said before the question. Returns the words said in between."""
    asked = game.won(whole_songs_before, after=mark)
    lines = game.lines()
    song = max(i for i, line in enumerate(lines[:asked]) if line[:3] == ["songrun", "0", "0"])
    assert song > mark
    return [line[2] for line in lines[song:asked] if line[0] == "speak"]


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
        _, announced = game.wait_said("New game, 3 by 3. The cursor is on row 1, column 1,")
        game.settle(0.5)
        # A slide and its undo: two moves, the board as it was.
        empty = empty_square(announced)
        slide_path(game, (1, 1), [neighbours(empty)[0]], win=False)
        mark = len(game.lines())
        press(game, "u")
        game.key("i")
        _, said = game.wait_said("", after=mark)
        progress = PROGRESS.match(said)
        assert progress and progress.group(2) == "2", said
        # Quit, saving the game.
        game.key("q")
        game.wait_for("msgbox", "Save Game?", "Would you like to save your game?")
        game.settle()
        game.key("Return")
        game.wait_for("speak", "3", timeout=10, after=len(game.lines()) - 1)
        assert game.wait_exit(20) == 0, "the game ended with an error"
        cursor, cells = read_saved_game(folder)
        assert sorted(cells) == list(range(9)), cells
        assert cells.index(0) == (empty[0] - 1) * 3 + empty[1] - 1, "the undo took the slide back"

        # Second run: resume; its moves and time come back with it.
        game = driver.Game(PROGRAM, display, appdata, args=["3"])
        game.wait_for("msgbox", "Save Game?", "Would you like to play your saved game?", timeout=25)
        game.settle()
        mark = len(game.lines())
        game.key("Return")
        # The resumed game is said: its size, the cursor and the empty square; then where it stands.
        i, said = game.wait_said("Saved game, 3 by 3. The cursor is on row", timeout=10, after=mark + 1)
        _, said = game.wait_said("", after=i + 1)
        resumed = PROGRESS.match(said)
        assert resumed and resumed.group(2) == "2", said
        assert seconds(resumed.group(3)) >= seconds(progress.group(3)), f"{said} after {progress.group(0)}"
        if song:
            assert opened(game, song), "the saved game's song opened again"
        game.settle(0.5)
        # Nothing to take back since the game was resumed.
        mark = len(game.lines())
        game.key("u")
        game.wait_for("sound", "BOOP2.WAV", after=mark)

        # Play to the win: a wrong slide, taken back, on the way. When a second
        # game follows, it must win in fewer moves: the first makes sure of that with slides there and back (no 3 x 3 game
        # needs more than 31 moves).
        path = solve(cells)
        moves = 2 + 2 + len(path)
        padding = (max(0, 32 - moves) + 1) // 2 if SECOND_WIN else 0
        empty = divmod(cells.index(0), 3)
        empty = (empty[0] + 1, empty[1] + 1)
        wrong = next(square for square in neighbours(empty) if square != path[0])
        for _ in range(padding):
            cursor = slide_path(game, cursor, [wrong, empty], win=False)
        moves += 2 * padding
        cursor = slide_path(game, cursor, [wrong], win=False)
        press(game, "u")
        cursor = empty
        mark, whole = len(game.lines()), game.count("songrun", "0", "0")
        slide_path(game, cursor, path)
        words = result(game, mark, whole)
        solved = SOLVED.match(words[0]) if words else None
        assert solved and int(solved.group(1)) == moves, f"{words}: {moves} moves made"
        assert seconds(solved.group(2)) >= seconds(resumed.group(3)), words
        assert not any(w.startswith(BEST) for w in words), f"a first result beats nothing: {words}"
        lines = game.lines()
        notes = [i for i, line in enumerate(lines) if line[:2] == ["sound", "NOTE.WAV"]]
        assert len(notes) >= 10, "the win's flourish"
        assert any(line[0] == "songrun" and line[1] == "0" for line in lines[notes[-1]:]), "the whole song"
        game.settle()
        if SECOND_WIN:
            # Yes: another game, won in fewer moves.
            game.key("y")
            game.settle()
            mark = len(game.lines())
            game.key("Return")
            game.new_game(after=mark)
            _, announced = game.wait_said("New game, 3 by 3.", after=mark)
            cells, cursor = learn_board(game, announced)
            path = solve(cells)
            mark, whole = len(game.lines()), game.count("songrun", "0", "0")
            slide_path(game, cursor, path)
            words = result(game, mark, whole)
            assert words and words[0].startswith(f"Solved in {len(path)} move"), words
            assert len(words) > 1 and words[1].startswith(BEST + "the fewest moves"), words
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
