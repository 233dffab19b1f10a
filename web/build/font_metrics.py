#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the advance widths of the page's fonts as C++ (web/page_fonts.hpp),
for the characters the page's font subsets hold: the core's fitting rule
measures texts in them as the browser draws them, both when the page is
built and when it runs.

    font_metrics.py OUT.cpp FACE=FONT.ttf...

The faces in the order web/page_fonts.hpp names them: regular, bold, bold
italic."""

import sys

from fontTools.ttLib import TTFont

# The characters the page's font subsets hold (web/CMakeLists.txt).
RANGES = [(0x20, 0x7E), (0xA0, 0xFF), (0x2010, 0x2027), (0x20AC, 0x20AC)]


def advances(path):
    font = TTFont(path)
    cmap, metrics = font.getBestCmap(), font["hmtx"]
    return font["head"].unitsPerEm, [
        (code, metrics[cmap[code]][0])
        for first, last in RANGES
        for code in range(first, last + 1)
        if code in cmap
    ]


faces = [argument.split("=", 1) for argument in sys.argv[2:]]
tables, entries = [], []
for face, path in faces:
    units_per_em, widths = advances(path)
    rows = ",\n".join(f"    {{0x{code:04X}, {width}}}" for code, width in widths)
    tables.append(f"constexpr Advance k{face}[] = {{\n{rows},\n}};")
    entries.append(f"{{{units_per_em}, k{face}}}")

with open(sys.argv[1], "w", encoding="utf-8") as out:
    out.write(
        "// Written by web/build/font_metrics.py from the page's fonts.\n"
        '#include "web/page_fonts.hpp"\n\n'
        "namespace lnb::web {\nnamespace {\n\n"
        + "\n\n".join(tables)
        + "\n\n}  // namespace\n\n"
        + f"const std::array<FaceAdvances, {len(entries)}> kFaceAdvances{{{{"
        + ", ".join(entries)
        + "}};\n\n}  // namespace lnb::web\n"
    )
