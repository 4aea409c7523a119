#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""The line lead's page in Debian's Chromium, headless, against a real Mosquitto that serves it
and stations made of tessara-cli runs of simulated boards: a station that passes its boards on
release 2.4, a later one whose board fails on the older 2.3 and whose name holds markup. The page
asks for the read-only password it was refused without, shows both stations, the failure with its
reason and what to do, the version warning and the right counters; refuses bad messages with a
line each and nothing else, and lets the lines go once their topic is well again; has no
accessibility violation (axe-core); speaks Chinese to a
Chinese browser; lets the keyboard reach every station; survives a broker restart; and, once a
station is started again with its report, counts the boards that report holds of it.

--screenshot PATH also saves the page as it shows the line (for the README)."""

import argparse
import json
import os
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from cdp import Chromium  # noqa: E402
from line_scene import PREFIX, Board, Broker, Station, make_bundle  # noqa: E402

MARKUP_NAME = 'bench-2 <img src=x onerror="window.injected=1"><b>'


def card(station_level):
    """The expression of a station's card, by its topic level."""
    return f'document.querySelector(`article[data-station="${{CSS.escape({json.dumps(station_level)})}}"]`)'


def counters_of(page, level):
    return page.evaluate(f"""(() => {{
        const card = {card(level)};
        if (!card) return null;
        const out = {{}};
        for (const dd of card.querySelectorAll("dd")) out[dd.dataset.counter] = dd.textContent;
        return out;
    }})()""")


def wait_counters(page, level, expected):
    """Until the card of `level` shows `expected` (a subset of its counters)."""
    wanted = json.dumps(expected)
    page.wait_for(f"""(() => {{
        const card = {card(level)};
        if (!card) return false;
        const want = {wanted};
        return Object.keys(want).every((k) =>
            (card.querySelector(`dd[data-counter="${{k}}"]`) || {{}}).textContent === want[k]);
    }})()""", f"{level} with the counters {expected}")


def sign_in(page, password):
    page.wait_for('!document.getElementById("login").hidden', "the sign-in form")
    page.evaluate(f"""(() => {{
        document.getElementById("login-password").value = {json.dumps(password)};
        document.getElementById("login").requestSubmit();
    }})()""")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--cli", required=True)
    parser.add_argument("--sim", required=True)
    parser.add_argument("--source", required=True, help="the source tree")
    parser.add_argument("--screenshot")
    args = parser.parse_args()
    page_dir = os.path.join(args.source, "data", "dashboard")
    flash_ini = os.path.join(args.source, "data", "Flash.ini")
    axe = os.path.join(args.source, "tests", "dashboard", "vendor", "axe.min.js")

    work = tempfile.TemporaryDirectory(prefix="tessara-dashboard-")
    folder = work.name
    broker = Broker(folder, page_dir)
    broker.start()
    boards, stations, browser = [], [], None
    try:
        new_release = make_bundle(args.cli, folder, "panel", "2.4")
        old_release = make_bundle(args.cli, folder, "panel", "2.3")
        boards = [Board(args.sim), Board(args.sim), Board(args.sim, "--fault", "N:1:bad-crc"),
                  Board(args.sim)]

        # The first station passes its two boards before the page is opened: the page learns
        # of them from the station's retained overview alone.
        report = os.path.join(folder, "bench-1.jsonl")
        stations.append(Station(args.cli, folder, broker, "bench-1", new_release, boards[0:2],
                                True, flash_ini, report))
        browser = Chromium()
        page = browser.new_page()
        url = f"http://127.0.0.1:{broker.ws_port}/index.html?prefix={PREFIX}&user=dashboard"
        page.goto(url)
        page.wait_for('document.getElementById("connection").textContent.includes("refused")',
                      "that the broker refused the page's user name or password")
        assert "refused" in page.evaluate('document.getElementById("problems").textContent')
        sign_in(page, Broker.USERS["dashboard"])
        page.wait_for('document.getElementById("connection").textContent.startsWith("Connected")',
                      "the connection")
        # Signed in: the refusal is past, and its line goes.
        page.wait_for('document.getElementById("problems-section").hidden', "no problem left")
        assert page.evaluate('document.querySelectorAll("#problems li").length') == 0
        wait_counters(page, "bench-1", {"boards": "2", "ok": "2", "failed": "0", "fpy": "100 %"})

        # The second station, of the older release, fails its board: its MCU check does not
        # hold.
        stations.append(Station(args.cli, folder, broker, MARKUP_NAME, old_release, boards[2:3],
                                True, flash_ini))
        level = MARKUP_NAME  # no "/", "+" or "#" in it: the topic level is the name
        wait_counters(page, level, {"boards": "1", "ok": "0", "failed": "1", "fpy": "0 %"})
        failure = page.wait_for("""(() => {
            const row = document.querySelector("#failures tbody tr");
            return row && [...row.cells].map((c) => c.textContent);
        })()""", "a failure row")
        assert failure[1] == MARKUP_NAME, failure
        assert failure[3] == "the MCU flash does not hold the image after writing", failure
        assert failure[4] == "re-seat the board" or failure[4] == \
            "set the board aside and call the engineer", failure
        slot_word = page.evaluate(f'{card(level)}.querySelector(".slots li").textContent')
        assert slot_word.endswith(": FAILED"), slot_word
        warning = page.wait_for('document.getElementById("warnings").textContent',
                                "the version warning")
        assert "panel" in warning and "2.3 on " + MARKUP_NAME in warning \
            and "2.4 on bench-1" in warning, warning

        # The name is shown as it is, and nothing in it ran or became an element.
        name = page.evaluate(f'{card(level)}.querySelector(".name").textContent')
        assert name == MARKUP_NAME, name
        assert page.evaluate('typeof window.injected') == "undefined"
        assert page.evaluate('document.querySelectorAll("#stations img, #stations b").length') == 0

        if args.screenshot:
            page.screenshot(args.screenshot)

        # No accessibility violation that axe-core finds.
        with open(axe, encoding="utf-8") as f:
            page.evaluate(f.read())
        violations = page.evaluate("""axe.run(document).then((r) => r.violations.map((v) =>
            v.id + ": " + v.nodes.map((n) => n.target.join(" ")).join(", ")))""")
        assert violations == [], violations

        # The keyboard alone reaches every station.
        reached = set()
        for _ in range(10):
            for kind in ("keyDown", "keyUp"):
                page.send("Input.dispatchKeyEvent", {"type": kind, "key": "Tab", "code": "Tab",
                                                     "windowsVirtualKeyCode": 9})
            reached.add(page.evaluate("document.activeElement.dataset.station || ''"))
        assert {"bench-1", MARKUP_NAME} <= reached, reached

        # Bad messages: each is one line on the page; no station appears or goes.
        bad = os.path.join(folder, "bad")
        for topic, payload in [(f"{PREFIX}/evil/overview", b"{not json"),
                               (f"{PREFIX}/evil/overview", b"x" * (600 * 1024)),
                               (f"{PREFIX}/odd/state", b"<script>window.injected=2</script>"),
                               (f"{PREFIX}/evil/overview",
                                json.dumps({"v": 1, "event": "overview", "station": "x",
                                            "counters": {"boards": -1}}).encode())]:
            with open(bad, "wb") as f:
                f.write(payload)
            broker.publish(topic, bad)
        problems = page.wait_for("""(() => {
            const items = [...document.querySelectorAll("#problems li")].map((li) => li.textContent);
            return items.length >= 4 && items;
        })()""", "a line for each bad message")
        joined = "\n".join(problems)
        for part in ["it is not JSON", "more than 524288", "is not a station state",
                     "counters.boards is not a count"]:
            assert part in joined, (part, joined)
        assert page.evaluate('document.querySelectorAll("#stations article").length') == 2
        assert page.evaluate('typeof window.injected') == "undefined"
        wait_counters(page, "bench-1", {"boards": "2", "ok": "2"})
        # A message the page takes on a topic puts its earlier problems behind it (here the
        # plant clears the retained overview of "evil"); the other topic's line stays.
        broker.publish(f"{PREFIX}/evil/overview", None, retain=True)
        left = page.wait_for("""(() => {
            const items = [...document.querySelectorAll("#problems li")].map((li) => li.textContent);
            return items.length === 1 && items;
        })()""", "the lines of evil/overview gone")
        assert "is not a station state" in left[0], left

        # The broker restarts: the page says so, connects again by itself and hears a station
        # that publishes after it.
        broker.stop()
        page.wait_for('document.getElementById("connection").textContent.includes("lost")',
                      "that the connection is lost")
        broker.start()
        page.wait_for('document.getElementById("connection").textContent.startsWith("Connected")',
                      "the connection again")
        stations.append(Station(args.cli, folder, broker, "bench-3", new_release, boards[3:4],
                                False, flash_ini))
        wait_counters(page, "bench-3", {"boards": "1", "ok": "1"})
        wait_counters(page, "bench-1", {"boards": "2", "ok": "2"})

        # A station that dies is offline by its last will, keeps its totals, and its version
        # no longer warns: the one other station running is alone with its version.
        stations[0].process.kill()
        stations[0].process.wait()
        page.wait_for(f'{card("bench-1")}.querySelector(".state").textContent === "offline"',
                      "bench-1 offline")
        page.wait_for('document.getElementById("warnings-section").hidden',
                      "no version warning")
        wait_counters(page, "bench-1", {"boards": "2", "ok": "2"})

        # bench-1 is started again with its report, on a new board: its counters go on from the
        # two boards the report holds (a count from the restart would say 1).
        boards.append(Board(args.sim))
        stations.append(Station(args.cli, folder, broker, "bench-1", new_release, boards[4:5],
                                True, flash_ini, report))
        wait_counters(page, "bench-1", {"boards": "3", "ok": "3", "failed": "0", "fpy": "100 %"})
        page.wait_for(f'{card("bench-1")}.querySelector(".state").textContent !== "offline"',
                      "bench-1 back")

        # A Chinese browser gets the page in Chinese.
        chinese = browser.new_page(accept_language="zh-CN,zh;q=0.9")
        chinese.goto(url)
        sign_in(chinese, Broker.USERS["dashboard"])
        chinese.wait_for(f'{card("bench-3")} && {card("bench-3")}.textContent.includes("通过")',
                         "bench-3 in Chinese")
        assert chinese.evaluate("document.documentElement.lang") == "zh-CN"
        assert chinese.evaluate('document.querySelector("h1").textContent') == "Tessara 产线"

        for p in (page, chinese):
            assert p.exceptions() == [], p.exceptions()
    finally:
        if browser:
            browser.close()
        for station in stations:
            station.stop()
        for board in boards:
            board.stop()
        broker.stop()
    print("the page showed the line as expected")


if __name__ == "__main__":
    main()
