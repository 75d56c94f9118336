# SPDX-FileCopyrightText: 2026 The Quorvel developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""What a blind typist hears from Quorvel through Orca, and reads on a braille display,
checked on what Orca's own debug log says it spoke and put on the display.

    python3 speech_test.py typing|options|timed PROGRAM [--transcript FILE]

typing:  the first sentence at Start and nothing more; the next sentence once the last
         character of one (its closing blank) is typed and not before; F2; a wrong key heard
         and a right one after it not; the same wrong key twice heard twice; the next passage
         by its first sentence; the results after Esc. On braille: what is left of the sentence
         in the middle of typing it, beside what was typed; the results.
options: Tab into "How Much Time?" lands on the selected length, the arrows move it, Cancel
         puts it back; the colour buttons tell their colours.
timed:   a whole one-minute test typed through: "10 seconds left" once, ten seconds before the
         end, then the results.
typing and timed: every notice spoken is also flashed on braille, with the same text.

Each scenario runs its own session (see orcasession.py). Exit status 0 when every check
passed, 1 when one failed, 77 (skipped) when a tool is missing. --transcript saves what Orca
said and what it put on the braille display, in the order it did.
"""

import argparse
import re
import sys
import time

import orcasession
from orcasession import Session, is_notification, notification

SKIPPED = 77

S1 = "The cat sat down. "
S2 = "Then it slept! "
S3 = "Did it see a bee? "
S4 = "Nobody knows."
PASSAGE = S1 + S2 + S3 + S4

# The speech that should be complete is waited for this long: Orca's debug log slows it, and the
# machine may be busy with other tests.
WAIT = 30
# How long to listen for speech that must not come.
QUIET = 2.0


class Checks:
    """Collects the results; a failed check is reported and the scenario goes on where it can."""

    def __init__(self):
        self.failed = []

    def check(self, name, ok, detail=""):
        print(("ok    " if ok else "FAIL  ") + name + ("" if ok else "\n      " + detail))
        if not ok:
            self.failed.append(name)
        return ok


def since(session, index):
    return session.speech()[index:]


def notifications_since(session, index):
    return [p.text for p in since(session, index) if is_notification(p)]


def heard(phrases):
    return "\n".join("      | " + text for text in phrases) or "      (nothing)"


def expect(checks, session, name, matches, after, what, braille=False):
    """Waits for a phrase, or a braille line; records the check. Returns the index after it, or
    None."""
    try:
        index, _ = session.wait_for(matches, WAIT, what, after, braille)
    except AssertionError as error:
        checks.check(name, False, str(error))
        return None
    checks.check(name, True)
    return index + 1


def flashed(shown, spoken):
    """Whether a braille line is a spoken notice's flash: the same text, without the full stop
    Orca's speech may add."""
    shown = " ".join(shown.split())
    return spoken in (shown, shown + ".")


def check_notices_flashed(session, checks):
    """Every notice Orca spoke, it also put on the braille display with the same text, in the
    same order."""
    lines = [line.text for line in session.braille()]
    unseen = []
    at = 0
    for notice in filter(is_notification, session.speech()):
        found = next((i for i in range(at, len(lines)) if flashed(lines[i], notice.text)), None)
        if found is None:
            unseen.append(notice.text)
        else:
            at = found + 1
    checks.check("Every notice is flashed on the braille display with the text spoken",
                 not unseen, "not on braille:\n" + heard(unseen))


def results_said(phrases):
    """The results box as Orca read it: its title and its four figures."""
    text = " ".join(p.text for p in phrases)
    match = re.search(r"alert Typing Speed Results\. Speed: (\d+) wpm Accuracy: "
                      r"(\d+\.\d)% Net Speed: (\d+) wpm Time: ([\d:.]+)", text)
    return match


def scenario_typing(session, checks):
    mark = len(session.speech())
    session.key("Return")
    after = expect(checks, session, "Start: the first sentence is said",
                   notification(S1), mark, "the first sentence")
    if after is None:
        return
    focus = " ".join(p.text for p in session.speech()[mark:after])
    checks.check("Start: the typing box is read first, with F2 in its description",
                 "Type here" in focus and "F2 repeats the sentence." in focus, heard([focus]))
    session.settle(QUIET)
    said = notifications_since(session, mark)
    checks.check("Start: only the first sentence", len(said) == 1, heard(said))

    mark = len(session.speech())
    session.type(S1.rstrip())
    session.settle(QUIET)
    said = notifications_since(session, mark)
    checks.check("The next sentence is not said before the closing blank", not said, heard(said))
    session.type(" ")
    if expect(checks, session, "The closing blank brings the next sentence",
              notification(S2), mark, "the second sentence") is None:
        return

    # In the middle of a word, so that a character too many or too few is heard.
    mark = len(session.speech())
    shown = len(session.braille())
    session.type("Th")
    # The typing box's line: its name with what is left of the sentence, then what was typed,
    # with the caret at its end.
    line = "Type here: " + S2[len("Th"):].strip() + " " + S1 + "Th $l"
    expect(checks, session, "Braille shows the rest of the sentence while it is typed",
           lambda p: line in p.text, shown, repr(line), braille=True)
    session.key("F2")
    expect(checks, session, "F2 says the rest of the sentence from the next character",
           notification(S2[len("Th"):]), mark, "the rest of the second sentence")

    # F2 was no key: the rest of the sentence is still right, so no cue, and the next comes.
    mark = len(session.speech())
    session.type(S2[len("Th"):])
    if expect(checks, session, "After F2 the sentence goes on as if nothing was typed",
              notification(S3), mark, "the third sentence") is None:
        return
    said = [t for t in notifications_since(session, mark) if t.startswith("Wrong")]
    checks.check("F2 counted as no key", not said, heard(said))

    mark = len(session.speech())
    session.type("x")
    after = expect(checks, session, "A wrong key is heard: Wrong, and what was to be typed",
                   notification("Wrong, capital D"), mark, "the cue for the wrong key")
    if after is None:
        return
    session.type("id it s")
    session.settle(QUIET)
    said = notifications_since(session, after)
    checks.check("A right key after the wrong one gives no cue", not said, heard(said))

    mark = len(session.speech())
    session.type("qq", delay_ms=40)
    first = expect(checks, session, "Two wrong keys in a row: the first is heard",
                   notification("Wrong, e"), mark, "the first cue")
    if first is not None:
        expect(checks, session, "Two wrong keys in a row: the second is heard too",
               notification("Wrong, e"), first, "the second cue")

    mark = len(session.speech())
    session.type(S3[len("Did it see"):])
    expect(checks, session, "The last sentence is said", notification(S4), mark, "the fourth")
    mark = len(session.speech())
    session.type(S4)
    expect(checks, session, "The next passage is said by its first sentence",
           notification(S1), mark, "the first sentence of the next passage")

    typed = len(PASSAGE)
    accuracy = "%.1f" % (100 - 3 / typed * 100)
    session.settle(0.5)
    mark = len(session.speech())
    shown = len(session.braille())
    session.key("Escape")
    expect(checks, session, "Esc: the results box is read",
           lambda p: p.text.startswith("alert Typing Speed Results"), mark, "the results")
    session.settle(1.0)
    match = results_said(since(session, mark))
    checks.check("The results are read with their four figures, accuracy " + accuracy + "%",
                 match is not None and match.group(2) == accuracy,
                 heard([p.text for p in since(session, mark)]))
    if match:
        # As spoken, but for the full stop that ends Orca's phrase.
        figures = match.group(0)[len("alert "):].rstrip(".")
        expect(checks, session, "The results reach the braille display as they are spoken",
               lambda p: figures + " alert" in p.text, shown, repr(figures), braille=True)
    check_notices_flashed(session, checks)


def scenario_options(session, checks):
    mark = len(session.speech())
    session.key("Tab")
    if expect(checks, session, "Tab reaches Options", lambda p: p.text.startswith("Options push"),
              mark, "the Options button") is None:
        return
    session.key("Return")
    if expect(checks, session, "Options opens", lambda p: p.text.startswith("OK push button"),
              mark, "the OK button of Options") is None:
        return

    def tab_into_lengths(name, wanted):
        """Tabs on until an option has the focus; it must be the one selected."""
        mark = len(session.speech())
        for _ in range(8):
            tabbed = len(session.speech())
            session.key("Tab")
            try:
                session.wait_for(lambda p: p.text.endswith("push button.")
                                 or p.text.endswith("radio button"), WAIT, "the next control",
                                 tabbed)
            except AssertionError as error:
                checks.check(name, False, str(error))
                return
            said = [p.text for p in session.speech()[mark:]]
            if any(text.endswith("radio button") for text in said):
                break
        said = [p.text for p in session.speech()[mark:]]
        checks.check(name + ": it is " + wanted,
                     wanted + "." in said and "selected radio button" in said
                     and "not selected radio button" not in said, heard(said))

    tab_into_lengths("Tab into How Much Time? lands on the selected option", "1 Minute")

    mark = len(session.speech())
    session.key("Down")
    after = expect(checks, session, "The arrow keys still move the selection",
                   lambda p: p.text == "selected radio button", mark, "the next length")
    said = [p.text for p in session.speech()[mark:after]] if after else []
    checks.check("Down selects 2 Minutes", "2 Minutes." in said, heard(said))

    mark = len(session.speech())
    session.key("Tab")
    expect(checks, session, "The correct-colour button tells its colour",
           lambda p: p.text == "blue.", mark, "blue after Correct Characters")
    mark = len(session.speech())
    session.key("Tab")
    expect(checks, session, "The incorrect-colour button tells its colour",
           lambda p: p.text == "red.", mark, "red after Incorrect Characters")

    # Cancel puts 1 Minute back, and the tab stop with it.
    mark = len(session.speech())
    session.key("Escape")
    if expect(checks, session, "Esc cancels Options", lambda p: p.text == "Options push button.",
              mark, "the focus back on Options") is None:
        return
    session.key("Return")
    if expect(checks, session, "Options opens again", lambda p: p.text == "Options dialog.",
              mark, "the Options dialog") is None:
        return
    tab_into_lengths("After Cancel, Tab lands on the length put back", "1 Minute")
    session.key("Escape")


def scenario_timed(session, checks):
    """A typist at some 40 words a minute, with slips, types for most of the minute."""
    mark = len(session.speech())
    session.key("Return")
    started = expect(checks, session, "Start: the first sentence is said",
                     notification(S1), mark, "the first sentence")
    if started is None:
        return
    start_time = session.speech()[started - 1].at
    typing_until = time.monotonic() + 40
    sentences = [S1, S2, S3, S4]
    done = 0
    while time.monotonic() < typing_until:
        sentence = sentences[done % len(sentences)]
        if done % 5 == 1:
            session.type(sentence[:5], delay_ms=250)
            session.key("F2")
            session.type(sentence[5:], delay_ms=250)
        elif done % 5 == 2:
            session.type(sentence[:3] + "z" + sentence[4:], delay_ms=250)
        else:
            session.type(sentence, delay_ms=250)
        done += 1
    after = expect(checks, session, "10 seconds left is said", notification("10 seconds left"),
                   started, "10 seconds left")
    if after is None:
        return
    warned = session.speech()[after - 1].at - start_time
    # The tick that turns the label red comes at 50 s. Both times are when Orca spoke, which
    # may lag behind by a moment on a busy machine.
    checks.check("10 seconds left comes about 50 s after Start (%.1f s)" % warned,
                 47 <= warned <= 54)
    end = expect(checks, session, "The results are read at the end",
                 lambda p: p.text.startswith("alert Typing Speed Results"), after, "the results")
    if end is None:
        return
    ended = session.speech()[end - 1].at - start_time
    checks.check("The test ends about 60 s after Start (%.1f s)" % ended, 57 <= ended <= 64)
    session.settle(1.0)
    checks.check("The results are read with their four figures",
                 results_said(since(session, end - 1)) is not None,
                 heard([p.text for p in since(session, end - 1)]))
    times = [p for p in session.speech() if notification("10 seconds left")(p)]
    checks.check("10 seconds left is said once", len(times) == 1, heard([p.text for p in times]))
    check_notices_flashed(session, checks)


def write_transcript(path, spoken, shown):
    """One line per phrase and per braille line, by time: the time, then what was said in the
    first column or what was shown in the second."""
    entries = sorted([(p.at, 0, p.text) for p in spoken] + [(p.at, 1, p.text) for p in shown])
    with open(path, "w", encoding="utf-8") as f:
        for at, braille, text in entries:
            stamp = time.strftime("%H:%M:%S", time.gmtime(at))
            said, line = ("", "'%s'" % text) if braille else (text, "")
            f.write("%s.%03d  %-48s  %s\n" % (stamp, int(at % 1 * 1000), said, line))


def open_session(program):
    """A started session. One whose desktop does not come up (openbox has been seen to hang at
    its start on a loaded machine) is tried once more: nothing has been checked yet, so the
    second try can hide no fault, and a program that cannot start fails both."""
    for attempt in (1, 2):
        try:
            return Session(program, [PASSAGE]).__enter__()
        except (RuntimeError, AssertionError) as error:
            if attempt == 2:
                raise
            print(f"the session did not start ({error}); trying once more")


SCENARIOS = {"typing": scenario_typing, "options": scenario_options, "timed": scenario_timed}


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("scenario", choices=sorted(SCENARIOS))
    parser.add_argument("program")
    parser.add_argument("--transcript",
                        help="write what Orca said and put on the braille display to this file")
    args = parser.parse_args()

    reason = orcasession.cannot_run()
    if reason:
        print("skipped: " + reason)
        return SKIPPED

    checks = Checks()
    session = open_session(args.program)
    try:
        SCENARIOS[args.scenario](session, checks)
    finally:
        if session.program_died():
            checks.check("The program keeps running", False, "it ended during the test")
        spoken = session.speech()
        if args.transcript:
            write_transcript(args.transcript, spoken, session.braille())
        session.close()
    if checks.failed:
        print("\nWhat Orca said:\n" + heard([p.text for p in spoken]))
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
