#!/usr/bin/python3
"""Every window of the program whole, in place and as large as it should be, under a real window manager.

    window_geometry_test.py PROGRAM WM SIZE [--panel] [--every-window]

WM is openbox or xfwm4, SIZE the screen's (1024x768); --panel puts a 30 px panel along the bottom, which
makes the work area smaller than the screen. The main and zoom windows cover the work area, the zoom
window with a border that cannot be resized, at 100 % and at its largest projection scale, on each of
its pages; the measurement table of the seventh equation shows every column; every object shown in
those windows lies inside them. --every-window also opens the table's error box, the About box, the
new-equation editor, the chart's save and print dialogs and the guide's own window, each of which must
lie whole in the work area.
With MOLVANEX_DESKTOP_SHOTS=folder the screen is saved there as PNG at each step.
"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from desktop_session import Failure, Rect, SchoolDesktop  # noqa: E402
import atspi_session  # noqa: E402

MAIN = "Chimie générale - seconde"
ZOOM = "Zoom"
TABLE = "tableau des mesures"
EDITOR = "Nouvelle Equation"
ZOOM_PAGES = ["Histogramme évolution", "Courbes de l'évolution", "Histogramme et courbes"]
DESIGN_TABLE = (385, 458)


def check(condition, message):
    if not condition:
        raise Failure(message)


class Lesson:
    def __init__(self, desktop, tag):
        self.d = desktop
        self.tag = tag
        self.area = desktop.x.work_area()

    def shot(self, name):
        self.d.screenshot(f"{self.tag}-{name}")

    # --- What is checked ---------------------------------------------------------------------------

    def covers_work_area(self, title):
        window = self.d.x_window(title)
        frame = self.d.frame_becomes(window, lambda f: f == self.area,
                                     f"the window {title!r} covering the work area {self.area}")
        print(f"{self.tag}: {title!r} {frame} (client {self.d.x.client(window)})")
        return window

    def whole_in_work_area(self, title):
        window = self.d.x_window(title)
        frame = self.d.frame_becomes(window, self.area.contains, f"the window {title!r} whole in {self.area}")
        print(f"{self.tag}: {title!r} {frame}")
        return window

    def everything_inside(self, frame_accessible, window):
        """Every object shown in the window lies inside its client area. A table scrolls down through its
        rows, so its cells may run past its bottom edge; every column must show whole."""
        client = self.d.x.client(window)
        outside = []
        count = 0
        for accessible, room in self._shown(frame_accessible, client):
            try:
                box = self.d.extents(accessible)
            except NotImplementedError:  # not drawn on its own: a table's header as a whole
                continue
            count += 1
            if box.width > 0 and box.height > 0 and not room.contains(box):
                outside.append(f"{accessible.getRoleName()} {accessible.name!r} {box}")
        check(not outside, f"{len(outside)} objects run past {client}: " + "; ".join(outside[:8]))
        return count

    def _shown(self, accessible, room):
        for index in range(accessible.childCount):
            child = accessible.getChildAtIndex(index)
            if child is None or not self.d.has_state(child, "showing"):
                continue
            yield child, room
            inner = room
            if child.getRoleName() == "table":
                inner = Rect(room.x, room.y, room.width, 10 ** 6)
            yield from self._shown(child, inner)

    def fixed_border(self, title, window):
        actions = self.d.until(lambda: self.d.x.allowed_actions(window), f"the actions {title!r} allows")
        offered = {"_NET_WM_ACTION_RESIZE", "_NET_WM_ACTION_MAXIMIZE_HORZ", "_NET_WM_ACTION_MAXIMIZE_VERT"} & actions
        check(not offered, f"{title!r} has a fixed size, yet the window manager offers {sorted(offered)}")

    # --- The lesson ----------------------------------------------------------------------------------

    def run(self, every_window):
        main = self.d.window(MAIN)
        main_window = self.covers_work_area(MAIN)
        self.everything_inside(main, main_window)
        self.shot("main")

        # The seventh equation has the longest formulas and four species.
        self.d.click(self.d.get(main, "check box", "Équation HCO3- + CH3COOH"))
        self.d.until(lambda: self.d.has_state(self.d.get(main, "check box", "Équation HCO3- + CH3COOH"),
                                              "checked"), "the seventh equation chosen")
        self.d.click(self.d.get(main, "push button", "Zoom"))
        zoom = self.d.window(ZOOM)
        zoom_window = self.covers_work_area(ZOOM)
        self.fixed_border(ZOOM, zoom_window)
        self.everything_inside(zoom, zoom_window)
        self.shot("zoom-100")
        self.refuses_another_size(zoom_window)

        scale = self.largest_scale(zoom)
        for page in reversed(ZOOM_PAGES):
            tab = self.d.get(zoom, "page tab", page)
            self.d.click(tab)
            self.d.until(lambda: self._page_shown(zoom, page), f"the page {page!r}")
            count = self.everything_inside(zoom, zoom_window)
            self.shot(f"zoom-{scale}-{ZOOM_PAGES.index(page) + 1}")
        print(f"{self.tag}: zoom at {scale} %, {count} objects inside on the first page")
        self.covers_work_area(ZOOM)

        self.d.click(self.d.get(zoom, "push button", "Tableau mesures"))
        table = self.d.window(TABLE)
        table_window = self.whole_in_work_area(TABLE)
        self.fixed_border(TABLE, table_window)
        client = self.d.x.client(table_window)
        check(client.width >= DESIGN_TABLE[0] and client.height >= DESIGN_TABLE[1],
              f"the table is smaller than its design size: {client}")
        self.everything_inside(table, table_window)
        self.shot("table")
        if every_window:
            self.table_dialogs(table)
        self.d.key("Escape")
        self.d.until(lambda: TABLE not in self.d.x.windows_of(self.d.program.pid), "the table closed")
        self.d.click(self.d.get(self.d.window(ZOOM), "push button", "Quitter ZOOM"))
        self.d.until(lambda: ZOOM not in self.d.x.windows_of(self.d.program.pid), "the zoom window closed")

        if every_window:
            self.small_windows(main)

    def refuses_another_size(self, window):
        before = self.d.x.client(window)
        window.configure(width=700, height=560)
        self.d.x.display.flush()
        self.d.settle()
        after = self.d.x.client(window)
        check(after == before, f"the zoom window took another size: {after} after {before}")

    def largest_scale(self, zoom):
        """Ctrl++ until the label that shows the scale says it is the largest."""
        label = None
        for _ in range(20):
            before = label.name if label is not None else None
            self.d.key("ctrl+plus")
            label = self.d.until(lambda: self._scale_label(zoom, before), "the scale shown after Ctrl++")
            if "maximum" in label.name:
                return int(label.name.split()[0])
        raise Failure(f"no largest scale after 20 steps: {label.name!r}")

    def _page_shown(self, zoom, page):
        return any(a.name == page and a.getRoleName() != "page tab" and self.d.has_state(a, "showing")
                   for a in self.d.walk(zoom))

    def _scale_label(self, zoom, before):
        for accessible in self.d.walk(zoom):
            if accessible.getRoleName() == "label" and accessible.name.split(" ")[:2][-1:] == ["%"]:
                return accessible if accessible.name != before else None
        return None

    def table_dialogs(self, table):
        count = self.d.get(table, "text", "Nombre de mesures")
        self.d.click(count)
        self.d.key("ctrl+a", "x", "Return")
        self.whole_in_work_area("Avancement de la réaction")
        self.shot("error-box")
        self.d.key("Return")
        self.d.until(lambda: "Avancement de la réaction" not in self.d.x.windows_of(self.d.program.pid),
                     "the error box closed")

    def closed(self, title):
        self.d.until(lambda: title not in self.d.x.windows_of(self.d.program.pid), f"the window {title!r} closed")

    def editor(self, main):
        self.d.click(self.d.get(main, "page tab", "Mes équations"))
        self.d.click(self.d.get(main, "push button", "Nouvelle équation…"))
        self.whole_in_work_area(EDITOR)
        self.shot("editor")
        self.d.key("Escape")
        self.closed(EDITOR)
        self.d.click(self.d.get(main, "page tab", "Réaction chimique"))

    def small_windows(self, main):
        self.d.click(self.d.get(main, "push button", "A propos"))
        self.whole_in_work_area("A propos")
        self.shot("about")
        self.d.key("Return")
        self.closed("A propos")
        self.editor(main)
        for item, title in (("Enregistrer l'image sous…", "Enregistrer l'image du graphique"),
                            ("Imprimer…", "Imprimer")):
            self.d.click(self.d.get(main, name="Diagramme des quantités de matière"), button=3)
            self.d.click(self.d.menu_item(item))
            self.whole_in_work_area(title)
            self.shot(title.split()[0].lower())
            self.d.key("Escape")
            self.closed(title)
        self.d.click(self.d.get(main, "push button", "Mode d'emploi"))
        self.whole_in_work_area("Mode d'emploi")
        self.shot("guide")


def main(program, wm, size, panel, every_window):
    tag = f"{wm}-{size}" + ("-panel" if panel else "")
    return atspi_session.run(program, lambda d: Lesson(d, tag).run(every_window), SchoolDesktop, wm=wm,
                             size=size, panel=panel)


if __name__ == "__main__":
    arguments = [a for a in sys.argv[1:] if not a.startswith("--")]
    sys.exit(main(*arguments[:3], "--panel" in sys.argv, "--every-window" in sys.argv))
