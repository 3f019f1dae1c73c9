"""What the browser tests share: random set-ups, the native report of one, a local server for
the site and a headless Chromium."""
import contextlib
import json
import os
import random
import re
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


def write_settings(path, groups):
    """An INI file of {group: {key: text}} as the settings store writes one."""
    with open(path, "w", encoding="utf-8") as ini:
        for group, pairs in groups.items():
            ini.write("[%s]\n" % group)
            for key, text in pairs.items():
                ini.write('%s="%s"\n' % (key, text.replace("\\", "\\\\").replace('"', '\\"')))


def engine_answers(site, inputs, mode="report"):
    """The built site's engine under node (engine_driver.js): one answer per input, in order."""
    driver = os.path.join(HERE, "engine_driver.js")
    run = subprocess.run(["node", driver, site, mode],
                         input="\n".join(map(json.dumps, inputs)) + "\n",
                         capture_output=True, text=True, timeout=1800)
    if run.returncode != 0:
        sys.exit("node failed: " + run.stderr)
    answers = [json.loads(line) for line in run.stdout.splitlines()]
    if len(answers) != len(inputs):
        sys.exit("node answered %d of %d" % (len(answers), len(inputs)))
    return answers


def native_report(kesta_report, pairs, home):
    """(text, error, place) of kesta-report on the pairs: its stdout and its error line."""
    # Through a settings file, as the window's store holds them: the command line refuses
    # option values the store's loading rules still read ("yes", " FALSE ", "2.5").
    settings = os.path.join(home, "pairs.kesta")
    write_settings(settings, {"values": pairs})
    args = [kesta_report, "--quiet", "--settings", settings]
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


ERROR_LINE = re.compile(r"^error: (.*) \((.*)\)\n$", re.S)


def native_downrange(kesta_report, pairs, downrange, home, *options):
    """(stdout, error, place) of kesta-report --downrange or --ranges (in `options`) on the
    form's pairs and the downrange inputs, read from a settings file as the store holds them."""
    settings = os.path.join(home, "downrange.kesta")
    write_settings(settings, {"values": pairs, "downrange": downrange})
    env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=os.path.join(home, ".config"))
    run = subprocess.run([kesta_report, "--quiet", "--settings", settings, *options],
                         capture_output=True, timeout=120, env=env)
    if run.returncode == 0:
        return run.stdout.decode("utf-8"), None, None
    err = run.stderr.decode("utf-8")
    m = ERROR_LINE.match(err)
    if run.returncode != 3 or not m:
        raise RuntimeError("kesta-report %s exit %d: %r" % (" ".join(options), run.returncode, err))
    return run.stdout.decode("utf-8"), m.group(1), m.group(2)


def random_downrange(rng, wildness):
    """Downrange inputs: each key absent now and then (its default), realistic texts, a pair
    of chronograph readings in a third of the cases, and with `wildness` texts no model takes."""
    pairs = {}
    realistic = {
        "ShaftOD": lambda: "%.3f" % rng.uniform(0.2, 0.45),
        "Fletching": lambda: rng.choice(["small", "large"]),
        "Head": lambda: rng.choice(["field", "fixed", "mechanical"]),
        "Altitude": lambda: str(rng.randint(-400, 4000)),
        "Temperature": lambda: "%.1f" % rng.uniform(-25, 40),
        "Zero": lambda: str(rng.randint(10, 45)),
        "MaxDistance": lambda: str(rng.randint(5, 130)),
    }
    for key, make in realistic.items():
        if rng.random() < 0.15:
            continue
        pairs[key] = rng.choice(["", "x", "0", "-3", "250.5", "FIXED"]) \
            if rng.random() < wildness else make()
    if rng.random() < 0.33:
        near = rng.uniform(150, 380)
        near_yards = rng.randint(1, 10)
        pairs.update({"ChronoNear": "%.1f" % near, "ChronoNearYards": str(near_yards),
                      "ChronoFar": "%.1f" % (near * rng.uniform(0.85, 0.99)),
                      "ChronoFarYards": str(near_yards + rng.randint(10, 50))})
        if rng.random() < wildness:
            del pairs["ChronoFar"]
    return pairs


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
