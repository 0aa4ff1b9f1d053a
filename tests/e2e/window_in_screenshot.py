"""Finds the program's window in a screenshot by the design's blue, which fills its client
area edge to edge and nothing else on a weston screen; checks its size and keeps the window,
with its title bar, as a picture.
    window_in_screenshot.py SCREEN.png WINDOW.png
Exits 1, saying what it saw, unless the blue area is 321 x 481 pixels."""
import sys

from PIL import Image

BLUE = (0, 0, 255)
TITLE_BAR = 30  # the height of Qt's own decoration above the client area, and its border
BORDER = 3

screen = Image.open(sys.argv[1]).convert("RGB")
pixels = screen.load()
width, height = screen.size
columns = [x for x in range(width) if any(pixels[x, y] == BLUE for y in range(0, height, 4))]
if not columns:
    sys.exit("no window on the screen")
left, right = min(columns), max(columns)
rows = [y for y in range(height) if pixels[(left + right) // 2, y] == BLUE]
top, bottom = min(rows), max(rows)
size = (right - left + 1, bottom - top + 1)
if size != (321, 481):
    sys.exit(f"the window's client area is {size[0]} x {size[1]}")
screen.crop((max(left - BORDER, 0), max(top - TITLE_BAR, 0),
             min(right + 1 + BORDER, width), min(bottom + 1 + BORDER, height))).save(sys.argv[2])
