# SPDX-FileCopyrightText: 2026 Brenvo software
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""A private desktop for driving the real program as a pupil would.

Starts Xvfb on a free display, a private D-Bus session with the
accessibility bus, and a window manager; starts the program there and finds
its controls through the accessibility tree, by role, text and description.
Keys and clicks are real X events sent with xdotool. Every process started
here is ended by close().
"""

import math
import os
import signal
import subprocess
import sys
import time


class Failure(Exception):
    pass


def wait_for(what, probe, timeout=10.0, interval=0.05):
    """Polls probe until it returns something true; fails after timeout."""
    deadline = time.monotonic() + timeout
    while True:
        value = probe()
        if value:
            return value
        if time.monotonic() > deadline:
            raise Failure("timed out waiting for " + what)
        time.sleep(interval)


class Desktop:
    def __init__(self):
        self.processes = []
        self.env = {k: v for k, v in os.environ.items()
                    if not k.startswith(("QT_", "DBUS_", "AT_SPI"))}
        self.env.pop("DISPLAY", None)
        self.env.pop("WAYLAND_DISPLAY", None)

    def _spawn(self, args, **kwargs):
        process = subprocess.Popen(args, env=self.env, start_new_session=True,
                                   stdin=subprocess.DEVNULL, **kwargs)
        self.processes.append(process)
        return process

    def start(self):
        read_end, write_end = os.pipe()
        self._spawn(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x800x24",
                     "-nolisten", "tcp"], pass_fds=(write_end,),
                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as pipe:
            number = pipe.readline().strip()
        if not number:
            raise Failure("Xvfb did not start")
        self.env["DISPLAY"] = ":" + number

        bus = self._spawn(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                          stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        self.env["DBUS_SESSION_BUS_ADDRESS"] = bus.stdout.readline().strip()
        self._spawn(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately", "--a11y=1"],
                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self._spawn(["openbox"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        time.sleep(0.3)

        # pyatspi reads the bus and display from the environment when imported.
        os.environ["DISPLAY"] = self.env["DISPLAY"]
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = self.env["DBUS_SESSION_BUS_ADDRESS"]
        import pyatspi  # noqa: E402  (needs the environment above)
        self.atspi = pyatspi

    def launch(self, program):
        env = dict(self.env)
        env["QT_QPA_PLATFORM"] = "xcb"
        env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
        env["QT_ACCESSIBILITY"] = "1"
        self.program = subprocess.Popen([program], env=env, start_new_session=True,
                                        stdin=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.processes.append(self.program)
        return self.program

    def application(self):
        def find():
            desktop = self.atspi.Registry.getDesktop(0)
            for app in desktop:
                if app is not None and app.name == "tramolo":
                    return app
            return None
        return wait_for("the program in the accessibility tree", find)

    def key(self, *keys):
        subprocess.run(["xdotool", "key", "--delay", "30", *keys], env=self.env, check=True)

    def type(self, text):
        subprocess.run(["xdotool", "type", "--delay", "30", text], env=self.env, check=True)

    def close(self):
        for process in reversed(self.processes):
            if process.poll() is None:
                try:
                    os.killpg(process.pid, signal.SIGTERM)
                except ProcessLookupError:
                    pass
        for process in self.processes:
            try:
                process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                os.killpg(process.pid, signal.SIGKILL)
                process.wait()


class Window:
    """One top-level window of the program, read through its accessible tree."""

    def __init__(self, desktop, accessible):
        self.desktop = desktop
        self.accessible = accessible

    @staticmethod
    def find(desktop, title, timeout=10.0):
        def probe():
            app = desktop.application()
            for window in app:
                if window is not None and window.name == title and _showing(desktop, window):
                    return Window(desktop, window)
            return None
        return wait_for("window " + repr(title), probe, timeout)

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

    def press(self, role, name):
        node = self.control(role, name)
        actions = node.queryAction()
        for i in range(actions.nActions):
            if actions.getName(i) == "Press":
                actions.doAction(i)
                return
        raise Failure("no Press action on " + name)


def _showing(desktop, accessible):
    try:
        return accessible.getState().contains(desktop.atspi.STATE_SHOWING)
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
    Window.find(desktop, "Il Tramolo")
    desktop.key(key)
    Window.find(desktop, CHOICE_TITLE).press("push button", button)
    return process, Window.find(desktop, title)


def answer_right_then_wrong(desktop, window, answer_of, right):
    """Answers the drawn exercise right, asks for the next with Enter on the
    button, answers that one wrong; checks verdicts and scores."""
    desktop.type(italian(answer_of(window)))
    desktop.key("Return")
    verdict(window, right)
    check(window.text_of("Risposte esatte") == "1", "right score")
    check(window.text_of("Risposte totali") == "1", "total score")

    desktop.key("Return")
    wait_for("a new exercise", lambda: window.text_of("Esito") == "")
    expected = answer_of(window)
    desktop.type(italian(expected + 1))
    desktop.key("Return")
    shown = verdict(window, "Sbagliato!! ")
    check(shown == "Sbagliato!! " + italian(expected), "wrong verdict: " + shown)
    solution = window.text_of("Soluzione")
    check((" %s c" % italian(expected)) in solution, "worked solution: " + repr(solution))
    check(window.text_of("Risposte errate") == "1", "wrong score")
    check(window.text_of("Risposte totali") == "2", "total after two answers")


def close_and_expect_exit(desktop, process):
    """Closes the window through the window manager; the program ends with 0."""
    desktop.key("alt+F4")
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
        print("FAIL: %s" % failure)
        print("0 passed, 1 failed")
        return 1
    finally:
        desktop.close()
    print("walk done in %.1f s" % (time.monotonic() - started))
    print("1 passed, 0 failed")
    return 0
