#!/usr/bin/env python3
"""Measures on screenshots what a low-vision user sees of the window.

Run by scripts/check-contrast inside a virtual X server, once per palette and
scale: starts the program on sample/decoders.ini, picks the fourth sample type
(two locked columns), moves the focus with the keyboard and photographs each
step, then the station dialog with the focus on its check box. Prints the WCAG contrast of every box's edge and tick, the locked boxes'
mark, every focus indicator (with its thickness and how much of a full ring it
covers) and the texts, each against its bar; exits 1 when any is below.

Usage: check-contrast.py PROGRAM SAMPLE_DIR NAME DPI [EXPECTED_WINDOW [LIVE_CHANGE EXPECTED_WINDOW]...]
       check-contrast.py --boxes PICTURE DPI SAMPLE_DIR
  EXPECTED_WINDOW: the window's colour, as #rrggbb, proving the palette the
  desktop asked for was taken; LIVE_CHANGE: a line written to the settings
  portal's input ($FM_PORTAL_INPUT, a pipe), after which the window is
  measured again.
"""
import io
import os
import statistics
import subprocess
import sys
import time

import numpy
from PIL import Image

TYPE_INDEX = 4  # "Triebwagen, Licht gesperrt": CV33 and CV34 locked
WINDOW_STARTS = [0] * 5 + [3] * 5 + [6] * 4
failures = []


def luminance(rgb):
    def channel(c):
        c /= 255
        return c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4
    r, g, b = (channel(c) for c in rgb[:3])
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def contrast(a, b):
    la, lb = luminance(a), luminance(b)
    return (max(la, lb) + 0.05) / (min(la, lb) + 0.05)


def report(what, figure, bar, unit=":1"):
    ok = figure >= bar
    print(f"    {what:<44} {figure:6.2f}{unit:<3} (bar {bar}{unit}) {'ok' if ok else 'FAIL'}")
    if not ok:
        failures.append(what)


def key(*keys, pause=0.35):
    for k in keys:
        subprocess.run(["xdotool", "key", k], check=True)
        time.sleep(pause)


def shot(window, name):
    png = subprocess.run(["import", "-window", window, "-depth", "8", "ppm:-"], check=True, capture_output=True).stdout
    image = Image.open(io.BytesIO(png)).convert("RGB")
    # Kept for a look when a figure fails.
    if os.environ.get("FM_SHOTS"):
        image.save(os.path.join(os.environ["FM_SHOTS"], f"{name}.png"))
    return image


def mode(image, box):
    return statistics.mode(image.crop(box).getdata())


def median(image, box):
    """The middle colour by luminance: a cell's fill even where a tint shades it."""
    pixels = sorted(image.crop(box).getdata(), key=luminance)
    return pixels[len(pixels) // 2]


def strongest(image, box, against):
    return max(contrast(p, against) for p in image.crop(box).getdata())


def sample_values(sample_dir, type_index=TYPE_INDEX):
    """The CV values of the type given, read from the sample as the program does."""
    sections, values = 0, []
    with open(os.path.join(sample_dir, "decoders.ini"), encoding="utf-8-sig") as f:
        for line in f:
            if line.startswith("["):
                sections += 1
            elif sections == type_index and line.startswith("CV"):
                values.append(int(line.split("=")[1]))
    return values


class Grid:
    """Cell rectangles found from the pure blue CV row."""

    def __init__(self, image, scale):
        self.scale = scale
        pixels = numpy.asarray(image)
        blue = numpy.all(pixels == (0, 0, 255), axis=2)
        # Rows mostly blue: a title bar's few blue pixels are no CV row.
        counts = blue.sum(axis=1)
        rows = numpy.flatnonzero(counts > counts.max() / 2) if counts.max() else counts[:0]
        if not rows.size:
            raise SystemExit("FAIL: no blue CV row: no decoder type shown")
        self.top, bottom = rows[0], rows[-1]
        line = blue[self.top + 1]  # above the CV numbers
        edges = numpy.flatnonzero(numpy.diff(line.astype(int)))
        starts, ends = edges[0::2] + 1, edges[1::2]
        self.columns = list(zip(starts.tolist(), ends.tolist()))
        if len(self.columns) != 14:
            raise SystemExit(f"FAIL: {len(self.columns)} CV cells found, not 14")
        self.top, bottom = int(self.top), int(bottom)
        self.height = bottom - self.top + 1
        self.pitch = self.height + self.columns[1][0] - self.columns[0][1] - 1

    def cell(self, row, column):
        """(left, top, right, bottom), inclusive; rows 0-13 outputs, 14 CV, 15 value.
        Rows are whole device-independent pixels apart, so at a fractional
        scale they fall where that many pixels times the scale round to."""
        left, right = self.columns[column]
        logical = round(self.pitch / self.scale)
        top = self.top + round((row - 14) * logical * self.scale)
        bottom = self.top + round(((row - 14) * logical + logical - 1) * self.scale) - 1
        return left, top, right, bottom


def band_pixels(rect, depth_from, depth_to):
    """Pixels from depth_from to depth_to - 1 inside the rectangle's edges, by side."""
    left, top, right, bottom = rect
    sides = {"top": [], "bottom": [], "left": [], "right": []}
    for d in range(depth_from, depth_to):
        for x in range(left, right + 1):
            sides["top"].append((x, top + d))
            sides["bottom"].append((x, bottom - d))
        for y in range(top + depth_to, bottom - depth_to + 1):
            sides["left"].append((left + d, y))
            sides["right"].append((right - d, y))
    return sides


def ring_figures(what, focused, rect, surroundings, scale):
    """A ring along the inside of rect: contrast against its surroundings
    (a colour per pixel), thickness in device-independent pixels, coverage."""
    thick = max(2, round(2 * scale))
    fp = focused.load()
    sides = band_pixels(rect, 0, thick)
    medians, reached, total = [], 0, 0
    for name, pixels in sides.items():
        ratios = [contrast(fp[p], surroundings(p)) for p in pixels]
        medians.append(statistics.median(ratios))
        reached += sum(r >= 3 for r in ratios)
        total += len(ratios)
    left, top, right, bottom = rect
    mx, my = (left + right) // 2, (top + bottom) // 2
    runs = []
    for start, step in (((mx, top), (0, 1)), ((mx, bottom), (0, -1)), ((left, my), (1, 0)), ((right, my), (-1, 0))):
        n, p = 0, start
        while n < 4 * thick and contrast(fp[p], surroundings(p)) >= 3:
            n += 1
            p = (p[0] + step[0], p[1] + step[1])
        runs.append(n)
    report(f"{what}: ring", min(medians), 3)
    report(f"{what}: ring thickness", min(runs) / scale, 2, " px")
    report(f"{what}: ring complete", 100 * reached / total, 100, " %")


def changed(a, b):
    return numpy.any(numpy.asarray(a) != numpy.asarray(b), axis=2)


def changed_bbox(a, b, limit_y):
    diff = changed(a, b)[:limit_y]
    ys, xs = numpy.nonzero(diff)
    if not ys.size:
        return None
    return int(xs.min()), int(ys.min()), int(xs.max()), int(ys.max())


def measure_choice(what, focused, unfocused, grid, scale):
    header_top = grid.cell(0, 0)[1] - grid.pitch - 2
    bbox = changed_bbox(focused, unfocused, header_top)
    if not bbox:
        report(f"{what}: ring", 1, 3)
        return None
    outside = round(3 * scale)
    window = mode(focused, (bbox[0] - outside, bbox[1] - outside, bbox[0], bbox[3]))
    ring_figures(what, focused, bbox, lambda p: window, scale)
    return bbox, window


def focused_cell(image, reference, grid):
    """The cell whose pixels changed most against the unfocused picture."""
    diff = changed(image, reference)
    counts = {}
    for row in range(16):
        for column in range(14):
            left, top, right, bottom = grid.cell(row, column)
            counts[row, column] = int(diff[top:bottom + 1, left:right + 1].sum())
    return max(counts, key=counts.get)


def measure_cell_focus(what, image, reference, grid, scale):
    row, column = focused_cell(image, reference, grid)
    left, top, right, bottom = grid.cell(row, column)
    # What the ring frames: the cell as it is drawn with the focus, selected or
    # not, taken right of boxes and texts.
    inset = round(4 * scale)
    inside = median(image, ((left + right) // 2 + inset, top + inset, right - inset + 1, bottom - inset + 1))
    ring_figures(f"{what} ({row},{column}) on {'#%02x%02x%02x' % inside}", image, (left, top, right, bottom),
                 lambda p: inside, scale)


def box_rect(image, grid):
    """The box's rectangle within a cell, from an open unticked one (row 0, F3)."""
    left, top, right, bottom = grid.cell(0, 4)
    background = mode(image, (left, top, right + 1, bottom + 1))
    px = image.load()
    points = [(x, y) for y in range(top + 3, bottom - 2) for x in range(left + 3, right - 2)
              if contrast(px[x, y], background) > 1.15]
    if not points:
        return None
    return (min(x for x, _ in points) - left, min(y for _, y in points) - top,
            max(x for x, _ in points) - left, max(y for _, y in points) - top)


def measure_dialog(window, tag, scale):
    """The station dialog, opened from the grid's context menu: its check box's
    own box and its focus ring against the dialog, each at 3:1."""
    key("Menu", "Up", "Return", pause=0.6)
    found = subprocess.run(["timeout", "10", "xdotool", "search", "--sync", "--onlyvisible", "--name",
                            "^(Zentrale|Command station)$"], capture_output=True, text=True).stdout.split()
    if not found:
        report("station dialog: opened", 0, 1)
        return
    dialog = found[0]
    # Kind, address, port, check box, check button: the box's ring is what
    # changes both from the port's focus and to the button's.
    key("Tab", "Tab")
    before = shot(dialog, f"{tag}-dialog-port")
    key("Tab")
    focused = shot(dialog, f"{tag}-dialog-box")
    key("Tab")
    after = shot(dialog, f"{tag}-dialog-button")
    key("Escape")
    # Without a window manager the window takes the keys back only when told.
    subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True)
    time.sleep(0.5)
    ys, xs = numpy.nonzero(changed(focused, before) & changed(focused, after))
    if not ys.size:
        report("station dialog: check box ring", 1, 3)
        return
    bbox = int(xs.min()), int(ys.min()), int(xs.max()), int(ys.max())
    outside = round(3 * scale)
    window = mode(focused, (bbox[0] - outside, bbox[1], bbox[0], bbox[3]))
    ring_figures("station dialog: check box", focused, bbox, lambda p: window, scale)
    inset = round(3 * scale)
    indicator = (bbox[0] + inset, bbox[1] + inset, bbox[0] + inset + round(14 * scale), bbox[3] - inset)
    report("station dialog: check box's box", strongest(before, indicator, window), 3)


def check_window_colour(what, found, expected):
    """The palette the desktop asked for is the one the window shows."""
    if expected and found != expected:
        print(f"FAIL: {what}: the window is {'#%02x%02x%02x' % found}, not {'#%02x%02x%02x' % expected}")
        failures.append(what)
    elif expected:
        print(f"    {what:<44} {'#%02x%02x%02x' % found}, as asked")


def box_edges(px, b, background):
    """The weakest side of a box's edge: on each side the better of the two
    outermost lines, corners left out, each line's median contrast."""
    edges = []
    for side in range(4):
        best = 1
        for depth in range(2):
            if side < 2:
                y = b[1] + depth if side == 0 else b[3] - depth
                line = [px[x, y] for x in range(b[0] + 2, b[2] - 1)]
            else:
                x = b[0] + depth if side == 2 else b[2] - depth
                line = [px[x, y] for y in range(b[1] + 2, b[3] - 1)]
            best = max(best, statistics.median(contrast(p, background) for p in line))
        edges.append(best)
    return min(edges)


def measure_boxes(what, image, grid, values, scale):
    px = image.load()
    offset = box_rect(image, grid)
    if not offset:
        report(f"{what}: an open box, edge on its cell (none to be seen)", 1, 3)
        return
    figures = {}
    for column, value in enumerate(values):
        for bit in range(8):
            row = WINDOW_STARTS[column] + bit
            if row > 13:
                continue
            left, top, right, bottom = grid.cell(row, column)
            background = mode(image, (left, top, right + 1, bottom + 1))
            # At a fractional scale rows and columns fall a pixel either way:
            # the box is where its edge shows best near where it should be.
            edges = max((box_edges(px, (left + offset[0] + dx, top + offset[1] + dy,
                                        left + offset[2] + dx, top + offset[3] + dy), background), (dx, dy))
                        for dx in range(-2, 3) for dy in range(-2, 3))
            dx, dy = edges[1]
            b = (left + offset[0] + dx, top + offset[1] + dy, left + offset[2] + dx, top + offset[3] + dy)
            edges = edges[0]
            locked = value < 0
            checked = abs(value) >> bit & 1
            kind = ("locked" if locked else "open") + (" ticked" if checked else " unticked")
            figures.setdefault(f"{kind} box: edge on its cell", []).append(edges)
            if checked:
                inset = max(2, round(2 * scale))
                fill = px[b[0] + inset, b[1] + inset]
                tick = strongest(image, (b[0] + inset, b[1] + inset, b[2] - inset + 1, b[3] - inset + 1), fill)
                figures.setdefault(f"{kind} box: tick on its fill", []).append(tick)
            if locked:
                margin = round(3 * scale)
                mark = strongest(image, (b[2] + margin, top + margin, right - margin + 1, bottom - margin + 1),
                                 background)
                figures.setdefault("locked box: mark beside it", []).append(mark)
    for name, values_ in sorted(figures.items()):
        report(f"{name} (min of {len(values_)})", min(values_), 3)


def measure_texts(image, grid, choice, value_column=2):
    def text(what, rect, bar=4.5):
        background = mode(image, rect)
        report(what, strongest(image, rect, background), bar)
    text("CV row text", grid.cell(14, 2))
    text("value row text, F0 v (locked value)", grid.cell(15, 0))
    text(f"value row text, F{value_column - 1}", grid.cell(15, value_column))
    left, top, _, bottom = grid.cell(0, 0)
    text("row label Spitzenlicht A", (max(0, left - 6 * grid.pitch), top, left - 2, bottom))
    text("column header F0 v", (left, top - grid.pitch + 2, grid.columns[0][1], top - 2))
    if choice:
        (l, t, r, b), _ = choice
        inset = 6
        text("the choice's text", (l + inset, t + inset, r - 4 * inset, b - inset))


def measure_selected_text(what, image, grid, scale, row=15, column=2):
    """The text of the selected cell, inside its focus ring, against the selection."""
    inset = round(3 * scale)
    left, top, right, bottom = grid.cell(row, column)
    rect = (left + inset, top + inset, right - inset, bottom - inset)
    report(what, strongest(image, rect, mode(image, rect)), 4.5)


def measure_picture(picture, dpi, sample_dir):
    """Boxes only, on a picture of the window taken elsewhere (under Wine) with
    the first sample type chosen."""
    print(f"==> boxes in {os.path.basename(picture)} at {dpi} dpi")
    image = Image.open(picture).convert("RGB")
    measure_boxes("boxes", image, Grid(image, int(dpi) / 96), sample_values(sample_dir, 1), int(dpi) / 96)
    return 1 if failures else 0


def main():
    if sys.argv[1] == "--boxes":
        return measure_picture(*sys.argv[2:5])
    program, sample_dir, name, dpi = sys.argv[1:5]
    program = os.path.abspath(program)
    expected = sys.argv[5] if len(sys.argv) > 5 else ""
    changes = list(zip(sys.argv[6::2], sys.argv[7::2]))
    scale = int(dpi) / 96
    rgb = lambda hex_: tuple(int(hex_[k:k + 2], 16) for k in (1, 3, 5)) if hex_ else None
    print(f"==> {name} at {dpi} dpi")
    tag = f"{name.split()[-1]}-{dpi}"
    app = subprocess.Popen([program], cwd=sample_dir, stderr=subprocess.DEVNULL)
    try:
        window = subprocess.run(["timeout", "30", "xdotool", "search", "--sync", "--onlyvisible", "--name",
                                 "^Function Mapping$"], capture_output=True, text=True).stdout.split()
        if not window:
            raise SystemExit("FAIL: no window titled Function Mapping")
        window = window[0]
        subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True)
        time.sleep(1)
        first = shot(window, f"{tag}-first")
        key(*["Down"] * TYPE_INDEX)
        time.sleep(0.5)
        chosen = shot(window, f"{tag}-chosen")
        grid = Grid(chosen, scale)
        key("Tab")
        entered = shot(window, f"{tag}-entered")
        key("Left")
        locked = shot(window, f"{tag}-locked")
        key("Right", *["Down"] * 8)
        cv = shot(window, f"{tag}-cv")
        key("Down")
        value = shot(window, f"{tag}-value")
        key("F2")
        editor = shot(window, f"{tag}-editor")
        key("Escape")
        measure_dialog(window, tag, scale)
        # The value cell stays selected while the focus is on the choice.
        key("shift+Tab")
        away = shot(window, f"{tag}-selected-away")
        key("Tab")
        values = sample_values(sample_dir)
        measure_boxes("boxes", chosen, grid, values, scale)
        choice = measure_choice("the choice, first frame", first, entered, grid, scale)
        if choice:
            bbox, window_colour = choice
            check_window_colour("the window's colour", window_colour, rgb(expected))
            outline = band_pixels(bbox, round(2 * scale) - round(scale), round(2 * scale))
            pe = entered.load()
            report("the choice's outline, unfocused",
                   min(statistics.median(contrast(pe[p], window_colour) for p in side) for side in outline.values()), 3)
        measure_choice("the choice, after a type is chosen", chosen, entered, grid, scale)
        for what, image in (("grid focus, entering", entered), ("grid focus, locked box", locked),
                            ("grid focus, CV row", cv), ("grid focus, value row", value),
                            ("value editor", editor)):
            measure_cell_focus(what, image, chosen, grid, scale)
        measure_texts(chosen, grid, choice)
        measure_selected_text("selected value text, focus in the grid", value, grid, scale)
        measure_selected_text("selected value text, focus on the choice", away, grid, scale)
        for step, (live, expected_after) in enumerate(changes):
            print(f"  -- the desktop changes: {live}")
            with open(os.environ["FM_PORTAL_INPUT"], "w") as portal:
                portal.write(live + "\n")
            time.sleep(1.5)
            # The choice takes the focus once and keeps it.
            if step == 0:
                key("shift+Tab")
            changed = shot(window, f"{tag}-changed-{step}")
            measure_boxes("boxes after the change", changed, grid, values, scale)
            if choice:
                bbox = choice[0]
                outside = round(3 * scale)
                window_colour = mode(changed, (bbox[0] - outside, bbox[1] - outside, bbox[0], bbox[3]))
                check_window_colour("the window's colour after the change", window_colour, rgb(expected_after))
                ring_figures("the choice after the change", changed, bbox, lambda p: window_colour, scale)
            # The current value cell, F1, is selected, with the focus on the choice.
            measure_texts(changed, grid, None)
    finally:
        app.terminate()
        app.wait()
    if failures:
        print(f"FAIL: {name} at {dpi} dpi: {len(failures)} figures below their bar")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
