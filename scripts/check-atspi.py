"""Reads and ticks the grid over AT-SPI as a screen reader does, and waits for
the announcements. Run by scripts/check-atspi, which starts the program on the
sample list in a virtual X server with its own accessibility bus."""
import os
import sys
import time

import pyatspi

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "lib"))
from atspi_client import fail, find_program, key, pump  # noqa: E402


def expect(what, actual, wanted):
    if actual != wanted:
        fail(f"{what}: {actual!r}, expected {wanted!r}")
    print(f"    ok: {what}: {actual!r}")


# Qt 5's bridge passes no "checkable" state on; the role says it instead.
def states(accessible):
    found = accessible.getState()
    return {name for name, state in [("checked", pyatspi.STATE_CHECKED), ("enabled", pyatspi.STATE_ENABLED),
                                     ("editable", pyatspi.STATE_EDITABLE)]
            if found.contains(state)}


# Screen readers read by character, word, sentence and line, at the caret and
# around it. Every such read must come at once, whatever the text and offset.
BOUNDARIES = {pyatspi.TEXT_BOUNDARY_CHAR: "character", pyatspi.TEXT_BOUNDARY_WORD_START: "word start",
              pyatspi.TEXT_BOUNDARY_WORD_END: "word end", pyatspi.TEXT_BOUNDARY_SENTENCE_START: "sentence start",
              pyatspi.TEXT_BOUNDARY_SENTENCE_END: "sentence end", pyatspi.TEXT_BOUNDARY_LINE_START: "line start",
              pyatspi.TEXT_BOUNDARY_LINE_END: "line end"}


def read_in_pieces(what, accessible):
    text = accessible.queryText()
    content = text.getText(0, -1)
    reads = 0
    slowest = 0.0
    for boundary, boundary_name in BOUNDARIES.items():
        for offset in range(-2, len(content) + 3):
            for place, read in (("before", text.getTextBeforeOffset), ("at", text.getTextAtOffset),
                                ("after", text.getTextAfterOffset)):
                start = time.monotonic()
                try:
                    piece, first, end = read(offset, boundary)
                except Exception as error:
                    fail(f"{what}: the {boundary_name} {place} offset {offset} of {content!r} never came: {error}")
                slowest = max(slowest, time.monotonic() - start)
                reads += 1
                if (first, end) == (-1, -1) and not piece:
                    continue
                if not 0 <= first < end <= len(content) or content[first:end] != piece:
                    fail(f"{what}: the {boundary_name} {place} offset {offset} of {content!r}: "
                         f"{piece!r} from {first} to {end}")
    if slowest > 0.5:
        fail(f"{what}: a read of {content!r} took {slowest:.2f} s")
    print(f"    ok: {what} {content!r}: {reads} reads by every boundary at every offset, "
          f"the slowest in {slowest * 1000:.0f} ms")


# Roles that only hold or frame others need no name of their own.
UNNAMED_ROLES = {pyatspi.ROLE_FILLER, pyatspi.ROLE_PANEL}


def nameless_objects(root):
    nameless = []
    pending = [root]
    while pending:
        accessible = pending.pop()
        pending.extend(accessible[k] for k in range(accessible.childCount))
        if not accessible.name and accessible.getRole() not in UNNAMED_ROLES:
            nameless.append(accessible.getRoleName())
    return nameless


app = find_program(sys.argv[1])
choice = pyatspi.findDescendant(app, lambda a: a.getRole() == pyatspi.ROLE_COMBO_BOX)
grid = pyatspi.findDescendant(app, lambda a: a.getRole() == pyatspi.ROLE_TABLE)
if choice is None or grid is None:
    fail("no decoder-type choice or no grid on the bus")
# Orca reads the choice's value from its name, and what it is from its label.
labels = [relation.getTarget(k).name for relation in choice.getRelationSet()
          if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY for k in range(relation.getNTargets())]
expect("the choice's label", labels, ["Decodertyp"])
read_in_pieces("the choice", choice)

# The choice has the focus; End picks the sample's last type, whose F0 is locked.
key(0xFF57)
table = grid.queryTable()
for _ in range(100):
    if table.nRows == 16 and table.getRowDescription(0) == "Spitzenlicht A":
        break
    pump(0.1)
else:
    fail("the type with locked F0 was not chosen")
expect("the choice's name and value", (choice.name, choice.queryText().getText(0, -1)),
       ("Triebwagen, Licht gesperrt", "Triebwagen, Licht gesperrt"))

box, locked, unused = table.getAccessibleAt(0, 2), table.getAccessibleAt(0, 0), table.getAccessibleAt(8, 2)
value = table.getAccessibleAt(15, 2)
expect("a box's role", box.getRoleName(), "check box")
expect("a box's name", box.name, "Spitzenlicht A, F1")
expect("a box's states", states(box), {"enabled"})
expect("a box's action", box.queryAction().getName(0), "Toggle")
expect("a locked box's role", locked.getRoleName(), "check box")
expect("a locked box's states", states(locked), {"checked"})
expect("an unused cell's name", unused.name, "nicht belegt")
expect("an unused cell's states", states(unused), set())
expect("a value's name", value.name, "Wert F1")
expect("a value's text", value.queryText().getText(0, -1), "16")
expect("a value's states", states(value), {"editable", "enabled"})
read_in_pieces("a value", value)
expect("objects without a name", nameless_objects(app), [])

heard = []
def listen(event):
    text = event.any_data if event.type.startswith("object:text-changed") else None
    heard.append((event.type, event.source.name, event.detail1, text))
pyatspi.Registry.registerEventListener(listen, "object:state-changed:checked", "object:text-changed")
pump(1.0)  # the program learns of the listeners

box.queryAction().doAction(0)
for _ in range(50):
    pump(0.1)
    if len(heard) >= 2:
        break
expect("the box after its action", states(box), {"checked", "enabled"})
expect("the value after the box's action", value.queryText().getText(0, -1), "17")
expect("the announcements", sorted(heard), sorted([
    ("object:state-changed:checked", "Spitzenlicht A, F1", 1, None),
    ("object:text-changed:insert", "Wert F1", 0, "17"),
]))

# Tab from the choice lands on the first box that can be ticked, and says so.
heard.clear()
pyatspi.Registry.registerEventListener(listen, "object:state-changed:focused")
pump(1.0)
key(0xFF09)
for _ in range(50):
    pump(0.1)
    if ("object:state-changed:focused", "Spitzenlicht A, F1", 1, None) in heard:
        break
expect("the cell focused by Tab", [name for kind, name, on, _ in heard if kind.endswith("focused") and on][-1:],
       ["Spitzenlicht A, F1"])

# Down to the box's value, F2, and "-1" typed into the editor, which is known
# by its focus: it is no cell of the grid.
focused = []
pyatspi.Registry.registerEventListener(lambda event: focused.append(event.source), "object:state-changed:focused")
pump(1.0)
for keysym in [0xFF54] * 9 + [0xFFBF, 0x2D, 0x31]:
    key(keysym)
    pump(0.05)
for _ in range(100):
    editors = [source for source in focused if source.name == "Wert F1 bearbeiten"]
    if editors and editors[-1].queryText().getText(0, -1) == "-1":
        break
    pump(0.1)
else:
    fail("the value editor did not open with the typed -1")
read_in_pieces("the value editor", editors[-1])
