#!/usr/bin/env python3
"""Smoke test of the real program, the way a person and a screen reader use it.

The executable runs under a private Xvfb with the accessibility bridge on. The
test moves the pointer, clicks and types through xdotool (real X input) and
reads what a screen reader reads through AT-SPI (window titles, field names and
their texts), and the screen's pixels where a picture must show.

  smoke.py --exe <fauneta>            the whole walk: entry, search, every
                                      secondary window (the type chart by its
                                      menu item and by Ctrl+I), quit by "Sair"
  smoke.py --exe <fauneta> --sprites  only start, show an entry and check its
                                      pictures came from the program's folder,
                                      then quit (for an installed program)
  smoke.py --exe <fauneta> --close-box
                                      a secondary window and then the main
                                      window closed by their close boxes
  smoke.py --exe <fauneta> --wayland  natively under a headless Weston, driven
                                      by AT-SPI actions only: an entry, a
                                      modal window opened and closed, the main
                                      window deaf meanwhile, quit by "Sair"

Exits 77 (skipped) where Xvfb, xdotool, the AT-SPI bus or pyatspi is missing
(for --wayland: weston, its headless back-end or qt6-wayland).
No window manager runs under X: where one would give a window the keyboard
focus, the test gives it explicitly before pressing a shortcut.
"""

import argparse
import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from desktop_session import (SKIP, AccessibilityBus, Failure, Session, Skip, missing_program_fonts,  # noqa: E402
                             WaylandSession, wait_until)

STEP_TIMEOUT = 15.0  # seconds for any one thing to happen on screen
MAIN_TITLE = "Fauneta "  # the caption ends in a blank
SPRITE = "Imagem do Pokémon"
BARS = ("Energia", "Ataque", "Defesa", "Velocidade", "Especial")


class Program:
    """The running program seen through AT-SPI and driven through X."""

    def __init__(self, session, exe, platform="xcb"):
        import pyatspi
        from gi.repository import GLib

        self.pyatspi = pyatspi
        self.glib_context = GLib.MainContext.default()
        self.session = session
        self.exe = exe
        self.process = session.start(
            [exe], {"QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1", "QT_QPA_PLATFORM": platform})
        self.app = self.wait(self._find_app, "the program on the accessibility bus")
        self.bus = None

    # --- looking -------------------------------------------------------
    def pump(self):
        """Lets libatspi take in the bridge's change signals."""
        while self.glib_context.pending():
            self.glib_context.iteration(False)

    def wait(self, predicate, what, timeout=STEP_TIMEOUT):
        def checked():
            if self.process.poll() is not None:
                raise Failure(f"the program ended (exit {self.process.returncode}) "
                              f"while waiting for {what}\n{self.session.output(self.process)}")
            return predicate()
        return wait_until(checked, timeout, what, pump=self.pump)

    def _find_app(self):
        desktop = self.pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            a = desktop.getChildAtIndex(i)
            if a is not None and a.get_process_id() == self.process.pid:
                return a
        return None

    def fresh(self, acc):
        acc.clearCache()
        return acc

    def states(self, acc):
        return self.fresh(acc).getState()

    def showing(self, acc):
        return self.states(acc).contains(self.pyatspi.STATE_SHOWING)

    def enabled(self, acc):
        return self.states(acc).contains(self.pyatspi.STATE_SENSITIVE)

    def find_all(self, root, role, name=None, showing=True, depth=8):
        """Descendants of root with this role (and name), in tree order. Lists
        and menus are entered only when looking for their items: every child
        is a round trip on the bus."""
        p = self.pyatspi
        containers = {p.ROLE_LIST: p.ROLE_LIST_ITEM, p.ROLE_MENU_ITEM: p.ROLE_MENU_ITEM,
                      p.ROLE_POPUP_MENU: p.ROLE_MENU_ITEM, p.ROLE_MENU: p.ROLE_MENU_ITEM,
                      p.ROLE_COMBO_BOX: p.ROLE_LIST_ITEM}
        self.fresh(root)
        found, level = [], [root]
        for _ in range(depth):
            below = []
            for acc in level:
                for i in range(acc.childCount):
                    c = acc.getChildAtIndex(i)
                    if c is None:
                        continue
                    r = c.getRole()
                    if r == role and (name is None or c.name == name) and \
                            (not showing or self.showing(c)):
                        found.append(c)
                    if containers.get(r, role) == role and r not in (p.ROLE_TEXT, p.ROLE_PUSH_BUTTON):
                        below.append(c)
            level = below
        return found

    def find(self, root, role, name=None, showing=True):
        hits = self.find_all(root, role, name, showing)
        return hits[0] if hits else None

    def need(self, root, role, name, showing=True):
        return self.wait(lambda: self.find(root, role, name, showing),
                         f"a {role} named {name!r}" if name is not None else f"a {role}")

    def window(self, title):
        """The program's top-level window with this title, while it is shown."""
        p = self.pyatspi
        for i in range(self.fresh(self.app).childCount):
            w = self.app.getChildAtIndex(i)
            if w is not None and w.name == title and \
                    w.getRole() in (p.ROLE_FRAME, p.ROLE_DIALOG, p.ROLE_WINDOW) and self.showing(w):
                return w
        return None

    def shown_windows(self):
        p = self.pyatspi
        names = []
        for i in range(self.fresh(self.app).childCount):
            w = self.app.getChildAtIndex(i)
            if w is not None and w.getRole() in (p.ROLE_FRAME, p.ROLE_DIALOG, p.ROLE_WINDOW, p.ROLE_ALERT) \
                    and self.showing(w):
                names.append(w.name)
        return names

    def wait_window(self, title):
        return self.wait(lambda: self.window(title), f"the window {title!r}")

    def wait_closed(self, title):
        self.wait(lambda: self.window(title) is None, f"the window {title!r} to close")

    def text(self, acc):
        t = self.fresh(acc).queryText()
        return t.getText(0, t.characterCount)

    def description(self, acc):
        return self.fresh(acc).description

    def labelled(self, root, role, label):
        """The controls a screen reader names by the label called `label`:
        those whose labelled-by relation points to it."""
        p = self.pyatspi

        def labels(acc):
            return [r.getTarget(i).name for r in acc.getRelationSet()
                    if r.getRelationType() == p.RELATION_LABELLED_BY for i in range(r.getNTargets())]
        return [c for c in self.find_all(root, role) if label in labels(c)]

    def wait_text(self, acc, expected, what):
        self.wait(lambda: self.text(acc) == expected,
                  f"{what} to read {expected!r} (it reads {self.text(acc)!r})")

    def extents(self, acc):
        e = self.fresh(acc).queryComponent().getExtents(self.pyatspi.DESKTOP_COORDS)
        return e.x, e.y, e.width, e.height

    # --- acting --------------------------------------------------------
    def act(self, acc, name):
        """Starts the AT-SPI action called name on acc without waiting for its
        answer (a modal window's opener answers when the window closes)."""
        a = self.fresh(acc).queryAction()
        names = [a.getName(i) for i in range(a.nActions)]
        if name not in names:
            raise Failure(f"{acc.name!r} has no action {name!r} (it has {names})")
        if self.bus is None:
            self.bus = AccessibilityBus()
        return self.bus.do_action(acc, names.index(name))

    def answered(self, pending, timeout=STEP_TIMEOUT):
        self.wait(lambda: pending.done, f"the answer to {pending.what}", timeout)
        if pending.error is not None:
            raise Failure(f"{pending.what} failed: {pending.error}")
        return pending.result

    def click(self, acc):
        x, y, w, h = self.extents(acc)
        if w <= 0 or h <= 0:
            raise Failure(f"{acc.name!r} has no place on screen")
        self.session.click(x + w // 2, y + h // 2)

    def x_window(self, title):
        ids = self.session.xdotool("search", "--all", "--onlyvisible", "--pid", self.process.pid,
                                   "--name", f"^{title}$").split()
        if len(ids) != 1:
            raise Failure(f"{len(ids)} shown X windows titled {title!r}, not one")
        return ids[0]

    def focus_window(self, title):
        """What a window manager does on a click in the window: X focus to it."""
        self.session.xdotool("windowfocus", "--sync", self.x_window(title))

    def close_box(self, title):
        self.session.close_box(self.x_window(title))

    def scroll_into_view(self, listbox, item):
        """Turns the wheel over the list until the item lies inside it."""
        lx, ly, lw, lh = self.extents(listbox)
        self.session.xdotool("mousemove", "--sync", lx + lw // 2, ly + lh // 2)
        for _ in range(40):
            x, y, w, h = self.extents(item)
            if y >= ly and y + h <= ly + lh:
                return
            self.session.xdotool("click", 5 if y >= ly else 4)
            self.pump()
        raise Failure(f"could not scroll {item.name!r} into view")

    def click_beside(self, acc, cover):
        """Clicks acc at a point that the window cover does not hide."""
        x, y, w, h = self.extents(acc)
        cx, cy, cw, ch = self.extents(cover)
        for px, py in ((x + w // 2, y + h // 2), (x + 3, y + h // 2), (x + w - 4, y + h // 2),
                       (x + w // 2, y + 3), (x + w // 2, y + h - 4)):
            if not (cx <= px < cx + cw and cy <= py < cy + ch):
                self.session.click(px, py)
                return True
        return False

    def pick(self, listbox, name):
        item = self.need(listbox, self.pyatspi.ROLE_LIST_ITEM, name, showing=False)
        self.scroll_into_view(listbox, item)
        self.click(item)

    def menu(self, bar_item, item):
        """Opens a menu of the menu bar with the mouse and picks an item."""
        main = self.wait_window(MAIN_TITLE)
        top = self.need(main, self.pyatspi.ROLE_MENU_ITEM, bar_item)
        self.click(top)
        entry = self.wait(lambda: self._menu_entry(top, item), f"the menu item {item!r}")
        self.click(entry)

    def _menu_entry(self, top, name):
        for e in self.find_all(top, self.pyatspi.ROLE_MENU_ITEM, name, showing=True):
            if self.extents(e)[2] > 0 and self.extents(e)[1] > 0:
                return e
        return None

    def picture_has_content(self, acc):
        """More than one colour inside the control's rectangle on screen."""
        x, y, w, h = self.extents(acc)
        return len(self.session.framebuffer.colours(x, y, w, h)) > 1


# --- the walk ------------------------------------------------------------------

def check(cond, message):
    if not cond:
        raise Failure(message)


def start_state(prog):
    p = prog.pyatspi
    check(prog.app.name == "Fauneta", f"the program is announced as 'Fauneta', not {prog.app.name!r}")
    main = prog.wait_window(MAIN_TITLE)
    lists = prog.find_all(main, p.ROLE_LIST, "Lista de Pokémons")
    check(len(lists) == 1, f"one list is shown at start, not {len(lists)}")
    items = prog.find_all(lists[0], p.ROLE_LIST_ITEM, showing=False)
    check(len(items) == 30 and items[0].name == "#001 - Bulbasaur" and items[29].name == "#030 - Nidorina",
          f"page 1 lists #001 to #030, not {[i.name for i in items[:2]]}...")
    check(not prog.enabled(prog.need(main, p.ROLE_PUSH_BUTTON, "1-30")), "'1-30' is disabled at start")
    check(prog.enabled(prog.need(main, p.ROLE_PUSH_BUTTON, "Outros")), "'Outros' is enabled at start")
    check(prog.text(prog.need(main, p.ROLE_TEXT, "Nome")) == "", "the detail panel is empty at start")
    sprite = prog.need(main, p.ROLE_IMAGE, "Imagem do Pokémon")
    check(not prog.picture_has_content(sprite), "no sprite is shown at start")
    return main, lists[0]


def show_entry(prog, main, listbox):
    """Clicks #025 and reads the detail panel the way a screen reader does."""
    p = prog.pyatspi
    prog.pick(listbox, "#025 - Pikachu")
    nome = prog.need(main, p.ROLE_TEXT, "Nome")
    prog.wait_text(nome, "#025 - Pikachu", "the field 'Nome'")
    for field in ("Tipo", "Versão", "Evolução", "Localização"):
        check(prog.text(prog.need(main, p.ROLE_TEXT, field)) != "", f"the field {field!r} is filled")
    for box in ("Descrição", "Movimentos"):
        check(prog.text(prog.need(main, p.ROLE_TEXT, box)).strip() != "", f"the box {box!r} is filled")
    # The pictures come from the files beside the executable: the sprite and
    # the five rating bars must now show on screen.
    sprite = prog.need(main, p.ROLE_IMAGE, "Imagem do Pokémon")
    prog.wait(lambda: prog.picture_has_content(sprite), "the sprite to be drawn")
    for bar in BARS:
        image = prog.need(main, p.ROLE_IMAGE, bar)
        prog.wait(lambda: prog.picture_has_content(image), f"the rating bar {bar!r} to be drawn")
    hears(prog, main, "Pikachu", (3, 1, 1, 3, 1), (35, 55, 30, 90, 50))


def hears(prog, main, creature, ratings, base):
    """What a screen reader is told of the pictures: the sprite names the
    creature, each bar its rating out of the bar's six steps and the base stat
    it stands for (none for #000)."""
    p = prog.pyatspi
    sprite = prog.need(main, p.ROLE_IMAGE, SPRITE)
    prog.wait(lambda: prog.description(sprite) == creature,
              f"the sprite to be described as {creature!r} (it says {prog.description(sprite)!r})")
    said = [prog.description(prog.need(main, p.ROLE_IMAGE, bar)) for bar in BARS]
    want = [f"{r} de 6" + (f", {bar}: {b}" if base else "") for r, bar, b in zip(ratings, BARS, base or ratings)]
    check(said == want, f"the rating bars say {said}, not {want}")


def search(prog, main):
    p = prog.pyatspi
    field = prog.need(main, p.ROLE_TEXT, "Busca por Nome ou Número")
    prog.click(field)
    prog.session.type("mew")
    prog.wait_text(field, "MEW", "the search field (letters typed become capitals)")
    prog.click(prog.need(main, p.ROLE_PUSH_BUTTON, "Procurar"))
    prog.wait_text(prog.need(main, p.ROLE_TEXT, "Nome"), "#151 - Mew", "the field 'Nome' after the search")
    # The search brings the entry's page to the front with its line selected.
    prog.wait(lambda: not prog.enabled(prog.need(main, p.ROLE_PUSH_BUTTON, "Outros")),
              "the page 'Outros' to be selected")
    shown = prog.find_all(main, p.ROLE_LIST, "Lista de Pokémons")
    check(len(shown) == 1, "one list is shown after the search")
    selected = [i.name for i in prog.find_all(shown[0], p.ROLE_LIST_ITEM, showing=False)
                if prog.states(i).contains(p.STATE_SELECTED)]
    check(selected == ["#151 - Mew"], f"the found line is selected, not {selected}")
    hears(prog, main, "Mew", (6,) * 5, (100,) * 5)


def where_after_search(prog, main):
    """A search for '133' leaves the focus in the search field, where Ctrl+E
    (the field's "end of line" on X11) opens 'Onde Encontrar' on #133; Esc
    closes it and the field still edits."""
    p = prog.pyatspi
    field = prog.need(main, p.ROLE_TEXT, "Busca por Nome ou Número")
    prog.click(field)
    prog.session.type("133")
    prog.wait_text(field, "133", "the search field")
    prog.click(prog.need(main, p.ROLE_PUSH_BUTTON, "Procurar"))
    prog.wait_text(prog.need(main, p.ROLE_TEXT, "Nome"), "#133 - Eevee", "the field 'Nome' after the search")
    prog.wait(lambda: prog.states(prog.fresh(field)).contains(p.STATE_FOCUSED), "the search field to keep the focus")
    prog.session.key("ctrl+e")
    win = prog.wait_window(WHERE_TITLE)
    combos = prog.labelled(win, p.ROLE_COMBO_BOX, "Pokémon:")
    prog.wait(lambda: [prog.fresh(c).name for c in combos] == ["#133 - Eevee"],
              f"'Onde Encontrar' on #133 (it shows {[c.name for c in combos]})")
    prog.session.key("Escape")
    prog.wait_closed(WHERE_TITLE)


def glitch_entry(prog, main):
    """#000 on page 'Outros', which the search left in front."""
    p = prog.pyatspi
    shown = prog.find_all(main, p.ROLE_LIST, "Lista de Pokémons")
    check(len(shown) == 1, "one list is shown")
    prog.pick(shown[0], "#000 - Missingno")
    prog.wait_text(prog.need(main, p.ROLE_TEXT, "Nome"), "#000 - Missingno", "the field 'Nome'")
    hears(prog, main, "Missingno", (3, 6, 1, 3, 2), None)


def shortcut(prog, keys, title):
    prog.focus_window(MAIN_TITLE)
    prog.session.key(keys)
    return prog.wait_window(title)


def no_second_window(prog, keys, title, open_title):
    """While a window is modal the main window's shortcuts open nothing."""
    prog.session.key(keys)
    # A short bounded look: the other window would show within this time.
    deadline = time.monotonic() + 0.7
    while time.monotonic() < deadline:
        prog.pump()
        check(prog.window(title) is None, f"{keys} opened {title!r} over the modal {open_title!r}")
        time.sleep(0.05)


def main_takes_no_clicks(prog, win):
    """A click on the main window's page button '1-30' beside the modal window
    changes nothing (the search left page 'Outros' in front)."""
    p = prog.pyatspi
    main = prog.window(MAIN_TITLE)
    button = prog.need(main, p.ROLE_PUSH_BUTTON, "1-30")
    if not prog.click_beside(button, win):
        return
    deadline = time.monotonic() + 0.7
    while time.monotonic() < deadline:
        prog.pump()
        check(not prog.enabled(prog.need(main, p.ROLE_PUSH_BUTTON, "Outros")),
              "a click on the main window switched its page while a modal window was open")
        time.sleep(0.05)


def tm_hm(prog):
    p = prog.pyatspi
    title = "Lista de TMs e HMs"
    win = shortcut(prog, "ctrl+t", title)
    check(prog.find(win, p.ROLE_LIST_ITEM, "TM 01 -- Mega Punch", showing=False) is not None,
          "the TM list holds its rows")
    no_second_window(prog, "ctrl+m", "Lista de Itens dos Poké-Marts", title)
    main_takes_no_clicks(prog, win)
    tms = [l for l in prog.find_all(win, p.ROLE_LIST) if prog.find(l, p.ROLE_LIST_ITEM, "TM 29 -- Psychic", False)]
    check(len(tms) == 1, "one list holds the TMs")
    prog.pick(tms[0], "TM 29 -- Psychic")
    edits = prog.find_all(win, p.ROLE_TEXT)
    check(len(edits) == 1, "the window has one location field")
    prog.wait_text(edits[0], "Mr. Psychic (Saffron City)", "the TM's location")
    check(any(a.name == "Localização da TM" for a in prog.find_all(win, p.ROLE_PANEL) +
              prog.find_all(win, p.ROLE_GROUPING) + prog.find_all(win, p.ROLE_FILLER)),
          "the location's group says it is a TM's")
    # The picture closes the window (its hint tells the user so).
    prog.click(prog.need(win, p.ROLE_IMAGE, "Misty, Ash, Brock e Pikachu"))
    prog.wait_closed(title)


def mart(prog):
    p = prog.pyatspi
    title = "Lista de Itens dos Poké-Marts"
    win = shortcut(prog, "ctrl+m", title)
    combo = prog.need(win, p.ROLE_COMBO_BOX, None)
    # The drop-down button at the combo box's right end.
    x, y, w, h = prog.extents(combo)
    prog.session.click(x + w - 8, y + h // 2)
    entry = prog.wait(lambda: next((e for e in prog.find_all(prog.app, p.ROLE_LIST_ITEM, "Cidade de Pewter")
                                    if prog.extents(e)[3] > 0), None),
                      "the city 'Cidade de Pewter' in the drop-down list")
    prog.click(entry)
    prog.wait(lambda: [t for t in prog.find_all(win, p.ROLE_TEXT) if "Escape Rope" in prog.text(t)],
              "Pewter's items in the text box")
    prog.click(prog.need(win, p.ROLE_IMAGE, "Clique aqui para sair."))
    prog.wait_closed(title)


def moves(prog):
    """'Lista de Golpes' from its menu item, beside the main window: it opens
    on the creature the main window shows (#000, which takes no TM or HM);
    typing filters the moves table, each row heard as one sentence with its
    columns' names, the chosen move's details follow; a creature from the
    drop-down list by typing shows its moves' table. Then Ctrl+G brings the
    same window back, its filter cleared."""
    p = prog.pyatspi
    title = "Lista de Golpes"
    prog.menu("Arquivo", "Lista de Golpes")
    win = prog.wait_window(title)
    cells = lambda table: [c.name for c in prog.find_all(table, p.ROLE_TABLE_CELL, showing=False)]
    creature = prog.need(win, p.ROLE_TABLE, "Golpes do pokémon")
    prog.wait(lambda: cells(creature) and cells(creature)[0].startswith("Como: inicial, Golpe: "),
              f"#000's moves in their table (it reads {cells(creature)[:2]})")
    field = prog.need(win, p.ROLE_TEXT, "Nome")
    prog.click(field)
    prog.session.type("thunder")
    prog.wait_text(field, "thunder", "the filter field")
    prog.need(win, p.ROLE_LABEL, "5 golpes")
    table = prog.need(win, p.ROLE_TABLE, "Golpes")
    row = "Golpe: Thunderbolt, Tipo: Elétrico, Poder: 95, Precisão: 100%, PP: 15, TM/HM: TM 24"
    prog.wait(lambda: row in cells(table), f"the row heard as {row!r} (it reads {cells(table)[:8]})")
    move = prog.need(win, p.ROLE_TEXT, "Golpe escolhido")
    prog.wait(lambda: prog.text(move).startswith("Thunder Punch\nTipo: Elétrico"),
              f"the first row's details (they read {prog.text(move)[:60]!r})")
    check(sorted(prog.shown_windows()) == sorted([MAIN_TITLE, title]), f"shown: {prog.shown_windows()}")
    combos = prog.labelled(win, p.ROLE_COMBO_BOX, "Pokémon:")
    check(len(combos) == 1 and combos[0].name == "#000 - Missingno",
          f"one combo box labelled 'Pokémon:' shows #000, not {[c.name for c in combos]}")
    combo = combos[0]
    prog.click(combo)
    prog.session.type("#025")
    prog.session.key("Return")
    prog.wait(lambda: prog.fresh(combo).name == "#025 - Pikachu", "the combo box to show #025")
    prog.wait(lambda: any(c.startswith("Como: TM 24, Golpe: Thunderbolt") for c in cells(creature)),
              "#025's moves, Thunderbolt by TM 24 among them")
    prog.close_box(title)
    prog.wait_closed(title)
    # Ctrl+G: the same window, again on the creature the main window shows,
    # with the filter cleared.
    win = shortcut(prog, "ctrl+g", title)
    prog.wait_text(prog.need(win, p.ROLE_TEXT, "Nome"), "", "the filter cleared")
    prog.need(win, p.ROLE_LABEL, "165 golpes")
    prog.close_box(title)
    prog.wait_closed(title)




def where_to_find(prog, opener):
    """'Onde Encontrar' opens on the creature the main window shows (#000,
    which no table holds) and says so; #025 picked from the drop-down list by
    typing reads its places, Viridian Forest among them, each line one
    sentence; a route picked the same way reads its creatures; an item typed
    reads its ways; Esc closes it. Opened again, it keeps the place chosen."""
    p = prog.pyatspi
    if isinstance(opener, str):
        win = shortcut(prog, opener, WHERE_TITLE)
    else:
        opener()
        win = prog.wait_window(WHERE_TITLE)
    names = lambda lst: [i.name for i in prog.find_all(lst, p.ROLE_LIST_ITEM, showing=False)]
    ways = prog.need(win, p.ROLE_LIST, "Onde encontrar o pokémon")
    glitch = ("Não está em nenhuma tabela de encontros das versões Azul e Vermelha: é uma entrada de erro do jogo, "
              "não um pokémon")
    prog.wait(lambda: names(ways) == [glitch], f"#000's line (the list reads {names(ways)})")
    no_second_window(prog, "ctrl+t", "Lista de TMs e HMs", WHERE_TITLE)
    described = lambda what: prog.labelled(win, p.ROLE_COMBO_BOX, what)
    combos = described("Pokémon:")
    check(len(combos) == 1 and combos[0].name == "#000 - Missingno",
          f"one combo box labelled 'Pokémon:' shows #000, not {[c.name for c in combos]}")
    prog.click(combos[0])
    prog.session.type("#025")
    prog.session.key("Return")
    forest = "Floresta Viridian — grama/caverna — níveis 3 a 5 — 5,5% dos encontros — Azul e Vermelha — captura "
    prog.wait(lambda: any(n.startswith(forest) and "Ultra Ball" in n for n in names(ways)),
              f"#025's lines to hold {forest!r}... with its chance to catch (they are {names(ways)})")
    places = described("Lugar:")
    check(len(places) == 1, f"one combo box labelled 'Lugar:', not {len(places)}")
    prog.click(places[0])
    prog.session.type("Rota 2")
    prog.session.key("Return")
    prog.wait(lambda: prog.fresh(places[0]).name == "Rota 2", "the place combo box to show Rota 2")
    found = prog.need(win, p.ROLE_LIST, "Pokémons do lugar")
    pidgey = "#016 Pidgey — grama/caverna — níveis 3 a 5 — 44,9% dos encontros — Azul e Vermelha — captura "
    prog.wait(lambda: any(n.startswith(pidgey) for n in names(found)) and
              any(n.startswith("#013 Weedle") and "só Vermelha — captura" in n for n in names(found)),
              f"Rota 2's lines to hold Pidgey and Red's Weedle (they are {names(found)})")
    # An item typed into its chooser: its ways heard, one sentence each.
    item = described("Item:")
    check(len(item) == 1, f"one combo box labelled 'Item:', not {len(item)}")
    prog.click(item[0])
    prog.session.type("Moon")
    prog.session.key("Return")
    prog.wait(lambda: prog.fresh(item[0]).name == "Moon Stone", "the item combo box to show Moon Stone")
    item_ways = prog.need(win, p.ROLE_LIST, "Onde conseguir o item")
    ball = "no chão — Mt. Moon, 1º andar (x 2, y 2)"
    prog.wait(lambda: ball in names(item_ways), f"Moon Stone's ways to hold {ball!r} (they are {names(item_ways)})")
    check(sorted(prog.shown_windows()) == sorted([MAIN_TITLE, WHERE_TITLE]), f"shown: {prog.shown_windows()}")
    prog.session.key("Escape")
    prog.wait_closed(WHERE_TITLE)


def where_again(prog):
    """Ctrl+E: the same window, on the creature the main window shows, with
    the place chosen before; Esc closes it."""
    p = prog.pyatspi
    win = shortcut(prog, "ctrl+e", WHERE_TITLE)
    ways = prog.need(win, p.ROLE_LIST, "Onde encontrar o pokémon")
    prog.wait(lambda: [i.name for i in prog.find_all(ways, p.ROLE_LIST_ITEM, showing=False)][:1] ==
              ["Não está em nenhuma tabela de encontros das versões Azul e Vermelha: é uma entrada de erro do "
               "jogo, não um pokémon"], "the window to show #000 again")
    check([c.name for c in prog.labelled(win, p.ROLE_COMBO_BOX, "Lugar:")] == ["Rota 2"],
          "the place chosen before is kept")
    prog.session.key("Escape")
    prog.wait_closed(WHERE_TITLE)
def damage(prog):
    """'Calculadora de Dano' from its menu item, over #000 (no stats: the first
    creature attacks). Both creatures are picked from their drop-down lists by
    typing, both levels typed, the move picked by typing its name, and the
    damage line read as a screen reader reads the result. Esc closes it; Ctrl+D
    opens the same window again."""
    p = prog.pyatspi
    title = "Calculadora de Dano"
    prog.menu("Arquivo", "Calculadora de Dano")
    win = prog.wait_window(title)

    def combo(described):
        found = [c for c in prog.find_all(win, p.ROLE_COMBO_BOX) if prog.description(c) == described]
        check(len(found) == 1, f"one combo box described as {described!r}")
        return found[0]

    def pick(described, typed, line):
        box = combo(described)
        prog.click(box)
        prog.session.type(typed)
        prog.session.key("Return")
        prog.wait(lambda: prog.fresh(box).name == line, f"the combo box {described!r} to show {line!r}")

    def level(name, value):
        field = prog.need(win, p.ROLE_TEXT, name)
        prog.click(field)
        prog.session.key("ctrl+a")
        prog.session.type(value)
        prog.wait_text(field, value, f"the field {name!r}")

    check(combo("Pokémon atacante").name == "#001 - Bulbasaur", "#000 has no stats: #001 attacks")
    pick("Pokémon atacante", "#025", "#025 - Pikachu")
    level("Nível do atacante", "30")
    pick("Pokémon defensor", "#130", "#130 - Gyarados")
    level("Nível do defensor", "28")
    pick("Golpe", "Thunderb", "Thunderbolt")
    result = prog.need(win, p.ROLE_TEXT, "Resultado")
    line = "Dano: 91–108 (91,9–109,1% da Energia)"
    prog.wait(lambda: prog.text(result).split("\n")[0] == line,
              f"the result to start {line!r} (it reads {prog.text(result)[:80]!r})")
    check("\nNocaute em 1 golpe: 56,4% (com críticos e erros: 63,8%)\n" in prog.text(result),
          "the knock-out chances in words")
    prog.session.key("Escape")
    prog.wait_closed(title)
    # Again on the creature the main window shows; the defender stays.
    win = shortcut(prog, "ctrl+d", title)
    prog.wait(lambda: combo("Pokémon atacante").name == "#001 - Bulbasaur", "#001 to attack again")
    check(combo("Pokémon defensor").name == "#130 - Gyarados", "the defender kept")
    prog.session.key("Escape")
    prog.wait_closed(title)


TRAINERS_TITLE = "Treinadores"


def trainers(prog):
    """Ctrl+R: 'Treinadores'. Cerulean's gym picked from the place list by
    typing, Misty's line and her party read as a screen reader reads them,
    her Starmie sent to the calculator by 'Calcular dano', whose defender
    then is that Starmie, with her DVs' stats. Esc closes both."""
    p = prog.pyatspi
    win = shortcut(prog, "ctrl+r", TRAINERS_TITLE)
    names = lambda lst: [i.name for i in prog.find_all(lst, p.ROLE_LIST_ITEM, showing=False)]
    places = prog.labelled(win, p.ROLE_COMBO_BOX, "Lugar:")
    check(len(places) == 1, f"one combo box labelled 'Lugar:', not {len(places)}")
    prog.click(places[0])
    prog.session.type("Gin")  # the gyms in the order of their names: Celadon, then Cerulean
    prog.session.key("Down")
    prog.session.key("Return")
    prog.wait(lambda: prog.fresh(places[0]).name == "Ginásio de Cerulean",
              f"the place combo box to show Ginásio de Cerulean (it shows {prog.fresh(places[0]).name!r})")
    listed = prog.need(win, p.ROLE_LIST, "Treinadores")
    misty = "Misty, líder do ginásio: Staryu Nv. 18, Starmie Nv. 21 — ¥2.079"
    prog.wait(lambda: misty in names(listed), f"the trainers to hold {misty!r} (they are {names(listed)})")
    prog.pick(listed, misty)
    party = prog.need(win, p.ROLE_LIST, "Equipe do treinador escolhido")
    starmie = ("#121 Starmie, Nv. 21 — Água/Psíquico — golpes: Tackle, Water Gun, Bubble Beam (extra) — Energia 59, "
               "Ataque 40, Defesa 44, Velocidade 56, Especial 50")
    prog.wait(lambda: starmie in names(party), f"Misty's party to hold {starmie!r} (it reads {names(party)})")
    prog.pick(party, starmie)
    prog.click(prog.need(win, p.ROLE_PUSH_BUTTON, "Calcular dano contra o pokémon escolhido da equipe"))
    calc = prog.wait_window("Calculadora de Dano")
    defender = [c for c in prog.find_all(calc, p.ROLE_COMBO_BOX) if prog.description(c) == "Pokémon defensor"]
    check(len(defender) == 1 and defender[0].name == "#121 - Starmie",
          f"the calculator's defender is Starmie, not {[c.name for c in defender]}")
    stats = prog.need(calc, p.ROLE_TEXT, "Atributos do defensor")
    prog.wait_text(stats, "Energia 59, Ataque 40, Defesa 44, Velocidade 56, Especial 50", "the defender's stats")
    check(prog.text(prog.need(calc, p.ROLE_TEXT, "Nível do defensor")) == "21", "Starmie's level 21")
    prog.session.key("Escape")
    prog.wait_closed("Calculadora de Dano")
    prog.focus_window(TRAINERS_TITLE)
    prog.session.key("Escape")
    prog.wait_closed(TRAINERS_TITLE)


TEAM_TITLE = "Minha Equipe"


def team(prog):
    """Ctrl+U: 'Minha Equipe'. The creature on show (#000, so #001 stands in)
    added by its button and heard in the team's list; Misty's gym and Misty
    picked; the row of her Starmie against it heard as one sentence, chosen,
    and opened in the calculator on that pair. Esc closes both."""
    p = prog.pyatspi
    win = shortcut(prog, "ctrl+u", TEAM_TITLE)
    names = lambda lst: [i.name for i in prog.find_all(lst, p.ROLE_LIST_ITEM, showing=False)]
    prog.click(prog.need(win, p.ROLE_PUSH_BUTTON, "Adicionar o pokémon mostrado"))
    members = prog.need(win, p.ROLE_LIST, "Minha equipe")
    prog.wait(lambda: any(n.startswith("1. #001 Bulbasaur Nv. 50 — ") for n in names(members)),
              f"the team to hold #001 (it reads {names(members)})")
    places = prog.labelled(win, p.ROLE_COMBO_BOX, "Lugar:")
    check(len(places) == 1, f"one combo box labelled 'Lugar:', not {len(places)}")
    prog.click(places[0])
    prog.session.type("Gin")
    prog.session.key("Down")
    prog.session.key("Return")
    prog.wait(lambda: prog.fresh(places[0]).name == "Ginásio de Cerulean", "the place combo box to show the gym")
    trainers = prog.labelled(win, p.ROLE_COMBO_BOX, "Treinador:")
    check(len(trainers) == 1, f"one combo box labelled 'Treinador:', not {len(trainers)}")
    prog.click(trainers[0])
    prog.session.key("End")
    prog.session.key("Return")
    prog.wait(lambda: prog.fresh(trainers[0]).name.startswith("Misty"), "the trainer combo box to show Misty")
    table = prog.need(win, p.ROLE_TABLE, "Minha equipe contra a equipe escolhida")
    cells = lambda: [c for c in prog.find_all(table, p.ROLE_TABLE_CELL, showing=False)]
    start = "Deles: Starmie Nv. 21, Meu: Bulbasaur Nv. 50, Meu melhor golpe: "
    prog.wait(lambda: any(c.name.startswith(start) for c in cells()),
              f"a row heard as {start!r}... (it reads {[c.name for c in cells()][:3]})")
    prog.click([c for c in cells() if c.name.startswith(start)][0])
    button = prog.need(win, p.ROLE_PUSH_BUTTON, "Abrir na calculadora")
    prog.wait(lambda: prog.enabled(button), "'Abrir na calculadora' to be enabled")
    prog.click(button)
    calc = prog.wait_window("Calculadora de Dano")
    combo = lambda described: [c.name for c in prog.find_all(calc, p.ROLE_COMBO_BOX) if prog.description(c) == described]
    prog.wait(lambda: combo("Pokémon atacante") == ["#001 - Bulbasaur"] and combo("Pokémon defensor") == ["#121 - Starmie"],
              f"the calculator on the pair (it shows {combo('Pokémon atacante')} on {combo('Pokémon defensor')})")
    prog.session.key("Escape")
    prog.wait_closed("Calculadora de Dano")
    prog.focus_window(TEAM_TITLE)
    prog.session.key("Escape")
    prog.wait_closed(TEAM_TITLE)


CATCH_TITLE = "Chance de Captura"


def catch_panel(prog):
    """Ctrl+B: 'Chance de Captura' on the creature shown (#000: said in words);
    Mewtwo typed and level 70 typed: the Ultra Ball's line and the Great Ball
    ahead of it heard in the list. Esc closes it."""
    p = prog.pyatspi
    win = shortcut(prog, "ctrl+b", CATCH_TITLE)
    names = lambda lst: [i.name for i in prog.find_all(lst, p.ROLE_LIST_ITEM, showing=False)]
    combos = prog.labelled(win, p.ROLE_COMBO_BOX, "Pokémon:")
    check(len(combos) == 1, f"one combo box labelled 'Pokémon:', not {len(combos)}")
    prog.click(combos[0])
    prog.session.type("#150")
    prog.session.key("Return")
    prog.wait(lambda: prog.fresh(combos[0]).name == "#150 - Mewtwo", "the combo box to show Mewtwo")
    level = prog.need(win, p.ROLE_TEXT, "Nível")
    prog.click(level)
    prog.session.key("ctrl+a")
    prog.session.type("70")
    prog.wait_text(level, "70", "the level field")
    lines = prog.need(win, p.ROLE_LIST, "Chance de captura por pokébola")
    prog.wait(lambda: any(n.startswith("Ultra Ball: 0,9% por arremesso") for n in names(lines)) and
              any(n.startswith("Aqui a Great Ball captura mais que a Ultra Ball") for n in names(lines)),
              f"Mewtwo's lines (they read {names(lines)[:5]})")
    prog.session.key("Escape")
    prog.wait_closed(CATCH_TITLE)


CHART_TITLE = "Tabela de Tipos"


def type_chart(prog, opener, closer):
    """The type chart opens on the creature the main window shows (#000, left
    there by the walk), says its profile and a grid cell in words, and closes."""
    p = prog.pyatspi
    if isinstance(opener, str):
        win = shortcut(prog, opener, CHART_TITLE)
    else:
        opener()
        win = prog.wait_window(CHART_TITLE)
    prog.wait_text(prog.need(win, p.ROLE_TEXT, "Tipo"), "Normal / Voador", "the chart's field 'Tipo'")
    heard = {name: prog.text(prog.need(win, p.ROLE_TEXT, name))
             for name in ("4 vezes", "2 vezes", "metade", "um quarto", "sem efeito")}
    check(heard == {"4 vezes": "nenhum", "2 vezes": "Elétrico, Gelo, Pedra", "metade": "Grama, Inseto",
                    "um quarto": "nenhum", "sem efeito": "Terra, Fantasma"},
          f"the profile of #000 Normal / Voador reads {heard}")
    table = prog.need(win, p.ROLE_TABLE, "Tabela de tipos: ataque nas linhas, defesa nas colunas")
    for cell in ("Fogo contra Grama: 2 vezes", "Fantasma contra Psíquico: sem efeito",
                 "Gelo contra Fogo: 1 vez"):
        check(prog.find(table, p.ROLE_TABLE_CELL, cell, showing=False) is not None,
              f"the grid has a cell a screen reader calls {cell!r}")
    no_second_window(prog, "ctrl+t", "Lista de TMs e HMs", CHART_TITLE)
    closer(win)
    prog.wait_closed(CHART_TITLE)


def side_by_side(prog):
    """The chart and the moves window open together beside the main window
    and each answers in turn: the chart's chooser, named by its label, finds
    a creature by a typed name; the moves window,
    on Água sorted by power from the keyboard, shows Hydro Pump first, and
    #025 typed by number gives its moves' table. Esc closes each."""
    p = prog.pyatspi
    chart = shortcut(prog, "ctrl+i", CHART_TITLE)
    moves = shortcut(prog, "ctrl+g", "Lista de Golpes")
    check(sorted(prog.shown_windows()) == sorted([MAIN_TITLE, CHART_TITLE, "Lista de Golpes"]),
          f"shown: {prog.shown_windows()}")
    # Where a user would put them: side by side.
    prog.session.xdotool("windowmove", "--sync", prog.x_window(CHART_TITLE), 0, 0)
    prog.session.xdotool("windowmove", "--sync", prog.x_window("Lista de Golpes"), min(870, SCREEN[0] - 590), 0)
    chooser = prog.labelled(chart, p.ROLE_COMBO_BOX, "Pokémon")
    check(len(chooser) == 1, f"one combo box labelled 'Pokémon' in the chart, not {len(chooser)}")
    prog.focus_window(CHART_TITLE)
    prog.click(chooser[0])
    prog.session.type("char")
    prog.session.key("Return")
    prog.wait(lambda: prog.fresh(chooser[0]).name == "#004 - Charmander", "the chart's chooser to show #004")
    prog.wait_text(prog.need(chart, p.ROLE_TEXT, "Tipo"), "Fogo", "the chart's field 'Tipo'")

    prog.focus_window("Lista de Golpes")
    kinds = prog.labelled(moves, p.ROLE_COMBO_BOX, "Tipo:")
    check(len(kinds) == 1, "one combo box labelled 'Tipo:'")
    prog.click(kinds[0])
    prog.session.type("Ág")
    prog.session.key("Return")
    prog.wait(lambda: prog.fresh(kinds[0]).name == "Água", f"the type 'Água' chosen (it shows {kinds[0].name!r})")
    table = prog.need(moves, p.ROLE_TABLE, "Golpes")
    prog.click(table)
    prog.session.key("ctrl+3")
    cells = lambda t: [c.name for c in prog.find_all(t, p.ROLE_TABLE_CELL, showing=False)]
    prog.wait(lambda: cells(table) and cells(table)[0].startswith("Golpe: Hydro Pump, Tipo: Água, Poder: 120"),
              f"Hydro Pump first by power (the table reads {cells(table)[:1]})")
    check(prog.description(table) == "ordenado por Poder, do maior ao menor",
          f"the order said as {prog.description(table)!r}")
    creature = prog.labelled(moves, p.ROLE_COMBO_BOX, "Pokémon:")[0]
    prog.click(creature)
    prog.session.type("25")
    prog.session.key("Return")
    prog.wait(lambda: prog.fresh(creature).name == "#025 - Pikachu", "the moves window's chooser to show #025")
    own = prog.need(moves, p.ROLE_TABLE, "Golpes do pokémon")
    prog.wait(lambda: any(c.startswith("Como: TM 24, Golpe: Thunderbolt") for c in cells(own)),
              "#025's moves, Thunderbolt by TM 24 among them")
    check(prog.fresh(chooser[0]).name == "#004 - Charmander", "the chart kept its creature")
    shot(prog, "side-by-side")
    for title in ("Lista de Golpes", CHART_TITLE):
        prog.focus_window(title)
        prog.session.key("Escape")
        prog.wait_closed(title)


def information(prog, title, opener):
    p = prog.pyatspi
    if isinstance(opener, str):
        win = shortcut(prog, opener, title)
    else:
        opener()
        win = prog.wait_window(title)
    labels = [l.name for l in prog.find_all(win, p.ROLE_LABEL)]
    check(any(labels), f"{title!r} has text a screen reader can read")
    check(prog.window(MAIN_TITLE) is not None, "the main window stays shown under a modal window")
    prog.click(prog.need(win, p.ROLE_PUSH_BUTTON, "OK"))
    prog.wait_closed(title)


def escape_closes(prog):
    """Esc closes a secondary window by the same path as its close box; the
    main window stays."""
    title = "Lista de TMs e HMs"
    shortcut(prog, "ctrl+t", title)
    prog.session.key("Escape")
    prog.wait_closed(title)
    prog.focus_window(MAIN_TITLE)
    prog.session.key("Escape")
    deadline = time.monotonic() + 0.7
    while time.monotonic() < deadline:
        prog.pump()
        check(prog.window(MAIN_TITLE) is not None, "Esc closed the main window")
        time.sleep(0.05)
    check(prog.process.poll() is None, "Esc ended the program")


def clipped_place(prog, main):
    """#054's place is longer than its field: the field keeps it cut off, says
    it whole as its description, and shows it whole as a tooltip when the
    pointer rests on it."""
    p = prog.pyatspi
    prog.click(prog.need(main, p.ROLE_PUSH_BUTTON, "31-60"))
    shown = prog.wait(lambda: prog.find(main, p.ROLE_LIST, "Lista de Pokémons"), "page 2's list")
    prog.pick(shown, "#054 - Psyduck")
    field = prog.need(main, p.ROLE_TEXT, "Localização")
    place = prog.wait(lambda: prog.text(field) if prog.text(field) else None, "#054's place")
    prog.wait(lambda: prog.description(field) == place,
              f"the field to be described as {place!r} (it says {prog.description(field)!r})")
    x, y, w, h = prog.extents(field)
    prog.session.xdotool("mousemove", "--sync", x + w // 2, y + h // 2)
    prog.session.xdotool("mousemove", "--sync", x + w // 2 + 2, y + h // 2)
    tip = prog.wait(lambda: next((t for t in prog.find_all(prog.app, p.ROLE_TOOL_TIP)
                                  if prog.fresh(t).name == place), None),
                    f"the tooltip {place!r}", timeout=STEP_TIMEOUT)
    check(tip is not None, "a tooltip with the whole place")
    prog.session.xdotool("mousemove", "--sync", 5, 5)


def close_boxes(prog):
    """The close box hides a secondary window, and ends the program on the
    main window."""
    start_state(prog)
    shortcut(prog, "F1", "Sobre...")
    prog.close_box("Sobre...")
    prog.wait_closed("Sobre...")
    check(prog.shown_windows() == [MAIN_TITLE], f"only the main window is left, not {prog.shown_windows()}")
    # The same window object comes back, and the shortcuts work again.
    shortcut(prog, "F1", "Sobre...")
    prog.click(prog.need(prog.window("Sobre..."), prog.pyatspi.ROLE_PUSH_BUTTON, "OK"))
    prog.wait_closed("Sobre...")
    prog.close_box(MAIN_TITLE)
    ends_cleanly(prog, "its main window was closed")


def ends_cleanly(prog, after):
    try:
        rc = prog.process.wait(timeout=STEP_TIMEOUT)
    except subprocess.TimeoutExpired:
        raise Failure(f"the program did not end after {after}")
    check(rc == 0, f"the program ended with {rc}\n{prog.session.output(prog.process)}")


def quit_by_menu(prog):
    prog.menu("Arquivo", "Sair")
    ends_cleanly(prog, "'Sair'")


# --- natively on Wayland, by AT-SPI actions alone ----------------------------

def wayland_start(prog):
    p = prog.pyatspi
    check(prog.app.name == "Fauneta", f"the program is announced as 'Fauneta', not {prog.app.name!r}")
    main = prog.wait_window(MAIN_TITLE)
    lists = prog.find_all(main, p.ROLE_LIST, "Lista de Pokémons")
    check(len(lists) == 1, f"one list is shown at start, not {len(lists)}")
    check(not prog.enabled(prog.need(main, p.ROLE_PUSH_BUTTON, "1-30")), "'1-30' is disabled at start")
    return main


def shown_list(prog, main):
    lists = prog.find_all(main, prog.pyatspi.ROLE_LIST, "Lista de Pokémons")
    check(len(lists) == 1, f"one list is shown, not {len(lists)}")
    return lists[0]


def selected_lines(prog, listbox):
    p = prog.pyatspi
    return [i.name for i in prog.find_all(listbox, p.ROLE_LIST_ITEM, showing=False)
            if prog.states(i).contains(p.STATE_SELECTED)]


def wayland_entry(prog, main):
    """A line chosen by the list item's own action shows the entry."""
    p = prog.pyatspi
    line = prog.need(shown_list(prog, main), p.ROLE_LIST_ITEM, "#025 - Pikachu", showing=False)
    prog.answered(prog.act(line, "Toggle"))
    prog.wait_text(prog.need(main, p.ROLE_TEXT, "Nome"), "#025 - Pikachu", "the field 'Nome'")
    # The sprite is described only once its file was loaded.
    hears(prog, main, "Pikachu", (3, 1, 1, 3, 1), (35, 55, 30, 90, 50))


def wayland_modal(prog, main):
    """'Sobre...' opened by its menu item's action: it answers only when the
    window closes; meanwhile the main window's button, list line and menu
    item do nothing."""
    p = prog.pyatspi
    opening = prog.act(prog.need(main, p.ROLE_MENU_ITEM, "Sobre...", showing=False), "Press")
    win = prog.wait_window("Sobre...")
    shot(prog, "sobre")
    listbox = shown_list(prog, main)
    tries = [prog.act(prog.need(main, p.ROLE_PUSH_BUTTON, "31-60"), "Press"),
             prog.act(prog.need(listbox, p.ROLE_LIST_ITEM, "#026 - Raichu", showing=False), "Toggle"),
             prog.act(prog.need(main, p.ROLE_MENU_ITEM, "Lista de TMs e HMs", showing=False), "Press")]
    # A bounded look: a pressed button clicks 0.1 s later, a window would show at once.
    deadline = time.monotonic() + 1.0
    while time.monotonic() < deadline:
        prog.pump()
        check(prog.window("Lista de TMs e HMs") is None, "a menu item of the main window opened a window "
              "over the modal 'Sobre...'")
        time.sleep(0.05)
    for t in tries:
        prog.answered(t)
    check(not prog.enabled(prog.need(main, p.ROLE_PUSH_BUTTON, "1-30")) and
          prog.enabled(prog.need(main, p.ROLE_PUSH_BUTTON, "31-60")),
          "a page button of the main window acted under the modal 'Sobre...'")
    check(prog.text(prog.need(main, p.ROLE_TEXT, "Nome")) == "#025 - Pikachu",
          "a list line of the main window was shown under the modal 'Sobre...'")
    check(selected_lines(prog, listbox) == ["#025 - Pikachu"],
          f"the list shows {selected_lines(prog, listbox)} chosen, not the entry shown")
    check(sorted(prog.shown_windows()) == sorted([MAIN_TITLE, "Sobre..."]),
          f"shown: {prog.shown_windows()}")
    check(not opening.done, "the menu item's action answered while its modal window was still open")
    prog.answered(prog.act(prog.need(win, p.ROLE_PUSH_BUTTON, "OK"), "Press"))
    prog.wait_closed("Sobre...")
    check(prog.answered(opening) is True, "the menu item's action reports it was done")


def wayland_after(prog, main):
    """The same page button works once the modal window has gone."""
    p = prog.pyatspi
    prog.answered(prog.act(prog.need(main, p.ROLE_PUSH_BUTTON, "31-60"), "Press"))
    prog.wait(lambda: not prog.enabled(prog.need(main, p.ROLE_PUSH_BUTTON, "31-60")),
              "the page '31-60' to be selected")
    shot(prog, "main")


def wayland_quit(prog, main):
    prog.act(prog.need(main, prog.pyatspi.ROLE_MENU_ITEM, "Sair", showing=False), "Press")
    ends_cleanly(prog, "'Sair'")


def wayland_walk(prog):
    main = step("main window found through AT-SPI", wayland_start, prog)
    step("#025 chosen by an AT-SPI action, its pictures heard", wayland_entry, prog, main)
    step("'Sobre...' opened and closed by AT-SPI actions, the main window deaf meanwhile",
         wayland_modal, prog, main)
    step("the main window answers again", wayland_after, prog, main)
    step("menu Arquivo > Sair by its action", wayland_quit, prog, main)


WHERE_TITLE = "Onde Encontrar"
SHOTS = os.environ.get("FAUNETA_SMOKE_SHOTS")  # a folder: the screen after every step
# The X screen's size, "1600x900" (for pictures with room for windows side by side).
SCREEN = tuple(int(n) for n in os.environ.get("FAUNETA_SMOKE_SCREEN", "1024x768").split("x"))


def save_screen(session, path):
    if getattr(session, "framebuffer", None) is not None:
        session.framebuffer.save_png(path)
    else:
        session.screenshot(path)


def shot(prog, name):
    """The screen at a named moment, when FAUNETA_SMOKE_SHOTS asks for it."""
    if SHOTS:
        os.makedirs(SHOTS, exist_ok=True)
        save_screen(prog.session, os.path.join(SHOTS, f"{name}.png"))


def step(name, fn, *args):
    t = time.monotonic()
    result = fn(*args)
    print(f"  ok  {name} ({time.monotonic() - t:.1f} s)", flush=True)
    if SHOTS and args and isinstance(args[0], Program):
        os.makedirs(SHOTS, exist_ok=True)
        step.count = getattr(step, "count", 0) + 1
        save_screen(args[0].session, os.path.join(SHOTS, f"{step.count:02d}.png"))
    return result


def whole_walk(prog):
    main, listbox = step("start state", start_state, prog)
    step("click #025 and read the entry", show_entry, prog, main, listbox)
    step("search '133', then Ctrl+E from the search field", where_after_search, prog, main)
    step("search 'mew' with Procurar", search, prog, main)
    step("click #000 and hear its pictures", glitch_entry, prog, main)
    step("Ctrl+T: TM and HM list", tm_hm, prog)
    step("Ctrl+M: mart item lists", mart, prog)
    step("menu Arquivo > Lista de Golpes, then Ctrl+G", moves, prog)
    step("menu Arquivo > Onde Encontrar: #025 and Rota 2, closed by Esc", where_to_find, prog,
         lambda: prog.menu("Arquivo", "Onde Encontrar"))
    step("Ctrl+E: Onde Encontrar again, closed by Esc", where_again, prog)
    step("menu Arquivo > Tabela de Tipos, closed by Esc", type_chart, prog,
         lambda: prog.menu("Arquivo", "Tabela de Tipos"), lambda win: prog.session.key("Escape"))
    step("Ctrl+I: Tabela de Tipos, closed by 'Fechar'", type_chart, prog, "ctrl+i",
         lambda win: prog.click(prog.need(win, prog.pyatspi.ROLE_PUSH_BUTTON, "Fechar")))
    step("menu Arquivo > Calculadora de Dano, then Ctrl+D; closed by Esc", damage, prog)
    step("Ctrl+R: Treinadores, Misty's Starmie sent to the calculator", trainers, prog)
    step("Ctrl+U: Minha Equipe, a creature added, against Misty, a pair in the calculator", team, prog)
    step("Ctrl+B: Chance de Captura, Mewtwo at level 70", catch_panel, prog)
    step("Ctrl+I and Ctrl+G: the chart and the moves window side by side", side_by_side, prog)
    step("F1: Sobre...", information, prog, "Sobre...", "F1")
    step("menu Fauneta > Web Site", information, prog, "Web Site",
         lambda: prog.menu("Fauneta", "Web Site"))
    step("menu Fauneta > Atualização", information, prog, "Atualizações",
         lambda: prog.menu("Fauneta", "Atualização"))
    step("menu Fauneta > Sobre a Atualização", information, prog, "Sobre a Atualização",
         lambda: prog.menu("Fauneta", "Sobre a Atualização"))
    step("Esc closes a secondary window, not the main one", escape_closes, prog)
    step("#054's place whole in its tooltip", clipped_place, prog, main)
    check(prog.shown_windows() == [MAIN_TITLE],
          f"only the main window is left open, not {prog.shown_windows()}")
    step("menu Arquivo > Sair", quit_by_menu, prog)


def sprites_only(prog):
    main, listbox = step("start state", start_state, prog)
    step("click #025 and read the entry", show_entry, prog, main, listbox)
    step("menu Arquivo > Sair", quit_by_menu, prog)


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    ap.add_argument("--exe", required=True)
    mode = ap.add_mutually_exclusive_group()
    mode.add_argument("--sprites", action="store_true", help="only the start, one entry and quit")
    mode.add_argument("--close-box", action="store_true",
                      help="close a secondary window and then the main window by their close boxes")
    mode.add_argument("--wayland", action="store_true",
                      help="natively under a headless Weston, by AT-SPI actions alone")
    ap.add_argument("--scale", type=int, default=1, help="Weston's output scale (with --wayland)")
    ap.add_argument("--skip-if-missing", action="store_true",
                    help="skip, not fail, when there is no executable (a package that was not built)")
    args = ap.parse_args()
    if args.skip_if_missing and not os.path.exists(args.exe):
        print(f"SKIP: no executable at {args.exe}")
        return SKIP
    if not os.access(args.exe, os.X_OK):
        print(f"FAIL: no executable at {args.exe}")
        return 1
    fonts = missing_program_fonts()
    if fonts:
        print(f"FAIL: the program's fonts are missing: {', '.join(fonts)} (tools/setup.sh installs them)")
        return 1
    started = time.monotonic()
    try:
        # The output keeps 1024 x 768 logical pixels whatever the scale.
        session = WaylandSession(1024 * args.scale, 768 * args.scale, args.scale) if args.wayland else Session(*SCREEN)
    except Skip as e:
        print(f"SKIP: {e}")
        return SKIP
    prog = None
    try:
        session.export()
        if args.wayland:
            prog = step("start natively under a headless Weston with the accessibility bus", Program,
                        session, args.exe, "wayland")
            wayland_walk(prog)
        else:
            prog = step("start under Xvfb with the accessibility bus", Program, session, args.exe)
            if args.sprites:
                sprites_only(prog)
            elif args.close_box:
                step("close boxes: 'Sobre...', then the main window", close_boxes, prog)
            else:
                whole_walk(prog)
    except Failure as e:
        print(f"FAIL: {e}")
        picture = os.path.abspath("smoke-failure.png")
        try:
            save_screen(session, picture)
            print(f"the screen at the failure: {picture}")
        except Exception as err:
            print(f"(no picture of the screen: {err!r})")
        return 1
    finally:
        if prog is not None and prog.bus is not None:
            prog.bus.close()
        session.close()
    print(f"PASS in {time.monotonic() - started:.1f} s")
    return 0


if __name__ == "__main__":
    sys.exit(main())
