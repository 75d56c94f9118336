# SPDX-FileCopyrightText: 2026 The Quorvel developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The real program under Xvfb with Orca listening, as a blind typist would run it.

A session owns everything it starts: an X server, a D-Bus session with the accessibility bus,
openbox (so that the window can become active), Orca writing a debug log, and Quorvel. Every
phrase Orca speaks appears in that log as a line "HH:MM:SS.micro - SPEECH OUTPUT: '...'", and
every line it puts on the braille display as "HH:MM:SS.micro - BRAILLE LINE:  '...'", whether or
not a display is plugged in; these are what the checks read. Each session has its own HOME and
XDG_RUNTIME_DIR, so a speech-dispatcher left from an earlier run cannot wedge it, and at the end
it stops only the processes it started, by their ids.

Speech needs an audio device to finish an utterance, or speech-dispatcher and then Orca hang;
ALSA's null device stands in for one.
"""

import codecs
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import tty
from dataclasses import dataclass

TOOLS = ["Xvfb", "dbus-run-session", "openbox", "orca", "xdotool", "xprop", "gsettings",
         "speech-dispatcher", "pgrep"]
BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"

_ENTRY = re.compile(r"^(\d\d):(\d\d):(\d\d)\.(\d{6}) - SPEECH OUTPUT: '(.*)$")
_BRAILLE = re.compile(r"^(\d\d):(\d\d):(\d\d)\.(\d{6}) - BRAILLE LINE:  '(.*)'$")
_VOICE = re.compile(r"^(.*)'\s*\{[^{}]*\}\s*$", re.DOTALL)
_STAMP = re.compile(r"^\d\d:\d\d:\d\d\.\d{6} ")


def missing_tools():
    """The tools a session needs that are not installed."""
    missing = [tool for tool in TOOLS if shutil.which(tool) is None]
    if not os.access(BUS_LAUNCHER, os.X_OK):
        missing.append(BUS_LAUNCHER)
    return missing


def orcas_running():
    """The ids of the Orcas this user already runs, on any display. Orca will not start while
    one runs, and its --replace would kill them all, a blind developer's own screen reader
    among them: a session is not started beside one."""
    found = subprocess.run(["pgrep", "-u", str(os.getuid()), "-x", "orca"],
                           capture_output=True, text=True)
    return found.stdout.split()


def cannot_run():
    """Why no session can be started here, or None."""
    missing = missing_tools()
    if missing:
        return "not installed: " + ", ".join(missing)
    running = orcas_running()
    if running:
        return ("an Orca of this user is running (pid " + ", ".join(running) + "); a second "
                "one would not start beside it, and these runs do not end it")
    return None


@dataclass
class Phrase:
    """One phrase Orca spoke, or one line it put on the braille display: seconds since midnight
    and the text, as Orca logged it. notice marks the text of a notification: Orca 43 says the
    role, "notification.", and then the text, as two phrases."""
    at: float
    text: str
    notice: bool = False


def _seconds(h, m, s, micro):
    return int(h) * 3600 + int(m) * 60 + int(s) + int(micro) / 1e6


class LogReader:
    """The phrases and braille lines of an Orca debug log, read as the log grows. A phrase may
    run over several lines (the results box was read as one); it ends at the next line with a
    time, and its text at the quote before its voice settings. A braille line is one line of the
    log. Each line is read once, so waiting on a log of megabytes costs little."""

    def __init__(self):
        self._done = []
        self._current = None
        self._partial = ""
        self.braille = []

    def feed(self, text):
        lines = (self._partial + text).split("\n")
        self._partial = lines.pop()
        for line in lines:
            self._line(line)

    def _line(self, line):
        match = _ENTRY.match(line)
        shown = _BRAILLE.match(line)
        if match:
            self._finish()
            *stamp, rest = match.groups()
            self._current = Phrase(_seconds(*stamp), rest)
        elif shown:
            self._finish()
            *stamp, text = shown.groups()
            self.braille.append(Phrase(_seconds(*stamp), text))
        elif self._current and not _STAMP.match(line):
            self._current.text += "\n" + line
        else:
            self._finish()

    def _finish(self):
        if self._current:
            self._done.append(self._spoken(self._current))
            self._current = None

    def phrases(self):
        return self._done + ([self._spoken(self._current)] if self._current else [])

    def _spoken(self, phrase):
        # What follows the closing quote is the voice: {'established': False, ...}.
        voiced = _VOICE.match(phrase.text)
        text = voiced.group(1) if voiced else phrase.text
        notice = bool(self._done) and self._done[-1].text in ("notification", "notification.")
        return Phrase(phrase.at, " ".join(text.split()), notice)


class Session:
    """Quorvel under Orca. Use inside `with`; the program starts with the session.

    reader=False runs the program with no screen reader and no accessibility bus, as a sighted
    user's desktop would. speech_log=False runs Orca without its debug log, which costs Orca,
    and the program that Orca questions, far more than a user's Orca; speech() is then empty,
    and the session waits a fixed time for Orca instead of for what it says."""

    def __init__(self, program, passages, workdir=None, reader=True, speech_log=True):
        self._own_dir = workdir is None
        self.dir = workdir or tempfile.mkdtemp(prefix="quorvel-a11y-")
        self.log = os.path.join(self.dir, "orca.log")
        self._program = program
        self._passages = passages
        self._children = []
        self._env = None
        self._reader = reader
        self._speech_log = reader and speech_log
        self._log_reader = LogReader()
        self._log_read = 0
        self._decoder = codecs.getincrementaldecoder("utf-8")(errors="replace")

    # Setting up and tearing down

    def __enter__(self):
        try:
            self._prepare_home()
            self._start_x()
            self._start_desktop()
            self._start_program()
        except BaseException:
            self.close()
            raise
        return self

    def __exit__(self, *exc):
        self.close()
        return False

    def _prepare_home(self):
        home = os.path.join(self.dir, "home")
        runtime = os.path.join(self.dir, "run")
        os.makedirs(os.path.join(home, ".config", "speech-dispatcher"), exist_ok=True)
        os.makedirs(runtime, mode=0o700, exist_ok=True)
        with open(os.path.join(home, ".asoundrc"), "w") as f:
            f.write("pcm.!default { type null }\n")
        with open(os.path.join(home, ".config", "speech-dispatcher", "speechd.conf"), "w") as f:
            f.write('AudioOutputMethod "alsa"\nDefaultModule espeak-ng\n')
        env = {k: v for k, v in os.environ.items()
               if not k.startswith(("XDG_", "DBUS_", "QT_", "AT_SPI")) and k != "DISPLAY"}
        env.update(HOME=home, XDG_RUNTIME_DIR=runtime, LC_ALL="C.UTF-8", LANG="C.UTF-8")
        self._env = env
        # The program reads its passages from "data" beside itself, so it runs from a copy.
        bindir = os.path.join(self.dir, "bin")
        os.makedirs(bindir, exist_ok=True)
        shutil.copy2(self._program, os.path.join(bindir, "quorvel"))
        with open(os.path.join(bindir, "data"), "w", encoding="utf-8", newline="\r\n") as f:
            f.write("%d\n" % len(self._passages))
            for passage in self._passages:
                f.write(passage + "\n")

    def _spawn(self, argv, **kwargs):
        kwargs.setdefault("stdin", subprocess.DEVNULL)
        process = subprocess.Popen(argv, env=kwargs.pop("env", self._env), **kwargs)
        self._children.append(process)
        return process

    def _start_x(self):
        read, write = os.pipe()
        self._spawn(["Xvfb", "-displayfd", str(write), "-screen", "0", "1280x1024x24",
                     "-nolisten", "tcp"], pass_fds=(write,),
                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write)
        with os.fdopen(read) as pipe:
            number = pipe.readline().strip()
        if not number:
            raise RuntimeError("Xvfb did not start")
        self._env["DISPLAY"] = ":" + number

    def _start_log(self):
        """Orca's debug file, through a terminal. Orca writes it through a buffer of 8 KiB, so a
        phrase could wait in that buffer for many seconds; to a terminal it writes line by line.
        A cat copies what arrives into the log, apart from this script, so that Orca never waits
        on a full terminal while the checks read."""
        master, slave = os.openpty()
        tty.setraw(slave)
        self._pty_slave = slave
        with open(self.log, "wb") as log:
            self._spawn(["cat"], stdin=master, stdout=log)
        os.close(master)
        return os.ttyname(slave)

    def _start_desktop(self):
        # dbus-run-session ends the bus when its child ends; the child is a shell that starts
        # the desktop's parts and waits, so the session lasts until close().
        lines = ["set -u", "pids=()",
                 """trap 'kill "${pids[@]}" 2>/dev/null; wait; exit 0' TERM""",
                 f'echo $$ > "{self.dir}/shell.pid"']

        def background(command):
            lines.extend([command + " &", "pids+=($!)"])
        if self._reader:
            background(f"{BUS_LAUNCHER} --launch-immediately >/dev/null 2>&1")
            lines.append("for i in $(seq 100); do gsettings set org.gnome.desktop.interface "
                         "toolkit-accessibility true 2>/dev/null && break; sleep 0.1; done")
        background(f"openbox >\"{self.dir}/openbox.out\" 2>&1")
        if self._reader:
            debug = f'--debug-file "{self._start_log()}"' if self._speech_log else ""
            background(f'orca {debug} >"{self.dir}/orca.out" 2>&1')
        lines += [f'echo "$DBUS_SESSION_BUS_ADDRESS" > "{self.dir}/bus.new"',
                  f'mv "{self.dir}/bus.new" "{self.dir}/bus"', "wait"]
        script = os.path.join(self.dir, "desktop.sh")
        with open(script, "w") as f:
            f.write("\n".join(lines) + "\n")
        # In a process group of its own, so that close() can end whatever of it outlives it.
        self._desktop = self._spawn(["dbus-run-session", "--", "bash", script],
                                    stdout=subprocess.DEVNULL, start_new_session=True,
                                    stderr=open(os.path.join(self.dir, "desktop.err"), "w"))
        self._wait_until(lambda: os.path.exists(os.path.join(self.dir, "bus")), 20,
                         "the D-Bus session to start")
        with open(os.path.join(self.dir, "bus")) as f:
            self._env["DBUS_SESSION_BUS_ADDRESS"] = f.read().strip()
        # A window mapped while openbox is still starting may never be shown.
        self._wait_until(self._window_manager_ready, 30, "openbox")
        if self._speech_log:
            self.wait_for(lambda p: p.text == "Screen reader on.", 60, "Orca to say it is on")
        elif self._reader:
            # Orca's speech starts speech-dispatcher, which makes its socket; Orca then starts
            # listening to the desktop.
            socket = os.path.join(self._env["XDG_RUNTIME_DIR"], "speech-dispatcher",
                                  "speechd.sock")
            self._wait_until(lambda: os.path.exists(socket), 60, "Orca's speech")
            time.sleep(2)

    def _start_program(self):
        env = dict(self._env, QT_QPA_PLATFORM="xcb")
        if self._reader:
            env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
        self.program = self._spawn([os.path.join(self.dir, "bin", "quorvel")], env=env,
                                   stdout=subprocess.DEVNULL,
                                   stderr=open(os.path.join(self.dir, "quorvel.err"), "w"))
        if self._speech_log:
            self.wait_for(lambda p: p.text == "Start push button.", 60,
                          "Orca to read the focused Start button")
            return
        self._wait_until(self._window_shown, 60, "the window")
        time.sleep(2)

    def _window_manager_ready(self):
        found = subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], env=self._env,
                               capture_output=True, text=True)
        return "window id" in found.stdout

    def _window_shown(self):
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Quorvel$"],
                               env=self._env, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
        return found.returncode == 0

    def close(self):
        """Stops what the session started, newest first, and the speech-dispatcher that Orca
        started in it, each by its id."""
        for process in reversed(self._children):
            if process.poll() is None:
                if process is getattr(self, "_desktop", None):
                    # The shell inside the bus session stops its own children, after which
                    # dbus-run-session ends the bus and itself.
                    self._signal_pidfile(os.path.join(self.dir, "shell.pid"))
                else:
                    process.terminate()
                try:
                    process.wait(10)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait()
        # On a loaded machine Orca may take longer than that to quit. Killing dbus-run-session
        # alone then left Orca and the bus running, and the next session, finding an Orca of
        # this user, skipped its checks.
        if getattr(self, "_desktop", None) is not None:
            try:
                os.killpg(self._desktop.pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
            # Until they are reaped they still count as an Orca of this user.
            end = time.monotonic() + 10
            while self._group_alive(self._desktop.pid) and time.monotonic() < end:
                time.sleep(0.05)
        self._children = []
        if getattr(self, "_pty_slave", None) is not None:
            os.close(self._pty_slave)
            self._pty_slave = None
        if self._env:
            self._signal_pidfile(os.path.join(self._env["XDG_RUNTIME_DIR"], "speech-dispatcher",
                                              "pid", "speech-dispatcher.pid"))
        if self._own_dir and not os.environ.get("QUORVEL_A11Y_KEEP"):
            shutil.rmtree(self.dir, ignore_errors=True)

    @staticmethod
    def _group_alive(group):
        try:
            os.killpg(group, 0)
        except ProcessLookupError:
            return False
        return True

    @staticmethod
    def _signal_pidfile(path):
        try:
            with open(path) as f:
                os.kill(int(f.read().strip()), signal.SIGTERM)
        except (OSError, ValueError):
            pass

    # Reading what was said and shown

    def _read(self):
        try:
            with open(self.log, "rb") as f:
                f.seek(self._log_read)
                data = f.read()
        except FileNotFoundError:
            return
        self._log_read += len(data)
        self._log_reader.feed(self._decoder.decode(data))

    def speech(self):
        self._read()
        return self._log_reader.phrases()

    def braille(self):
        """The lines Orca has put on the braille display, in order."""
        self._read()
        return list(self._log_reader.braille)

    def wait_for(self, matches, timeout, what, after=0, braille=False):
        """The first phrase (or braille line) from index after on that matches, waiting up to
        timeout seconds; raises with what was said (or shown) when none comes."""
        lines = self.braille if braille else self.speech
        found = self._wait_until(lambda: self._find(lines(), matches, after), timeout, None)
        if found is None:
            said = "\n".join("  " + p.text for p in lines()[after:])
            verb = "showed" if braille else "said"
            raise AssertionError(f"waited {timeout} s for {what}; Orca {verb}:\n{said}")
        return found

    @staticmethod
    def _find(lines, matches, after):
        for index, phrase in enumerate(lines[after:], start=after):
            if matches(phrase):
                return index, phrase
        return None

    def _wait_until(self, condition, timeout, what):
        end = time.monotonic() + timeout
        while True:
            result = condition()
            if result:
                return result
            if time.monotonic() > end:
                if what:
                    raise RuntimeError(f"timed out waiting for {what}")
                return None
            if self.program_died():
                raise RuntimeError("the program ended early")
            time.sleep(0.05)

    def program_died(self):
        program = getattr(self, "program", None)
        return program is not None and program.poll() is not None

    def settle(self, seconds):
        """Waits, so that a phrase that should not come has time to."""
        time.sleep(seconds)

    # Typing

    def key(self, *names):
        subprocess.run(["xdotool", "key", "--delay", "80", *names], env=self._env, check=True)

    def type(self, text, delay_ms=60):
        subprocess.run(["xdotool", "type", "--delay", str(delay_ms), "--", text],
                       env=self._env, check=True)


def notification(text):
    """Matches the text of a notification that says text, as Orca speaks it: whitespace
    collapsed, and maybe a full stop of Orca's own at the end."""
    wanted = " ".join(text.split())

    def matches(phrase):
        return phrase.notice and phrase.text in (wanted, wanted + ".")
    return matches


def is_notification(phrase):
    return phrase.notice


if __name__ == "__main__":
    sys.exit("a module; run speech_test.py")
