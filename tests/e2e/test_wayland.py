"""The game as a native Wayland client in a headless sway, played with keys
typed through the virtual-keyboard protocol and a click of the compositor's
pointer. The keyboard focus must follow each dialog and come back to the
board, since a blind player cannot click a window to focus it.

First run: the song selector, the size question, the board (screenshot),
tiles played and slid by keys and by a click, help, the compositor's close
(the quit question; Cancel keeps the game), Alt+F4 and Yes (saved, ended).
Second run: the saved game is resumed, then the compositor goes away: the
game ends at once, keeping the game."""
import copy
import os
import re
import shutil
import sys
import time

sys.path.insert(0, os.path.dirname(__file__))
import driver  # noqa: E402
from test_play_to_win import read_saved_game  # noqa: E402

PROGRAM = sys.argv[1]
SKIP = 77
ROWS = 3
CAPTION = "Music Tunzle   Press F1 for Help"
RED, GREEN, BLACK, GREY = (255, 0, 0), (0, 255, 0), (0, 0, 0), (64, 64, 64)



def wait_count(game, fields, before, timeout=10):
    deadline = time.time() + timeout
    while game.count(*fields) == before:
        assert time.time() < deadline, f"no new {fields}; last lines: {game.lines()[-6:]}"
        time.sleep(0.05)


def squares(image):
    """The board's squares seen on the screen, as rows of (left, top, width,
    height, colour), top to bottom and left to right. A square, with its
    number, tick, frame and mark, is a square of anything but the window's
    grey; its colour shows beside the number, below the tick."""
    grey = bytes(GREY)
    d = image.data
    shape = bytearray(d)
    for i in range(0, image.width * image.height * 3, 3):
        if d[i:i + 3] != grey:
            shape[i:i + 3] = b"\x01\x01\x01"
    outline = copy.copy(image)
    outline.data = bytes(shape)
    found = []
    for left, top, width, height, _ in outline.rectangles(((1, 1, 1),), least=20):
        colour = image.pixel(left + int(width * 0.3), top + int(height * 0.7))
        if abs(width - height) <= 2 and colour in (RED, GREEN, BLACK):
            found.append((left, top, width, height, colour))
    found.sort(key=lambda r: (r[1], r[0]))
    rows = []
    for r in found:
        if rows and abs(rows[-1][0][1] - r[1]) <= 2:
            rows[-1].append(r)
        else:
            rows.append([r])
    return rows


def whole_board(rows):
    """What is wrong with the squares as a whole board, or None."""
    if len(rows) != ROWS or any(len(row) != ROWS for row in rows):
        return f"{[len(row) for row in rows]} squares by row"
    sizes = {(r[2], r[3]) for row in rows for r in row}
    for side in zip(*sizes):
        if max(side) - min(side) > 1:
            return f"squares of sizes {sorted(sizes)}"
    if sum(r[4] == BLACK for row in rows for r in row) != 1:
        return "not one empty square"
    return None


def new_game_said(game, after):
    """The cursor and the empty square, as the new game announces them."""
    i = game.wait_for("speak", "3", timeout=10, after=after)
    while not game.lines()[i][2].startswith("New game"):
        i = game.wait_for("speak", "3", timeout=10, after=i + 1)
    m = re.search(r"cursor is on row (\d), column (\d), the empty square on row (\d), column (\d)", game.lines()[i][2])
    assert m, game.lines()[i]
    return (int(m[1]), int(m[2])), (int(m[3]), int(m[4]))


def play(game, compositor):
    game.wait_for("selectfile", "Select Music File to tunzle", timeout=30)
    compositor.wait_focus("Select Music File to tunzle")
    game.settle()
    game.key("Escape")  # the sample song
    mark = game.wait_for("pick", "Select square size")
    compositor.wait_focus("Select")
    game.settle()
    game.key("Return")
    mark = game.wait_for("answer", "3", after=mark)
    cursor, empty = new_game_said(game, mark)
    compositor.wait_focus(CAPTION)

    # What an onlooker sees: the board's squares in the window.
    time.sleep(0.5)  # a frame: the compositor shows what the client committed last
    rows = squares(compositor.screenshot())
    assert rows and len(rows[0]) == ROWS, f"the board's top row is not shown: {rows}"
    # Sway's window is shorter than the screen by its title bar.
    wrong = whole_board(rows)
    assert wrong is None, f"the board is not shown whole: {wrong}"

    # Tiles by keys: along the top row and down to the empty square's row;
    # each step plays the tile under the cursor, then Space slides one.
    (r, c), (er, ec) = cursor, empty
    target = (er, ec - 1 if ec > 1 else ec + 1)
    keys = ["Up"] * (r - target[0]) + ["Down"] * (target[0] - r)
    keys += ["Left"] * (c - target[1]) + ["Right"] * (target[1] - c)
    if not keys:
        keys = ["Right", "Left"] if target[1] < ROWS else ["Left", "Right"]
    runs = game.count("songrun")
    for k in keys:
        before = game.count("songrun") + game.count("sound", "NOTILE.WAV")
        game.key(k)
        deadline = time.time() + 10
        while game.count("songrun") + game.count("sound", "NOTILE.WAV") == before:
            assert time.time() < deadline, f"{k} played nothing: {game.lines()[-6:]}"
            time.sleep(0.05)
    assert game.count("songrun") > runs, "no tile was played"
    before = game.count("sound", "NOTILE.WAV")
    game.key("space")
    wait_count(game, ("sound", "NOTILE.WAV"), before)
    empty = target

    # A click on the tile beside the empty square slides it back.
    time.sleep(0.5)
    rows = squares(compositor.screenshot())
    row = next(row for row in rows if any(s[4] == BLACK for s in row))
    at = next(i for i, s in enumerate(row) if s[4] == BLACK)
    left, top, width, height, _ = row[at - 1 if at > 0 else at + 1]
    before = game.count("sound", "NOTILE.WAV")
    beeps = game.count("beep")
    compositor.click(left + width // 2, top + height // 2)
    wait_count(game, ("sound", "NOTILE.WAV"), before)
    assert game.count("beep") == beeps, "the click missed its tile"

    # Help takes the focus and gives it back.
    mark = len(game.lines())
    game.key("F1")
    game.wait_for("window", "HELP", after=mark)
    compositor.wait_focus("HELP")
    game.settle()
    game.key("Escape")
    compositor.wait_focus(CAPTION)

    # The compositor's close asks the quit question; Cancel keeps the game.
    mark = len(game.lines())
    compositor.msg(f'[title="^{CAPTION}$"]', "kill")
    box = game.wait_for("msgbox", "Save Game?", "Would you like to save your game?", after=mark)
    compositor.wait_focus("Save Game?")
    game.settle()
    game.key("Escape")
    game.wait_for("answer", "2", after=box)
    compositor.wait_focus(CAPTION)
    assert game.proc.poll() is None, "Cancel ended the game"

    # Alt+F4 asks it too; Yes saves and ends.
    mark = len(game.lines())
    game.key("alt+F4")
    box = game.wait_for("msgbox", "Save Game?", "Would you like to save your game?", after=mark)
    compositor.wait_focus("Save Game?")
    game.settle()
    game.key("Return")
    game.wait_for("end", timeout=20, after=box)
    assert game.wait_exit(10) == 0, "the game ended with an error"


def lose_display(game, compositor, saved):
    game.wait_for("msgbox", "Save Game?", "Would you like to play your saved game?", timeout=30)
    compositor.wait_focus("Save Game?")
    game.settle()
    mark = len(game.lines())
    game.key("Return")
    i = game.wait_for("speak", "3", timeout=10, after=mark + 1)
    assert game.lines()[i][2].startswith("Saved game, 3 by 3."), game.lines()[i]
    resumed = read_saved_game(os.path.dirname(saved))
    os.remove(saved)
    driver.end(compositor.proc)
    started = time.time()
    code = game.wait_exit(15)
    print(f"the game ended {time.time() - started:.2f} s after the compositor, with code {code}")
    assert os.path.exists(saved), "the game was not kept when the compositor went away"
    assert read_saved_game(os.path.dirname(saved)) == resumed, "the kept game is not the one played"


def main():
    for tool in ("sway", "wtype", "grim", "swaymsg", "setpriv"):
        if not shutil.which(tool):
            print(f"SKIPPED: {tool} is not installed (scripts/setup.sh installs it)")
            return SKIP
    started = time.time()
    compositor = driver.Compositor()
    appdata = driver.temp_player_folder()
    game = None
    try:
        game = driver.Game(PROGRAM, compositor, appdata, args=["3"])
        play(game, compositor)
        saved = os.path.join(appdata, "Music Tunzle", "SaveGame.gam")
        assert os.path.exists(saved), "Yes did not save the game"
        game = driver.Game(PROGRAM, compositor, appdata, args=["3"])
        lose_display(game, compositor, saved)
        print(f"(took {time.time() - started:.1f} s)")
        print("1 passed, 0 failed")
        return 0
    finally:
        if game:
            game.kill()
        compositor.close()
        driver.cleanup(appdata)


if __name__ == "__main__":
    sys.exit(main())
