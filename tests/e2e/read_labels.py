"""Waits until the window shows labels with the expected texts, read over the accessibility bus.

A label's text is its accessible name. Exits 0 when every expected text is on a showing label
of the window, 1 when the time runs out (printing the texts it did find).
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


def showing_labels(node, texts):
    for child in node:
        if child is None:
            continue
        if not child.getState().contains(pyatspi.STATE_SHOWING):
            continue
        if child.getRole() == pyatspi.ROLE_LABEL:
            texts.append(child.name)
        showing_labels(child, texts)
    return texts


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--window", required=True)
    parser.add_argument("--expect", action="append", default=[])
    parser.add_argument("--timeout", type=float, default=20)
    args = parser.parse_args()

    deadline = time.monotonic() + args.timeout
    texts = []
    while time.monotonic() < deadline:
        window = find_window(args.window)
        if window is not None:
            texts = showing_labels(window, [])
            if all(expected in texts for expected in args.expect):
                print("found", args.expect, "among", texts)
                return 0
        time.sleep(0.5)
    print("expected", args.expect, "on showing labels; found", texts, file=sys.stderr)
    return 1


if __name__ == "__main__":
    sys.exit(main())
