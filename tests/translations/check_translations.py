"""The translations against the code: lupdate finds every text the program
says or shows, and each language's .ts holds exactly those, every one
finished and keeping its placeholders; each translated help text keeps the
English outline. Usage: check_translations.py SOURCE_DIR LUPDATE [OPTIONS...]"""
import glob
import os
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

PICK_ITEMS = {"No speech", "Screen reader", "Built-in voice", "."}
PICK_TITLES = {"Select Speech Type", "Select square size", "Song tile duration in seconds"}
LAYERS = ["base", "core", "common", "speech", "sound", "dialogs", "help", "helpprogram", "game"]


def messages(ts):
    """(context, source) -> (translation, finished) of a .ts file."""
    out = {}
    for context in ET.parse(ts).getroot().iter("context"):
        name = context.findtext("name")
        for m in context.iter("message"):
            t = m.find("translation")
            out[(name, m.findtext("source"))] = (t.text or "", t.get("type") not in ("unfinished", "vanished", "obsolete"))
    return out


def outline(path):
    with open(path, encoding="utf-8") as f:
        return [re.match(r"\++[0-9.]+", line).group(0) for line in f if line.startswith("+")]


def main(root, lupdate, options):
    problems = []
    with tempfile.TemporaryDirectory() as tmp:
        found_ts = os.path.join(tmp, "found.ts")
        subprocess.run([lupdate, "-silent", *options, *[os.path.join(root, d) for d in LAYERS], "-ts", found_ts],
                       check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        found = set(messages(found_ts))
    if len(found) < 100:
        problems.append(f"lupdate found only {len(found)} texts: are the texts still marked with Tr()?")
    files = sorted(glob.glob(os.path.join(root, "translations", "tunzle_*.ts")))
    if len(files) < 4:
        problems.append(f"expected four translations, found {files}")
    for ts in files:
        name = os.path.basename(ts)
        held = messages(ts)
        for key in sorted(found - set(held)):
            problems.append(f"{name}: not in the file (run the update_translations target): {key}")
        for key in sorted(set(held) - found):
            problems.append(f"{name}: no longer in the code: {key}")
        for (context, source), (text, finished) in sorted(held.items()):
            if not finished or not text:
                problems.append(f"{name}: unfinished: {context}: {source!r}")
                continue
            if sorted(re.findall(r"%\d", source)) != sorted(re.findall(r"%\d", text)):
                problems.append(f"{name}: placeholders differ: {source!r} -> {text!r}")
            # Pick lists: items are separated by | and give their values after a colon.
            if context == "text" and source in PICK_ITEMS and ("|" in text or ":" in text):
                problems.append(f"{name}: | or : would break a pick list item: {text!r}")
            if context == "text" and source in PICK_TITLES and "|" in text:
                problems.append(f"{name}: | would break a pick list's title: {text!r}")
    for english in ("MT.TXT", "DRV.TXT"):
        want = outline(os.path.join(root, "helptext", english))
        for path in sorted(glob.glob(os.path.join(root, "helptext", "*", english))):
            if outline(path) != want:
                problems.append(f"{os.path.relpath(path, root)}: its outline differs from the English help's")
    for p in problems:
        print(p)
    print(f"{len(found)} texts, {len(files)} translations: {len(problems)} problems")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2], sys.argv[3:]))
