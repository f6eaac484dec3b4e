"""A school desktop for the program: Xvfb at a chosen size, a window manager (openbox, or xfwm4 as Xfce
runs it), optionally a 30 px panel along the bottom that makes the work area smaller than the screen,
the accessibility bus, and the program. Windows are measured as the X server and the window manager
know them (python3-xlib), and read and clicked through AT-SPI and xdotool. Every wait is on a state.
"""

import os
import subprocess
import sys
import tempfile
from dataclasses import dataclass

from Xlib import X, Xatom, Xutil, display as xdisplay, protocol

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "accessibility"))
import atspi_session  # noqa: E402
from atspi_session import Failure  # noqa: E402

PANEL_HEIGHT = 30


@dataclass(frozen=True)
class Rect:
    x: int
    y: int
    width: int
    height: int

    @property
    def right(self):
        return self.x + self.width

    @property
    def bottom(self):
        return self.y + self.height

    def contains(self, other):
        return (other.x >= self.x and other.y >= self.y and other.right <= self.right
                and other.bottom <= self.bottom)

    def __str__(self):
        return f"{self.width} x {self.height} at ({self.x}, {self.y})"


class XScreen:
    """The X server as the window manager and the program's windows leave it."""

    def __init__(self):
        self.display = xdisplay.Display()
        self.root = self.display.screen().root
        self._atoms = {}

    def atom(self, name):
        if name not in self._atoms:
            self._atoms[name] = self.display.intern_atom(name)
        return self._atoms[name]

    def _property(self, window, name, kind=X.AnyPropertyType):
        try:
            found = window.get_full_property(self.atom(name), kind)
        except Exception:  # the window went away between two questions
            return None
        return list(found.value) if found is not None else None

    def size(self):
        screen = self.display.screen()
        return Rect(0, 0, screen.width_in_pixels, screen.height_in_pixels)

    def work_area(self):
        values = self._property(self.root, "_NET_WORKAREA")
        return Rect(*values[:4]) if values else None

    def window_manager_ready(self):
        return bool(self._property(self.root, "_NET_SUPPORTING_WM_CHECK"))

    def windows_of(self, pid):
        """The program's managed windows, by title."""
        found = {}
        for window in self.stacking_of(pid):
            title = self._property(window, "_NET_WM_NAME", self.atom("UTF8_STRING"))
            if title is not None:
                found[bytes(title).decode("utf-8")] = window
        return found

    def stacking_of(self, pid):
        """The program's managed windows, bottom to top."""
        windows = (self.display.create_resource_object("window", identifier)
                   for identifier in self._property(self.root, "_NET_CLIENT_LIST_STACKING") or [])
        return [w for w in windows if (self._property(w, "_NET_WM_PID") or [None])[0] == pid]

    def client(self, window):
        """The window's client area on the screen."""
        geometry = window.get_geometry()
        origin = window.translate_coords(self.root, 0, 0)
        return Rect(-origin.x, -origin.y, geometry.width, geometry.height)

    def frame(self, window):
        """The client area with the frame the window manager drew around it."""
        extents = self._property(window, "_NET_FRAME_EXTENTS")
        if extents is None:
            return None
        left, right, top, bottom = extents
        client = self.client(window)
        return Rect(client.x - left, client.y - top, client.width + left + right, client.height + top + bottom)

    def states(self, window):
        return {self.display.get_atom_name(a) for a in self._property(window, "_NET_WM_STATE") or []}

    def allowed_actions(self, window):
        return {self.display.get_atom_name(a) for a in self._property(window, "_NET_WM_ALLOWED_ACTIONS") or []}

    def viewable(self, window):
        return window.get_attributes().map_state == X.IsViewable

    def ask_window_manager(self):
        """A request the window manager answers in the order it reads its requests: once the returned
        window has its frame extents (answered()), every request sent before has been handled."""
        probe = self.root.create_window(0, 0, 10, 10, 0, X.CopyFromParent)
        self._request_frame_extents(probe)
        return probe

    def _request_frame_extents(self, window):
        request = protocol.event.ClientMessage(window=window, client_type=self.atom("_NET_REQUEST_FRAME_EXTENTS"),
                                               data=(32, [0, 0, 0, 0, 0]))
        self.root.send_event(request, event_mask=X.SubstructureRedirectMask | X.SubstructureNotifyMask)
        self.display.flush()

    def answered(self, probe):
        if self._property(probe, "_NET_FRAME_EXTENTS") is None:
            # A window manager still starting may not have listened yet: ask again.
            self._request_frame_extents(probe)
            return False
        probe.destroy()
        self.display.flush()
        return True

    def map_panel(self):
        """A panel along the bottom of the screen that keeps PANEL_HEIGHT pixels for itself."""
        screen = self.size()
        panel = self.root.create_window(0, screen.height - PANEL_HEIGHT, screen.width, PANEL_HEIGHT, 0,
                                        X.CopyFromParent, background_pixel=self.display.screen().black_pixel)
        panel.change_property(self.atom("_NET_WM_WINDOW_TYPE"), Xatom.ATOM, 32,
                              [self.atom("_NET_WM_WINDOW_TYPE_DOCK")])
        # left, right, top, bottom, then the start and end of each side's band
        panel.change_property(self.atom("_NET_WM_STRUT_PARTIAL"), Xatom.CARDINAL, 32,
                              [0, 0, 0, PANEL_HEIGHT, 0, 0, 0, 0, 0, 0, 0, screen.width - 1])
        panel.change_property(self.atom("_NET_WM_STRUT"), Xatom.CARDINAL, 32, [0, 0, 0, PANEL_HEIGHT])
        panel.set_wm_name("Tableau de bord")
        # Where it is asked to be, not where the window manager would place a new window.
        panel.set_wm_normal_hints(flags=Xutil.USPosition | Xutil.PPosition, x=0, y=screen.height - PANEL_HEIGHT)
        panel.map()
        self.display.flush()
        return panel


class SchoolDesktop(atspi_session.Desktop):
    """wm: "openbox" or "xfwm4"; size: "1024x768"; panel: whether a panel takes the bottom 30 px."""

    def __init__(self, program, wm, size, panel=False):
        self.wm = wm
        self.home = tempfile.TemporaryDirectory(prefix="molvanex-desktop-")
        # The desktop cannot show web pages: the guide opens in the program's own window.
        tools = os.path.join(self.home.name, "bin")
        os.mkdir(tools)
        with open(os.path.join(tools, "xdg-open"), "w") as opener:
            opener.write("#!/bin/sh\nexit 3\n")
        os.chmod(os.path.join(tools, "xdg-open"), 0o755)
        environment = {"PATH": tools + os.pathsep + os.environ.get("PATH", ""), "HOME": self.home.name,
                       "XDG_CONFIG_HOME": os.path.join(self.home.name, "config")}
        super().__init__(program, size=size, before_program=lambda d: d._start_desktop(panel),
                         extra_environment=environment)

    def _start_desktop(self, panel):
        self.x = XScreen()
        # The window manager with a user's settings as they are on a fresh account, its own toolkit kept
        # off the accessibility bus.
        environment = dict(os.environ, HOME=self.home.name, NO_AT_BRIDGE="1",
                           XDG_CONFIG_HOME=os.path.join(self.home.name, "config"))
        command = ["openbox"] if self.wm == "openbox" else ["xfwm4", "--compositor=off"]
        self.processes.append(subprocess.Popen(command, env=environment, stdin=subprocess.DEVNULL,
                                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        self.until(self.x.window_manager_ready, f"{self.wm} to manage the screen")
        # It names itself before it manages the windows: once it answers, it does.
        self.settle()
        screen = self.x.size()
        if panel:
            self.panel = self.x.map_panel()
            expected = Rect(0, 0, screen.width, screen.height - PANEL_HEIGHT)
        else:
            expected = screen
        self.until(lambda: self.x.work_area() == expected, f"a work area of {expected}")

    def close(self):
        super().close()
        self.home.cleanup()

    # --- Windows as the X server has them -------------------------------------------------------

    def x_window(self, title):
        return self.until(lambda: self.x.windows_of(self.program.pid).get(title), f"the X window {title!r}")

    def settle(self):
        """Waits until the window manager has handled every request made so far."""
        probe = self.x.ask_window_manager()
        self.until(lambda: self.x.answered(probe), f"{self.wm} to answer")

    def frame_becomes(self, window, probe, what):
        """Waits until probe(frame) holds for the window's frame and still holds once the window manager
        has handled what was asked meanwhile; fails with the last frame seen."""
        seen = []

        def holds():
            frame = self.x.frame(window) if self.x.viewable(window) else None
            seen[:] = [frame]
            return frame is not None and probe(frame)

        for _ in range(2):
            try:
                self.until(holds, what)
            except Failure as failure:
                raise Failure(f"{what}: last seen {seen[0] if seen else None}") from failure
            self.settle()
        if not holds():
            raise Failure(f"{what}: the window moved on to {seen[0]}")
        return seen[0]

    # --- Input ----------------------------------------------------------------------------------

    def extents(self, accessible):
        box = accessible.queryComponent().getExtents(self.pyatspi.DESKTOP_COORDS)
        return Rect(box.x, box.y, box.width, box.height)

    def click(self, accessible, button=1):
        box = self.extents(accessible)
        subprocess.run(["xdotool", "mousemove", "--sync", str(box.x + box.width // 2),
                        str(box.y + box.height // 2), "click", str(button)], check=True, timeout=self.wait)

    def menu_item(self, name):
        """The item of an open pop-up menu, a child of the application as every window is."""

        def find():
            for index in range(self.application.childCount):
                menu = self.application.getChildAtIndex(index)
                if menu is not None and menu.getRoleName() == "popup menu":
                    item = self.find(menu, "menu item", name)
                    if item is not None:
                        return item
            return None

        return self.until(find, f"the menu item {name!r}")

    def screenshot(self, name):
        """The whole screen to MOLVANEX_DESKTOP_SHOTS/name.png, when that folder is given."""
        folder = os.environ.get("MOLVANEX_DESKTOP_SHOTS")
        if not folder:
            return
        os.makedirs(folder, exist_ok=True)
        path = os.path.join(folder, name + ".png")
        self._capture("-root", path)
        # The screen as a whole may not read back what a window shows inside another window manager's
        # frame: each of the program's windows is laid over it as it reads itself, the topmost last.
        for window in self.x.stacking_of(self.program.pid):
            if self.x.viewable(window):
                client = self.x.client(window)
                layer = path + ".window.png"
                self._capture(f"-id {window.id}", layer)
                subprocess.run(["convert", path, layer, "-geometry", f"+{client.x}+{client.y}", "-composite",
                                path], check=True)
                os.remove(layer)

    @staticmethod
    def _capture(which, path):
        dump = subprocess.run(["xwd", "-silent", *which.split()], capture_output=True, check=True).stdout
        subprocess.run(["convert", "xwd:-", path], input=dump, check=True)
