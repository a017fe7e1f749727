# SPDX-FileCopyrightText: 2026 Brenvo software
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Headless Chromium on a page served from a folder by a plain static web
server, driven through the DevTools protocol: the page's console lines,
keys typed, files downloaded, script run in the page."""

import contextlib
import functools
import http.server
import json
import os
import queue
import shutil
import subprocess
import tempfile
import threading
import time

import websocket

# Where Chromium lies; Ubuntu's /usr/bin/chromium-browser is a stub that asks
# for a snap, which is not a browser a test can start.
def chromium():
    for name in ("chromium", "chromium-browser", "google-chrome"):
        path = shutil.which(name)
        if path and "snap" not in open(path, "rb").read(4096).decode("latin-1"):
            return path
    return None


class Server:
    """The folder over http://127.0.0.1:PORT/, as a school's web server
    would serve it (.wasm as application/wasm)."""

    def __init__(self, folder):
        handler = functools.partial(_QuietHandler, directory=folder)
        self.httpd = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
        self.url = "http://127.0.0.1:%d/" % self.httpd.server_address[1]
        threading.Thread(target=self.httpd.serve_forever, daemon=True).start()

    def close(self):
        self.httpd.shutdown()


class _QuietHandler(http.server.SimpleHTTPRequestHandler):
    extensions_map = dict(http.server.SimpleHTTPRequestHandler.extensions_map,
                          **{".wasm": "application/wasm", ".js": "text/javascript"})

    def log_message(self, *args):
        pass


class Browser:
    """One headless Chromium with one page."""

    def __init__(self, downloads=None):
        self.profile = tempfile.mkdtemp(prefix="tramolo-chromium-")
        self.downloads = downloads
        # WebGL through SwiftShader: Qt's windows draw with it, and a
        # machine without a GPU has no other.
        self.process = subprocess.Popen(
            [chromium(), "--headless=new", "--no-sandbox", "--disable-gpu-sandbox",
             "--use-angle=swiftshader", "--enable-unsafe-swiftshader", "--no-first-run",
             "--disable-extensions", "--remote-debugging-port=0", "--window-size=1280,800",
             "--user-data-dir=" + self.profile, "about:blank"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        port_file = os.path.join(self.profile, "DevToolsActivePort")
        deadline = time.monotonic() + 60
        while not os.path.exists(port_file) or os.path.getsize(port_file) == 0:
            if time.monotonic() > deadline or self.process.poll() is not None:
                raise RuntimeError("Chromium did not start")
            time.sleep(0.05)
        port = open(port_file).read().split()[0]
        pages = json.loads(_http_get("http://127.0.0.1:%s/json" % port))
        page = next(p for p in pages if p["type"] == "page")
        self.socket = websocket.create_connection(page["webSocketDebuggerUrl"], timeout=None,
                                                  suppress_origin=True)
        self.next_id = 0
        self.replies = {}
        self.events = queue.Queue()
        self.console = []
        self.lock = threading.Condition()
        threading.Thread(target=self._read, daemon=True).start()
        self.call("Runtime.enable")
        self.call("Page.enable")
        # A headless page never has the focus, and Qt takes keys only in a
        # focused page: it behaves as a window in front would.
        self.call("Emulation.setFocusEmulationEnabled", enabled=True)
        if downloads:
            self.call("Browser.setDownloadBehavior", behavior="allow", downloadPath=downloads,
                      eventsEnabled=True)

    def _read(self):
        while True:
            try:
                message = json.loads(self.socket.recv())
            except Exception:
                return
            if "id" in message:
                with self.lock:
                    self.replies[message["id"]] = message
                    self.lock.notify_all()
            else:
                if message.get("method") == "Runtime.consoleAPICalled":
                    text = " ".join(str(a.get("value", a.get("description", "")))
                                    for a in message["params"]["args"])
                    with self.lock:
                        self.console.extend(text.splitlines() or [""])
                self.events.put(message)

    def call(self, method, **params):
        with self.lock:
            self.next_id += 1
            ident = self.next_id
        self.socket.send(json.dumps({"id": ident, "method": method, "params": params}))
        with self.lock:
            # The reply itself is waited for; the bound only ends a lost browser.
            if not self.lock.wait_for(lambda: ident in self.replies, timeout=120):
                raise RuntimeError("no reply to " + method)
            reply = self.replies.pop(ident)
        if "error" in reply:
            raise RuntimeError("%s: %s" % (method, reply["error"]))
        return reply.get("result", {})

    def open(self, url):
        self.call("Page.navigate", url=url)

    def evaluate(self, expression):
        result = self.call("Runtime.evaluate", expression=expression, returnByValue=True)
        return result.get("result", {}).get("value")

    def lines(self):
        with self.lock:
            return list(self.console)

    def key(self, key, code=None, text=None, key_code=0, modifiers=0):
        """A key pressed and released, as a keyboard sends it."""
        down = dict(type="keyDown" if text else "rawKeyDown", key=key, code=code or key,
                    windowsVirtualKeyCode=key_code, nativeVirtualKeyCode=key_code, modifiers=modifiers)
        if text:
            down["text"] = text
        self.call("Input.dispatchKeyEvent", **down)
        self.call("Input.dispatchKeyEvent", type="keyUp", key=key, code=code or key,
                  windowsVirtualKeyCode=key_code, nativeVirtualKeyCode=key_code, modifiers=modifiers)

    def type(self, text):
        for c in text:
            code = ("Digit" + c) if c.isdigit() else ("Comma" if c == "," else "Key" + c.upper())
            self.key(c, code=code, text=c, key_code=ord(c.upper()) if c.isalnum() else 188)

    def click(self, x, y):
        """A left click at a point of the page, in CSS pixels."""
        for kind in ("mousePressed", "mouseReleased"):
            self.call("Input.dispatchMouseEvent", type=kind, x=x, y=y, button="left", clickCount=1)

    def screenshot(self, path):
        import base64
        data = self.call("Page.captureScreenshot", format="png")["data"]
        with open(path, "wb") as f:
            f.write(base64.b64decode(data))

    def enter(self):
        self.key("Enter", code="Enter", text="\r", key_code=13)

    def close(self):
        try:
            self.socket.close()
        except Exception:
            pass
        self.process.terminate()
        try:
            self.process.wait(timeout=20)
        except subprocess.TimeoutExpired:
            self.process.kill()
        shutil.rmtree(self.profile, ignore_errors=True)


@contextlib.contextmanager
def serving(folder, downloads=None):
    """The folder served and one Chromium, both ended however the use ends."""
    server = Server(folder)
    chrome = Browser(downloads)
    try:
        yield server, chrome
    finally:
        chrome.close()
        server.close()


def _http_get(url):
    import urllib.request
    with urllib.request.urlopen(url, timeout=30) as response:
        return response.read().decode()


def wait_for(what, condition, timeout=120):
    """Waits for a state, not a time: the condition is looked at until it
    holds; the timeout only bounds a run that has gone wrong."""
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        value = condition()
        if value:
            return value
        time.sleep(0.05)
    raise AssertionError("timed out waiting for " + what)
