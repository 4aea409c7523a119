# SPDX-License-Identifier: MIT
"""A small production line on 127.0.0.1 for the line lead's page: a real Mosquitto serving the
page (http_dir) on a WebSockets listener, simulated boards (tessara-sim) and stations made of
tessara-cli runs that publish to it. Every port is chosen free at run time."""

import os
import random
import signal
import socket
import struct
import subprocess
import threading

PREFIX = "line1"


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


class Broker:
    """Mosquitto with a station user (read and write under PREFIX) and the page's read-only user."""

    USERS = {"station": "st-pass", "dashboard": "dash-pass"}

    def __init__(self, folder, page_dir):
        self.folder = folder
        self.mqtt_port = free_port()
        self.ws_port = free_port()
        passwords = os.path.join(folder, "passwords")
        for i, (user, password) in enumerate(self.USERS.items()):
            subprocess.run(["mosquitto_passwd", "-b"] + (["-c"] if i == 0 else [])
                           + [passwords, user, password], check=True)
        acl = os.path.join(folder, "acl")
        with open(acl, "w") as f:
            f.write(f"user station\ntopic readwrite {PREFIX}/#\n\n"
                    f"user dashboard\ntopic read {PREFIX}/#\n")
        self.config = os.path.join(folder, "mosquitto.conf")
        with open(self.config, "w") as f:
            # Mosquitto 2.0 needs a plain listener beside a WebSockets one, and binds the latter
            # to the address only with socket_domain.
            f.write(f"listener {self.mqtt_port} 127.0.0.1\n"
                    f"listener {self.ws_port} 127.0.0.1\nsocket_domain ipv4\n"
                    f"protocol websockets\nhttp_dir {page_dir}\n"
                    f"allow_anonymous false\npassword_file {passwords}\nacl_file {acl}\n"
                    f"persistence true\npersistence_location {folder}/\nuser root\n"
                    "log_dest stderr\n")
        self.process = None

    def start(self):
        """Starts it and returns once it says it runs (every listener open)."""
        self.process = subprocess.Popen(["mosquitto", "-c", self.config], stdout=subprocess.PIPE,
                                        stderr=subprocess.STDOUT)
        said = []
        for line in self.process.stdout:
            said.append(line)
            if b" running" in line:
                break
        else:
            raise RuntimeError("mosquitto did not start: " + b"".join(said).decode(errors="replace"))
        # What it says later goes to its log file, so that the pipe never fills.
        log = open(os.path.join(self.folder, "mosquitto.log"), "ab")
        log.writelines(said)
        threading.Thread(target=lambda out: [log.write(line) for line in out],
                         args=(self.process.stdout,), daemon=True).start()

    def stop(self):
        if self.process and self.process.poll() is None:
            self.process.terminate()
            self.process.wait(20)
        self.process = None

    def url(self):
        return f"mqtt://127.0.0.1:{self.mqtt_port}/{PREFIX}"

    def publish(self, topic, payload_file, retain=False):
        """Publishes the file's bytes; None: an empty message."""
        user = "station"
        subprocess.run(["mosquitto_pub", "-h", "127.0.0.1", "-p", str(self.mqtt_port), "-u", user,
                        "-P", self.USERS[user], "-q", "1", "-t", topic]
                       + (["-f", payload_file] if payload_file else ["-n"])
                       + (["-r"] if retain else []), check=True)


class Board:
    """A simulated board: tessara-sim on a pseudo-terminal."""

    def __init__(self, sim, *options):
        self.process = subprocess.Popen([sim] + list(options), stdout=subprocess.PIPE,
                                        stderr=subprocess.DEVNULL, text=True)
        self.port = self.process.stdout.readline().strip()
        if not self.port:
            raise RuntimeError("tessara-sim did not name its terminal")

    def stop(self):
        self.process.terminate()
        self.process.wait(10)


class Station:
    """A station: tessara-cli publishing to the broker, on the boards given."""

    def __init__(self, cli, folder, broker, name, bundle, boards, watch, flash_ini, report=None):
        auth = os.path.join(folder, "station.auth")
        with open(auth, "w") as f:
            f.write(f"station:{Broker.USERS['station']}\n")
        env = dict(os.environ)
        env["TESSARA_SERIALCOMM"] = ";".join(
            f"\\Device\\USBSER{i:03d}={board.port}" for i, board in enumerate(boards))
        arguments = [cli] + (["--watch"] if watch else []) + [
            "--all", "--quiet", "--mqtt", broker.url(), "--mqtt-auth", auth, "--station", name,
            "--flash-ini", flash_ini, "--bundle", bundle] + (
            ["--report", report] if report else []) + ["update-all"]
        self.log = open(os.path.join(folder, f"station-{len(os.listdir(folder))}.log"), "wb")
        self.process = subprocess.Popen(arguments, env=env, stdout=self.log,
                                        stderr=subprocess.STDOUT)

    def stop(self):
        if self.process.poll() is None:
            self.process.send_signal(signal.SIGINT)
        return self.process.wait(30)


def write_images(folder):
    """An MCU image (run address 0x0800A000) and a flash image; their paths."""
    rng = random.Random(5)
    mcu = bytearray(rng.getrandbits(8) for _ in range(6000))
    mcu[4:8] = struct.pack("<I", 0x0800A000)
    flash = bytes(rng.getrandbits(8) for _ in range(70000))
    paths = os.path.join(folder, "mcu.bin"), os.path.join(folder, "flash.bin")
    for path, data in zip(paths, (mcu, flash)):
        with open(path, "wb") as f:
            f.write(data)
    return paths


def make_bundle(cli, folder, product, version):
    mcu, flash = write_images(folder)
    path = os.path.join(folder, f"{product}-{version}.kqb")
    subprocess.run([cli, "bundle", "create", path, "--model", "KQ31B", "--mcu", mcu, "--flash",
                    flash, "--product", product, "--version", version], check=True,
                   stdout=subprocess.DEVNULL)
    return path
