#!/usr/bin/env python3
"""The real demo program as a screen reader meets it: an AT-SPI bus (at-spi-bus-launcher and
at-spi2-registryd on the private session bus), the program with Qt's bridge switched on, and
its accessibility tree read through pyatspi.

For the main window (every page) and every demo window it checks that each visible object has
a role other than unknown, filler or panel, and that every caption its form description shows
is the name of a visible object. Then it follows live changes: the calendar's selected cell
after a day chosen by the keyboard, the meters' values after Animate, the splitter's value
after a drag of its bar and after the arrow keys, and the wizard's page through its five pages.
Buttons are pressed through the AT-SPI action interface throughout, which is also how the
windows open. The keyboard: Tab goes round every window reaching each control that takes the
focus, Escape closes every window, Enter and mnemonics press buttons, the calendar popup is
answered by Right and Enter, and the welcome text reads by word.

Run through xvfb-run.sh and dbus-run.sh with the demo's path and the form directory:
accessibility_test.py build/app/vqdemo resources/forms. Exit 77 (skipped) when the bus cannot
start."""

import datetime
import os
import re
import shutil
import subprocess
import sys
import time

SYSTEM_PYTHON = "/usr/bin/python3"
try:
    import pyatspi
except ImportError:
    # The bindings come with the system's interpreter, not with one CMake may have found.
    if os.path.exists(SYSTEM_PYTHON) and os.path.realpath(sys.executable) != SYSTEM_PYTHON:
        os.execv(SYSTEM_PYTHON, [SYSTEM_PYTHON] + sys.argv)
    print("FAIL python3-pyatspi is not installed")
    sys.exit(1)

MAIN_CAPTION = "Varnholt Quill Controls 2 Demo"
BAD_ROLES = {pyatspi.ROLE_UNKNOWN, pyatspi.ROLE_FILLER, pyatspi.ROLE_PANEL, pyatspi.ROLE_INVALID}
# Classes whose caption is text on screen.
TEXT_CLASSES = {"TLabel", "TButton", "TBitBtn", "TCheckBox", "TRadioButton", "TVQBorder",
                "TVQMenuButton", "TVQBitmapButton", "TTabSheet", "TSpeedButton"}

passed = 0
failed = 0


def check(ok, what):
    global passed, failed
    if ok:
        passed += 1
        print("ok   " + what)
    else:
        failed += 1
        print("FAIL " + what)
    sys.stdout.flush()
    return ok


def wait_for(condition, seconds=5.0):
    end = time.monotonic() + seconds
    while True:
        try:
            value = condition()
        except Exception:  # an object gone while it was read
            value = None
        if value or time.monotonic() > end:
            return value
        time.sleep(0.05)


def run(*args):
    return subprocess.run(args, capture_output=True, text=True, timeout=10).stdout.strip()


# The bus -------------------------------------------------------------------------------------

def find_tool(name):
    for d in ("/usr/libexec", "/usr/lib/at-spi2-core", "/usr/lib/at-spi2"):
        if os.path.exists(os.path.join(d, name)):
            return os.path.join(d, name)
    return shutil.which(name)


def a11y_bus_address():
    out = run("dbus-send", "--session", "--print-reply=literal", "--dest=org.a11y.Bus",
              "/org/a11y/bus", "org.a11y.Bus.GetAddress")
    return out.strip() if out.strip().startswith("unix:") else ""


def start_bus():
    """Starts the accessibility bus and registry; None (skip) when they cannot start."""
    launcher, registry = find_tool("at-spi-bus-launcher"), find_tool("at-spi2-registryd")
    if not os.environ.get("DBUS_SESSION_BUS_ADDRESS") or not launcher or not registry \
            or not shutil.which("dbus-send"):
        return None
    procs = [subprocess.Popen([launcher, "--launch-immediately"], stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL)]
    address = wait_for(a11y_bus_address, 10)
    if not address:
        stop(procs)
        return None
    # Everyone finds the bus through the launcher on the session bus (Qt registers with the
    # registry only when it found the bus so).
    procs.append(subprocess.Popen([registry], stdout=subprocess.DEVNULL,
                                  stderr=subprocess.DEVNULL))
    return procs


def stop(procs):
    for p in reversed(procs):
        if p.poll() is None:
            p.kill()
        p.wait()


# The tree ------------------------------------------------------------------------------------

def showing(acc):
    try:
        return acc.getState().contains(pyatspi.STATE_SHOWING)
    except Exception:
        return False


def children(acc):
    try:
        return [acc.getChildAtIndex(i) for i in range(acc.childCount)]
    except Exception:
        return []


def walk(acc):
    """The showing objects under acc, acc first."""
    yield acc
    for child in children(acc):
        if child is not None and showing(child):
            yield from walk(child)


def role_of(acc):
    try:
        return acc.getRole()
    except Exception:
        return pyatspi.ROLE_INVALID


def name_of(acc):
    try:
        return acc.name or ""
    except Exception:
        return ""


def describe(acc):
    return "%s '%s'" % (acc.getRoleName(), name_of(acc))


def find(root, role, name=None):
    for acc in walk(root):
        if role_of(acc) == role and (name is None or name_of(acc) == name):
            return acc
    return None


def find_all(root, role):
    return [acc for acc in walk(root) if role_of(acc) == role]


def action(acc, name="Press"):
    act = acc.queryAction()
    for i in range(act.nActions):
        if act.getName(i).lower() == name.lower():
            return act.doAction(i)
    raise RuntimeError("%s has no action %s" % (describe(acc), name))


def value_of(acc):
    return acc.queryValue().currentValue


def states(acc):
    return acc.getState()


class Demo:
    def __init__(self, program):
        env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        self.process = subprocess.Popen([program], env=env, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)
        self.app = wait_for(self.find_app, 20)

    def find_app(self):
        desktop = pyatspi.Registry.getDesktop(0)
        for app in children(desktop):
            if app is not None and any(name_of(w) == MAIN_CAPTION for w in children(app)):
                # Names change as the program runs: read them afresh every time.
                app.set_cache_mask(pyatspi.cache.NONE) if hasattr(pyatspi, "cache") else None
                return app
        return None

    def window(self, title):
        for w in children(self.app):
            if w is not None and name_of(w) == title and showing(w):
                return w
        return None

    def open(self, button, title):
        """Presses button through its action and returns the window it opens."""
        action(button)
        return wait_for(lambda: self.window(title), 10)

    def close(self, title):
        """Closes the window by Escape, as a keyboard user would."""
        run("xdotool", "key", "Escape")
        return wait_for(lambda: not self.window(title), 5)

    def stop(self):
        if self.process.poll() is None:
            self.process.kill()
        self.process.wait()


# Form descriptions ---------------------------------------------------------------------------

def captions(form_file):
    """The texts a form shows: the captions of its visible text-showing controls."""
    texts = []
    stack = []
    lines = open(form_file, encoding="utf-8", errors="replace").read().splitlines()
    i = 0
    while i < len(lines):
        line = lines[i].strip()
        m = re.match(r"(?:inherited|object)\s+(?:\w+\s*:\s*)?(\w+)", line)
        if m:
            stack.append({"class": m.group(1), "visible": True, "caption": None})
        elif line == "end" and stack:
            obj = stack.pop()
            hidden = not obj["visible"] or any(not o["visible"] for o in stack)
            if obj["class"] in TEXT_CLASSES and obj["caption"] and not hidden:
                texts.append(obj["caption"])
        elif stack and line.startswith("Visible = False"):
            stack[-1]["visible"] = False
        elif stack and line.startswith("Caption ="):
            value = line[len("Caption ="):].strip()
            while value.endswith("+") or value == "":
                i += 1
                value = value.rstrip("+ ") + " " + lines[i].strip()
            stack[-1]["caption"] = string_value(value)
        i += 1
    return [strip_accelerator(t) for t in texts if t.strip()]


def string_value(value):
    out = ""
    for quoted, code in re.findall(r"'((?:[^']|'')*)'|#(\d+)", value):
        out += chr(int(code)) if code else quoted.replace("''", "'")
    return out


def strip_accelerator(text):
    return re.sub(r"&(.)", r"\1", text)


def check_window(win, title, seen):
    """Roles of everything showing in win; collects the names into seen."""
    bad = []
    for acc in walk(win):
        if role_of(acc) in BAD_ROLES:
            parent = acc.parent
            bad.append("%s in %s" % (describe(acc), describe(parent) if parent else "-"))
        seen.add(name_of(acc))
    check(not bad, "%s: every visible object has a role%s" % (title, (": " + "; ".join(bad[:6])) if bad else ""))


def check_names(title, form_file, seen):
    missing = [t for t in captions(form_file) if t not in seen]
    check(not missing, "%s: every caption is a name%s" % (title, (": missing " + repr(missing[:6])) if missing else ""))


# The keyboard --------------------------------------------------------------------------------

# Parts a control's own keys move through, not Tab.
ITEM_ROLES = {pyatspi.ROLE_TABLE_CELL, pyatspi.ROLE_LIST_ITEM, pyatspi.ROLE_TREE_ITEM,
              pyatspi.ROLE_PAGE_TAB, pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_CHECK_MENU_ITEM,
              pyatspi.ROLE_RADIO_MENU_ITEM, pyatspi.ROLE_COLUMN_HEADER, pyatspi.ROLE_ROW_HEADER,
              pyatspi.ROLE_STATIC, pyatspi.ROLE_LABEL, pyatspi.ROLE_SCROLL_BAR}


def parent_of(acc):
    try:
        return acc.parent
    except Exception:
        return None


def identity(acc):
    return (role_of(acc), name_of(acc), bounds(acc))


def tab_stops(win):
    """What Tab must reach: every enabled, focusable control but items, unchecked radio buttons
    (the arrow keys move through a group) and the parts of a combo box."""
    stops = set()
    for acc in walk(win):
        st = states(acc)
        if (acc == win or role_of(acc) in ITEM_ROLES or not st.contains(pyatspi.STATE_FOCUSABLE)
                or not st.contains(pyatspi.STATE_SENSITIVE)
                or (role_of(acc) == pyatspi.ROLE_RADIO_BUTTON and not st.contains(pyatspi.STATE_CHECKED))
                or role_of(parent_of(acc)) == pyatspi.ROLE_COMBO_BOX):
            continue
        stops.add(identity(acc))
    return stops


def focused(win):
    for acc in walk(win):
        if acc != win and role_of(acc) not in ITEM_ROLES and states(acc).contains(pyatspi.STATE_FOCUSED):
            return identity(acc)
    return None


def tab_round(win, title):
    """Tab round the window: it must reach every tab stop and come back to where it started."""
    wanted = tab_stops(win)
    start = wait_for(lambda: focused(win))
    reached, current = [start], start
    for _ in range(len(wanted) + 2):
        run("xdotool", "key", "Tab")
        previous = current
        wait_for(lambda: focused(win) != previous, 1)  # a lone tab stop keeps it
        current = focused(win)
        if current is None or current == start:
            break
        reached.append(current)
    missed = [w for w in wanted if w not in reached]
    missing = ["%s '%s'" % (getattr(r, "value_nick", r), n) for r, n, _ in missed]
    check(start is not None and current == start and not missed,
          "%s: Tab goes round %d controls%s" % (title, len(reached),
                                              "; misses %s" % missing[:5] if missed else ""))


# Scenarios -----------------------------------------------------------------------------------

def main_window(demo, forms):
    win = demo.window(MAIN_CAPTION)
    if not check(win is not None and role_of(win) == pyatspi.ROLE_FRAME,
                 "main window: a frame named by its title"):
        return
    tabs = find(win, pyatspi.ROLE_PAGE_TAB_LIST)
    if not check(tabs is not None, "main window: the page control is a page tab list"):
        return
    # The welcome page's rich label reads by word.
    label = max((a for a in walk(win) if role_of(a) in (pyatspi.ROLE_STATIC, pyatspi.ROLE_LABEL)), key=lambda a: len(name_of(a)))
    text = label.queryText()
    word = text.getTextAtOffset(0, pyatspi.TEXT_BOUNDARY_WORD_START)[0]
    check(text.characterCount == len(name_of(label)) and word.strip() == name_of(label).split()[0],
          "main window: the rich label reads by word ('%s' of '%s...')" % (word, name_of(label)[:30]))
    seen = set()
    items = [t for t in children(tabs) if role_of(t) == pyatspi.ROLE_PAGE_TAB]
    check(len(items) == 12, "main window: 12 page tabs (%d)" % len(items))
    for tab in items:
        title = name_of(tab)
        action(tab)
        selected = wait_for(lambda: states(tab).contains(pyatspi.STATE_SELECTED) and
                            find(win, pyatspi.ROLE_SECTION, title))
        check(selected, "main window: pressing tab '%s' shows its page" % title)
        check_window(win, "main window page '%s'" % title, seen)
        tab_round(win, "main window page '%s'" % title)
    check_names("main window", os.path.join(forms, "MainForm.vqf"), seen)


def show_page(win, caption):
    tabs = find(win, pyatspi.ROLE_PAGE_TAB_LIST)
    tab = next(t for t in children(tabs) if name_of(t) == caption)
    action(tab)
    return wait_for(lambda: find(win, pyatspi.ROLE_SECTION, caption))


def open_from_main(demo, page, button, title):
    win = demo.window(MAIN_CAPTION)
    section = show_page(win, page) if page else win
    bt = find(section, pyatspi.ROLE_PUSH_BUTTON, button) if section else None
    if not check(bt is not None, "%s: button '%s' on page '%s'" % (title, button, page)):
        return None
    opened = demo.open(bt, title)
    check(opened is not None, "%s: pressing '%s' through its action opens it" % (title, button))
    return opened


def simple_window(demo, forms, page, button, title, form):
    win = open_from_main(demo, page, button, title)
    if win is None:
        return
    seen = set()
    check_window(win, title, seen)
    check_names(title, os.path.join(forms, form), seen)
    tab_round(win, title)
    check(demo.close(title), "%s: Escape closes it" % title)


def selected_cell(table):
    for cell in children(table):
        if role_of(cell) == pyatspi.ROLE_TABLE_CELL and states(cell).contains(pyatspi.STATE_SELECTED):
            return cell
    return None


def names_date(name, day):
    return (str(day.day) in re.findall(r"\d+", name) and str(day.year) in name and
            day.strftime("%B") in name and day.strftime("%A") in name)


def calendar_window(demo, forms):
    title = "Calendar"
    win = open_from_main(demo, "Calendar", "Standard", title)
    if win is None:
        return
    seen = set()
    check_window(win, title, seen)
    check_names(title, os.path.join(forms, "Form6.vqf"), seen)
    tab_round(win, title)
    tables = find_all(win, pyatspi.ROLE_TABLE)
    check(len(tables) == 3, "calendar: three calendars are tables (%d)" % len(tables))
    table = tables[0]
    t = table.queryTable()
    check((t.nRows, t.nColumns) == (6, 7), "calendar: 6 rows of 7 cells (%d x %d)" % (t.nRows, t.nColumns))
    headers = [name_of(t.getColumnHeader(c)) for c in range(7)]
    check(all(h in ("Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday")
              for h in headers) and len(set(headers)) == 7,
          "calendar: the header row names the days (%s)" % ", ".join(headers))
    cells = [c for c in children(table) if role_of(c) == pyatspi.ROLE_TABLE_CELL]
    check(len(cells) == 42, "calendar: 42 cells (%d)" % len(cells))
    today = datetime.date.today()
    cell = selected_cell(table)
    check(cell is not None and names_date(name_of(cell), today),
          "calendar: the selected cell names today (%s)" % (name_of(cell) if cell else None))
    table.queryComponent().grabFocus()
    check(wait_for(lambda: states(table).contains(pyatspi.STATE_FOCUSED)), "calendar: takes the focus")
    check(wait_for(lambda: states(selected_cell(table)).contains(pyatspi.STATE_FOCUSED)),
          "calendar: the selected cell has the focus")
    run("xdotool", "key", "Right")
    tomorrow = today + datetime.timedelta(days=1)
    cell = wait_for(lambda: (lambda c: c if names_date(name_of(c), tomorrow) else None)(selected_cell(table)))
    check(cell is not None, "calendar: Right selects the next day (%s)" % name_of(selected_cell(table)))
    check(table.name and tomorrow.strftime("%B") in table.name, "calendar: named by its month (%s)" % table.name)
    check(demo.close(title), "%s: closes" % title)


def meter_window(demo, forms):
    title = "Bevels, Images, and Meters"
    win = open_from_main(demo, "Border, Image, and Meter", "Show...", title)
    if win is None:
        return
    seen = set()
    check_window(win, title, seen)
    check_names(title, os.path.join(forms, "Form2.vqf"), seen)
    meters = find_all(win, pyatspi.ROLE_PROGRESS_BAR)
    check(len(meters) == 8, "meters: eight progress bars (%d)" % len(meters))
    before = [value_of(m) for m in meters]
    tab_round(win, title)
    animate = find(win, pyatspi.ROLE_PUSH_BUTTON, "Animate")
    run("xdotool", "key", "alt+a")

    def halfway():
        for m in meters:
            v = m.queryValue()
            if abs(v.currentValue - (v.minimumValue + (v.maximumValue - v.minimumValue) / 2)) > 1:
                return False
        return states(animate).contains(pyatspi.STATE_SENSITIVE)

    check(wait_for(halfway, 30), "meters: values follow Animate (Alt+A) to half way (from %s to %s)"
          % (before, [value_of(m) for m in meters]))
    check(demo.close(title), "%s: closes" % title)


def bounds(acc):
    e = acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return e.x, e.y, e.width, e.height


def splitter_window(demo, forms):
    title = "Menu Button and Splitter"
    win = open_from_main(demo, "Menu button and Splitter", "Show...", title)
    if win is None:
        return
    seen = set()
    check_window(win, title, seen)
    check_names(title, os.path.join(forms, "Form3.vqf"), seen)
    tab_round(win, title)
    # Qt's bridge passes no has-popup state on: the menu button offers the menu as an action.
    choice = find(win, pyatspi.ROLE_PUSH_BUTTON, "Choice")
    names = [choice.queryAction().getName(i) for i in range(choice.queryAction().nActions)] \
        if choice else []
    check("ShowMenu" in names, "menu button: a push button offering its menu (%s)" % names)
    if choice:
        # Qt lists no popup among the program's windows; the button is down while it shows.
        action(choice)
        check(wait_for(lambda: states(choice).contains(pyatspi.STATE_PRESSED)),
              "menu button: pressing it drops the menu down")
        run("xdotool", "key", "Escape")
        check(wait_for(lambda: not states(choice).contains(pyatspi.STATE_PRESSED)),
              "menu button: Escape closes the menu")
    split = find(win, pyatspi.ROLE_SPLIT_PANE)
    if not check(split is not None, "splitter: a split pane"):
        return
    start = value_of(split)
    x, y, w, h = bounds(split)
    # The bar sits Position pixels in (no border space in the demo).
    bar_x, bar_y = x + int(start) + 1, y + h // 2
    run("xdotool", "mousemove", str(bar_x), str(bar_y))
    time.sleep(0.2)
    run("xdotool", "mousedown", "1")
    for dx in (10, 20, 30, 40):
        run("xdotool", "mousemove", str(bar_x + dx), str(bar_y))
        time.sleep(0.05)
    run("xdotool", "mouseup", "1")
    check(wait_for(lambda: value_of(split) == start + 40),
          "splitter: the value follows a drag (%s to %s)" % (start, value_of(split)))
    split.queryComponent().grabFocus()
    wait_for(lambda: states(split).contains(pyatspi.STATE_FOCUSED))
    run("xdotool", "key", "Left", "Left", "Next")
    check(wait_for(lambda: value_of(split) == start + 40 - 2 + 10),
          "splitter: arrows and Page keys move it (%s)" % value_of(split))
    check(demo.close(title), "%s: closes" % title)


def wizard_window(demo, forms):
    title = "Print wizard"
    win = open_from_main(demo, "Wizard", "Show...", title)
    if win is None:
        return
    seen = set()
    wizard = next((d for d in find_all(win, pyatspi.ROLE_DIALOG) if d != win), None)
    if not check(wizard is not None, "wizard: a dialog inside its window"):
        demo.close(title)
        return

    def page():
        pages = [p for p in children(wizard) if role_of(p) == pyatspi.ROLE_PAGE_TAB and showing(p)]
        return pages[0] if len(pages) == 1 else None

    names = []
    for _ in range(5):
        p = wait_for(page)
        if not check(p is not None and name_of(p), "wizard: one page shows, named (%s)" % (name_of(p) if p else None)):
            break
        check(name_of(wizard) == name_of(p), "wizard: named by its page")
        names.append(name_of(p))
        check_window(win, "wizard page '%s'" % names[-1], seen)
        nxt = find(win, pyatspi.ROLE_PUSH_BUTTON, "Next >")
        if nxt is None:  # the last page offers Finish instead
            break
        fill_page(p)
        if not check(wait_for(lambda: states(nxt).contains(pyatspi.STATE_SENSITIVE)),
                     "wizard: Next is enabled once page '%s' is filled in" % names[-1]):
            break
        run("xdotool", "key", "Return")  # Next is the default button
        if not check(wait_for(lambda: page() and name_of(page()) != names[-1]),
                     "wizard: Enter moves the page name on from '%s'" % names[-1]):
            break
    check(len(set(names)) == len(names) == 5, "wizard: five pages, each its own name (%s)" % names)
    for b in ("< Back", "Finish", "Cancel"):
        check(find(win, pyatspi.ROLE_PUSH_BUTTON, b) is not None, "wizard: button '%s'" % b)
    check(demo.close(title), "%s: Escape cancels it" % title)


def folder_picker(demo):
    title = "Browse for Folder"
    win = open_from_main(demo, "Shell functions", "Folders...", title)
    if win is not None:
        check_window(win, title, set())
        tab_round(win, title)
        check(demo.close(title), "%s: Escape closes it" % title)


def focus(acc):
    acc.queryComponent().grabFocus()
    return wait_for(lambda: states(acc).contains(pyatspi.STATE_FOCUSED), 2)


def fill_page(page):
    """Answers a wizard page by the keyboard: the first printer of its combo box, the second of
    its radio buttons (which asks for the page range), a 1 in each edit."""
    # Read first (states are read live): choosing a radio button checks the next one.
    parts = [(a, role_of(a), states(a).contains(pyatspi.STATE_CHECKED),
              states(a).contains(pyatspi.STATE_EDITABLE)) for a in walk(page)]
    for acc, role, checked, editable in parts:
        if role == pyatspi.ROLE_COMBO_BOX or (role == pyatspi.ROLE_RADIO_BUTTON and checked):
            focus(acc)
            run("xdotool", "key", "Down")
        elif role == pyatspi.ROLE_TEXT and editable and role_of(parent_of(acc)) != pyatspi.ROLE_COMBO_BOX:
            focus(acc)
            run("xdotool", "type", "1")


def calendar_popup(demo):
    title = "Popup Calendar"
    win = open_from_main(demo, "Calendar", "Popup", title)
    if win is None:
        return
    popup = demo.open(find(win, pyatspi.ROLE_PUSH_BUTTON, "Popup"), "Calendar")
    if check(popup is not None, "calendar popup: opens, named Calendar"):
        check_window(popup, "calendar popup", set())
        table = find(popup, pyatspi.ROLE_TABLE)
        boxes = [name_of(b) for b in find_all(popup, pyatspi.ROLE_COMBO_BOX)]
        today = datetime.date.today()
        check(table is not None and today.strftime("%B") in boxes,
              "calendar popup: a calendar under month and year boxes (%s)" % boxes)
        check(wait_for(lambda: states(table).contains(pyatspi.STATE_FOCUSED)),
              "calendar popup: the calendar has the focus")
        run("xdotool", "key", "Right")
        tomorrow = today + datetime.timedelta(days=1)
        check(wait_for(lambda: names_date(name_of(selected_cell(table)), tomorrow)),
              "calendar popup: Right selects the next day")
        run("xdotool", "key", "Return")
        check(wait_for(lambda: not demo.window("Calendar")), "calendar popup: Enter closes it")
    check(demo.close(title), "%s: Escape closes it" % title)


def texts(win):
    return [name_of(a) for a in walk(win) if role_of(a) in (pyatspi.ROLE_STATIC, pyatspi.ROLE_LABEL)]


def dialogs(demo):
    title = "About"
    win = open_from_main(demo, "Dialog controls", "About...", title)
    if win is not None:
        check(role_of(win) == pyatspi.ROLE_DIALOG, "about: a dialog")
        check_window(win, title, set())
        check(any("Copyright" in t for t in texts(win)), "about: its copyright is read (%s)" % texts(win))
        tab_round(win, title)
        check(demo.close(title), "%s: Escape closes it" % title)
    title = "Tip of the Day"
    win = open_from_main(demo, "Dialog controls", "Tips...", title)
    if win is not None:
        check_window(win, title, set())
        tab_round(win, title)
        before = texts(win)
        run("xdotool", "key", "alt+n")
        check(wait_for(lambda: texts(win) != before), "tips: Alt+N reads the next tip (%s)" % texts(win))
        check(demo.close(title), "%s: Escape closes it" % title)


def main():
    if len(sys.argv) != 3:
        print("usage: accessibility_test.py VQDEMO FORMS_DIR")
        return 2
    for tool in ("xdotool", "wmctrl", "openbox"):
        if not shutil.which(tool):
            print("%s is not installed: skipped" % tool)
            return 77
    procs = start_bus()
    if procs is None:
        print("the AT-SPI bus cannot start (at-spi2-core or a session bus missing): skipped")
        return 77
    procs.append(subprocess.Popen(["openbox"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
    time.sleep(0.5)
    demo = Demo(sys.argv[1])
    try:
        if check(demo.app is not None, "the program is on the AT-SPI bus"):
            main_window(demo, sys.argv[2])
            calendar_window(demo, sys.argv[2])
            meter_window(demo, sys.argv[2])
            splitter_window(demo, sys.argv[2])
            wizard_window(demo, sys.argv[2])
            simple_window(demo, sys.argv[2], "Calendar", "Popup", "Popup Calendar", "Form5.vqf")
            simple_window(demo, sys.argv[2], "Calendar", "Read Only", "Calendar", "Form7.vqf")
            simple_window(demo, sys.argv[2], None, "Order Information",
                          "Order Information", "OrderForm.vqf")
            calendar_popup(demo)
            dialogs(demo)
            folder_picker(demo)
    finally:
        demo.stop()
        stop(procs)
    print("%d passed, %d failed" % (passed, failed))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
