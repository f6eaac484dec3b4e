#!/usr/bin/python3
"""A blind pupil's lesson with the real Orca: typed on the keyboard, checked on what Orca says.

    orca_lesson_test.py PROGRAM [--record]   --record prints what Orca says at each step, and goes on

Each step types keys (or Tabs to a control) and waits until Orca has said the program's own texts,
never Orca's role words, which follow its translation. Without a window manager nobody gives a window
the keyboard when another closes: the lesson does it, as a desktop would.
"""

import re
import sys
import tempfile

import atspi_session
import orca_session

MAIN = "Chimie générale - seconde"
RUN_WAIT = 40.0  # a simulation lasts about ten seconds
RECORD_WAIT = 4.0  # for a text that does not wait for a simulation


class Lesson:
    def __init__(self, desktop, reader, record):
        self.d, self.orca, self.record = desktop, reader, record
        self.window = None

    def hear(self, keys, *texts, wait=None):
        """Types keys (space-separated), then waits until Orca has said each text within a sentence."""
        mark = self.orca.mark()
        for key in keys.split():
            self.d.key(key)
        for text in texts:
            self.heard(mark, text, wait)
        if self.record:
            print(f"  {keys or '-'} -> {self.orca.heard_since(mark)!r}", flush=True)
        return mark

    def heard(self, mark, wanted, wait=None):
        """Waits until Orca has said, after mark, a sentence holding wanted (or for which it holds)."""
        test = wanted if callable(wanted) else (lambda sentence: wanted in sentence)
        try:
            return self.d.until(lambda: next((s for s in self.orca.heard_since(mark) if test(s)), None),
                                f"Orca to say {wanted!r}",
                                wait=(wait or RECORD_WAIT) if self.record else wait)
        except atspi_session.Failure:
            self.check(False, f"Orca did not say {wanted!r}; it said {self.orca.heard_since(mark)!r}")

    def reach(self, name, *texts, key="Tab"):
        """Tabs (or Shift+Tabs) to the control named name; Orca says its name and texts."""
        mark = self.orca.mark()
        for _ in range(30):
            focus = self.focused()
            if focus and focus[1] == name:
                break
            self.d.key(key)
            self.d.until(lambda: self.focused() != focus, f"the focus to leave {focus} on {key}")
        for text in (name,) + texts:
            self.heard(mark, text)
        return mark

    def check(self, condition, message):
        if condition:
            return
        if not self.record:
            raise atspi_session.Failure(message)
        print(f"  MISSING {message}", flush=True)

    def focused(self):
        """Role and name of what has the focus in the current window or an open menu (not the page tab,
        nor the table's cell, which say so too)."""
        for root in [self.window] + self.menus():
            for accessible in self.d.walk(root):
                if accessible.getRoleName() not in ("page tab", "table cell") and \
                        self.d.has_state(accessible, "focused"):
                    return accessible.getRoleName(), accessible.name
        return None

    def menus(self):
        """The pop-up menus open now, children of the application as every window is."""
        application = self.d.application
        children = (application.getChildAtIndex(i) for i in range(application.childCount))
        return [child for child in children if child is not None and child.getRoleName() == "popup menu"]

    def menu_item(self, name):
        return next((found for found in (self.d.find(menu, name=name) for menu in self.menus()) if found), None)

    def window_closed(self, title):
        self.d.until(lambda: title not in self.d.windows(), f"the window {title!r} closed")
        mark = self.orca.mark()
        self.window = self.d.give_keyboard_to(MAIN)
        self.heard(mark, MAIN)

    def run(self):
        """Space on Simulation: Orca says its start and its end, and none of its steps."""
        mark = self.hear("space", "Simulation en cours : X = 0,0")
        self.heard(mark, "Avancement maximal atteint : X = 1 mol", RUN_WAIT)
        steps = [s for s in self.orca.heard_since(mark) if re.search(r"X = 0,\d", s)]
        self.check(len(steps) == 1, f"a step of the run heard: {steps}")
        if self.record:
            print(f"  (the whole run) -> {self.orca.heard_since(mark)!r}", flush=True)

    # --- The lesson -------------------------------------------------------------------------------

    def main_window(self):
        mark = self.orca.mark()
        self.window = self.d.give_keyboard_to(MAIN)
        self.heard(mark, "Équation C + O2")
        self.hear("Right", "Équation CuO + C")
        self.hear("space", "Équation chargée : 2 CuO(s) + C(s) donnent 2 Cu(s) + CO2(g)")
        self.reach("Quantité initiale de CuO(s) (mol)", "2")
        self.check(self.focused()[0] == "spin button", f"the quantity is a spin field: {self.focused()}")
        self.hear("Up", "2,1")
        self.heard(self.hear("Down"), lambda s: s.strip(" .") == "2")
        self.reach("Quantité initiale de C(s) (mol)", "1")
        self.hear("Menu Down", "Couper")
        self.check(self.menu_item("Couper"), "the quantity's menu is in the tree while it is open")
        self.hear("Escape", "Quantité initiale de C(s) (mol)")

    def state_table(self):
        self.reach("Tableau d'avancement", "Etat initial, X : 0 mol")
        self.hear("Right", "Etat initial, CuO(s) : 2 mol")
        self.hear("Down", "Etat au cours de la transformation, CuO(s) : 2 - 2 X = 2,000 mol")
        self.hear("Down", "Etat final, CuO(s) : non atteint")

    def slider_and_simulation(self):
        self.reach("Avancement de la réaction", "X = 0 mol")
        for position in (1, 2, 3):
            self.hear("Right", f"X = 0,{position} mol")
        self.hear("End", "X = 1 mol")
        self.hear("Home", "X = 0 mol")
        self.reach("Simulation", key="shift+Tab")
        self.run()
        self.reach("Avancement de la réaction")
        self.hear("Home", "X = 0 mol")
        self.reach("Simulation", key="shift+Tab")
        self.hear("space", "Simulation en cours : X = 0,010 mol")
        self.reach("Arrêt")
        self.hear("space", "Arrêt : X = ")
        self.reach("Avancement de la réaction")
        self.hear("End", "X = 1 mol")
        self.reach("Tableau d'avancement", key="shift+Tab")
        self.hear("ctrl+End", "Etat final, CO2(g) : 1,000 mol")
        self.hear("Home", "Etat final, X : Xmax = 1 mol")
        self.hear("ctrl+Home", "Etat initial, X : 0 mol")

    def chart_menus(self):
        self.reach("Diagramme des quantités de matière")
        self.hear("Menu Down", "0,1")
        self.check(self.menu_item("0,1"), "the bar chart's menu is in the tree while it is open")
        for value in ("0,2", "0,3", "0,4", "0,5"):
            self.hear("Down", value)
        item = self.menu_item("0,5")
        self.check(item and self.d.has_state(item, "checked"), "0,5 reads as the graduation in force")
        for _ in range(12):  # up item by item, round to the last ones
            said = self.heard(self.hear("Up"), lambda sentence: True)
            if said and "Imprimer…" in said:
                break
        self.check(said and "Imprimer…" in said, "Imprimer… reached in the bar chart's menu")
        self.hear("Escape", "Diagramme des quantités de matière")
        self.check(not self.menus(), "the closed menu has left the tree")
        self.reach("Courbes des quantités de matière en fonction de l'avancement")
        self.hear("shift+F10 Down", "Taille des droites")
        self.hear("Right", "1")
        self.hear("Escape Escape", "Courbes des quantités de matière")

    def measurement_table(self):
        self.reach("Tableau mesures", key="shift+Tab")
        self.hear("space", "tableau des mesures", "Nombre de mesures")
        self.window = self.d.window("tableau des mesures")
        count = self.d.get(self.window, "text", "Nombre de mesures")
        self.check(count.queryText().getSelection(0) == (0, 3), "the count is selected when the window opens")
        self.hear("5 Return", "5 mesures, de X = 0,000 mol à X = 1,000 mol")
        self.reach("Tableau des mesures")
        self.hear("Menu Down", "Copier")
        self.check(self.menu_item("Copier"), "the grid's menu is in the tree while it is open")
        self.hear("Escape", "Tableau des mesures")
        self.hear("shift+Tab", "Valider")
        self.d.key("Escape")
        self.window_closed("tableau des mesures")

    def zoom(self):
        self.reach("Zoom", key="shift+Tab")
        self.hear("space", "Zoom")
        self.window = self.d.window("Zoom")
        self.reach("Quantité initiale de CuO(s) (mol)", "2")
        self.reach("Avancement", "X = 0 mol")
        self.hear("Right", "X = 0,010 mol")
        self.reach("Simulation", key="shift+Tab")
        self.run()
        self.reach("Histogramme des quantités de matière")
        self.hear("Menu Down", "Taille des droites")
        self.hear("Escape", "Histogramme des quantités de matière")
        self.reach("Quitter ZOOM")
        self.d.key("space")
        self.window_closed("Zoom")


def main(program, record):
    readers = []

    def scenario(desktop):
        lesson = Lesson(desktop, readers[0], record)
        for step in (lesson.main_window, lesson.state_table, lesson.slider_and_simulation, lesson.chart_menus,
                     lesson.measurement_table, lesson.zoom):
            step()
            print(f"ok: {step.__name__}", flush=True)

    return atspi_session.run(program, scenario, home=tempfile.mkdtemp(prefix="molvanex-orca-"),
                             before_program=lambda desktop: readers.append(orca_session.ScreenReader(desktop)))


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], "--record" in sys.argv[2:]))
