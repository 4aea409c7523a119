#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""The line lead's page at line scale: STATIONS stations of SLOTS slots publish as busy stations
do (each board's start, its phases and its end, with the station's retained overview after each
start and end) to a real Mosquitto on 127.0.0.1, and the page in headless Chromium follows. A probe
station publishes a numbered overview every second; the page's card shows the number, and the
time from the publish to the page's DOM holding it is the page's delay behind the broker. The
page's JavaScript heap (after a garbage collection) and its DOM nodes are sampled every 30 s.
Bounded: --minutes (10), --stations (50), --slots (24), --board-seconds (60 per board).

Usage: bench/dashboard_load.py --source . [--minutes 10]   (prints the figures)"""

import argparse
import heapq
import json
import os
import socket
import statistics
import struct
import sys
import tempfile
import threading
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "dashboard"))
from cdp import Chromium  # noqa: E402
from line_scene import PREFIX, Broker  # noqa: E402

PHASES = ["mcu_erase", "mcu_write", "mcu_crc_check", "flash_erase", "flash_write", "flash_crc_check"]


def remaining_length(n):
    out = bytearray()
    while True:
        byte, n = n % 128, n // 128
        out.append(byte | (0x80 if n else 0))
        if not n:
            return bytes(out)


def text(s):
    b = s.encode()
    return struct.pack(">H", len(b)) + b


class Publisher:
    """Just enough MQTT 3.1.1 to publish with QoS 0: the load must not wait for acknowledgements."""

    def __init__(self, port, user, password, name):
        self.sock = socket.create_connection(("127.0.0.1", port))
        body = text("MQTT") + bytes([4, 0xC2]) + struct.pack(">H", 300) + \
            text(f"{name}-{os.getpid()}") + text(user) + text(password)
        self.sock.sendall(bytes([0x10]) + remaining_length(len(body)) + body)
        ack = self.sock.recv(4)
        if len(ack) != 4 or ack[3] != 0:
            raise RuntimeError(f"the broker refused the load generator: {ack!r}")

    def publish(self, topic, payload, retain=False):
        body = text(topic) + payload
        self.sock.sendall(bytes([0x31 if retain else 0x30]) + remaining_length(len(body)) + body)


def iso(ms):
    return time.strftime("%Y-%m-%dT%H:%M:%S", time.gmtime(ms / 1000)) + f".{int(ms % 1000):03d}Z"


class FakeStation:
    def __init__(self, name, slots, now):
        self.name = name
        self.since = iso(now)
        self.slots = [{"port": f"/dev/ttyACM{i}", "slot": str(i + 1), "state": "ok", "since": iso(now),
                       "model": "KQ31B", "failure": None, "reason": None} for i in range(slots)]
        self.counters = dict(boards=0, ok=0, failed=0, interrupted=0, first_pass_boards=0,
                             first_pass_ok=0)
        self.failures = []
        self.buckets = {}

    def overview(self, now):
        return json.dumps({
            "v": 1, "event": "overview", "time": iso(now), "station": self.name, "since": self.since,
            "recipe": {"command": "update-all", "model": "KQ31B", "product": "panel",
                       "version": "2.4", "bundle_sha256": "ab" * 32},
            "counters": self.counters, "slots": self.slots, "failures": self.failures[-20:],
            "per_10_minutes": [{"start": iso(k), "ok": v[0], "failed": v[1]}
                               for k, v in sorted(self.buckets.items())]}).encode()


def generate(broker, stations, slots, board_ms, until, stop, counts):
    pub = Publisher(broker.mqtt_port, "station", Broker.USERS["station"], "load")
    now = time.time() * 1000
    line = [FakeStation(f"station-{s:02d}", slots, now) for s in range(stations)]
    for st in line:
        pub.publish(f"{PREFIX}/{st.name}/state", b"running", retain=True)
        pub.publish(f"{PREFIX}/{st.name}/overview", st.overview(now), retain=True)
    # Each slot's next step, spread over a board's time: (when, station, slot, step).
    steps = []
    for s in range(stations):
        for i in range(slots):
            steps.append((now + (s * slots + i) * board_ms / (stations * slots), s, i, 0))
    heapq.heapify(steps)
    step_ms = board_ms / (len(PHASES) + 1)
    sent = 0
    while not stop.is_set() and time.time() * 1000 < until:
        when, s, i, step = steps[0]
        delay = (when - time.time() * 1000) / 1000
        if delay > 0:
            stop.wait(delay)
            continue
        now = time.time() * 1000
        st, slot = line[s], line[s].slots[i]
        topic = f"{PREFIX}/{st.name}"
        if step == 0:
            slot.update(state="running", since=iso(now), failure=None, reason=None)
            pub.publish(f"{topic}/overview", st.overview(now), retain=True)
        elif step <= len(PHASES):
            pub.publish(f"{topic}/ttyACM{i}/phase", json.dumps(
                {"v": 1, "event": "phase", "time": iso(now), "port": slot["port"],
                 "phase": PHASES[step - 1]}).encode())
        else:
            ok = (sent + i) % 50 != 0  # one board in fifty fails
            slot.update(state="ok" if ok else "fail", since=iso(now),
                        failure=None if ok else "no_reply", reason=None if ok else "Time over!")
            c = st.counters
            c["boards"] += 1
            c["ok" if ok else "failed"] += 1
            c["first_pass_boards"] += 1
            c["first_pass_ok"] += int(ok)
            bucket = st.buckets.setdefault(int(now // 600000 * 600000), [0, 0])
            bucket[0 if ok else 1] += 1
            if not ok:
                st.failures.append({"time": iso(now), "port": slot["port"], "slot": slot["slot"],
                                    "model": "KQ31B", "failure": "no_reply", "reason": "Time over!"})
                del st.failures[:-20]
            pub.publish(f"{topic}/overview", st.overview(now), retain=True)
        sent += 1
        heapq.heapreplace(steps, (when + step_ms, s, i, (step + 1) % (len(PHASES) + 2)))
    counts["messages"] = sent


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--source", required=True)
    parser.add_argument("--minutes", type=float, default=10)
    parser.add_argument("--stations", type=int, default=50)
    parser.add_argument("--slots", type=int, default=24)
    parser.add_argument("--board-seconds", type=float, default=60)
    args = parser.parse_args()
    if not (0 < args.minutes <= 60 and 0 < args.stations <= 200 and 0 < args.slots <= 256):
        parser.error("at most 60 minutes, 200 stations, 256 slots")

    work = tempfile.TemporaryDirectory(prefix="tessara-dashboard-load-")
    broker = Broker(work.name, os.path.join(args.source, "data", "dashboard"))
    broker.start()
    browser = Chromium()
    stop = threading.Event()
    counts = {}
    try:
        page = browser.new_page()
        page.goto(f"http://127.0.0.1:{broker.ws_port}/index.html?prefix={PREFIX}&user=dashboard")
        page.wait_for('!document.getElementById("login").hidden', "the sign-in form")
        page.evaluate(f"""(() => {{
            document.getElementById("login-password").value = {json.dumps(Broker.USERS["dashboard"])};
            document.getElementById("login").requestSubmit();
        }})()""")
        page.wait_for('document.getElementById("connection").textContent.startsWith("Connected")',
                      "the connection")
        # When the probe's card shows a new number: (number, ms since the epoch).
        page.evaluate("""(() => {
            window.seen = [];
            new MutationObserver(() => {
                const dd = document.querySelector('article[data-station="probe"] dd[data-counter="boards"]');
                const n = dd ? Number(dd.textContent) : -1;
                if (n > 0 && (window.seen.length === 0 || window.seen[window.seen.length - 1][0] !== n))
                    window.seen.push([n, Date.now()]);
            }).observe(document.getElementById("stations"), { childList: true, subtree: true });
        })()""")
        until = time.time() * 1000 + args.minutes * 60000
        load = threading.Thread(target=generate, args=(broker, args.stations, args.slots,
                                                        args.board_seconds * 1000, until, stop, counts))
        load.start()
        probe = Publisher(broker.mqtt_port, "station", Broker.USERS["station"], "probe")
        probe_station = FakeStation("probe", 1, time.time() * 1000)
        published = {}
        heap = []
        n = 0
        next_sample = time.time() + 30
        while time.time() * 1000 < until:
            n += 1
            probe_station.counters["boards"] = n
            now = time.time() * 1000
            published[n] = now
            probe.publish(f"{PREFIX}/probe/overview", probe_station.overview(now), retain=True)
            if time.time() >= next_sample:
                page.send("HeapProfiler.collectGarbage")
                used = page.send("Runtime.getHeapUsage")["usedSize"]
                nodes = page.send("Memory.getDOMCounters")["nodes"]
                heap.append((used, nodes))
                next_sample += 30
            time.sleep(1)
        stop.set()
        load.join()
        seen = page.evaluate("window.seen")
        delays = sorted(at - published[number] for number, at in seen if number in published)
        cards = page.evaluate('document.querySelectorAll("#stations article").length')
        print(f"{args.stations} stations x {args.slots} slots, a board every {args.board_seconds:g} s "
              f"per slot, {args.minutes:g} min: {counts.get('messages', 0)} station messages "
              f"({counts.get('messages', 0) / (args.minutes * 60):.0f}/s), {cards} cards")
        if delays:
            print(f"page behind the broker: median {statistics.median(delays):.0f} ms, "
                  f"95th percentile {delays[int(0.95 * (len(delays) - 1))]:.0f} ms, "
                  f"max {delays[-1]:.0f} ms over {len(delays)} probes ({n} sent)")
        if heap:
            print("JS heap after GC (MB) every 30 s: " + " ".join(f"{u / 1e6:.1f}" for u, _ in heap))
            print("DOM nodes every 30 s: " + " ".join(str(d) for _, d in heap))
        assert page.exceptions() == [], page.exceptions()
    finally:
        stop.set()
        browser.close()
        broker.stop()


if __name__ == "__main__":
    main()
