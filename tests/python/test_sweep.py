"""The module gives exactly what the C++ library gives: every unit symbol, formatted and read
back in the four locales under several number settings, against the lines the sweep program
writes with the library itself."""

import os
import subprocess

import pytest

import vivuzazadur as vvz

SETTINGS = {
    "default": lambda f: None,
    "locale_numbers": None,  # made with Formatter(locale, locale_numbers=True)
    "german_separators": lambda f: (
        setattr(f, "group_separator", "."),
        setattr(f, "decimal_separator", ","),
    ),
    "fraction": lambda f: setattr(f, "numeric_format", vvz.NumberFormat.Fraction),
    "precision_4": lambda f: setattr(f, "precision", 4),
}


def formatter(locale, settings):
    if settings == "locale_numbers":
        return vvz.Formatter(locale, locale_numbers=True)
    f = vvz.Formatter(locale)
    SETTINGS[settings](f)
    return f


@pytest.fixture(scope="module")
def sweep():
    program = os.environ.get("VVZ_PYTHON_SWEEP")
    if not program:
        pytest.skip("VVZ_PYTHON_SWEEP names no sweep program")
    output = subprocess.run([program], check=True, capture_output=True, text=True).stdout
    return [line.split("\t") for line in output.splitlines()]


def test_every_symbol_formats_and_parses_as_the_library_does(sweep):
    formatters = {}
    mismatches = []
    for locale, settings, symbol, value, text, parsed in sweep:
        if (locale, settings) not in formatters:
            formatters[locale, settings] = formatter(locale, settings)
        f = formatters[locale, settings]
        symbol = int(symbol, 16)
        unit = symbol & 0xFFFFF
        x = float.fromhex(value)
        try:
            ours = f.format(x, unit, symbol)
        except ValueError:
            ours = "-"
        back = f.try_parse(ours, unit) if ours != "-" else None
        ours_parsed = "-" if back is None else back.hex()
        expected_parsed = "-" if parsed == "-" else float.fromhex(parsed).hex()
        if (ours, ours_parsed) != (text, expected_parsed):
            mismatches.append((locale, settings, hex(symbol), value, text, ours, parsed, back))
    assert len(formatters) == 4 * len(SETTINGS)
    assert len(sweep) > 4 * len(SETTINGS) * 1000
    assert not mismatches, mismatches[:10]
