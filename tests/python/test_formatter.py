"""Formatter: single texts, errors with their reasons and positions, settings, copies and
pickles, locales and translations."""

import copy
import math
import pickle

import pytest

import vivuzazadur as vvz
from vivuzazadur import ParseProblem, Symbols, Units


@pytest.mark.parametrize(
    "text, unit, expected",
    [
        ("5'6 1/2\"", Units.Inch, 66.5),
        ("5'6 1/2\"", "m", 1.6891),
        ("1.69 m", "Meter", 1.69),
        ("−5 m", "m", -5.0),
        # A bare number is in the unit asked for, whatever the group's default unit.
        ("12.5", "m", 12.5),
        ("12.5", "ft", 12.5),
        ("5 1/2", "Inch", 5.5),
        ("90", "Degree", 90.0),
    ],
)
def test_parse_reads_what_people_type(en, text, unit, expected):
    assert en.parse(text, unit) == pytest.approx(expected, rel=1e-12)
    assert en.try_parse(text, unit) == en.parse(text, unit)


@pytest.mark.parametrize(
    "text, unit, reason, position, length",
    [
        ("5 m", "Degree", ParseProblem.WrongDimension, 0, 3),
        ("", "m", ParseProblem.EmptyText, 0, 0),
        # Positions count code points, as Python indexes the text: the emoji is one.
        ("😀 5 m", "m", ParseProblem.UnknownText, 0, 1),
        ("5 😀", "m", ParseProblem.UnknownText, 2, 1),
        ("1:30", "Hour", ParseProblem.AmbiguousTime, 0, 4),
        ("5 m\0 3", "m", ParseProblem.UnknownText, 3, 1),
    ],
)
def test_parse_error_tells_reason_and_place(en, text, unit, reason, position, length):
    with pytest.raises(vvz.ParseError) as caught:
        en.parse(text, unit)
    error = caught.value
    assert isinstance(error, ValueError)
    assert (error.reason, error.position, error.length) == (reason, position, length)
    assert error.text == text
    assert str(error)
    assert en.try_parse(text, unit) is None


def test_parse_error_message_is_translated(en, de):
    with pytest.raises(vvz.ParseError) as english:
        en.parse("5 m", "Degree")
    with pytest.raises(vvz.ParseError) as german:
        de.parse("5 m", "Degree")
    assert str(english.value) != str(german.value)
    assert "Winkel" in str(german.value)


@pytest.mark.parametrize(
    "locale, locale_numbers, value, unit, display, expected",
    [
        ("en-US", False, 1234.5, "m", 0, "1,234.50 m"),
        ("de-DE", True, 1234.5, "m", 0, "1.234,50 m"),
        ("de-DE", False, 1234.5, "m", 0, "1,234.50 m"),
        ("en-US", True, 1, "m", Symbols.Meter_Name, "1.00 meters"),
        ("ru-RU", True, 5, "m", Symbols.Meter_Name, "5,00 метра"),
        ("en-US", False, 1, Units.Mile, "km", "1.61 km"),
    ],
)
def test_format_writes_the_library_text(locale, locale_numbers, value, unit, display, expected):
    assert vvz.Formatter(locale, locale_numbers).format(value, unit, display) == expected


@pytest.mark.parametrize(
    "value, unit, display, message",
    [
        (1.0, "m", "s", "dimension"),
        (math.nan, "m", 0, "not finite"),
        (math.inf, "m", 0, "not finite"),
    ],
)
def test_format_refuses_with_a_reason(en, value, unit, display, message):
    with pytest.raises(ValueError, match=message):
        en.format(value, unit, display)


@pytest.mark.parametrize(
    "call, error",
    [
        (lambda f: f.parse(5, "m"), TypeError),
        (lambda f: f.parse("5 m", True), TypeError),
        (lambda f: f.parse("5 m", 1.5), TypeError),
        (lambda f: f.parse("5 m", "no such unit"), ValueError),
        (lambda f: f.parse("5 m", 0x7FFFFFF), ValueError),
        (lambda f: f.parse("5 m", -1), ValueError),
        (lambda f: f.parse("5 m", 2**80), ValueError),
        (lambda f: f.format(1.0, "m", "no such unit"), ValueError),
        (lambda f: f.display_name(0x7FFFFFF), ValueError),
    ],
)
def test_bad_arguments_raise_and_never_crash(en, call, error):
    with pytest.raises(error):
        call(en)


def test_unit_text_means_what_it_means_in_a_quantity(en):
    # «lb» in a quantity is the pound; the global name lb is the metric pound: the text wins.
    assert en.parse("1 kg", "lb") == pytest.approx(2.20462262, rel=1e-8)


@pytest.mark.parametrize(
    "name, good, bad",
    [
        ("precision", 4, 100),
        ("decimal_separator", ",", ""),
        ("group_separator", " ", ""),
        ("group_sizes", [3, 2], [10]),
        ("native_digits", "٠١٢٣٤٥٦٧٨٩", "0123"),
        ("numeric_format", vvz.NumberFormat.Fraction, "NoSuchFormat"),
    ],
)
def test_setting_checks_its_value_and_keeps_the_old_one(en, name, good, bad):
    setattr(en, name, good)
    assert getattr(en, name) == good
    with pytest.raises(ValueError):
        setattr(en, name, bad)
    assert getattr(en, name) == good


def test_settings_change_what_follows(en):
    # The default unit serves displays and not bare numbers.
    en.set_default_unit("mm")
    assert en.format(1, "m", vvz.Groups.Length) == "1,000.00 millimeters"
    assert en.parse("12.5", "ft") == 12.5
    assert en.parse("12.5", "m") == 12.5
    # The numeric format is also set by name.
    en.numeric_format = "FixedPoint"
    assert en.numeric_format == vvz.NumberFormat.FixedPoint
    assert en.format(1234.5, "m") == "1234.50 m"
    # The group size check can be turned off.
    en.check_group_sizes = False
    assert en.parse("1,5 m", "m") == 15.0


@pytest.mark.parametrize(
    "duplicate",
    [lambda f: pickle.loads(pickle.dumps(f)), copy.copy, copy.deepcopy, lambda f: f.copy()],
)
def test_copies_and_pickles_keep_every_setting(duplicate):
    f = vvz.Formatter("de-DE", locale_numbers=True)
    f.precision = 3
    f.negative_sign = "−"
    f.set_default_unit("ft")
    f.set_default_symbol(Symbols.Foot_Prime)
    f.set_symbol_formatting_string(Symbols.Meter_Name, "{0} Meterchen")
    f.set_symbol_parsing_string(Symbols.Meter_Name, "{0} Meterlein")
    g = duplicate(f)
    assert g.locale == "de-DE"
    for name in ("precision", "negative_sign", "decimal_separator", "group_separator"):
        assert getattr(g, name) == getattr(f, name)
    assert g.default_unit("Length") == Units.Foot
    assert g.default_symbol("Foot") == Symbols.Foot_Prime
    assert g.format(-2, "m", Symbols.Meter_Name) == "−2,000 Meterchen"
    assert g.parse("3 Meterlein", "m") == 3.0
    assert g.format(1, "m", vvz.Groups.Length) == "3,281′"
    assert g.symbol_formatting_string(Symbols.Meter_Name) == "{0} Meterchen"
    # and they are independent
    g.precision = 1
    g.set_symbol_formatting_string(Symbols.Meter_Name, None)
    assert f.precision == 3
    assert g.symbol_formatting_string(Symbols.Meter_Name) is None
    assert f.symbol_formatting_string(Symbols.Meter_Name) == "{0} Meterchen"


def test_bad_symbol_string_is_refused(en):
    with pytest.raises(ValueError):
        en.set_symbol_formatting_string(Symbols.Meter_Name, "{0} {1} m")
    assert en.symbol_formatting_string(Symbols.Meter_Name) is None


@pytest.mark.parametrize(
    "locale, name",
    [("en-US", "meter"), ("de-DE", "Meter"), ("fr-FR", "mètre"), ("ru-RU", "метр")],
)
def test_translations_are_found_without_an_application(locale, name):
    # The tests create no QCoreApplication: the module finds the translation files itself.
    assert vvz.Formatter(locale).display_name(Units.Meter) == name


@pytest.mark.parametrize("locale", ["xx-YY", "de", "english"])
def test_unknown_locale_is_refused(locale):
    with pytest.raises(ValueError, match="no translations"):
        vvz.Formatter(locale)


def test_locale_with_underscore_is_taken():
    assert vvz.Formatter("de_DE").locale == "de-DE"
