#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the page's service worker: the list of every file of the page and
a version named by their contents, so that any change makes a new cache.

    service_worker.py TEMPLATE PAGE_DIR"""

import hashlib
import json
import sys
from pathlib import Path

template, page = Path(sys.argv[1]), Path(sys.argv[2])
files = sorted(str(path.relative_to(page)) for path in page.rglob("*")
               if path.is_file() and path.name != "sw.js")
digest = hashlib.sha256()
for name in files:
    digest.update(name.encode())
    digest.update((page / name).read_bytes())
listed = json.dumps(["./"] + files)
worker = template.read_text().replace("@VERSION@", digest.hexdigest()[:16])
(page / "sw.js").write_text(worker.replace("@FILES@", listed))
