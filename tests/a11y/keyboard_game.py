# SPDX-License-Identifier: GPL-3.0-or-later
"""A whole game played with the keyboard alone on the real game, from F2 through the
name dialog and the high-score table to Exit: keys from xdotool, read back over AT-SPI as
a screen reader reads them. Each roll takes the first option with Down and Enter until
none is left; the turn is banked with Tab and Enter on End Turn once it may be and at
most two dice are in play. Once in the game a combination is given back in the tally."""
import os
import subprocess

import pyatspi

from board_client import WAIT, check, run, until

NAME = "Kay Board"


def tab_to(game, target):
    for _ in range(7):
        if game.focused(target):
            return
        game.act("Tab")
        game.heard(lambda e: e.type == "focus:", "Tab moved the focus nowhere")
    check(game.focused(target), f"Tab never reached {target.name}")


def take(game):
    game.act("Down")
    game.heard(lambda e: e.type == "object:state-changed:selected" and e.detail == 1,
               "Down selected no option")
    game.act("Return")
    game.heard(lambda e: e.type == "focus:" and (e.parent == "Scoring options" or
                                                 e.name == "Roll"),
               "a take left the focus off the options and Roll")


def give_back(game):
    tab_to(game, game.tally)
    game.act("Down")
    game.heard(lambda e: e.type == "object:state-changed:selected" and e.detail == 1,
               "Down selected no combination in the tally")
    game.act("Return")
    game.told("Gave back ", "Enter in the tally gave nothing back")
    check(game.focused(game.tally), "the focus left the tally after a take-back")
    tab_to(game, game.options)


def play_turns(game):
    lost = banks = 0
    gave_back = False
    for _ in range(500):
        game.act("space" if game.focused(game.roll) else "ctrl+r")
        game.focus_on("a roll put the focus on no row of the options", "list item",
                      parent="Scoring options")
        if game.rows(game.options) == ["VORPIN! NO POINTS"]:
            lost += 1
            continue
        while game.rows(game.options):
            take(game)
            if not gave_back:
                give_back(game)
                take(game)
                gave_back = True
        if game.dice_in_play() in range(1, 3) and game.enabled(game.end_turn):
            tab_to(game, game.end_turn)
            game.act("Return")
            banks += 1
            until(lambda: game.enabled(game.roll) or window("High Score!") or window("VORPIN"),
                  "the bank changed nothing")
            if not game.enabled(game.roll):
                return lost, banks
            game.focus_on("a bank did not put the focus on Roll", "push button", "Roll")
    check(False, "no end of the game in 500 rolls")


def window(title):
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{title}$"], capture_output=True,
                           text=True)
    return found.stdout.split()[0] if found.returncode == 0 and found.stdout.split() else None


def shown_windows(game):
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(game.pid)],
                           capture_output=True, text=True)
    return len(found.stdout.split())


def answer_dialogs(game):
    """Types a name into the high-score dialog, if the game entered the table, and closes
    the table with Enter."""
    entered = False
    for _ in range(2):
        title = until(lambda: window("High Score!") and "High Score!" or window("VORPIN") and
                      "VORPIN", "neither the name dialog nor the table showed")
        subprocess.run(["xdotool", "windowfocus", "--sync", window(title)], timeout=WAIT)
        if title == "High Score!":
            field = until(lambda: pyatspi.findDescendant(
                game.app, lambda a: a.getRoleName() == "text" and
                a.getState().contains(pyatspi.STATE_FOCUSED)), "the name field has no focus")
            check(field.name == "New High Score!  Please enter your name",
                  f"the name field is labelled '{field.name}'")
            subprocess.run(["xdotool", "type", "--delay", "20", NAME], check=True, timeout=WAIT)
            until(lambda: field.queryText().getText(0, -1) == NAME, "the name was not typed")
            game.act("Return")
            until(lambda: window("High Score!") is None, "Enter did not close the name dialog")
            entered = True
            continue
        table = until(lambda: pyatspi.findDescendant(
            game.app, lambda a: a.getRoleName() == "label" and "turns" in (a.name or "")),
            "the table shows no entries")
        check(not entered or NAME in table.name, f"the table lacks the name: {table.name}")
        game.act("Return")
        until(lambda: window("VORPIN") is None, "Enter did not close the table")
        return entered
    return entered


def play(game):
    game.act("F2")
    game.focus_on("F2 did not put the focus on Roll", "push button", "Roll")
    lost, banks = play_turns(game)
    told = game.told("Banked ", "the last bank was not told")
    check("Game over" in told, f"the end of the game was told as '{told}'")
    entered = answer_dialogs(game)
    # Without a window manager the game's window gets the input focus back by hand.
    subprocess.run(["xdotool", "windowfocus", "--sync", window("Tarnwick VORPIN Dice Game")],
                   timeout=WAIT)
    until(lambda: game.focused(game.board), "the focus is not on the board after the game")
    check(not any(game.enabled(b) for b in (game.roll, game.end_turn, game.take,
                                            game.give_back)), "a button is enabled after the game")
    result = game.status.name
    windows = shown_windows(game)
    game.act("alt+g")
    until(lambda: shown_windows(game) > windows, "Alt+G opened no menu")
    pyatspi.Registry.deregisterEventListener(game._heard, *game.KINDS)
    game.act("x")
    until(lambda: not os.path.exists(f"/proc/{game.pid}") or
          open(f"/proc/{game.pid}/stat").read().split()[2] == "Z", "Exit did not end the game")
    settings = open(os.path.join(game.config, "Tarnwick", "Vorpin.conf")).read()
    check(not entered or f"LASTNAME={NAME}" in settings, "the name did not reach the settings")
    print(f"{result}: {banks} banks, {lost} lost turns")


run(play)
