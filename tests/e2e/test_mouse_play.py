"""A 3 x 3 game played to the win with the mouse on a virtual display: the
squares are found from the window's size, the empty one from a screenshot,
each tile by hovering over it (the trace shows which part of the song
played), and the puzzle is solved by left clicks alone."""
import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(__file__))
import driver  # noqa: E402
from test_play_to_win import solve  # noqa: E402

PROGRAM = sys.argv[1]
ROWS = 3
TILE_SECONDS = 2.0  # the tile length a new player starts with
HOVER_GAP = 0.6  # the game hears a hover at most every half second

RED, GREEN, BLACK, GREY = (255, 0, 0), (0, 255, 0), (0, 0, 0), (64, 64, 64)


def round_half_even(x):
    return round(x)  # Python's round is to the nearest even


class Board:
    """Where each square lies on the screen, in pixels."""

    def __init__(self, x, y, width, height, dpi):
        self.x, self.y, self.dpi = x, y, dpi
        self.height_twips = round(height * 1440 / dpi)
        self.tile = round_half_even((self.height_twips - 500) / ROWS)

    def px(self, twips):
        return twips * self.dpi / 1440

    def rect(self, r, c):
        left = (self.tile + 50) * (c - 1) + 200
        top = (self.tile + 50) * (r - 1) + 200
        return (self.x + self.px(left), self.y + self.px(top), self.px(self.tile), self.px(self.tile))

    def centre(self, r, c):
        x, y, w, h = self.rect(r, c)
        return int(x + w / 2), int(y + h / 2)

    def ground(self, r, c):
        """A point of the square's own colour: beside its number, below the in-order tick."""
        x, y, w, h = self.rect(r, c)
        return int(x + w * 0.3), int(y + h * 0.7)

    def gap(self, r, c):
        """A point in the 50-twip gap right of the square."""
        x, y, w, h = self.rect(r, c)
        return int(x + w + self.px(25)), int(y + h / 2)


def window_geometry(game):
    out = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "Press F1 for Help"],
                         env=game.env, capture_output=True, text=True).stdout.split()
    assert len(out) == 1, f"game windows found: {out}"
    shell = subprocess.run(["xdotool", "getwindowgeometry", "--shell", out[0]], env=game.env,
                           capture_output=True, text=True, check=True).stdout
    g = dict(line.split("=", 1) for line in shell.split())
    return int(g["X"]), int(g["Y"]), int(g["WIDTH"]), int(g["HEIGHT"])


def screenshot(game):
    """The whole screen."""
    data = subprocess.run(["import", "-window", "root", "-depth", "8", "ppm:-"], env=game.env, capture_output=True,
                          check=True).stdout
    return driver.Image(data).pixel


def move(game, x, y):
    subprocess.run(["xdotool", "mousemove", str(x), str(y)], env=game.env, check=True)


def hover(game, board, r, c):
    """Rests the pointer on a square; returns what it played: a tile number,
    0 for the empty square's sound."""
    mark = len(game.lines())
    cx, cy = board.centre(r, c)
    move(game, cx, cy)
    deadline = time.time() + 10
    played = None
    # No nudge: a pointer that rests is heard once the half second has passed.
    while played is None and time.time() < deadline:
        for line in game.lines()[mark:]:
            if line[0] == "songrun":
                played = round(float(line[1]) / TILE_SECONDS) + 1
                assert line[2] == str(int(TILE_SECONDS * 1000)), f"a hover plays one tile: {line}"
            elif line[:2] == ["sound", "NOTILE.WAV"]:
                played = 0
        time.sleep(0.05)
    assert played is not None, f"hovering over square {(r, c)} played nothing: {game.lines()[mark:]}"
    time.sleep(HOVER_GAP)
    return played


def main():
    display = driver.Display()
    appdata = driver.temp_player_folder()
    game = None
    try:
        game = driver.Game(PROGRAM, display, appdata, args=["3"])
        game.new_game()
        game.settle(1.0)

        # The window covers the screen; the squares follow from its height.
        x, y, width, height = window_geometry(game)
        assert (width, height) == (1280, 800), (x, y, width, height)
        board = Board(x, y, width, height, dpi=96)

        # The screenshot proves the scale: a square's colour in every square,
        # the background in every gap, one black (empty) square.
        pixel = screenshot(game)
        colours = {}
        for r in range(1, ROWS + 1):
            for c in range(1, ROWS + 1):
                colours[(r, c)] = pixel(*board.ground(r, c))
                assert colours[(r, c)] in (RED, GREEN, BLACK), f"square {(r, c)} shows {colours[(r, c)]}"
                assert pixel(*board.gap(r, c)) == GREY, f"gap right of {(r, c)}: {pixel(*board.gap(r, c))}"
        empty = [sq for sq, col in colours.items() if col == BLACK]
        assert len(empty) == 1, colours

        # The first key; from here on only the mouse.
        mark = len(game.lines())
        game.key("p")
        # P answers with the run or the bump: then the key has landed.
        deadline = time.time() + 10
        while len(game.lines()) == mark and time.time() < deadline:
            time.sleep(0.05)
        game.settle(0.5)
        move(game, x + width - 40, y + height // 2)  # off the board
        time.sleep(HOVER_GAP)
        # Not (1, 1) first: the same tile twice in a row is not repeated.
        hover(game, board, *next(sq for sq in ((2, 2), (2, 1)) if sq != empty[0]))
        cells = []
        for r in range(1, ROWS + 1):
            for c in range(1, ROWS + 1):
                cells.append(hover(game, board, r, c))
        assert sorted(cells) == list(range(ROWS * ROWS)), f"hovering heard {cells}"
        assert cells.index(0) == (empty[0][0] - 1) * ROWS + empty[0][1] - 1, "the empty square sounds empty"

        # Solve by clicks: each slides the clicked tile towards the empty square.
        moves = solve(cells)
        assert moves, "a shuffled board is not already solved"
        for n, (r, c) in enumerate(moves):
            before = game.count("sound", "NOTILE.WAV")
            whole = game.count("songrun", "0", "0")
            cx, cy = board.centre(r, c)
            subprocess.run(["xdotool", "mousemove", str(cx), str(cy), "click", "1"], env=game.env, check=True)
            if n == len(moves) - 1:
                break
            # The slide ends on the empty square under the pointer, or in the win.
            deadline = time.time() + 30  # after the run the slide started
            while game.count("sound", "NOTILE.WAV") == before:
                if game.count("msgbox", "Congratulations") > 0:
                    break
                assert time.time() < deadline, f"the click on {(r, c)} slid nothing: {game.lines()[-6:]}"
                time.sleep(0.05)
        won = game.won(whole)
        lines = game.lines()
        notes = [i for i, line in enumerate(lines[:won]) if line[:2] == ["sound", "NOTE.WAV"]]
        assert len(notes) >= 10, "the win's flourish"
        assert any(line[0] == "songrun" and line[1] == "0" for line in lines[notes[-1]:won]), "the whole song"
        assert game.count("beep") == 0, "a click beeped: it missed its tile or was not in line"
        print(f"solved in {len(moves)} clicks")
        print("1 passed, 0 failed")
    finally:
        if game:
            game.kill()
        display.close()
        driver.cleanup(appdata)


if __name__ == "__main__":
    main()
