# SPDX-License-Identifier: GPL-3.0-or-later
"""A whole game played by ear: keys held as a person presses them, and every decision
taken from what the screen reader spoke, read from its debug log. Checked step by step:
F10 and the first menu item with its key; the Coach's headline and best move as it opens;
the dice after every roll with the options they offer, the move and the turn total after every take and give-back, every bank, a lost
turn and the turn after it, the end of the game told before the name dialog, and the
figures of the Statistics window as it opens. The first turns are rolled until one is
lost."""
import os
import re
import subprocess
import sys
import time

WAIT = 30  # seconds: generous, for a loaded machine and the sanitizer build
HOLD = 0.2  # the reader misses key presses much shorter than this
NEWS = "notification "
USED = {"single": 1, "two": 2, "three": 3, "four": 4, "five": 5, "six": 6}


class Failure(Exception):
    pass


def check(condition, problem):
    if not condition:
        raise Failure(problem)


class Ear:
    """What the reader spoke, utterance by utterance, since the last key."""

    MARK = "SPEECH OUTPUT: '"
    SPOKEN = re.compile(re.escape(MARK) + r"(.*?)' ?\{'established'", re.DOTALL)

    def __init__(self, log):
        self.log = open(log, encoding="utf-8", errors="replace")
        self.heard = []
        self.pending = ""

    def _listen(self):
        """Reads what was logged since; an utterance may span lines, and the log may end
        within one."""
        self.pending += self.log.read()
        end = 0
        for spoken in self.SPOKEN.finditer(self.pending):
            self.heard.append(spoken.group(1))
            end = spoken.end()
        rest = self.pending[end:]
        start = rest.find(self.MARK)
        self.pending = rest[start:] if start >= 0 else rest[-len(self.MARK):]

    def press(self, keys):
        """Holds `keys` (xdotool's names, such as ctrl+r) down, then lets them go."""
        time.sleep(0.1)
        self._listen()
        self.heard = []
        subprocess.run(["xdotool", "keydown", keys], check=True, timeout=WAIT)
        time.sleep(HOLD)
        subprocess.run(["xdotool", "keyup", keys], check=True, timeout=WAIT)

    def move_focus(self, keys):
        """Presses `keys` and waits until the reader has said where the focus went: more
        than its echo of the key, which ends in a space."""
        self.press(keys)
        self.hear(r"[^ ]$", f"{keys} was not heard")
        time.sleep(0.3)
        self._listen()

    def hear(self, pattern, problem, seconds=WAIT):
        """Waits for an utterance that matches `pattern`; gives its match."""
        wanted = re.compile(pattern)
        end = time.monotonic() + seconds
        while True:
            self._listen()
            for said in self.heard:
                found = wanted.search(said)
                if found:
                    return found
            check(time.monotonic() < end, f"{problem}; heard {self.heard}")
            time.sleep(0.05)

    def news(self, pattern, problem):
        """The news told after a move, heard in full: nothing spoken after it cuts it."""
        found = self.hear("^" + NEWS + pattern, problem)
        time.sleep(0.3)
        self._listen()
        later = self.heard[self.heard.index(found.string) + 1:]
        check(not later, f"'{found.string}' was cut short by {later}")
        return found


def dice_used(combination):
    if combination.startswith(("straight", "three pairs")):
        return 6
    return USED[combination.split()[0]]


class Player:
    def __init__(self, ear):
        self.ear = ear
        self.score = 0
        self.turn = 1
        self.lost = self.banks = self.rolls = self.takes = 0
        self.lost_last = False

    def roll(self):
        """Rolls; gives the options heard, or None for a lost turn."""
        self.ear.press("ctrl+r")
        found = self.ear.news(r"(Turn (\d+), score (\d+)\. )?Rolled ([^.]*)\. (.*)$",
                              "a roll told no dice")
        self.rolls += 1
        dice = found.group(4).split(", ")
        check(len(dice) == 6 and all(d.isdigit() or d == "set aside" for d in dice),
              f"the dice were told as {dice}")
        self.in_play = sum(d.isdigit() for d in dice)
        # The roll that starts the turn after a lost one tells the turn and the score.
        check(not self.lost_last or found.group(1) and int(found.group(2)) == self.turn and
              int(found.group(3)) == self.score, f"the first roll of turn {self.turn}, score "
              f"{self.score}, was told as '{found.string}'")
        check(self.lost_last or not found.group(1), f"a roll told a new turn: '{found.string}'")
        self.lost_last = False
        rest = found.group(5)
        if "NO POINTS" in rest:
            check(f"turn {self.turn} is lost" in rest, f"the lost turn was told as '{rest}'")
            self.lost += 1
            self.turn += 1
            self.lost_last = True
            self.total = 0
            return None
        return self.options(rest, "")

    def options(self, told, left):
        if told == "No options left.":
            return []
        one = re.fullmatch(rf"1 option{left}: (.*)\.", told)
        many = re.fullmatch(rf"(\d+) options{left}, first (.*)\.", told)
        check(one or many, f"the options were told as '{told}'")
        return [one.group(1)] if one else [many.group(2)] * int(many.group(1))

    def take(self, option=None):
        """Takes the current option with Enter: the one just heard, if given."""
        self.ear.press("Return")
        found = self.ear.news(r"Took (.*)\. Turn total (\d+), End Turn (can bank|needs \d+)\. "
                              r"(.*)$", "Enter on the option just heard took nothing")
        taken = found.group(1)
        check(option is None or taken == option, f"took '{taken}', not '{option}'")
        self.total += int(taken.split(", ")[-1])
        check(int(found.group(2)) == self.total, f"the turn total {found.group(2)} is not "
              f"{self.total}")
        self.takes += 1
        self.can_bank = found.group(3) == "can bank"
        self.in_play = self.in_play - dice_used(taken) or 6
        self.last_taken = taken
        return self.options(found.group(4), " left")

    def tab_to(self, keys, name):
        for _ in range(6):
            self.ear.move_focus(keys)
            if any(said.startswith(name) for said in self.ear.heard):
                return
        check(False, f"{keys} never reached {name}")

    def give_back_and_take_again(self):
        """From the options, moves to the tally, gives the combination just taken back, and
        goes back to take the first option again."""
        self.tab_to("Tab", "Kept this turn")
        self.ear.press("Down")
        self.ear.press("Return")
        found = self.ear.news(r"Gave back (.*)\. Turn total (\d+), End Turn (can bank|needs "
                              r"\d+)\.$", "Enter in the tally gave nothing back")
        check(found.group(1) == self.last_taken,
              f"gave back '{found.group(1)}', not '{self.last_taken}'")
        self.total -= int(self.last_taken.split(", ")[-1])
        check(int(found.group(2)) == self.total, f"the turn total {found.group(2)} after the "
              f"give-back is not {self.total}")
        self.in_play += dice_used(self.last_taken)
        self.tab_to("shift+Tab", "Scoring options")
        self.ear.press("Down")  # selects the row just read, where it is
        found = self.ear.news(r"Selected (.*)\.$", "the first Down selected an option unheard")
        return self.take(found.group(1))

    def bank(self):
        self.ear.press("ctrl+e")
        found = self.ear.hear(rf"^{NEWS}Banked (\d+)\. (Score (\d+)\. Turn (\d+), Ctrl\+R "
                              r"rolls\.|Game over: (\d+) points in (\d+) turns\.)$",
                              "a bank was not told")
        check(int(found.group(1)) == self.total, f"banked {found.group(1)}, not {self.total}")
        banked, self.total = self.total, 0
        self.score += banked
        self.banks += 1
        if found.group(5):
            check(int(found.group(5)) == self.score and int(found.group(6)) == self.turn,
                  f"the end was told as '{found.string}'")
            return False
        self.turn += 1
        check(int(found.group(3)) == self.score and int(found.group(4)) == self.turn,
              f"the bank was told as '{found.string}'")
        return True

    def play_turn(self, may_bank):
        """One turn: every option taken, first to last, until the turn is lost or banked."""
        while True:
            options = self.roll()
            if options is None:
                return True
            while options:
                options = self.take(options[0])
                if options and not self.gave_back:
                    options = self.give_back_and_take_again()
                    self.gave_back = True
            if may_bank and self.can_bank and self.in_play <= 2:
                return self.bank()


def coach(ear, player):
    """Opens the Coach on the first roll that scores and hears its headline and best move;
    F6 goes into it and reads the best move, Down the next one, with their columns; F6
    comes back, F3 closes it."""
    options = player.roll()
    while options is None:  # a first roll that scores nothing leaves no move to advise
        options = player.roll()
    ear.press("F3")
    found = ear.news(r"Coach\. Expected turns to finish with best play: (\d+\.\d+)\. Best move: "
                     r"(.*), (\d+\.\d+) turns\.$", "F3 did not tell the Coach")
    check(found.group(1) == found.group(3), f"the best move is not the headline's: {found.string}")
    ear.press("F6")
    ear.hear("^What you can do now", "F6 did not go into the Coach")
    ear.hear(rf"^{re.escape(found.group(2))}\.$", "the Coach did not read its best move")
    ear.hear(rf"^{found.group(3)} turns\.$", "the best move was read without its turns")
    ear.hear(r"^best\.$", "the best move was not read as best")
    if len(options) > 1:
        ear.press("Down")
        ear.hear(r"^\d+\.\d+ turns\.$", "a move was read without its turns")
        ear.hear(r"^cost \d+\.\d+\.$", "a move was read without its cost")
    leave_coach(ear, "Scoring options")
    return options


def leave_coach(ear, back_to):
    """F6 back to the board, heard there; F3 closes the Coach."""
    ear.press("F6")
    ear.hear("^" + back_to, "F6 did not come back to the board")
    ear.press("F3")
    time.sleep(1)


def review(ear, player):
    """The Coach after the game: its review, read a line at a time with the arrows."""
    ear.press("F3")
    ear.news(rf"Coach\. The game is over after {player.turn} turns\.$",
             "F3 did not tell the Coach at the end of the game")
    ear.press("F6")
    ear.hear("^What you can do now", "F6 did not go into the Coach")
    for name in ("Your decisions", "Game review"):
        ear.press("Tab")
        ear.hear("^" + name, f"Tab did not reach {name}")
    lines = []
    for wanted in (rf"Turns taken: {player.turn}", r"Expected with best play: 10\.644",
                   r"Skill cost: \d+\.\d{3}", r"Luck: -?\d+\.\d{3}"):
        ear.press("Down")
        lines.append(ear.hear(f"^{wanted}$", f"Down did not read the line '{wanted}'").string)
    for said in ear.heard + lines:
        check(not re.search("[\ufdd0\ufdd1\u00b7]|middle dot", said),
              f"the review was read with its symbols: {said}")
    leave_coach(ear, "Tarnwick VORPIN Dice Game")


def play(ear):
    ear.hear("Press F2 to begin", "the title screen was not read")
    open_menu(ear, "F10", "New Game\tF2")  # a menu item is read with its key
    ear.press("Escape")
    ear.press("Escape")
    ear.hear("^Vorpin board", "Escape did not leave the menu bar")
    ear.press("F2")
    ear.news(r"New game\. Turn 1, score 0\.$", "F2 told no new game")
    player = Player(ear)
    player.gave_back = False
    player.total = 0
    options = coach(ear, player)
    while options:
        options = player.take(options[0])
    while player.lost == 0:
        player.play_turn(may_bank=False)
    while player.play_turn(may_bank=True):
        check(player.turn < 200, "no end of the game in 200 turns")
    # The end of the game was told before the name dialog spoke.
    ear.hear("High Score!", "the name dialog was not read")
    told = [i for i, said in enumerate(ear.heard) if "Game over" in said]
    dialog = [i for i, said in enumerate(ear.heard) if "High Score!" in said]
    check(told and told[0] < dialog[0], f"the end of the game came after the dialog: {ear.heard}")
    answer_dialogs(ear)
    review(ear, player)
    open_menu(ear, "alt+v", "High Score")
    ear.press("s")
    found = ear.hear(rf"^{NEWS}Statistics\. Games played: 1; mean turns ",
                     "the Statistics window did not tell its figures")
    check("·" not in found.string, f"the figures were told with their dots: {found.string}")
    # The window manager may leave the focus with the game's window as the menu closes.
    try:
        ear.hear("^Statistics\\.$", "the Statistics window took no focus", 5)
    except Failure:
        subprocess.run(["xdotool", "search", "--name", "^Statistics$", "windowactivate",
                        "--sync"], check=True, timeout=WAIT)
        ear.hear("^Statistics\\.$", "the Statistics window took no focus")
    ear.hear(rf"Yours most often took {player.turn} turns \(100% of games\)",
             "the turns chart did not tell what it shows")
    games_table(ear, player)
    ear.press("Escape")
    ear.hear("Tarnwick VORPIN Dice Game", "Escape did not close the Statistics window")
    return player


def games_table(ear, player):
    """Tab passes the chart of the last games, which tells its one game, and reaches the
    games table in one stop, which reads the newest game's row, each figure with its
    column."""
    passed = []
    for _ in range(4):
        ear.move_focus("Tab")
        passed += ear.heard
        if any(said.startswith("Games") for said in ear.heard):
            break
    ear.hear("^Games", "Tab did not reach the games table")
    check(any(f"Game 1: {player.turn} turns, skill cost " in said for said in passed),
          f"the chart of the last games did not tell what it shows: {passed}")
    ear.hear(rf"^{player.turn} turns\.$", "the game's row was read without its turns")
    ear.hear(rf"^{player.score} points\.$", "the game's row was read without its points")
    ear.hear(r"^skill cost \d+\.\d{3}\.$", "the game's row was read without its skill cost")


def open_menu(ear, keys, first_item):
    """Opens a menu once the window that came back takes keys again."""
    for _ in range(5):
        time.sleep(1)
        ear.press(keys)
        time.sleep(1)
        ear._listen()
        if any(said.startswith(first_item) for said in ear.heard):
            return
        ear.press("Escape")
    check(False, f"{keys} opened no menu; heard {ear.heard}")


def answer_dialogs(ear):
    """Hears the name field once, with the whole name offered; types a name and closes the
    dialog, then the high-score table."""
    ear.hear(r"^New High Score!  Please enter your name text\.$", "the name field was not read")
    named = ear.hear(r"^A\. Tarnwick selected\.$", "the offered name was not read whole")
    told = [said for said in ear.heard if "A. Tarnwic" in said]
    check(told == [named.string], f"the offered name was read as {told}")
    ear.press("ctrl+a")
    subprocess.run(["xdotool", "type", "--delay", "150", "Kay"], check=True, timeout=WAIT)
    ear.press("Return")
    ear.hear(r"Kay - |^OK push button", "the high-score table did not show")
    ear.press("Return")
    ear.hear("Tarnwick VORPIN Dice Game", "the game's window did not come back")


def main():
    pid, log = int(sys.argv[1]), sys.argv[3]
    started = time.monotonic()
    try:
        player = play(Ear(log))
    except Failure as failure:
        print(f"FAIL: {failure}", file=sys.stderr)
        return 1
    if not os.path.exists(f"/proc/{pid}"):
        print("FAIL: the game ended before it was closed", file=sys.stderr)
        return 1
    print(f"PASS: {player.turn} turns, {player.rolls} rolls, {player.takes} takes, "
          f"{player.banks} banks, {player.lost} lost; {time.monotonic() - started:.0f} s")
    return 0


sys.exit(main())
