"""Measures where the program tells AT-SPI its things lie against where the
screen shows them, as magnifiers follow them: the focused cell and the
decoder-type choice, at the display scale Xft.dpi sets. Run by
scripts/check-atspi, which starts the program at 96, 144 and 192 dpi with its
window at an odd place. Arguments: the program's name and the dpi."""
import os
import subprocess
import sys
from collections import deque

import pyatspi

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "lib"))
from atspi_client import fail, find_program, key, pump  # noqa: E402

BLUE = (0, 0, 255)  # the CV row's own colour, which no palette changes
DOWN, RIGHT, TAB = 0xFF54, 0xFF53, 0xFF09


class Screenshot:
    """The whole screen, from ImageMagick as a binary PPM."""

    def __init__(self):
        data = subprocess.run(["import", "-window", "root", "-depth", "8", "ppm:-"],
                              check=True, capture_output=True).stdout
        fields = data.split(maxsplit=4)
        if fields[0] != b"P6" or fields[3] != b"255":
            fail("the screenshot is no 8-bit PPM")
        self.width, self.height = int(fields[1]), int(fields[2])
        self.pixels = fields[4]

    def at(self, x, y):
        if not (0 <= x < self.width and 0 <= y < self.height):
            return None
        offset = (y * self.width + x) * 3
        return tuple(self.pixels[offset:offset + 3])


def extents(accessible, coordinates=pyatspi.DESKTOP_COORDS):
    found = accessible.queryComponent().getExtents(coordinates)
    return (found.x, found.y, found.width, found.height)


def blue_area(picture, told):
    """The box around the blue area nearest the middle of the place told: the
    cell's fill, holes for its digits and all. The search stays near the place
    told, so a place far off finds another cell or none."""
    x, y, width, height = told
    middle = (x + width // 2, y + height // 2)
    seeds = sorted(((px, py) for px in range(x, x + width) for py in range(y, y + height)
                    if picture.at(px, py) == BLUE),
                   key=lambda p: abs(p[0] - middle[0]) + abs(p[1] - middle[1]))
    if not seeds:
        return None
    margin = max(width, height)
    seen = {seeds[0]}
    pending = deque(seen)
    while pending:
        px, py = pending.popleft()
        for near in ((px + 1, py), (px - 1, py), (px, py + 1), (px, py - 1)):
            if near not in seen and abs(near[0] - middle[0]) <= margin and abs(near[1] - middle[1]) <= margin \
                    and picture.at(*near) == BLUE:
                seen.add(near)
                pending.append(near)
    left, top = min(p[0] for p in seen), min(p[1] for p in seen)
    return (left, top, max(p[0] for p in seen) - left + 1, max(p[1] for p in seen) - top + 1)


def drawn_box(picture, told, margin):
    """The box around everything that differs from the window's background,
    within the margin given around the place told: the choice's frame, shown
    without a focus indicator, and the outline the window draws around it."""
    x, y, width, height = told
    background = picture.at(x - margin, y - margin)
    inside = [(px, py) for px in range(x - margin, x + width + margin) for py in range(y - margin, y + height + margin)
              if picture.at(px, py) not in (background, None)]
    if not inside:
        return None
    left, top = min(p[0] for p in inside), min(p[1] for p in inside)
    return (left, top, max(p[0] for p in inside) - left + 1, max(p[1] for p in inside) - top + 1)


def off_by(told, drawn):
    """How far the farthest edge told lies from the edge drawn, in device pixels."""
    if drawn is None:
        return None
    return max(abs(told[0] - drawn[0]), abs(told[1] - drawn[1]),
               abs(told[0] + told[2] - drawn[0] - drawn[2]), abs(told[1] + told[3] - drawn[1] - drawn[3]))


def wait_for(what, found):
    for _ in range(100):
        result = found()
        if result:
            return result
        pump(0.1)
    fail(what)


def focused_cell(table):
    for row in range(table.nRows):
        for column in range(table.nColumns):
            cell = table.getAccessibleAt(row, column)
            if cell.getState().contains(pyatspi.STATE_FOCUSED):
                return cell
    return None


name, dpi = sys.argv[1], sys.argv[2]
app = find_program(name)
choice = pyatspi.findDescendant(app, lambda a: a.getRole() == pyatspi.ROLE_COMBO_BOX)
grid = pyatspi.findDescendant(app, lambda a: a.getRole() == pyatspi.ROLE_TABLE)
if choice is None or grid is None:
    fail("no decoder-type choice or no grid on the bus")
table = grid.queryTable()
# The choice has the focus: Down picks the first type, Tab enters the grid on
# its first box, and Down goes on to the box column's CV.
key(DOWN)
wait_for("the first type was not chosen", lambda: table.nRows == 16)
key(TAB)
wait_for("Tab did not focus a cell", lambda: focused_cell(table))
for _ in range(16):
    cell = focused_cell(table)
    if cell is not None and cell.name.startswith("CV "):
        break
    key(DOWN)
    pump(0.1)
else:
    fail("Down never reached the CV row")
cell_name = cell.name
told = {"focused cell " + repr(cell_name): extents(cell), "choice": extents(choice)}
window_relative = {"focused cell": extents(cell, pyatspi.WINDOW_COORDS),
                   "choice": extents(choice, pyatspi.WINDOW_COORDS)}
# Right moves the focus on, so the cell shows its plain fill and neither it nor
# the choice draws a focus indicator.
key(RIGHT)
wait_for("Right did not move the focus", lambda: (focused_cell(table) or cell).name != cell_name)
pump(0.5)
picture = Screenshot()
scale = int(dpi) / 96
drawn = {"focused cell " + repr(cell_name): blue_area(picture, told["focused cell " + repr(cell_name)]),
         "choice": drawn_box(picture, told["choice"], int(4 * scale))}
# The window outlines the choice one device-independent pixel wide, around it.
around = {"choice": scale}
faults = []
for what in told:
    x, y, width, height = told[what]
    grow = around.get(what, 0)
    off = off_by((x - grow, y - grow, width + 2 * grow, height + 2 * grow), drawn[what])
    print(f"    {dpi} dpi: the {what} told at {told[what]}, drawn at {drawn[what]}: "
          + ("nothing of it there" if off is None else f"{off} px off"))
    if off is None or off > 1:
        faults.append(what)
print(f"    {dpi} dpi, window-relative (Qt's own bridge): "
      + ", ".join(f"the {what} {place}" for what, place in window_relative.items()))
if faults:
    fail(f"at {dpi} dpi AT-SPI places the {' and the '.join(faults)} more than a pixel from where it is drawn")
