# SPDX-FileCopyrightText: 2026 The Calquin developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""Plays a pupil at the drill while Orca listens, then judges what Orca said.

  drill.py drive MODE LANGUAGE PROGRAM ACTIONS
                                         once Orca is up, starts PROGRAM in the current folder,
                                         answers three questions (MODE is "message" or "summary")
                                         and writes what it did, with times, to ACTIONS
  drill.py check ACTIONS ORCA_LOG        fails, naming what is missing, unless Orca said the test
                                         type, every question and every verdict once, and the
                                         back button's hint only when the button took the focus

The questions are read off the window through the accessibility bus, as any client can; the keys
go in through the X server (xdotool), as a keyboard's would.
"""

import json
import re
import subprocess
import sys
import time
from datetime import datetime

import pyatspi

# What a pupil must hear, in the window's own words per language. Literal on purpose: the test
# must not borrow the program's texts to judge the program.
WORDS = {
    "en": {
        "test type": "Addition",
        "+": "{} plus {}",
        "*": "{} times {}",
        "correct": "Correct!",
        "wrong": "Wrong! Answer is {}",
        "back hint": "Click this button to suspend current test and go back to index",
        "answer hint": "Type the 'Ans' box and press 'Enter' key to proceed.",
    },
    "de": {
        "test type": "Addition",
        "+": "{} plus {}",
        "*": "{} mal {}",
        "correct": "Richtig!",
        "wrong": "Leider falsch! Die Lösung ist {}",
        "back hint": "Hier brichst du die Übung ab und gehst zurück zur Liste",
        "answer hint": "Tippe das Ergebnis bei „Erg.“ ein und drücke Enter.",
    },
}
ANSWERS = 3
SETTLE = 1.2  # seconds Orca gets to speak after each step


def fail(why):
    print(f"FAIL: {why}", file=sys.stderr)
    sys.exit(1)


def wait_for(what, probe, timeout=15.0):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        found = probe()
        if found:
            return found
        time.sleep(0.05)
    fail(f"timed out waiting for {what}")


def descendants(node):
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is None:
            continue
        yield child
        yield from descendants(child)


def application(name):
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == name:
            return app
    return None


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def find(app, test):
    return next((n for n in descendants(app) if test(n)), None)


# The question as the window shows it, in the signs of the window's language.
QUESTION = re.compile(r"^(\d+) ([-+*/·×:]) (\d+)$")
SIGNS = {"·": "*", "×": "*", ":": "/"}


def question(app):
    label = find(app, lambda n: n.getRole() == pyatspi.ROLE_LABEL and QUESTION.match(n.name or ""))
    if not label:
        return None
    left, sign, right = QUESTION.match(label.name).groups()
    return left, SIGNS.get(sign, sign), right


def answer_box(app):
    return find(app, lambda n: n.getRole() == pyatspi.ROLE_TEXT and showing(n))


def box_text(box):
    text = box.queryText()
    return text.getText(0, text.characterCount)


def focused(app, role):
    node = find(app, lambda n: n.getState().contains(pyatspi.STATE_FOCUSED))
    return node is not None and node.getRole() == role


def alert(app):
    return find(app, lambda n: n.getRole() == pyatspi.ROLE_ALERT and showing(n))


def key(*names):
    subprocess.run(["xdotool", "key", "--delay", "80", *names], check=True)


def press_enter():
    # Held as long as a finger holds it. Released some 40 ms after the press, as xdotool's key
    # does, the release reaches Orca 43 between the message's window going and the drill's coming
    # back, which makes it skip the drill window's return now and then.
    subprocess.run(["xdotool", "keydown", "Return"], check=True)
    time.sleep(0.15)
    subprocess.run(["xdotool", "keyup", "Return"], check=True)


def drive(mode, language, program, actions_file):
    wait_for("Orca on the accessibility bus", lambda: application("orca"), timeout=30)
    # Orca joins the bus before it listens; a window that opens in between is never heard.
    time.sleep(2 * SETTLE)
    window = subprocess.Popen([program])
    try:
        play(mode, language, actions_file)
    finally:
        window.terminate()
        window.wait()


def play(mode, language, actions_file):
    words = WORDS[language]
    log = []

    def mark(event, **details):
        log.append({"event": event, "at": time.time(), **details})

    app = wait_for("the window on the accessibility bus", lambda: application("calquin"))
    wait_for("the window to be active", lambda: find(
        app, lambda n: n.getState().contains(pyatspi.STATE_ACTIVE)))
    time.sleep(2 * SETTLE)
    mark("first key")

    if mode == "summary":
        # The feedback options live on the test screen, so a pupil who wants only the summary
        # starts a test to choose it; it holds for the next test, which is the drill heard here.
        key("Tab", "Down")
        wait_for("a first test", lambda: question(app))
        key("shift+Tab", "Down")
        wait_for("the answer box back in focus", lambda: focused(app, pyatspi.ROLE_TEXT))
        key("Tab", "space")
        wait_for("the item list", lambda: focused(app, pyatspi.ROLE_LIST))
        # Multiplication, the third test type, two options to the right of Addition.
        key("shift+Tab", "Right", "Right")
        wait_for("the multiplication items", lambda: find(
            app, lambda n: n.getRole() == pyatspi.ROLE_LIST_ITEM and "times" in (n.name or "")))
        time.sleep(SETTLE)
        mark("start")
        key("Tab", "Down")
    else:
        mark("start")
        key("Tab", "Down")

    asked = wait_for("the first question", lambda: question(app))
    box = wait_for("the answer box", lambda: answer_box(app))
    time.sleep(SETTLE)
    for i in range(ANSWERS):
        left, sign, right = asked
        mark("question", spoken=words[sign].format(left, right))
        correct = {"+": int(left) + int(right), "*": int(left) * int(right)}[sign]
        typed = correct if i != 1 else correct + 1  # the second answer is wrong
        mark("typing")
        subprocess.run(["xdotool", "type", "--delay", "60", str(typed)], check=True)
        wait_for("the typed answer", lambda: box_text(box) == str(typed))
        mark("enter")
        press_enter()
        if mode == "message":
            shown = wait_for("the message", lambda: alert(app))
            verdict = words["correct"] if typed == correct else words["wrong"].format(correct)
            time.sleep(SETTLE)
            mark("verdict", spoken=verdict)
            press_enter()
            wait_for("the message to close", lambda: not showing(shown) or not alert(app))
            mark("closed")
        wait_for("the next question", lambda: box_text(box) == "")
        time.sleep(SETTLE)
        asked = question(app)
    mark("question", spoken=words[asked[1]].format(asked[0], asked[2]))
    mark("to back button")
    key("Tab")
    wait_for("the back button", lambda: focused(app, pyatspi.ROLE_PUSH_BUTTON))
    time.sleep(SETTLE)
    mark("end", **{name.replace(" ", "_"): words[name]
                   for name in ("test type", "back hint", "answer hint")})
    with open(actions_file, "w", encoding="utf-8") as out:
        json.dump({"mode": mode, "language": language, "actions": log}, out, ensure_ascii=False,
                  indent=1)


# 12:34:56.789012 - SPEECH OUTPUT: 'Correct!'{'established': False}
SPEECH = re.compile(r"^(\d\d):(\d\d):(\d\d\.\d+) - SPEECH OUTPUT: '(.*)' ?\{.*\}$")


def speech(orca_log, day):
    """What Orca said, as (time, text) in the order said."""
    said = []
    with open(orca_log, encoding="utf-8", errors="replace") as lines:
        for line in lines:
            match = SPEECH.match(line)
            if match:
                hours, minutes, seconds, text = match.groups()
                at = day.timestamp() + int(hours) * 3600 + int(minutes) * 60 + float(seconds)
                said.append((at, text))
    return said


def check(actions_file, orca_log):
    with open(actions_file, encoding="utf-8") as source:
        run = json.load(source)
    actions = run["actions"]
    first = datetime.fromtimestamp(actions[0]["at"])
    said = speech(orca_log, first.replace(hour=0, minute=0, second=0, microsecond=0))
    print(f"--- Orca, {run['language']}, {run['mode']} mode")
    for at, text in said:
        print(f"  {datetime.fromtimestamp(at):%H:%M:%S.%f}"[:-3] + f"  {text}")

    def times(event):
        return [a["at"] for a in actions if a["event"] == event]

    def heard(text, start, end):
        # "4 mal 6" is not heard in "14 mal 6".
        whole = re.compile(r"(?<!\d)" + re.escape(text) + r"(?!\d)")
        return sum(1 for at, words in said if start <= at < end and whole.search(words))

    faults = []
    end = actions[-1]
    if not heard(end["test_type"], 0, times("first key")[0]):
        faults.append(f"the test type \"{end['test_type']}\" was not said at start")
    questions = [a for a in actions if a["event"] == "question"]
    # A question belongs to the stretch from the key that brought it to the first key of its answer.
    opened = [times("start")[0]] + (times("enter"))
    closed = times("typing") + times("to back button")
    for i, asked in enumerate(questions):
        count = heard(asked["spoken"], opened[i], closed[i])
        if count != 1:
            faults.append(f"question {i + 1}, \"{asked['spoken']}\", was said {count} times")
    for verdict, enter, close in zip([a for a in actions if a["event"] == "verdict"],
                                     times("enter"), times("closed")):
        count = heard(verdict["spoken"], enter, close)
        if count != 1:
            faults.append(f"the verdict \"{verdict['spoken']}\" was said {count} times")
    hint = end["back_hint"]
    for name in ("back_hint", "answer_hint"):
        if heard(end[name], times("start")[0], times("to back button")[0]):
            faults.append(f"the hint \"{end[name]}\" was said during the drill")
    if not heard(hint, times("to back button")[0], end["at"] + 1):
        faults.append("the back button's hint was not said when the button took the focus")
    for fault in faults:
        print(f"FAIL: {fault}")
    return 1 if faults else 0


if __name__ == "__main__":
    if len(sys.argv) == 6 and sys.argv[1] == "drive":
        drive(*sys.argv[2:])
    elif len(sys.argv) == 4 and sys.argv[1] == "check":
        sys.exit(check(sys.argv[2], sys.argv[3]))
    else:
        print(__doc__, file=sys.stderr)
        sys.exit(2)
