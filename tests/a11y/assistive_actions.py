# SPDX-License-Identifier: GPL-3.0-or-later
"""What a screen reader hears and what an assistive tool can do, over AT-SPI: the board
named and the title screen told before the first game; a roll, a take, a take-back, a
lost turn and a bank each told by the news the events carry; the buttons pressed
through their Press action, rows selected through the list's table interface and the
focus moved into a list."""
import re
import pyatspi

from board_client import check, run, states, until


def selectable(list_, row):
    return states(list_[row]).contains(pyatspi.STATE_SELECTABLE)


def play(game):
    check("Press F2 to begin" in game.board.description,
          f"the board does not tell the title screen: '{game.board.description}'")
    check("Ctrl+R" in game.roll.description and "Ctrl+E" in game.end_turn.description,
          "the buttons' descriptions do not name their keys")
    game.act("F2")
    game.focus_on("F2 did not put the focus on Roll", "push button", "Roll")
    check(game.status.name == "Turn 1, Score 0", f"status after F2: '{game.status.name}'")
    check("turn total 0" in game.status.description, f"status: '{game.status.description}'")

    seen = set()
    for _ in range(60):
        if seen >= {"roll", "take", "take-back", "lost turn", "bank"}:
            return
        game.act(lambda: game.press(game.roll))
        landed = game.focus_on("a roll put the focus on no row of the options", "list item",
                               parent="Scoring options")
        told = game.told("Rolled ", "a roll told no dice")
        rows = game.rows(game.options)
        check(re.search(r"Rolled ([^.]*)\.", told).group(1) == game.dice.name.removeprefix("Dice: "),
              f"the roll was told as '{told}' with {game.dice.name}")
        check(landed.name == rows[0], f"the focus landed on '{landed.name}', not on {rows[0]}")
        check(game.options.queryTable().nSelectedRows == 0, "a row is selected after a roll")
        if rows == ["VORPIN! NO POINTS"]:
            check(not selectable(game.options, 0), "the no-points row is offered as selectable")
            check("NO POINTS" in told, f"the lost turn was told as '{told}'")
            seen.add("lost turn")
            continue
        seen.add("roll")
        descriptions = [game.options[i].description for i in range(len(rows))]
        check(len(set(zip(rows, descriptions))) == len(rows),
              f"alike rows are not told apart: {list(zip(rows, descriptions))}")
        while game.rows(game.options):
            take_first(game)
            seen.add("take")
            if "take-back" not in seen:
                give_back(game)
                seen.add("take-back")
                check(game.options.queryComponent().grabFocus(), "no focus into the options")
                take_first(game)
        score = int(game.status.name.split()[-1])
        turn_total = game.tally_total
        # A bank that would end the game is not one to hear as a bank: the game ends.
        if (game.dice_in_play() in range(1, 3) and game.enabled(game.end_turn) and
                score + turn_total < 5000):
            game.act(lambda: game.press(game.end_turn))
            told = game.told("Banked ", "Press on End Turn banked nothing")
            check(told.startswith(f"Banked {turn_total}. Score {score + turn_total}. "),
                  f"a bank of {turn_total} to {score} was told as '{told}'")
            check(game.focused(game.roll), "a bank did not leave the focus on Roll")
            seen.add("bank")
    check(False, f"only {sorted(seen)} happened in 60 rolls")


# Selects the first option through the table interface and presses the take arrow: the
# focus stays in the options while they have rows, else goes to Roll.
def take_first(game):
    game.options.queryTable().addRowSelection(0)
    until(lambda: game.enabled(game.take), "selecting an option did not enable the take arrow")
    game.act(lambda: game.press(game.take))
    game.heard(lambda e: e.type == "focus:" and (e.parent == "Scoring options" or
                                                 e.name == "Roll"),
               "a take left the focus off the options and Roll")
    told = game.told("Took ", "a take was not told")
    game.tally_total = int(re.search(r"Turn total (\d+)", told).group(1))


# Moves the focus into the tally, selects the combination just taken and gives it back:
# the focus stays in the tally, which tells the new turn total.
def give_back(game):
    tally = game.tally
    check(tally.queryComponent().grabFocus(), "the tally did not take the focus")
    until(lambda: game.focused(tally), "the tally did not get the focus")
    rows = game.rows(tally)
    offered = [row for row in range(len(rows)) if selectable(tally, row)]
    check(len(offered) == 1 and rows[-1].startswith("TURN TOTAL"),
          f"the tally offers rows {offered} of {rows}")
    tally.queryTable().addRowSelection(offered[0])
    until(lambda: game.enabled(game.give_back), "selecting a row did not enable give-back")
    game.act(lambda: game.press(game.give_back))
    told = game.told("Gave back ", "a take-back was not told")
    check(f"Gave back {rows[offered[0]]}. Turn total " in told,
          f"giving back {rows[offered[0]]} was told as '{told}'")
    check(game.focused(tally), "the focus left the tally after a take-back")


run(play)
