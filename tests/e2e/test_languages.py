"""The game in the player's language, heard through the built-in voice: a
first run under LANG=<locale> (the speech question, the song selector, the
size question, the new game, a slide, the progress after 1, 2 and 5 moves,
tile lengths of 1.5 and 1 seconds, the help, the quit question), each text
the translation of its English source, each count in its plural form, and
the voice one of that language. Then the standalone help (MTHelp) in the
same language, and the desktop's language chain: LANGUAGE=en:de speaks
English, pt_PT speaks Brazilian Portuguese.
With `pseudo`, every text is replaced by a generated pseudo-translation and
the walk finds no text of the program's left in plain English.

Usage: test_languages.py TUNZLE SOURCE_DIR LRELEASE LANGUAGE|pseudo"""
import contextlib
import os
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

sys.path.insert(0, os.path.dirname(__file__))
import driver  # noqa: E402

PROGRAM, ROOT, LRELEASE, LANGUAGE = sys.argv[1:5]
LOCALES = {"de": "de_DE.UTF-8", "es": "es_ES.UTF-8", "fr": "fr_FR.UTF-8", "it": "it_IT.UTF-8",
           "pt_BR": "pt_BR.UTF-8", "ru": "ru_RU.UTF-8"}
VOICES = {"de": "de", "es": "es", "fr": "fr", "it": "it", "pt_BR": "pt-BR", "ru": "ru"}
OPEN, CLOSE = "\u00ab", "\u00bb"  # the pseudo-translation's marks


def catalogue(ts):
    """(context, source) -> translation; a count's forms under (context, source, comment)."""
    out = {}
    for c in ET.parse(ts).getroot().iter("context"):
        for m in c.iter("message"):
            if m.get("numerus") == "yes":
                out[(c.findtext("name"), m.findtext("source"), m.findtext("comment") or "")] = \
                    [f.text or "" for f in m.find("translation").iter("numerusform")]
            else:
                out[(c.findtext("name"), m.findtext("source"))] = m.findtext("translation") or ""
    return out


def plural(language, n):
    """The index of the plural form for a whole count n, by Qt's rule for the language."""
    if language == "ru":
        return 0 if n % 10 == 1 and n % 100 != 11 else 1 if 2 <= n % 10 <= 4 and not 12 <= n % 100 <= 14 else 2
    if language in ("fr", "pt_BR"):
        return 0 if n < 2 else 1
    return 0 if n == 1 else 1


def count(tr, language, key, n, said=None):
    """A count in words as the catalogue says it."""
    return tr[key][plural(language, int(n))].replace("%n", said or str(n))


def pseudo_translation(folder):
    """A .qm whose every text is its source between marks, made from the
    sources of a real translation (all hold the same)."""
    tree = ET.parse(os.path.join(ROOT, "translations", "tunzle_de.ts"))
    tree.getroot().set("language", "en")
    for m in tree.getroot().iter("message"):
        t = m.find("translation")
        for form in t.iter("numerusform"):
            form.text = OPEN + m.findtext("source") + CLOSE
        if m.get("numerus") != "yes":
            t.text = OPEN + m.findtext("source") + CLOSE
        t.attrib.pop("type", None)
    ts, qm = os.path.join(folder, "pseudo.ts"), os.path.join(folder, "pseudo.qm")
    tree.write(ts, encoding="utf-8", xml_declaration=True)
    subprocess.run([LRELEASE, "-silent", ts, "-qm", qm], check=True)
    return qm, {key: [OPEN + key[1] + CLOSE] * 2 if len(key) == 3 else OPEN + key[1] + CLOSE
                for key in catalogue(ts)}


def fill(template, *values):
    return re.sub(r"%(\d)", lambda m: values[int(m.group(1)) - 1], template)


def first_heading(help_file):
    """The first index line of a help file, as the viewer opens on it."""
    with open(help_file, encoding="utf-8") as f:
        return next(line for line in f if line.startswith("+")).lstrip("+").rstrip("\r\n")


@contextlib.contextmanager
def started(program, env):
    """The program on a display of its own with a fresh player folder; all gone afterwards."""
    display = driver.Display()
    appdata = driver.temp_player_folder()
    game = None
    try:
        game = driver.Game(program, display, appdata, env=env)
        yield game
    finally:
        if game:
            game.kill()
        display.close()
        driver.cleanup(appdata)


def walk(env, tr, help_file, language):
    """Plays the walk; returns the game's trace lines."""
    speak = ("speak", "3")
    with started(PROGRAM, env) as game:
        title = tr[("text", "Select Speech Type")]
        game.wait_for("pick", title, timeout=20)
        game.wait_for(*speak, tr[("Dialog", "Up and Down to choose, Enter to select, Escape to cancel.")])
        game.key("Return")
        game.wait_for("answer", "3")
        # The first start's offer of the tutorial: No, the button after Yes.
        game.wait_for("msgbox", tr[("tutorial", "Tutorial")], timeout=30)
        game.settle(0.5)
        game.key("Tab", "Return")
        game.wait_for("answer", "7")

        game.wait_for("selectfile", tr[("text", "Select Music File to tunzle")], timeout=30)
        game.wait_for(*speak, tr[("text", "Escape plays the sample song.")])
        game.key("Escape")
        game.wait_for("pick", tr[("text", "Select square size")])
        mark = game.wait_for(*speak, tr[("Dialog", "Up and Down to choose, Enter to select, Escape to cancel.")],
                             after=game.wait_for("pick", tr[("text", "Select square size")]))
        game.key("Return")
        announce = tr[("text", "%1, %2 by %3. The cursor is on row %4, column %5, the empty square on row %6, column %7.")]
        pattern = re.escape(fill(announce, tr[("text", "New game")], "3", "3", "1", "1", "@R", "@C"))
        pattern = pattern.replace("@R", r"(\d)").replace("@C", r"(\d)")
        i = game.wait_for(*speak, timeout=10, after=mark + 1)
        said = game.lines()[i][2]
        m = re.fullmatch(pattern, said)
        assert m, f"the new game was said as {said!r}, not as {pattern!r}"
        row, column = int(m.group(1)), int(m.group(2))

        # A slide: along the empty square's row to it, from its first square.
        game.settle(1.0)
        keys = ["Down"] * (row - 1) + (["Right"] if column == 1 else []) + ["space"]
        game.key(*keys)
        game.wait_for("sound", "NOTILE.WAV", after=i)
        game.key("b")
        game.wait_for(*speak, fill(tr[("text", "%1, %2")], str(row), str(2 if column == 1 else 1)), after=i)

        # The moves in their plural forms: a slide, an undo and slides are moves.
        back = "Right" if column == 1 else "Left"
        for moves, keys in ((1, []), (2, ["u"]), (5, [back, "space", "u", back, "space"])):
            game.settle(0.5)
            game.key(*keys, "i")
            said = count(tr, language, ("text", "%n move(s)", ""), moves)
            game.wait_until(lambda line: line[:2] == list(speak) and said in line[2], said, 10, i)

        # Tile lengths of 1.5 and 1 seconds: a fraction's form, then the singular.
        point = tr[("text", ".")]
        for length, key in (("1" + point + "5", ("text", "%n second(s)", "fraction")),
                            ("1", ("text", "%n second(s)", ""))):
            game.settle(0.5)
            game.key("F9")
            shown = game.wait_for("pick", tr[("text", "Song tile duration in seconds")], after=i)
            game.wait_for(*speak, tr[("Dialog", "Up and Down to choose, Enter to select, Escape to cancel.")], after=shown)
            game.key("Up")
            game.settle(0.5)
            game.key("Return")
            now = fill(tr[("text", "Tiles are now %1 long.")], count(tr, language, key, 1, length))
            game.wait_for(*speak, now, after=shown)

        game.key("F1")
        game.wait_for(*speak, fill(tr[("Help", "Help. %1")], first_heading(help_file)), after=i)
        game.settle(0.5)
        game.key("Escape")
        game.settle(1.0)
        game.key("q")
        game.wait_for("msgbox", tr[("text", "Save Game?")], tr[("text", "Would you like to save your game?")], after=i)
        game.settle(1.0)
        game.key("Escape")
        game.wait_for("answer", "2", after=i)
        return game.lines()


def plain(**env):
    """The desktop's language as a session sets it; nothing else decides."""
    return {"LANGUAGE": "", "LC_ALL": "", "LC_MESSAGES": "", "TUNZLE_TRANSLATION": "", **env}


def first_words(env):
    """The language a first run takes and the title of its first question."""
    with started(PROGRAM, env) as game:
        asked = game.wait_for("pick", timeout=20)
        lines = game.lines()
        return next(line[1] for line in lines if line[0] == "language"), lines[asked][1]


def standalone_help(env, tr, help_file):
    """MTHelp beside the game opens on the help in the language, read aloud."""
    with started(os.path.join(os.path.dirname(PROGRAM), "MTHelp"), env) as viewer:
        viewer.wait_for("window", tr[("Help", "HELP")], timeout=30)
        viewer.wait_for("speak", "3", fill(tr[("Help", "Help. %1")], first_heading(help_file)), timeout=30)


def main():
    if LANGUAGE == "pseudo":
        with tempfile.TemporaryDirectory() as folder:
            qm, tr = pseudo_translation(folder)
            lines = walk(plain(LANG="C.UTF-8", TUNZLE_TRANSLATION=qm), tr, os.path.join(ROOT, "helptext", "MT.TXT"), "en")
        shown = [line[2] if line[0] == "speak" else line[1] for line in lines
                 if line[0] in ("speak", "pick", "msgbox", "selectfile", "window") and len(line) > 1]
        # Left as they are: names of files and folders, numbers, the voices' own names.
        english = [t for t in shown if OPEN not in t and not re.fullmatch(r"[\d\s.,*]*|.*\.mp3|/.*|[\w ()-]+ \(.*\)", t)]
        assert not english, f"texts not translated: {english}"
        print(f"{len(shown)} texts, every one translated")
        return
    tr = catalogue(os.path.join(ROOT, "translations", f"tunzle_{LANGUAGE}.ts"))
    help_file = os.path.join(ROOT, "helptext", LANGUAGE, "MT.TXT")
    lines = walk(plain(LANG=LOCALES[LANGUAGE]), tr, help_file, LANGUAGE)
    assert ["language", VOICES[LANGUAGE]] in lines, "the game did not take the desktop's language"
    assert ["voice", VOICES[LANGUAGE]] in lines, f"the built-in voice is not one of {LANGUAGE}: {[l for l in lines if l[0] == 'voice']}"
    standalone_help(plain(LANG=LOCALES[LANGUAGE]), tr, help_file)
    # English asked for first wins, though the language after it has a translation.
    said = first_words(plain(LANG=LOCALES[LANGUAGE], LANGUAGE=f"en:{LANGUAGE}"))
    assert said == ("en", "Select Speech Type"), f"LANGUAGE=en:{LANGUAGE} gave {said}"
    if LANGUAGE == "pt_BR":
        # Portuguese of Portugal has no translation of its own: the Brazilian one is nearer than English.
        said = first_words(plain(LANG="pt_PT.UTF-8"))
        assert said == ("pt-BR", tr[("text", "Select Speech Type")]), f"pt_PT gave {said}"
    print(f"{LANGUAGE}: every step spoken in its language, the standalone help too")


if __name__ == "__main__":
    main()
