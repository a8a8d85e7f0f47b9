#!/usr/bin/env python3
"""Keeps translations/vestrum_{dk,no,en}.ts in step with the sources.

  scripts/translations.py update            run lupdate over the sources (no obsolete entries, no line numbers)
  scripts/translations.py fill GLOSSARY [--override]
                                            give unfinished entries the words of a tab-separated glossary
                                            (context, source, dk, no, en[, note]; "\\n" stands for a line break);
                                            with --override, finished entries of the glossary get its words too
  scripts/translations.py report            list the entries that still have no finished translation
"""
import subprocess
import sys
import xml.etree.ElementTree as ET
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
LANGUAGES = ("dk", "no", "en")
FOLDERS = ("app", "core", "server", "mainwindow", "itemdialog", "export", "output", "printing", "setup", "forms", "platform")
LUPDATE = "/usr/lib/qt6/bin/lupdate"


def ts_path(language):
    return ROOT / "translations" / f"vestrum_{language}.ts"


def update():
    folders = [f for f in FOLDERS if (ROOT / f).is_dir()]
    for language in LANGUAGES:
        subprocess.run([LUPDATE, "-silent", "-no-obsolete", "-locations", "none", *folders,
                        "-ts", str(ts_path(language))], cwd=ROOT, check=True)


def messages(tree):
    for context in tree.getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            yield name, message


def fill(glossary_file, override=False):
    glossary = {}
    by_source = {}
    for line in Path(glossary_file).read_text(encoding="utf-8").splitlines():
        parts = line.split("\t")
        if len(parts) < 5:
            continue
        context, source = parts[0], parts[1].replace("\\n", "\n")
        words = {lang: text.replace("\\n", "\n") for lang, text in zip(LANGUAGES, parts[2:5])}
        glossary[(context, source)] = words
        by_source.setdefault(source, words)
    for language in LANGUAGES:
        path = ts_path(language)
        tree = ET.parse(path)
        filled = 0
        for context, message in messages(tree):
            translation = message.find("translation")
            unfinished = translation is not None and translation.get("type") == "unfinished"
            if translation is None or (not unfinished and not override):
                continue
            source = message.findtext("source")
            # A finished entry is only ever replaced by the words given for its own context.
            words = glossary.get((context, source)) or (by_source.get(source) if unfinished else None)
            if words and words[language]:
                translation.text = words[language]
                translation.attrib.pop("type", None)
                filled += 1
        tree.write(path, encoding="utf-8", xml_declaration=True)
        print(f"{path.name}: {filled} filled")
    update()  # lupdate writes the files back in its own layout


def report():
    missing = 0
    for language in LANGUAGES:
        tree = ET.parse(ts_path(language))
        for context, message in messages(tree):
            translation = message.find("translation")
            if translation is None or translation.get("type") == "unfinished" or not (translation.text or ""):
                print(f"{language}\t{context}\t{message.findtext('source')}")
                missing += 1
    return 1 if missing else 0


if __name__ == "__main__":
    command = sys.argv[1] if len(sys.argv) > 1 else "report"
    if command == "update":
        update()
    elif command == "fill":
        fill(sys.argv[2], "--override" in sys.argv[3:])
    else:
        sys.exit(report())
