#!/usr/bin/env python3
"""Regenerates resources/ui/*.ui from the layout tables. Run after editing a
layout; the generated files are committed so that the build needs no Python."""

import os
import sys

sys.path.insert(0, os.path.dirname(__file__))

import osmosis_layouts  # noqa: E402
import measuring_layouts  # noqa: E402
import softener_layouts  # noqa: E402

root = os.path.join(os.path.dirname(__file__), "..", "..", "resources", "ui")
os.makedirs(root, exist_ok=True)
for layouts in (softener_layouts, osmosis_layouts, measuring_layouts):
    for filename, build in layouts.TEMPLATES.items():
        with open(os.path.join(root, filename), "w", encoding="utf-8") as out:
            out.write(build().xml(layouts.MASK_HEADER))
        print("wrote", filename)
