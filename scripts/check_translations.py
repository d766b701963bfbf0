#!/usr/bin/env python3
"""Checks that every text a user reads is translated in every language.

    scripts/check_translations.py --lupdate LUPDATE --sources LIST --options "OPTS" TS...

lupdate runs with the build's options on copies of the .ts files, so that a
text added to the sources since the files were last updated shows up as
untranslated, and one removed from them as stale. Then every message of
every copy must have a finished, non-empty translation that keeps the
source's placeholders (%1, %2, ...) and line breaks. Prints each fault and
exits 1, else prints a summary and exits 0.
"""
import argparse
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET


def messages(path):
    """(context, source) -> translation element, for each message."""
    found = {}
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            found[(name, message.findtext("source"))] = message.find("translation")
    return found


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--lupdate", required=True)
    parser.add_argument("--sources", required=True, help="a file listing the sources, one a line")
    parser.add_argument("--options", default="", help="lupdate's options, separated by spaces")
    parser.add_argument("ts", nargs="+")
    args = parser.parse_args()

    sources = [line for line in pathlib.Path(args.sources).read_text().splitlines() if line]
    faults, checked = [], 0
    with tempfile.TemporaryDirectory() as scratch:
        copies = []
        for ts in args.ts:
            copy = pathlib.Path(scratch) / pathlib.Path(ts).name
            shutil.copyfile(ts, copy)
            copies.append(copy)
        list_file = pathlib.Path(scratch) / "sources.lst"
        list_file.write_text("\n".join(sources) + "\n")
        run = subprocess.run([args.lupdate, "-silent", *args.options.split(), f"@{list_file}", "-ts",
                              *map(str, copies)], capture_output=True, text=True)
        if run.returncode != 0:
            print(run.stdout + run.stderr)
            return 1
        for ts, copy in zip(args.ts, copies):
            name = pathlib.Path(ts).name
            committed, current = messages(ts), messages(copy)
            if not current:
                faults.append(f"{name}: lupdate found no texts")
            for context, source in sorted(committed.keys() - current.keys()):
                faults.append(f"{name}: [{context}] {source!r} is no longer in the sources")
            for (context, source), translation in sorted(current.items()):
                checked += 1
                where = f"{name}: [{context}] {source!r}"
                text = translation.text or ""
                kind = translation.get("type")
                if kind:
                    faults.append(f"{where} is {kind}")
                elif not text.strip():
                    faults.append(f"{where} has an empty translation")
                elif sorted(re.findall(r"%\d", source)) != sorted(re.findall(r"%\d", text)):
                    faults.append(f"{where}: the translation {text!r} changes the placeholders")
                elif source.count("\n") != text.count("\n"):
                    faults.append(f"{where}: the translation {text!r} changes the line breaks")
    for fault in faults:
        print(fault)
    print(f"{len(args.ts)} languages, {checked} translations checked, {len(faults)} faults")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
