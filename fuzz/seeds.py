#!/usr/bin/env python3
"""Writes the seed corpus of the fuzzers: fuzz/corpus/<harness>/seed-<n>.

Each seed is an input laid out as libFuzzer's FuzzedDataProvider reads it, in the order the
harness consumes it: texts from the front, numbers and choices from the back. The seeds below
read one a line: the texts people type, the settings hosts use, the values at the edges.

    fuzz/seeds.py            writes the corpus
    fuzz/seeds.py --check    fails when the corpus differs from what this script writes
"""
import pathlib
import struct
import sys

CORPUS = pathlib.Path(__file__).resolve().parent / "corpus"
LOCALES = {"en-US": 0, "de-DE": 1, "fr-FR": 2, "ru-RU": 3}


class Input:
    """An input for FuzzedDataProvider, written in the order the harness consumes it."""

    def __init__(self):
        self.front = bytearray()
        self.back = bytearray()  # in the order consumed; reversed at the end of the input

    def integral(self, value, low, high):
        span = high - low
        offset = value - low
        assert 0 <= offset <= span
        count = 0
        while count < 8 and (span >> (8 * count)) > 0:
            count += 1
        # The first byte consumed is the most significant one.
        for shift in reversed(range(count)):
            self.back.append((offset >> (8 * shift)) & 0xFF)
        return self

    def bool(self, value):
        return self.integral(1 if value else 0, 0, 255)

    def string(self, text):
        data = text.encode("utf-8").replace(b"\\", b"\\\\")
        self.front += data + b"\\ "
        return self

    def text(self, text):
        """A text of the harnesses' ConsumeText, given as UTF-8."""
        return self.bool(False).string(text)

    def raw_int(self, value):
        return self.integral(value, -(2**31), 2**31 - 1)

    def id(self, value):
        """An id of ConsumeId or ConsumeSymbolId, given as a raw int."""
        return self.integral(0, 0, 15).raw_int(value)

    def value(self, number):
        """A double of ConsumeValue, bit for bit."""
        bits = struct.unpack("<Q", struct.pack("<d", number))[0]
        return self.bool(True).integral(bits, 0, 2**64 - 1)

    def bytes(self):
        return bytes(self.front) + bytes(reversed(self.back))


def settings(entry, group=None, decimal=None, precision=None, numeric=None):
    """ConsumeNumberSettings with the separators, precision and numeric format given."""
    which = (8 if group else 0) | (16 if decimal else 0)
    which |= (32 if precision is not None else 0) | (128 if numeric is not None else 0)
    entry.integral(which, 0, 0xFFFF)
    for text in (group, decimal):
        if text:
            entry.text(text).integral(1, 0, 31)
    if precision is not None:
        entry.integral(precision, -2, 101)
    if numeric is not None:
        entry.integral(numeric, -1, 8)
    return entry


def parse(locale, unit, text, **number):
    entry = Input().integral(LOCALES[locale], 0, 3).bool(bool(number))
    if number:
        settings(entry, **number)
    return entry.id(unit).text(text)


def format_(locale, value, unit, display, size, **number):
    entry = Input().integral(LOCALES[locale], 0, 3).bool(bool(number))
    if number:
        settings(entry, **number)
    entry.value(value).id(unit)
    entry.bool(display == 0)
    if display != 0:
        entry.id(display)
    return entry.integral(size, 0, 1200).integral(1, 0, 63)


def strings(locale, calls, value, text):
    entry = Input().integral(LOCALES[locale], 0, 3).integral(len(calls) - 1, 0, 255)
    for symbol, parsing, string in calls:
        entry.id(symbol).bool(parsing).integral(1, 0, 15).text(string)
    return entry.value(value).text(text)


def round_trip(locale, value, sizes, precision, numeric, two_digits):
    entry = Input().integral(LOCALES[locale], 0, 3).bool(True)
    entry.integral(sizes[0], 1, 9).integral(sizes[1] if len(sizes) > 1 else 0, 0, 9)
    entry.integral(len(sizes), 1, 2).integral(precision, 0, 15).integral(numeric, 0, 6)
    entry.bool(two_digits)
    probability = (value + 1e15) / 2e15
    entry.integral(min(round(probability * (2**64 - 1)), 2**64 - 1), 0, 2**64 - 1)
    return entry.bool(True)


def any_settings(locale, value, symbol, **number):
    entry = Input().integral(LOCALES[locale], 0, 3).bool(False)
    settings(entry, **number)
    return entry.value(value).bool(False).id(symbol)


SEEDS = {
    "ParseFuzzer": [
        parse("en-US", 0x2001, "12.5 m"),
        parse("en-US", 0x2001, "1,234.5 km"),
        parse("en-US", 0x30001, "9.81 m/s²"),
        parse("en-US", 0x30001, "9.81 m/(s·s)"),
        parse("en-US", 0x30001, "9.81 m/s^2"),
        parse("en-US", 0x13014, "5 N-m"),
        parse("en-US", 0x17001, "5 kg*m/s^2"),
        parse("en-US", 0x2016, "5' 6 1/2\""),
        parse("en-US", 0x2016, "5'-6-1/2\""),
        parse("en-US", 0x2016, "-1 1/2 in"),
        parse("en-US", 0x8002, "45°30'15\""),
        parse("en-US", 0x8002, "-45d30'"),
        parse("en-US", 0x8002, "N 45°30' E"),
        parse("en-US", 0x8002, "S 30°15'10\" W"),
        parse("en-US", 0x8004, "100g"),
        parse("en-US", 0x2c001, "5'30\""),
        parse("en-US", 0x2c001, "2 d"),
        parse("en-US", 0x2a002, "212 °F"),
        parse("en-US", 0x3d001, "5 W/(m²·K)"),
        parse("en-US", 0x2001, "((5 m))"),
        parse("en-US", 0x2001, "1e999 m"),
        parse("en-US", 0x3001, "5 m^2147483647"),
        parse("en-US", 0x2001, "12.5"),
        parse("de-DE", 0x2001, "1.234,5 m", group=".", decimal=","),
        parse("de-DE", 0x2017, "5 Fuß"),
        parse("fr-FR", 0x2001, "1 234,5 m", group=" ", decimal=","),
        parse("ru-RU", 0x2001, "5 м"),
        parse("ru-RU", 0x3001, "5 кв. м"),
        # A finding: operators that evaluated their right side ahead took exponential time.
        parse("en-US", 0x2001, "5 m" + "/((" * 40),
    ],
    "FormatFuzzer": [
        format_("en-US", 12.5, 0x2001, 0, 64),
        format_("en-US", 66.5, 0x2016, 0x702016, 64),
        format_("en-US", -66.5, 0x2016, 0x802016, 12),
        format_("en-US", 45.5041, 0x8002, 0x408002, 64, precision=5),
        format_("en-US", 135.25, 0x8002, 0x508002, 64, precision=4),
        format_("en-US", 1.7976931348623157e308, 0x2001, 0x902016, 1200, precision=99),
        format_("en-US", 5e-324, 0x2001, 0, 1200, precision=99, numeric=2),
        format_("en-US", -0.0, 0x2a002, 0x22a003, 32, numeric=6),
        format_("en-US", float("nan"), 0x2001, 0, 32),
        format_("en-US", float("-inf"), 0x2001, 0, 32),
        format_("de-DE", 1234.5, 0x2001, 0x2000, 9, group=".", decimal=","),
        format_("fr-FR", 330.0, 0x2c001, 0x52c001, 16),
        format_("ru-RU", 1e15, 0x3001, 0, 40, numeric=0),
    ],
    "SymbolStringFuzzer": [
        strings("en-US", [(0x202001, False, "{0} metres")], 2.5, "2.50 metres"),
        strings("en-US", [(0x502016, True, "{0} ft {1} in")], 66.5, "5 ft 6.5 in"),
        strings("en-US", [(0x702016, False, "{0}ft {1}in")], 66.5, "5ft 6 1/2in"),
        strings("en-US", [(0x408002, False, "{2}s {1}m {0}d")], 45.5, "30s 30m 45d"),
        strings("en-US", [(0x202001, False, "[{0}]"), (0x202017, True, "{0} feet"),
                          (0x202001, False, "")], 3.0, "3 feet"),
        strings("en-US", [(0x202001, False, "{{{0}}}")], 1.0, "{1}"),
        strings("en-US", [(0x202001, True, "{0")], 1.0, "1 m"),
        strings("de-DE", [(0x52c001, True, "{0} min {1} s")], 330.0, "5 min 30 s"),
    ],
    "NumberSettingsFuzzer": [
        round_trip("en-US", 1234567.891, [3], 2, 5, True),
        round_trip("de-DE", -1234567.891, [3, 2], 4, 5, False),
        round_trip("fr-FR", 0.000123, [3], 3, 0, True),
        round_trip("ru-RU", 98765.4321, [3], 6, 3, True),
        round_trip("en-US", 2.625, [3], 3, 6, True),
        round_trip("en-US", -1e14, [1, 0], 0, 4, False),
        any_settings("en-US", 12.5, 0x202001, group="'", decimal=".", precision=3),
        any_settings("en-US", 66.5, 0x702016, group=".", decimal=".", numeric=6),
        any_settings("de-DE", 45.5, 0x408002, group=" ", decimal=",", precision=7),
    ],
}


def main():
    check = sys.argv[1:] == ["--check"]
    stale = []
    for harness, entries in SEEDS.items():
        folder = CORPUS / harness
        folder.mkdir(parents=True, exist_ok=True)
        for number, entry in enumerate(entries, 1):
            path = folder / f"seed-{number:02d}"
            data = entry.bytes()
            if check:
                if not path.exists() or path.read_bytes() != data:
                    stale.append(str(path))
            else:
                path.write_bytes(data)
    if stale:
        print("seeds differ from fuzz/seeds.py:", *stale, sep="\n  ", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
