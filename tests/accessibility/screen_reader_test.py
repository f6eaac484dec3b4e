#!/usr/bin/python3
"""A blind pupil's lesson, read through AT-SPI as a screen reader reads it and typed on the keyboard.

    screen_reader_test.py PROGRAM          runs the lesson and checks what is heard
    screen_reader_test.py PROGRAM --dump   prints the main window's accessible tree
"""

import sys

import atspi_session

MAIN = "Chimie générale - seconde"

TAB_ORDER = [
    ("check box", "Équation C + O2"),
    ("spin button", "Quantité initiale de C(s) (mol)"),
    ("spin button", "Quantité initiale de O2(g) (mol)"),
    ("table", "Tableau d'avancement"),
    ("push button", "Initialisation"),
    ("push button", "Simulation"),
    ("push button", "Arrêt"),
    ("push button", "Zoom"),
    ("slider", "Avancement de la réaction"),
    ("push button", "Tableau mesures"),
    ("push button", "A propos"),
    ("push button", "Mode d'emploi"),
    ("push button", "Quitter"),
    ("chart", "Diagramme des quantités de matière"),
    ("chart", "Courbes des quantités de matière en fonction de l'avancement"),
    ("page tab list", "Réaction chimique"),
]


# A run from X = 0 to xmax is a hundred steps.
STEPS = 100
# The most events of each kind a step may raise: one for each value a reader has read that changes,
# nothing for a display that does not. The state table's fields, under the table that reads them, raise
# nothing; a chart's summary and the slider's text tell their change only when a reader has read them
# since; the slider's positions are the program's, not told one by one. A step used to raise about 26:
# ten caret moves, five deletions and five insertions of text in the fields, three description changes,
# two name changes of unchanged labels, and the slider's value.
STEP_EVENT_BOUNDS = {
    # The values a reader has read that have changed: in the main window the state table's X and four
    # quantities during the transformation (the final row once), in the zoom window its labels.
    "object:property-change:accessible-name": 5.1,
    # The start and the end announced, each a notification hidden and shown again.
    "object:state-changed:showing": 0.05,
}
# Any other kind: a few in the whole run at most.
OTHER_EVENTS_BOUND = 0.02


def check(condition, message):
    if not condition:
        raise atspi_session.Failure(message)


class Lesson:
    def __init__(self, desktop):
        self.d = desktop
        self.main = desktop.give_keyboard_to(MAIN)
        self.table = desktop.get(self.main, "table", "Tableau d'avancement")

    # --- What the pupil hears ---------------------------------------------------------------------

    def focus(self):
        """The control with the keyboard focus (the current page tab says 'focused' too: not that; the
        table's current cell says it as well as its table)."""
        for accessible in self.d.walk(self.main):
            if accessible.getRoleName() not in ("page tab", "table cell") and self.d.has_state(accessible,
                                                                                                "focused"):
                return accessible.getRoleName(), accessible.name
        return None

    def press(self, key, then_focus=None):
        before = self.focus()
        self.d.key(key)
        if then_focus is not None:
            self.d.expect(self.focus, then_focus, f"the focus after {key}")
        else:
            self.d.until(lambda: self.focus() != before, f"the focus to move on {key}")
        return self.focus()

    def tab_to(self, role, name):
        for _ in range(len(TAB_ORDER) + 1):
            if self.focus() == (role, name):
                return
            self.press("Tab")
        raise atspi_session.Failure(f"Tab never reaches the {role} {name!r}")

    def rows(self):
        """What each cell shows: its name says its row and column first ("Etat initial, X : 0 mol")."""
        table = self.table.queryTable()
        return [[table.getAccessibleAt(r, c).name.split(" : ", 1)[1] for c in range(table.nColumns)]
                for r in range(table.nRows)]

    def expect_rows(self, expected, when):
        self.d.expect(self.rows, expected, f"the state table {when}")

    def described(self, role, name):
        return self.d.get(self.main, role, name).description

    # --- The lesson -------------------------------------------------------------------------------

    def tab_order(self):
        self.d.expect(self.focus, TAB_ORDER[0], "the focus at start")
        heard = [self.focus()]
        for expected in TAB_ORDER[1:] + TAB_ORDER[:1]:
            heard.append(self.press("Tab"))
        check(heard == TAB_ORDER + TAB_ORDER[:1], f"Tab order heard: {heard}")

    def choose_copper_oxide(self):
        self.press("Right", ("check box", "Équation CuO + C"))
        self.d.key("space")
        box = self.d.get(self.main, "check box", "Équation CuO + C")
        self.d.until(lambda: self.d.has_state(box, "checked"), "the box of CuO + C checked")
        loaded = "Équation chargée : 2 CuO(s) + C(s) donnent 2 Cu(s) + CO2(g)"
        self.d.expect(lambda: box.description, loaded, "the loaded equation read on its box")
        table = self.table.queryTable()
        headers = [table.getColumnDescription(c) for c in range(table.nColumns)]
        check(headers == ["X", "CuO(s), Oxyde de cuivre", "C(s), Carbone", "Cu(s), Cuivre",
                          "CO2(g), Dioxyde de carbone"], f"column headers {headers}")
        rows = [table.getRowDescription(r) for r in range(table.nRows)]
        check(rows == ["Etat initial", "Etat au cours de la transformation", "Etat final"], f"rows {rows}")
        final = table.getAccessibleAt(2, 1).name
        check(final == "Etat final, CuO(s) : non atteint", f"a cell with its row and column: {final!r}")
        # What lies under the table is not read a second time: the page shows no other value.
        page = self.table.parent
        shown = [(page.getChildAtIndex(i).getRoleName(), page.getChildAtIndex(i).name)
                 for i in range(page.childCount) if self.d.has_state(page.getChildAtIndex(i), "showing")]
        check(not [c for c in shown if c[0] in ("text", "label") and c[1] != "donnent"], f"under the table: {shown}")
        # A second Space on the checked box leaves no box checked; the row still says what is loaded.
        self.d.key("space")
        self.d.until(lambda: not self.d.has_state(box, "checked"), "the box of CuO + C unchecked")
        check(box.description == loaded, f"after unchecking, the box reads {box.description!r}")
        self.d.key("space")
        self.d.until(lambda: self.d.has_state(box, "checked"), "the box of CuO + C checked again")

    def state_table(self):
        self.tab_to("push button", "Initialisation")
        self.d.key("space")
        initial = ["0 mol", "2 mol", "1 mol", "0 mol", "0 mol"]
        unreached = ["non atteint"] * 5
        self.expect_rows([initial, ["0 mol", "2 - 2 X = 2,000 mol", "1 - X = 1,000 mol", "2 X = 0 mol",
                                    "X = 0 mol"], unreached], "after Initialisation")
        self.tab_to("slider", "Avancement de la réaction")
        slider = self.d.get(self.main, "slider", "Avancement de la réaction")
        for _ in range(5):
            self.d.key("Right")
        self.d.expect(lambda: slider.description, "X = 0,5 mol", "the slider's text at its middle")
        self.expect_rows([initial, ["0,5 mol", "2 - 2 X = 1,000 mol", "1 - X = 0,500 mol", "2 X = 1,000 mol",
                                    "X = 0,500 mol"], unreached], "at the slider's middle")
        self.d.key("End")
        self.d.expect(lambda: slider.description, "X = 1 mol", "the slider's text at the end")
        self.expect_rows([initial, ["1 mol", "2 - 2 X = 0,000 mol", "1 - X = 0,000 mol", "2 X = 2,000 mol",
                                    "X = 1,000 mol"],
                          ["Xmax = 1 mol", "0,000 mol", "0,000 mol", "2,000 mol", "1,000 mol"]], "at the end")

    def simulation(self):
        slider = self.d.get(self.main, "slider", "Avancement de la réaction")
        self.d.key("Left")  # from 90, the run lasts one second
        self.d.expect(lambda: slider.description, "X = 0,9 mol", "the slider one step back")
        self.press("shift+Tab")
        self.press("shift+Tab")
        self.press("shift+Tab", ("push button", "Simulation"))
        self.d.events.clear()
        self.d.key("space")
        self.d.until(lambda: "Avancement maximal atteint : X = 1 mol" in self.d.announced(),
                     "the end announced")
        heard = self.d.announced()
        check(heard == ["Simulation en cours : X = 0,910 mol", "Avancement maximal atteint : X = 1 mol"],
              f"only the start and the end are announced: {heard}")
        self.expect_rows([["0 mol", "2 mol", "1 mol", "0 mol", "0 mol"],
                          ["1,000 mol", "2 - 2 X = 0,000 mol", "1 - X = 0,000 mol", "2 X = 2,000 mol",
                           "X = 1,000 mol"],
                          # The simulation writes the fourth final quantity in the general format.
                          ["Xmax = 1 mol", "0,000 mol", "0,000 mol", "2,000 mol", "1 mol"]],
                         "at the simulation's end")

    def counted_run(self, window, where):
        """A whole run from X = 0 to xmax, Simulation pressed from the keyboard, counted event by event: a
        step raises only what a change needs, so that a screen reader keeps up and hears the end."""
        button = self.d.get(window, "push button", "Simulation")
        for _ in range(len(TAB_ORDER)):
            if self.d.has_state(button, "focused"):
                break
            self.d.key("Tab")
            self.d.until(lambda: any(self.d.has_state(a, "focused") for a in self.d.walk(window)), "the focus")
        counts = self.d.count_events()
        self.d.events.clear()
        self.d.key("space")
        self.d.until(lambda: "Avancement maximal atteint : X = 1 mol" in self.d.announced(),
                     f"the end of the counted run in {where}", wait=self.d.wait * 2)
        per_step = {kind: count / STEPS for kind, count in sorted(counts().items())}
        print(f"events per simulation step in {where} ({STEPS} steps): " + (", ".join(
            f"{kind} {value:.2f}" for kind, value in per_step.items()) or "none"), flush=True)
        for kind, value in per_step.items():
            bound = STEP_EVENT_BOUNDS.get(kind, OTHER_EVENTS_BOUND)
            check(value <= bound, f"{where}, {kind}: {value:.2f} per step, more than {bound}")

    def events_per_step(self):
        self.tab_to("push button", "Initialisation")
        self.d.key("space")
        self.expect_rows([["0 mol", "2 mol", "1 mol", "0 mol", "0 mol"],
                          ["0 mol", "2 - 2 X = 2,000 mol", "1 - X = 1,000 mol", "2 X = 0,000 mol",
                           "X = 0,000 mol"], ["non atteint"] * 5], "before the counted run")
        self.counted_run(self.main, "the main window")

    def charts_after_switch(self):
        self.tab_to("check box", "Équation CuO + C")
        for _ in range(4):
            self.press("Right")
        check(self.focus() == ("check box", "Équation Fe + O2"), f"focus {self.focus()}")
        self.d.key("space")
        bars = lambda: self.described("chart", "Diagramme des quantités de matière")
        lines = lambda: self.described("chart", "Courbes des quantités de matière en fonction de l'avancement")
        self.d.expect(bars, "Evolution des différentes espèces chimiques en fonction de l'avancement\n"
                      "Fe(s) : 3 mol\nO2(g) : 2 mol\nFe3O4(s) : 0 mol", "the bar chart's summary")
        self.d.expect(lines, "Evolution des quantités de matière en fonction de l'avancement X.\n"
                      "Fe(s) : aucun point\nO2(g) : aucun point\nFe3O4(s) : aucun point",
                      "the line chart's summary")
        # The Menu key and Shift+F10 open the chart's own menu: its first item takes the focus on Down.
        self.tab_to("chart", "Diagramme des quantités de matière")
        for key in ("Menu", "shift+F10"):
            self.d.events.clear()
            self.d.key(key)
            self.d.key("Down")
            self.d.until(lambda: any(kind.startswith("object:state-changed:focused") and name == "0,1"
                                     for (kind, _, name) in self.d.events), f"the chart's menu on {key}")
            self.d.key("Escape")
            self.d.expect(self.focus, ("chart", "Diagramme des quantités de matière"), "the focus back")

    def zoom(self):
        self.tab_to("push button", "Zoom")
        self.d.key("space")
        zoom = self.d.window("Zoom")
        for name in ("Quantité initiale de Fe(s) (mol)", "Quantité initiale de O2(g) (mol)"):
            self.d.get(zoom, "spin button", name)
        slider = self.d.get(zoom, "slider", "Avancement")
        self.d.expect(lambda: slider.description, "X = 0 mol", "the zoom slider's text")
        self.counted_run(zoom, "the zoom window")
        self.d.key("Escape")
        self.d.until(lambda: "Zoom" not in self.d.windows(), "the zoom window closed by Escape")


def lesson(desktop):
    lesson = Lesson(desktop)
    for step in (lesson.tab_order, lesson.choose_copper_oxide, lesson.state_table, lesson.simulation,
                 lesson.events_per_step, lesson.charts_after_switch, lesson.zoom):
        step()
        print(f"ok: {step.__name__}")


def dump(desktop):
    window = desktop.give_keyboard_to(MAIN)
    desktop.get(window, "push button", "Initialisation")
    desktop.dump(window)


if __name__ == "__main__":
    sys.exit(atspi_session.run(sys.argv[1], dump if "--dump" in sys.argv[2:] else lesson))
