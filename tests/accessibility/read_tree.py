"""Reads the running program's accessibility tree through AT-SPI and finds the status view's parts
by the names a screen reader would speak. Exits 1 naming what it did not find."""
import re
import sys
import time

import pyatspi

APPLICATION = sys.argv[1]
WANTED = {
    # The state's score is 62; the card's number is read out as a sentence.
    "the quality score": re.compile(r"^Connection quality 62 of 100, \w+$"),
    "the issue": re.compile(r"^Things are a bit sluggish$"),
    "the diagnostics button": re.compile(r"^Diagnostics$"),
}


def names(node, depth=0):
    if node is None or depth > 60:
        return
    try:
        yield node.name, node.getRoleName()
        for i in range(node.childCount):
            yield from names(node.getChildAtIndex(i), depth + 1)
    except Exception:  # a node that went away while being read
        return


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == APPLICATION:
            return app
    return None


found = {}
seen = []
deadline = time.monotonic() + 30
while time.monotonic() < deadline:
    app = application()
    if app is not None:
        seen = list(names(app))
        found = {what: any(pattern.search(name or "") for name, _ in seen) for what, pattern in WANTED.items()}
        if all(found.values()):
            break
    time.sleep(0.5)

missing = [what for what, ok in found.items() if not ok] if found else list(WANTED)
if missing:
    print("atspi: not found by name: " + ", ".join(missing))
    print("atspi: the tree had: " + "; ".join(f"{role} {name!r}" for name, role in seen if name))
    sys.exit(1)
print(f"atspi: found {', '.join(WANTED)} among {len(seen)} nodes")
