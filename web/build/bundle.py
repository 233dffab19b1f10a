#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The page's modules as one: each module once, after those it imports, their
imports and export keywords dropped, in one module scope.

    bundle.py ENTRY OUT [FOLDER...]

A module is looked for beside the module that imports it, then in each
FOLDER: the build writes some (the first view) where the sources are not.

One file for the browser to fetch and compile, where the modules would be
found one level at a time, each level a round trip and a task on a phone's
busy main thread. The modules are the page's own, written as plain
`import { a, b } from './x.js';` lines and `export` declarations; anything
else is refused rather than bundled wrongly.

Its first line asks the browsers that read it (Chromium's explicit compile
hints) to compile every function while the file downloads, off the page's
thread: all of them run as the page starts."""
import re
import sys
from pathlib import Path

IMPORT = re.compile(r"^import \{([^}]*)\} from '\./([\w.]+\.js)';\n", re.M)
EXPORT = re.compile(r"^export (?=(?:class|const|function|async function) )", re.M)
COMPILE_ALL_AT_ONCE = "//# allFunctionsCalledOnLoad"
DECLARED = re.compile(r"^(?:class|const|let|function|async function) (\w+)", re.M)


def found(name, beside, folders):
    for folder in [beside, *folders]:
        if (folder / name).is_file():
            return folder / name
    sys.exit(f"{beside / name}: no such module here or in {', '.join(map(str, folders))}")


def read_module(path, done, order, folders):
    if path in done:
        return
    done.add(path)
    text = path.read_text(encoding="utf-8")
    for names, name in IMPORT.findall(text):
        read_module(found(name, path.parent, folders), done, order, folders)
    body = IMPORT.sub("", text)
    if re.search(r"^\s*(import|export)\b", EXPORT.sub("", body), re.M):
        sys.exit(f"{path}: an import or export this bundler does not know")
    order.append((path, EXPORT.sub("", body)))


def main(entry, out, *folders):
    order = []
    read_module(Path(entry), set(), order, [Path(folder) for folder in folders])
    declared = {}
    for path, body in order:
        for name in DECLARED.findall(body):
            if name in declared:
                sys.exit(f"{path}: {name} is declared in {declared[name]} too")
            declared[name] = path
    parts = [f"// ---- {path.name}\n{body}" for path, body in order]
    Path(out).write_text("\n".join([COMPILE_ALL_AT_ONCE, *parts]), encoding="utf-8")


if __name__ == "__main__":
    main(*sys.argv[1:])
