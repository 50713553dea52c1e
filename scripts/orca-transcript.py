"""Drives the program with key presses only, as a blind user would, and
checks what Orca speaks after each key. Run by scripts/check-orca, which
starts Orca with a hook that writes every utterance to $FM_SPOKEN, a line each."""
import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

SPOKEN = os.environ["FM_SPOKEN"]
PROGRAM = sys.argv[1]
# Orca has finished with a key once it has said nothing more for this long.
QUIET = 1.0
# Keys in a row after which Orca said nothing though words were due: it has
# fallen silent, and the keys still to come would only wait for it.
SILENT_KEYS = 2
failures = []
# The program's own words as the English window says them (FM_LANGUAGE=en);
# the decoder types and output names are the list's and stay as written.
ENGLISH = {"Decodertyp": "Decoder type", "Funktionszuordnung": "Function mapping", "F0 v": "F0 f",
           "Wert F2 bearbeiten": "Edit Value F2", "Wert": "Value",
           "Eingefügt: CV35, CV36 aus CV-Angaben im Text.": "Pasted: CV35, CV36 from the CVs named in the text.",
           "CV47 ordnet keine Funktion zu": "CV47 maps no function",
           "Rückgängig gemacht: Einfügen.": "Undone: Paste."}


def words(text):
    if os.environ.get("FM_LANGUAGE") == "en":
        for german, english in ENGLISH.items():
            text = text.replace(german, english)
    return text


silent_keys = 0


def pump():
    context = GLib.MainContext.default()
    while context.iteration(False):
        pass


def heard():
    with open(SPOKEN, encoding="utf-8") as spoken:
        return spoken.read().splitlines()


def settle(before, words_due=True, limit=15.0):
    """What Orca said since `before` utterances, once it has fallen silent;
    when words are due, not before it has said something."""
    start = last_change = time.monotonic()
    count = len(heard())
    while time.monotonic() - start < limit:
        pump()
        time.sleep(0.02)
        if len(heard()) != count:
            count, last_change = len(heard()), time.monotonic()
        if time.monotonic() - last_change >= QUIET and (count > before or not words_due):
            break
    return heard()[before:]


def press(*keys):
    subprocess.run(["xdotool", "key", "--delay", "0", *keys], check=True)


def step(keys, expected, at_most=None, never=()):
    """Presses the keys; Orca must then say the expected texts, in this order,
    each within one utterance, in at most `at_most` utterances, and none of
    the texts in `never`."""
    global silent_keys
    expected, never = [words(text) for text in expected], [words(text) for text in never]
    before = len(heard())
    press(*keys)
    said = settle(before, words_due=bool(expected))
    print(f"    {' '.join(keys):<12} {' | '.join(said)}")
    silent_keys = silent_keys + 1 if expected and not said else 0
    if silent_keys == SILENT_KEYS:
        sys.exit(f"error: Orca fell silent: nothing after {SILENT_KEYS} keys in a row, the last {' '.join(keys)}")
    position = 0
    for text in expected:
        found = next((k for k in range(position, len(said)) if text in said[k]), None)
        if found is None:
            failures.append(f"after {' '.join(keys)}: Orca did not say {text!r} (in order)")
            return said
        position = found
    if at_most is not None and len(said) > at_most:
        failures.append(f"after {' '.join(keys)}: {len(said)} utterances, expected at most {at_most}")
    for text in never:
        if any(text in utterance for utterance in said):
            failures.append(f"after {' '.join(keys)}: Orca said {text!r}")
    return said


def put_on_clipboard(text):
    """Offers the text as the clipboard, served while this script pumps its main loop."""
    import gi
    gi.require_version("Gtk", "3.0")
    gi.require_version("Gdk", "3.0")
    from gi.repository import Gdk, Gtk
    Gtk.Clipboard.get(Gdk.SELECTION_CLIPBOARD).set_text(text, -1)
    pump()


def cpu_seconds(pid):
    with open(f"/proc/{pid}/stat") as stat:
        fields = stat.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def stays_idle(keys):
    """The program has answered Orca and waits for the next key: a read that
    never returns keeps it busy at a full core."""
    start = cpu_seconds(program_pid)
    time.sleep(1.0)
    used = cpu_seconds(program_pid) - start
    if used > 0.5:
        failures.append(f"after {' '.join(keys)}: the program stayed busy ({used:.2f} s of processor time in 1 s)")


program_pid = next(app for app in pyatspi.Registry.getDesktop(0)
                   if app is not None and app.name == PROGRAM).get_process_id()


def recorder(into, what):
    """A listener that keeps `what` of each event the program sends."""
    def record(event):
        try:
            if event.host_application.name == PROGRAM:
                into.append(what(event))
        except Exception:
            pass
    return record


events = []
count_event = recorder(events, lambda event: event.type)
# Where the program tells AT-SPI its caret went, as Orca hears it.
carets = []
caret_moved = recorder(carets, lambda event: event.detail1)


print("    (start)      " + " | ".join(settle(0)))
# Orca 48 leaves out a label that the name already says: in English the
# placeholder "<Choose decoder type>" names the choice by itself.
if not any(words("Decodertyp").lower() in said.lower() and "combo box" in said for said in heard()):
    failures.append("at the start: Orca did not name the choice")

# The chosen type, spoken on Up and Down, on where-am-I (keypad Enter) and on focus;
# the events a type change sends, counted as any assistive technology gets them.
pyatspi.Registry.registerEventListener(count_event, "object", "focus", "window")
settle(len(heard()), words_due=False)
events.clear()
step(["Down"], ["Standard nach NMRA"], at_most=1)
print(f"    a type change sent {len(events)} events: {sorted(set(events))}")
if len(events) > 8:
    failures.append(f"a type change sent {len(events)} events")
pyatspi.Registry.deregisterEventListener(count_event, "object", "focus", "window")
step(["KP_Enter"], ["Decodertyp", "combo box", "Standard nach NMRA"])

# Into the grid; a box, ticked with Space.
step(["Tab"], ["Funktionszuordnung", "Licht vorwärts, F0 v check box checked"])
step(["space"], ["not checked"], at_most=1)
step(["Right"], ["Licht vorwärts, F0 r check box"], at_most=1)
step(["Right"], ["Licht vorwärts, F1 check box"], at_most=1)

# Down to the CV and value rows: one cell each, not the whole row.
for _ in range(7):
    step(["Down"], ["F1 check box"], at_most=1)
step(["Down"], ["CV 35, F1"], at_most=1, never=["CV 36"])
step(["Down"], ["Wert F1", "4"], at_most=2, never=["CV"])
step(["Right"], ["Wert F2", "8"], at_most=2)

# Typing a value: the editor says which value it is; Return speaks the new one.
step(["F2"], ["Wert F2 bearbeiten text", "8"])
step(["7"], [])
step(["Return"], ["Wert F2", "7"])
step(["3"], ["Wert F2 bearbeiten text"])
step(["Return"], ["Wert F2", "3"])

# Pasting a forum's line: Orca reads the status bar's notice of what was used
# and what not; undoing it says so, and the value is as before.
put_on_clipboard("CV35=4, CV36=8, CV47=1")
step(["ctrl+v"], ["Eingefügt: CV35, CV36 aus CV-Angaben im Text.", "CV47 ordnet keine Funktion zu"], at_most=2)
step(["ctrl+z"], ["Rückgängig gemacht: Einfügen."], at_most=2)

# Word by word through a typed "-1", which starts with no word: the caret
# goes where the key sends it, the program is free again right after each key,
# and Orca says something after each key that lands on a word (which words is
# its own business). At the start only a lone minus sign stands, which Orca
# speaks or not as it pleases; the key after it shows that it was not kept silent.
step(["F2"], ["Wert F2 bearbeiten text", "3"])
step(["minus", "1"], [])
pyatspi.Registry.registerEventListener(caret_moved, "object:text-caret-moved")
for keys, caret, on_word in ((["ctrl+Left"], 1, True), (["ctrl+Left"], 0, False),
                             (["ctrl+Right"], 1, True), (["ctrl+Right"], 2, True)):
    carets.clear()
    step(keys, [""] if on_word else [])
    stays_idle(keys)
    pump()
    if carets[-1:] != [caret]:
        failures.append(f"after {' '.join(keys)}: the caret went to {carets}, not {caret}")
pyatspi.Registry.deregisterEventListener(caret_moved, "object:text-caret-moved")
step(["Escape"], ["Wert F2", "3"])

# A type whose light is locked: the arrows reach its boxes, spoken as unavailable,
# and Space changes nothing.
step(["shift+Tab"], ["Decodertyp", "combo box", "Standard nach NMRA"])
for name in ["Diesellok mit Sound", "Dampflok mit Rauchgenerator", "Triebwagen, Licht gesperrt"]:
    step(["Down"], [name], at_most=1)
step(["Tab"], ["F1 check box"])
step(["Left"], ["F0 r check box", "grayed"], at_most=2)
step(["space"], [], at_most=0)

# Choosing a type and tabbing on at once: Orca must not be kept busy. The
# middle of three tries, against the machine's other work.
delays = []
for key in ["Up", "Down", "Up"]:
    step(["shift+Tab"], ["Decodertyp", "combo box"])
    before = len(heard())
    start = time.monotonic()
    press(key, "Tab")
    while len(heard()) == before and time.monotonic() - start < 10:
        time.sleep(0.005)
    delays.append(time.monotonic() - start)
    print(f"    {key} Tab{' ' * (9 - len(key))}first words after {delays[-1]:.2f} s: {' | '.join(settle(before))}")
if sorted(delays)[1] > 0.3:
    failures.append(f"Orca's first words after choosing and Tab came after {sorted(delays)[1]:.2f} s")

for failure in failures:
    print("error: " + failure, file=sys.stderr)
sys.exit(1 if failures else 0)
