# SPDX-License-Identifier: GPL-3.0-or-later
# What Orca itself says as a user works the window from the keyboard: keys go
# through the X server (xdotool), and each phrase is read back from Orca's debug
# file, which is read once Orca has ended, since it writes the file in blocks.
# Usage: tst_orca.py PROGRAM ORCA_DEBUG_FILE ORCA_PID
import datetime
import os
import re
import signal
import subprocess
import sys
import time

import pyatspi

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from waiting import Failure, wait_for  # noqa: E402

PROGRAM, DEBUG, ORCA = sys.argv[1], sys.argv[2], int(sys.argv[3])
FIGURES = "Общее максимальное энергопотребление:"
LINE = "Мощность по линии: 420 Вт"
# What the user does where the focus is, and the one phrase Orca must then say
# once (None: nothing counted). Quiet long enough after each for a second phrase
# about the same change to have come, typing's a second after the last key.
ON_MEMORY_TYPE = [
    ("Down in the closed list", ["Down"], FIGURES),
    ("Down again", ["Down"], FIGURES),
    ("Up", ["Up"], FIGURES),
    ("where am I", ["KP_Enter"], FIGURES),
    ("open the drop-down", ["alt+Down", "Down", "Down"], None),
    ("pick with Return", ["Return"], FIGURES),
    ("type into the list", ["BackSpace", "2"], FIGURES),
]
ON_CURRENT = [
    ("the converter's fields", ["3", "5", "Tab", "1", "2", "Tab"], None),
    ('"=" with Space', ["space"], LINE),
    ("where am I on =", ["KP_Enter"], LINE),
    ('"=" with Return', ["Return"], LINE),
]
SETTLE = 3.0
STARTED = datetime.datetime.now()  # Orca started just before this script
steps = []  # (what the user did, when it began, what Orca must say once)


def focused(node):
    """The names of what has the focus: a list and its text field may both say so."""
    names = []
    for child in node:
        if child is not None:
            if child.getState().contains(pyatspi.STATE_FOCUSED):
                names.append(child.name)
            names += focused(child)
    return names


def step(name, keys, expected=None, settle=SETTLE):
    steps.append((name, datetime.datetime.now(), expected))
    for key in keys:
        subprocess.run(["xdotool", "key", key], check=True)
        time.sleep(0.3)
    time.sleep(settle)


def tab_to(app, name, key="Tab"):
    for _ in range(40):
        if name in focused(app):
            return
        step(f"{key} {len(steps)} towards {name}", [key], settle=0.5)
    raise Failure(f"Tab never reached {name!r}")


def drive(program):
    desktop = pyatspi.Registry.getDesktop(0)

    def shown():
        if program.poll() is not None:
            raise Failure(f"the program ended with {program.returncode} before its window was shown")
        return next((a for a in desktop if a is not None and a.name == "Ostrel"), None)
    app = wait_for(shown, "the window")
    window = subprocess.run(["xdotool", "search", "--sync", "--name", "^Ostrel$"], capture_output=True, text=True,
                            check=True).stdout.split()[0]
    subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True)
    wait_for(lambda: focused(app), "the first list to take the focus")
    time.sleep(SETTLE)

    tab_to(app, "Процессор: разгон")
    step("Tab onto a list", ["Tab"])
    tab_to(app, "Оперативная память: тип")
    for action in ON_MEMORY_TYPE:
        step(*action)
    tab_to(app, "Ток по линии, ампер")
    for action in ON_CURRENT:
        step(*action)


def ended(pid):
    try:
        with open(f"/proc/{pid}/stat") as stat:
            return stat.read().split()[2] == "Z"  # ended, and left for its parent to reap
    except FileNotFoundError:
        return True


def spoken():
    """Every phrase Orca said, with when it said it. Orca writes the time of day
    alone, in order: a time well before the one written last is on the next day."""
    phrase = re.compile(r"^(\d\d:\d\d:\d\d\.\d+) - SPEECH OUTPUT: '(.*)'\s*[\[{]")
    phrases, last = [], STARTED
    with open(DEBUG, encoding="utf-8", errors="replace") as log:
        for m in filter(None, map(phrase.match, log)):
            at = datetime.datetime.combine(last.date(), datetime.time.fromisoformat(m[1]))
            if at < last - datetime.timedelta(hours=1):
                at += datetime.timedelta(days=1)
            phrases.append((at, m[2]))
            last = at
    return phrases


def said_during(phrases, index):
    end = steps[index + 1][1] if index + 1 < len(steps) else datetime.datetime.max
    return [text for at, text in phrases if steps[index][1] <= at < end]


def main():
    failures = []

    def check(condition, message):
        if not condition:
            failures.append(message)
            print("FAIL:", message, flush=True)

    program = subprocess.Popen([PROGRAM])
    try:
        drive(program)
    except Failure as failure:
        check(False, str(failure))
    finally:
        program.terminate()
        program.wait(30)
    if ended(ORCA):
        check(False, "Orca had ended before the keys were done")
    else:
        os.kill(ORCA, signal.SIGTERM)
        try:
            wait_for(lambda: ended(ORCA), "Orca to end", 30)
        except Failure as failure:
            os.kill(ORCA, signal.SIGKILL)
            check(False, str(failure))
    phrases, drove = spoken(), not failures
    for index, (name, _, expected) in enumerate(steps):
        heard = said_during(phrases, index)
        print(f"{name}: {heard}", flush=True)
        if not drove:
            continue
        if name == "Tab onto a list":
            # The list's name once, then what it shows: its prompt.
            joined, list_name = " ".join(heard), "Видеокарта: производитель"
            check(joined.count(list_name) == 1 and "Видеокарта" in joined.split(list_name, 1)[-1],
                  f"Tab onto a list said {joined!r}")
        elif expected:
            check(sum(expected in text for text in heard) == 1, f"{name}: {expected!r} said in {heard}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
