"""Times the Python module vivuzazadur against pint, one call at a time and over whole columns.

Run from the top of the repository, with the module built in build/python and nothing else
busy on the machine:

    PYTHONPATH=build/python /usr/bin/python3 bench/python_bench.py

One parse or format is timed with timeit: autorange picks a number of calls that lasts at least
0.2 s, and the best of five such runs is kept, the one least disturbed by the rest of the
machine. vivuzazadur is timed twice, with units given as texts ("ft") and as ids looked up once
beforehand. Columns of a million texts or values are timed the same way, best of three runs.
"""

import math
import os
import timeit

import numpy as np
import pint
import vivuzazadur as vvz

# Quantities both libraries read: (pint's text, vivuzazadur's text, the unit to read them into).
PARSES = [
    ("12.5 m", "12.5 m", "ft"),
    ("9.81 m/s^2", "9.81 m/s²", "ft/s^2"),
    ("5 kN*m", "5 kN*m", "J"),
    ("60 mi/h", "60 mi/h", "m/s"),
]

# Values written in another unit: (value, its unit, the unit shown), two decimals for both.
FORMATS = [
    (12.5, "m", "ft"),
    (9.81, "m/s^2", "ft/s^2"),
    (5.0, "kN*m", "J"),
    (60.0, "mi/h", "m/s"),
]

# Texts of the kind a column holds, repeated to make a million.
COLUMN_TEXTS = ["12.5 m", "5'6 1/2\"", "350 mm", "2-1/2 in", "12 ft", "1.69 m", "3' 4\"", "0.75 m"]
COLUMN_SIZE = 10**6

# What the module should reach.
RATIO_GOAL = 50
TEXTS_PER_SECOND_GOAL = 10**6


def best_time(call, repeat=5):
    """Seconds one call of call() takes: the best of repeat timeit runs of autorange's length."""
    timer = timeit.Timer(call)
    number, _ = timer.autorange()
    return min(timer.repeat(repeat, number)) / number


def column_time(call, repeat=3):
    """Seconds one call of call() takes, for calls long enough to be timed one at a time."""
    return min(timeit.repeat(call, number=1, repeat=repeat))


def duration(seconds):
    """A duration in ns, µs, ms or s, with three significant digits."""
    for unit, scale in [("ns", 1e-9), ("µs", 1e-6), ("ms", 1e-3)]:
        if seconds < 1000 * scale:
            return f"{seconds / scale:.3g} {unit}"
    return f"{seconds:.3g} s"


def unit_id(text):
    """The id of the unit a text names, looked up once so that calls skip the look-up."""
    return vvz.units[text].id


def single_calls(formatter, ureg):
    """Times one parse and one format of each quantity; returns the table's rows."""
    rows = []
    for pint_text, text, unit in PARSES:
        target = unit_id(unit)
        expected = ureg.Quantity(pint_text).to(unit).magnitude
        assert math.isclose(formatter.parse(text, unit), expected, rel_tol=1e-12)
        rows.append(
            (
                f"parse {text!r} -> {unit}",
                best_time(lambda: ureg.Quantity(pint_text).to(unit).magnitude),
                best_time(lambda: formatter.parse(text, unit)),
                best_time(lambda: formatter.parse(text, target)),
            )
        )
    for value, unit, shown in FORMATS:
        quantity = ureg.Quantity(value, unit)
        # The display as the symbol that the text names, so that both write the same text.
        source, target = unit_id(unit), vvz.symbols[shown].id
        ours = formatter.format(value, unit, shown)
        assert formatter.format(value, source, target) == ours
        print(f"  {ours!r:>16} and pint's {quantity.to(shown):.2f~P}")
        rows.append(
            (
                f"format {value:g} {unit} as {shown}",
                best_time(lambda: f"{quantity.to(shown):.2f~P}"),
                best_time(lambda: formatter.format(value, unit, shown)),
                best_time(lambda: formatter.format(value, source, target)),
            )
        )
    return rows


def column_calls(formatter):
    """Times parse_many and format_many over a million items; returns the table's rows."""
    texts = (COLUMN_TEXTS * (COLUMN_SIZE // len(COLUMN_TEXTS) + 1))[:COLUMN_SIZE]
    values = np.linspace(0.01, 100.0, COLUMN_SIZE)
    feet_inches = vvz.Symbols.Inch_FootPrimeInchDoublePrime_Fraction
    assert not np.isnan(formatter.parse_many(texts, "m")).any()
    rows = []
    for threads in [1, None]:
        label = "1" if threads == 1 else f"auto ({os.cpu_count()} cores)"
        cases = [
            ("parse_many into m", lambda: formatter.parse_many(texts, "m", threads=threads)),
            (
                "format_many m as ft",
                lambda: formatter.format_many(values, "m", "ft", threads=threads),
            ),
            (
                "format_many m as 5'6 1/2\"",
                lambda: formatter.format_many(values, "m", feet_inches, threads=threads),
            ),
        ]
        for name, call in cases:
            rows.append((name, label, column_time(call)))
    return rows


def main():
    """Runs every timing and prints the tables and whether the goals are met."""
    formatter = vvz.Formatter("en-US")
    ureg = pint.UnitRegistry()
    print(f"vivuzazadur against pint {pint.__version__}; one call: best of 5 timeit runs")
    print("the same texts, as each library writes them:")
    rows = single_calls(formatter, ureg)

    print()
    header = f"{'pint':>10}{'vvz texts':>11}{'vvz ids':>10}{'pint/texts':>12}{'pint/ids':>10}"
    print(f"{'one call':<30}{header}")
    for name, pint_time, text_time, id_time in rows:
        print(
            f"{name:<30}{duration(pint_time):>10}{duration(text_time):>11}{duration(id_time):>10}"
            f"{pint_time / text_time:>11.0f}x{pint_time / id_time:>9.0f}x"
        )

    print()
    print(f"{'a column of 10^6, best of 3':<30}{'threads':>16}{'time':>10}{'items/s':>12}")
    columns = column_calls(formatter)
    for name, threads, seconds in columns:
        print(f"{name:<30}{threads:>16}{duration(seconds):>10}{COLUMN_SIZE / seconds:>12.3g}")

    worst_texts = min(pint_time / text_time for _, pint_time, text_time, _ in rows)
    worst_ids = min(pint_time / id_time for _, pint_time, _, id_time in rows)
    one_core = COLUMN_SIZE / columns[0][2]
    print()
    print(
        f"goal, one call at most 1/{RATIO_GOAL} of pint's time: worst {worst_texts:.0f}x with "
        f"unit texts ({'met' if worst_texts >= RATIO_GOAL else 'NOT met'}), {worst_ids:.0f}x "
        f"with ids ({'met' if worst_ids >= RATIO_GOAL else 'NOT met'})"
    )
    print(
        f"goal, parse_many at least {TEXTS_PER_SECOND_GOAL:.0e} texts/s on one core: "
        f"{one_core:.3g} ({'met' if one_core >= TEXTS_PER_SECOND_GOAL else 'NOT met'})"
    )


if __name__ == "__main__":
    main()
