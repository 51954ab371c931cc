"""The Debian package of an already-built tree: lintian-clean, holds every file
the install rule installs, and its unpacked game plays its intro and reaches
the song selector as an X client and as a Wayland client, and its MTHelp
opens the game's help headless."""
import os
import shutil
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(__file__))
import driver  # noqa: E402

SOURCE, BUILD = sys.argv[1], sys.argv[2]
SKIP = 77


def installed_files(build, scratch):
    """Paths under / of what the package's install rule installs."""
    dest = os.path.join(scratch, "expected")
    subprocess.run(["cmake", "--install", build, "--component", "debian", "--prefix", "/usr"],
                   env={**os.environ, "DESTDIR": dest}, check=True, stdout=subprocess.DEVNULL)
    return sorted(os.path.relpath(os.path.join(d, f), dest) for d, _, fs in os.walk(dest) for f in fs)


def packaged_files(root):
    return {os.path.relpath(os.path.join(d, f), root) for d, _, fs in os.walk(root) for f in fs}


def starts(program, root, display, appdata, games):
    """The intro from the package's data, then the song selector on the
    player's copy of the sample song."""
    game = driver.Game(program, display, appdata, args=["3"])
    games.append(game)
    at = game.wait_for("sound", "INTRO0.WAV", timeout=30)
    intro = game.lines()[at]
    assert intro[2] != "0", "the intro sound was not found in the package's data folder"
    game.wait_for("speak", "3", "Music Tunzle.", timeout=30)
    at = game.wait_for("selectfile", timeout=30)
    if isinstance(display, driver.Compositor):
        display.wait_focus("Select Music File to tunzle")  # a window of the compositor's, not XWayland's
    shown = game.lines()[at]
    player = os.path.join(appdata, "Music Tunzle")
    assert shown[2].rstrip("/") == player, f"the song selector shows {shown[2]}, not {player}"
    with open(os.path.join(player, "sample.mp3"), "rb") as copied, \
            open(os.path.join(root, "usr/share/games/music-tunzle/sample.mp3"), "rb") as shipped:
        assert copied.read() == shipped.read(), "the player's sample song is not the package's"
    game.kill()


def main():
    for tool in ("dpkg-deb", "lintian", "Xvfb", "sway"):
        if not shutil.which(tool):
            print(f"SKIPPED: {tool} is not installed (scripts/setup.sh installs it)")
            return SKIP
    scratch = tempfile.mkdtemp(prefix="tunzle-package-")
    games, displays = [], []
    try:
        made = subprocess.run(["bash", os.path.join(SOURCE, "scripts", "package.sh"), "--built", BUILD,
                               "--out", os.path.join(scratch, "out")],
                              check=True, stdout=subprocess.PIPE, text=True)
        deb = made.stdout.strip().splitlines()[-1]
        assert os.path.isfile(deb), f"package.sh printed {deb!r}, which is no file"

        lint = subprocess.run(["lintian", "--fail-on", "error,warning", deb],
                              stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
        assert lint.returncode == 0, f"lintian:\n{lint.stdout}"

        root = os.path.join(scratch, "root")
        subprocess.run(["dpkg-deb", "-x", deb, root], check=True)
        inside = packaged_files(root)
        expected = installed_files(BUILD, scratch)
        assert expected, "the install rule installs nothing"
        # Manual pages are compressed on the way in.
        missing = [f for f in expected if f not in inside and f + ".gz" not in inside]
        assert not missing, f"installed but not packaged: {missing}"
        extra = sorted(f for f in inside - set(expected) - {f + ".gz" for f in expected}
                       if not f.startswith("usr/share/doc/music-tunzle/"))
        assert not extra, f"packaged but not installed: {extra}"
        data = "usr/share/games/music-tunzle/"
        for language in ("de", "es", "fr", "pt_BR"):
            for name in (f"tunzle_{language}.qm", f"MT_{language}.TXT", f"DRV_{language}.TXT"):
                assert data + name in inside, f"the {language} translation is not packaged: {name}"

        for name, display in (("x", driver.Display), ("wayland", driver.Compositor)):
            appdata = os.path.join(scratch, f"player-{name}")
            os.mkdir(appdata)
            displays.append(display())
            starts(os.path.join(root, "usr", "games", "Tunzle"), root, displays[-1], appdata, games)

        os.mkdir(os.path.join(scratch, "help"))
        helper = driver.Game(os.path.join(root, "usr", "games", "MTHelp"), driver.Offscreen(),
                             os.path.join(scratch, "help"))
        games.append(helper)
        helper.wait_for("window", "HELP", timeout=30)
        assert helper.count("msgbox") == 0, f"MTHelp reported: {helper.lines()}"
        print(f"OK: {deb}")
        return 0
    finally:
        for g in games:
            g.kill()
        for d in displays:
            d.close()
        shutil.rmtree(scratch, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
