# SPDX-FileCopyrightText: 2026 Brenvo software
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""A private desktop for driving the real program as a pupil would.

Starts Xvfb on a display of its own, a private D-Bus session with the
accessibility bus, and a window manager; starts the program there and finds
its controls through the accessibility tree, by role, text and description.
Keys and clicks are real X events sent with xdotool. Every process started
here is ended by close().

Every wait is for a state, never for a time: the window manager managing
the screen, the accessibility registry answering, the program's window
active before a key is sent to it. The deadlines are generous, since a wait
that is met early costs nothing and a loaded machine is slow; when one runs
out, the failure says what the desktop looked like then.
"""

import fcntl
import math
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import threading
import time

# Long enough for a start on a loaded two-core machine under a sanitizer.
DEADLINE = 60.0


class Failure(Exception):
    pass


def wait_for(what, probe, timeout=DEADLINE, interval=0.05):
    """Polls probe until it returns something true; fails after timeout.
    A probe that raises counts as not yet."""
    deadline = time.monotonic() + timeout
    while True:
        try:
            value = probe()
        except Failure:
            raise
        except Exception:  # the registry or the X server not answering yet
            value = None
        if value:
            return value
        if time.monotonic() > deadline:
            raise Failure("timed out waiting for " + what)
        time.sleep(interval)


class Desktop:
    def __init__(self):
        self.processes = []
        self.program = None
        self.app = None
        self.stderr = tempfile.TemporaryFile()
        self.wm_log = tempfile.TemporaryFile()
        self.display_lock = None
        self.env = {k: v for k, v in os.environ.items()
                    if not k.startswith(("QT_", "DBUS_", "AT_SPI"))}
        self.env.pop("DISPLAY", None)
        self.env.pop("WAYLAND_DISPLAY", None)
        self.atspi = None
        self.speech_home = None

    def _spawn(self, args, **kwargs):
        process = subprocess.Popen(args, env=self.env, start_new_session=True,
                                   stdin=subprocess.DEVNULL, **kwargs)
        self.processes.append(process)
        return process

    def _output(self, *args):
        return subprocess.run(list(args), env=self.env, capture_output=True, text=True,
                              timeout=DEADLINE).stdout

    def _reserve_display(self):
        """A display number held by a lock of this desktop's own until its X
        server has ended, and held by no X server now. Left to Xvfb, two
        desktops, one starting while another's server was going away, could
        meet on one display, and the window manager could not open it."""
        for number in range(200, 500):
            lock = open("/tmp/tramolo-walk-display-%d.lock" % number, "w")
            try:
                fcntl.flock(lock, fcntl.LOCK_EX | fcntl.LOCK_NB)
            except BlockingIOError:
                lock.close()
                continue
            if os.path.exists("/tmp/.X%d-lock" % number) or os.path.exists("/tmp/.X11-unix/X%d" % number):
                lock.close()
                continue
            self.display_lock = lock
            return number
        raise Failure("no free X display")

    def start(self):
        number = self._reserve_display()
        self.env["DISPLAY"] = ":%d" % number
        # Without -noreset the server starts itself anew whenever its last
        # client leaves (the probe below, the accessibility bus setting its
        # root property), and a client that comes meanwhile, the window
        # manager, cannot open the display; the busier the machine, the
        # likelier.
        xvfb = self._spawn(["Xvfb", self.env["DISPLAY"], "-noreset", "-screen", "0", "1280x800x24",
                            "-nolisten", "tcp"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        wait_for("the X display", lambda: xvfb.poll() is None and subprocess.run(
            ["xdpyinfo"], env=self.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode == 0)

        bus = self._spawn(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                          stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        self.env["DBUS_SESSION_BUS_ADDRESS"] = bus.stdout.readline().strip()
        if not self.env["DBUS_SESSION_BUS_ADDRESS"]:
            raise Failure("the session bus did not start")
        self._spawn(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately", "--a11y=1"],
                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self._spawn(["openbox"], stdout=self.wm_log, stderr=subprocess.STDOUT)
        wait_for("the window manager to manage the screen", self._window_manager_ready)
        wait_for("the accessibility bus", lambda: "unix:" in self._output(
            "dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
            "org.a11y.Bus.GetAddress"))

        # pyatspi reads the bus and display from the environment when imported.
        os.environ["DISPLAY"] = self.env["DISPLAY"]
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = self.env["DBUS_SESSION_BUS_ADDRESS"]
        import pyatspi  # noqa: E402  (needs the environment above)
        self.atspi = pyatspi
        # The registry is started on the first call: it answers once it
        # can say how many applications it holds.
        wait_for("the accessibility registry",
                 lambda: pyatspi.Registry.getDesktop(0).childCount is not None)

    def _window_manager_ready(self):
        """EWMH: the root names a check window, which names itself."""
        root = _window_id(self._output("xprop", "-root", "_NET_SUPPORTING_WM_CHECK"))
        if root is None:
            return False
        return _window_id(self._output("xprop", "-id", hex(root), "_NET_SUPPORTING_WM_CHECK")) == root

    def quiet_speech(self):
        """Speech for programs launched from now on, through a
        speech-dispatcher of this desktop's own whose sound goes through ALSA
        into a pipe the walk drains at a loudspeaker's pace: thrown away, and
        the end of each reading still told (with no sound card the default
        output never tells it), and a reading lasts as long as it would be
        heard. The pipe holds a page of sound, so a voice also lasts while the
        walk holds the tap shut: hold_voice() keeps the next reading going
        until the walk has seen it, release_voice() lets it go on. The service's
        socket, log and settings stay in a folder of the walk's."""
        home = tempfile.mkdtemp(prefix="tramolo-walk-speech-")
        self.speech_home = home
        os.makedirs(os.path.join(home, "config", "speech-dispatcher"))
        os.makedirs(os.path.join(home, "run"), mode=0o700)
        with open("/etc/speech-dispatcher/speechd.conf") as system, \
                open(os.path.join(home, "config", "speech-dispatcher", "speechd.conf"), "w") as own:
            own.write(system.read() + '\nAudioOutputMethod "alsa"\n')
        sound = os.path.join(home, "sound")
        os.mkfifo(sound)
        with open(os.path.join(home, ".asoundrc"), "w") as alsa:
            alsa.write('pcm.!default { type file slave.pcm "null" file "%s" format "raw" }\n'
                       "ctl.!default { type hw card 0 }\n" % sound)
        self.env.update(HOME=home, XDG_CONFIG_HOME=os.path.join(home, "config"),
                        XDG_RUNTIME_DIR=os.path.join(home, "run"))
        self.tap = threading.Event()
        self.tap.set()
        drain = threading.Thread(target=self._drain, args=(sound,), daemon=True)
        drain.start()

    def _drain(self, sound):
        """Reads the voice's sound while the tap is open, one writer after
        another, until the desktop closes."""
        while self.speech_home is not None:
            try:
                fd = os.open(sound, os.O_RDONLY)
            except OSError:
                return
            try:
                fcntl.fcntl(fd, 1031, 4096)  # F_SETPIPE_SZ: a page, so the writer waits on the walk
            except OSError:
                pass
            with os.fdopen(fd, "rb", buffering=0) as pipe:
                while True:
                    self.tap.wait()
                    if not pipe.read(4096):
                        break
                    # At the pace a loudspeaker takes it (16-bit mono at 22 kHz).
                    time.sleep(4096 / 44100)

    def hold_voice(self):
        self.tap.clear()

    def release_voice(self):
        self.tap.set()

    def _stop_speech(self):
        """The service started itself for the program, in a session of its
        own: it is ended by the process id it wrote."""
        if self.speech_home is None:
            return
        self.tap.set()
        pid_file = os.path.join(self.speech_home, "run", "speech-dispatcher", "pid", "speech-dispatcher.pid")
        try:
            with open(pid_file) as f:
                os.kill(int(f.read().strip()), signal.SIGTERM)
        except (OSError, ValueError):
            pass
        home, self.speech_home = self.speech_home, None
        # A drain still waiting for a writer is let go by one that closes at once.
        try:
            os.close(os.open(os.path.join(home, "sound"), os.O_WRONLY | os.O_NONBLOCK))
        except OSError:
            pass
        shutil.rmtree(home, ignore_errors=True)

    def launch(self, program):
        env = dict(self.env)
        env["QT_QPA_PLATFORM"] = "xcb"
        env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
        env["QT_ACCESSIBILITY"] = "1"
        self.stderr.seek(0)
        self.stderr.truncate()
        self.app = None
        self.program = subprocess.Popen([program], env=env, start_new_session=True,
                                        stdin=subprocess.DEVNULL, stderr=self.stderr)
        self.processes.append(self.program)
        return self.program

    def application(self):
        """The program's own application in the tree: by its process, so
        that one closed a moment ago and still listed is never taken."""
        if self.app is not None:
            return self.app

        def find():
            for app in self.atspi.Registry.getDesktop(0):
                if app is not None and app.name == "tramolo" \
                        and app.get_process_id() == self.program.pid:
                    return app
            return None
        self.app = wait_for("the program in the accessibility tree", find)
        return self.app

    def active_window(self):
        return _window_id(self._output("xprop", "-root", "_NET_ACTIVE_WINDOW"))

    def window_pid(self, window):
        match = re.search(r"= (\d+)", self._output("xprop", "-id", hex(window), "_NET_WM_PID"))
        return int(match.group(1)) if match else None

    def window_title(self, window):
        match = re.search(r'= "(.*)"$', self._output("xprop", "-id", hex(window), "_NET_WM_NAME").strip())
        return match.group(1) if match else None

    def program_is_active(self, title):
        """The window manager's active window is the program's, with this title."""
        window = self.active_window()
        return window is not None and self.window_pid(window) == self.program.pid \
            and self.window_title(window) == title

    def send_keys(self, *keys):
        subprocess.run(["xdotool", "key", "--delay", "30", *keys], env=self.env, check=True)

    def send_text(self, text):
        subprocess.run(["xdotool", "type", "--delay", "30", text], env=self.env, check=True)

    def report(self):
        """What a failure's log needs to be understood: the program's state
        and standard error, the windows the window manager knows, the
        accessible tree's top level."""
        lines = []
        for process in self.processes:
            if process is not self.program:
                status = process.poll()
                lines.append("%s: %s" % (process.args[0], "running" if status is None else "ended with %s" % status))
        self.wm_log.seek(0)
        said = self.wm_log.read().decode(errors="replace").strip()
        if said:
            lines.append("the window manager said:\n  " + said.replace("\n", "\n  "))
        if self.program is not None:
            status = self.program.poll()
            lines.append("program: %s" % ("running" if status is None else "ended with %s" % status))
            self.stderr.seek(0)
            err = self.stderr.read().decode(errors="replace").strip()
            lines.append("program's standard error:" + ("\n  " + err.replace("\n", "\n  ") if err else " (empty)"))
        if "DISPLAY" in self.env:
            try:
                active = self.active_window()
                clients = re.findall(r"0x[0-9a-f]+", self._output("xprop", "-root", "_NET_CLIENT_LIST"))
                lines.append("windows the window manager knows (active %s):" % (hex(active) if active else None))
                for client in clients:
                    name = self._output("xprop", "-id", client, "_NET_WM_NAME", "_NET_WM_PID",
                                        "_NET_WM_STATE").strip().replace("\n", "; ")
                    lines.append("  %s %s" % (client, name))
            except Exception as error:  # the report must not hide the failure
                lines.append("the X server did not answer: %s" % error)
        if self.atspi is not None:
            try:
                lines.append("accessible applications:")
                for app in self.atspi.Registry.getDesktop(0):
                    if app is None:
                        continue
                    lines.append("  %s (process %s)" % (app.name, app.get_process_id()))
                    for window in app:
                        if window is not None:
                            states = [s.value_nick for s in window.getState().get_states()]
                            lines.append("    %s %r %s" % (window.getRoleName(), window.name, states))
            except Exception as error:
                lines.append("the accessibility registry did not answer: %s" % error)
        return "\n".join(lines)

    def close(self):
        for process in reversed(self.processes):
            if process.poll() is None:
                try:
                    os.killpg(process.pid, signal.SIGTERM)
                except ProcessLookupError:
                    pass
        for process in self.processes:
            try:
                process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                os.killpg(process.pid, signal.SIGKILL)
                process.wait()
        self._stop_speech()
        self.stderr.close()
        self.wm_log.close()
        # Only now, with its server gone, is the display another desktop's.
        if self.display_lock is not None:
            self.display_lock.close()


def _window_id(xprop_output):
    match = re.search(r"window id # (0x[0-9a-f]+)", xprop_output)
    return int(match.group(1), 16) if match else None


class Window:
    """One top-level window of the program, read through its accessible tree."""

    def __init__(self, desktop, accessible, title, x_title):
        self.desktop = desktop
        self.accessible = accessible
        self.title = title
        self.x_title = x_title

    @staticmethod
    def find(desktop, title, x_title=None):
        """The window the tree names so; x_title is its title on the X side
        where that differs (a window without a caption has the program's
        name there)."""
        def probe():
            for window in desktop.application():
                if window is not None and window.name == title and _has(desktop, window, "STATE_SHOWING"):
                    return Window(desktop, window, title, x_title or title)
            return None
        return wait_for("window " + repr(title), probe)

    def wait_active(self):
        """Managed and made active by the window manager: keys sent now reach
        this window. (The tree's own "active" state is cached, and may lag.)"""
        wait_for("window %r to be active" % self.title, lambda: self.desktop.program_is_active(self.x_title))

    def is_maximised(self):
        self.wait_active()
        state = self.desktop._output("xprop", "-id", hex(self.desktop.active_window()), "_NET_WM_STATE")
        return "_NET_WM_STATE_MAXIMIZED_HORZ" in state and "_NET_WM_STATE_MAXIMIZED_VERT" in state

    def key(self, *keys):
        self.wait_active()
        self.desktop.send_keys(*keys)

    def type(self, text):
        self.wait_active()
        self.desktop.send_text(text)

    def _all(self):
        stack = [self.accessible]
        while stack:
            node = stack.pop()
            if node is None:
                continue
            yield node
            try:
                stack.extend(node[i] for i in range(node.childCount))
            except Exception:
                continue

    def control(self, role, name=None, description=None):
        def probe():
            for node in self._all():
                try:
                    if node.getRoleName() != role:
                        continue
                    if name is not None and node.name != name:
                        continue
                    if description is not None and node.description != description:
                        continue
                    return node
                except Exception:
                    continue
            return None
        return wait_for("%s %s %s" % (role, name or "", description or ""), probe)

    def text_of(self, description):
        node = self.control("label", description=description)
        return node.name

    def texts_of(self, description):
        """Every label so described that shows a text, in the tree's order."""
        texts = []
        for node in self._all():
            try:
                if node.getRoleName() == "label" and node.description == description and node.name:
                    texts.append(node.name)
            except Exception:
                continue
        return texts

    def press(self, role, name):
        node = self.control(role, name)
        actions = node.queryAction()
        for i in range(actions.nActions):
            if actions.getName(i) == "Press":
                actions.doAction(i)
                return
        raise Failure("no Press action on " + name)


def _has(desktop, accessible, state):
    try:
        return accessible.getState().contains(getattr(desktop.atspi, state))
    except Exception:
        return False


def italian(value):
    """The text a pupil types for a value: the decimal comma, no needless zeros."""
    if value == math.floor(value):
        return str(int(value))
    return ("%.1f" % value).replace(".", ",")


def verdict(window, beginning):
    """Waits for the verdict label to show a text that begins so; returns it."""
    def probe():
        text = window.text_of("Esito")
        return text if text.startswith(beginning) else None
    return wait_for("verdict " + repr(beginning), probe)


def check(condition, message):
    if not condition:
        raise Failure(message)


CHOICE_TITLE = "Clicca per iniziare" + " " * 26


def open_exercise_window(desktop, program, button, title, key="a"):
    """Starts the program, passes the splash with a key and picks a window."""
    process = desktop.launch(program)
    Window.find(desktop, "Il Tramolo", x_title="tramolo").key(key)
    Window.find(desktop, CHOICE_TITLE).press("push button", button)
    return process, Window.find(desktop, title)


def answer_right_then_wrong(window, answer_of, right):
    """Answers the drawn exercise right, asks for the next with Enter on the
    button, answers that one wrong; checks verdicts and scores."""
    window.type(italian(answer_of(window)))
    window.key("Return")
    verdict(window, right)
    check(window.text_of("Risposte esatte") == "1", "right score")
    check(window.text_of("Risposte totali") == "1", "total score")

    window.key("Return")
    wait_for("a new exercise", lambda: window.text_of("Esito") == "")
    expected = answer_of(window)
    window.type(italian(expected + 1))
    window.key("Return")
    shown = verdict(window, "Sbagliato!! ")
    check(shown == "Sbagliato!! " + italian(expected), "wrong verdict: " + shown)
    solution = window.text_of("Soluzione")
    check((" %s c" % italian(expected)) in solution, "worked solution: " + repr(solution))
    check(window.text_of("Risposte errate") == "1", "wrong score")
    check(window.text_of("Risposte totali") == "2", "total after two answers")


def close_and_expect_exit(window, process):
    """Closes the window through the window manager; the program ends with 0."""
    window.key("alt+F4")
    wait_for("the program to end", lambda: process.poll() is not None)
    check(process.returncode == 0, "exit status %s" % process.returncode)


def run(walk):
    """Runs one walk on a fresh desktop; prints a closing line CTest can read."""
    program = sys.argv[1]
    desktop = Desktop()
    started = time.monotonic()
    try:
        desktop.start()
        walk(desktop, program)
    except Failure as failure:
        print("FAIL: %s (after %.1f s)" % (failure, time.monotonic() - started))
        print(desktop.report())
        print("0 passed, 1 failed")
        return 1
    finally:
        desktop.close()
    print("walk done in %.1f s" % (time.monotonic() - started))
    print("1 passed, 0 failed")
    return 0
