"""The zoom window under a real window manager (openbox on Xvfb).

The offscreen platform maximises a window in one step; a window manager may map it at its design size
first and maximise it afterwards. The zoom window must end up covering the work area with a fixed border:
the manager offers neither resizing nor maximising, and a request for another size changes nothing.
"""

import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "accessibility"))
from atspi_session import Failure, start_xvfb  # noqa: E402

WAIT = 20.0 * float(os.environ.get("MOLVANEX_ATSPI_SLOWDOWN", "1"))
# The centre of "Zoom" in the main window's client area: the button at 686, 116 (93 x 21) below the
# page's tab.
ZOOM_BUTTON = (732, 154)


def run(*command):
    return subprocess.run(command, capture_output=True, text=True, check=False).stdout.strip()


def until(probe, what):
    deadline = time.monotonic() + WAIT
    while time.monotonic() < deadline:
        found = probe()
        if found:
            return found
        time.sleep(0.05)
    raise Failure(f"timed out waiting for {what}")


def window_named(title):
    return lambda: run("xdotool", "search", "--onlyvisible", "--name", title).split("\n")[0]


def geometry(window):
    info = dict(line.split("=", 1) for line in run("xdotool", "getwindowgeometry", "--shell", window).split())
    return int(info["WIDTH"]), int(info["HEIGHT"])


def check(condition, message):
    if not condition:
        raise Failure(message)


def main(program):
    processes = []
    try:
        os.environ["DISPLAY"] = start_xvfb(processes)
        processes.append(subprocess.Popen(["openbox"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        until(lambda: "window id" in run("xprop", "-root", "_NET_SUPPORTING_WM_CHECK"), "openbox")
        environment = dict(os.environ, QT_QPA_PLATFORM="xcb", LANG="fr_FR.UTF-8",
                           QT_QPA_FONTDIR="/usr/share/fonts/truetype")
        environment.pop("LC_ALL", None)
        processes.append(subprocess.Popen([program], env=environment, stdin=subprocess.DEVNULL,
                                          stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        main_window = until(window_named("seconde$"), "the main window")
        until(lambda: "IsViewable" in run("xwininfo", "-id", main_window), "the main window mapped")
        run("xdotool", "mousemove", "--sync", "--window", main_window, *map(str, ZOOM_BUTTON), "click", "1")
        zoom = until(window_named("^Zoom$"), "the zoom window")

        screen_width = int(run("xdotool", "getdisplaygeometry").split()[0])
        until(lambda: geometry(zoom)[0] == screen_width, f"the zoom window {screen_width} px wide")

        def fixed_border():
            actions = run("xprop", "-id", zoom, "_NET_WM_ALLOWED_ACTIONS").partition("=")[2]
            return actions and "_NET_WM_ACTION_RESIZE" not in actions and "_NET_WM_ACTION_MAXIMIZE" not in actions

        until(fixed_border, "a fixed border: the window manager offering neither resizing nor maximising")
        size = geometry(zoom)
        run("xdotool", "windowsize", zoom, "700", "560")
        time.sleep(1)  # a refused request leaves nothing to wait for
        check(geometry(zoom) == size, f"the zoom window took another size: {geometry(zoom)} after {size}")
        print(f"zoom window {size[0]} x {size[1]} on a {screen_width} px screen, fixed border")
    finally:
        for process in reversed(processes):
            process.terminate()
            try:
                process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                process.kill()


if __name__ == "__main__":
    main(sys.argv[1])
