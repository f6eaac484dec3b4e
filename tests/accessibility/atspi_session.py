"""A private desktop for reading the program as a screen reader does.

Starts Xvfb, a session D-Bus with the accessibility bus on it, and the program with Qt's AT-SPI bridge
switched on in the French locale; then finds its windows through pyatspi. Keys are typed with xdotool
into the X server, so the program receives them as a pupil's keyboard would send them. Everything is
polled on real state with generous limits; nothing waits a fixed time.
"""

import os
import signal
import subprocess
import sys
import time

POLL_SECONDS = 0.05
DEFAULT_WAIT = 20.0


class Failure(AssertionError):
    pass


def start_xvfb(processes, size="1280x1024"):
    read_end, write_end = os.pipe()
    xvfb = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", size + "x24", "-nolisten", "tcp",
         "-noreset"],
        pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    processes.append(xvfb)
    os.close(write_end)
    number = b""
    with os.fdopen(read_end, "rb") as pipe:
        while not number.endswith(b"\n"):
            chunk = pipe.read(1)
            if not chunk:
                raise Failure("Xvfb ended without naming its display")
            number += chunk
    return ":" + number.decode().strip()


def _start_session_bus(processes):
    bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                           stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    processes.append(bus)
    address = bus.stdout.readline().decode().strip()
    if not address:
        raise Failure("the session D-Bus did not start")
    return address


def _use_private_home(home):
    """Every program started from here on keeps its settings, caches and sockets under home."""
    runtime = os.path.join(home, "run")
    os.makedirs(runtime, mode=0o700, exist_ok=True)
    os.environ.update({
        "HOME": home,
        "XDG_RUNTIME_DIR": runtime,
        "XDG_CONFIG_HOME": os.path.join(home, ".config"),
        "XDG_DATA_HOME": os.path.join(home, ".local", "share"),
        "XDG_CACHE_HOME": os.path.join(home, ".cache"),
    })


class Desktop:
    """The private X server, buses and program; close() ends them all, in reverse order.

    home: a private home for everything started here; size is the screen's; before_program(desktop) runs
    once the display and the buses are there and before the program starts (a window manager, a panel, a
    screen reader that must hear the program from its start); extra_environment adds to the program's.
    """

    def __init__(self, program, home=None, size="1280x1024", before_program=None, extra_environment=None):
        self.processes = []
        self.program = None
        # Every wait may be stretched on a slow machine (MOLVANEX_ATSPI_SLOWDOWN=3 waits three times longer).
        self.wait = DEFAULT_WAIT * float(os.environ.get("MOLVANEX_ATSPI_SLOWDOWN", "1"))
        try:
            self._start(os.path.abspath(program), home, size, before_program, extra_environment)
        except BaseException:
            self.close()
            raise

    def _start(self, program, home, size, before_program, extra_environment):
        if home is not None:
            _use_private_home(home)
        display = start_xvfb(self.processes, size)
        os.environ["DISPLAY"] = display
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = _start_session_bus(self.processes)
        os.environ.pop("AT_SPI_BUS_ADDRESS", None)
        # The accessibility bus and its registry; launched now so that the program finds them at start.
        launcher = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.processes.append(launcher)

        import gi
        gi.require_version("Atspi", "2.0")
        from gi.repository import Atspi, GLib
        import pyatspi
        self.Atspi = Atspi
        self.GLib = GLib
        self.pyatspi = pyatspi
        self.events = []
        self._listener = self._record_event
        pyatspi.Registry.registerEventListener(self._listener, "object:property-change:accessible-name",
                                               "object:state-changed:focused", "object:state-changed:showing")

        if before_program is not None:
            before_program(self)

        environment = dict(os.environ)
        environment.update(extra_environment or {})
        environment.update({
            "QT_QPA_PLATFORM": "xcb",
            "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
            "QT_ACCESSIBILITY": "1",
            "LANG": "fr_FR.UTF-8",
            "LANGUAGE": "fr",
            "LC_ALL": "",
            "LC_NUMERIC": "fr_FR.UTF-8",
            "QT_QPA_FONTDIR": "/usr/share/fonts/truetype",
            "NO_AT_BRIDGE": "0",
        })
        environment.pop("LC_ALL")
        self.program = subprocess.Popen([program], env=environment, stdin=subprocess.DEVNULL,
                                        cwd=os.path.dirname(program))
        self.processes.append(self.program)
        self.application = self.until(self._find_application, "the program on the accessibility bus")

    def _record_event(self, event):
        try:
            shown = event.type.startswith("object:state-changed:showing") and event.detail1
            if shown or not event.type.startswith("object:state-changed:showing"):
                self.events.append((event.type, event.source.get_role_name(), event.source.name))
        except self.GLib.GError:  # an object gone before its event is read: a closed menu's item
            pass

    def announced(self):
        """The messages announced since the events were last cleared: each is a notification shown."""
        return [name for (kind, role, name) in self.events
                if role == "notification" and kind.startswith("object:state-changed:showing")]

    def count_events(self):
        """Counts every object event by kind from now on, without reading anything of its source, which
        would make the program tell that source's next change; returns a function giving the counts."""
        counts = {}

        def count(event):
            kind = event.type.rstrip(":")
            counts[kind] = counts.get(kind, 0) + 1

        self.pyatspi.Registry.registerEventListener(count, "object")
        self.pump()
        return lambda: dict(counts)

    def close(self):
        for process in reversed(self.processes):
            if process.poll() is None:
                process.terminate()
                try:
                    process.wait(timeout=10)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait()

    # --- Waiting -------------------------------------------------------------------------------

    def pump(self):
        context = self.GLib.MainContext.default()
        while context.iteration(False):
            pass

    def until(self, probe, what, wait=None):
        """Polls probe() until it returns something true, and returns that."""
        deadline = time.monotonic() + (wait or self.wait)
        last_error = None
        while time.monotonic() < deadline:
            if self.program is not None and self.program.poll() is not None and hasattr(self, "application"):
                raise Failure(f"the program ended (status {self.program.returncode}) while waiting for {what}")
            self.pump()
            try:
                found = probe()
            except Exception as error:  # the tree changes under our feet while it is being read
                found, last_error = None, error
            if found:
                return found
            time.sleep(POLL_SECONDS)
        raise Failure(f"timed out waiting for {what}" + (f" (last error: {last_error})" if last_error else ""))

    def expect(self, probe, expected, what):
        """Polls until probe() == expected; fails with the last value seen."""
        seen = []

        def matches():
            seen[:] = [probe()]
            return seen[0] == expected

        try:
            self.until(matches, what)
        except Failure as failure:
            raise Failure(f"{what}: expected {expected!r}, last seen {seen[0] if seen else None!r}") from failure

    # --- Reading the tree ----------------------------------------------------------------------

    def _find_application(self):
        desktop = self.pyatspi.Registry.getDesktop(0)
        for index in range(desktop.childCount):
            application = desktop.getChildAtIndex(index)
            if application is not None and application.get_process_id() == self.program.pid:
                application.set_cache_mask(self.Atspi.Cache.NONE)
                if application.childCount > 0:
                    return application
        return None

    def window(self, name):
        def find():
            for index in range(self.application.childCount):
                frame = self.application.getChildAtIndex(index)
                if frame is not None and frame.name == name and self.has_state(frame, "showing"):
                    return frame
            return None

        return self.until(find, f"the window {name!r}")

    def windows(self):
        return [self.application.getChildAtIndex(i).name for i in range(self.application.childCount)]

    def has_state(self, accessible, state):
        return getattr(self.pyatspi, "STATE_" + state.upper()) in accessible.getState().getStates()

    def walk(self, accessible):
        yield accessible
        for index in range(accessible.childCount):
            child = accessible.getChildAtIndex(index)
            if child is not None:
                yield from self.walk(child)

    def find(self, root, role=None, name=None, showing=True):
        for accessible in self.walk(root):
            if role is not None and accessible.getRoleName() != role:
                continue
            if name is not None and accessible.name != name:
                continue
            if showing and not self.has_state(accessible, "showing"):
                continue
            return accessible
        return None

    def get(self, root, role=None, name=None):
        return self.until(lambda: self.find(root, role, name), f"a {role or 'control'} named {name!r}")

    def focused(self, root):
        for accessible in self.walk(root):
            if self.has_state(accessible, "focused"):
                return accessible
        return None

    def text_of(self, accessible):
        try:
            text = accessible.queryText()
        except NotImplementedError:
            return None
        return text.getText(0, -1)

    def dump(self, accessible, depth=0, out=sys.stdout):
        states = [s for s in ("focusable", "focused", "checked", "showing") if self.has_state(accessible, s)]
        line = f"{'  ' * depth}[{accessible.getRoleName()}] {accessible.name!r}"
        if accessible.description:
            line += f" desc={accessible.description!r}"
        text = self.text_of(accessible)
        if text:
            line += f" text={text!r}"
        if states:
            line += " (" + ", ".join(states) + ")"
        print(line, file=out)
        for index in range(accessible.childCount):
            child = accessible.getChildAtIndex(index)
            if child is not None:
                self.dump(child, depth + 1, out)

    # --- Typing ---------------------------------------------------------------------------------

    def give_keyboard_to(self, title):
        """Without a window manager nobody hands the keyboard to a new window: give it ourselves."""
        # xdotool reads its pattern in the C locale: the title's letters up to its first accent do.
        ascii_part = title.encode().split(b"\xc3")[0].decode()
        pattern = "^" + "".join(c if c.isalnum() or c == " " else "." for c in ascii_part)

        def window_id():
            found = subprocess.run(["xdotool", "search", "--all", "--pid",
                                    str(self.program.pid), "--name", pattern],
                                   capture_output=True, text=True)
            ids = found.stdout.split()
            return ids[-1] if ids else None

        identifier = self.until(window_id, f"the X window {title!r}")
        subprocess.run(["xdotool", "windowfocus", "--sync", identifier], check=True,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=self.wait)
        frame = self.window(title)
        self.until(lambda: self.has_state(frame, "active"), f"the window {title!r} active")
        return frame

    def key(self, *keys):
        subprocess.run(["xdotool", "key", "--delay", "30", *keys], check=True)


def run(program, scenario, desktop_class=None, **desktop_options):
    """Runs scenario(desktop) on a fresh desktop_class(program, **desktop_options), a Desktop unless told,
    under a hard limit, and returns the exit status."""
    limit = int(os.environ.get("MOLVANEX_ATSPI_LIMIT", "240"))

    def give_up(signum, frame):
        raise Failure(f"the whole test went beyond {limit} s")

    def stopped(signum, frame):
        raise Failure("stopped from outside")

    signal.signal(signal.SIGALRM, give_up)
    # ctest's own limit ends the test with SIGTERM: the desktop is closed all the same.
    signal.signal(signal.SIGTERM, stopped)
    signal.alarm(limit)
    desktop = None
    try:
        desktop = (desktop_class or Desktop)(program, **desktop_options)
        scenario(desktop)
        return 0
    except Failure as failure:
        print(f"FAILED: {failure}", file=sys.stderr)
        return 1
    finally:
        signal.alarm(0)
        if desktop is not None:
            desktop.close()
