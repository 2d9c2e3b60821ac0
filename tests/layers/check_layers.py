#!/usr/bin/env python3
"""The suite's layers and their one direction, checked on the sources.

Each folder may include its own headers and those of the layers below it:

    programs (softener, osmosis) -> widgets -> shell -> controller -> devlink, files
    measuring: its window -> shell; its core -> devlink, files
    cli (aquendorctl) -> controller, the measuring core, the programs' tables
    tools/unitsim, tools/ports -> devlink
    each program -> its own named control numbers (resources/ids)

The libraries without Qt (files, devlink, controller, the simulator, the
command-line tool, and the sources given with --qt-free: the measuring
core and the programs' tables) include no Qt header, and whatever they
include of the suite's own headers comes from a library without Qt too:
the command-line tool may take the measuring core and the tables from the
programs' folders, never their windows or pages.

    check_layers.py ROOT [--qt-free FILE ...]

Prints every broken rule, one a line, and ends with exit code 1 when
there is one.
"""

import os
import re
import sys

QT_FREE_LAYERS = ["files", "devlink", "controller", "tools/unitsim", "resources/ids", "cli"]

# The named control numbers, plain constants: each program sees its own
# and only its own; the shared layers take control numbers from the
# program as data and include none.
IDS = {
    "softener": "resources/ids/ksv2_ids.h",
    "osmosis": "resources/ids/pln2_ids.h",
    "measuring": "resources/ids/vantiqo_ids.h",
}

# What a folder may include besides itself.
ALLOWED = {
    "files": [],
    "devlink": [],
    "controller": ["devlink", "files"],
    "shell": ["controller", "devlink", "files"],
    "widgets": ["shell", "controller", "devlink", "files"],
    "softener": ["widgets", "shell", "controller", "devlink", "files"],
    "osmosis": ["widgets", "shell", "controller", "devlink", "files"],
    "measuring": ["shell", "devlink", "files"],
    "cli": ["controller", "devlink", "files", "measuring", "softener", "osmosis"],
    "tools/unitsim": ["devlink"],
    "tools/ports": ["devlink"],
    "resources/ids": [],
}

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.MULTILINE)
QT_HEADER = re.compile(r"^(Q[A-Z]|Qt[A-Za-z]*/|ui_)")


def layer_of(path):
    """The layer a path in the tree belongs to, or None."""
    for layer in sorted(ALLOWED, key=len, reverse=True):
        if path == layer or path.startswith(layer + "/"):
            return layer
    return None


def includes_of(root, path):
    with open(os.path.join(root, path), encoding="utf-8", errors="replace") as source:
        return INCLUDE.findall(source.read())


def sources(root):
    for layer in ALLOWED:
        folder = os.path.join(root, layer)
        for name in sorted(os.listdir(folder)) if os.path.isdir(folder) else []:
            if name.endswith((".h", ".cpp")):
                yield layer + "/" + name


def direction_faults(root):
    for path in sources(root):
        layer = layer_of(path)
        for kind, header in includes_of(root, path):
            target = layer_of(header) if kind == '"' else None
            if target == "resources/ids":
                if header != IDS.get(layer):
                    yield f"{path}: includes {header}, the control numbers of another program"
            elif target and target != layer and target not in ALLOWED[layer]:
                yield f"{path}: includes {header} from the layer above ({target})"


def qt_free_closure(root, given):
    """The given sources and the headers of their own folders they include,
    but none that includes a Qt header itself."""
    known = set()
    todo = list(given)
    while todo:
        path = todo.pop()
        if path in known or not os.path.isfile(os.path.join(root, path)):
            continue
        includes = includes_of(root, path)
        if any(QT_HEADER.match(header) for _, header in includes):
            continue
        known.add(path)
        own = path.rsplit("/", 1)[0]
        for kind, header in includes:
            if kind == '"' and header.startswith(own + "/"):
                todo.append(header)
    return known


def qt_free_faults(root, given):
    """Follows the suite's own includes from every Qt-free source."""
    seen = set()
    # Sources outside the Qt-free folders that are free of Qt (each is
    # checked itself below).
    known = qt_free_closure(root, given)
    todo = [p for p in sources(root) if layer_of(p) in QT_FREE_LAYERS] + list(given)
    while todo:
        path = todo.pop()
        if path in seen or not os.path.isfile(os.path.join(root, path)):
            continue
        seen.add(path)
        own = path.rsplit("/", 1)[0]
        for kind, header in includes_of(root, path):
            if kind == "<" or "/" not in header:
                if QT_HEADER.match(header):
                    yield f"{path}: includes the Qt header {header} but must stay free of Qt"
                continue
            target = layer_of(header)
            upward = target and target != layer_of(path) and target not in ALLOWED[layer_of(path)]
            free = target in QT_FREE_LAYERS or header in known
            if not free and not header.startswith(own + "/") and not upward:
                yield f"{path}: includes {header}, which may use Qt"
            if free or header.startswith(own + "/"):
                todo.append(header)


def main(argv):
    root = argv[1]
    given = []
    if "--qt-free" in argv:
        for path in argv[argv.index("--qt-free") + 1 :]:
            given.append(os.path.relpath(os.path.abspath(path), os.path.abspath(root)))
            header = os.path.splitext(given[-1])[0] + ".h"
            if os.path.isfile(os.path.join(root, header)):
                given.append(header)
    faults = sorted(set(direction_faults(root)) | set(qt_free_faults(root, given)))
    for fault in faults:
        print(fault)
    print(f"{len(faults)} broken layer rules")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
