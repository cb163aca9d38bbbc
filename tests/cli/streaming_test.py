#!/usr/bin/env python3
"""orvanel-cli answers each line as it comes: through a pipe with --line-buffered, and at a
terminal (a pseudo-terminal, as a person's is), the result of a line is there before the next
line is written. Usage: streaming_test.py PATH-TO-orvanel-cli"""
import os
import select
import subprocess
import sys

# For each command: two inputs and the start of the result line each must bring back.
CASES = {
    "rad2deg": [("1", "1.00000 radians = 57°17'45\""), ("2", "2.00000 radians")],
    "deg2rad": [("30", "30°0'0\" = 0.52360"), ("45 30", "45°30'0\"")],
    "add": [("3 4", "(3 + 4) mod 2pi = 0.71681"), ("1 2", "(1 + 2) mod 2pi")],
    "sub": [("1 -2", "(1 - -2) mod 2pi = 3.00000"), ("2 1", "(2 - 1) mod 2pi")],
}
WAIT = 10  # seconds a result may take before the test gives up on it


def read_until(fd, wanted, seen=b""):
    """Reads from fd until `wanted` has come; fails when it has not within WAIT seconds."""
    while wanted.encode() not in seen:
        ready, _, _ = select.select([fd], [], [], WAIT)
        if not ready:
            raise AssertionError(f"no {wanted!r} within {WAIT} s; got {seen!r}")
        chunk = os.read(fd, 4096)
        if not chunk:
            raise AssertionError(f"output ended before {wanted!r}; got {seen!r}")
        seen += chunk
    return seen[seen.index(wanted.encode()) + len(wanted):]


def through_pipe(cli, command):
    proc = subprocess.Popen([cli, "--line-buffered", command], stdin=subprocess.PIPE,
                            stdout=subprocess.PIPE)
    rest = b""
    for line, result in CASES[command]:
        proc.stdin.write(line.encode() + b"\n")
        proc.stdin.flush()  # the next line is written only once this result has come
        rest = read_until(proc.stdout.fileno(), result, rest)
    proc.stdin.close()
    assert proc.wait(WAIT) == 0


def at_terminal(cli, command):
    master, slave = os.openpty()
    proc = subprocess.Popen([cli, command], stdin=slave, stdout=slave, stderr=slave)
    os.close(slave)
    rest = b""
    try:
        for line, result in CASES[command]:
            os.write(master, line.encode() + b"\r")  # Enter; the terminal echoes the line
            rest = read_until(master, result, rest)
        os.write(master, b"\x04")  # Ctrl-D at the start of a line ends the input
        assert proc.wait(WAIT) == 0
    finally:
        proc.kill()
        os.close(master)


def main():
    cli = sys.argv[1]
    failed = 0
    for command in CASES:
        for way in (through_pipe, at_terminal):
            try:
                way(cli, command)
                print(f"ok: {way.__name__} {command}")
            except AssertionError as error:
                failed += 1
                print(f"FAILED: {way.__name__} {command}: {error}")
    sys.exit(1 if failed else 0)


if __name__ == "__main__":
    main()
