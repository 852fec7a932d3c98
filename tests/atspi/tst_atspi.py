# SPDX-License-Identifier: GPL-3.0-or-later
# The running window as a screen reader reads it: real key presses (xdotool), and
# what pyatspi, the library Orca is built on, finds on the accessibility bus.
import os
import subprocess
import sys
import threading
import time

import pyatspi

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from waiting import Failure, wait_for  # noqa: E402

LABEL, PANEL, TEXT = pyatspi.ROLE_LABEL, pyatspi.ROLE_PANEL, pyatspi.ROLE_TEXT
failures, renames, focus = [], [], [None]
# What the current field told the bus, in order: a screen reader presents a field
# only when it hears of the focus before the field's cursor and selection.
CURRENT = "Ток по линии, ампер"
current_events = []
# What the program has told a screen reader to speak at once, in order.
notices = []


def check(condition, message):
    if not condition:
        failures.append(message)
        print("FAIL:", message, flush=True)


def find(root, role, prefix=""):
    for node in root:
        if node is None:
            continue
        if node.getRole() == role and node.name.startswith(prefix):
            return node
        if inner := find(node, role, prefix):
            return inner
    return None


def key(*keys):
    for k in keys:
        subprocess.run(["xdotool", "key", k], check=True)
        time.sleep(0.15)


def tab_to(name):
    # One Tab at a time, each heard before the next, as a listening user goes.
    for _ in range(60):
        if focus[0] is not None and focus[0].name == name:
            return focus[0]
        before = focus[0]
        key("Tab")
        wait_for(lambda: focus[0] is not before, "the focus to move on Tab")
    raise Failure(f"Tab never reached {name!r}")


def spoken_once(before, expected, what):
    wait_for(lambda: len(notices) > before, f"something spoken {what}", 10)
    time.sleep(0.5)  # long enough for a second notice of the same change to arrive
    check(notices[before:] == [expected], f"spoken {what}: {notices[before:]}")


def run(app):
    window = subprocess.run(["xdotool", "search", "--sync", "--name", "^Ostrel$"], capture_output=True,
                            text=True, check=True).stdout.split()[0]
    subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True)
    wait_for(lambda: focus[0], "the first list to take the focus")

    memory = tab_to("Оперативная память: тип")
    arrowed_from = len(notices)
    key("Down")
    spoken_once(arrowed_from, "Оперативная память: 5 Вт. Общее максимальное энергопотребление: 85 Вт",
                "after Down in the closed memory-type list")
    picked_from = len(notices)
    renames.clear()
    key("alt+Down")
    for _ in range(12):
        item = find(memory, pyatspi.ROLE_LIST_ITEM, "DDR3 2400MHz")
        if item is not None and item.getState().contains(pyatspi.STATE_SELECTED):
            break
        key("Down")
    key("Return")
    wait_for(lambda: find(app, LABEL, "Оперативная память: 35 Вт"), "the memory figure heard as 35 Вт")
    check(find(app, LABEL, "Общее максимальное энергопотребление: 115 Вт"), "the total heard as 115 Вт")
    time.sleep(0.5)
    check(len(renames) == 1, f"one pick refreshed the memory figure {len(renames)} times")
    # Before Qt 6.8 the focus coming back to the list reads the figures, and a
    # notice would repeat them; from 6.8 the list's new description says them.
    check(notices[picked_from:] in ([], ["Оперативная память: 35 Вт. Общее максимальное энергопотребление: 115 Вт"]),
          f"a pick in the drop-down was spoken as {notices[picked_from:]}")
    field = find(memory, TEXT)
    check(field and field.name == "Оперативная память: тип", f"the list's text field is named {field and field.name!r}")

    tab_to("Ток по линии, ампер")
    converted_from = len(notices)
    key("3", "5", "Tab", "1", "2", "Tab", "space")
    line = wait_for(lambda: find(app, LABEL, "Мощность по линии: 420 Вт"), "the line power heard as 420 Вт")
    spoken_once(converted_from, "Мощность по линии: 420 Вт", 'after "="')
    # The working and the supply check are the descriptions "where am I" reads.
    working = find(app, LABEL, "Оперативная память:").description
    check(working.startswith("DDR3 2400MHz") and working.endswith("= 35 Вт"), f"memory working is {working!r}")
    check(line.description.startswith("Линия 420 Вт: хватает"), f"supply check is {line.description!r}")

    columns = [node.name for node in find(app, PANEL, "Вентиляторы") if node.getRole() == PANEL]
    check(columns == ["Обычный", "С LED", "Процессорный"], f"fan columns are named {columns}")

    action = find(app, LABEL, "Показать или скрыть разработчиков").queryAction()
    names = [action.getName(i).lower() for i in range(action.nActions)]
    check("press" in names, f"the corner mark offers {names}")
    if "press" in names:
        action.doAction(names.index("press"))
        wait_for(lambda: find(app, PANEL, "Разработчики").getState().contains(pyatspi.STATE_SHOWING),
                 "the developers panel after a press")
    return 1 if failures else 0


def keyboard_route(app):
    # The report's shortcut from a list, whose text Tab has selected.
    tab_to("Оперативная память: тип")
    key("ctrl+shift+c")
    report = wait_for(lambda: clipboard().startswith("Ostrel: расчёт мощности") and clipboard(), "the report")
    check("DDR3 2400MHz" in report, f"the report from a list is {report!r}")

    # The menu key in a list, twice: each opening starts on its first entry, and
    # the entries take the focus with a valid source, as a screen reader needs them.
    for opening in (1, 2):
        heard = []
        for press in ("Menu", "Down"):
            before = focus[0]
            key(press)
            item = wait_for(lambda: focus[0] is not before and focus[0], f"an entry's focus, opening {opening}")
            heard.append(item.name)
        check(heard == ["Копировать отчёт", "Разработчики"], f"opening {opening} of the menu said {heard}")
        entries = [node.name.split("\t")[0] for node in item.parent if node.getRole() == pyatspi.ROLE_MENU_ITEM]
        check(entries[:2] == heard and "Выделить всё" in entries and "Copy" not in entries,
              f"opening {opening} of the menu holds {entries}")
        key("Escape")
        wait_for(lambda: focus[0] is not None and focus[0].getRole() != pyatspi.ROLE_MENU_ITEM, "the list again")

    # Return on "=" converts; Return in a field does not.
    current_events.clear()
    tab_to(CURRENT)
    check(current_events[:1] == ["focused"], f"Tab into the empty current told {current_events}")
    key("6", "Tab", "1", "2", "Return")
    line = find(app, LABEL, "Мощность по линии:")
    check(line.name == "Мощность по линии: 420 Вт", f"Return in a field converted: {line.name!r}")
    key("Tab", "Return")
    wait_for(lambda: find(app, LABEL, "Мощность по линии: 72 Вт"), "the line power after Return on =")

    # Back into the current, which holds "6": heard first, then its text selected.
    current_events.clear()
    field = None
    while field is None or field.name != CURRENT:
        before = focus[0]
        key("shift+Tab")
        field = wait_for(lambda: focus[0] is not before and focus[0], "the focus to move on Shift+Tab")
    wait_for(lambda: field.queryText().getNSelections() == 1, "the current's text selected")
    check(current_events[:1] == ["focused"] and "selection" in current_events,
          f"Shift+Tab into the current told {current_events}")


def clipboard():
    return subprocess.run(["xclip", "-o", "-selection", "clipboard"], capture_output=True, text=True).stdout


def drive(app, result):
    try:
        run(app)
        keyboard_route(app)
        result.append(1 if failures else 0)
    except Failure as failure:
        print("FAIL:", failure, flush=True)
    finally:
        pyatspi.Registry.stop()


def on_focus(event):
    if event.detail1:
        focus[0] = event.source


def on_current(event):
    if event.source.name == CURRENT and (event.type != "object:state-changed:focused" or event.detail1):
        current_events.append({"object:state-changed:focused": "focused",
                               "object:text-caret-moved": "caret",
                               "object:text-selection-changed": "selection"}[event.type])


def on_name(event):
    # Each refresh of the memory figure renames its label once.
    if event.source.getRole() == LABEL and event.source.name.startswith("Оперативная память:"):
        renames.append(event.source.name)


def on_showing(event):
    # A notification shown is spoken at once, wherever the focus is.
    if event.detail1 and event.source.getRole() == pyatspi.ROLE_NOTIFICATION:
        notices.append(event.source.name)


def on_description(event):
    # From Qt 6.8 a description change carries its text (before, the object), and a
    # screen reader speaks it where the user is: on the focused control or its field.
    where = [event.source, event.source.parent]
    if isinstance(event.any_data, str) and event.any_data and any(node is not None and node.getState().contains(pyatspi.STATE_FOCUSED) for node in where):
        notices.append(str(event.any_data))


def on_announcement(event):
    # Qt 6.8 and later send the message itself.
    notices.append(str(event.any_data))


if __name__ == "__main__":
    desktop = pyatspi.Registry.getDesktop(0)
    try:
        found = wait_for(lambda: next((a for a in desktop if a is not None and a.name == "Ostrel"), None), "the window")
    except Failure as failure:
        sys.exit(f"FAIL: {failure}")
    # Qt sends only the events someone listens for, and learns of a listener from
    # the registry's notice: registered once the program is up, and given time to
    # arrive, no event of the test is lost.
    pyatspi.Registry.registerEventListener(on_focus, "object:state-changed:focused")
    pyatspi.Registry.registerEventListener(on_current, "object:state-changed:focused", "object:text-caret-moved",
                                           "object:text-selection-changed")
    pyatspi.Registry.registerEventListener(on_name, "object:property-change:accessible-name")
    pyatspi.Registry.registerEventListener(on_showing, "object:state-changed:showing")
    pyatspi.Registry.registerEventListener(on_announcement, "object:announcement")
    pyatspi.Registry.registerEventListener(on_description, "object:property-change:accessible-description")
    time.sleep(1)
    outcome = []
    threading.Thread(target=drive, args=(found, outcome), daemon=True).start()
    pyatspi.Registry.start()
    sys.exit(outcome[0] if outcome else 1)
