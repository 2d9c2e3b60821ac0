#!/usr/bin/env python3
"""Regenerates resources/ui/*.ui and the named control numbers in
resources/ids/*.h from the layout tables. Run after editing a layout; the
generated files are committed so that the build needs no Python.

    uigen.py              writes them into resources/
    uigen.py --check      writes nothing; fails when a committed file differs
                          from what the layouts give"""

import os
import sys

sys.path.insert(0, os.path.dirname(__file__))

import osmosis_layouts  # noqa: E402
import measuring_layouts  # noqa: E402
import softener_layouts  # noqa: E402
from uigen_lib import ids_header  # noqa: E402

PROGRAMS = (softener_layouts, osmosis_layouts, measuring_layouts)
RESOURCES = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "resources")


def generated():
    """(path below resources/, text) of every generated file."""
    for layouts in PROGRAMS:
        for filename, build in layouts.TEMPLATES.items():
            yield os.path.join("ui", filename), build().xml(layouts.MASK_HEADER)
        program, namespace, filename = layouts.IDS
        yield os.path.join("ids", filename), ids_header(program, namespace, layouts.TEMPLATES)


def main():
    check = "--check" in sys.argv[1:]
    stale = []
    for path, text in generated():
        target = os.path.join(RESOURCES, path)
        if check:
            try:
                with open(target, encoding="utf-8") as existing:
                    if existing.read() == text:
                        continue
            except FileNotFoundError:
                pass
            stale.append(path)
            continue
        os.makedirs(os.path.dirname(target), exist_ok=True)
        with open(target, "w", encoding="utf-8") as out:
            out.write(text)
        print("wrote", path)
    for path in stale:
        print(f"resources/{path} is not what the layouts give: run tools/uigen/uigen.py")
    return 1 if stale else 0


if __name__ == "__main__":
    sys.exit(main())
