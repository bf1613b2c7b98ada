#!/usr/bin/env python3
"""The real demo program on a real X server as a desktop user meets it: a window manager
(openbox), a tray host (trayer), another program (xmessage), and input through xdotool.

For a demo window, the order window and the about box it checks that the window is transient
for the main window and modal, stays above the main window after a click on it, that the main
window's close box is refused meanwhile, that the tray icon still answers a double click and a
right click (the focus coming back to the modal window), and that the global hot key pressed in
another program brings the modal window to the front.

Run through xvfb-run.sh with the demo's path: demo_desktop_test.py build/app/vqdemo.
Exit 77 (skipped) when a tool is missing."""

import os
import shutil
import subprocess
import sys
import time

TOOLS = ["openbox", "trayer", "xdotool", "xprop", "xwininfo", "wmctrl", "xmessage"]
MAIN_CAPTION = "Varnholt Quill Controls 2 Demo"

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


def run(*args):
    return subprocess.run(args, capture_output=True, text=True, timeout=10).stdout.strip()


def wait_for(condition, seconds=5.0):
    end = time.monotonic() + seconds
    while True:
        value = condition()
        if value or time.monotonic() > end:
            return value
        time.sleep(0.05)


def window_named(name):
    ids = run("xdotool", "search", "--onlyvisible", "--name", "^%s$" % name).split()
    return int(ids[-1]) if ids else 0


def root_windows(prop):
    out = run("xprop", "-root", prop)
    return [int(w, 16) for w in out.replace(",", " ").split() if w.startswith("0x")]


def stacking():
    return root_windows("_NET_CLIENT_LIST_STACKING")


def active():
    ids = root_windows("_NET_ACTIVE_WINDOW")
    return ids[0] if ids else 0


def above(upper, lower):
    order = stacking()
    return upper in order and lower in order and order.index(upper) > order.index(lower)


def transient_for(window):
    out = run("xprop", "-id", str(window), "WM_TRANSIENT_FOR")
    words = [w for w in out.split() if w.startswith("0x")]
    return int(words[0], 16) if words else 0


def net_wm_state(window):
    return run("xprop", "-id", str(window), "_NET_WM_STATE")


def geometry(window):
    # xwininfo's absolute position; xdotool's is off by the frame once the window manager has
    # reparented the window.
    out = run("xwininfo", "-id", str(window))
    values = {}
    for line in out.splitlines():
        key, _, value = line.strip().partition(":")
        values[key] = value.strip()
    return tuple(int(values[k]) for k in ("Absolute upper-left X", "Absolute upper-left Y",
                                          "Width", "Height"))


def keys(*names):
    for name in names:
        run("xdotool", "key", "--delay", "60", name)
        time.sleep(0.08)


def click(x, y, button=1, repeat=1):
    run("xdotool", "mousemove", str(x), str(y))
    time.sleep(0.1)
    run("xdotool", "click", "--repeat", str(repeat), "--delay", "90", str(button))


class Demo:
    def __init__(self, program):
        self.process = subprocess.Popen([program], stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)
        self.main = wait_for(lambda: window_named(MAIN_CAPTION), 15)

    def alive(self):
        return self.process.poll() is None

    def tray_icon(self):
        # The icon window is the program's small one that the tray has taken in.
        for w in run("xdotool", "search", "--onlyvisible", "--pid",
                     str(self.process.pid), "").split():
            x, y, width, height = geometry(int(w))
            if width <= 48 and height <= 48:
                return x + width // 2, y + height // 2
        return None

    def stop(self):
        if self.alive():
            self.process.kill()
        self.process.wait()


def visible_part_of(main, window):
    """A point inside main that window does not cover."""
    mx, my, mw, mh = geometry(main)
    wx, wy, ww, wh = geometry(window)
    for x, y in ((mx + 6, my + 6), (mx + 6, my + mh - 6), (mx + mw - 6, my + 6),
                 (mx + mw - 6, my + mh - 6)):
        if not (wx - 8 <= x < wx + ww + 8 and wy - 30 <= y < wy + wh + 8):
            return x, y
    return None


def check_modal_window(demo, title, other):
    window = wait_for(lambda: window_named(title))
    if not check(window, "%s: opens" % title):
        return
    check(transient_for(window) == demo.main, "%s: transient for the main window" % title)
    check("_NET_WM_STATE_MODAL" in net_wm_state(window), "%s: modal state set" % title)
    check(wait_for(lambda: active() == window), "%s: active" % title)

    point = visible_part_of(demo.main, window)
    if check(point, "%s: leaves part of the main window visible" % title):
        click(*point)
        time.sleep(0.4)
        check(above(window, demo.main), "%s: still above the main window after a click on it"
              % title)
        check(wait_for(lambda: active() == window, 2),
              "%s: keeps the focus after a click on the main window" % title)

    run("wmctrl", "-i", "-c", str(demo.main))
    time.sleep(0.5)
    check(demo.alive() and window_named(MAIN_CAPTION) and window_named(title),
          "%s: the main window's close box is refused" % title)

    icon = demo.tray_icon()
    if check(icon, "%s: the tray icon is shown" % title):
        click(*icon, repeat=2)
        box = wait_for(lambda: window_named("Information"))
        check(box, "%s: a double click on the tray icon shows its message" % title)
        if box:
            check(transient_for(box) == window, "%s: the message belongs to the modal window"
                  % title)
            check(wait_for(lambda: active() == box), "%s: the message is active" % title)
            keys("Return")
            check(wait_for(lambda: not window_named("Information")), "%s: the message closes"
                  % title)
        check(wait_for(lambda: active() == window), "%s: the focus is back after the message"
              % title)
        before = set(run("xdotool", "search", "--onlyvisible", "--pid",
                         str(demo.process.pid), "").split())
        click(*icon, button=3)
        menu = wait_for(lambda: set(run("xdotool", "search", "--onlyvisible", "--pid",
                                        str(demo.process.pid), "").split()) - before)
        check(menu, "%s: a right click on the tray icon shows its menu" % title)
        keys("Escape")
        check(wait_for(lambda: active() == window), "%s: the focus is back after the menu"
              % title)

    run("xdotool", "windowactivate", str(other))
    if check(wait_for(lambda: active() == other), "%s: another program is active" % title):
        keys("ctrl+g")
        box = wait_for(lambda: window_named("Information"))
        check(box, "%s: Ctrl+G in another program shows the demo's message" % title)
        if box:
            check(above(box, window) and above(window, other) and above(window, demo.main),
                  "%s: Ctrl+G brings the modal window up, above its owner and the other "
                  "program" % title)
            keys("Return")
            wait_for(lambda: not window_named("Information"))
        check(wait_for(lambda: active() == window) and above(window, other),
              "%s: the modal window is in front after the hot key's message" % title)

    run("wmctrl", "-i", "-c", str(window))
    check(wait_for(lambda: not window_named(title)), "%s: closes from its close box" % title)
    check(wait_for(lambda: active() == demo.main), "%s: the main window is active again"
          % title)


def main():
    missing = [t for t in TOOLS if not shutil.which(t)]
    if missing:
        print("skipped: not installed: " + " ".join(missing))
        return 77
    program = os.path.abspath(sys.argv[1])
    helpers = [subprocess.Popen(["openbox"], stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL)]
    wait_for(lambda: "window id" in run("xprop", "-root", "_NET_SUPPORTING_WM_CHECK"))
    helpers.append(subprocess.Popen(["trayer", "--edge", "top", "--align", "left",
                                     "--widthtype", "request", "--height", "32",
                                     "--expand", "false"], stdout=subprocess.DEVNULL,
                                    stderr=subprocess.DEVNULL))
    helpers.append(subprocess.Popen(["xmessage", "-geometry", "+700+600", "Another program"],
                                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
    other = wait_for(lambda: window_named("xmessage"))
    demo = Demo(program)
    try:
        if not check(demo.main, "the main window shows"):
            return 1
        run("xdotool", "windowactivate", "--sync", str(demo.main))
        wait_for(lambda: active() == demo.main)
        # The page control has the focus: the arrow keys turn its pages.
        keys(*["Right"] * 7, "Tab", "space", "shift+Tab")  # "Show tray icon"
        check(wait_for(demo.tray_icon), "the tray icon docks")
        keys(*["Left"] * 6, "Tab", "space")  # "Show..." of the graphics demo
        check_modal_window(demo, "Bevels, Images, and Meters", other)
        keys("Tab", "Tab", "space")  # "Order Information"
        check_modal_window(demo, "Order Information", other)
        keys("Tab", *["Right"] * 9, "Tab", "space")  # "About..."
        check_modal_window(demo, "About", other)
        check(demo.alive(), "the program is still running")
    finally:
        demo.stop()
        for h in helpers:
            h.kill()
            h.wait()
    print("%d passed, %d failed" % (passed, failed))
    return 0 if failed == 0 and passed > 0 else 1


if __name__ == "__main__":
    sys.exit(main())
