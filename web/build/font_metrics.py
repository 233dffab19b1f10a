#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the advance widths of the page's fonts, for the texts the page is
built with: the core's fitting rule measures them as the browser will.

    font_metrics.py OUT.tsv FACE=FONT.ttf...

Each line: the face, a code point (or "em" for the units per em), its
advance in font units."""

import sys

from fontTools.ttLib import TTFont

# The characters the page's font subsets hold (web/CMakeLists.txt).
RANGES = [(0x20, 0x7E), (0xA0, 0xFF), (0x2010, 0x2027), (0x20AC, 0x20AC)]

lines = []
for argument in sys.argv[2:]:
    face, path = argument.split("=", 1)
    font = TTFont(path)
    lines.append(f"{face}\tem\t{font['head'].unitsPerEm}")
    cmap, metrics = font.getBestCmap(), font["hmtx"]
    for first, last in RANGES:
        for code in range(first, last + 1):
            if code in cmap:
                lines.append(f"{face}\t{code}\t{metrics[cmap[code]][0]}")
with open(sys.argv[1], "w", encoding="utf-8") as out:
    out.write("\n".join(lines) + "\n")
