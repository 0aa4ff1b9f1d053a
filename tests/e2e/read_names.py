"""Waits until the window shows objects with the expected names, read over the accessibility bus.

Every showing object counts: a label by its text, a button by its caption, a text box by its
name and as "name=text". Exits 0 once every --expect name is shown and no --absent one is, 1 when the time runs
out (printing the names it did find).
"""
import argparse
import sys
import time

import pyatspi


def find_window(title):
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is None:
            continue
        for window in app:
            if window is not None and window.name == title:
                return window
    return None


def showing_names(node, names):
    for child in node:
        if child is None:
            continue
        if not child.getState().contains(pyatspi.STATE_SHOWING):
            continue
        names.append(child.name)
        if child.getRole() in (pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY):
            # A text box also counts as "name=text", so a flow can read what it holds.
            text = child.queryText()
            names.append(child.name + "=" + text.getText(0, text.characterCount))
        showing_names(child, names)
    return names


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--window", required=True)
    parser.add_argument("--expect", action="append", default=[])
    parser.add_argument("--absent", action="append", default=[])
    parser.add_argument("--timeout", type=float, default=20)
    args = parser.parse_args()

    deadline = time.monotonic() + args.timeout
    names = []
    while time.monotonic() < deadline:
        window = find_window(args.window)
        if window is not None:
            names = showing_names(window, [])
            if all(name in names for name in args.expect) and not any(
                name in names for name in args.absent
            ):
                print("found", args.expect, "without", args.absent, "among", names)
                return 0
        time.sleep(0.5)
    print("expected", args.expect, "without", args.absent, "; found", names, file=sys.stderr)
    return 1


if __name__ == "__main__":
    sys.exit(main())
