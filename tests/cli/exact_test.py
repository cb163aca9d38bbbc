#!/usr/bin/env python3
"""dms2deg and deg2dms against exact rationals: 100,000 random angles each (exact halves
among them) through orvanel-cli --values, every result compared with the exact value rounded
half to even, and dms2deg then deg2dms brought back within the two roundings.
Usage: exact_test.py PATH-TO-orvanel-cli"""
import random
import subprocess
import sys
from fractions import Fraction

COUNT = 100_000
rng = random.Random(2026)


def run(cli, args, lines):
    """The result of each line; an empty one where the line was refused."""
    done = subprocess.run([cli, *args, "--values"], input="\n".join(lines) + "\n",
                          capture_output=True, text=True, check=False)
    if done.returncode not in (0, 1) or (done.returncode == 0) != (done.stderr == ""):
        raise AssertionError(f"{args}: status {done.returncode}: {done.stderr[:300]}")
    return done.stdout.split("\n")[:-1]


def round_even(value, decimals):
    """value * 10^decimals rounded half to even (as round() does a Fraction), a whole number."""
    return round(value * 10**decimals)


def decimal_text(units, decimals):
    text = str(units).rjust(decimals + 1, "0")
    return text if decimals == 0 else f"{text[:-decimals]}.{text[-decimals:]}"


def random_part(below):
    """Digits below `below`, with up to 20 decimals."""
    whole = rng.randrange(below)
    places = rng.choice([0, 1, 2, 3, 5, 8, 8, 14, 20])  # past 12 the long way
    fraction = "".join(rng.choice("0123456789") for _ in range(places))
    return f"{whole}.{fraction}" if places else str(whole)


def check_dms2deg(cli):
    cases = []
    for _ in range(COUNT):
        d, m, s = random_part(360), random_part(60), random_part(60)
        decimals = rng.randrange(0, 13)
        if rng.random() < 0.2:  # an exact half of 0.001°: whole minutes by 3, 1.8" times odd
            d, m = str(rng.randrange(360)), str(3 * rng.randrange(20))
            s, decimals = format_exact(Fraction(18, 10) * (2 * rng.randrange(17) + 1)), 3
        sign = rng.choice(["", "-", "S "])
        cases.append((sign + f"{d} {m} {s}", decimals, d, m, s, sign != ""))
    failures = 0
    for decimals in range(13):
        chosen = [c for c in cases if c[1] == decimals]
        got = run(cli, ["dms2deg", "--decimals", str(decimals)], [c[0] for c in chosen])
        for (text, _, d, m, s, negative), result in zip(chosen, got):
            exact = Fraction(d) + Fraction(m) / 60 + Fraction(s) / 3600
            units = round_even(exact, decimals)
            wanted = ("-" if negative and units else "") + decimal_text(units, decimals)
            if exact > 360:
                wanted = ""  # each part is in range, the whole is not
            if result != wanted:
                failures += 1
                print(f"dms2deg --decimals {decimals} {text!r}: {result!r}, exactly {wanted!r}")
    return cases, failures


def check_deg2dms(cli):
    values = []
    for _ in range(COUNT):
        places = rng.choice([0, 2, 4, 6, 8])
        value = Fraction(rng.randrange(0, 360 * 10**places + 1), 10**places)
        if rng.random() < 0.1:  # an exact half of 0.01": (2k + 1) * 4.5 / 360000 degrees
            value = Fraction(rng.randrange(1000) * 18 + 9, 2) / 360000
        values.append(value)
    texts = [format_exact(v) for v in values]
    got = run(cli, ["deg2dms"], texts)
    failures = 0
    for text, value, result in zip(texts, values, got):
        seconds = round_even(value * 3600, 2)
        d, rest = divmod(seconds, 360000)
        m, s = divmod(rest, 6000)
        wanted = f"{d}°{m}'{decimal_text(s, 2)}\""
        if result != wanted:
            failures += 1
            print(f"deg2dms {text!r}: {result!r}, exactly {wanted!r}")
    return failures


def format_exact(value):
    """A terminating fraction as plain decimal digits."""
    whole, rest = divmod(value, 1)
    digits = ""
    while rest:
        rest *= 10
        digit, rest = divmod(rest, 1)
        digits += str(digit)
    return f"{whole}.{digits}" if digits else str(whole)


def check_round_trip(cli, cases):
    """dms2deg with D decimals then deg2dms with S: within 0.5 * 10^-D * 3600 + 0.5 * 10^-S
    seconds of arc of the angle typed."""
    failures = 0
    for decimals in (6, 9):
        chosen = [c for c in cases[:20_000] if Fraction(c[2]) + Fraction(c[3]) / 60 + Fraction(c[4]) / 3600 <= 360]
        degrees = run(cli, ["dms2deg", "--decimals", str(decimals)], [c[0] for c in chosen])
        back = run(cli, ["deg2dms", "--decimals", "4"], degrees)
        bound = Fraction(1, 2) / 10**decimals * 3600 + Fraction(1, 2) / 10**4
        for (text, _, d, m, s, negative), result in zip(chosen, back):
            exact = (Fraction(d) * 3600 + Fraction(m) * 60 + Fraction(s)) * (-1 if negative else 1)
            dd, rest = result.lstrip("-").split("°")
            mm, rest = rest.split("'")
            came = (int(dd) * 3600 + int(mm) * 60 + Fraction(rest.rstrip('"'))) * (-1 if result.startswith("-") else 1)
            if abs(came - exact) > bound:
                failures += 1
                print(f"round trip {text!r} with {decimals} decimals: {result!r}")
    return failures


def main():
    cli = sys.argv[1]
    cases, failures = check_dms2deg(cli)
    failures += check_deg2dms(cli)
    failures += check_round_trip(cli, cases)
    print(f"{'FAILED' if failures else 'ok'}: {failures} disagreements")
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
