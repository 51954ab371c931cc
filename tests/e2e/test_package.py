"""The Debian package.
  test_package.py SOURCE BUILD
    the source and binary package of an already-built tree: lintian-clean,
    holding every file the install rule installs, and its unpacked game plays
    its intro and reaches the song selector as an X client and as a Wayland
    client, and its MTHelp opens the game's help headless;
  test_package.py --build-depends SOURCE BUILD
    every library, header and tool the package's build uses comes from a
    package in Build-Depends, and each of those is used;
  test_package.py --installed
    the installed package (debian/tests): the game's intro is heard at a
    private sound server, the song selector is reached, MTHelp opens."""
import glob
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
sys.path.insert(0, os.path.join(HERE, "..", "support"))
import driver  # noqa: E402
import soundserver  # noqa: E402

SKIP = 77


def installed_files(build, scratch):
    """Paths under / of what the package's install rule installs."""
    dest = os.path.join(scratch, "expected")
    subprocess.run(["cmake", "--install", build, "--component", "debian", "--prefix", "/usr"],
                   env={**os.environ, "DESTDIR": dest}, check=True, stdout=subprocess.DEVNULL)
    return sorted(os.path.relpath(os.path.join(d, f), dest) for d, _, fs in os.walk(dest) for f in fs)


def packaged_files(root):
    return {os.path.relpath(os.path.join(d, f), root) for d, _, fs in os.walk(root) for f in fs}


def starts(program, root, display, appdata, games, env=None, heard=None):
    """The intro from the package's data, then the song selector on the
    player's copy of the sample song. `heard`, when given, tells whether a
    sound reached the sound server since the game started."""
    game = driver.Game(program, display, appdata, args=["3"], env=env)
    games.append(game)
    at = game.wait_for("sound", "INTRO0.WAV", timeout=30)
    intro = game.lines()[at]
    assert intro[2] != "0", "the intro sound was not found in the package's data folder"
    if heard:
        deadline = time.monotonic() + 30
        while not heard():
            assert time.monotonic() < deadline, "nothing was heard at the sound server after the intro started"
            time.sleep(0.1)
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


def help_opens(root, scratch, games):
    folder = os.path.join(scratch, "help")
    os.mkdir(folder)
    helper = driver.Game(os.path.join(root, "usr", "games", "MTHelp"), driver.Offscreen(), folder)
    games.append(helper)
    helper.wait_for("window", "HELP", timeout=30)
    assert helper.count("msgbox") == 0, f"MTHelp reported: {helper.lines()}"


def missing_tools(*tools):
    missing = [t for t in tools if not shutil.which(t)]
    if missing:
        print(f"SKIPPED: {' '.join(missing)} not installed (scripts/setup.sh installs them)")
    return missing


def package_of_tree(source, build):
    if missing_tools("dpkg-deb", "lintian", "Xvfb", "sway"):
        return SKIP
    scratch = tempfile.mkdtemp(prefix="tunzle-package-")
    games, displays = [], []
    try:
        out = os.path.join(scratch, "out")
        made = subprocess.run(["bash", os.path.join(source, "scripts", "package.sh"), "--built", build,
                               "--out", out], check=True, stdout=subprocess.PIPE, text=True)
        deb = made.stdout.strip().splitlines()[-1]
        assert os.path.isfile(deb), f"package.sh printed {deb!r}, which is no file"
        changes = [f for f in os.listdir(out) if f.endswith(".changes")]
        dsc = [f for f in os.listdir(out) if f.endswith(".dsc")]
        assert len(changes) == 1 and len(dsc) == 1, f"no single source package beside the binary: {os.listdir(out)}"

        # The .changes names the source package, the binary and the build information.
        lint = subprocess.run(["lintian", "--fail-on", "error,warning", os.path.join(out, changes[0])],
                              stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
        assert lint.returncode == 0, f"lintian:\n{lint.stdout}"

        root = os.path.join(scratch, "root")
        subprocess.run(["dpkg-deb", "-x", deb, root], check=True)
        inside = packaged_files(root)
        expected = installed_files(build, scratch)
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
        help_opens(root, scratch, games)
        print(f"OK: {deb}")
        return 0
    finally:
        for g in games:
            g.kill()
        for d in displays:
            d.close()
        shutil.rmtree(scratch, ignore_errors=True)


# Run by debhelper and CMake themselves, or by every build (build-essential).
BUILD_TOOLS = {"debhelper-compat", "cmake", "ninja-build", "pkg-config"}
ESSENTIAL = {"libc6-dev", "linux-libc-dev", "libstdc++-12-dev", "libgcc-12-dev", "gcc-12", "g++-12", "cpp-12"}
# The tests and benchmarks are not part of the package's build.
NOT_PACKAGED = ("tests/", "bench/")
CMAKE_KEYWORDS = {"REQUIRED", "QUIET", "IMPORTED_TARGET", "GLOBAL", "NO_CMAKE_PATH", "NO_CMAKE_ENVIRONMENT_PATH"}


def build_depends_field(source):
    with open(os.path.join(source, "debian", "control")) as f:
        text = f.read().split("\n\n")[0]
    field = re.search(r"^Build-Depends:(.*?)(?=^\S)", text + "\nEnd:", re.S | re.M).group(1)
    field = re.sub(r"#.*", "", field)
    return {re.match(r"\s*([a-z0-9.+-]+)", alt).group(1)
            for entry in field.split(",") if entry.strip() for alt in entry.split("|")}


def owners(paths):
    """Debian package owning each path (None when no package does)."""
    out = subprocess.run(["dpkg-query", "-S", *paths], capture_output=True, text=True).stdout
    found = {}
    for line in out.splitlines():
        if line.startswith("diversion "):
            continue
        names, path = line.split(": ", 1)
        found[path] = {n.split(":")[0] for n in names.split(", ")}
    return {p: found.get(p) or found.get(os.path.realpath(p)) for p in paths}


def read(path):
    with open(path) as f:
        return f.read()


def package_sources(source):
    for d, dirs, files in os.walk(source):
        rel = os.path.relpath(d, source)
        dirs[:] = [x for x in dirs if not x.startswith((".", "build", "obj-", "debian"))
                   and not (os.path.normpath(os.path.join(rel, x)) + "/").startswith(NOT_PACKAGED)]
        yield from (os.path.join(d, f) for f in files)


def used_by_build(source, build):
    """(what, path) of each file from outside the tree that the package's build reads or runs."""
    used = []
    files = list(package_sources(source))
    cmake = "".join(read(f) for f in files if f.endswith(("CMakeLists.txt", ".cmake")))
    modules = []
    for args in re.findall(r"pkg_check_modules\(\s*\w+\s+([^)]*)\)", cmake):
        modules += [re.split("[<>=]", a)[0] for a in args.split() if a not in CMAKE_KEYWORDS]
    for m in modules:
        folder = subprocess.run(["pkg-config", "--variable=pcfiledir", m], capture_output=True, text=True)
        assert folder.returncode == 0, f"pkg-config knows no {m}"
        used.append((f"pkg-config {m}", os.path.join(folder.stdout.strip(), m + ".pc")))
    for name, args in re.findall(r"find_package\(\s*(\w+)([^)]*)\)", cmake):
        if name in ("PkgConfig", "Threads"):
            continue
        parts = args.split()
        names = [name + c for c in parts[parts.index("COMPONENTS") + 1:]] if "COMPONENTS" in parts else [name]
        for n in names:
            config = glob.glob(f"/usr/lib/*/cmake/{n}/{n}Config.cmake") + glob.glob(f"/usr/lib/cmake/{n}/{n}Config.cmake")
            assert config, f"find_package({n}): no CMake package file found"
            used.append((f"find_package {n}", config[0]))
    # Headers the code includes by a folder of their own (<AL/al.h>), from
    # wherever the compiler finds them.
    flags = subprocess.run(["pkg-config", "--cflags-only-I", *modules], capture_output=True, text=True).stdout
    include = [f[2:] for f in flags.split()] + glob.glob("/usr/include/*-linux-gnu") + ["/usr/include"]
    for f in files:
        if not f.endswith((".cpp", ".h")):
            continue
        for header in set(re.findall(r"^#include <(\w[\w.-]*/[\w./-]+)>", read(f), re.M)):
            found = [os.path.join(d, header) for d in include if os.path.exists(os.path.join(d, header))]
            assert found, f"{os.path.relpath(f, source)} includes <{header}>, found nowhere"
            used.append((f"#include <{header}>", found[0]))
    # Programs the build runs (lrelease for the translations).
    output = ""
    with open(os.path.join(build, "build.ninja")) as f:
        for line in f:
            if line.startswith("build "):
                output = line[6:]
            elif line.startswith("  COMMAND = ") and not output.startswith(NOT_PACKAGED):
                used += [(f"runs {p}", p) for p in re.findall(r"(?<![\w/])/usr/[\w/.+-]+", line)
                         if os.access(p, os.X_OK) and not os.path.isdir(p)]
    return used


def build_depends(source, build):
    if missing_tools("dpkg-query", "pkg-config"):
        return SKIP
    declared = build_depends_field(source)
    used = used_by_build(source, build)
    owner = owners(sorted({p for _, p in used}))
    lacking = sorted({f"{what}: {path} ({' or '.join(sorted(owner[path] or ['no package']))})"
                      for what, path in used if not owner[path] or not owner[path] & (declared | ESSENTIAL)})
    assert not lacking, "Build-Depends lacks what the build uses:\n  " + "\n  ".join(lacking)
    needed = set().union(*(o for o in owner.values() if o))
    unused = sorted(declared - BUILD_TOOLS - needed)
    assert not unused, f"Build-Depends names packages the build never uses: {unused}"
    print(f"OK: {len(used)} uses, all from the {len(declared)} Build-Depends")
    return 0


def installed():
    """As a player on a desktop: an X display and a sound server of its own."""
    if missing_tools("Xvfb", "pulseaudio", "parec"):
        return SKIP
    scratch = tempfile.mkdtemp(prefix="tunzle-installed-", dir=os.environ.get("AUTOPKGTEST_TMP"))
    games, display, server, recorder = [], None, None, None
    try:
        server = soundserver.SoundServer()
        recorder = server.record()
        display = driver.Display()
        appdata = os.path.join(scratch, "player")
        os.mkdir(appdata)
        checked = [recorder.frames()]

        def heard():
            end = recorder.frames()
            found = soundserver.spans(recorder.mono(checked[0], end))
            checked[0] = end
            return bool(found)
        starts("/usr/games/Tunzle", "/", display, appdata, games, env=server.env, heard=heard)
        help_opens("/", scratch, games)
        print("OK: the installed game plays its intro and reaches the song selector; MTHelp opens")
        return 0
    finally:
        for g in games:
            g.kill()
        if recorder:
            recorder.close()
        if display:
            display.close()
        if server:
            server.close()
        shutil.rmtree(scratch, ignore_errors=True)


if __name__ == "__main__":
    if sys.argv[1:2] == ["--installed"]:
        sys.exit(installed())
    if sys.argv[1:2] == ["--build-depends"]:
        sys.exit(build_depends(sys.argv[2], sys.argv[3]))
    sys.exit(package_of_tree(sys.argv[1], sys.argv[2]))
