"""Reads the running program's window through AT-SPI, as a screen reader does, and checks it.

Prints the tree it reads, then checks roles, names, descriptions and states; clicks ASTABIL and
MONOSTABIL with xdotool and checks that the diagrams' "showing" states follow, with the events a
screen reader listens for; opens the first selector's list and closes it again.
Usage: accessibility_tree.py WINDOW ASTABIL_X ASTABIL_Y MONOSTABIL_X MONOSTABIL_Y ARROW_X ARROW_Y
(places in the window's client area). Exits 1 with a FAIL line at the first fault; every wait
gives up after a few seconds.
"""

import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

RESULT_LINES = ["IZLAZ VISOK XX.XX S", "IZLAZ NIZAK XX.XX S", "DUZINA CIKLUSA XX.XX S",
                "FREKFENCIJA XXXX HZ", "RADNI CIKLUS XXX %"]
ROWS = ["R1", "R2", "C3"]


def fail(message):
    print(f"FAIL: {message}", file=sys.stderr)
    sys.exit(1)


def states(accessible):
    accessible.clear_cache()  # what the program says now, not what an earlier call was told
    return {pyatspi.stateToString(s) for s in accessible.getState().getStates()}


def labelled_by(accessible):
    return [r.getTarget(i).name for r in accessible.getRelationSet()
            if r.getRelationType() == pyatspi.RELATION_LABELLED_BY for i in range(r.getNTargets())]


def dump(accessible, depth=0):
    line = f"{'  ' * depth}{accessible.getRoleName()} '{accessible.name}'"
    if accessible.description:
        line += f" description '{accessible.description}'"
    if labels := labelled_by(accessible):
        line += f" labelled by {labels}"
    print(f"{line} [{', '.join(sorted(states(accessible)))}]")
    for child in accessible:
        dump(child, depth + 1)


def wait_until(what, condition, seconds=5):
    deadline = time.monotonic() + seconds
    while not condition():
        if time.monotonic() > deadline:
            fail(f"{what} within {seconds} s")
        GLib.MainContext.default().iteration(False)
        time.sleep(0.02)


def find_window():
    found = []

    def look():
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == "Tvorka1":
                found[:] = [c for c in app if c.getRoleName() == "frame" and c.name == "Form1"]
        return found

    wait_until("no frame 'Form1' of an application 'Tvorka1' on the accessibility bus", look, 10)
    return found[0]


def main(argv):
    window, places = argv[1], [int(a) for a in argv[2:8]]
    astabil, monostabil, arrow = places[0:2], places[2:4], places[4:6]

    def click(place):
        subprocess.run(["xdotool", "mousemove", "--window", window, str(place[0]), str(place[1]),
                        "click", "1"], check=True, timeout=10)

    # Listening before anything changes: Qt sends only the events that someone listens for.
    events = []
    pyatspi.Registry.registerEventListener(
        lambda e: events.append((e.type.split(":")[-1], e.source.name, e.detail1)), "object:state-changed")

    frame = find_window()
    dump(frame)
    controls = list(frame)
    if len(controls) != 18:
        fail(f"the window has {len(controls)} children, not 18")

    def one(role, name):
        matches = [c for c in controls if c.getRoleName() == role and c.name == name]
        if len(matches) != 1:
            fail(f"{len(matches)} children with role {role} and name '{name}'")
        return matches[0]

    if "active" not in states(frame):
        fail("the window is not active")
    mono, astable = one("image", "Monostabil"), one("image", "Astabil")
    for image, circuit in ((mono, "monostabilnog"), (astable, "astabilnog")):
        if not image.description.startswith(f"Shema {circuit} kola s tajmerom NE555"):
            fail(f"the image '{image.name}' is described as '{image.description}'")
    option1, option2 = one("radio button", "MONOSTABIL"), one("radio button", "ASTABIL")
    for row in ROWS:
        if "editable" not in states(one("text", row)):
            fail(f"the entry field {row} is not editable")
        one("label", row)
    for caption in RESULT_LINES:
        one("label", caption)
    selectors = [c for c in controls if c.getRoleName() == "combo box"]
    if sorted(labelled_by(s)[0] for s in selectors if labelled_by(s)) != sorted(ROWS):
        fail(f"the selectors are labelled by {[labelled_by(s) for s in selectors]}")
    if "focused" not in states(one("text", "R1")):
        fail("the focus is not in the entry field R1 at start")

    def expect_mode(shown, hidden, selected, cleared):
        # What a screen reader hears of the switch: Qt tells "showing" (its state set has "visible" too).
        expected = {("showing", shown.name, 1), ("showing", hidden.name, 0),
                    ("checked", selected.name, 1), ("checked", cleared.name, 0)}
        wait_until(f"not all of the events {sorted(expected)} came", lambda: expected <= set(events))
        if not {"showing", "visible"} <= states(shown) or "showing" in states(hidden):
            fail(f"'{shown.name}' is {sorted(states(shown))}, '{hidden.name}' {sorted(states(hidden))}")
        if "checked" not in states(selected) or "checked" in states(cleared):
            fail(f"'{selected.name}' is {sorted(states(selected))}, '{cleared.name}' {sorted(states(cleared))}")
        print(f"{selected.name}: '{shown.name}' showing, '{hidden.name}' not; events {sorted(set(events))}")
        events.clear()

    if "showing" not in states(mono) or "showing" in states(astable) or "checked" not in states(option1):
        fail("the window does not start in the monostable circuit")
    events.clear()
    click(astabil)
    expect_mode(astable, mono, option2, option1)
    click(monostabil)
    expect_mode(mono, astable, option1, option2)

    # The first selector's list: open, empty, then closed with the focus back in the selector.
    selector = next(s for s in selectors if labelled_by(s) == ["R1"])
    click(arrow)
    wait_until("the first selector's list did not open", lambda: "expanded" in states(selector))
    lists = [c for c in selector if c.getRoleName() == "list"]
    if len(lists) != 1 or lists[0].childCount != 0 or "showing" not in states(lists[0]):
        fail(f"the open list is {[(l.childCount, sorted(states(l))) for l in lists]}")
    print(f"the first selector's list: open, {lists[0].childCount} rows")
    subprocess.run(["xdotool", "key", "Escape"], check=True, timeout=10)
    wait_until("the first selector's list did not close", lambda: "expanded" not in states(selector))
    wait_until("the focus did not come back to the selector", lambda: "focused" in states(selector))
    selector.clear_cache()
    if selector.name != "Combo1":
        fail(f"the selector's text became '{selector.name}'")
    print("the first selector's list: closed by Escape, focus back in the selector, text 'Combo1'")


if __name__ == "__main__":
    main(sys.argv)
