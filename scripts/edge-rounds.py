#!/usr/bin/env python3
"""Hostile rounds against the file readers and the store's writer; minutes long, so not a ctest.

swap ROUNDS: a loop swaps a set-up path between a regular file and a named pipe (an atomic
    exchange, as fast as it can) while `kesta-report --compare PATH example:light-deer` and
    `kesta-report --settings PATH` run on it, each under a 10 s limit. Every run must end in
    time, and either read the file (the same output as on the plain file) or refuse the pipe
    ("it is a named pipe", exit 3). Anything else is counted as a failure.
kill ROUNDS: the window (offscreen) is told to save by SIGTERM and killed with SIGKILL 0 to
    40 ms later. The store must be whole every time: the old bytes, or a new file with all 46
    keys. Files left beside it are counted; aged past a minute, one more start clears them.

usage: edge-rounds.py BUILD swap|kill ROUNDS
"""
import ctypes
import os
import random
import signal
import subprocess
import sys
import tempfile
import time

AT_FDCWD = -100
RENAME_EXCHANGE = 2
libc = ctypes.CDLL(None, use_errno=True)


def swap_loop(a, b):
    """In a child process: exchange the two names for ever."""
    pid = os.fork()
    if pid == 0:
        a, b = a.encode(), b.encode()
        while True:
            libc.renameat2(AT_FDCWD, a, AT_FDCWD, b, RENAME_EXCHANGE)
    return pid


def swap_rounds(build, rounds):
    tool = os.path.join(build, "cli", "kesta-report")
    folder = tempfile.mkdtemp(prefix="kesta-swap-")
    path = os.path.join(folder, "hunt.kesta")
    fifo = os.path.join(folder, "pipe")
    example = os.path.join(os.path.dirname(__file__), "..", "data", "examples",
                           "worked-example.kesta")
    with open(example) as f:
        text = f.read()
    with open(path, "w") as f:
        f.write(text.replace("\nspeed=300\n", "\nspeed=271\n"))
    os.mkfifo(fifo)
    commands = {
        "--compare": [tool, "--compare", path, "example:light-deer"],
        "--settings": [tool, "--settings", path],
    }
    expected = {}
    for name, cmd in commands.items():
        plain = subprocess.run(cmd, capture_output=True)
        assert plain.returncode == 0, plain.stderr
        expected[name] = plain.stdout
    results = {name: {"read": 0, "refused": 0, "hung": 0, "wrong": 0} for name in commands}
    swapper = swap_loop(fifo, path)
    try:
        for _ in range(rounds):
            for name, cmd in commands.items():
                try:
                    run = subprocess.run(cmd, capture_output=True, timeout=10)
                except subprocess.TimeoutExpired:
                    results[name]["hung"] += 1
                    continue
                if run.returncode == 0 and run.stdout == expected[name]:
                    results[name]["read"] += 1
                elif run.returncode == 3 and b"it is a named pipe" in run.stderr:
                    results[name]["refused"] += 1
                else:
                    results[name]["wrong"] += 1
                    print(name, run.returncode, run.stderr[:200], file=sys.stderr)
    finally:
        os.kill(swapper, signal.SIGKILL)
        os.waitpid(swapper, 0)
    for name, counts in results.items():
        print(f"{name}: {rounds} runs: " + ", ".join(f"{k} {v}" for k, v in counts.items()))
    return all(c["hung"] == 0 and c["wrong"] == 0 for c in results.values())


def catches_sigterm(pid):
    try:
        with open(f"/proc/{pid}/status") as f:
            for line in f:
                if line.startswith("SigCgt:"):
                    return (int(line.split()[1], 16) >> (signal.SIGTERM - 1)) & 1 == 1
    except OSError:
        pass
    return False


def start_window(build, config):
    env = dict(os.environ, XDG_CONFIG_HOME=config, QT_QPA_PLATFORM="offscreen")
    window = subprocess.Popen([os.path.join(build, "window", "kesta")], env=env,
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    deadline = time.time() + 20
    while not catches_sigterm(window.pid) and time.time() < deadline:
        time.sleep(0.01)
    return window


def values_keys(text):
    keys, group = 0, None
    for line in text.splitlines():
        if line.startswith("["):
            group = line.strip()
        elif group == "[values]" and "=" in line:
            keys += 1
    return keys


def kill_rounds(build, rounds):
    config = tempfile.mkdtemp(prefix="kesta-kill-")
    store = os.path.join(config, "KESTA", "KESTA.ini")
    os.makedirs(os.path.dirname(store))
    whole = old = new = 0
    for n in range(rounds):
        old_bytes = f"[values]\nspeed={n + 1}\nmass=400\n".encode()
        with open(store, "wb") as f:
            f.write(old_bytes)
        window = start_window(build, config)
        window.send_signal(signal.SIGTERM)
        time.sleep(random.uniform(0, 0.04))
        window.kill()
        window.wait()
        with open(store, "rb") as f:
            now = f.read()
        if now == old_bytes:
            old += 1
            whole += 1
        elif values_keys(now.decode()) == 46 and f"speed={n + 1}\n" in now.decode():
            new += 1
            whole += 1
        else:
            print("round", n, "store not whole:", now[:200], file=sys.stderr)
    folder = os.path.dirname(store)
    left = [name for name in os.listdir(folder) if name != "KESTA.ini"]
    print(f"kill: {rounds} rounds: whole {whole} (old {old}, new {new}), "
          f"files left beside the store {len(left)}")
    hour_ago = time.time() - 3600
    for name in left:
        os.utime(os.path.join(folder, name), (hour_ago, hour_ago), follow_symlinks=False)
    window = start_window(build, config)
    window.send_signal(signal.SIGTERM)
    window.wait()
    after = [name for name in os.listdir(folder) if name != "KESTA.ini"]
    print(f"kill: after one more start, files left {len(after)}")
    return whole == rounds and not after


def main():
    build, mode, rounds = sys.argv[1], sys.argv[2], int(sys.argv[3])
    ok = swap_rounds(build, rounds) if mode == "swap" else kill_rounds(build, rounds)
    sys.exit(0 if ok else 1)


if __name__ == "__main__":
    main()
