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

PROGRAM, DEBUG, ORCA = sys.argv[1], sys.argv[2], int(sys.argv[3])
MEMORY = "Оперативная память: тип"
# Quiet long enough for a second phrase about the same change to have come; the
# typed text is answered once the typing pauses, a second after the last key.
SETTLE, TYPING_SETTLE = 2.0, 3.0
steps = []  # (what the user did, when it began)


class Failure(Exception):
    pass


def wait_for(found, what, seconds=60.0):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if result := found():
            return result
        time.sleep(0.2)
    raise Failure(f"timed out waiting for {what}")


def focused(node):
    """The names of what has the focus: a list and its text field may both say so."""
    names = []
    for child in node:
        if child is not None:
            if child.getState().contains(pyatspi.STATE_FOCUSED):
                names.append(child.name)
            names += focused(child)
    return names


def step(name, *keys, settle=SETTLE):
    steps.append((name, datetime.datetime.now().time()))
    for key in keys:
        subprocess.run(["xdotool", "key", key], check=True)
        time.sleep(0.3)
    time.sleep(settle)


def tab_to(app, name, key="Tab"):
    for _ in range(40):
        if name in focused(app):
            return
        step(f"{key} {len(steps)} towards {name}", key, settle=0.5)
    raise Failure(f"Tab never reached {name!r}")


def drive():
    desktop = pyatspi.Registry.getDesktop(0)
    app = wait_for(lambda: next((a for a in desktop if a is not None and a.name == "Ostrel"), None), "the window")
    window = subprocess.run(["xdotool", "search", "--sync", "--name", "^Ostrel$"], capture_output=True, text=True,
                            check=True).stdout.split()[0]
    subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True)
    wait_for(lambda: focused(app), "the first list to take the focus")
    time.sleep(SETTLE)

    tab_to(app, "Процессор: разгон")
    step("Tab onto a list", "Tab")
    tab_to(app, MEMORY)
    step("Down in the closed memory type", "Down")
    step("Down again", "Down")
    step("Up in the closed memory type", "Up")
    step("where am I", "KP_Enter")
    step("open the drop-down", "alt+Down", "Down", "Down")
    step("pick with Return", "Return")
    step("type into the list", "BackSpace", "2", settle=TYPING_SETTLE)
    tab_to(app, "Ток по линии, ампер")
    step("the converter's fields", "3", "5", "Tab", "1", "2", "Tab")
    step('"=" with Space', "space")
    step("where am I on =", "KP_Enter")
    step('"=" with Return', "Return")


def spoken():
    """Every phrase Orca said, with the time it said it."""
    phrase = re.compile(r"^(\d\d:\d\d:\d\d\.\d+) - SPEECH OUTPUT: '(.*)'\s*[\[{]")
    with open(DEBUG, encoding="utf-8", errors="replace") as log:
        return [(datetime.time.fromisoformat(m[1]), m[2]) for m in map(phrase.match, log) if m]


def said_during(phrases, name):
    index = next(i for i, (named, _) in enumerate(steps) if named == name)
    begin = steps[index][1]
    end = steps[index + 1][1] if index + 1 < len(steps) else datetime.time.max
    return [text for at, text in phrases if begin <= at < end]


def main():
    failures = []

    def check(condition, message):
        if not condition:
            failures.append(message)
            print("FAIL:", message, flush=True)

    program = subprocess.Popen([PROGRAM])
    try:
        drive()
    except Failure as failure:
        check(False, str(failure))
    finally:
        program.terminate()
        program.wait(30)
    os.kill(ORCA, signal.SIGTERM)
    wait_for(lambda: not os.path.exists(f"/proc/{ORCA}") or open(f"/proc/{ORCA}/stat").read().split()[2] == "Z",
             "Orca to end", 30)
    phrases = spoken()
    for name, _ in steps:
        print(f"{name}: {said_during(phrases, name)}", flush=True)
    if failures:
        return 1

    def once(name, figure):
        heard = said_during(phrases, name)
        check(sum(figure in text for text in heard) == 1, f"{name}: {figure!r} said in {heard}")

    # The list's name once, then what it shows: its prompt.
    heard = " ".join(said_during(phrases, "Tab onto a list"))
    name = "Видеокарта: производитель"
    check(heard.count(name) == 1 and "Видеокарта" in heard.split(name, 1)[-1], f"Tab onto a list said {heard!r}")
    total = "Общее максимальное энергопотребление:"
    for name in ("Down in the closed memory type", "Up in the closed memory type", "Down again",
                 "pick with Return", "type into the list"):
        once(name, total)
    once("where am I", total)
    once('"=" with Space', "Мощность по линии: 420 Вт")
    once("where am I on =", "Мощность по линии: 420 Вт")
    once('"=" with Return', "Мощность по линии: 420 Вт")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
