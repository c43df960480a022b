#!/usr/bin/env python3
"""Captures jdb transcripts in the attach form, as the debugger talks to it.

The program is started with the jdwp agent listening on a free port, jdb is
attached to it, and the debugger's own opening is sent on "Initializing jdb":
the watch dumps, one "stop at" per mark and a bare "run". Then each step
waits for a pattern in jdb's output and sends a command (or kills the
program). Writes <name>.jdb: every byte jdb wrote, unchanged.

usage: capture.py JAVA_BIN_DIR CLASS_FOLDER OUT_FOLDER [SCENARIO...]

CLASS_FOLDER must hold the Java sources of this folder, Big.java (written by
this script when missing) and their classes compiled with javac -g. The
fixtures are OUT_FOLDER/<scenario>.jdb renamed to <scenario>-<kit>.jdb.
"""
import os
import re
import signal
import subprocess
import sys
import threading
import time

# name: (main class, watches, marks, steps, program input)
# A step is (pattern awaited in jdb's output since the last step, action);
# the action is a command, "!kill" (SIGKILL the program) or None (only wait).
HIT = r"Breakpoint hit"
SCENARIOS = {
    "counter": ("Counter", [], [5], [
        (HIT, None),
        (r"main\[1\] $", "set Counter.count = 41"),
        (r"main\[1\] $", "cont"),
        (r"exited", None)], None),
    "dumps": ("Dumps", ["Dumps.count"], [13], [
        (HIT, None),
        (r"main\[1\] $", "dump Dumps.count"),
        (r"main\[1\] $", "dump Dumps.name"),
        (r"main\[1\] $", "dump Dumps.origin"),
        (r"main\[1\] $", "dump Dumps.arr"),
        (r"main\[1\] $", "print Dumps.origin"),
        (r"main\[1\] $", "up"),
        (r"main\[2\] $", "where"),
        (r"main\[2\] $", "list"),
        (r"main\[2\] $", "dump Dumps.nothing"),
        (r"main\[2\] $", "cont"),
        (r"exited", None)], None),
    "big": ("Big", [], [1203], [
        (HIT, None),
        (r"main\[1\] $", "where"),
        (r"main\[1\] $", "cont"),
        (r"exited", None)], None),
    "dumpcont": ("Tight", ["Tight.i"], [6], [
        (HIT, None),
        (r"main\[1\] $", "dump Tight.i\ncont"),
        (r"main\[1\] $", "dump Tight.i\ncont"),
        (r"main\[1\] $", "dump Tight.i\ncont"),
        (r"main\[1\] $", "dump Tight.i\ncont"),
        (r"main\[1\] $", "clear Tight:6"),
        (r"main\[1\] $", "cont"),
        (r"exited", None)], None),
    "exception": ("Thrower", [], [], [
        (r"Exception occurred", None),
        (r"main\[1\] $", "cont"),
        (r"exited|disconnected", None)], None),
    "killed": ("Counter", [], [5], [
        (HIT, None),
        (r"main\[1\] $", "!kill"),
        (r"disconnected|exited", None)], None),
    "badmark": ("Counter", [], [3, 5], [
        (HIT, None),
        (r"main\[1\] $", "cont"),
        (r"exited", None)], None),
    "missing": ("Missing", [], [5], [
        (r"exited|disconnected", None)], None),
    "input": ("Ask", ["Ask.name"], [10], [
        (HIT, None),
        (r"main\[1\] $", "dump Ask.name"),
        (r"main\[1\] $", "threads"),
        (r"main\[1\] $", "cont"),
        (r"exited", None)], "Grace\n"),
    "exit": ("Counter", [], [5], [
        (HIT, None),
        (r"main\[1\] $", "exit"),
        (r"$^", None)], None),
    "thread": ("Worker", [], [6], [
        (HIT, None),
        (r"Thread-0\[1\] $", "where"),
        (r"Thread-0\[1\] $", "cont"),
        (r"exited", None)], None),
    "repeat": ("Dumps", [], [13], [
        (HIT, None),
        (r"main\[1\] $", "up\n"),
        (r"main\[\d\] $", "where"),
        (r"main\[\d\] $", "cont"),
        (r"exited", None)], None),
}


class Reader(threading.Thread):
    def __init__(self, stream):
        super().__init__(daemon=True)
        self.stream = stream
        self.data = bytearray()
        self.lock = threading.Lock()
        self.done = False

    def run(self):
        while True:
            b = os.read(self.stream.fileno(), 4096)
            if not b:
                break
            with self.lock:
                self.data += b
        self.done = True

    def text(self):
        with self.lock:
            return bytes(self.data).decode("utf-8", "replace")


def wait_for(reader, pattern, start, timeout=15.0):
    deadline = time.time() + timeout
    rx = re.compile(pattern)
    while time.time() < deadline:
        text = reader.text()
        m = rx.search(text, start)
        if m:
            return m.end()
        if reader.done:
            return None
        time.sleep(0.02)
    return None


def capture(java_bin, classes, out, name):
    main, watches, marks, steps, program_input = SCENARIOS[name]
    rc = os.path.join(classes, ".jdbrc")
    if name == "repeat":
        with open(rc, "w") as f:
            f.write("repeat on\n")
    elif os.path.exists(rc):
        os.remove(rc)
    program = subprocess.Popen(
        [os.path.join(java_bin, "java"),
         "-agentlib:jdwp=transport=dt_socket,server=y,suspend=y,address=127.0.0.1:0",
         "-classpath", ".", main],
        cwd=classes, stdin=subprocess.PIPE, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
        start_new_session=True)
    prog = Reader(program.stdout)
    prog.start()
    end = wait_for(prog, r"Listening for transport dt_socket at address: (\d+)\n", 0)
    port = re.search(r"address: (\d+)", prog.text()).group(1)
    jdb = subprocess.Popen(
        [os.path.join(java_bin, "jdb"), "-J-Duser.language=en", "-attach", "127.0.0.1:" + port],
        cwd=classes, stdin=subprocess.PIPE, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
        start_new_session=True)
    reader = Reader(jdb.stdout)
    reader.start()

    def send(text):
        try:
            jdb.stdin.write((text + "\n").encode())
            jdb.stdin.flush()
        except BrokenPipeError:
            pass

    pos = wait_for(reader, r"Initializing jdb \.\.\.", 0)
    opening = ["dump " + w for w in watches] + ["stop at %s:%d" % (main, m) for m in marks] + ["run"]
    for c in opening:
        send(c)
    if program_input:
        time.sleep(0.5)
        program.stdin.write(program_input.encode())
        program.stdin.flush()
    for pattern, action in steps:
        if pos is None:
            break
        pos = wait_for(reader, pattern, pos)
        if pos is None or action is None:
            continue
        if action == "!kill":
            os.killpg(program.pid, signal.SIGKILL)
        else:
            for c in action.split("\n"):
                send(c)
    time.sleep(0.5)
    if jdb.poll() is None:
        send("exit")
        try:
            jdb.wait(3)
        except subprocess.TimeoutExpired:
            os.killpg(jdb.pid, signal.SIGKILL)
    try:
        os.killpg(program.pid, signal.SIGKILL)
    except ProcessLookupError:
        pass
    jdb.wait()
    program.wait()
    time.sleep(0.2)
    with open(os.path.join(out, name + ".jdb"), "wb") as f:
        f.write(bytes(reader.data))
    with open(os.path.join(out, name + ".program"), "wb") as f:
        f.write(bytes(prog.data))


def write_big(folder):
    """Big.java: its println is on line 1,203."""
    path = os.path.join(folder, "Big.java")
    if os.path.exists(path):
        return
    lines = ["public class Big {", "    static int total;", "", "    public static void main(String[] args) {"]
    while len(lines) < 1202:
        lines.append("        total += %d;" % len(lines))
    lines += ["        System.out.println(\"total=\" + total);", "    }", "}"]
    with open(path, "w") as f:
        f.write("\n".join(lines) + "\n")


def main():
    java_bin, classes, out = sys.argv[1:4]
    write_big(classes)
    names = sys.argv[4:] or list(SCENARIOS)
    os.makedirs(out, exist_ok=True)
    for name in names:
        capture(java_bin, classes, out, name)
        print(name, "captured")


if __name__ == "__main__":
    main()
