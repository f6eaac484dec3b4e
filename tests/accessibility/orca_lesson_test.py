#!/usr/bin/python3
"""A blind pupil's lesson with the real Orca: typed on the keyboard, checked on what Orca says.

    orca_lesson_test.py PROGRAM                     runs the lesson; fails at the first step not heard
    orca_lesson_test.py PROGRAM --record [STEP...]  runs every step (or those named) and prints what Orca
                                                    says at each, without failing

Each step types keys and waits until Orca has said the program's own texts for it, never Orca's role
words, which follow Orca's translation. Without a window manager nobody gives a window the keyboard
when another closes: the lesson does it, as a desktop would.
"""

import os
import re
import sys
import tempfile

import atspi_session
import orca_session

MAIN = "Chimie générale - seconde"
# In --record mode an expectation not met is given this long before the step moves on.
RECORD_WAIT = 4.0
# A simulation runs for about ten seconds.
RUN_WAIT = 40.0


class Lesson:
    def __init__(self, desktop, reader, record):
        self.d = desktop
        self.orca = reader
        self.record = record
        self.missing = []
        self.window = None

    # --- Hearing ----------------------------------------------------------------------------------

    def hear(self, keys, *texts, what, wait=None):
        """Types keys, then waits until Orca has said every text, each within one of its sentences."""
        mark = self.orca.mark()
        for key in keys:
            self.d.key(key)
        self.expect_all(mark, texts, what, wait)
        return mark

    def reach(self, name, *texts, what, key="Tab"):
        """Tabs (or Shift+Tabs) to the control named name, then waits until Orca has said its name and
        texts."""
        mark = self.orca.mark()
        for _ in range(30):
            focus = self.focused()
            if focus is not None and focus[1] == name:
                break
            self.d.key(key)
            self.d.until(lambda: self.focused() != focus, f"the focus to leave {focus} on {key}")
        else:
            raise atspi_session.Failure(f"{key} never reaches {name!r}")
        self.expect_all(mark, (name,) + texts, what)
        return mark

    def expect_all(self, mark, texts, what, wait=None):
        for text in texts:
            self.expect(mark, lambda sentence, text=text: text in sentence, f"{what}: {text!r}", wait)
        if self.record:
            print(f"  [{what}] -> {self.orca.heard_since(mark)!r}", flush=True)

    def expect(self, mark, wanted, what, wait=None):
        wait = RECORD_WAIT if self.record else wait
        try:
            return self.d.until(lambda: next((s for s in self.orca.heard_since(mark) if wanted(s)), None),
                                what, wait=wait)
        except atspi_session.Failure as failure:
            if not self.record:
                raise atspi_session.Failure(f"{what}: Orca said {self.orca.heard_since(mark)!r}") from failure
            self.missing.append(what)
            print(f"  MISSING {what}", flush=True)
            return None

    def check(self, condition, message):
        if condition:
            return
        if not self.record:
            raise atspi_session.Failure(message)
        self.missing.append(message)
        print(f"  MISSING {message}", flush=True)

    # --- Reading the tree -------------------------------------------------------------------------

    def focused(self):
        """The role and name of what has the keyboard focus in the current window: the control, or the
        item of an open menu (the page tab, which says so too, aside)."""
        roots = [self.window] + self.open_menus()
        for root in roots:
            for accessible in self.d.walk(root):
                if accessible.getRoleName() not in ("page tab", "table cell") and self.d.has_state(
                        accessible, "focused"):
                    return accessible.getRoleName(), accessible.name
        return None

    def open_menus(self):
        application = self.d.application
        return [child for child in (application.getChildAtIndex(i) for i in range(application.childCount))
                if child is not None and child.getRoleName() in ("popup menu", "menu")]

    def menu_item(self, name):
        for menu in self.open_menus():
            found = self.d.find(menu, name=name)
            if found is not None:
                return found
        return None

    def back_to_main(self, closing):
        self.d.until(lambda: closing not in self.d.windows(), f"the window {closing!r} closed")
        mark = self.orca.mark()
        self.window = self.d.give_keyboard_to(MAIN)
        self.expect_all(mark, (MAIN,), "the main window again")

    # --- The lesson -------------------------------------------------------------------------------

    def start(self):
        mark = self.orca.mark()
        self.main = self.window = self.d.give_keyboard_to(MAIN)
        self.expect_all(mark, ("Équation C + O2",), "the first box at start")

    def equation(self):
        self.hear(["Right"], "Équation CuO + C", what="the next box")
        self.hear(["space"], "Équation chargée : 2 CuO(s) + C(s) donnent 2 Cu(s) + CO2(g)",
                  what="the equation a box loads")

    def quantities(self):
        self.reach("Quantité initiale de CuO(s) (mol)", "2", what="the first quantity")
        self.check(self.focused()[0] == "spin button", f"the first quantity is a spin field: {self.focused()}")
        self.hear(["Up"], "2,1", what="the first quantity one step up")
        mark = self.hear(["Down"], what="the first quantity back")
        self.expect(mark, lambda s: s.strip(" .") == "2", "the first quantity back: '2'")
        self.reach("Quantité initiale de C(s) (mol)", "1", what="the second quantity")
        self.hear(["Menu", "Down"], "Couper", what="the quantity's menu")
        self.check(self.open_menus(), "the quantity's menu is in the tree while it is open")
        self.hear(["Escape"], "Quantité initiale de C(s) (mol)", what="the quantity after its menu")

    def state_table(self):
        self.reach("Tableau d'avancement", "Etat initial, X : 0 mol", what="the state table")
        self.hear(["Right"], "Etat initial, CuO(s) : 2 mol", what="the next column")
        self.hear(["Down"], "Etat au cours de la transformation, CuO(s) : 2 - 2 X = 2,000 mol",
                  what="the next row")
        self.hear(["Down"], "Etat final, CuO(s) : non atteint", what="the final row before the end")

    def slider(self):
        self.reach("Avancement de la réaction", "X = 0 mol", what="the slider")
        for position in (1, 2, 3):
            self.hear(["Right"], f"X = 0,{position} mol", what="the slider one step right")
        self.hear(["End"], "X = 1 mol", what="the slider at its end")
        self.hear(["Home"], "X = 0 mol", what="the slider at its start")

    def simulation(self):
        self.reach("Simulation", what="the Simulation button", key="shift+Tab")
        mark = self.hear(["space"], "Simulation en cours : X = 0,010 mol", what="the simulation's start")
        self.expect(mark, lambda s: "Avancement maximal atteint : X = 1 mol" in s, "the simulation's end",
                    RUN_WAIT)
        steps = [s for s in self.orca.heard_since(mark) if re.search(r"X = 0,\d", s)]
        self.check(len(steps) == 1, f"only the start and the end of the run are heard: {steps}")
        self.reach("Avancement de la réaction", what="the slider after the run")
        self.hear(["Home"], "X = 0 mol", what="the slider back at its start")
        self.reach("Simulation", what="the Simulation button again", key="shift+Tab")
        self.hear(["space"], "Simulation en cours : X = 0,010 mol", what="a second run's start")
        self.reach("Arrêt", what="the Arrêt button during the run")
        self.hear(["space"], "Arrêt : X = ", what="the run stopped")

    def final_row(self):
        self.reach("Avancement de la réaction", what="the slider before the final row")
        self.hear(["End"], "X = 1 mol", what="the slider at its end again")
        self.reach("Tableau d'avancement", what="the state table again", key="shift+Tab")
        self.hear(["ctrl+End"], "Etat final, CO2(g) : 1,000 mol", what="the table's last cell")
        self.hear(["Home"], "Etat final, X : Xmax = 1 mol", what="the final row's first cell")
        self.hear(["ctrl+Home"], "Etat initial, X : 0 mol", what="the table's first cell")

    def chart_menus(self):
        self.reach("Diagramme des quantités de matière", what="the bar chart")
        self.hear(["Menu", "Down"], "0,1", what="the bar chart's menu")
        self.check(self.menu_item("0,1") is not None, "the bar chart's menu is in the tree while it is open")
        for value in ("0,2", "0,3", "0,4", "0,5"):
            self.hear(["Down"], value, what="the next graduation")
        item = self.menu_item("0,5")
        self.check(item is not None and self.d.has_state(item, "checked"), "0,5 heard as the graduation in force")
        self.hear(["Up", "Up", "Up", "Up", "Up"], "Imprimer…", what="the menu's last item")
        self.hear(["Escape"], "Diagramme des quantités de matière", what="the chart after its menu")
        self.check(not self.open_menus(), "the closed menu has left the tree")
        self.reach("Courbes des quantités de matière en fonction de l'avancement", what="the line chart")
        self.hear(["shift+F10", "Down"], "Taille des droites", what="the line chart's menu")
        self.hear(["Right"], "1", what="the line widths")
        self.hear(["Escape", "Escape"], "Courbes des quantités de matière", what="the chart after its menus")

    def measurement_table(self):
        self.reach("Tableau mesures", what="the measurement table's button", key="shift+Tab")
        self.hear(["space"], "tableau des mesures", "Nombre de mesures", what="the measurement table")
        self.window = self.d.window("tableau des mesures")
        count = self.d.get(self.window, "text", "Nombre de mesures")
        self.check(count.queryText().getSelection(0) == (0, 3), "the count is selected when the window opens")
        self.hear(["5", "Return"], "5 mesures, de X = 0,000 mol à X = 1,000 mol", what="a count confirmed")
        self.reach("Tableau des mesures", what="the grid")
        self.hear(["Menu", "Down"], "Copier", what="the grid's menu")
        self.check(self.menu_item("Copier") is not None, "the grid's menu is in the tree while it is open")
        self.hear(["Escape"], "Tableau des mesures", what="the grid after its menu")
        self.hear(["shift+Tab"], "Valider", what="Shift+Tab out of the grid")
        self.d.key("Escape")
        self.back_to_main("tableau des mesures")

    def zoom(self):
        self.reach("Zoom", what="the Zoom button", key="shift+Tab")
        self.hear(["space"], "Zoom", what="the zoom window")
        self.window = self.d.window("Zoom")
        self.reach("Quantité initiale de CuO(s) (mol)", "2", what="the zoom's first quantity")
        self.reach("Avancement", "X = 0 mol", what="the zoom's slider")
        self.hear(["Right"], "X = 0,010 mol", what="the zoom's slider one step right")
        self.reach("Simulation", what="the zoom's Simulation button", key="shift+Tab")
        mark = self.hear(["space"], "Simulation en cours : X = 0,020 mol", what="the zoom's run started")
        self.expect(mark, lambda s: "Avancement maximal atteint : X = 1 mol" in s, "the zoom's run ended",
                    RUN_WAIT)
        self.reach("Histogramme des quantités de matière", what="the zoom's bar chart")
        self.hear(["Menu", "Down"], "Taille des droites", what="the zoom chart's menu")
        self.hear(["Escape"], "Histogramme des quantités de matière", what="the zoom's chart after its menu")
        self.reach("Quitter ZOOM", what="Quitter ZOOM")
        self.d.key("space")
        self.back_to_main("Zoom")

    def steps(self):
        return [self.start, self.equation, self.quantities, self.state_table, self.slider, self.simulation,
                self.final_row, self.chart_menus, self.measurement_table, self.zoom]


def main(program, record, only):
    home = tempfile.mkdtemp(prefix="molvanex-orca-")
    readers = []

    def start_orca(desktop):
        readers.append(orca_session.ScreenReader(desktop))

    def scenario(desktop):
        lesson = Lesson(desktop, readers[0], record)
        for step in lesson.steps():
            if only and step.__name__ not in only + ["start"]:
                continue
            try:
                step()
            except atspi_session.Failure as failure:
                if not record:
                    raise
                print(f"  STOPPED {step.__name__}: {failure}", flush=True)
                lesson.missing.append(step.__name__)
            print(f"ok: {step.__name__}", flush=True)
        if record and lesson.missing:
            print(f"{len(lesson.missing)} expectations not met", flush=True)

    status = atspi_session.run(program, scenario, home=home, before_program=start_orca)
    if status:
        print(f"Orca's log: {os.path.join(home, 'orca-debug.log')}", file=sys.stderr)
    return status


if __name__ == "__main__":
    arguments = sys.argv[2:]
    sys.exit(main(sys.argv[1], "--record" in arguments, [a for a in arguments if a != "--record"]))
