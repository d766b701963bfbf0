#!/usr/bin/env python3
"""Checks the house's layering from the sources themselves: every folder
includes only the folders it may depend on (the README's "How it is built"
table), so that no folder depends on one above it and there is no loop, and
the plain libraries include no Qt, or Qt Core at most.

    scripts/check_layers.py [SOURCE_DIR]

Prints each breach and exits 1, else prints a summary and exits 0.
"""
import pathlib
import re
import sys

LIBRARIES = ["base", "files", "folders", "program", "editor", "program_file", "records", "plans", "fit",
             "imports", "exports", "history", "assets"]
# Folder: the folders its code may include, in the order the house is built.
MAY_INCLUDE = {
    "base": [],
    "files": ["base"],
    "folders": ["base"],
    "program": ["base"],
    "editor": ["program", "base"],
    "program_file": ["program", "base"],
    "records": ["files", "program", "base"],
    "plans": ["program", "base"],
    "fit": ["base"],
    "imports": ["fit", "plans", "program_file", "program", "base"],
    "exports": ["fit", "records", "program", "base"],
    "history": ["records", "program", "base"],
    "assets": [],
    "app/widgets": ["assets", "editor", "records", "history", "program", "base"],
    "app/commands": ["app/widgets"] + LIBRARIES,
    "app/window": ["app/commands", "app/widgets"] + LIBRARIES,
    "app": ["app/window"],  # main.cpp only
}
# What Qt a library may use: none, or Core for settings, XML and resources.
QT_CORE_ONLY = {"folders", "imports", "exports", "history", "assets"}
NO_QT = {"base", "files", "program", "editor", "program_file", "records", "plans", "fit"}
QT_CORE = re.compile(r"Q(Byte|String|Xml|Settings|Dir|File|Storage|Standard|Date|Time|Locale|Json|Sql|Scope|Hash|List|Map|Vector|Debug|Object|Core|Mutex|Thread|Timer|Saturating|Buffer|IODevice|TextStream|Url|Regular|Resource|Variant|Pointer|Shared|Lockfile|Temporary|Process|Elapsed|Atomic|Future|Promise|Runnable|Semaphore|Wait|Read|Write)")


def room(path):
    parts = path.split("/")
    if parts[0] == "app" and len(parts) > 2 and parts[1] in ("widgets", "commands", "window"):
        return "app/" + parts[1]
    return parts[0] if len(parts) > 1 else None


def main():
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).parent.parent)
    breaches, checked = [], 0
    for path in sorted(root.rglob("*")):
        if path.suffix not in (".h", ".cpp") or not path.is_file():
            continue
        rel = path.relative_to(root).as_posix()
        if "tests/" in rel or rel.startswith(("build/", "node_modules/")):
            continue
        here = room(rel)
        if here not in MAY_INCLUDE:
            continue
        checked += 1
        text = path.read_text(encoding="utf-8", errors="replace")
        for line_no, line in enumerate(text.splitlines(), 1):
            own = re.match(r'\s*#\s*include\s+"([^"]+)"', line)
            if own:
                there = room(own.group(1))
                if there and there != here and there not in MAY_INCLUDE[here]:
                    breaches.append(f"{rel}:{line_no}: {here} may not include {own.group(1)}")
                continue
            qt = re.match(r"\s*#\s*include\s+<(Q\w+)", line)
            if qt and (here in NO_QT or (here in QT_CORE_ONLY and not QT_CORE.match(qt.group(1)))):
                allowed = "no Qt" if here in NO_QT else "Qt Core only"
                breaches.append(f"{rel}:{line_no}: {here} uses {allowed}, not <{qt.group(1)}>")
    for breach in breaches:
        print(breach)
    print(f"{checked} files checked, {len(breaches)} breaches")
    return 1 if breaches or checked == 0 else 0


if __name__ == "__main__":
    sys.exit(main())
