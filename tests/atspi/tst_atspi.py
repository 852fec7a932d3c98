# SPDX-License-Identifier: GPL-3.0-or-later
"""The running window as a screen reader reads it, through AT-SPI.

Drives the window with real key presses (xdotool) and reads what pyatspi, the
library Orca is built on, exposes: the figure labels' names after keyboard picks
and a conversion, the named text field of a list, the fan columns' names, and the
corner mark's press action. Run by atspi.sh inside Xvfb and a private session bus.
"""
import subprocess
import sys
import threading
import time

import pyatspi

TIMEOUT = 10.0


class Failure(Exception):
    pass

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
        print("FAIL:", message, flush=True)


def wait_for(find, what):
    deadline = time.monotonic() + TIMEOUT
    while time.monotonic() < deadline:
        found = find()
        if found:
            return found
        time.sleep(0.1)
    raise Failure(f" timed out waiting for {what}")


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    return next((app for app in desktop if app is not None and app.name == "Ostrel"), None)


def descendants(node):
    for child in node:
        if child is None:
            continue
        yield child
        yield from descendants(child)


def find(root, role, name=None, prefix=None):
    for node in descendants(root):
        if node.getRole() != role:
            continue
        if name is not None and node.name != name:
            continue
        if prefix is not None and not node.name.startswith(prefix):
            continue
        return node
    return None


# Each refresh renames the memory label once: one pick, one rename.
renames = []


def on_name(event):
    if event.source.getRole() == pyatspi.ROLE_LABEL and event.source.name.startswith("Оперативная память:"):
        renames.append(event.source.name)


# What the focus events say has the focus, as a screen reader follows it.
last_focused = [None]


def on_focus(event):
    if event.detail1:
        last_focused[0] = event.source


def focused(_app):
    return last_focused[0]


def key(*keys):
    for k in keys:
        subprocess.run(["xdotool", "key", k], check=True)
        time.sleep(0.15)


def tab_to(app, name):
    """Tab until the list or field of that name has the focus, as a user listening would."""
    for _ in range(60):
        node = focused(app)
        if node is not None and node.name == name:
            return node
        key("Tab")
    raise Failure(f" Tab never reached {name!r}")


def label_name(app, prefix):
    node = find(app, pyatspi.ROLE_LABEL, prefix=prefix)
    return node.name if node else None


def drive(result):
    try:
        result.append(run())
    except Failure as failure:
        print("FAIL:", failure, flush=True)
    finally:
        pyatspi.Registry.stop()


def main():
    pyatspi.Registry.registerEventListener(on_focus, "object:state-changed:focused")
    pyatspi.Registry.registerEventListener(on_name, "object:property-change:accessible-name")
    result = []
    threading.Thread(target=drive, args=(result,), daemon=True).start()
    pyatspi.Registry.start()
    return result[0] if result else 1


def run():
    app = wait_for(application, "the Ostrel window on the accessibility bus")
    window = subprocess.run(["xdotool", "search", "--sync", "--name", "^Ostrel$"],
                            capture_output=True, text=True, check=True).stdout.split()[0]
    subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True)
    wait_for(lambda: focused(app), "the first list to take the focus")

    renames.clear()
    memory = tab_to(app, "Оперативная память: тип")
    key("alt+Down")
    for _ in range(12):
        item = find(memory, pyatspi.ROLE_LIST_ITEM, name="DDR3 2400MHz")
        if item is not None and item.getState().contains(pyatspi.STATE_SELECTED):
            break
        key("Down")
    key("Return")
    wait_for(lambda: label_name(app, "Оперативная память:") == "Оперативная память: 35 Вт",
             "the memory figure to be heard as 35 Вт")
    check(label_name(app, "Общее максимальное энергопотребление:")
          == "Общее максимальное энергопотребление: 115 Вт",
          f"total heard as {label_name(app, 'Общее максимальное энергопотребление:')!r}")
    time.sleep(0.5)
    check(len(renames) == 1, f"one pick refreshed the memory figure {len(renames)} times")

    field = find(memory, pyatspi.ROLE_TEXT)
    check(field is not None and field.name == "Оперативная память: тип",
          f"the memory list's text field is named {field.name if field else None!r}")

    tab_to(app, "Ток по линии, ампер")
    key("3", "5")
    key("Tab", "1", "2", "Tab", "space")
    wait_for(lambda: label_name(app, "Мощность по линии:") == "Мощность по линии: 420 Вт",
             "the line power to be heard as 420 Вт")
    # The working and the supply check are the descriptions a "where am I" reads.
    memory_figure = find(app, pyatspi.ROLE_LABEL, prefix="Оперативная память:")
    check(memory_figure.description.startswith("DDR3 2400MHz") and memory_figure.description.endswith("= 35 Вт"),
          f"memory working heard as {memory_figure.description!r}")
    line = find(app, pyatspi.ROLE_LABEL, prefix="Мощность по линии:")
    check(line.description.startswith("Линия 420 Вт: хватает"), f"supply check heard as {line.description!r}")

    fans = find(app, pyatspi.ROLE_PANEL, name="Вентиляторы")
    columns = [node.name for node in fans if node is not None and node.getRole() == pyatspi.ROLE_PANEL]
    check(columns == ["Обычный", "С LED", "Процессорный"], f"fan columns are named {columns}")

    mark = find(app, pyatspi.ROLE_LABEL, name="Показать или скрыть разработчиков")
    action = mark.queryAction() if mark else None
    names = [action.getName(i) for i in range(action.nActions)] if action else []
    presses = [i for i, name in enumerate(names) if name.lower() == "press"]
    check(presses, f"the corner mark offers {names}")
    if presses:
        action.doAction(presses[0])
        wait_for(lambda: find(app, pyatspi.ROLE_PANEL, name="Разработчики")
                 and find(app, pyatspi.ROLE_PANEL, name="Разработчики").getState().contains(pyatspi.STATE_SHOWING),
                 "the developers panel to show after a press")

    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
