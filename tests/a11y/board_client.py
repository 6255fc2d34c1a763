# SPDX-License-Identifier: GPL-3.0-or-later
"""The game as a screen reader meets it over AT-SPI: its board and controls, the events
they raise, and keys sent to its window."""
import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import Atspi, GLib

WAIT = 20  # seconds: generous, for a loaded machine and the sanitizer build
CONTEXT = GLib.MainContext.default()


class Failure(Exception):
    pass


def check(condition, problem):
    if not condition:
        raise Failure(problem)


def pump(seconds):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        if not CONTEXT.iteration(False):
            time.sleep(0.005)


def until(predicate, problem, seconds=WAIT):
    end = time.monotonic() + seconds
    while True:
        value = predicate()
        if value:
            return value
        check(time.monotonic() < end, problem)
        pump(0.02)


def states(accessible):
    return accessible.getState()


class Event:
    """What a screen reader has to present when the event reaches it: the kind, who raised
    it and what it carries, read as the event arrives, never later."""

    def __init__(self, event):
        self.type = event.type
        self.detail = event.detail1
        self.data = event.any_data if isinstance(event.any_data, str) else None
        try:
            self.role = event.source.getRoleName()
            self.name = event.source.name or ""
            parent = event.source.parent
            self.parent = parent.name if parent is not None else ""
        except Exception:  # the row may be gone already
            self.role = self.name = self.parent = ""

    def news(self):
        """What a notification told as it showed; None for any other event."""
        showing = self.type == "object:state-changed:showing" and self.detail == 1
        return self.name if showing and self.role == "notification" else None

    def __repr__(self):
        return f"{self.type} {self.role} '{self.name}' in '{self.parent}'"


class Game:
    KINDS = ("focus:", "object:state-changed:focused", "object:state-changed:selected",
             "object:state-changed:showing")

    def __init__(self, pid, config):
        self.pid = pid
        self.config = config
        self.events = []
        self.app = until(self._find_app, "the game did not join the accessibility bus")
        self.app.set_cache_mask(Atspi.Cache.NONE)  # every state and name read afresh
        pyatspi.Registry.registerEventListener(self._heard, *self.KINDS)
        self.frame = until(lambda: self._child(self.app, "frame"), "no game window")
        self.board = until(lambda: self.find("filler", "Vorpin board"), "no board")
        parts = {self.board[i].name: self.board[i] for i in range(self.board.childCount)}
        self.roll = parts["Roll"]
        self.end_turn = parts["End Turn"]
        self.take = parts["Take"]
        self.give_back = parts["Give back"]
        self.options = parts["Scoring options"]
        self.tally = parts["Kept this turn"]
        self.dice = self.board[6]
        self.status = self.board[7]
        window = subprocess.check_output(
            ["xdotool", "search", "--name", "^Tarnwick VORPIN Dice Game$"], text=True)
        subprocess.run(["xdotool", "windowfocus", "--sync", window.split()[0]], check=True,
                       timeout=WAIT)
        until(lambda: states(self.board).contains(pyatspi.STATE_FOCUSED),
              "the board did not get the keyboard focus")

    def _find_app(self):
        desktop = pyatspi.Registry.getDesktop(0)
        desktop.clear_cache()  # the game may join after the first look
        for index in range(desktop.childCount):
            app = desktop.getChildAtIndex(index)
            if app is not None and app.name == "Vorpin" and app.get_process_id() == self.pid:
                return app
        return None

    @staticmethod
    def _child(parent, role):
        for index in range(parent.childCount):
            if parent[index].getRoleName() == role:
                return parent[index]
        return None

    def _heard(self, event):
        self.events.append(Event(event))

    def find(self, role, name, root=None):
        return pyatspi.findDescendant(root or self.app,
                                      lambda a: a.getRoleName() == role and a.name == name)

    def rows(self, list_):
        return [list_[i].name for i in range(list_.childCount)]

    def enabled(self, button):
        return states(button).contains(pyatspi.STATE_ENABLED)

    def focused(self, accessible):
        return states(accessible).contains(pyatspi.STATE_FOCUSED)

    def dice_in_play(self):
        values = self.dice.name.removeprefix("Dice: ").split(", ")
        return sum(value.isdigit() for value in values)

    def heard(self, predicate, problem):
        """Waits for an event that `predicate` accepts, among those since the last act."""
        return until(lambda: next((e for e in self.events if predicate(e)), None),
                     f"{problem}; heard {self.events}")

    def act(self, action):
        """Clears what was heard, then does `action`: a key name for xdotool or a function."""
        pump(0.05)
        self.events = []
        if callable(action):
            action()
        else:
            subprocess.run(["xdotool", "key", action], check=True, timeout=WAIT)

    def told(self, words, problem):
        """Waits for news that holds `words`, among that since the last act."""
        return self.heard(lambda e: words in (e.news() or ""), problem).news()

    def focus_on(self, problem, role=None, name=None, parent=None):
        return self.heard(
            lambda e: e.type == "focus:" and (role is None or e.role == role) and
            (name is None or e.name == name) and (parent is None or e.parent == parent),
            problem)

    def press(self, button):
        action = button.queryAction()
        names = [action.getName(i) for i in range(action.nActions)]
        check("Press" in names, f"{button.name} offers no Press action: {names}")
        action.doAction(names.index("Press"))


def run(play):
    """Runs `play(game)` for the game whose process id and settings folder are the
    arguments; prints what failed."""
    try:
        play(Game(int(sys.argv[1]), sys.argv[2]))
    except Failure as failure:
        print(f"FAIL: {failure}", file=sys.stderr)
        sys.exit(1)
    print(f"PASS: {os.path.basename(sys.argv[0])}")
