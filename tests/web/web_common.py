"""What the browser tests share: random set-ups, the native report of one, a local server for
the site and a headless Chromium."""
import contextlib
import json
import os
import random
import socket
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "cli"))
import random_setups  # noqa: E402


def random_pairs(count, seed):
    """Set-ups as random_setups makes them: half realistic, half wild."""
    rng = random.Random(seed)
    for case in range(count):
        wildness = 0.0 if case % 2 == 0 else rng.choice([0.02, 0.05, 0.2, 0.5])
        yield random_setups.random_setup(rng, wildness=wildness)


def native_report(kesta_report, pairs, home):
    """(text, error, place) of kesta-report on the pairs: its stdout and its error line."""
    args = [kesta_report] + ["%s=%s" % kv for kv in pairs.items()]
    env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=os.path.join(home, ".config"))
    run = subprocess.run(args, capture_output=True, timeout=120, env=env)
    text = run.stdout.decode("utf-8")
    if run.returncode == 0:
        return text, None, None
    err = run.stderr.decode("utf-8")
    m = random_setups.PLACE.match(run.stderr)
    if run.returncode != 3 or not m:
        raise RuntimeError("kesta-report exit %d: %r" % (run.returncode, err))
    return text, m.group(1).decode(), m.group(2).decode()


def free_port():
    with contextlib.closing(socket.socket()) as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


class Server:
    """python3 -m http.server for the site on 127.0.0.1 and a free port."""

    def __init__(self, site, port=None):
        self.site = site
        self.port = port or free_port()
        self.process = None

    def start(self):
        self.process = subprocess.Popen(
            [sys.executable, "-m", "http.server", "--bind", "127.0.0.1", "-d", self.site,
             str(self.port)], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        deadline = time.time() + 20
        while time.time() < deadline:
            with contextlib.closing(socket.socket()) as s:
                if s.connect_ex(("127.0.0.1", self.port)) == 0:
                    return self
            time.sleep(0.05)
        raise RuntimeError("the site server did not start")

    def stop(self):
        if self.process:
            self.process.terminate()
            self.process.wait(timeout=10)
            self.process = None

    @property
    def url(self):
        return "http://127.0.0.1:%d/" % self.port


def chromium(width=1280, height=900, downloads=None):
    from selenium import webdriver
    from selenium.webdriver.chrome.service import Service
    o = webdriver.ChromeOptions()
    o.binary_location = "/usr/bin/chromium"
    for arg in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-dev-shm-usage",
                "--window-size=%d,%d" % (width, height), "--force-device-scale-factor=1"):
        o.add_argument(arg)
    o.set_capability("goog:loggingPrefs", {"performance": "ALL"})
    if downloads:
        o.add_experimental_option("prefs", {"download.default_directory": downloads,
                                            "download.prompt_for_download": False})
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=o)
    driver.set_script_timeout(120)
    # Headless windows are never narrower than 500 px: a phone's screen is emulated instead.
    driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
        "width": width, "height": height, "deviceScaleFactor": 1, "mobile": width < 600})
    return driver


def wait_ready(driver):
    """Waits for window.kesta.ready; returns the milliseconds from navigation start."""
    return driver.execute_async_script(
        "const done = arguments[arguments.length - 1];"
        "const poll = () => window.kesta && window.kesta.ready"
        "  ? window.kesta.ready.then(() => done(performance.now()), (e) => done('failed: ' + e))"
        "  : setTimeout(poll, 10);"
        "poll();")


def dumps(pairs):
    return json.dumps(pairs, ensure_ascii=False)
