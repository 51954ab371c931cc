"""The translations against the code: lupdate finds every text the program
says or shows, and each language's .ts holds exactly those, every one
finished and keeping its placeholders (a count's form may say its number in
words: "eine Minute"), with as many forms as its language's plural rule has;
answer buttons fit the dialog builder (at most 10 characters, each of a box
a different first letter); each translated help text keeps the English outline. Usage: check_translations.py SOURCE_DIR LUPDATE [OPTIONS...]"""
import glob
import os
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

PICK_ITEMS = {"No speech", "Screen reader", "Built-in voice", "."}
PICK_TITLES = {"Select Speech Type", "Select square size", "Song tile duration in seconds"}
# Plural forms per language as Qt's rules have them; two for the rest.
PLURAL_FORMS = {"ru": 3, "pl": 3, "cs": 3}
# The answers a message box offers together.
ANSWER_SETS = [("Ok",), ("Ok", "Cancel"), ("Yes", "no", "Cancel"), ("yes", "No")]
LAYERS = ["base", "core", "common", "speech", "sound", "dialogs", "help", "helpprogram", "game"]


def messages(ts):
    """(context, source) -> (forms, finished) of a .ts file: one form, or a count's plural forms."""
    out = {}
    for context in ET.parse(ts).getroot().iter("context"):
        name = context.findtext("name")
        for m in context.iter("message"):
            t = m.find("translation")
            forms = [f.text or "" for f in t.iter("numerusform")] if m.get("numerus") == "yes" else [t.text or ""]
            key = (name, m.findtext("source"), m.findtext("comment") or "")
            out[key] = (forms, t.get("type") not in ("unfinished", "vanished", "obsolete"))
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
    if len(files) < 6:
        problems.append(f"expected six translations, found {files}")
    for ts in files:
        name = os.path.basename(ts)
        language = name[len("tunzle_"):-len(".ts")]
        held = messages(ts)
        for key in sorted(found - set(held)):
            problems.append(f"{name}: not in the file (run the update_translations target): {key}")
        for key in sorted(set(held) - found):
            problems.append(f"{name}: no longer in the code: {key}")
        for (context, source, _), (forms, finished) in sorted(held.items()):
            if not finished or not all(forms):
                problems.append(f"{name}: unfinished: {context}: {source!r}")
                continue
            if "%n" in source and len(forms) != PLURAL_FORMS.get(language.split("_")[0], 2):
                problems.append(f"{name}: {len(forms)} plural forms for {source!r}")
            # A count's form may say the number in words; its other placeholders stay.
            wanted = sorted(re.findall(r"%\d", source))
            for text in forms:
                if sorted(re.findall(r"%\d", text)) != wanted:
                    problems.append(f"{name}: placeholders differ: {source!r} -> {text!r}")
            if "%n" in source and "%n" not in forms[-1]:
                problems.append(f"{name}: the last plural form must say the count: {source!r} -> {forms!r}")
            text = forms[0]
            # Pick lists: items are separated by | and give their values after a colon.
            if context == "text" and source in PICK_ITEMS and ("|" in text or ":" in text):
                problems.append(f"{name}: | or : would break a pick list item: {text!r}")
            if context == "text" and source in PICK_TITLES and "|" in text:
                problems.append(f"{name}: | would break a pick list's title: {text!r}")
        for answers in ANSWER_SETS:
            said = [held.get(("MsgBox", a, ""), ([a], True))[0][0] for a in answers]
            for text in said:
                if len(text) > 10:
                    problems.append(f"{name}: the answer {text!r} is longer than 10 characters")
            firsts = [t[:1].lower() for t in said]
            if len(set(firsts)) != len(firsts):
                problems.append(f"{name}: the answers {said} start with the same letter")
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
