# SPDX-License-Identifier: MIT
"""Debian's Chromium, headless, driven over its DevTools pipe: no library of ours in between.

Chromium reads the protocol's commands on its file descriptor 3 and writes its answers and
events on 4, each message JSON ended by a NUL byte."""

import base64
import json
import os
import subprocess
import tempfile
import threading


class BrowserError(Exception):
    pass


class Chromium:
    def __init__(self, program="chromium"):
        self.profile = tempfile.TemporaryDirectory(prefix="tessara-chromium-")
        commands_read, self._commands = os.pipe()
        self._answers, answers_write = os.pipe()

        def as_fds_3_and_4():
            # Out of the way first, so that neither dup2 overwrites the other's source.
            high_read, high_write = os.dup(commands_read), os.dup(answers_write)
            os.dup2(high_read, 3)
            os.dup2(high_write, 4)
            os.set_inheritable(3, True)
            os.set_inheritable(4, True)

        self.process = subprocess.Popen(
            [program, "--headless=new", "--remote-debugging-pipe", "--no-sandbox",
             "--disable-gpu", "--no-first-run", "--no-default-browser-check",
             "--disable-extensions", "--disable-background-networking",
             "--user-data-dir=" + self.profile.name, "about:blank"],
            preexec_fn=as_fds_3_and_4, close_fds=False,
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(commands_read)
        os.close(answers_write)
        self._next_id = 0
        self._lock = threading.Condition()
        self._results = {}
        self.events = []  # (sessionId, method, params), as they came
        self._reader = threading.Thread(target=self._read, daemon=True)
        self._reader.start()

    def _read(self):
        pending = b""
        while True:
            chunk = os.read(self._answers, 65536)
            if not chunk:
                break
            pending += chunk
            while b"\0" in pending:
                raw, pending = pending.split(b"\0", 1)
                message = json.loads(raw)
                with self._lock:
                    if "id" in message:
                        self._results[message["id"]] = message
                    else:
                        self.events.append((message.get("sessionId"), message["method"],
                                            message.get("params", {})))
                    self._lock.notify_all()
        with self._lock:
            self._closed = True
            self._lock.notify_all()

    _closed = False

    def send(self, method, params=None, session=None, timeout=60):
        with self._lock:
            self._next_id += 1
            ident = self._next_id
        message = {"id": ident, "method": method, "params": params or {}}
        if session:
            message["sessionId"] = session
        os.write(self._commands, json.dumps(message).encode() + b"\0")
        with self._lock:
            if not self._lock.wait_for(lambda: ident in self._results or self._closed, timeout):
                raise BrowserError(f"{method}: no answer from Chromium")
            if self._closed and ident not in self._results:
                raise BrowserError(f"{method}: Chromium went away")
            answer = self._results.pop(ident)
        if "error" in answer:
            raise BrowserError(f"{method}: {answer['error'].get('message')}")
        return answer.get("result", {})

    def new_page(self, width=1280, height=900, accept_language="en-US"):
        target = self.send("Target.createTarget", {"url": "about:blank"})["targetId"]
        session = self.send("Target.attachToTarget", {"targetId": target, "flatten": True})["sessionId"]
        page = Page(self, session)
        page.send("Runtime.enable")
        page.send("Page.enable")
        page.send("Emulation.setDeviceMetricsOverride",
                  {"width": width, "height": height, "deviceScaleFactor": 1, "mobile": False})
        # navigator.languages follows this.
        page.send("Emulation.setUserAgentOverride",
                  {"userAgent": "Mozilla/5.0 (X11; Linux x86_64) Chrome HeadlessTest",
                   "acceptLanguage": accept_language})
        return page

    def close(self):
        try:
            self.send("Browser.close", timeout=10)
        except BrowserError:
            pass
        try:
            self.process.wait(10)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()
        os.close(self._commands)
        self.profile.cleanup()


class Page:
    def __init__(self, browser, session):
        self.browser = browser
        self.session = session

    def send(self, method, params=None, timeout=60):
        return self.browser.send(method, params, self.session, timeout)

    def goto(self, url):
        self.send("Page.navigate", {"url": url})

    def evaluate(self, expression, timeout=60):
        answer = self.send("Runtime.evaluate", {"expression": expression, "returnByValue": True,
                                                "awaitPromise": True}, timeout)
        if "exceptionDetails" in answer:
            details = answer["exceptionDetails"]
            raise BrowserError(details.get("exception", {}).get("description")
                               or details.get("text"))
        return answer["result"].get("value")

    def wait_for(self, expression, what, timeout_s=60):
        """Waits in the page until `expression` is truthy; its value. Fails with `what`."""
        script = f"""new Promise((resolve) => {{
            const until = Date.now() + {int(timeout_s * 1000)};
            const look = () => {{
                let value;
                try {{ value = ({expression}); }} catch (e) {{ value = undefined; }}
                if (value || Date.now() > until) resolve(value || null);
                else setTimeout(look, 50);
            }};
            look();
        }})"""
        value = self.evaluate(script, timeout_s + 30)
        if not value:
            raise AssertionError(f"the page did not show {what}; it shows:\n{self.text()}")
        return value

    def text(self):
        return self.evaluate("document.body ? document.body.innerText : ''")

    def exceptions(self):
        return [params["exceptionDetails"] for session, method, params in self.browser.events
                if session == self.session and method == "Runtime.exceptionThrown"]

    def screenshot(self, path):
        data = self.send("Page.captureScreenshot", {"format": "png", "captureBeyondViewport": True})
        with open(path, "wb") as f:
            f.write(base64.b64decode(data["data"]))
